// The table of open modeless macro dialogs: one slot per dialog, the slot
// index being the handle callers keep; an empty slot holds nothing.
//
// Opening takes the highest empty slot, or appends one. Closing a dialog whose
// macro data is busy is postponed: a 50 ms thread timer tries again (printing
// "Delayed timer called.\n" on the command line each time it fires) until the
// dialog is free. A postponed close remembers the dialog itself, so that it
// never closes another dialog that has taken the slot meanwhile, and a dialog
// has at most one postponed close pending. Closing the last slot trims the
// empty slots at the end of the table.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "frame/VtModelessMacroDlg.h"
#include "platform/ui/WinTypes.h"

using MacroDlgFactory = std::function<std::unique_ptr<VtModelessMacroDlg>()>;

class MacroDialogTable {
  public:
    // Opens a modeless macro dialog made by `make`, parented to the host's main
    // window, with a copy of data, in the chosen slot (set in `slot`). When
    // keepFocus is false, the keyboard focus goes back to the main window.
    // False when the factory gives no dialog or its window cannot be built; a
    // slot appended for it then stays, empty.
    bool open(const MacroDlgFactory& make, bool keepFocus, const MacroData& data, int& slot);
    // EndDlgMacroModeless: false for a slot outside the table or empty, and
    // when destroying the dialog's window fails (the dialog stays). A dialog
    // whose window is already gone is simply removed.
    bool close(int slot);
    // Closes every slot, the last first.
    void closeAll();
    // Copies the macro data of the dialog in slot; false for a bad or empty slot.
    bool macroData(int slot, MacroData& data) const;

    int slotCount() const { return static_cast<int>(slots_.size()); }
    // The dialog in slot; null for a bad or empty slot.
    VtModelessMacroDlg* dialogAt(int slot) const;
    int pendingCloses() const { return static_cast<int>(delayed_.size()); }

  private:
    struct DelayedClose {
        int slot = -1;
        const VtModelessMacroDlg* dialog = nullptr;
    };

    static void delayedCloseTimer(HWND, UINT, UINT_PTR timerId, DWORD);
    void postpone(int slot, const VtModelessMacroDlg* dialog);
    void dropDelayedCloses(const VtModelessMacroDlg* dialog);

    std::vector<std::unique_ptr<VtModelessMacroDlg>> slots_;
    std::map<UINT_PTR, DelayedClose> delayed_;
};

// The module's table.
MacroDialogTable& macroDialogTable();

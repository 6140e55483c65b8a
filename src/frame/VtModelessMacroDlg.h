// What the module frame needs of a modeless macro dialog: the macro dialog
// implements this, and the frame keeps such dialogs in its table of slots
// (MacroDialogTable.h) without knowing more of them.
#pragma once

#include "platform/core/macro/MacroData.h"

class CDialog;
class CWnd;

class VtModelessMacroDlg {
  public:
    virtual ~VtModelessMacroDlg() = default;

    // The dialog's window object.
    virtual CDialog& dialog() = 0;
    // Whether the dialog's macro data is flagged busy (the dialog is working
    // on the macro and must not be closed now).
    virtual bool isBusy() const = 0;
    // The dialog's copy of the macro data.
    virtual const MacroData& macroData() const = 0;
    virtual void setMacroData(const MacroData& data) = 0;
    // The slot that is the dialog's handle for the callers.
    virtual void setSlot(int slot) = 0;
    // Creates the dialog's window from its template with the given parent and
    // shows it; false when the window cannot be built.
    virtual bool createModeless(CWnd* parent) = 0;
};

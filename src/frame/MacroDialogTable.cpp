// The table of modeless macro dialogs and its postponed closes.
#include "frame/MacroDialogTable.h"

#include "frame/ResourceScope.h"
#include "platform/host/CommandLine.h"
#include "platform/host/EditorRequests.h"
#include "platform/host/MainWindow.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/Timers.h"

namespace {

constexpr UINT kDelayedCloseMilliseconds = 50;

}  // namespace

MacroDialogTable& macroDialogTable() {
    static MacroDialogTable table;
    return table;
}

bool MacroDialogTable::open(const MacroDlgFactory& make, bool keepFocus, const MacroData& data,
                            int& slot) {
    VtResourceScope scope;
    slot = -1;
    for (int i = 0; i < slotCount(); ++i) {
        if (!slots_[static_cast<size_t>(i)])
            slot = i;
    }
    if (slot == -1) {
        slot = slotCount();
        slots_.emplace_back();
    }
    std::unique_ptr<VtModelessMacroDlg> dialog = make ? make() : nullptr;
    if (!dialog)
        return false;
    dialog->setSlot(slot);
    dialog->setMacroData(data);
    if (!dialog->createModeless(adsw_acadMainWnd()))
        return false;
    slots_[static_cast<size_t>(slot)] = std::move(dialog);
    if (!keepFocus)
        adsw_acadMainWnd()->SetFocus();
    return true;
}

VtModelessMacroDlg* MacroDialogTable::dialogAt(int slot) const {
    if (slot < 0 || slot >= slotCount())
        return nullptr;
    return slots_[static_cast<size_t>(slot)].get();
}

bool MacroDialogTable::macroData(int slot, MacroData& data) const {
    const VtModelessMacroDlg* dialog = dialogAt(slot);
    if (!dialog)
        return false;
    data = dialog->macroData();
    return true;
}

bool MacroDialogTable::close(int slot) {
    VtModelessMacroDlg* dialog = dialogAt(slot);
    if (!dialog)
        return false;
    if (dialog->isBusy()) {
        postpone(slot, dialog);
        return true;
    }
    CDialog& window = dialog->dialog();
    if (window.GetSafeHwnd() && !window.DestroyWindow())
        return false;
    dropDelayedCloses(dialog);
    slots_[static_cast<size_t>(slot)].reset();
    if (slot == slotCount() - 1) {
        while (!slots_.empty() && !slots_.back())
            slots_.pop_back();
    }
    acedPostCommandPrompt();
    return true;
}

void MacroDialogTable::closeAll() {
    for (int slot = slotCount() - 1; slot >= 0; --slot) {
        if (slot < slotCount())
            close(slot);
    }
}

void MacroDialogTable::postpone(int slot, const VtModelessMacroDlg* dialog) {
    for (const auto& [id, pending] : delayed_) {
        if (pending.dialog == dialog)
            return;
    }
    const UINT_PTR id = SetTimer(nullptr, 0, kDelayedCloseMilliseconds, &delayedCloseTimer);
    if (id != 0)
        delayed_[id] = DelayedClose{slot, dialog};
}

void MacroDialogTable::dropDelayedCloses(const VtModelessMacroDlg* dialog) {
    for (auto it = delayed_.begin(); it != delayed_.end();) {
        if (it->second.dialog == dialog) {
            KillTimer(nullptr, it->first);
            it = delayed_.erase(it);
        } else {
            ++it;
        }
    }
}

void MacroDialogTable::delayedCloseTimer(HWND, UINT, UINT_PTR timerId, DWORD) {
    acutPrintf(L"Delayed timer called.\n");
    MacroDialogTable& table = macroDialogTable();
    const auto found = table.delayed_.find(timerId);
    if (found == table.delayed_.end())
        return;
    const DelayedClose pending = found->second;
    KillTimer(nullptr, timerId);
    table.delayed_.erase(found);
    if (table.dialogAt(pending.slot) == pending.dialog)
        table.close(pending.slot);
}

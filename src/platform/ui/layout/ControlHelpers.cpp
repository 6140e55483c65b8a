// Filling, enabling, showing and stretching a dialog's controls by id.
#include "platform/ui/layout/ControlHelpers.h"

#include <algorithm>

#include "platform/ui/CWnd.h"
#include "platform/ui/controls/CComboBox.h"

namespace {

CWnd* controlOf(CWnd* dialog, int controlId) {
    if (!dialog || !dialog->GetSafeHwnd())
        return nullptr;
    return dialog->GetDlgItem(controlId);
}

}  // namespace

bool FillCombo(CComboBox* combo, const Tvx_StringArray& items, int selected) {
    if (!combo || !combo->GetSafeHwnd())
        return false;
    combo->ResetContent();
    for (const Tvx_String& item : items)
        combo->AddString(item);
    combo->SetCurSel(selected >= 0 && selected < items.length() ? selected : -1);
    return true;
}

bool FillCombo(CWnd* dialog, int comboId, const Tvx_StringArray& items, int selected) {
    return FillCombo(dynamic_cast<CComboBox*>(controlOf(dialog, comboId)), items, selected);
}

bool EnDisCtrl(CWnd* dialog, int controlId, bool enable) {
    CWnd* control = controlOf(dialog, controlId);
    if (!control)
        return false;
    control->EnableWindow(enable ? TRUE : FALSE);
    return true;
}

bool ShowOrHideCtrl(CWnd* dialog, int controlId, int show) {
    CWnd* control = controlOf(dialog, controlId);
    if (!control)
        return false;
    control->ShowWindow(show == 0 ? SW_HIDE : SW_SHOW);
    return true;
}

int getCtrlHeight(CWnd* dialog, int controlId) {
    CWnd* control = controlOf(dialog, controlId);
    if (!control)
        return 0;
    CRect rect;
    control->GetWindowRect(&rect);
    return rect.Height();
}

bool resizeCtrl(CWnd* dialog, int controlId, int side, int amount) {
    CWnd* control = controlOf(dialog, controlId);
    if (!control || (side != 0 && side != 1))
        return false;
    CRect rect;
    control->GetWindowRect(&rect);
    dialog->ScreenToClient(&rect);
    if (side == 0) {
        rect.top = std::min(rect.top - amount, rect.bottom);
    } else {
        rect.bottom = std::max(rect.bottom + amount, rect.top);
    }
    control->MoveWindow(&rect);
    return true;
}

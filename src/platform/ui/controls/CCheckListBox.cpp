// Check-list boxes: the check marks and enabled flags of the items.
#include "platform/ui/controls/CCheckListBox.h"

#include "platform/ui/WindowTree.h"
#include "platform/ui/controls/ListItems.h"

namespace {

ui::ListEntry* itemOf(HWND hwnd, int index) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r || !ui::isItemIndex(r->control.items, index))
        return nullptr;
    return &r->control.items[static_cast<size_t>(index)];
}

}  // namespace

BOOL CCheckListBox::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CListBox::Create(style | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, rect, parent, id)) {
        return FALSE;
    }
    SetCheckStyle(kCheckStyleTwoState);
    return TRUE;
}

// The check style is kept in the list box's own check field, unused otherwise.
void CCheckListBox::SetCheckStyle(UINT style) {
    if (ui::WindowRecord* r = ui::findWindow(m_hWnd)) {
        r->control.check =
            style == kCheckStyleThreeState ? kCheckStyleThreeState : kCheckStyleTwoState;
    }
}

UINT CCheckListBox::GetCheckStyle() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    return r->control.check == kCheckStyleThreeState ? kCheckStyleThreeState : kCheckStyleTwoState;
}

void CCheckListBox::SetCheck(int index, int check) {
    if (ui::ListEntry* item = itemOf(m_hWnd, index)) {
        const bool threeState = GetCheckStyle() == kCheckStyleThreeState;
        item->check = (check == BST_INDETERMINATE && threeState) ? BST_INDETERMINATE
                                                                 : (check ? BST_CHECKED : 0);
        Invalidate();
    }
}

int CCheckListBox::GetCheck(int index) const {
    const ui::ListEntry* item = itemOf(m_hWnd, index);
    return item ? item->check : 0;
}

void CCheckListBox::Enable(int index, BOOL enabled) {
    if (ui::ListEntry* item = itemOf(m_hWnd, index))
        item->enabled = enabled != FALSE;
}

BOOL CCheckListBox::IsEnabled(int index) const {
    const ui::ListEntry* item = itemOf(m_hWnd, index);
    return item && item->enabled ? TRUE : FALSE;
}

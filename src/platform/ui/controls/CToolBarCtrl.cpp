// Toolbars: buttons, their states and clicks.
#include "platform/ui/controls/CToolBarCtrl.h"

#include "platform/ui/WindowTree.h"

namespace {

// A toolbar button is kept as a list entry: data is the command id, state the
// TBSTATE bits, image the bitmap index, check the TBSTYLE bits.
ui::ListEntry* buttonOf(HWND hwnd, int commandId) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return nullptr;
    for (auto& e : r->control.items) {
        if (static_cast<int>(e.data) == commandId && !(e.check & TBSTYLE_SEP))
            return &e;
    }
    return nullptr;
}

}  // namespace

BOOL CToolBarCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"ToolbarWindow32", L"", style | WS_CHILD, rect, parent, id);
}

BOOL CToolBarCtrl::AddButtons(int count, const TBBUTTON* buttons) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || count < 0 || (count > 0 && !buttons))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        ui::ListEntry e;
        e.data = static_cast<DWORD_PTR>(buttons[i].idCommand);
        e.state = buttons[i].fsState;
        e.image = buttons[i].iBitmap;
        e.check = buttons[i].fsStyle;
        r->control.items.push_back(e);
    }
    Invalidate();
    return TRUE;
}

BOOL CToolBarCtrl::DeleteButton(int index) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || index < 0 || index >= static_cast<int>(r->control.items.size()))
        return FALSE;
    r->control.items.erase(r->control.items.begin() + index);
    Invalidate();
    return TRUE;
}

int CToolBarCtrl::GetButtonCount() const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    return r ? static_cast<int>(r->control.items.size()) : 0;
}

BOOL CToolBarCtrl::GetButton(int index, TBBUTTON* button) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || !button || index < 0 || index >= static_cast<int>(r->control.items.size())) {
        return FALSE;
    }
    const auto& e = r->control.items[static_cast<size_t>(index)];
    button->idCommand = static_cast<int>(e.data);
    button->fsState = static_cast<BYTE>(e.state);
    button->iBitmap = e.image;
    button->fsStyle = static_cast<BYTE>(e.check);
    return TRUE;
}

int CToolBarCtrl::CommandToIndex(UINT commandId) const {
    const ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return -1;
    for (size_t i = 0; i < r->control.items.size(); ++i) {
        const auto& e = r->control.items[i];
        if (e.data == commandId && !(e.check & TBSTYLE_SEP))
            return static_cast<int>(i);
    }
    return -1;
}

BOOL CToolBarCtrl::setStateBit(int commandId, BYTE bit, bool on) {
    ui::ListEntry* e = buttonOf(m_hWnd, commandId);
    if (!e)
        return FALSE;
    e->state = on ? (e->state | bit) : (e->state & ~static_cast<UINT>(bit));
    Invalidate();
    return TRUE;
}

BOOL CToolBarCtrl::hasStateBit(int commandId, BYTE bit) const {
    const ui::ListEntry* e = buttonOf(m_hWnd, commandId);
    return e && (e->state & bit) ? TRUE : FALSE;
}

BOOL CToolBarCtrl::EnableButton(int commandId, BOOL enable) {
    return setStateBit(commandId, TBSTATE_ENABLED, enable != FALSE);
}
BOOL CToolBarCtrl::CheckButton(int commandId, BOOL check) {
    return setStateBit(commandId, TBSTATE_CHECKED, check != FALSE);
}
BOOL CToolBarCtrl::HideButton(int commandId, BOOL hide) {
    return setStateBit(commandId, TBSTATE_HIDDEN, hide != FALSE);
}
BOOL CToolBarCtrl::IsButtonEnabled(int commandId) const {
    return hasStateBit(commandId, TBSTATE_ENABLED);
}
BOOL CToolBarCtrl::IsButtonChecked(int commandId) const {
    return hasStateBit(commandId, TBSTATE_CHECKED);
}
BOOL CToolBarCtrl::IsButtonHidden(int commandId) const {
    return hasStateBit(commandId, TBSTATE_HIDDEN);
}

BOOL CToolBarCtrl::clickButton(int commandId) {
    ui::ListEntry* e = buttonOf(m_hWnd, commandId);
    if (!e || !(e->state & TBSTATE_ENABLED) || (e->state & TBSTATE_HIDDEN) || !IsWindowEnabled()) {
        return FALSE;
    }
    if (e->check & TBSTYLE_CHECK)
        e->state ^= TBSTATE_CHECKED;
    Invalidate();
    const HWND parent = ::GetParent(m_hWnd);
    ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(commandId), BN_CLICKED),
                  reinterpret_cast<LPARAM>(m_hWnd));
    return TRUE;
}

// The dialog keys: Tab, arrows within radio groups, Escape and Enter.
#include "platform/ui/CDialog.h"
#include "platform/ui/KeyboardState.h"
#include "platform/ui/WindowTree.h"

namespace {

bool isPushButton(HWND h) {
    const ui::WindowRecord* r = ui::findWindow(h);
    if (!r || !r->className.equal(L"BUTTON", false))
        return false;
    const DWORD type = r->style & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool isAutoRadio(HWND h) {
    const ui::WindowRecord* r = ui::findWindow(h);
    return r && r->className.equal(L"BUTTON", false) &&
           (r->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

void sendCommand(HWND dialog, int id) {
    const HWND control = ::GetDlgItem(dialog, id);
    if (control && !::IsWindowEnabled(control))
        return;
    ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
                  reinterpret_cast<LPARAM>(control));
}

}  // namespace

BOOL CDialog::IsDialogMessage(MSG* msg) {
    if (!msg || !m_hWnd)
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    const bool isKeyDown = msg->message == WM_KEYDOWN;
    const bool isDialogChar = msg->message == WM_CHAR &&
                              (msg->wParam == L'\t' || msg->wParam == 0x1B || msg->wParam == L'\r');
    if (!isKeyDown && !isDialogChar)
        return FALSE;

    const HWND focus = msg->hwnd;
    const UINT code = static_cast<UINT>(
        ::SendMessage(focus, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg)));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE))
        return FALSE;
    if (isDialogChar)
        return TRUE;  // the key-down already did the work

    const bool shift = ui::isKeyDown(VK_SHIFT);
    switch (msg->wParam) {
        case VK_TAB: {
            if (code & DLGC_WANTTAB)
                return FALSE;
            if (HWND next = ::GetNextDlgTabItem(m_hWnd, focus, shift ? TRUE : FALSE)) {
                GotoDlgCtrl(CWnd::FromHandle(next));
            }
            return TRUE;
        }
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN: {
            if (code & DLGC_WANTARROWS)
                return FALSE;
            const BOOL previous = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
            const HWND next = ::GetNextDlgGroupItem(m_hWnd, focus, previous);
            if (next && next != focus) {
                ::SetFocus(next);
                if (isAutoRadio(next))
                    ::SendMessage(next, BM_CLICK);
            }
            return TRUE;
        }
        case VK_ESCAPE:
            sendCommand(m_hWnd, IDCANCEL);
            return TRUE;
        case VK_RETURN: {
            const int id = isPushButton(focus) ? ::GetDlgCtrlID(focus) : LOWORD(GetDefID());
            sendCommand(m_hWnd, id);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

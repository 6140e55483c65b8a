// Button states and the click behaviour of each button kind.
#include "platform/ui/controls/CButton.h"

#include "platform/ui/DialogGroups.h"
#include "platform/ui/WindowTree.h"

namespace {

bool isCheckKind(UINT type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
           type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool isThreeState(UINT type) {
    return type == BS_3STATE || type == BS_AUTO3STATE;
}

UINT typeOf(const ui::WindowRecord& r) {
    return r.style & BS_TYPEMASK;
}

// Unchecks the other automatic radio buttons of the group that holds `button`.
void uncheckGroupSiblings(HWND button) {
    for (HWND h : ui::dialogGroupOf(button)) {
        const ui::WindowRecord* r = ui::findWindow(h);
        if (h != button && r && r->className.equal(L"BUTTON", false) &&
            typeOf(*r) == BS_AUTORADIOBUTTON) {
            ::SendMessage(h, BM_SETCHECK, BST_UNCHECKED);
        }
    }
}

}  // namespace

BOOL CButton::Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(L"BUTTON", caption, style | WS_CHILD, rect, parent, id);
}

int CButton::GetCheck() const {
    return static_cast<int>(SendMessage(BM_GETCHECK));
}
void CButton::SetCheck(int check) {
    SendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
}
UINT CButton::GetState() const {
    return static_cast<UINT>(SendMessage(BM_GETSTATE));
}
void CButton::SetState(BOOL highlight) {
    SendMessage(BM_SETSTATE, highlight ? TRUE : FALSE);
}
UINT CButton::GetButtonStyle() const {
    return GetStyle() & BS_TYPEMASK;
}

void CButton::SetButtonStyle(UINT style, BOOL redraw) {
    SendMessage(BM_SETSTYLE, style, redraw ? TRUE : FALSE);
}

HICON CButton::SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(
        SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
}

HICON CButton::GetIcon() const {
    return reinterpret_cast<HICON>(SendMessage(BM_GETIMAGE, IMAGE_ICON));
}

HBITMAP CButton::SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(
        SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
}

HBITMAP CButton::GetBitmap() const {
    return reinterpret_cast<HBITMAP>(SendMessage(BM_GETIMAGE, IMAGE_BITMAP));
}

void CButton::click() {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r || (r->style & WS_DISABLED) || typeOf(*r) == BS_GROUPBOX)
        return;
    const HWND self = m_hWnd;
    ::SetFocus(self);
    if (!(r = ui::findWindow(self)))
        return;
    switch (typeOf(*r)) {
        case BS_AUTOCHECKBOX:
            r->control.check = r->control.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
            break;
        case BS_AUTO3STATE:
            r->control.check = (r->control.check + 1) % 3;
            break;
        case BS_AUTORADIOBUTTON:
            r->control.check = BST_CHECKED;
            uncheckGroupSiblings(self);
            break;
        default:
            break;
    }
    ::InvalidateRect(self, nullptr, TRUE);
    notifyParent(BN_CLICKED);
}

LRESULT CButton::classProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
    ui::WindowRecord* r = ui::findWindow(m_hWnd);
    if (!r)
        return 0;
    const UINT type = typeOf(*r);
    switch (message) {
        case BM_GETCHECK:
            return isCheckKind(type) ? r->control.check : BST_UNCHECKED;
        case BM_SETCHECK: {
            if (!isCheckKind(type))
                return 0;
            UINT check = static_cast<UINT>(wParam);
            if (!isThreeState(type) && check != BST_UNCHECKED)
                check = BST_CHECKED;
            if (check > BST_INDETERMINATE)
                check = BST_CHECKED;
            if (r->control.check != check) {
                r->control.check = check;
                ::InvalidateRect(m_hWnd, nullptr, TRUE);
            }
            return 0;
        }
        case BM_GETSTATE: {
            UINT state = isCheckKind(type) ? r->control.check : 0;
            if (r->control.pushed)
                state |= BST_PUSHED;
            if (::GetFocus() == m_hWnd)
                state |= BST_FOCUS;
            return state;
        }
        case BM_SETSTATE:
            r->control.pushed = wParam != 0;
            ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return 0;
        case BM_SETSTYLE:
            r->style = (r->style & ~BS_TYPEMASK) | (static_cast<DWORD>(wParam) & BS_TYPEMASK);
            if (LOWORD(static_cast<std::uintptr_t>(lParam)))
                ::InvalidateRect(m_hWnd, nullptr, TRUE);
            return 0;
        case BM_SETIMAGE: {
            if (wParam == IMAGE_ICON) {
                const HICON old = r->control.icon;
                r->control.icon = reinterpret_cast<HICON>(lParam);
                return reinterpret_cast<LRESULT>(old);
            }
            const HBITMAP old = r->control.bitmap;
            r->control.bitmap = reinterpret_cast<HBITMAP>(lParam);
            return reinterpret_cast<LRESULT>(old);
        }
        case BM_GETIMAGE:
            return wParam == IMAGE_ICON ? reinterpret_cast<LRESULT>(r->control.icon)
                                        : reinterpret_cast<LRESULT>(r->control.bitmap);
        case BM_CLICK:
            ::SendMessage(m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
            ::SendMessage(m_hWnd, WM_LBUTTONUP, 0, 0);
            return 0;
        case WM_LBUTTONDOWN:
            if (type == BS_GROUPBOX || (r->style & WS_DISABLED))
                return 0;
            r->control.pushed = true;
            return 0;
        case WM_LBUTTONUP:
            if (!r->control.pushed)
                return 0;
            r->control.pushed = false;
            click();
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_SPACE && type != BS_GROUPBOX)
                r->control.pushed = true;
            return 0;
        case WM_KEYUP:
            if (wParam == VK_SPACE && r->control.pushed) {
                r->control.pushed = false;
                click();
            }
            return 0;
        case WM_SETFOCUS:
            if (r->style & BS_NOTIFY)
                notifyParent(BN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            r->control.pushed = false;
            if (r->style & BS_NOTIFY)
                notifyParent(BN_KILLFOCUS);
            return 0;
        case WM_GETDLGCODE:
            if (type == BS_GROUPBOX)
                return DLGC_STATIC;
            if (type == BS_DEFPUSHBUTTON)
                return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
            if (type == BS_PUSHBUTTON)
                return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
            if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) {
                return DLGC_BUTTON | DLGC_RADIOBUTTON;
            }
            return DLGC_BUTTON;
        default:
            return CWnd::classProcedure(message, wParam, lParam);
    }
}

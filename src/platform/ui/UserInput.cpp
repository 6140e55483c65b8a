// Delivering user input as the platform delivers it.
#include "platform/ui/UserInput.h"

#include <algorithm>

#include "platform/ui/KeyboardState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Timers.h"
#include "platform/ui/UserInputMessages.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WindowTree.h"

namespace ui::input {

namespace {

Result failed(Tvx_String why) {
    return Result{false, std::move(why)};
}

Tvx_String nameOf(HWND window) {
    const WindowRecord* r = findWindow(window);
    if (!r)
        return L"an unknown window";
    if (r->parent)
        return L"control " + Tvx_String(r->id);
    return L"window '" + r->text + L"'";
}

// Holds the modifier keys down for the lifetime of the object.
class HeldModifiers {
  public:
    explicit HeldModifiers(UINT modifiers) : modifiers_(modifiers) {
        if (modifiers_ & MK_SHIFT)
            setKeyDown(VK_SHIFT, true);
        if (modifiers_ & MK_CONTROL)
            setKeyDown(VK_CONTROL, true);
    }
    ~HeldModifiers() {
        if (modifiers_ & MK_SHIFT)
            setKeyDown(VK_SHIFT, false);
        if (modifiers_ & MK_CONTROL)
            setKeyDown(VK_CONTROL, false);
    }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

  private:
    UINT modifiers_;
};

LRESULT deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    return dispatchFromLoop(msg);
}

LPARAM pointParam(CPoint p) {
    return MAKELPARAM(static_cast<unsigned>(p.x) & 0xFFFF, static_cast<unsigned>(p.y) & 0xFFFF);
}

CPoint centreOf(HWND window) {
    CRect rect;
    GetClientRect(window, &rect);
    return rect.CenterPoint();
}

// The deepest visible window under a client point of `window`.
HWND windowAt(HWND window, CPoint& point) {
    for (;;) {
        const HWND child = ChildWindowFromPoint(window, point);
        if (!child || child == window)
            return window;
        const WindowRecord* c = findWindow(child);
        point.Offset(-c->rect.left, -c->rect.top);
        window = child;
    }
}

// The pointer arrives at a client point of `target`: it moves there on the
// screen, the window may choose the cursor (WM_SETCURSOR, naming the mouse
// message that comes next) and gets the move.
void pointerTo(HWND target, CPoint point, UINT keys, UINT nextMessage) {
    POINT screen = point;
    ClientToScreen(target, &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target),
                MAKELPARAM(HTCLIENT, nextMessage));
    if (IsWindow(target))
        deliver(target, WM_MOUSEMOVE, keys, pointParam(point));
}

// Mouse press and release of a button at a client point of `target`.
void pressAndRelease(HWND target, CPoint point, UINT modifiers, UINT down, UINT up,
                     UINT buttonFlag) {
    const UINT keys = modifiers & (MK_SHIFT | MK_CONTROL);
    pointerTo(target, point, keys, down);
    if (!IsWindow(target))
        return;
    deliver(target, down, keys | buttonFlag, pointParam(point));
    if (!IsWindow(target))
        return;
    deliver(target, up, keys, pointParam(point));
}

Result mouseAt(HWND window, CPoint point, UINT modifiers, bool right, bool twice) {
    if (Tvx_String why = whyNotUsable(window); !why.isEmpty())
        return failed(why);
    HeldModifiers held(modifiers);
    const HWND target = windowAt(window, point);
    if (Tvx_String why = whyNotUsable(target); !why.isEmpty())
        return failed(why);
    if (right) {
        pressAndRelease(target, point, modifiers, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
        if (IsWindow(target)) {
            POINT screen = point;
            ClientToScreen(target, &screen);
            deliver(target, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(target), pointParam(screen));
        }
    } else {
        pressAndRelease(target, point, modifiers, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON);
        if (twice && IsWindow(target)) {
            const UINT keys = modifiers & (MK_SHIFT | MK_CONTROL);
            deliver(target, WM_LBUTTONDBLCLK, keys | MK_LBUTTON, pointParam(point));
            if (IsWindow(target))
                deliver(target, WM_LBUTTONUP, keys, pointParam(point));
        }
    }
    pumpMessages();
    return {};
}

bool isClass(HWND window, const wchar_t* name) {
    const WindowRecord* r = findWindow(window);
    return r && r->className.equal(name, false);
}

bool isEditLike(HWND window) {
    const WindowRecord* r = findWindow(window);
    return r && (r->className.equal(L"EDIT", false) || r->className.startsWith(L"RichEdit", false));
}

UINT virtualKeyOf(wchar_t c) {
    if (c >= L'a' && c <= L'z')
        return static_cast<UINT>(c - L'a' + L'A');
    if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9'))
        return static_cast<UINT>(c);
    if (c == L' ')
        return VK_SPACE;
    return 0;
}

// The character a key makes, 0 for none.
wchar_t characterOf(UINT key) {
    switch (key) {
        case VK_RETURN:
            return L'\r';
        case VK_ESCAPE:
            return 0x1B;
        case VK_TAB:
            return L'\t';
        case VK_BACK:
            return L'\b';
        case VK_SPACE:
            return L' ';
        default:
            return 0;
    }
}

// Types one character into the focus window.
void typeCharacter(HWND fallback, wchar_t c) {
    const HWND target = GetFocus() ? GetFocus() : fallback;
    if (c == L'\n') {
        pressKey(fallback, VK_RETURN);
        return;
    }
    const UINT key = virtualKeyOf(c);
    if (key)
        deliver(target, WM_KEYDOWN, key, 1);
    if (IsWindow(target))
        deliver(target, WM_CHAR, static_cast<WPARAM>(c), 1);
    if (key && IsWindow(target))
        deliver(target, WM_KEYUP, key, 1);
}

Result itemAction(HWND control, UINT message, int index, const wchar_t* what) {
    if (Tvx_String why = whyNotUsable(control); !why.isEmpty())
        return failed(why);
    if (!SendMessage(control, message, static_cast<WPARAM>(index))) {
        return failed(Tvx_String(what) + L" " + Tvx_String(index) + L" of " + nameOf(control) +
                      L" cannot be chosen");
    }
    pumpMessages();
    return {};
}

}  // namespace

Tvx_String whyNotUsable(HWND window) {
    if (!findWindow(window))
        return L"the window does not exist";
    if (!IsWindowVisible(window))
        return nameOf(window) + L" is hidden";
    for (HWND h = window; h; h = GetParent(h)) {
        if (!IsWindowEnabled(h)) {
            return h == window ? nameOf(window) + L" is disabled"
                               : nameOf(window) + L" sits in a disabled window";
        }
        if (!findWindow(h)->parent)
            break;
    }
    return {};
}

Result click(HWND control, UINT modifiers) {
    return mouseAt(control, centreOf(control), modifiers, false, false);
}

Result doubleClick(HWND control, UINT modifiers) {
    return mouseAt(control, centreOf(control), modifiers, false, true);
}

Result moveMouse(HWND window, CPoint point) {
    if (Tvx_String why = whyNotUsable(window); !why.isEmpty())
        return failed(why);
    const HWND target = windowAt(window, point);
    if (Tvx_String why = whyNotUsable(target); !why.isEmpty())
        return failed(why);
    pointerTo(target, point, 0, WM_MOUSEMOVE);
    pumpMessages();
    return {};
}

Result clickAt(HWND window, CPoint point, UINT modifiers) {
    return mouseAt(window, point, modifiers, false, false);
}

Result rightClick(HWND control, UINT modifiers) {
    return mouseAt(control, centreOf(control), modifiers, true, false);
}

Result rightClickAt(HWND window, CPoint point, UINT modifiers) {
    return mouseAt(window, point, modifiers, true, false);
}

Result focus(HWND control) {
    if (Tvx_String why = whyNotUsable(control); !why.isEmpty())
        return failed(why);
    SetFocus(control);
    if (isEditLike(control))
        SendMessage(control, EM_SETSEL, 0, -1);
    pumpMessages();
    return {};
}

Result type(HWND control, const Tvx_String& text) {
    if (Tvx_String why = whyNotUsable(control); !why.isEmpty())
        return failed(why);
    const WindowRecord* r = findWindow(control);
    const bool dropDownCombo =
        isClass(control, L"COMBOBOX") && (r->style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST;
    if (isEditLike(control)) {
        if (Result clicked = click(control); !clicked)
            return clicked;
        SendMessage(control, EM_SETSEL, 0, -1);
    } else if (dropDownCombo) {
        SetFocus(control);
        SendMessage(control, CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF));
    } else if (Result clicked = click(control); !clicked) {
        return clicked;
    }
    if (text.isEmpty()) {
        if (dropDownCombo) {
            deliver(control, WM_CHAR, L'\b', 1);
        } else {
            pressKey(control, VK_DELETE);
        }
    }
    for (wchar_t c : text.str()) {
        if (!IsWindow(control))
            break;
        typeCharacter(control, c);
    }
    pumpMessages();
    return {};
}

Result pressKey(HWND window, UINT virtualKey, UINT modifiers) {
    if (!findWindow(window))
        return failed(L"the window does not exist");
    HeldModifiers held(modifiers);
    const HWND focused = GetFocus();
    const HWND target = (focused && (focused == window || IsChild(window, focused) ||
                                     GetTopLevelWindow(focused) == GetTopLevelWindow(window)))
                            ? focused
                            : window;
    deliver(target, WM_KEYDOWN, virtualKey, 1);
    const HWND afterDown = IsWindow(target) ? target : nullptr;
    if (const wchar_t c = characterOf(virtualKey); c && afterDown) {
        deliver(afterDown, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    if (afterDown && IsWindow(afterDown))
        deliver(afterDown, WM_KEYUP, virtualKey, 1);
    pumpMessages();
    return {};
}

Result pickItem(HWND control, int index) {
    return itemAction(control, UIM_CLICKITEM, index, L"item");
}

Result pickItem(HWND control, const Tvx_String& text) {
    const WindowRecord* r = findWindow(control);
    if (!r)
        return failed(L"the window does not exist");
    const auto& items = r->control.items;
    const auto it = std::find_if(items.begin(), items.end(),
                                 [&](const ListEntry& e) { return e.text.equal(text, false); });
    if (it == items.end())
        return failed(nameOf(control) + L" has no item '" + text + L"'");
    return pickItem(control, static_cast<int>(it - items.begin()));
}

Result doubleClickItem(HWND control, int index) {
    return itemAction(control, UIM_DOUBLECLICKITEM, index, L"item");
}

Result toggleItemCheck(HWND control, int index) {
    return itemAction(control, UIM_TOGGLEITEMCHECK, index, L"the check box of item");
}

Result resize(HWND window, int width, int height) {
    if (Tvx_String why = whyNotUsable(window); !why.isEmpty())
        return failed(why);
    MINMAXINFO limits;
    limits.ptMaxTrackSize = POINT{32767, 32767};
    SendMessage(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    width = std::clamp(width, limits.ptMinTrackSize.x, limits.ptMaxTrackSize.x);
    height = std::clamp(height, limits.ptMinTrackSize.y, limits.ptMaxTrackSize.y);
    CRect rect;
    GetWindowRect(window, &rect);
    RECT sizing{rect.left, rect.top, rect.left + width, rect.top + height};
    SendMessage(window, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&sizing));
    SetWindowPos(window, nullptr, 0, 0, sizing.right - sizing.left, sizing.bottom - sizing.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pumpMessages();
    return {};
}

Result close(HWND window) {
    if (!findWindow(window))
        return failed(L"the window does not exist");
    SendMessage(window, WM_CLOSE);
    pumpMessages();
    return {};
}

}  // namespace ui::input

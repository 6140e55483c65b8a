// Window text, visibility, enabling, focus, activation, capture and the
// keyboard state of scripted input.
#include <algorithm>
#include <cwchar>
#include <set>
#include <string>

#include "platform/ui/KeyboardState.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WindowTree.h"

BOOL SetWindowText(HWND hwnd, const Tvx_String& text) {
    if (!ui::findWindow(hwnd))
        return FALSE;
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) ? TRUE : FALSE;
}

int GetWindowText(HWND hwnd, LPWSTR buffer, int maxCount) {
    if (!buffer || maxCount <= 0 || !ui::findWindow(hwnd))
        return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                        reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLength(HWND hwnd) {
    if (!ui::findWindow(hwnd))
        return 0;
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH));
}

Tvx_String GetWindowString(HWND hwnd) {
    const int length = GetWindowTextLength(hwnd);
    if (length <= 0)
        return {};
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowText(hwnd, buffer.data(), length + 1);
    buffer.resize(static_cast<size_t>(std::max(copied, 0)));
    return Tvx_String(std::move(buffer));
}

BOOL EnableWindow(HWND hwnd, BOOL enable) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return FALSE;
    const bool wasDisabled = (r->style & WS_DISABLED) != 0;
    if (wasDisabled == !enable)
        return wasDisabled ? TRUE : FALSE;
    if (enable) {
        r->style &= ~WS_DISABLED;
    } else {
        r->style |= WS_DISABLED;
    }
    InvalidateRect(hwnd, nullptr, TRUE);
    SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE);
    return wasDisabled ? TRUE : FALSE;
}

BOOL IsWindowEnabled(HWND hwnd) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    return r && !(r->style & WS_DISABLED) ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hwnd, int cmd) {
    ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return FALSE;
    const bool wasVisible = (r->style & WS_VISIBLE) != 0;
    const bool show = cmd != SW_HIDE;
    if (show != wasVisible) {
        if (show) {
            r->style |= WS_VISIBLE;
        } else {
            r->style &= ~WS_VISIBLE;
        }
        SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE);
        if (ui::WindowRecord* parent = ui::findWindow(r->parent)) {
            parent->needsPaint = parent->redraw;
            parent->needsErase = parent->redraw;
        }
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    const bool activates =
        cmd != SW_HIDE && cmd != SW_SHOWNA && cmd != SW_SHOWNOACTIVATE && cmd != SW_SHOWMINNOACTIVE;
    if (ui::findWindow(hwnd) && !r->parent && activates)
        SetActiveWindow(hwnd);
    return wasVisible ? TRUE : FALSE;
}

BOOL IsWindowVisible(HWND hwnd) {
    const ui::WindowRecord* r = ui::findWindow(hwnd);
    if (!r)
        return FALSE;
    for (; r; r = ui::findWindow(r->parent)) {
        if (!(r->style & WS_VISIBLE))
            return FALSE;
    }
    return TRUE;
}

HWND SetFocus(HWND hwnd) {
    ui::WindowTree& tree = ui::WindowTree::instance();
    const HWND old = tree.focus();
    if (hwnd) {
        const ui::WindowRecord* r = ui::findWindow(hwnd);
        if (!r || r->destroying || (r->style & WS_DISABLED))
            return nullptr;
    }
    if (old == hwnd)
        return old;
    tree.setFocusHandle(hwnd);
    if (ui::findWindow(old))
        SendMessage(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd));
    // A kill-focus handler may have moved the focus elsewhere; then that stands.
    if (tree.focus() == hwnd && ui::findWindow(hwnd)) {
        if (HWND top = GetTopLevelWindow(hwnd))
            tree.setActiveWindow(top);
        SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old));
    }
    return old;
}

HWND GetFocus() {
    return ui::WindowTree::instance().focus();
}

HWND GetActiveWindow() {
    return ui::WindowTree::instance().activeWindow();
}

HWND SetActiveWindow(HWND hwnd) {
    ui::WindowTree& tree = ui::WindowTree::instance();
    const HWND old = tree.activeWindow();
    const HWND top = GetTopLevelWindow(hwnd);
    if (!top)
        return nullptr;
    tree.setActiveWindow(top);
    return old;
}

HWND SetCapture(HWND hwnd) {
    ui::WindowTree& tree = ui::WindowTree::instance();
    const HWND old = tree.capture();
    if (!ui::findWindow(hwnd))
        return nullptr;
    tree.setCapture(hwnd);
    return old;
}

BOOL ReleaseCapture() {
    ui::WindowTree::instance().setCapture(nullptr);
    return TRUE;
}

HWND GetCapture() {
    return ui::WindowTree::instance().capture();
}

namespace ui {

namespace {
std::set<int>& keysDown() {
    static auto* keys = new std::set<int>;  // see WindowTree
    return *keys;
}
}  // namespace

void setKeyDown(int virtualKey, bool down) {
    if (down) {
        keysDown().insert(virtualKey);
    } else {
        keysDown().erase(virtualKey);
    }
}

bool isKeyDown(int virtualKey) {
    return keysDown().count(virtualKey) != 0;
}

}  // namespace ui

short GetKeyState(int virtualKey) {
    return ui::isKeyDown(virtualKey) ? static_cast<short>(0x8000) : static_cast<short>(0);
}

short GetAsyncKeyState(int virtualKey) {
    return GetKeyState(virtualKey);
}

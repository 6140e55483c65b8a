// What a user does with mouse and keyboard, delivered the way the platform
// delivers it: keyboard and mouse messages pass through the message loop's
// PreTranslateMessage chain (so dialog keys work and dialogs can intercept),
// a control is clicked at its centre, and each action produces exactly the
// messages and notifications the real action produces.
//
// An action fails (and does nothing) when its target is unknown, hidden, or
// disabled (itself or any window it sits in); the result then says why. Modifier
// keys (MK_SHIFT, MK_CONTROL) are held down for the duration of the action, so
// GetKeyState sees them. After each action the message loop runs once.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/WinTypes.h"

namespace ui::input {

struct Result {
    bool ok = true;
    Tvx_String failure;  // why it failed, e.g. "control 1000 is disabled"
    explicit operator bool() const { return ok; }
};

// Left click at the centre of a control (press and release).
Result click(HWND control, UINT modifiers = 0);
Result doubleClick(HWND control, UINT modifiers = 0);
// Left click at a point of a window's client area; the message goes to the
// deepest visible child under the point (or the window itself).
Result clickAt(HWND window, CPoint point, UINT modifiers = 0);
// The pointer moves to a point of a window's client area without a button
// pressed: the deepest visible window under it gets WM_SETCURSOR and
// WM_MOUSEMOVE, and GetCursorPos tells the point on the screen.
Result moveMouse(HWND window, CPoint point);
// Right click at the centre of a control (press, release, WM_CONTEXTMENU).
Result rightClick(HWND control, UINT modifiers = 0);
// Right click at a point of a window's client area.
Result rightClickAt(HWND window, CPoint point, UINT modifiers = 0);
// Replaces the text of an edit (or a drop-down combo box's edit) by typing:
// the user clicks into it, selects all and types each character (WM_CHAR; a
// line break as the Enter key); an empty text deletes the selection. For other
// controls the characters are typed into the control after a click.
Result type(HWND control, const Tvx_String& text);
// Presses and releases a key on the focus window (or `window` when nothing
// inside it has the focus): WM_KEYDOWN, WM_CHAR for keys that make one
// (Enter, Escape, Tab, Backspace, Space), WM_KEYUP.
Result pressKey(HWND window, UINT virtualKey, UINT modifiers = 0);
// Picks item `index` of a combo box, list box, tab control or list view.
Result pickItem(HWND control, int index);
// Picks the item whose text equals `text` (letter case ignored).
Result pickItem(HWND control, const Tvx_String& text);
Result doubleClickItem(HWND control, int index);
// Clicks the check box of an item of a check-list box or list view.
Result toggleItemCheck(HWND control, int index);
// Gives a control the focus as clicking or tabbing to it would.
Result focus(HWND control);
// Resizes a top-level window by dragging its border: the new size is kept
// within the window's WM_GETMINMAXINFO limits (WM_SIZING, then WM_SIZE).
Result resize(HWND window, int width, int height);
// The close box of a top-level window (WM_SYSCOMMAND SC_CLOSE, i.e. WM_CLOSE).
Result close(HWND window);

// Why a window cannot take user input; empty when it can.
Tvx_String whyNotUsable(HWND window);

}  // namespace ui::input

// The handle-based functions of the windowing system, under the names the
// dialogs' code uses. CWnd's members call these with their own handle.
//
// Every function accepts any handle: an unknown or destroyed window makes it
// return its failure value (null, FALSE, 0, or -1 where a count or index is
// expected) and change nothing.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/WinMessages.h"
#include "platform/ui/WinStyles.h"
#include "platform/ui/WinTypes.h"

class CWnd;

// --- Creating and destroying (WindowLifecycle.cpp) ---

// Creates a window of a registered class. A child (WS_CHILD) needs a live
// parent and takes `menuOrId` as its control id; for any other window `parent`
// is the owner. Returns null when the class is unknown, a child's parent is
// missing, or WM_CREATE answers -1.
HWND CreateWindowEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menuOrId,
                    HINSTANCE instance = nullptr, void* param = nullptr);
// Sends WM_DESTROY to the window and then destroys its children and the
// windows it owns, then sends WM_NCDESTROY. FALSE for an unknown window or one
// already being destroyed.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// --- Relations (WindowRelations.cpp) ---

HWND GetParent(HWND hwnd);
// Makes `newParent` the parent of a child window; returns the old parent, or
// null when either window is unknown or the new parent is inside the window.
HWND SetParent(HWND hwnd, HWND newParent);
// Sibling walks (GW_HWNDFIRST/LAST/NEXT/PREV), GW_CHILD (the top child) and
// GW_OWNER; null where there is no such window.
HWND GetWindow(HWND hwnd, UINT cmd);
// The first child with the control id; null when none.
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND hwnd);
BOOL IsChild(HWND parent, HWND hwnd);
// The window at the top of the parent chain (the window itself when top-level).
HWND GetTopLevelWindow(HWND hwnd);
// Copies the class name (at most maxCount - 1 characters and a terminating
// zero); returns the number copied, 0 on failure.
int GetClassName(HWND hwnd, LPWSTR buffer, int maxCount);
// GWL_STYLE, GWL_EXSTYLE, GWL_ID, GWLP_USERDATA; 0 for another index.
std::intptr_t GetWindowLong(HWND hwnd, int index);
// Sets one of the values above and returns the old one; setting the style
// sends nothing (as on the platform, call SetWindowPos with SWP_FRAMECHANGED
// or Invalidate to repaint).
std::intptr_t SetWindowLong(HWND hwnd, int index, std::intptr_t value);
std::intptr_t GetWindowLongPtr(HWND hwnd, int index);
std::intptr_t SetWindowLongPtr(HWND hwnd, int index, std::intptr_t value);

// --- Text, visibility, enabling, focus (WindowState.cpp) ---

BOOL SetWindowText(HWND hwnd, const Tvx_String& text);
// Copies at most maxCount - 1 characters and a terminating zero; returns the
// number copied.
int GetWindowText(HWND hwnd, LPWSTR buffer, int maxCount);
int GetWindowTextLength(HWND hwnd);
// The whole text of a window; empty for an unknown window.
Tvx_String GetWindowString(HWND hwnd);
// Returns TRUE when the window was disabled before the call.
BOOL EnableWindow(HWND hwnd, BOOL enable);
// Enabled: the window itself is not disabled (WS_DISABLED clear).
BOOL IsWindowEnabled(HWND hwnd);
// Returns TRUE when the window was visible (WS_VISIBLE) before the call.
BOOL ShowWindow(HWND hwnd, int cmd);
// Visible: the window and every parent up to its top-level window have
// WS_VISIBLE.
BOOL IsWindowVisible(HWND hwnd);
// Moves the keyboard focus (WM_KILLFOCUS to the old window, then WM_SETFOCUS
// to the new) and returns the old focus window. A null window takes the focus
// away. An unknown or disabled window does not take the focus: null is
// returned and nothing changes.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND GetActiveWindow();
// Makes a top-level window the active one; returns the previous one.
HWND SetActiveWindow(HWND hwnd);
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();
// The state of a key during the current scripted input: negative (high bit
// set) while the key is held down, else 0.
short GetKeyState(int virtualKey);
short GetAsyncKeyState(int virtualKey);

// --- Position, size and painting (WindowGeometry.cpp) ---

// Windows have no non-client frame here: the client area is the whole window.
// Child rectangles are in the parent's client coordinates, top-level ones in
// screen coordinates.
BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint = TRUE);
// Moves, sizes, reorders (insertAfter: HWND_TOP, HWND_BOTTOM or a sibling),
// shows or hides as the flags say. Sends WM_MOVE and WM_SIZE when position or
// size change. A negative width or height counts as 0.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL GetWindowRect(HWND hwnd, LPRECT rect);
BOOL GetClientRect(HWND hwnd, LPRECT rect);
BOOL ScreenToClient(HWND hwnd, LPPOINT point);
BOOL ClientToScreen(HWND hwnd, LPPOINT point);

// The mouse pointer, in screen coordinates: where the user's last mouse action
// (a move, a click) left it; (0, 0) before any. FALSE for a null point.
BOOL GetCursorPos(LPPOINT point);
// Puts the pointer at a screen point. Unlike the user's moves it sends no
// message: the windows learn of it with the next mouse action.
BOOL SetCursorPos(int x, int y);
// The topmost visible child containing the client point, the window itself
// when no child does, null when the point is outside.
HWND ChildWindowFromPoint(HWND hwnd, POINT point);
// Marks the window for repainting, with erase also for erasing its background
// (ignored while its redraw is off). The whole window is repainted.
BOOL InvalidateRect(HWND hwnd, LPCRECT rect, BOOL erase);
// When the window is visible and marked: WM_ERASEBKGND first when it is marked
// for erasing (wParam a CDC* of its client area), then WM_PAINT, at once.
// The message loop does this for every marked window.
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, LPCRECT rect, void* region, UINT flags);

// --- Messages (MessageQueue.cpp) ---

// Calls the window's message handling now and returns its answer; 0 for an
// unknown window.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues a message for the message loop; FALSE for an unknown window. A message
// whose window is gone by the time the loop reaches it is dropped.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// --- Dialog items (DialogItems.cpp) ---

BOOL SetDlgItemText(HWND dialog, int id, const Tvx_String& text);
// The text of the item; empty when the item is missing.
Tvx_String GetDlgItemString(HWND dialog, int id);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
// The item's text read as a whole decimal number (leading and trailing blanks
// allowed). *translated is FALSE, and 0 returned, when the text is not such a
// number, is out of range, or the item is missing.
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);
// Checks `checkId` and unchecks every other button with an id in
// [firstId, lastId]; FALSE when a bound or checkId is not a button of the dialog.
BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId);
LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// The next (or previous) visible, enabled control with WS_TABSTOP after
// `control` in tab order, wrapping around; with a null control, the first
// (or last). Null when the dialog has none.
HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous);
// The next (or previous) visible, enabled control of the group (WS_GROUP
// starts a group) that holds `control`, wrapping around within the group.
HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous);

// Where the mouse is over a window, as the rectangle trackers ask for it when
// they choose the cursor: the scripted user (or a test) sets it when it moves
// the mouse over a window.
#pragma once

#include <optional>

#include "platform/ui/Geometry.h"
#include "platform/ui/WinTypes.h"

namespace tracker {

// Records the mouse at point (client coordinates of hwnd); the last position
// recorded for any window replaces the earlier one.
void setMousePosition(HWND hwnd, CPoint point);
// The mouse position over hwnd; nothing when the mouse was last recorded over
// another window, or never.
std::optional<CPoint> mousePosition(HWND hwnd);

}  // namespace tracker

// The group of a dialog control: from the nearest control at or before it with
// WS_GROUP up to the control before the next one with WS_GROUP, in tab order.
#pragma once

#include <vector>

#include "platform/ui/WinTypes.h"

namespace ui {

// Every control of the group holding `control`, visible or not, in tab order;
// empty when the control is unknown or has no parent.
std::vector<HWND> dialogGroupOf(HWND control);

}  // namespace ui

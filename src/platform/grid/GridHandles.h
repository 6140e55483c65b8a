// The grid control of a grid window, found by the window's handle.
#pragma once

#include "platform/grid/GridControl.h"
#include "platform/grid/SSTypes.h"

namespace grid {

// The control of a window of the grid class (also while the window is being
// destroyed); null for any other handle.
GridControl* gridOf(HWND window);

class GridWindow;
// Called by a grid window as it is destroyed, so that gridOf keeps no pointer
// to it; any other pointer (or null) is ignored.
void forgetGridWindow(const GridWindow* window);

}  // namespace grid

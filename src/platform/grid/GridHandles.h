// The grid control of a grid window, found by the window's handle.
#pragma once

#include "platform/grid/GridControl.h"
#include "platform/grid/SSTypes.h"

namespace grid {

// The control of a window of the grid class (also while the window is being
// destroyed); null for any other handle.
GridControl* gridOf(HWND window);

}  // namespace grid

// Which grid control belongs to which window handle: the grid window class
// registers its control when the window is created and removes it when the
// window is destroyed; the SS functions look controls up here.
#pragma once

#include "platform/grid/GridControl.h"
#include "platform/grid/SSTypes.h"

namespace grid {

// False when the handle is null or has a grid already.
bool registerGrid(HWND window, GridControl& control);
void unregisterGrid(HWND window);
// The grid of a window; null for any handle without one.
GridControl* gridOf(HWND window);

}  // namespace grid

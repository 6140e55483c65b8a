// Where things are inside a grid window: the border its appearance draws, the
// scroll bars, and the client area that remains for headers and cells.
#pragma once

#include "platform/grid/GridControl.h"

namespace grid {

// A shown scroll bar is this many pixels wide (vertical) or high (horizontal).
inline constexpr int kScrollBarSize = 17;

// The border's width on each side: 1 flat, 2 three-dimensional, 0 none.
int borderWidth(int appearance);

struct ScrollBarSizes {
    int verticalWidth = 0;     // 0 when the vertical bar is not shown
    int horizontalHeight = 0;  // 0 when the horizontal bar is not shown
};
ScrollBarSizes scrollBarSizes(const GridSettings& settings);

// The window less its border on every side (never negative). The scroll bars
// lie inside the client area.
struct ClientArea {
    int width = 0;
    int height = 0;
};
ClientArea clientArea(const GridControl& grid);

}  // namespace grid

// Where things are inside a grid window: the border its appearance draws, the
// scroll bars, the client area that remains for headers and cells, where each
// cell lies, which cell lies under a point, and scrolling a cell into view.
//
// Layout, in window pixels: the border on every side; inside it the header
// row across the top (when shown) and the header column down the left (when
// shown); the vertical scroll bar along the right and the horizontal one along
// the bottom (when shown); the body cells fill the rest, starting with the
// grid's left column and top row.
#pragma once

#include <optional>
#include <utility>

#include "platform/grid/GridControl.h"

namespace grid {

// Texts keep this many pixels from a cell's left and right edges.
inline constexpr int kCellTextPadding = 2;
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

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct GridGeometry {
    PixelRect inner;        // inside the border
    PixelRect cells;        // where body cells show
    int headerColumnWidth;  // 0 when the header column is hidden
    int headerRowHeight;    // 0 when the header row is hidden
};
GridGeometry gridGeometry(const GridControl& grid);

// The rectangle of a cell (0 for a header) in window pixels, the whole span
// for a span's anchor; it may lie partly or wholly outside what is shown.
PixelRect cellRect(const GridControl& grid, int column, int row);

// The cell under a window point: (c, r) with 0 for headers; nothing for a
// point on the border, a scroll bar or past the last column or row. A point
// inside a span gives the cell under it (not the anchor).
std::optional<std::pair<int, int>> cellAtPoint(const GridControl& grid, int x, int y);

// Scrolls as little as possible so that the body cell is wholly shown (or
// starts at the left or top when it is larger than the cell area).
void scrollIntoView(GridControl& grid, int column, int row);

}  // namespace grid

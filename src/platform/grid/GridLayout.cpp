// The border, scroll bar and client area measures of a grid window.
#include "platform/grid/GridLayout.h"

#include <algorithm>
#include <functional>

namespace grid {

int borderWidth(int appearance) {
    switch (appearance) {
        case kAppearanceFlat:
            return 1;
        case kAppearanceThreeD:
            return 2;
        default:
            return 0;
    }
}

ScrollBarSizes scrollBarSizes(const GridSettings& settings) {
    ScrollBarSizes sizes;
    if (settings.option(kOptionVerticalScrollBar))
        sizes.verticalWidth = kScrollBarSize;
    if (settings.option(kOptionHorizontalScrollBar))
        sizes.horizontalHeight = kScrollBarSize;
    return sizes;
}

ClientArea clientArea(const GridControl& grid) {
    const int border = borderWidth(grid.settings().appearance);
    return {std::max(grid.windowWidth() - 2 * border, 0),
            std::max(grid.windowHeight() - 2 * border, 0)};
}

namespace {

// The offset of a column's (row's) left (top) edge from the first body column
// (row) shown; negative for columns before it.
int offsetOf(int index, int first, const std::function<int(int)>& size) {
    int offset = 0;
    for (int i = first; i < index; ++i)
        offset += size(i);
    for (int i = index; i < first; ++i)
        offset -= size(i);
    return offset;
}

// The body line under a coordinate measured from the first line shown.
std::optional<int> lineAt(int offset, int first, int count, const std::function<int(int)>& size) {
    for (int i = first; i <= count && offset >= 0; ++i) {
        if (offset < size(i))
            return i;
        offset -= size(i);
    }
    return std::nullopt;
}

}  // namespace

GridGeometry gridGeometry(const GridControl& grid) {
    const int border = borderWidth(grid.settings().appearance);
    const ScrollBarSizes bars = scrollBarSizes(grid.settings());
    GridGeometry g;
    g.inner = {border, border, std::max(grid.windowWidth() - border, border),
               std::max(grid.windowHeight() - border, border)};
    g.headerColumnWidth =
        grid.settings().option(kOptionRowHeaders) ? grid.sheet().columnWidth(0) : 0;
    g.headerRowHeight =
        grid.settings().option(kOptionColumnHeaders) ? grid.sheet().rowHeight(0) : 0;
    g.cells = {g.inner.left + g.headerColumnWidth, g.inner.top + g.headerRowHeight,
               std::max(g.inner.right - bars.verticalWidth, g.inner.left + g.headerColumnWidth),
               std::max(g.inner.bottom - bars.horizontalHeight, g.inner.top + g.headerRowHeight)};
    return g;
}

PixelRect cellRect(const GridControl& grid, int column, int row) {
    const Sheet& sheet = grid.sheet();
    const GridGeometry g = gridGeometry(grid);
    const auto width = [&](int c) { return sheet.columnWidth(c); };
    const auto height = [&](int r) { return sheet.rowHeight(r); };
    int columns = 1;
    int rows = 1;
    if (const std::optional<Span> span = sheet.spanAt(column, row);
        span && span->column == column && span->row == row) {
        columns = span->columns;
        rows = span->rows;
    }
    PixelRect rect;
    if (column == 0) {
        rect.left = g.inner.left;
        rect.right = rect.left + g.headerColumnWidth;
    } else {
        rect.left = g.cells.left + offsetOf(column, grid.leftColumn(), width);
        rect.right = rect.left + offsetOf(column + columns, column, width);
    }
    if (row == 0) {
        rect.top = g.inner.top;
        rect.bottom = rect.top + g.headerRowHeight;
    } else {
        rect.top = g.cells.top + offsetOf(row, grid.topRow(), height);
        rect.bottom = rect.top + offsetOf(row + rows, row, height);
    }
    return rect;
}

std::optional<std::pair<int, int>> cellAtPoint(const GridControl& grid, int x, int y) {
    const Sheet& sheet = grid.sheet();
    const GridGeometry g = gridGeometry(grid);
    const auto width = [&](int c) { return sheet.columnWidth(c); };
    const auto height = [&](int r) { return sheet.rowHeight(r); };
    std::optional<int> column;
    std::optional<int> row;
    if (x >= g.inner.left && x < g.cells.left) {
        column = 0;
    } else if (x >= g.cells.left && x < g.cells.right) {
        column = lineAt(x - g.cells.left, grid.leftColumn(), sheet.columnCount(), width);
    }
    if (y >= g.inner.top && y < g.cells.top) {
        row = 0;
    } else if (y >= g.cells.top && y < g.cells.bottom) {
        row = lineAt(y - g.cells.top, grid.topRow(), sheet.rowCount(), height);
    }
    if (!column || !row)
        return std::nullopt;
    return std::pair{*column, *row};
}

void scrollIntoView(GridControl& grid, int column, int row) {
    const Sheet& sheet = grid.sheet();
    const GridGeometry g = gridGeometry(grid);
    const auto width = [&](int c) { return sheet.columnWidth(c); };
    const auto height = [&](int r) { return sheet.rowHeight(r); };
    // The first line to show so that `index` is wholly shown, scrolling as
    // little as possible: walk back from it while the lines still fit.
    auto first = [](int index, int current, int room, const std::function<int(int)>& size) {
        if (index <= current)
            return index;
        int start = index;
        int used = size(index);
        while (start - 1 >= current && used + size(start - 1) <= room)
            used += size(--start);
        return start <= current ? current : start;
    };
    grid.setTopLeft(first(column, grid.leftColumn(), g.cells.right - g.cells.left, width),
                    first(row, grid.topRow(), g.cells.bottom - g.cells.top, height));
}

}  // namespace grid

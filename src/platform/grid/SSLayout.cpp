// The grid library's span, size, font, alignment, border, lock and colour functions.
#include "platform/grid/SSLayout.h"

#include "platform/grid/GridAddress.h"
#include "platform/grid/GridHandles.h"
#include "platform/grid/SSFormatting.h"

using grid::GridControl;

namespace {

constexpr unsigned kEdgeBits[4] = {SS_BORDER_LEFT, SS_BORDER_RIGHT, SS_BORDER_TOP,
                                   SS_BORDER_BOTTOM};
constexpr unsigned kAllBorderBits =
    SS_BORDER_LEFT | SS_BORDER_RIGHT | SS_BORDER_TOP | SS_BORDER_BOTTOM | SS_BORDER_OUTLINE;
constexpr int kLastBorderStyle = static_cast<int>(grid::BorderStyle::DashDotDot);

grid::CellFormat fontPatch(const SS_FONT& font) {
    grid::CellFormat patch;
    patch.font = font;
    return patch;
}

bool isValidFont(const SS_FONT& font) {
    return font.height >= 1 && font.height <= grid::kMaxFontHeight && font.weight >= 1 &&
           font.weight <= 1000;
}

grid::CellFormat colorPatch(COLORREF background, COLORREF foreground) {
    grid::CellFormat patch;
    if (background != SS_COLOR_UNCHANGED)
        patch.background = background & 0xFFFFFF;
    if (foreground != SS_COLOR_UNCHANGED)
        patch.foreground = foreground & 0xFFFFFF;
    return patch;
}

// Gives the block's cells (or, for the outline, the cells along its outer
// edges) the border lines.
BOOL applyBorders(HWND window, const std::optional<grid::Block>& block, unsigned edges, int style,
                  COLORREF color) {
    GridControl* grid = grid::gridOf(window);
    if (!grid || !block || edges == 0 || (edges & ~kAllBorderBits) || style < 0 ||
        style > kLastBorderStyle) {
        return 0;
    }
    const grid::BorderLine line{static_cast<grid::BorderStyle>(style), color & 0xFFFFFF};
    grid::CellFormat inner;
    for (int edge = 0; edge < 4; ++edge) {
        if (edges & kEdgeBits[edge])
            inner.borders[static_cast<size_t>(edge)] = line;
    }
    grid::Sheet& sheet = grid->sheet();
    if (!inner.isEmpty())
        sheet.applyFormat(*block, inner);
    if (edges & SS_BORDER_OUTLINE) {
        auto outline = [&](int edge, grid::Block side) {
            grid::CellFormat patch;
            patch.borders[static_cast<size_t>(edge)] = line;
            sheet.applyFormat(side, patch);
        };
        grid::Block side = *block;
        if (!block->allColumns) {
            side.lastColumn = block->firstColumn;
            outline(grid::kEdgeLeft, side);
            side.firstColumn = side.lastColumn = block->lastColumn;
            outline(grid::kEdgeRight, side);
        }
        side = *block;
        if (!block->allRows) {
            side.lastRow = block->firstRow;
            outline(grid::kEdgeTop, side);
            side.firstRow = side.lastRow = block->lastRow;
            outline(grid::kEdgeBottom, side);
        }
    }
    grid->invalidate();
    return 1;
}

BOOL setLineSize(HWND window, SS_COORD index, int size, bool column) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    grid::Sheet& sheet = grid->sheet();
    const auto line = column ? grid::columnAddress(sheet, index) : grid::rowAddress(sheet, index);
    if (!line || !(column ? sheet.setColumnWidth(*line, size) : sheet.setRowHeight(*line, size))) {
        return 0;
    }
    grid->invalidate();
    return 1;
}

int lineSize(HWND window, SS_COORD index, bool column) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return -1;
    const grid::Sheet& sheet = grid->sheet();
    const auto line = column ? grid::columnAddress(sheet, index) : grid::rowAddress(sheet, index);
    if (!line)
        return -1;
    return column ? sheet.columnWidth(*line) : sheet.rowHeight(*line);
}

}  // namespace

BOOL SSAddCellSpan(HWND window, SS_COORD column, SS_COORD row, SS_COORD columns, SS_COORD rows) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    if (!cell || !grid->sheet().addSpan({cell->first, cell->second, columns, rows}))
        return 0;
    grid->invalidate();
    return 1;
}

BOOL SSRemoveCellSpan(HWND window, SS_COORD column, SS_COORD row) {
    GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    if (!cell || !grid->sheet().removeSpan(cell->first, cell->second))
        return 0;
    grid->invalidate();
    return 1;
}

BOOL SSGetCellSpan(HWND window, SS_COORD column, SS_COORD row, SS_COORD& anchorColumn,
                   SS_COORD& anchorRow, SS_COORD& columns, SS_COORD& rows) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    if (!cell)
        return 0;
    const std::optional<grid::Span> span = grid->sheet().spanAt(cell->first, cell->second);
    if (!span)
        return 0;
    anchorColumn = span->column;
    anchorRow = span->row;
    columns = span->columns;
    rows = span->rows;
    return 1;
}

BOOL SSSetColWidth(HWND window, SS_COORD column, int width) {
    return setLineSize(window, column, width, true);
}

int SSGetColWidth(HWND window, SS_COORD column) {
    return lineSize(window, column, true);
}

BOOL SSSetRowHeight(HWND window, SS_COORD row, int height) {
    return setLineSize(window, row, height, false);
}

int SSGetRowHeight(HWND window, SS_COORD row) {
    return lineSize(window, row, false);
}

BOOL SSSetFont(HWND window, SS_COORD column, SS_COORD row, const SS_FONT& font) {
    return isValidFont(font) && grid::formatCell(window, column, row, fontPatch(font));
}

BOOL SSSetFontRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                    const SS_FONT& font) {
    return isValidFont(font) &&
           grid::formatBlock(window, column, row, column2, row2, fontPatch(font));
}

BOOL SSGetFont(HWND window, SS_COORD column, SS_COORD row, SS_FONT& font) {
    const auto format = grid::resolvedFormatOf(window, column, row);
    if (!format)
        return 0;
    font = format->font;
    return 1;
}

BOOL SSSetAlignment(HWND window, SS_COORD column, SS_COORD row, grid::HorizontalAlign horizontal,
                    grid::VerticalAlign vertical) {
    grid::CellFormat patch;
    patch.alignment = grid::Alignment{horizontal, vertical};
    return grid::formatCell(window, column, row, patch);
}

BOOL SSSetAlignmentRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2,
                         SS_COORD row2, grid::HorizontalAlign horizontal,
                         grid::VerticalAlign vertical) {
    grid::CellFormat patch;
    patch.alignment = grid::Alignment{horizontal, vertical};
    return grid::formatBlock(window, column, row, column2, row2, patch);
}

BOOL SSGetAlignment(HWND window, SS_COORD column, SS_COORD row, grid::HorizontalAlign& horizontal,
                    grid::VerticalAlign& vertical) {
    const auto format = grid::resolvedFormatOf(window, column, row);
    if (!format)
        return 0;
    horizontal = format->alignment.horizontal;
    vertical = format->alignment.vertical;
    return 1;
}

BOOL SSSetBorder(HWND window, SS_COORD column, SS_COORD row, unsigned edges, int style,
                 COLORREF color) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    const auto cell = grid::cellAddress(grid->sheet(), column, row);
    std::optional<grid::Block> block;
    if (cell)
        block = grid::Block::cell(cell->first, cell->second);
    return applyBorders(window, block, edges, style, color);
}

BOOL SSSetBorderRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                      unsigned edges, int style, COLORREF color) {
    const GridControl* grid = grid::gridOf(window);
    if (!grid)
        return 0;
    return applyBorders(window, grid::blockAddress(grid->sheet(), column, row, column2, row2),
                        edges, style, color);
}

BOOL SSGetBorder(HWND window, SS_COORD column, SS_COORD row, unsigned edge, int& style,
                 COLORREF& color) {
    const auto format = grid::resolvedFormatOf(window, column, row);
    if (!format)
        return 0;
    for (int index = 0; index < 4; ++index) {
        if (edge == kEdgeBits[index]) {
            style = static_cast<int>(format->borders[static_cast<size_t>(index)].style);
            color = format->borders[static_cast<size_t>(index)].color;
            return 1;
        }
    }
    return 0;
}

BOOL SSSetLock(HWND window, SS_COORD column, SS_COORD row, BOOL lock) {
    grid::CellFormat patch;
    patch.locked = lock != 0;
    return grid::formatCell(window, column, row, patch);
}

BOOL SSSetLockRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                    BOOL lock) {
    grid::CellFormat patch;
    patch.locked = lock != 0;
    return grid::formatBlock(window, column, row, column2, row2, patch);
}

BOOL SSGetLock(HWND window, SS_COORD column, SS_COORD row, BOOL& locked) {
    const auto format = grid::resolvedFormatOf(window, column, row);
    if (!format)
        return 0;
    locked = format->locked ? 1 : 0;
    return 1;
}

BOOL SSSetColor(HWND window, SS_COORD column, SS_COORD row, COLORREF background,
                COLORREF foreground) {
    const grid::CellFormat patch = colorPatch(background, foreground);
    if (patch.isEmpty())
        return grid::resolvedFormatOf(window, column, row) ? 1 : 0;
    return grid::formatCell(window, column, row, patch);
}

BOOL SSSetColorRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                     COLORREF background, COLORREF foreground) {
    const grid::CellFormat patch = colorPatch(background, foreground);
    if (patch.isEmpty()) {
        const GridControl* grid = grid::gridOf(window);
        return grid && grid::blockAddress(grid->sheet(), column, row, column2, row2) ? 1 : 0;
    }
    return grid::formatBlock(window, column, row, column2, row2, patch);
}

BOOL SSGetColor(HWND window, SS_COORD column, SS_COORD row, COLORREF& background,
                COLORREF& foreground) {
    const auto format = grid::resolvedFormatOf(window, column, row);
    if (!format)
        return 0;
    background = format->background;
    foreground = format->foreground;
    return 1;
}

// Applying format settings to cells and blocks for the SS functions.
#include "platform/grid/SSFormatting.h"

#include "platform/grid/GridAddress.h"
#include "platform/grid/GridHandles.h"

namespace grid {

namespace {

// Finds the grid and the cell, lets `apply(sheet, column, row)` change the
// cell's settings and asks for a repaint when it did.
template <typename Apply>
BOOL changeCell(HWND window, SS_COORD column, SS_COORD row, Apply apply) {
    GridControl* grid = gridOf(window);
    if (!grid)
        return 0;
    const auto cell = cellAddress(grid->sheet(), column, row);
    if (!cell || !apply(grid->sheet(), cell->first, cell->second))
        return 0;
    grid->invalidate();
    return 1;
}

}  // namespace

BOOL formatCell(HWND window, SS_COORD column, SS_COORD row, const CellFormat& patch) {
    return changeCell(window, column, row, [&](Sheet& sheet, int sheetColumn, int sheetRow) {
        return sheet.applyFormat(Block::cell(sheetColumn, sheetRow), patch);
    });
}

BOOL typeCell(HWND window, SS_COORD column, SS_COORD row, const CellType& type) {
    return changeCell(window, column, row, [&](Sheet& sheet, int sheetColumn, int sheetRow) {
        return sheet.applyType(sheetColumn, sheetRow, type);
    });
}

BOOL formatBlock(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                 const CellFormat& patch) {
    GridControl* grid = gridOf(window);
    if (!grid)
        return 0;
    const auto block = blockAddress(grid->sheet(), column, row, column2, row2);
    if (!block || !grid->sheet().applyFormat(*block, patch))
        return 0;
    grid->invalidate();
    return 1;
}

std::optional<ResolvedFormat> resolvedFormatOf(HWND window, SS_COORD column, SS_COORD row) {
    const GridControl* grid = gridOf(window);
    if (!grid)
        return std::nullopt;
    const auto cell = cellAddress(grid->sheet(), column, row);
    if (!cell)
        return std::nullopt;
    return grid->sheet().resolvedFormat(cell->first, cell->second);
}

}  // namespace grid

// Applying format settings to cells and blocks for the SS functions.
#include "platform/grid/SSFormatting.h"

#include "platform/grid/GridAddress.h"
#include "platform/grid/GridHandles.h"

namespace grid {

BOOL formatCell(HWND window, SS_COORD column, SS_COORD row, const CellFormat& patch) {
    GridControl* grid = gridOf(window);
    if (!grid)
        return 0;
    const auto cell = cellAddress(grid->sheet(), column, row);
    if (!cell || !grid->sheet().applyFormat(Block::cell(cell->first, cell->second), patch))
        return 0;
    grid->invalidate();
    return 1;
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

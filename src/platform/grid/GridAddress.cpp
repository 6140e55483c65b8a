// Coordinate conversion and checking for the SS functions.
#include "platform/grid/GridAddress.h"

#include <algorithm>

namespace grid {

std::optional<Block> blockAddress(const Sheet& sheet, SS_COORD column, SS_COORD row,
                                  SS_COORD column2, SS_COORD row2) {
    Block block;
    block.allColumns = column == SS_ALL || column2 == SS_ALL;
    block.allRows = row == SS_ALL || row2 == SS_ALL;
    if (!block.allColumns) {
        block.firstColumn = std::min(column, column2);
        block.lastColumn = std::max(column, column2);
    }
    if (!block.allRows) {
        block.firstRow = std::min(row, row2);
        block.lastRow = std::max(row, row2);
    }
    if (!sheet.contains(block))
        return std::nullopt;
    return block;
}

}  // namespace grid

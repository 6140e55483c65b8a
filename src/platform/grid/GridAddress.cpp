// Coordinate conversion and checking for the SS functions.
#include "platform/grid/GridAddress.h"

#include <algorithm>

namespace grid {
namespace {

std::optional<int> lineAddress(SS_COORD index, int count) {
    if (index == SS_HEADER)
        return 0;
    if (index < 0 || index > count)
        return std::nullopt;
    return index;
}

}  // namespace

std::optional<int> columnAddress(const Sheet& sheet, SS_COORD column) {
    return lineAddress(column, sheet.columnCount());
}

std::optional<int> rowAddress(const Sheet& sheet, SS_COORD row) {
    return lineAddress(row, sheet.rowCount());
}

std::optional<std::pair<int, int>> cellAddress(const Sheet& sheet, SS_COORD column, SS_COORD row) {
    const std::optional<int> c = columnAddress(sheet, column);
    const std::optional<int> r = rowAddress(sheet, row);
    if (!c || !r)
        return std::nullopt;
    return std::pair{*c, *r};
}

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

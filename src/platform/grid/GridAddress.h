// Turns the coordinates of the SS functions (1-based, 0 and -32767 for the
// headers and "all") into the sheet model's, checking them against the sheet.
#pragma once

#include <optional>
#include <utility>

#include "platform/grid/SSTypes.h"
#include "platform/grid/Sheet.h"

namespace grid {

// A column or row index checked against the count of its lines: 0 and
// -32767 are the header line; nothing outside 0..count.
inline std::optional<int> lineAddress(SS_COORD index, int count) {
    if (index == SS_HEADER)
        return 0;
    if (index < 0 || index > count)
        return std::nullopt;
    return index;
}
// A single column (row): 0 and -32767 are the header column (row).
inline std::optional<int> columnAddress(const Sheet& sheet, SS_COORD column) {
    return lineAddress(column, sheet.columnCount());
}
inline std::optional<int> rowAddress(const Sheet& sheet, SS_COORD row) {
    return lineAddress(row, sheet.rowCount());
}
// A single cell: 0 and -32767 are the header; nothing outside the sheet. (Read
// for every cell a library function touches, so kept inline.)
inline std::optional<std::pair<int, int>> cellAddress(const Sheet& sheet, SS_COORD column,
                                                      SS_COORD row) {
    const std::optional<int> c = columnAddress(sheet, column);
    const std::optional<int> r = rowAddress(sheet, row);
    if (!c || !r)
        return std::nullopt;
    return std::pair{*c, *r};
}
// A block: -32767 in either end of a dimension means all of it; 0 the header;
// the ends are put in order; nothing when an end lies outside the sheet.
std::optional<Block> blockAddress(const Sheet& sheet, SS_COORD column, SS_COORD row,
                                  SS_COORD column2, SS_COORD row2);

}  // namespace grid

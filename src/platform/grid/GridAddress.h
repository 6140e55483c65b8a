// Turns the coordinates of the SS functions (1-based, 0 and -32767 for the
// headers and "all") into the sheet model's, checking them against the sheet.
#pragma once

#include <optional>
#include <utility>

#include "platform/grid/SSTypes.h"
#include "platform/grid/Sheet.h"

namespace grid {

// A single cell: 0 and -32767 are the header; nothing outside the sheet.
std::optional<std::pair<int, int>> cellAddress(const Sheet& sheet, SS_COORD column, SS_COORD row);
// A single column (row): 0 and -32767 are the header column (row).
std::optional<int> columnAddress(const Sheet& sheet, SS_COORD column);
std::optional<int> rowAddress(const Sheet& sheet, SS_COORD row);
// A block: -32767 in either end of a dimension means all of it; 0 the header;
// the ends are put in order; nothing when an end lies outside the sheet.
std::optional<Block> blockAddress(const Sheet& sheet, SS_COORD column, SS_COORD row,
                                  SS_COORD column2, SS_COORD row2);

}  // namespace grid

// The one path by which the SS functions give cells a format setting, and
// read a cell's resolved settings.
#pragma once

#include <optional>

#include "platform/grid/CellFormat.h"
#include "platform/grid/SSTypes.h"

namespace grid {

// Applies the settings to one cell (0 and -32767 the header) or a block
// (-32767 all); 0 for an unknown handle or coordinates outside the sheet.
BOOL formatCell(HWND window, SS_COORD column, SS_COORD row, const CellFormat& patch);
BOOL formatBlock(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                 const CellFormat& patch);
// formatCell with a patch holding only the type, without building the patch.
BOOL typeCell(HWND window, SS_COORD column, SS_COORD row, const CellType& type);
// What the cell finally shows; nothing for an unknown handle or a cell outside.
std::optional<ResolvedFormat> resolvedFormatOf(HWND window, SS_COORD column, SS_COORD row);

}  // namespace grid

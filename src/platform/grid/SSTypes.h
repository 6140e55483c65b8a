// The types of the grid library's interface: window handles, status values,
// colours, coordinates and the records that describe cell types, fonts and
// text tips.
//
// Conventions of every SS function:
// - the grid window's handle comes first; an unknown handle makes the
//   function return its failure value and change nothing;
// - columns and rows count from 1; 0 and -32767 (SS_HEADER) address the header
//   column (as a column) or the header row (as a row), and (0, 0) the corner
//   cell; in a block (col, row, col2, row2), -32767 in col or col2 (row or
//   row2) means every column (row) of the body, present and future, while 0
//   still names the header; a block's ends may come in either order;
// - a coordinate outside the sheet makes the function fail and change nothing;
// - status results are non-zero (1) on success and 0 on failure; functions
//   that return a count, size, length or code return -1 on failure.
#pragma once

#include <cstdint>

#include "platform/grid/CellFormat.h"
#include "platform/grid/CellType.h"
#include "platform/grid/GridSettings.h"

// The same declarations as the windowing system's, so both headers may meet.
struct HWND__;
using HWND = HWND__*;
using BOOL = int;
using COLORREF = std::uint32_t;

using SS_COORD = int;
inline constexpr SS_COORD SS_HEADER = -32767;
inline constexpr SS_COORD SS_ALL = -32767;

// A colour argument that leaves the colour as it is.
inline constexpr COLORREF SS_COLOR_UNCHANGED = 0xFFFFFFFF;

using SS_CELLTYPE = grid::CellType;
using SS_FONT = grid::CellFont;
using SS_TEXTTIP = grid::TextTip;

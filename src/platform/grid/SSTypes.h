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
#include "platform/ui/WinTypes.h"

using SS_COORD = int;
inline constexpr SS_COORD SS_HEADER = -32767;
inline constexpr SS_COORD SS_ALL = -32767;

// A colour argument that leaves the colour as it is.
inline constexpr COLORREF SS_COLOR_UNCHANGED = 0xFFFFFFFF;

// What comes with a grid notification (WM_NOTIFY; the codes are in
// GridEvents.h): hdr.code is the code, hdr.idFrom the grid's control id.
struct SS_CELLNOTIFY {
    NMHDR hdr;
    int column = 0;
    int row = 0;
    int newColumn = 0;  // leaving a cell: the cell entered
    int newRow = 0;
    BOOL changed = 0;  // end of an edit: whether the cell took a new value
    int x = 0;         // right click: the pointer in client pixels
    int y = 0;
};

using SS_CELLTYPE = grid::CellType;
using SS_FONT = grid::CellFont;
using SS_TEXTTIP = grid::TextTip;

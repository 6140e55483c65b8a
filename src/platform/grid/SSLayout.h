// The grid library's layout functions: spans, column widths and row heights,
// fonts, alignment, borders, locks and colours, for one cell or a block.
// Conventions (handles, coordinates, results): SSTypes.h. Widths, heights and
// font heights are in pixels. The single-cell forms address the header with 0
// or -32767; the block forms take -32767 as "all" (SSTypes.h).
#pragma once

#include "platform/grid/SSTypes.h"

// A span of `columns` by `rows` cells anchored at (column, row), shown as one
// cell. Refused when it covers fewer than two cells, leaves the sheet, mixes
// header and body cells, or overlaps another span.
BOOL SSAddCellSpan(HWND window, SS_COORD column, SS_COORD row, SS_COORD columns, SS_COORD rows);
// Removes the span containing the cell; 0 when there is none.
BOOL SSRemoveCellSpan(HWND window, SS_COORD column, SS_COORD row);
// Non-zero when the cell lies in a span, with the span's anchor and size.
BOOL SSGetCellSpan(HWND window, SS_COORD column, SS_COORD row, SS_COORD& anchorColumn,
                   SS_COORD& anchorRow, SS_COORD& columns, SS_COORD& rows);

// Width of a column (0 or -32767: the header column), height of a row (0 or
// -32767: the header row); 0..10000 pixels. The getters return -1 on failure.
BOOL SSSetColWidth(HWND window, SS_COORD column, int width);
int SSGetColWidth(HWND window, SS_COORD column);
BOOL SSSetRowHeight(HWND window, SS_COORD row, int height);
int SSGetRowHeight(HWND window, SS_COORD row);

// Font: a face name, a height of 1..1000 and a weight of 1..1000 (400 normal,
// 700 bold).
BOOL SSSetFont(HWND window, SS_COORD column, SS_COORD row, const SS_FONT& font);
BOOL SSSetFontRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                    const SS_FONT& font);
BOOL SSGetFont(HWND window, SS_COORD column, SS_COORD row, SS_FONT& font);

BOOL SSSetAlignment(HWND window, SS_COORD column, SS_COORD row, grid::HorizontalAlign horizontal,
                    grid::VerticalAlign vertical);
BOOL SSSetAlignmentRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2,
                         SS_COORD row2, grid::HorizontalAlign horizontal,
                         grid::VerticalAlign vertical);
BOOL SSGetAlignment(HWND window, SS_COORD column, SS_COORD row, grid::HorizontalAlign& horizontal,
                    grid::VerticalAlign& vertical);

// Border edges (bits, combined): each cell's left, right, top or bottom edge,
// or the outline of the block (the outer edges only; a dimension that is "all"
// has no outer edges in that direction).
inline constexpr unsigned SS_BORDER_LEFT = 1;
inline constexpr unsigned SS_BORDER_RIGHT = 2;
inline constexpr unsigned SS_BORDER_TOP = 4;
inline constexpr unsigned SS_BORDER_BOTTOM = 8;
inline constexpr unsigned SS_BORDER_OUTLINE = 16;
// Style 0 none (removes the edge), 1 solid, 2 dashed, 3 dotted, 4 double,
// 5 dash-dot, 6 dash-dot-dot.
// Refused for other styles, no edge bits, or bits beyond these.
BOOL SSSetBorder(HWND window, SS_COORD column, SS_COORD row, unsigned edges, int style,
                 COLORREF color);
BOOL SSSetBorderRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                      unsigned edges, int style, COLORREF color);
// One edge (SS_BORDER_LEFT, RIGHT, TOP or BOTTOM) of a cell.
BOOL SSGetBorder(HWND window, SS_COORD column, SS_COORD row, unsigned edge, int& style,
                 COLORREF& color);

// Locked cells refuse the user's typing, pasting, clearing and clicks; the
// library functions still write them.
BOOL SSSetLock(HWND window, SS_COORD column, SS_COORD row, BOOL lock);
BOOL SSSetLockRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                    BOOL lock);
BOOL SSGetLock(HWND window, SS_COORD column, SS_COORD row, BOOL& locked);

// Background and text colour; SS_COLOR_UNCHANGED leaves one as it is.
BOOL SSSetColor(HWND window, SS_COORD column, SS_COORD row, COLORREF background,
                COLORREF foreground);
BOOL SSSetColorRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                     COLORREF background, COLORREF foreground);
BOOL SSGetColor(HWND window, SS_COORD column, SS_COORD row, COLORREF& background,
                COLORREF& foreground);

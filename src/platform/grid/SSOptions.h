// The grid library's window settings: boolean options by index, appearance,
// selection colours, back colour style, action keys, reset, text tips, scroll
// bar sizes and the client area. Conventions: SSTypes.h; the option indices
// and the meaning of each setting: GridSettings.h.
#pragma once

#include "platform/grid/SSTypes.h"

// Sets an option by index (GridSettings.h; 30 is the change flag); 0 for an
// index not in the table. SSGetBool reads it (0 for an unknown index too).
BOOL SSSetBool(HWND window, int index, BOOL value);
BOOL SSGetBool(HWND window, int index);

// 0 flat, 1 three-dimensional, 2 no border; others refused.
BOOL SSSetAppearance(HWND window, int appearance);
int SSGetAppearance(HWND window);
// The colours of the selected block; SS_COLOR_UNCHANGED leaves one as it is.
BOOL SSSetSelColor(HWND window, COLORREF background, COLORREF foreground);
BOOL SSGetSelColor(HWND window, COLORREF& background, COLORREF& foreground);
// The grid lines between body cells: a combination of the bits of
// GridSettings.h (1 horizontal, 2 vertical, 4 solid); other bits refused.
BOOL SSSetGridType(HWND window, int type);
int SSGetGridType(HWND window);
// The colour of the grid lines.
BOOL SSSetGridColor(HWND window, COLORREF color);
BOOL SSGetGridColor(HWND window, COLORREF& color);
// 0..3 (GridSettings.h); others refused.
BOOL SSSetBackColorStyle(HWND window, int style);
int SSGetBackColorStyle(HWND window);
// The key of action 0 (clear), 1 (edit) or 2 (activate); a key of 0 leaves the
// action without a key. Refused for another action or a key outside 0..255.
BOOL SSSetActionKey(HWND window, int action, BOOL shift, BOOL control, int virtualKey);
BOOL SSGetActionKey(HWND window, int action, BOOL& shift, BOOL& control, int& virtualKey);

// Back to a fresh grid: 26 columns and 100 rows, no cells, default settings.
BOOL SSReset(HWND window);

// Text tips: mode 0 off, 1 over the cell, 2 next to the pointer; delay
// 0..10000 ms; font; colours. A setting out of range is refused.
BOOL SSGetTextTip(HWND window, SS_TEXTTIP& tip);
BOOL SSSetTextTip(HWND window, const SS_TEXTTIP& tip);

// The width of the vertical and the height of the horizontal scroll bar (0 for
// a bar that is not shown).
BOOL SSGetScrollBarSize(HWND window, int& verticalWidth, int& horizontalHeight);
// The window's size less its border: the area the headers, cells and scroll
// bars share.
BOOL SSGetClientArea(HWND window, int& width, int& height);

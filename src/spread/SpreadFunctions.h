// Operations over any grid window (TSpread), for dialogs that hold a grid
// without the comforts of Tvx_Spread: block fonts and cell types, the
// column-width layouts and reading a cell's text by kind. Each returns false
// (changing nothing) when the grid has no window or a column, row or block
// lies outside the sheet.
#pragma once

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "spread/TSpread.h"

namespace spread {

// The longest text of the text cell type setBlockTextType gives.
inline constexpr int kBlockTextLength = 100;

// Font of a block (-32767 for all columns or rows): face, height in pixels,
// weight 700 when bold else 400; with textTip the grid's text tips take it too.
bool setBlockFont(TSpread& sheet, int column, int row, int column2, int row2,
                  const Tvx_String& face, int height, bool bold, bool textTip = false);
// A text cell type of at most 100 characters on a block.
bool setBlockTextType(TSpread& sheet, int column, int row, int column2, int row2);
// A combo-box cell type on rows 1 to the row count of a column; items holds
// the entries separated by tab characters. editable lets any text be typed.
bool setColumnComboType(TSpread& sheet, int column, const Tvx_String& items, bool editable = false);

// The width the layouts share: the client area less the vertical scroll bar.
int layoutClientWidth(const TSpread& sheet);
// Layout 1: all columns equally wide, the shown header column counting as one.
bool layoutEqualColumns(TSpread& sheet);
// Layout 3: column (negative: from the right) gets percent of the width.
bool layoutPercentColumn(TSpread& sheet, int column, int percent);
// Layout 4: column gets a fixed width.
bool layoutFixedColumn(TSpread& sheet, int column, int width);
// Layout 5: the listed columns get the listed widths.
bool layoutListedColumns(TSpread& sheet, const Tvx_IntArray& columns, const Tvx_IntArray& widths);

// A cell's text by kind (Tvx_Spread::TextKind: 0 display, 1 formula, 2 tag,
// 3 value);
// false, with text empty, outside the sheet or for another kind.
bool getCellText(const TSpread& sheet, int column, int row, Tvx_String& text, int kind);

}  // namespace spread

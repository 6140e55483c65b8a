// How a cell of a given type turns its value into text and text into its value.
//
// Value text (SSGetValue) and display text (SSGetData):
// - an empty cell has the empty text, except a check box, whose text is "0";
// - a number in a number cell has the cell's decimals, rounded half away from
//   zero; in any other cell (check boxes aside) the general format (up to 15
//   significant digits, no trailing zeros);
// - a check box shows "1" when its value is the number 1 or the text "1", else "0";
// - a logical shows "TRUE" or "FALSE", an error value its text ("#DIV/0!");
// - the display text differs from the value text only in two ways: a number
//   cell with a thousands separator groups the whole part ("1,234.50"), and a
//   password text cell shows one "*" per character.
//
// Text written into a cell (by SSSetData "as typed", or by SSSetValue "as value"):
// - the empty text empties the cell (for every type);
// - a cell without type keeps text as typed; read as a value, a text that is a
//   number (sign, digits, point, exponent, no blanks) becomes that number;
// - a number cell takes a number (blanks at both ends allowed, and commas
//   when the cell has a thousands separator); it is rounded to the cell's
//   decimals (a cell with 0 decimals cuts the fraction off towards zero, as a
//   whole-number field does) and refused when outside the cell's range or
//   when the text is not a number;
// - a check box takes "1" or "0" only;
// - a text cell turns letters to upper or lower case as its style says and
//   refuses a text longer than its maximum length;
// - a combo box that is not editable takes only one of its items;
// - static text, button and picture cells keep any text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/grid/CellType.h"
#include "platform/grid/CellValue.h"

namespace grid {

enum class TextReading { AsTyped, AsValue };

std::wstring valueText(const CellType& type, const CellValue& value);
// The value text written over `out`, whose room is kept for the next text.
void writeValueText(const CellType& type, const CellValue& value, std::wstring& out);
std::wstring displayText(const CellType& type, const CellValue& value);

// The value a text becomes in a cell of this type; nothing when the type refuses it.
std::optional<CellValue> readCellText(const CellType& type, std::wstring_view text,
                                      TextReading reading);
// The value a number becomes in a cell of this type: number cells round and
// check the range as for text, a check box takes 1 for any number but 0, text
// kinds take the number's general-format text. Not-finite numbers are refused.
std::optional<CellValue> readCellNumber(const CellType& type, double number);

// True when the whole text is a number literal: optional sign, digits with an
// optional fraction (or a fraction alone), optional exponent; no blanks.
bool isNumberLiteral(std::wstring_view text);

}  // namespace grid

// The cell types and formulas the standards engine gives the cells of its
// sheets, each written once over the sheet window's library interface.
#pragma once

#include "platform/core/Tvx_String.h"

class Tvx_Spread;

// Number cells of variables: whole numbers and doubles.
inline constexpr int kIntDecimals = 0;
inline constexpr int kDoubleDecimals = 7;
// Text cells of String variables, and of equations whose target is a String
// (word wrap and ellipsis).
inline constexpr int kStringMaxLength = 9999;
inline constexpr int kEquationTextMaxLength = 200;
inline constexpr unsigned kEquationTextStyle = 0x110000;

// Gives the cell a number type with `decimals` decimals, the range
// -99999999999999 to 99999999999999 and no thousands separator. False outside
// the sheet.
bool setNumberCellType(Tvx_Spread& sheet, int column, int row, int decimals);
// Gives the cell a text type of at most maxLength characters with the grid's
// text style bits. False outside the sheet.
bool setTextCellType(Tvx_Spread& sheet, int column, int row, int maxLength, unsigned style);

// Sets the cell's formula (without "=") and computes that cell (after any
// stale formulas it uses), whatever automatic recalculation says; other
// formulas are not computed again. False when the grid refuses the formula.
bool setCellFormula(Tvx_Spread& sheet, int column, int row, const Tvx_String& formula);
// True when the cell holds an error value (a formula that failed).
bool cellHoldsError(Tvx_Spread& sheet, int column, int row);

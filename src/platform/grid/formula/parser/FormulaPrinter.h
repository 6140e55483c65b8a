// Prints a parsed formula back as text, in the A1 or the R1C1 style.
//
// The text is the formula's canonical form: no blanks, function names in upper
// case, "," between arguments, parentheses where they were written, numbers in
// their shortest exact form (".5" prints as "0.5", "1E3" as "1000"). Parsing the
// printed text for the same cell in the same style gives the same formula.
// A reference that names no cell of the A1 style (a row or column below 1,
// reached through a relative R1C1 reference) prints as #REF!. A formula too deep
// to evaluate prints as the text it was parsed from.
#pragma once

#include <string>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/parser/Formula.h"

namespace formula {

// The text of `formula`, which belongs to the cell (column, row).
std::wstring printFormula(const Formula& formula, int column, int row, ReferenceStyle style);

// A number as a formula writes it: the shortest text that reads back as the
// same double, with an upper-case exponent ("0.1", "1E+20", "1.5E-07").
std::wstring numberLiteral(double value);

}  // namespace formula

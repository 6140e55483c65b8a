// Parses formula text into its compact form.
//
// Grammar (lowest precedence first; binary operators are left-associative,
// so 2^3^2 is 64 and 1<2<3 compares TRUE with 3):
//
//   formula     := comparison END
//   comparison  := concat   (("=" | "<>" | "<" | ">" | "<=" | ">=") concat)*
//   concat      := additive ("&" additive)*
//   additive    := term     (("+" | "-") term)*
//   term        := power    (("*" | "/") power)*
//   power       := unary    ("^" unary)*
//   unary       := ("-" | "+")* postfix        -- so -2^2 is 4
//   postfix     := primary "%"*
//   primary     := NUMBER | TEXT | ERROR | TRUE | FALSE
//                | REFERENCE [":" REFERENCE]
//                | NAME "(" [comparison (("," | ";") comparison)*] ")"
//                | "(" comparison ")"
//                | NAME                          -- evaluates to #NAME?
//
// The text carries no leading "=". Function names may be written in any letter
// case; a built-in function called with too few or too many arguments is
// refused here, a name that is no built-in becomes a call of a custom function
// looked up when the formula is evaluated.
//
// Limits: text longer than kMaxFormulaLength characters is refused; a formula
// whose tree is deeper than kMaxNestingDepth (counting every operator, function
// call and pair of parentheses on the way from the top to the deepest operand)
// is accepted but evaluates to #DEPTH!, and keeps its text as written.
#pragma once

#include <optional>
#include <string_view>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/parser/Formula.h"
#include "platform/grid/formula/parser/ParseError.h"

namespace formula {

inline constexpr std::size_t kMaxFormulaLength = 8192;
inline constexpr int kMaxNestingDepth = 256;

// Parses text as the formula of the cell (column, row) with references written
// in `style`. On failure returns nothing and, when `error` is given, fills it.
std::optional<Formula> parseFormula(std::wstring_view text, int column, int row,
                                    ReferenceStyle style, ParseError* error = nullptr);

}  // namespace formula

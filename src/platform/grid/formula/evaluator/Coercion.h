// The one place where values change type: number, text and logical readings of
// a value, and the comparison of two values.
//
// The rules are those of the reference spreadsheet:
// - An empty cell reads as 0, as "" and as FALSE.
// - A logical is the number 1 or 0.
// - A text reads as a number only when the whole text (blanks around it
//   allowed) is a decimal number such as "12", "-1.5" or "2E3", or is TRUE or
//   FALSE (1 and 0, any letter case); any other text, the empty text
//   included, gives #VALUE!.
// - A number reads as text in the general format: up to 15 significant digits,
//   no trailing zeros, exponent form from 1E+15 up and below 1E-5.
// - A text reads as a logical only when it is TRUE or FALSE (any case).
// - An error stays the error it is.
#pragma once

#include <string>
#include <variant>

#include "platform/grid/formula/Value.h"

namespace formula {

// A converted value or the error that prevented the conversion.
template <typename T>
struct Converted {
    T value{};
    std::optional<ErrorKind> error;
    bool ok() const { return !error.has_value(); }
};

Converted<double> toNumber(const Value& value);
Converted<std::wstring> toText(const Value& value);
Converted<bool> toLogical(const Value& value);

// The general-format text of a number.
std::wstring numberText(double value);

// Compares two values that are not errors: -1, 0 or 1. Numbers (and logicals)
// sort before texts; texts compare without regard to letter case, character by
// character; an empty value equals 0 against a number, "" against a text, and
// another empty value.
int compareValues(const Value& a, const Value& b);

// The text with every letter in its case-folded form, for comparisons that
// ignore letter case.
std::wstring foldedText(std::wstring_view text);

}  // namespace formula

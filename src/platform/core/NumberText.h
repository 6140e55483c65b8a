// Numbers as text and text as numbers, independent of the process locale.
//
// Rules of this module:
// - Writing with fixed decimals rounds the number as a person reads it: the
//   shortest decimal text that reads back as the same double is rounded half
//   away from zero. So 2.675 with 2 decimals is "2.68" and -0.125 is "-0.13",
//   although neither is exactly representable. A result that rounds to zero
//   carries no minus sign ("0.00", never "-0.00"). Decimals below 0 count as 0,
//   above 17 as 17. Not-a-number is "nan", infinities "inf" and "-inf".
// - The general format writes up to 15 significant digits without trailing
//   zeros, switching to exponent form ("1.5E+20", "1E-07") for magnitudes of
//   1E15 and above or below 1E-5 — the way a spreadsheet's general format does.
// - Reading follows the atof rule: leading blanks are skipped, the longest
//   prefix that is a decimal number (sign, digits, point, exponent) is read,
//   and text without such a prefix reads as 0.
#pragma once

#include <string>
#include <string_view>

namespace numtext {

std::wstring formatFixed(double value, int decimals);
std::wstring formatGeneral(double value);
// The same texts appended to `out`, for callers that keep one buffer.
void appendFixed(std::wstring& out, double value, int decimals);
void appendGeneral(std::wstring& out, double value);

// The atof rule on wide text.
double parseLeadingDouble(std::wstring_view text);
// The atoi rule: the leading whole number (a sign and digits), 0 when none;
// values beyond the int range saturate.
int parseLeadingInt(std::wstring_view text);

// Strict reading: the whole text (blanks at both ends allowed) is one decimal
// number. Returns false, leaving value untouched, otherwise.
bool parseWholeDouble(std::wstring_view text, double& value);

}  // namespace numtext

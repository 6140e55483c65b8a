// The number format codes of TEXT.
//
// A format has up to four sections separated by ";": positive numbers,
// negative numbers, zero, text. With one section it serves every number (a
// negative one gets a leading "-"); with two, the second serves negative
// numbers, shown without their sign. Within a section:
//   0       a digit, a 0 when the number has none there
//   #       a digit, nothing when the number has none there
//   ?       a digit, a space when the number has none there
//   .       the decimal point
//   ,       between digit places: thousands separators; after the last digit
//           place: divide by 1000 for each
//   %       multiply by 100 and show "%"
//   E+ E-   exponent form (E+ always shows the exponent's sign, E- only "-"),
//           followed by 0s giving the exponent's least digit count
//   "text"  literal text; \c a literal character
//   @       in the text section: the text itself
//   General the general number format
// Any other character is shown as it is. Digits are rounded half away from
// zero as the number reads. Date and time codes are not supported: their
// letters are shown as written.
#pragma once

#include <string>
#include <string_view>

namespace formula {

// The number shown with the format.
std::wstring formatNumber(double value, std::wstring_view format);
// A text shown with the format: its fourth section with "@" replaced by the
// text, or the text unchanged when the format has no fourth section.
std::wstring formatText(const std::wstring& text, std::wstring_view format);

}  // namespace formula

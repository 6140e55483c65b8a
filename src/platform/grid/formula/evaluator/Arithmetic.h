// Arithmetic with the reference spreadsheet's tolerance for binary rounding.
//
// Sums and differences whose result is tiny against the operands (below about
// 2^-48 of them) are exactly 0, so 0.1+0.2-0.3 is 0 rather than 5.55E-17.
// Powers of a negative base with the exponent 1/n for an odd whole n are real
// roots ((-8)^(1/3) is -2); 0 to a negative power is #NUM!; any other result
// that is not a finite number is #NUM!.
#pragma once

#include "platform/grid/formula/Value.h"

namespace formula {

// True when a and b are equal or differ by less than about 2^-48 of a.
bool approxEqual(double a, double b);
// a + b, 0 when the operands cancel within approxEqual.
double approxAdd(double a, double b);
// The number rounded to 15 significant digits, the precision that results are
// shown with; the rounding functions start from it so that 0.1*3 rounds like 0.3.
double roundToSignificant(double value);
Value power(double base, double exponent);

}  // namespace formula

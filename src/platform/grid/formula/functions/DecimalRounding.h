// Rounding to a number of decimal places as a person reads the number.
//
// The number is first taken to the 15 significant digits it is shown with, so
// that 2.675 (stored as 2.67499999...) rounds to 2.68 and 0.1+0.2 (stored as
// 0.30000000000000004) rounds up to 0.3, not 0.4; then the decimal digits are
// rounded in the chosen direction. Negative places round left of the point
// (places -2 rounds to hundreds).
#pragma once

namespace formula {

enum class RoundingMode {
    HalfAwayFromZero,  // ROUND
    AwayFromZero,      // ROUNDUP
    TowardZero,        // ROUNDDOWN, TRUNC
};

double roundDecimal(double value, int places, RoundingMode mode);

// The largest whole number not above / the smallest not below the value, taken
// at 15 significant digits (so 2.9999999999999996 floors to 3).
double approxFloor(double value);
double approxCeil(double value);

}  // namespace formula

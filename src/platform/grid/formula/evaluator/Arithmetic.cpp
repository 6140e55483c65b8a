// Arithmetic helpers shared by the operators and the numeric functions.
#include "platform/grid/formula/evaluator/Arithmetic.h"

#include <charconv>
#include <cmath>

namespace formula {

bool approxEqual(double a, double b) {
    if (a == b)
        return true;
    constexpr double kTolerance = 1.0 / (16777216.0 * 16777216.0);  // 2^-48
    return std::fabs(a - b) < std::fabs(a) * kTolerance;
}

double approxAdd(double a, double b) {
    if (((a < 0 && b > 0) || (a > 0 && b < 0)) && approxEqual(a, -b))
        return 0.0;
    return a + b;
}

double roundToSignificant(double value) {
    if (value == 0 || !std::isfinite(value))
        return value;
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded);
    return rounded;
}

Value power(double base, double exponent) {
    if (base == 0 && exponent < 0)
        return Value::error(ErrorKind::Number);
    if (base < 0 && exponent != 0 && std::fabs(exponent) <= 1) {
        const double root = std::round(1.0 / exponent);
        if (std::fmod(root, 2.0) != 0 && approxEqual(1.0 / root, exponent)) {
            return Value::number(-std::pow(-base, exponent));
        }
    }
    return Value::number(std::pow(base, exponent));
}

}  // namespace formula

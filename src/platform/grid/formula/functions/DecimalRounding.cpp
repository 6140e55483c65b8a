// Decimal rounding on the 15-significant-digit form of a number.
#include "platform/grid/formula/functions/DecimalRounding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "platform/grid/formula/evaluator/Arithmetic.h"

namespace formula {
namespace {

constexpr int kSignificantDigits = 15;

// The digits d1..d15 and exponent of a positive finite value: value =
// 0.d1d2... * 10^exponent. Kept in fixed buffers: rounding runs in every
// recalculation and must not allocate.
struct Digits {
    std::array<char, kSignificantDigits + 1> digits{};
    int count = 0;
    int exponent = 0;
};

Digits significantDigits(double magnitude) {
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    Digits out;
    const char* c = buffer;
    for (; c != written.ptr && *c != 'e'; ++c) {
        if (*c != '.')
            out.digits[static_cast<std::size_t>(out.count++)] = *c;
    }
    int exponent = 0;
    if (c != written.ptr)
        std::from_chars(c + 1 + (c[1] == '+' ? 1 : 0), written.ptr, exponent);
    out.exponent = exponent + 1;
    return out;
}

// The integer made of the first `count` digits, scaled by 10^(exponent - count).
double fromDigits(const Digits& d, int count) {
    char buffer[48];
    char* end = std::copy(d.digits.begin(), d.digits.begin() + count, buffer);
    *end++ = 'e';
    end = std::to_chars(end, buffer + sizeof buffer, d.exponent - count).ptr;
    double value = 0;
    std::from_chars(buffer, end, value);
    return value;
}

}  // namespace

double roundDecimal(double value, int places, RoundingMode mode) {
    if (value == 0 || !std::isfinite(value))
        return value;
    const bool negative = value < 0;
    const Digits d = significantDigits(std::fabs(value));
    const int keep = d.exponent + places;  // digits that stay
    if (keep >= kSignificantDigits)
        return value;
    bool increment = false;
    if (keep < 0) {
        increment = mode == RoundingMode::AwayFromZero;
    } else {
        const auto dropped = d.digits.begin() + keep;
        const auto last = d.digits.begin() + d.count;
        switch (mode) {
            case RoundingMode::HalfAwayFromZero:
                increment = *dropped >= '5';
                break;
            case RoundingMode::AwayFromZero:
                increment = std::any_of(dropped, last, [](char c) { return c != '0'; });
                break;
            case RoundingMode::TowardZero:
                break;
        }
    }
    double magnitude = keep > 0 ? fromDigits(d, keep) : 0.0;
    if (increment) {
        // Adding one unit of the last kept place may land beside the decimal
        // number; re-reading its 15 digits gives the double nearest to it.
        magnitude += std::pow(10.0, -places);
        const Digits sum = significantDigits(magnitude);
        magnitude = fromDigits(sum, sum.count);
    }
    return negative ? -magnitude : magnitude;
}

double approxFloor(double value) {
    return std::floor(roundToSignificant(value));
}

double approxCeil(double value) {
    return std::ceil(roundToSignificant(value));
}

}  // namespace formula

// Decimal rounding on the 15-significant-digit form of a number.
#include "platform/grid/formula/functions/DecimalRounding.h"

#include <charconv>
#include <cmath>
#include <string>

#include "platform/grid/formula/evaluator/Arithmetic.h"

namespace formula {
namespace {

constexpr int kSignificantDigits = 15;

// The digits d1..d15 and exponent of a positive finite value: value = 0.d1d2... * 10^exponent.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double magnitude) {
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string text(buffer, written.ptr);  // d.dddddddddddddde+xx
    const std::size_t e = text.find('e');
    Digits out;
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            out.digits.push_back(text[i]);
    }
    out.exponent = std::stoi(text.substr(e + 1)) + 1;
    return out;
}

double fromDigits(const std::string& digits, int exponent) {
    // digits are an integer to be scaled by 10^(exponent - digits.size()).
    const std::string text =
        digits + "e" + std::to_string(exponent - static_cast<int>(digits.size()));
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

double roundDecimal(double value, int places, RoundingMode mode) {
    if (value == 0 || !std::isfinite(value))
        return value;
    const bool negative = value < 0;
    Digits d = significantDigits(std::fabs(value));
    const int keep = d.exponent + places;  // digits that stay
    if (keep >= kSignificantDigits)
        return value;
    bool increment = false;
    if (keep < 0) {
        increment = mode == RoundingMode::AwayFromZero;
        d.digits = "0";
    } else {
        const std::string dropped = d.digits.substr(static_cast<std::size_t>(keep));
        switch (mode) {
            case RoundingMode::HalfAwayFromZero:
                increment = dropped[0] >= '5';
                break;
            case RoundingMode::AwayFromZero:
                increment = dropped.find_first_not_of('0') != std::string::npos;
                break;
            case RoundingMode::TowardZero:
                break;
        }
        d.digits.resize(static_cast<std::size_t>(keep));
        if (d.digits.empty())
            d.digits = "0";
    }
    double magnitude = keep > 0 ? fromDigits(d.digits, d.exponent) : 0.0;
    if (increment) {
        // Adding one unit of the last kept place may land beside the decimal
        // number; re-reading its 15 digits gives the double nearest to it.
        magnitude += std::pow(10.0, -places);
        const Digits sum = significantDigits(magnitude);
        magnitude = fromDigits(sum.digits, sum.exponent);
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

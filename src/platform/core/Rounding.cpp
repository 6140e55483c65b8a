// Rounding to multiples of a step, forgiving the noise of decimal steps.
#include "platform/core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kRelativeNoise = 1e-9;

bool isUsableStep(double value, double step) {
    return std::isfinite(value) && std::isfinite(step) && step > 0;
}

// The quotient snapped to a whole number or a half when it is that close.
double snappedQuotient(double value, double step) {
    const double quotient = value / step;
    const double tolerance = kRelativeNoise * std::max(1.0, std::fabs(quotient));
    const double nearestHalf = std::round(quotient * 2) / 2;
    return std::fabs(quotient - nearestHalf) <= tolerance ? nearestHalf : quotient;
}

}  // namespace

double ObjectExportRoundTo(double value, double step) {
    if (!isUsableStep(value, step))
        return value;
    return std::round(snappedQuotient(value, step)) * step;
}

double ObjectExportRoundUp(double value, double step, double upTolerance) {
    if (!isUsableStep(value, step))
        return value;
    const double up = std::ceil(snappedQuotient(value, step)) * step;
    return up - value > std::max(upTolerance, 0.0) ? value : up;
}

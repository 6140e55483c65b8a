// ROUND, ROUNDUP, ROUNDDOWN, TRUNC, INT, CEILING and FLOOR (rules of the decimal
// rounding in DecimalRounding.h). Places are truncated toward zero.
#include <cmath>

#include "platform/grid/formula/evaluator/FunctionCall.h"
#include "platform/grid/formula/functions/DecimalRounding.h"
#include "platform/grid/formula/functions/FunctionBodies.h"

namespace formula::functions {
namespace {

int placesArgument(FunctionCall& call, int i) {
    if (!call.has(i))
        return 0;
    const double places = std::trunc(call.number(i));
    // Beyond 400 places left or right every double is already whole or zero.
    return static_cast<int>(std::fmax(-400.0, std::fmin(400.0, places)));
}

Value roundWith(FunctionCall& call, RoundingMode mode) {
    return Value::number(roundDecimal(call.number(0), placesArgument(call, 1), mode));
}

// CEILING(x, step) and FLOOR(x, step): the nearest multiple of the step up
// from x / down from x, measured in steps: a negative step rounds a negative
// number away from zero (CEILING) or toward it (FLOOR). A positive x with a
// negative step is #NUM!; a step of 0 gives 0 for CEILING and #DIV/0! for FLOOR.
Value toMultiple(FunctionCall& call, bool up) {
    const double x = call.number(0);
    const double step = call.number(1);
    if (step == 0)
        return up ? Value::number(0) : Value::error(ErrorKind::DivisionByZero);
    if (x > 0 && step < 0)
        return Value::error(ErrorKind::Number);
    const double steps = x / step;
    return Value::number((up ? approxCeil(steps) : approxFloor(steps)) * step);
}

}  // namespace

Value round(FunctionCall& call) {
    return roundWith(call, RoundingMode::HalfAwayFromZero);
}

Value roundUp(FunctionCall& call) {
    return roundWith(call, RoundingMode::AwayFromZero);
}

Value roundDown(FunctionCall& call) {
    return roundWith(call, RoundingMode::TowardZero);
}

Value trunc(FunctionCall& call) {
    return roundWith(call, RoundingMode::TowardZero);
}

Value integer(FunctionCall& call) {
    return Value::number(approxFloor(call.number(0)));
}

Value ceiling(FunctionCall& call) {
    return toMultiple(call, true);
}

Value floor(FunctionCall& call) {
    return toMultiple(call, false);
}

}  // namespace formula::functions

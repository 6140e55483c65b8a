// Arithmetic and trigonometric functions. Arguments outside a function's
// domain (the root of a negative number, the logarithm of 0) give #NUM!.
#include <cmath>
#include <numbers>

#include "platform/grid/formula/evaluator/Arithmetic.h"
#include "platform/grid/formula/evaluator/FunctionCall.h"
#include "platform/grid/formula/functions/DecimalRounding.h"
#include "platform/grid/formula/functions/FunctionBodies.h"

namespace formula::functions {
namespace {

Value outsideDomain() {
    return Value::error(ErrorKind::Number);
}

}  // namespace

Value abs(FunctionCall& call) {
    return Value::number(std::fabs(call.number(0)));
}

Value sqrt(FunctionCall& call) {
    const double x = call.number(0);
    if (x < 0)
        return outsideDomain();
    return Value::number(std::sqrt(x));
}

Value power(FunctionCall& call) {
    return formula::power(call.number(0), call.number(1));
}

Value exp(FunctionCall& call) {
    return Value::number(std::exp(call.number(0)));
}

Value ln(FunctionCall& call) {
    const double x = call.number(0);
    if (x <= 0)
        return outsideDomain();
    return Value::number(std::log(x));
}

Value log(FunctionCall& call) {
    const double x = call.number(0);
    const double base = call.has(1) ? call.number(1) : 10.0;
    if (x <= 0 || base <= 0 || base == 1)
        return outsideDomain();
    return Value::number(std::log(x) / std::log(base));
}

Value log10(FunctionCall& call) {
    const double x = call.number(0);
    if (x <= 0)
        return outsideDomain();
    return Value::number(std::log10(x));
}

Value pi(FunctionCall&) {
    return Value::number(std::numbers::pi);
}

Value sin(FunctionCall& call) {
    return Value::number(std::sin(call.number(0)));
}

Value cos(FunctionCall& call) {
    return Value::number(std::cos(call.number(0)));
}

Value tan(FunctionCall& call) {
    return Value::number(std::tan(call.number(0)));
}

Value asin(FunctionCall& call) {
    const double x = call.number(0);
    if (x < -1 || x > 1)
        return outsideDomain();
    return Value::number(std::asin(x));
}

Value acos(FunctionCall& call) {
    const double x = call.number(0);
    if (x < -1 || x > 1)
        return outsideDomain();
    return Value::number(std::acos(x));
}

Value atan(FunctionCall& call) {
    return Value::number(std::atan(call.number(0)));
}

// ATAN2(x, y): the angle of the point (x, y), x first as spreadsheets write
// it; the angle of (0, 0) is 0.
Value atan2(FunctionCall& call) {
    return Value::number(std::atan2(call.number(1), call.number(0)));
}

Value degrees(FunctionCall& call) {
    return Value::number(call.number(0) * 180.0 / std::numbers::pi);
}

Value radians(FunctionCall& call) {
    return Value::number(call.number(0) * std::numbers::pi / 180.0);
}

Value sign(FunctionCall& call) {
    const double x = call.number(0);
    return Value::number(x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0));
}

// MOD takes the sign of the divisor: MOD(-1, 3) is 2, MOD(1, -3) is -2.
Value mod(FunctionCall& call) {
    const double dividend = call.number(0);
    const double divisor = call.number(1);
    if (divisor == 0)
        return Value::error(ErrorKind::DivisionByZero);
    const double quotient = dividend / divisor;
    if (std::fabs(quotient) >= 9007199254740992.0)
        return outsideDomain();  // 2^53: no precision left
    return Value::number(approxAdd(dividend, -approxFloor(quotient) * divisor));
}

// FACT of the whole part: FACT(4.9) is 24; negative numbers are outside the domain.
Value fact(FunctionCall& call) {
    const double n = approxFloor(call.number(0));
    if (n < 0)
        return outsideDomain();
    if (n > 170)
        return outsideDomain();
    double result = 1;
    for (int i = 2; i <= static_cast<int>(n); ++i)
        result *= i;
    return Value::number(result);
}

}  // namespace formula::functions

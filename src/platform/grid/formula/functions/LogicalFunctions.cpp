// IF, IFERROR, CHOOSE, AND, OR, NOT, TRUE and FALSE. IF, IFERROR and CHOOSE
// evaluate only the argument they return.
#include <cmath>
#include <optional>

#include "platform/grid/formula/evaluator/Coercion.h"
#include "platform/grid/formula/evaluator/FunctionCall.h"
#include "platform/grid/formula/functions/FunctionBodies.h"

namespace formula::functions {
namespace {

// The logical values of AND and OR: numbers of ranges (texts and empty cells
// skipped) and direct arguments read as logicals. No value at all is #VALUE!.
template <typename Combine>
Value combineLogicals(FunctionCall& call, bool start, Combine combine) {
    bool result = start;
    int values = 0;
    std::optional<ErrorKind> error;
    for (int i = 0; i < call.count() && !error; ++i) {
        call.forEachValue(i, [&](const Value& value, bool fromArea) {
            if (value.isError()) {
                error = value.asError();
                return false;
            }
            if (fromArea && !value.isNumeric())
                return true;
            const auto logical = toLogical(value);
            if (!logical.ok()) {
                error = logical.error;
                return false;
            }
            result = combine(result, logical.value);
            ++values;
            return true;
        });
    }
    if (error)
        return Value::error(*error);
    if (values == 0)
        return Value::error(ErrorKind::Value);
    return Value::logical(result);
}

}  // namespace

// IF(condition, then [, else]): a false condition without else gives FALSE.
Value ifThen(FunctionCall& call) {
    if (call.logical(0))
        return call.evaluate(1);
    if (call.has(2))
        return call.evaluate(2);
    return Value::logical(false);
}

Value ifError(FunctionCall& call) {
    if (call.value(0).isError())
        return call.evaluate(1);
    return call.value(0);
}

// CHOOSE(index, value1, ...): the index is truncated; outside 1..count #VALUE!.
Value choose(FunctionCall& call) {
    const double index = std::trunc(call.number(0));
    if (index < 1 || index >= call.count())
        return Value::error(ErrorKind::Value);
    return call.evaluate(static_cast<int>(index));
}

Value logicalAnd(FunctionCall& call) {
    return combineLogicals(call, true, [](bool a, bool b) { return a && b; });
}

Value logicalOr(FunctionCall& call) {
    return combineLogicals(call, false, [](bool a, bool b) { return a || b; });
}

Value logicalNot(FunctionCall& call) {
    return Value::logical(!call.logical(0));
}

Value logicalTrue(FunctionCall&) {
    return Value::logical(true);
}

Value logicalFalse(FunctionCall&) {
    return Value::logical(false);
}

}  // namespace formula::functions

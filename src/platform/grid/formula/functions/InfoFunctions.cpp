// The IS... functions and NA. They take any value, errors included, and never
// propagate an error.
#include "platform/grid/formula/evaluator/FunctionCall.h"
#include "platform/grid/formula/functions/FunctionBodies.h"

namespace formula::functions {

// ISBLANK is TRUE only for an empty cell, not for an empty text.
Value isBlank(FunctionCall& call) {
    return Value::logical(call.value(0).isEmpty());
}

Value isNumber(FunctionCall& call) {
    return Value::logical(call.value(0).isNumeric());
}

Value isText(FunctionCall& call) {
    return Value::logical(call.value(0).isText());
}

Value isError(FunctionCall& call) {
    return Value::logical(call.value(0).isError());
}

Value isNa(FunctionCall& call) {
    const Value& value = call.value(0);
    return Value::logical(value.isError() && value.asError() == ErrorKind::NotAvailable);
}

Value isLogical(FunctionCall& call) {
    return Value::logical(call.value(0).isLogical());
}

Value na(FunctionCall&) {
    return Value::error(ErrorKind::NotAvailable);
}

}  // namespace formula::functions

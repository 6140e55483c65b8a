// SUM, PRODUCT, AVERAGE, MIN, MAX, COUNT and COUNTA.
//
// Cells of a range count when they hold numbers (TRUE and FALSE are the numbers
// 1 and 0); texts and empty cells in a range are skipped; an error in a range is
// the result. A number or logical given directly as an argument counts; a text
// given directly is #VALUE!, even one such as "3" (COUNT counts those instead).
#include <cmath>
#include <optional>

#include "platform/grid/formula/evaluator/Arithmetic.h"
#include "platform/grid/formula/evaluator/Coercion.h"
#include "platform/grid/formula/evaluator/FunctionCall.h"
#include "platform/grid/formula/functions/FunctionBodies.h"

namespace formula::functions {
namespace {

// Visits the numbers of every argument; stops at the first error, which it returns.
template <typename Visitor>
std::optional<ErrorKind> forEachNumber(FunctionCall& call, Visitor&& visit) {
    std::optional<ErrorKind> error;
    for (int i = 0; i < call.count() && !error; ++i) {
        call.forEachValue(i, [&](const Value& value, bool fromArea) {
            if (value.isError()) {
                error = value.asError();
                return false;
            }
            if (fromArea) {
                if (value.isNumeric())
                    visit(value.asNumber());
                return true;
            }
            if (value.isText()) {
                error = ErrorKind::Value;
                return false;
            }
            visit(value.asNumber());
            return true;
        });
    }
    return error;
}

// Compensated summation keeps long sums of decimal fractions exact to the last digit.
class Sum {
  public:
    void add(double x) {
        const double t = total_ + x;
        if (std::fabs(total_) >= std::fabs(x)) {
            compensation_ += (total_ - t) + x;
        } else {
            compensation_ += (x - t) + total_;
        }
        total_ = t;
    }
    double value() const {
        // An overflowed total stays infinite (and becomes #NUM!).
        return std::isfinite(total_) ? approxAdd(total_, compensation_) : total_;
    }

  private:
    double total_ = 0;
    double compensation_ = 0;
};

}  // namespace

Value sum(FunctionCall& call) {
    Sum total;
    if (const auto error = forEachNumber(call, [&](double x) { total.add(x); })) {
        return Value::error(*error);
    }
    return Value::number(total.value());
}

// PRODUCT without any number is 0.
Value product(FunctionCall& call) {
    double result = 1;
    int numbers = 0;
    if (const auto error = forEachNumber(call, [&](double x) {
            result *= x;
            ++numbers;
        })) {
        return Value::error(*error);
    }
    return Value::number(numbers == 0 ? 0.0 : result);
}

// AVERAGE without any number is #DIV/0!.
Value average(FunctionCall& call) {
    Sum total;
    int numbers = 0;
    if (const auto error = forEachNumber(call, [&](double x) {
            total.add(x);
            ++numbers;
        })) {
        return Value::error(*error);
    }
    if (numbers == 0)
        return Value::error(ErrorKind::DivisionByZero);
    return Value::number(total.value() / numbers);
}

// MIN and MAX without any number are 0.
Value min(FunctionCall& call) {
    std::optional<double> result;
    if (const auto error = forEachNumber(call, [&](double x) {
            if (!result || x < *result)
                result = x;
        })) {
        return Value::error(*error);
    }
    return Value::number(result.value_or(0.0));
}

Value max(FunctionCall& call) {
    std::optional<double> result;
    if (const auto error = forEachNumber(call, [&](double x) {
            if (!result || x > *result)
                result = x;
        })) {
        return Value::error(*error);
    }
    return Value::number(result.value_or(0.0));
}

// COUNT: the numbers among the cells of ranges, and the arguments that read as
// numbers; errors and texts are not counted, never propagated.
Value count(FunctionCall& call) {
    int numbers = 0;
    for (int i = 0; i < call.count(); ++i) {
        call.forEachValue(i, [&](const Value& value, bool fromArea) {
            if (value.isNumeric() || (!fromArea && value.isText() && toNumber(value).ok()))
                ++numbers;
            return true;
        });
    }
    return Value::number(numbers);
}

// COUNTA: the cells of ranges that are not empty, and every direct argument.
Value countA(FunctionCall& call) {
    int values = 0;
    for (int i = 0; i < call.count(); ++i) {
        call.forEachValue(i, [&](const Value& value, bool fromArea) {
            if (!fromArea || !value.isEmpty())
                ++values;
            return true;
        });
    }
    return Value::number(values);
}

}  // namespace formula::functions

// The built-in functions as a table of metadata: name, argument counts, how
// each argument is prepared, and the body.
//
// The evaluator reads this table to check and prepare arguments, once for all
// functions: a body receives its arguments already converted (a Number
// argument is a number, a Text argument a text), and an error in a converted
// argument never reaches the body, it becomes the function's result. Bodies
// therefore contain only the function's own rule.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/grid/formula/Value.h"

namespace formula {

class FunctionCall;

// How the evaluator prepares one argument before the body runs.
enum class ArgumentKind : std::uint8_t {
    Number,         // a single value converted to a number
    Text,           // a single value converted to a text
    Logical,        // a single value converted to TRUE or FALSE
    Scalar,         // a single value as it is (an empty cell stays empty); errors propagate
    ScalarOrError,  // a single value as it is, errors included (the IS... functions)
    Values,         // a range as its cells, or a single value (the aggregates)
    Reference,      // must be a cell or range reference (the look-up tables)
    Lazy,           // not evaluated; the body evaluates it when it needs it
};

using FunctionBody = Value (*)(FunctionCall& call);

inline constexpr int kMaxArguments = 255;

struct BuiltinFunction {
    std::wstring_view name;
    int minArguments;
    int maxArguments;
    // Argument i is prepared as kinds[min(i, 3)].
    std::array<ArgumentKind, 4> kinds;
    FunctionBody body;

    ArgumentKind kindOf(int argument) const { return kinds[argument < 3 ? argument : 3]; }
};

// The built-in function of this name (letter case ignored), or nothing.
std::optional<std::uint32_t> findFunction(std::wstring_view name);
// The function of an id that findFunction gave.
const BuiltinFunction& functionAt(std::uint32_t id);

}  // namespace formula

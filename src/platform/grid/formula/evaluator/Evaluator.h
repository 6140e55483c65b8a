// Evaluates a parsed formula for its cell.
//
// Operators convert their operands through the one coercion path (Coercion.h);
// the first error among the operands, left to right, is the result. Functions
// get their arguments prepared from the function table (FunctionTable.h).
// IF, IFERROR and CHOOSE evaluate only the arguments they choose. A range where
// one value is needed gives the cell of the range in the formula's own row (a
// one-column range) or column (a one-row range), else #VALUE!. A formula whose
// result is an empty cell's value gives 0.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/Value.h"
#include "platform/grid/formula/evaluator/EvaluationContext.h"
#include "platform/grid/formula/functions/FunctionTable.h"
#include "platform/grid/formula/parser/Formula.h"

namespace formula {

class Evaluator {
  public:
    explicit Evaluator(const EvaluationContext& context) : context_(context) {}

    // The value of `formula`, which belongs to the cell (column, row).
    Value evaluate(const Formula& formula, int column, int row);

  private:
    friend class FunctionCall;

    struct Argument {
        Value value;
        Area area;
        bool isArea = false;
        std::uint32_t node = 0;
    };

    Value evaluateNode(std::uint32_t at);
    Value evaluateBinary(std::uint32_t at);
    Value callFunction(std::uint32_t at);
    Value callCustomFunction(std::uint32_t at);
    // Prepares one argument; returns the error that ends the call, if any.
    std::optional<ErrorKind> prepareArgument(ArgumentKind kind, std::uint32_t node,
                                             Argument& argument);
    // The node below any parentheses.
    std::uint32_t unwrapParens(std::uint32_t at) const;
    Value referenceValue(const Area& area) const;
    Value cellValue(int column, int row) const;

    const EvaluationContext& context_;
    const Formula* formula_ = nullptr;
    CellAddress caller_;
    std::vector<Argument> arguments_;
};

}  // namespace formula

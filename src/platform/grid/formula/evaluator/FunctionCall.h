// The arguments of one built-in function call, as the function's body sees them.
//
// Each argument is already prepared as the function table declares it: a
// Number argument reads with number(i), a Text argument with text(i), a
// Logical one with logical(i), a Scalar one with value(i), a Reference with
// area(i); a Values argument is visited with forEachValue; a Lazy argument is
// evaluated on demand with evaluate(i). Asking for an argument past count(),
// or in a form its kind does not provide, is a programming error (asserted).
#pragma once

#include <cassert>
#include <string>

#include "platform/grid/formula/evaluator/Evaluator.h"

namespace formula {

class FunctionCall {
  public:
    FunctionCall(Evaluator& evaluator, std::size_t first, int count)
        : evaluator_(evaluator), first_(first), count_(count) {}

    int count() const { return count_; }
    bool has(int i) const { return i < count_; }

    double number(int i) const { return argument(i).value.asNumber(); }
    const std::wstring& text(int i) const { return argument(i).value.asText(); }
    bool logical(int i) const { return argument(i).value.asNumber() != 0; }
    const Value& value(int i) const { return argument(i).value; }
    bool isArea(int i) const { return argument(i).isArea; }
    const Area& area(int i) const { return argument(i).area; }

    // The value of a Lazy argument (a range gives its value in the formula's
    // row or column); errors are returned, not propagated.
    Value evaluate(int i) { return evaluator_.evaluateNode(argument(i).node); }

    // The value of a cell within an area of an argument (inside the sheet).
    Value cellValue(int column, int row) const { return evaluator_.cellValue(column, row); }
    CellAddress caller() const { return evaluator_.caller_; }

    // Visits the values of a Values argument: every cell of an area, row by row
    // (fromArea true), or the single value (fromArea false). The visitor returns
    // false to stop early.
    template <typename Visitor>
    void forEachValue(int i, Visitor&& visit) const {
        const auto& a = argument(i);
        if (!a.isArea) {
            visit(a.value, false);
            return;
        }
        for (int row = a.area.firstRow; row <= a.area.lastRow; ++row) {
            for (int column = a.area.firstColumn; column <= a.area.lastColumn; ++column) {
                if (!visit(evaluator_.cellValue(column, row), true))
                    return;
            }
        }
    }

  private:
    const Evaluator::Argument& argument(int i) const {
        assert(i >= 0 && i < count_ && "function argument index out of range");
        return evaluator_.arguments_[first_ + static_cast<std::size_t>(i)];
    }

    Evaluator& evaluator_;
    std::size_t first_;
    int count_;
};

}  // namespace formula

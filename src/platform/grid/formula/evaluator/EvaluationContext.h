// What evaluating a formula needs from the sheet around it.
#pragma once

#include <string_view>

#include "platform/grid/formula/CustomFunction.h"
#include "platform/grid/formula/Value.h"

namespace formula {

class EvaluationContext {
  public:
    virtual ~EvaluationContext() = default;
    // The sheet's bounds: cells outside columns 1..columnCount and rows
    // 1..rowCount are #REF!.
    virtual int columnCount() const = 0;
    virtual int rowCount() const = 0;
    // The current value of a cell within the bounds (a formula cell: its result).
    virtual Value cellValue(int column, int row) const = 0;
    // The custom function of an upper-case name, or nullptr.
    virtual const CustomFunction* customFunction(std::wstring_view upperName) const = 0;
};

}  // namespace formula

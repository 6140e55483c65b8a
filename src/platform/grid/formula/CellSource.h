// What the formula engine needs from the sheet it computes: the interface the
// grid's sheet model implements.
#pragma once

#include "platform/grid/formula/Value.h"

namespace formula {

class CellSource {
  public:
    virtual ~CellSource() = default;

    // The sheet's bounds. References to a column above columnCount() or a row
    // above rowCount() evaluate to #REF!. When the bounds change, tell the
    // engine with FormulaEngine::boundsChanged().
    virtual int columnCount() const = 0;
    virtual int rowCount() const = 0;

    // The value of a cell that holds no formula: empty, a number, a logical or a
    // text, as the cell's type makes it. The engine asks only for cells inside
    // the bounds, and never for a cell that holds a formula (it has their
    // results itself). It may ask during any call that computes formulas.
    virtual Value cellValue(int column, int row) const = 0;

    // Receives the result of a formula cell each time the engine computes it, so
    // that the sheet can update the text it shows (a number cell with its
    // decimals, a text cell the text, a cell without type the general format).
    // The sheet may read other cells here but must not change formulas.
    virtual void storeResult(int column, int row, const Value& result) = 0;
};

}  // namespace formula

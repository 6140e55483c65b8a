// VtVarCells: the ordered variable cells of one standards sheet, with the
// mapping that ties them to a macro. The order is the order of appending and
// is significant: a child sheet's variables bind to a call's arguments by
// position.
#pragma once

#include <utility>

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "standards/VtSSMapping.h"
#include "standards/engine/VtVarCell.h"

class VtVarCells {
  public:
    VtVarCells() = default;
    virtual ~VtVarCells() = default;
    VtVarCells(const VtVarCells&) = default;
    VtVarCells& operator=(const VtVarCells&) = default;
    VtVarCells(VtVarCells&&) = default;
    VtVarCells& operator=(VtVarCells&&) = default;

    int length() const { return cells_.length(); }
    // Requires a valid index (asserted).
    VtVarCell& operator[](int index) { return cells_[index]; }
    const VtVarCell& operator[](int index) const { return cells_[index]; }
    // Appends a copy of the cell.
    void append(const VtVarCell& cell) { cells_.append(cell); }
    void append(VtVarCell&& cell) { cells_.items().push_back(std::move(cell)); }
    // An index outside the list does nothing.
    void removeAt(int index) { cells_.removeAt(index); }
    // Empties the list; the mapping stays.
    void resetVarCells() { cells_.removeAll(); }

    VtSSMapping& mapping() { return mapping_; }
    const VtSSMapping& mapping() const { return mapping_; }

    // The first cell whose name equals name, letter case ignored; eInvalidInput
    // (index -1) when there is none.
    ErrorStatus findVarCell(const Tvx_String& name, int& index) const;
    // True when every Input cell of this list has a cell of the same name in
    // other with the same value type and an equal value (one-sided).
    bool hasSameInput(const VtVarCells& other) const;

    // Binds the mapping (to the block's module group, else to its mapping
    // file) and reads every Input and Output value from the macro; Local cells
    // become empty. A variable that cannot be read keeps its value and, with
    // the standards warnings on, is reported in a warning box. When the mapping
    // cannot be bound, nothing is read and the result is still eOk.
    // eInvalidInput when there is neither a module group nor a macro.
    ErrorStatus getFromMacro(VtDlgStandardsData& data);
    // Writes every Output value into the macro; failures are ignored. eOk.
    ErrorStatus setToMacro(VtDlgStandardsData& data);
    // Reads every Output cell's value text from the sheet; eInvalidInput at the
    // first cell that cannot be read (earlier cells keep their new values).
    ErrorStatus getValuesFromSS(Tvx_Spread& sheet);
    // Writes every cell's value into the sheet with its type; eInvalidInput at
    // the first refused write.
    ErrorStatus setValuesToSS(Tvx_Spread& sheet);

    friend bool operator==(const VtVarCells&, const VtVarCells&) = default;

  private:
    Tvx_Array<VtVarCell> cells_;
    VtSSMapping mapping_;
};

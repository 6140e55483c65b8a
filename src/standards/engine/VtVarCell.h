// VtVarCell: one variable declared in a cell of a standards sheet: its name,
// its kind (Input, Output or Local), the type of its value, the cell that
// declares and holds it, and its current value as text.
#pragma once

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_String.h"
#include "standards/VtValueType.h"

class Tvx_Spread;
class VtSSMapping;
class VtDlgStandardsData;
class VtVarCells;
class VtCalcSS;

enum VtCellType : int {
    eCellInput = 0,
    eCellOutput = 1,
    eCellLocal = 2,
};

// The word of a kind: "Input", "Output" or "Local" (empty for another value).
Tvx_String cellTypeName(int cellType);

class VtVarCell {
  public:
    VtVarCell() = default;
    virtual ~VtVarCell() = default;
    VtVarCell(const VtVarCell&) = default;
    VtVarCell& operator=(const VtVarCell&) = default;
    VtVarCell(VtVarCell&&) = default;
    VtVarCell& operator=(VtVarCell&&) = default;

    Tvx_String name;
    int cellType = eCellInput;
    Tvx_String value;
    int valueType = eValueString;
    // The 1-based cell that declares and holds the variable; 0 and 0 for a
    // copy that stands for no cell (a child call's argument).
    int column = 0;
    int row = 0;

    // Reads the declaration in cell (column, row) of the sheet ("Double
    // Width", see VarDeclaration.h) and becomes that variable of kind `type`.
    // eInvalidInput when the cell lies outside the sheet (name emptied) or
    // declares nothing (name holds the cell's text, the other fields stay).
    ErrorStatus initialize(Tvx_Spread& sheet, const int& column, const int& row,
                           const VtCellType& type);

    // value = the macro's value of the variable, through the mapping.
    // eInvalidInput (value unchanged) when the mapping cannot read it.
    ErrorStatus setValueFromMacro(VtSSMapping& mapping, VtDlgStandardsData& data);
    // Writes value into the macro through the mapping; eInvalidInput when the
    // mapping cannot write it.
    ErrorStatus setValueToMacro(VtSSMapping& mapping, VtDlgStandardsData& data);
    // Takes the other cell's value and writes it into this cell of the sheet.
    ErrorStatus setValueFromOther(Tvx_Spread& sheet, const VtVarCell& other);

    bool isInput() const { return cellType == eCellInput; }
    bool isOutput() const { return cellType == eCellOutput; }
    bool isLocal() const { return cellType == eCellLocal; }

    friend bool operator==(const VtVarCell&, const VtVarCell&) = default;

  private:
    friend class VtVarCells;
    friend class VtCalcSS;

    // initialize with the cell's text already read: eInvalidInput, the cell
    // unchanged, when text declares nothing.
    ErrorStatus declare(const Tvx_String& text, int atColumn, int atRow, VtCellType type);
    ErrorStatus setNewValue(const Tvx_String& text);
    // value = text, then written into the cell (setValueToSS).
    ErrorStatus setNewValue(Tvx_Spread& sheet, const Tvx_String& text);
    // Gives the cell the type of the value (Int: number, 0 decimals; Double:
    // number, 7 decimals; String: text of at most 9999 characters) and writes
    // value as the cell's value text. eInvalidInput when the sheet refuses it.
    ErrorStatus setValueToSS(Tvx_Spread& sheet);
    // The cell's value text; eInvalidInput outside the sheet.
    ErrorStatus getCurrentValue(Tvx_Spread& sheet, Tvx_String& text) const;
};

// One variable cell: its declaration, and its value moved between the macro,
// other cells and the sheet.
#include "standards/engine/VtVarCell.h"

#include "spread/Tvx_Spread.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/VtSSMapping.h"
#include "standards/engine/SheetAccess.h"
#include "standards/engine/VarDeclaration.h"

Tvx_String cellTypeName(int cellType) {
    switch (cellType) {
        case eCellInput:
            return Tvx_String(L"Input");
        case eCellOutput:
            return Tvx_String(L"Output");
        case eCellLocal:
            return Tvx_String(L"Local");
        default:
            return Tvx_String();
    }
}

ErrorStatus VtVarCell::initialize(Tvx_Spread& sheet, const int& atColumn, const int& atRow,
                                  const VtCellType& type) {
    if (!sheet.getCellText(atColumn, atRow, name, Tvx_Spread::kValueText))
        return eInvalidInput;
    return declare(name, atColumn, atRow, type);
}

ErrorStatus VtVarCell::declare(const Tvx_String& text, int atColumn, int atRow, VtCellType type) {
    Tvx_String declaredName;
    VtValueType declaredType = eValueUndefined;
    if (!parseVarDeclaration(text, declaredName, declaredType))
        return eInvalidInput;
    name = std::move(declaredName);
    valueType = declaredType;
    column = atColumn;
    row = atRow;
    cellType = type;
    return eOk;
}

ErrorStatus VtVarCell::setValueFromMacro(VtSSMapping& mapping, VtDlgStandardsData& data) {
    Tvx_String text;
    if (mapping.getMacroVarValue(name, valueType, text, data) != eOk)
        return eInvalidInput;
    value = text;
    return eOk;
}

ErrorStatus VtVarCell::setValueToMacro(VtSSMapping& mapping, VtDlgStandardsData& data) {
    return mapping.setMacroVarValue(name, valueType, value, data) == eOk ? eOk : eInvalidInput;
}

ErrorStatus VtVarCell::setValueFromOther(Tvx_Spread& sheet, const VtVarCell& other) {
    return setNewValue(sheet, other.value);
}

ErrorStatus VtVarCell::setNewValue(const Tvx_String& text) {
    value = text;
    return eOk;
}

ErrorStatus VtVarCell::setNewValue(Tvx_Spread& sheet, const Tvx_String& text) {
    value = text;
    return setValueToSS(sheet);
}

ErrorStatus VtVarCell::setValueToSS(Tvx_Spread& sheet) {
    switch (valueType) {
        case eValueInt:
            setNumberCellType(sheet, column, row, kIntDecimals);
            break;
        case eValueDouble:
            setNumberCellType(sheet, column, row, kDoubleDecimals);
            break;
        case eValueString:
            setTextCellType(sheet, column, row, kStringMaxLength, 0);
            break;
        default:
            break;
    }
    return sheet.setCellValueText(column, row, value) ? eOk : eInvalidInput;
}

ErrorStatus VtVarCell::getCurrentValue(Tvx_Spread& sheet, Tvx_String& text) const {
    return sheet.getCellText(column, row, text, Tvx_Spread::kValueText) ? eOk : eInvalidInput;
}

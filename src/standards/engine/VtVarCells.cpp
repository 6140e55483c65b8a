// The variable cells of a sheet: look-up, and moving their values between the
// macro, the list and the sheet.
#include "standards/engine/VtVarCells.h"

#include "frame/ProfilingTimers.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/engine/StandardsWarnings.h"

namespace {

// The warning for an Input that could not be read, or an Output that could not.
Tvx_String variableNotRetrievedText(const VtVarCell& cell, const Tvx_String& sheetName) {
    return Tvx_String(L"The following ") + cellTypeName(cell.cellType) +
           Tvx_String(L" variable couldn't be ") +
           Tvx_String(cell.isInput() ? L"retrieved" : L"set") + Tvx_String(L" : \n") + cell.name +
           Tvx_String(L"\nMake sure the variable exists in the macro or module.\n") +
           Tvx_String(L"Spreadsheet : ") + sheetName;
}

}  // namespace

ErrorStatus VtVarCells::findVarCell(const Tvx_String& name, int& index) const {
    for (index = 0; index < cells_.length(); ++index) {
        if (cells_[index].name.equal(name, false))
            return eOk;
    }
    index = -1;
    return eInvalidInput;
}

bool VtVarCells::hasSameInput(const VtVarCells& other) const {
    for (const VtVarCell& cell : cells_) {
        if (!cell.isInput())
            continue;
        int index = -1;
        if (other.findVarCell(cell.name, index) != eOk)
            return false;
        const VtVarCell& match = other[index];
        if (match.valueType != cell.valueType || match.value != cell.value)
            return false;
    }
    return true;
}

ErrorStatus VtVarCells::getFromMacro(VtDlgStandardsData& data) {
    gInitMapping.start();
    ErrorStatus bound = eInvalidInput;
    if (!data.moduleGroup.isEmpty())
        bound = mapping_.initFromModuleGroup(data.moduleGroup);
    else if (!data.dbMacro)
        return eInvalidInput;
    else
        bound = mapping_.initFromMacro(data);
    if (bound != eOk)
        return eOk;
    gInitMapping.end();

    gInitFromMacro.start();
    for (VtVarCell& cell : cells_) {
        if (cell.isLocal()) {
            cell.setNewValue(Tvx_String());
            continue;
        }
        if (cell.setValueFromMacro(mapping_, data) != eOk)
            showStandardsWarning(variableNotRetrievedText(cell, data.sheetName));
    }
    gInitFromMacro.end();
    return eOk;
}

ErrorStatus VtVarCells::setToMacro(VtDlgStandardsData& data) {
    for (VtVarCell& cell : cells_) {
        if (cell.isOutput())
            cell.setValueToMacro(mapping_, data);
    }
    return eOk;
}

ErrorStatus VtVarCells::getValuesFromSS(Tvx_Spread& sheet) {
    for (VtVarCell& cell : cells_) {
        if (!cell.isOutput())
            continue;
        Tvx_String text;
        if (cell.getCurrentValue(sheet, text) != eOk)
            return eInvalidInput;
        cell.value = text;
    }
    return eOk;
}

ErrorStatus VtVarCells::setValuesToSS(Tvx_Spread& sheet) {
    for (VtVarCell& cell : cells_) {
        if (cell.setValueToSS(sheet) != eOk)
            return eInvalidInput;
    }
    return eOk;
}

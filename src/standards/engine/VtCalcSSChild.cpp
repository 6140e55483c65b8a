// The calculation sheet as caller and as child of a child-sheet call.
#include <utility>

#include "frame/ProfilingTimers.h"
#include "platform/core/FileOperations.h"
#include "platform/core/Tvx_Settings.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/dialogs/StartDlgStandardsSS.h"
#include "standards/engine/ChildCall.h"
#include "standards/engine/ChildCallChain.h"
#include "standards/engine/VtCalcSS.h"

namespace {

const Tvx_String kCallChild(L"CallChild");

// Walks the variable cells as a child binds them to a call's arguments: every
// Input and Output takes the next argument, Locals take none. visit(cell, k)
// gets each cell with its argument index k (that of the next Input or Output
// for a Local, whose own index counts it among the Locals met so far) and
// returns false to stop the walk.
template <typename Visit>
bool walkArguments(VtVarCells& cells, Visit visit) {
    int locals = 0;
    for (int index = 0; index < cells.length(); ++index) {
        VtVarCell& cell = cells[index];
        if (cell.isLocal())
            ++locals;
        if (!visit(cell, index - locals))
            return false;
    }
    return true;
}

}  // namespace

Tvx_String VtCalcSS::findChildFile(const Tvx_String& name) const {
    return ::findChildFile(name, fileName_, gSettings.libDir());
}

ErrorStatus VtCalcSS::calcNativeFunction(const Tvx_String& expression, const Tvx_String& name) {
    ChildCall call;
    if (!name.equal(kCallChild, false) || !parseChildCall(expression, name, call))
        return eInvalidInput;
    const Tvx_String childPath = findChildFile(call.childName);
    if (!ObjectExportFileExists(childPath))
        return eInvalidInput;
    VtVarCells arguments;
    for (const Tvx_String& argumentName : call.argumentNames) {
        int index = -1;
        if (varCells_.findVarCell(argumentName, index) != eOk)
            return eInvalidInput;
        VtVarCell argument = varCells_[index];
        argument.column = 0;
        argument.row = 0;
        arguments.append(std::move(argument));
    }
    if (sameSheetFile(childPath, fileName_))
        return eInvalidInput;
    ChildCallScope scope(fileName_, childPath);
    if (!scope.entered())
        return eInvalidInput;

    VtDlgStandardsData child;
    child.mode = 1;
    child.sheetName = childPath;
    child.varCells = std::move(arguments);
    child.genVarNames = genVarNames;
    child.genVarValues = genVarValues;
    if (!StartDlgStandardsSS(child))
        return eInvalidInput;

    // An argument of kind Output was copied from the caller's Output of that
    // name; only such arguments bring values back.
    for (int i = 0; i < child.varCells.length(); ++i) {
        const VtVarCell& returned = child.varCells[i];
        int index = -1;
        if (!returned.isOutput() || varCells_.findVarCell(returned.name, index) != eOk)
            continue;
        varCells_[index].setValueFromOther(*this, returned);
    }
    return eOk;
}

ErrorStatus VtCalcSS::initFromVars(VtDlgStandardsData& data) {
    gGetFromVars.start();
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    findVarCells();
    const VtVarCells& arguments = data.varCells;
    const bool bound = walkArguments(varCells_, [&](VtVarCell& cell, int k) {
        if (cell.isLocal() && cell.setNewValue(*this, Tvx_String()) != eOk)
            return false;
        if (k >= arguments.length())
            return false;
        if (cell.isLocal())
            return true;
        if (cell.isOutput() && arguments[k].isInput())
            return false;
        return cell.setNewValue(*this, arguments[k].value) == eOk;
    });
    if (!bound)
        return eInvalidInput;
    replaceGenVars();
    gGetFromVars.end();
    return eOk;
}

ErrorStatus VtCalcSS::calcToVars(VtVarCells& cells) {
    gCalcChild.start();
    if (calculate() != eOk)
        return eInvalidInput;
    gCalcChild.end();

    gSetToVars.start();
    const bool copied = walkArguments(varCells_, [&](VtVarCell& cell, int k) {
        if (!cell.isOutput())
            return true;
        if (k >= cells.length())
            return false;
        cells[k].value = cell.value;
        return true;
    });
    if (!copied)
        return eInvalidInput;
    gSetToVars.end();
    return eOk;
}

// The calculation sheet: one Calc cell, and variable names replaced by cell
// references.
#include <utility>

#include "frame/ProfilingTimers.h"
#include "platform/core/ArrayText.h"
#include "platform/core/TextHelpers.h"
#include "standards/engine/ReplaceWords.h"
#include "standards/engine/SheetAccess.h"
#include "standards/engine/StandardsWarnings.h"
#include "standards/engine/VtCalcSS.h"
#include "standards/functions/RegisterStandardsFunctions.h"

namespace {

// The sheet's own functions, found in an equation by name: index 0 calls a
// child sheet.
const Tvx_StringArray& nativeFunctions() {
    static const Tvx_StringArray names = {L"CallChild"};
    return names;
}

}  // namespace

void VtCalcSS::reportFailedEquation(const Tvx_String& target, const Tvx_String& expression,
                                    int row) {
    Tvx_String text(L"The following equation failed:\n");
    if (!target.isEmpty())
        text += target + Tvx_String(L" = ");
    text += expression + Tvx_String(L"\n") + Tvx_String(L"Spreadsheet : ") + fileName_ +
            Tvx_String(L" (line: ") + Tvx_String(row) + Tvx_String(L")\n") +
            Tvx_String(L"Here's a tip for finding the cause :\n") +
            Tvx_String(
                L"If this equation contains variable names, then the translator does not know "
                L"the value of the variable. Make sure the variable exists either in input, "
                L"output, local declarations or among the gen_ variables.");
    showStandardsWarning(text);
}

void VtCalcSS::collectReferences(Tvx_StringArray& names, Tvx_StringArray& references,
                                 FoldedNameIndex& firstByName) const {
    gCalcCellGetVarNames.start();
    names.removeAll();
    for (int i = 0; i < varCells_.length(); ++i)
        names.append(varCells_[i].name);
    gCalcCellGetVarNames.end();

    gCalcCellGetVarCoords.start();
    references.removeAll();
    // The first cell of each name, letter case ignored as findVarCell compares
    // names: the cell findVarCell would find, without a search per name.
    firstByName.clear();
    for (int i = 0; i < varCells_.length(); ++i)
        firstByName.add(varCells_[i].name.str(), i);
    for (const Tvx_String& name : names) {
        gCalcCellGetVarCoordName.start();
        const int index = firstByName.find(name.str());
        gCalcCellGetVarCoordName.end();
        references.append(getAlfabet(varCells_[index].column) + Tvx_String(varCells_[index].row));
    }
    gCalcCellGetVarCoords.end();
}

bool VtCalcSS::variablePlacesUnchanged() const {
    if (!referencePlaces_ || referencePlaces_->size() != static_cast<size_t>(varCells_.length()))
        return false;
    for (int i = 0; i < varCells_.length(); ++i) {
        const VariablePlace& kept = (*referencePlaces_)[static_cast<size_t>(i)];
        const VtVarCell& cell = varCells_[i];
        if (kept.column != cell.column || kept.row != cell.row || !(kept.name == cell.name))
            return false;
    }
    return true;
}

void VtCalcSS::buildReferences() {
    // A window evaluates the same sheet again and again: while every variable
    // keeps its name and cell, the replacer built last time is the same one.
    if (!variablePlacesUnchanged()) {
        Tvx_StringArray names;
        Tvx_StringArray references;
        collectReferences(names, references, variableIndex_);
        references_ = WordReplacer(names, references, false);
        replacedExpressions_.clear();
        std::vector<VariablePlace> places;
        places.reserve(static_cast<size_t>(varCells_.length()));
        for (int i = 0; i < varCells_.length(); ++i)
            places.push_back({varCells_[i].name, varCells_[i].column, varCells_[i].row});
        referencePlaces_ = std::move(places);
    }
    referencesValid_ = true;
}

ErrorStatus VtCalcSS::replaceVariables(Tvx_String& expression) {
    if (referencesValid_) {
        gCalcCellReplaceVariables.start();
        if (replacedExpressions_.size() >= kMaxReplacedExpressions)
            replacedExpressions_.clear();
        const auto [kept, added] = replacedExpressions_.try_emplace(expression.str());
        if (added) {
            references_.replace(expression);
            kept->second = expression.str();
        } else {
            expression.str().assign(kept->second);
        }
        gCalcCellReplaceVariables.end();
        return eOk;
    }
    Tvx_StringArray names;
    Tvx_StringArray references;
    FoldedNameIndex firstByName;
    collectReferences(names, references, firstByName);
    gCalcCellReplaceVariables.start();
    replaceWords(expression, names, references, false);
    gCalcCellReplaceVariables.end();
    return eOk;
}

ErrorStatus VtCalcSS::calcCell(int column, int row) {
    Tvx_String& text = equation_.text;
    if (!getCellText(column, row, text, kValueText) || text.isEmpty())
        return eInvalidInput;

    gCalcCellSplitSymbol.start();
    Tvx_String& target = equation_.target;
    Tvx_String& expression = equation_.expression;
    if (!splitStringAtSymbol(text, L'=', target, expression, true)) {
        std::swap(expression, target);
        target.clear();
    }
    gCalcCellSplitSymbol.end();

    gCalcCellFindVarCell.start();
    int targetIndex = -1;
    if (!target.isEmpty() && referencesValid_)
        targetIndex = variableIndex_.find(target.str());
    else if (!target.isEmpty())
        varCells_.findVarCell(target, targetIndex);
    gCalcCellFindVarCell.end();

    gCalcCellFindFunctions.start();
    int function = -1;
    const bool callsNative = hasASubstr(expression, nativeFunctions(), false, function);
    gCalcCellFindFunctions.end();
    if (callsNative) {
        gCalcCellCalcNativeFunctions.start();
        if (calcNativeFunction(expression, nativeFunctions()[function]) != eOk) {
            reportFailedEquation(target, expression, row);
            return eInvalidInput;
        }
        gCalcCellCalcNativeFunctions.end();
        return eOk;
    }
    if (targetIndex < 0) {
        reportFailedEquation(target, expression, row);
        return eInvalidInput;
    }

    gCalcCellCalcFunctionsPrepare.start();
    if (varCells_[targetIndex].valueType == eValueString)
        setTextCellType(*this, column, row, kEquationTextMaxLength, kEquationTextStyle);
    else
        setNumberCellType(*this, column, row, kDoubleDecimals);
    replaceVariables(expression);
    gCalcCellCalcFunctionsPrepare.end();
    if (!setCellFormula(*this, column, row, expression)) {
        reportFailedEquation(target, expression, row);
        return eInvalidInput;
    }

    gCalcCellCalcFunctions.start();
    Tvx_String& value = equation_.value;
    if (!getCellText(column, row, value, kValueText) || cellHoldsError(*this, column, row)) {
        reportFailedEquation(target, expression, row);
        return eInvalidInput;
    }
    if (varCells_[targetIndex].setNewValue(*this, value) != eOk)
        return eInvalidInput;
    gCalcCellCalcFunctions.end();
    return eOk;
}

ErrorStatus VtCalcSS::registerFunctions() {
    return registerStandardsFunctions(*this) ? eOk : eInvalidInput;
}

// The calculation sheet: loading, finding the declarations, the two halves of
// an evaluation against a macro, the general variables and the Calc loop.
#include "standards/engine/VtCalcSS.h"

#include <utility>

#include "frame/ProfilingTimers.h"
#include "platform/core/ArrayText.h"
#include "platform/core/FileOperations.h"
#include "platform/core/TextHelpers.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/ui/MessageBox.h"
#include "standards/VtDlgStandardsData.h"
#include "standards/engine/ReplaceWords.h"
#include "standards/engine/SheetAccess.h"

namespace {

// Grid options switched while a standards sheet is loaded (the grid's
// numbering): clipboard keys and typed formulas on, automatic recalculation
// and redraw off, so that each equation is computed once, when it is set.
constexpr int kOptionsOn[] = {13, 12};
constexpr int kOptionsOff[] = {8, 7};

constexpr SheetSection kDeclarationSections[] = {SheetSection::Input, SheetSection::Output,
                                                 SheetSection::Local};

const wchar_t* const kDuplicatesCaption = L"Variable names must be unique";

}  // namespace

VtCalcSS::~VtCalcSS() = default;

VtCalcSS::VtCalcSS(const VtCalcSS& other)
    : Tvx_Spread(),
      genVarNames(other.genVarNames),
      genVarValues(other.genVarValues),
      fileName_(other.fileName_),
      varCells_(other.varCells_) {}

ErrorStatus VtCalcSS::loadFile(const Tvx_String& name) {
    const Tvx_String path = ObjectExportFileExists(name)
                                ? name
                                : gSettings.libDir() + Tvx_String(L"Connection Standards\\") +
                                      name + Tvx_String(L".vts");
    for (int option : kOptionsOn)
        SetBool(option, TRUE);
    for (int option : kOptionsOff)
        SetBool(option, FALSE);
    if (!LoadFromFile(path))
        return eInvalidInput;
    fileName_ = path;
    return eOk;
}

SheetSections VtCalcSS::findSections(std::vector<Tvx_String>* scanned) {
    SheetSections sections;
    const int rows = getMaxRows();
    const int columns = getMaxCols();
    int found = 0;
    Tvx_String text;
    // The scanned texts are written over those of the last scan, keeping
    // their room.
    size_t scannedCount = 0;
    for (int row = 1; row <= rows && found < 4; ++row) {
        for (int column = 1; column <= columns; ++column) {
            Tvx_String* cellText = &text;
            if (scanned) {
                if (scannedCount == scanned->size())
                    scanned->emplace_back();
                cellText = &(*scanned)[scannedCount++];
            }
            if (!getCellText(column, row, *cellText, kValueText) || cellText->isEmpty())
                continue;
            const std::optional<SheetSection> section = sectionOfHeader(cellText->str());
            if (section && !sections.hasHeader(*section)) {
                sections.setHeaderRow(*section, row);
                ++found;
            }
        }
    }
    if (scanned)
        scanned->resize(scannedCount);
    return sections;
}

ErrorStatus VtCalcSS::findVarCells() {
    varCells_.resetVarCells();
    referencesValid_ = false;
    const int lastRow = getMaxRows();
    const int lastColumn = getMaxCols();
    // Each cell is read once: the rows read while looking for the headers
    // give their texts to the declarations found in them.
    std::vector<Tvx_String>& scanned = scannedTexts_;
    const SheetSections sections = findSections(&scanned);
    const int scannedRows = lastColumn > 0 ? static_cast<int>(scanned.size()) / lastColumn : 0;
    Tvx_String text;
    for (SheetSection section : kDeclarationSections) {
        int firstRow = 0;
        int endRow = 0;
        if (!sections.sectionRows(section, lastRow, firstRow, endRow)) {
            if (section == SheetSection::Local)
                continue;
            return eInvalidInput;
        }
        const VtCellType kind = static_cast<VtCellType>(section);
        for (int row = firstRow; row <= endRow; ++row) {
            for (int column = 1; column <= lastColumn; ++column) {
                const Tvx_String* cellText = &text;
                if (row <= scannedRows)
                    cellText = &scanned[static_cast<size_t>((row - 1) * lastColumn + column - 1)];
                else if (!getCellText(column, row, text, kValueText))
                    continue;
                VtVarCell cell;
                if (cell.declare(*cellText, column, row, kind) == eOk)
                    varCells_.append(std::move(cell));
            }
        }
    }
    return eOk;
}

ErrorStatus VtCalcSS::initFromMacro(VtDlgStandardsData& data) {
    if (!data.dbMacro || !data.transaction)
        return eInvalidInput;
    gInitSSForInput.start();
    genVarNames = data.genVarNames;
    genVarValues = data.genVarValues;
    if (findVarCells() != eOk)
        return eInvalidInput;
    gInitSSForInput.end();

    gSSSGetFromMacro.start();
    if (varCells_.getFromMacro(data) != eOk)
        return eInvalidInput;
    gSSSGetFromMacro.end();

    gSetMacroValuelsToSS.start();
    if (varCells_.setValuesToSS(*this) != eOk)
        return eInvalidInput;
    gSetMacroValuelsToSS.end();

    gSSSreplaceGenVars.start();
    replaceGenVars();
    gSSSreplaceGenVars.end();
    return eOk;
}

ErrorStatus VtCalcSS::calcToMacro(VtDlgStandardsData& data) {
    gCalcMain.start();
    if (calculate() != eOk || varCells_.getValuesFromSS(*this) != eOk)
        return eInvalidInput;
    gCalcMain.end();

    gSetToMacro.start();
    varCells_.setToMacro(data);
    gSetToMacro.end();
    return eOk;
}

ErrorStatus VtCalcSS::replaceGenVars() {
    const WordReplacer generalVariables(genVarNames, genVarValues, true);
    if (generalVariables.isEmpty())
        return eOk;
    const int columns = getMaxCols();
    const int rows = getMaxRows();
    Tvx_String text;
    for (int column = 1; column <= columns; ++column) {
        for (int row = 1; row <= rows; ++row) {
            if (getCellText(column, row, text, kValueText) && generalVariables.replace(text))
                setCellText(column, row, text);
        }
    }
    return eOk;
}

void VtCalcSS::removeDuplicateVariables() {
    // The names of the last calculation held no name twice; while they stay
    // the same there is nothing to look for.
    if (variablePlacesUnchanged())
        return;
    FoldedNameIndex seen;
    bool unique = true;
    for (int i = 0; i < varCells_.length() && unique; ++i)
        unique = seen.add(varCells_[i].name.str(), i);
    if (unique)
        return;
    Tvx_StringArray names;
    for (int i = 0; i < varCells_.length(); ++i)
        names.append(varCells_[i].name);
    Tvx_StringArray duplicates;
    hasDuplicates(names, duplicates);
    ::MessageBox(GetSafeHwnd(),
                 Tvx_String(L"There were duplicate variable names found in the standards file ") +
                     fileName_ +
                     Tvx_String(L".\nThe duplicates will be ignored. Please correct this file.\n") +
                     Tvx_String(L"Duplicate variable names:\n\n") + arrToStr(duplicates, L'\n'),
                 Tvx_String(kDuplicatesCaption), MB_ICONEXCLAMATION | MB_OK);
    const Tvx_IntArray indices = getDuplicates(names);
    for (int i = indices.length() - 1; i >= 0; --i)
        varCells_.removeAt(indices[i]);
    referencesValid_ = false;
}

ErrorStatus VtCalcSS::calculate() {
    gRegisterFuntions.start();
    registerFunctions();
    gRegisterFuntions.end();

    gFindDuplicates.start();
    removeDuplicateVariables();
    gFindDuplicates.end();

    gCalcCells.start();
    const SheetSections sections = findSections();
    if (!sections.hasHeader(SheetSection::Calc))
        return eInvalidInput;
    buildReferences();
    const int rows = getMaxRows();
    const int columns = getMaxCols();
    for (int row = sections.headerRow(SheetSection::Calc) + 1; row <= rows; ++row) {
        for (int column = 1; column <= columns; ++column)
            calcCell(column, row);
    }
    referencesValid_ = false;
    gCalcCells.end();
    return eOk;
}

// Variable cells: declarations read from a sheet, values moved between the
// macro, the list and the sheet, and the list's searches.
#include "standards/engine/VtVarCells.h"

#include <gtest/gtest.h>

#include "standards/VtDlgStandardsData.h"
#include "standards/engine/EvaluationFixture.h"
#include "standards/engine/SheetWindow.h"

namespace {

using standardstest::EvaluationTest;
using standardstest::MessageBoxRecorder;
using standardstest::SheetWindow;

VtVarCell variable(const wchar_t* name, int kind, int valueType, const wchar_t* value,
                   int column = 0, int row = 0) {
    VtVarCell cell;
    cell.name = name;
    cell.cellType = kind;
    cell.valueType = valueType;
    cell.value = value;
    cell.column = column;
    cell.row = row;
    return cell;
}

TEST(VtVarCell, InitializeReadsTheDeclarationOfACell) {
    SheetWindow window(3, 4);
    Tvx_Spread& sheet = window.sheet();
    sheet.setCellText(1, 1, L"  String Profile Name");
    sheet.setCellText(2, 1, L"Double");
    sheet.setCellText(3, 1, L"Input");
    sheet.setCellText(1, 2, L"Integer X");

    VtVarCell cell;
    ASSERT_EQ(cell.initialize(sheet, 1, 1, eCellOutput), eOk);
    EXPECT_EQ(cell.name, Tvx_String(L"Profile Name"));
    EXPECT_EQ(cell.valueType, eValueString);
    EXPECT_EQ(cell.cellType, eCellOutput);
    EXPECT_EQ(cell.column, 1);
    EXPECT_EQ(cell.row, 1);
    ASSERT_EQ(cell.initialize(sheet, 2, 1, eCellLocal), eOk);
    EXPECT_EQ(cell.name, Tvx_String());
    EXPECT_EQ(cell.valueType, eValueDouble);
    ASSERT_EQ(cell.initialize(sheet, 1, 2, eCellInput), eOk);
    EXPECT_EQ(cell.valueType, eValueInt);
    EXPECT_EQ(cell.name, Tvx_String(L"X"));

    // A header declares nothing; the name holds what was read.
    EXPECT_EQ(cell.initialize(sheet, 3, 1, eCellInput), eInvalidInput);
    EXPECT_EQ(cell.name, Tvx_String(L"Input"));
    EXPECT_EQ(cell.row, 2);
    EXPECT_EQ(cell.initialize(sheet, 4, 1, eCellInput), eInvalidInput);
    EXPECT_EQ(cell.initialize(sheet, 1, 9, eCellInput), eInvalidInput);
}

TEST(VtVarCell, ValuesAreWrittenWithTheCellTypeOfTheirValueType) {
    SheetWindow window(3, 1);
    Tvx_Spread& sheet = window.sheet();
    VtVarCells cells;
    cells.append(variable(L"Rows", eCellInput, eValueInt, L"12", 1, 1));
    cells.append(variable(L"Width", eCellOutput, eValueDouble, L"2.5", 2, 1));
    cells.append(variable(L"Section", eCellLocal, eValueString, L"HEA-200", 3, 1));
    ASSERT_EQ(cells.setValuesToSS(sheet), eOk);
    EXPECT_EQ(sheet.getCellType(1, 1), 10);
    EXPECT_EQ(sheet.getCellType(2, 1), 14);
    EXPECT_EQ(sheet.getCellType(3, 1), 1);
    EXPECT_EQ(window.value(3, 1), Tvx_String(L"HEA-200"));
    double width = 0;
    ASSERT_TRUE(sheet.getCellDouble(2, 1, width));
    EXPECT_DOUBLE_EQ(width, 2.5);

    // A cell outside the sheet stops the writing there.
    cells.append(variable(L"Far", eCellLocal, eValueDouble, L"1", 9, 9));
    EXPECT_EQ(cells.setValuesToSS(sheet), eInvalidInput);
}

TEST(VtVarCell, OnlyOutputsAreReadBackFromTheSheet) {
    SheetWindow window(2, 2);
    Tvx_Spread& sheet = window.sheet();
    sheet.setCellText(1, 1, L"new input");
    sheet.setCellText(2, 1, L"new output");
    VtVarCells cells;
    cells.append(variable(L"In", eCellInput, eValueString, L"old", 1, 1));
    cells.append(variable(L"Out", eCellOutput, eValueString, L"old", 2, 1));
    ASSERT_EQ(cells.getValuesFromSS(sheet), eOk);
    EXPECT_EQ(cells[0].value, Tvx_String(L"old"));
    EXPECT_EQ(cells[1].value, Tvx_String(L"new output"));
    cells.append(variable(L"Lost", eCellOutput, eValueString, L"old", 5, 5));
    EXPECT_EQ(cells.getValuesFromSS(sheet), eInvalidInput);
}

TEST(VtVarCells, FindAndCompareInputs) {
    VtVarCells cells;
    cells.append(variable(L"Width", eCellInput, eValueDouble, L"10"));
    cells.append(variable(L"WIDTH", eCellLocal, eValueDouble, L"20"));
    cells.append(variable(L"Out", eCellOutput, eValueDouble, L"1"));
    int index = -1;
    ASSERT_EQ(cells.findVarCell(L"width", index), eOk);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(cells.findVarCell(L"Nothing", index), eInvalidInput);
    EXPECT_EQ(index, -1);

    VtVarCells other;
    other.append(variable(L"width", eCellOutput, eValueDouble, L"10"));
    EXPECT_TRUE(cells.hasSameInput(cells));
    EXPECT_TRUE(cells.hasSameInput(other));
    other[0].value = L"10.0";
    EXPECT_FALSE(cells.hasSameInput(other));
    other[0].value = L"10";
    other[0].valueType = eValueInt;
    EXPECT_FALSE(cells.hasSameInput(other));
    EXPECT_FALSE(cells.hasSameInput(VtVarCells()));
    VtVarCells noInputs;
    noInputs.append(variable(L"Out", eCellOutput, eValueDouble, L"3"));
    EXPECT_TRUE(noInputs.hasSameInput(VtVarCells()));
}

TEST_F(EvaluationTest, GetFromMacroReadsInputsAndOutputsAndEmptiesLocals) {
    VtVarCells cells;
    cells.append(variable(L"Thickness", eCellInput, eValueDouble, L"old"));
    cells.append(variable(L"Width", eCellOutput, eValueDouble, L"old"));
    cells.append(variable(L"Tmp", eCellLocal, eValueDouble, L"old"));
    VtDlgStandardsData data = block(L"Sheet", L"Module.Plate");
    ASSERT_EQ(cells.getFromMacro(data), eOk);
    EXPECT_DOUBLE_EQ(numtext::parseLeadingDouble(cells[0].value.str()), 10);
    EXPECT_DOUBLE_EQ(numtext::parseLeadingDouble(cells[1].value.str()), 0);
    EXPECT_EQ(cells[2].value, Tvx_String());

    cells[1].value = L"42";
    cells[0].value = L"99";
    ASSERT_EQ(cells.setToMacro(data), eOk);
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 42);
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Thickness"), 10) << "Inputs are not written";
}

TEST_F(EvaluationTest, GetFromMacroWithAGroupButNoMacroStillRuns) {
    VtVarCells cells;
    cells.append(variable(L"Thickness", eCellInput, eValueDouble, L"old"));
    cells.append(variable(L"Width", eCellOutput, eValueDouble, L"old"));
    cells.append(variable(L"Tmp", eCellLocal, eValueDouble, L"old"));
    VtDlgStandardsData data = block(L"Sheet", L"Module.Plate");
    data.dbMacro = nullptr;
    gSettings.setStandardsWarnings(true);
    MessageBoxRecorder boxes;
    ASSERT_EQ(cells.getFromMacro(data), eOk);
    EXPECT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(cells[0].value, Tvx_String(L"old"));
    EXPECT_EQ(cells[2].value, Tvx_String());
    // Without a group and without a macro there is nothing to bind to.
    data.moduleGroup = Tvx_String();
    EXPECT_EQ(cells.getFromMacro(data), eInvalidInput);
}

TEST_F(EvaluationTest, AMappingThatCannotBeBoundReadsNothing) {
    library.write("Connection Standards/Sheet.map", "Mapping version 1.0\nOther=\n");
    VtVarCells cells;
    cells.append(variable(L"Thickness", eCellInput, eValueDouble, L"old"));
    cells.append(variable(L"Tmp", eCellLocal, eValueDouble, L"old"));
    VtDlgStandardsData data = block(L"Sheet", L"Missing");
    ASSERT_EQ(cells.getFromMacro(data), eOk);
    EXPECT_EQ(cells[0].value, Tvx_String(L"old"));
    EXPECT_EQ(cells[1].value, Tvx_String(L"old"));
}

}  // namespace

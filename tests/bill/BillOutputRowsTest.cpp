// Rows into the editor's sheet: growth in steps of 100, rows wider and
// narrower than the columns, the column kinds, and subtotals.
#include <gtest/gtest.h>

#include <vector>

#include "BillTestSupport.h"
#include "platform/ui/gdi/GdiHandles.h"

namespace billtest {
namespace {

using RowsTest = BillOutputTest;

TEST_F(RowsTest, InitOpensTheEditorWithOneColumnPerNameInTheHeaderRow) {
    VtSSBillOutput output;
    EXPECT_EQ(output.getSSPointer(), nullptr);
    open(output, {L"Mark", L"Count", L"Length"}, {3, 1, 2});
    const Tvx_Spread& sheet = *output.getSSPointer();
    EXPECT_EQ(sheet.getMaxCols(), 3);
    EXPECT_EQ(cellText(sheet, 1, 0), "Mark");
    EXPECT_EQ(cellText(sheet, 3, 0), "Length");
    EXPECT_EQ(sheet.GetGridType(), grid::kGridTypeBits);
    COLORREF gridColour = 0;
    sheet.GetGridColor(gridColour);
    EXPECT_EQ(gridColour, RGB(50, 50, 50));
    EXPECT_EQ(output.row(), 0);
}

TEST_F(RowsTest, TwoHundredFiftyRowsGrowTheSheetByHundredsAndEndWithExactlyThem) {
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count"}, {3, 1});
    Tvx_Spread& sheet = *output.getSSPointer();
    ASSERT_EQ(sheet.getMaxRows(), 11) << "the editor's fresh sheet";
    std::vector<int> countsSeen;
    for (int i = 1; i <= 250; ++i) {
        ASSERT_EQ(output.onAddRow({Tvx_String(L"P") + Tvx_String(i), Tvx_String(i)}), eOk);
        if (countsSeen.empty() || countsSeen.back() != sheet.getMaxRows())
            countsSeen.push_back(sheet.getMaxRows());
    }
    EXPECT_EQ(countsSeen, (std::vector<int>{11, 112, 213, 314}));
    EXPECT_EQ(cellText(sheet, 2, 251), "") << "new rows start empty";
    ASSERT_EQ(output.onEndFeed(), eOk);
    EXPECT_EQ(sheet.getMaxRows(), 250);
    EXPECT_EQ(output.row(), 250);
    EXPECT_EQ(cellText(sheet, 1, 1), "P1");
    EXPECT_EQ(cellText(sheet, 1, 250), "P250");
    EXPECT_EQ(cellText(sheet, 2, 250), "250");
}

TEST_F(RowsTest, RowsWiderWidenTheSheetAndNarrowerLeaveTheirOtherCellsEmpty) {
    struct Case {
        const char* name;
        Tvx_StringArray values;
        int columns;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"as wide", {L"a", L"b", L"c"}, 3, {"a", "b", "c"}},
        {"wider", {L"a", L"b", L"c", L"d", L"e"}, 5, {"a", "b", "c", "d", "e"}},
        {"narrower", {L"a"}, 3, {"a", "", ""}},
        {"empty", {}, 3, {"", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VtSSBillOutput output;
        open(output, {L"A", L"B", L"C"}, {3, 3, 3});
        ASSERT_EQ(output.onAddRow(c.values), eOk);
        const Tvx_Spread& sheet = *output.getSSPointer();
        EXPECT_EQ(sheet.getMaxCols(), c.columns);
        EXPECT_EQ(rowTexts(sheet, 1), c.texts);
        EXPECT_EQ(cellText(sheet, 3, 0), "C") << "the names stay";
    }
}

TEST_F(RowsTest, ColumnKindsGiveTheCellsTheirTypes) {
    VtSSBillOutput output;
    open(output, {L"Count", L"Weight", L"Mark", L"Note", L"Extra"}, {1, 2, 3, 7});
    ASSERT_EQ(output.onAddRow({L"12", L"3.46", L"007", L"4.5", L"x"}), eOk);
    const Tvx_Spread& sheet = *output.getSSPointer();
    struct Case {
        int column;
        int typeCode;
        const char* text;
    };
    const Case cases[] = {
        {1, 10, "12"},   // whole number
        {2, 14, "3.5"},  // one decimal
        {3, 1, "007"},   // text stays text
        {4, 16, "4.5"},  // no type: the general type holding a number
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column);
        EXPECT_EQ(sheet.getCellType(c.column, 1), c.typeCode);
        EXPECT_EQ(cellText(sheet, c.column, 1), c.text);
    }
    EXPECT_EQ(cellText(sheet, 5, 1), "x") << "a column without a kind keeps its value";
}

TEST_F(RowsTest, TextCellsHoldAtMostTwoHundredCharacters) {
    VtSSBillOutput output;
    open(output, {L"Note"}, {3});
    const Tvx_String fits(std::wstring(200, L'x'));
    ASSERT_EQ(output.onAddRow({fits}), eOk);
    SS_CELLTYPE type;
    ASSERT_TRUE(output.getSSPointer()->GetCellTypeInfo(1, 1, type));
    EXPECT_EQ(type.maxLength, 200);
    EXPECT_EQ(cellText(*output.getSSPointer(), 1, 1).size(), 200u);
}

TEST_F(RowsTest, SubtotalsMarkTheirNonEmptyCellsWithBorderAndColour) {
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count", L"Weight"}, {3, 1, 2});
    ASSERT_EQ(output.onAddRow({L"P1", L"2", L"10.5"}), eOk);
    ASSERT_EQ(output.onAddSubTotals({L"", L"2", L"10.5"}, {1, 2}, false, 1), eOk);
    ASSERT_EQ(output.onAddRow({L"P2", L"1", L"4"}), eOk);
    const Tvx_Spread& sheet = *output.getSSPointer();
    const COLORREF light = RGB(164, 209, 255);
    for (unsigned edge : {SS_BORDER_LEFT, SS_BORDER_RIGHT, SS_BORDER_TOP, SS_BORDER_BOTTOM}) {
        SCOPED_TRACE(edge);
        EXPECT_EQ(borderStyle(sheet, 2, 2, edge), 1);
        EXPECT_EQ(borderStyle(sheet, 3, 2, edge), 1);
        EXPECT_EQ(borderStyle(sheet, 2, 3, edge), 0) << "the next row has none";
    }
    EXPECT_EQ(borderStyle(sheet, 1, 2, SS_BORDER_TOP), 0) << "an empty cell stays plain";
    EXPECT_EQ(background(sheet, 2, 2), light);
    EXPECT_EQ(background(sheet, 3, 2), light);
    EXPECT_NE(background(sheet, 1, 2), light);
    EXPECT_EQ(background(sheet, 2, 3), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(rowTexts(sheet, 2), (std::vector<std::string>{"", "2", "10.5"}));
}

TEST_F(RowsTest, RowsCopiedFromASubtotalWhenTheSheetGrowsLoseItsMarks) {
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count"}, {3, 1});
    Tvx_Spread& sheet = *output.getSSPointer();
    const int initialRows = sheet.getMaxRows();
    for (int i = 1; i < initialRows; ++i)
        ASSERT_EQ(output.onAddRow({L"P", L"1"}), eOk);
    ASSERT_EQ(output.onAddSubTotals({L"", L"10"}, {1}, true, 10), eOk);
    ASSERT_EQ(output.onAddRow({L"Q", L"3"}), eOk);
    EXPECT_GT(sheet.getMaxRows(), initialRows);
    EXPECT_EQ(background(sheet, 2, initialRows + 1), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(borderStyle(sheet, 2, initialRows + 1, SS_BORDER_TOP), 0);
}

TEST_F(RowsTest, WithoutInitEveryRowFails) {
    VtSSBillOutput output;
    EXPECT_EQ(output.onAddRow({L"a"}), eInvalidInput);
    EXPECT_EQ(output.onAddSubTotals({L"a"}, {}, false, 0), eInvalidInput);
    EXPECT_EQ(output.onEndFeed(), eInvalidInput);
    EXPECT_FALSE(output.addRow({L"a"}, Tvx_String()));
}

}  // namespace
}  // namespace billtest

// Tvx_Spread's widths and heights: fitted to texts, stretched, the column
// layouts applied at once and after a resize; merged runs of equal cells and
// locks; and the same layouts as free functions over any grid window.
#include <gtest/gtest.h>

#include "GridTestDialog.h"
#include "platform/ui/gdi/FontMetric.h"
#include "spread/SpreadFunctions.h"
#include "spread/Tvx_Spread.h"

namespace {

using spreadtest::GridTestDialog;
using spreadtest::kGridPlaceholder;

class SpreadLayoutTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sheet.attachToDlgItem(&dialog, kGridPlaceholder, true));
        sheet.setMaxCols(3);
        sheet.setMaxRows(4);
    }
    std::vector<int> widths() {
        std::vector<int> result;
        for (int column = 1; column <= sheet.getMaxCols(); ++column)
            result.push_back(sheet.GetColWidth(column));
        return result;
    }
    int usableWidth() { return spread::layoutClientWidth(sheet); }
    int extent(const wchar_t* text, int weight = 400) {
        return textExtent(TextFont{L"Tahoma", 15, weight}, text).cx;
    }
    GridTestDialog dialog;
    Tvx_Spread sheet;
};

TEST_F(SpreadLayoutTest, ColumnFitsItsWidestTextHeaderIncluded) {
    sheet.setColumn(1, Tvx_StringArray{L"ab", L"a much longer text", L"x"});
    sheet.SetData(1, 0, L"Head");
    ASSERT_TRUE(sheet.setColumnWidthToText(1));
    EXPECT_EQ(sheet.GetColWidth(1), extent(L"a much longer text"));

    SS_CELLTYPE staticText;
    sheet.SetTypeStaticText(&staticText, 0);
    sheet.SetCellType(1, 2, &staticText);
    ASSERT_TRUE(sheet.setColumnWidthToText(1, true));
    EXPECT_EQ(sheet.GetColWidth(1), extent(L"Head", 700));
    EXPECT_FALSE(sheet.setColumnWidthToText(4));
}

TEST_F(SpreadLayoutTest, RowFitsItsHighestText) {
    sheet.setCellText(2, 2, L"one\ntwo\nthree");
    ASSERT_TRUE(sheet.setRowHeightToText(2));
    EXPECT_EQ(sheet.GetRowHeight(2), 45);
    EXPECT_FALSE(sheet.setRowHeightToText(5));
}

TEST_F(SpreadLayoutTest, StretchGivesTheFreeWidthToOneColumn) {
    sheet.SetBool(grid::kOptionRowHeaders, FALSE);
    for (int column = 1; column <= 3; ++column)
        sheet.SetColWidth(column, 50);
    ASSERT_TRUE(sheet.stretchColumn(2));
    EXPECT_EQ(widths(), (std::vector<int>{50, usableWidth() - 100, 50}));
    EXPECT_FALSE(sheet.stretchColumn(1));  // nothing left free
}

TEST_F(SpreadLayoutTest, LayoutsApplyAtOnceAndAfterEveryResize) {
    sheet.SetBool(grid::kOptionRowHeaders, FALSE);
    ASSERT_TRUE(sheet.setLayout(1));
    const int third = usableWidth() / 3;
    EXPECT_EQ(widths(), (std::vector<int>{third, third, third}));

    CRect rect;
    sheet.GetWindowRect(&rect);
    sheet.SetWindowPos(nullptr, 0, 0, rect.Width() + 90, rect.Height(), SWP_NOMOVE | SWP_NOZORDER);
    const int wider = usableWidth() / 3;
    EXPECT_EQ(widths(), (std::vector<int>{wider, wider, wider}));

    ASSERT_TRUE(sheet.setLayout(4, 2, 40));
    const int rest = (usableWidth() - 40) / 2;
    EXPECT_EQ(widths(), (std::vector<int>{rest, 40, rest}));

    ASSERT_TRUE(sheet.setLayout(3, -1, 50));
    EXPECT_EQ(sheet.GetColWidth(3), usableWidth() / 2);

    sheet.setLayoutColumns(Tvx_IntArray{1, 3}, Tvx_IntArray{30, 60});
    ASSERT_TRUE(sheet.setLayout(5));
    EXPECT_EQ(widths(), (std::vector<int>{30, usableWidth() - 90, 60}));

    EXPECT_FALSE(sheet.setLayout(6));
    EXPECT_EQ(sheet.layoutMode(), 5);
}

TEST_F(SpreadLayoutTest, EqualLayoutCountsTheShownHeaderColumn) {
    sheet.SetBool(grid::kOptionRowHeaders, TRUE);
    ASSERT_TRUE(sheet.setLayout(1));
    const int quarter = usableWidth() / 4;
    EXPECT_EQ(sheet.GetColWidth(0), quarter);
    EXPECT_EQ(widths(), (std::vector<int>{quarter, quarter, quarter}));

    sheet.SetColWidth(0, 20);
    ASSERT_TRUE(sheet.setLayout(4, 1, 100));
    EXPECT_EQ(widths()[1], (usableWidth() - 20 - 100) / 2);
}

TEST_F(SpreadLayoutTest, FittedLayoutFollowsTheTexts) {
    sheet.setCellText(3, 1, L"wide text here");
    ASSERT_TRUE(sheet.setLayout(2));
    EXPECT_EQ(sheet.GetColWidth(3), extent(L"wide text here"));
}

TEST_F(SpreadLayoutTest, EqualValuesMergeIntoSpansUpToTheLastRow) {
    sheet.setColumn(1, Tvx_StringArray{L"A", L"A", L"B", L"B"});
    sheet.AddCellSpan(1, 1, 2, 1);  // an older span touching the column
    ASSERT_TRUE(sheet.mergeEqualCells(1));
    SS_COORD anchorColumn = 0, anchorRow = 0, columns = 0, rows = 0;
    ASSERT_TRUE(sheet.GetCellSpan(1, 2, anchorColumn, anchorRow, columns, rows));
    EXPECT_EQ(std::vector<int>({anchorColumn, anchorRow, columns, rows}),
              std::vector<int>({1, 1, 1, 2}));
    ASSERT_TRUE(sheet.GetCellSpan(1, 4, anchorColumn, anchorRow, columns, rows));
    EXPECT_EQ(std::vector<int>({anchorRow, rows}), std::vector<int>({3, 2}));
    EXPECT_FALSE(sheet.GetCellSpan(2, 1, anchorColumn, anchorRow, columns, rows));
}

TEST_F(SpreadLayoutTest, EmptyAndSingleCellsAreNotMerged) {
    sheet.setColumn(2, Tvx_StringArray{L"", L"", L"x", L"y"});
    ASSERT_TRUE(sheet.mergeEqualCells(2));
    SS_COORD anchorColumn = 0, anchorRow = 0, columns = 0, rows = 0;
    for (int row = 1; row <= 4; ++row)
        EXPECT_FALSE(sheet.GetCellSpan(2, row, anchorColumn, anchorRow, columns, rows));
    EXPECT_FALSE(sheet.mergeEqualCells(0));
}

TEST_F(SpreadLayoutTest, LockColumnAndCell) {
    ASSERT_TRUE(sheet.lockColumn(2, true));
    BOOL locked = FALSE;
    sheet.GetLock(2, 4, locked);
    EXPECT_TRUE(locked);
    ASSERT_TRUE(sheet.lockCell(2, 4, false));
    sheet.GetLock(2, 4, locked);
    EXPECT_FALSE(locked);
    EXPECT_FALSE(sheet.lockColumn(9, true));
}

TEST_F(SpreadLayoutTest, FreeFunctionsWorkOnAPlainGridWindow) {
    TSpread& plain = sheet;
    ASSERT_TRUE(spread::setBlockFont(plain, 1, 1, 2, 2, L"Arial", 11, true, true));
    SS_FONT font;
    plain.GetFont(2, 2, font);
    EXPECT_EQ(font, (SS_FONT{L"Arial", 11, 700}));
    SS_TEXTTIP tip;
    plain.GetTextTip(tip);
    EXPECT_EQ(tip.font, font);

    ASSERT_TRUE(spread::setBlockTextType(plain, 1, 1, 1, 4));
    SS_CELLTYPE type;
    plain.GetCellTypeInfo(1, 3, type);
    EXPECT_EQ(type.maxLength, 100);
    EXPECT_EQ(plain.GetCellType(1, 3), 1);

    ASSERT_TRUE(spread::setColumnComboType(plain, 3, L"Bolt\tNut\tWasher"));
    EXPECT_EQ(plain.GetCellType(3, 4), 2);
    EXPECT_TRUE(plain.SetData(3, 1, L"Nut"));
    EXPECT_FALSE(plain.SetData(3, 1, L"Screw"));

    Tvx_String text;
    EXPECT_TRUE(spread::getCellText(plain, 3, 1, text, 0));
    EXPECT_EQ(text.str(), L"Nut");
    EXPECT_FALSE(spread::getCellText(plain, 3, 9, text, 0));
    EXPECT_TRUE(text.isEmpty());

    TSpread none;
    EXPECT_FALSE(spread::layoutEqualColumns(none));
    EXPECT_FALSE(spread::setBlockTextType(none, 1, 1, 1, 1));
}

}  // namespace

// Tvx_Spread: attaching, the house style, sheet size and fonts, cells and the
// transfers of whole columns and rows.
#include <gtest/gtest.h>

#include <functional>

#include "GridTestDialog.h"
#include "spread/Tvx_Spread.h"

namespace {

using spreadtest::GridTestDialog;
using spreadtest::kGridPlaceholder;

class SpreadTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(sheet.attachToDlgItem(&dialog, kGridPlaceholder, true)); }
    CRect placeholderRect(int id) {
        CRect rect;
        dialog.GetDlgItem(id)->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        return rect;
    }
    Tvx_String text(int column, int row, int kind = Tvx_Spread::kDisplayText) {
        Tvx_String value;
        sheet.getCellText(column, row, value, kind);
        return value;
    }
    GridTestDialog dialog;
    Tvx_Spread sheet;
};

TEST(Tvx_SpreadUnattached, EveryOperationFailsAndTouchesNothing) {
    Tvx_Spread sheet;
    Tvx_String text = L"untouched";
    Tvx_StringArray strings{L"kept"};
    Tvx_IntArray ints{7};
    int number = 5;
    const std::vector<std::pair<const char*, std::function<bool()>>> failures = {
        {"applyHouseStyle", [&] { return !sheet.applyHouseStyle(1); }},
        {"setMaxRows", [&] { return !sheet.setMaxRows(3); }},
        {"setMaxCols", [&] { return !sheet.setMaxCols(3, true); }},
        {"getMaxRows", [&] { return sheet.getMaxRows() == -1; }},
        {"getMaxCols", [&] { return sheet.getMaxCols() == -1; }},
        {"setSheetFont", [&] { return !sheet.setSheetFont(L"Arial", 12); }},
        {"getCellText", [&] { return !sheet.getCellText(1, 1, text) && text.isEmpty(); }},
        {"setCellText", [&] { return !sheet.setCellText(1, 1, L"x"); }},
        {"setCellValueText", [&] { return !sheet.setCellValueText(1, 1, L"1"); }},
        {"setCellInt", [&] { return !sheet.setCellInt(1, 1, 1); }},
        {"getCellInt", [&] { return !sheet.getCellInt(1, 1, number) && number == 0; }},
        {"getCellType", [&] { return sheet.getCellType(1, 1) == -1; }},
        {"setColumn", [&] { return sheet.setColumn(1, strings) == -1; }},
        {"setRow", [&] { return sheet.setRow(1, ints) == -1; }},
        {"getColumn", [&] { return !sheet.getColumn(1, strings) && strings.isEmpty(); }},
        {"getRow", [&] { return !sheet.getRow(1, ints) && ints.isEmpty(); }},
        {"getAllRows",
         [&] {
             Tvx_StringArrArr rows{{L"x"}};
             return !sheet.getAllRows(rows) && rows.isEmpty();
         }},
        {"setColumnWidthToText", [&] { return !sheet.setColumnWidthToText(1); }},
        {"setRowHeightToText", [&] { return !sheet.setRowHeightToText(1); }},
        {"fitAllColumns", [&] { return !sheet.fitAllColumns(); }},
        {"fitAllRows", [&] { return !sheet.fitAllRows(); }},
        {"stretchColumn", [&] { return !sheet.stretchColumn(1); }},
        {"setLayout", [&] { return !sheet.setLayout(1) && sheet.layoutMode() == 0; }},
        {"mergeEqualCells", [&] { return !sheet.mergeEqualCells(1); }},
        {"lockColumn", [&] { return !sheet.lockColumn(1, true); }},
        {"lockCell", [&] { return !sheet.lockCell(1, 1, true); }},
        {"runMenuOperation", [&] { return !sheet.runMenuOperation(Tvx_Spread::kMenuInsertRow); }},
        {"insertRow", [&] { return !sheet.insertRow(1); }},
        {"insertColumn", [&] { return !sheet.insertColumn(1); }},
        {"deleteRow", [&] { return !sheet.deleteRow(1); }},
        {"deleteColumn", [&] { return !sheet.deleteColumn(1); }},
        {"setAllChecks", [&] { return !sheet.setAllChecks(true); }},
        {"linkCheckColumn", [&] { return !sheet.linkCheckColumn(1, 2); }},
        {"tabKey", [&] { return sheet.tabKey(false) == Tvx_Spread::kTabLeavesForward; }},
        {"enterByTab", [&] { return !sheet.enterByTab(false); }},
        {"findInRow", [&] { return sheet.findInRow(L"x", true, 1, 1) == -1; }},
        {"findNext", [&] { return !sheet.findNext(L"x", true); }},
        {"replaceSelection", [&] { return !sheet.replaceSelection(L"x"); }},
        {"replaceInCell", [&] { return sheet.replaceInCell(1, 1, L"a", L"b") == 0; }},
        {"openFindReplace",
         [&] { return !sheet.openFindReplace(false) && !sheet.findReplaceDialog(); }},
    };
    for (const auto& [name, failed] : failures) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(failed());
    }
    EXPECT_EQ(text.str(), L"");
    EXPECT_FALSE(sheet.isCreated());
    EXPECT_EQ(sheet.GetSafeHwnd(), nullptr);
}

TEST(Tvx_SpreadAttach, ExactPlacementAndTheLooseOffset) {
    GridTestDialog dialog;
    CRect placeholder;
    dialog.GetDlgItem(kGridPlaceholder)->GetWindowRect(&placeholder);
    CRect second;
    dialog.GetDlgItem(spreadtest::kSecondPlaceholder)->GetWindowRect(&second);
    dialog.ScreenToClient(&placeholder);
    dialog.ScreenToClient(&second);

    Tvx_Spread exact;
    ASSERT_TRUE(exact.attachToDlgItem(&dialog, kGridPlaceholder, true));
    Tvx_Spread loose;
    ASSERT_TRUE(loose.attachToDlgItem(&dialog, spreadtest::kSecondPlaceholder, false));

    CRect rect;
    exact.GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    EXPECT_EQ(rect, placeholder);
    loose.GetWindowRect(&rect);
    dialog.ScreenToClient(&rect);
    EXPECT_EQ(rect, CRect(second.left - 5, second.top - 20, second.right - 5, second.bottom - 20));

    // The grid took the placeholder's place and id.
    EXPECT_EQ(dialog.GetDlgItem(kGridPlaceholder), &exact);
    Tvx_String className;
    exact.GetClassName(className);
    EXPECT_EQ(className.str(), L"fpUSpread70");
    EXPECT_EQ(exact.getMaxRows(), 0);
    EXPECT_EQ(exact.getMaxCols(), 0);
    EXPECT_EQ(exact.GetAppearance(), 1);
    BOOL shift = TRUE, control = TRUE;
    int key = -1;
    ASSERT_TRUE(exact.GetActionKey(1, shift, control, key));
    EXPECT_EQ(key, 0);

    EXPECT_FALSE(exact.attachToDlgItem(&dialog, kGridPlaceholder, true));  // once only
    Tvx_Spread none;
    EXPECT_FALSE(none.attachToDlgItem(&dialog, 4711, true));
    EXPECT_FALSE(none.attachToDlgItem(nullptr, kGridPlaceholder, true));
}

TEST_F(SpreadTest, HouseStyleModesDifferInTheEditingOptions) {
    ASSERT_TRUE(sheet.applyHouseStyle(1));
    EXPECT_TRUE(sheet.GetBool(grid::kOptionEditModePermanent));
    EXPECT_FALSE(sheet.GetBool(grid::kOptionMoveActiveOnEnter));
    COLORREF background = 0, foreground = 0;
    ASSERT_TRUE(sheet.GetSelColor(background, foreground));
    EXPECT_EQ(background, RGB(10, 36, 106));
    EXPECT_EQ(foreground, RGB(255, 255, 255));
    ASSERT_TRUE(sheet.applyHouseStyle(0));
    EXPECT_FALSE(sheet.GetBool(grid::kOptionEditModePermanent));
    EXPECT_TRUE(sheet.GetBool(grid::kOptionMoveActiveOnEnter));
}

TEST_F(SpreadTest, GrowingGivesFontsAndCopiesTheLastLine) {
    ASSERT_TRUE(sheet.setMaxCols(2));
    ASSERT_TRUE(sheet.setMaxRows(1));
    sheet.setCellText(1, 1, L"first");
    sheet.setCellText(2, 1, L"second");
    ASSERT_TRUE(sheet.setMaxRows(3, true));
    EXPECT_EQ(text(1, 3).str(), L"first");
    EXPECT_EQ(text(2, 2).str(), L"second");

    SS_FONT font;
    ASSERT_TRUE(sheet.GetFont(0, 3, font));
    EXPECT_EQ(font, (SS_FONT{L"Tahoma", 15, 700}));
    ASSERT_TRUE(sheet.GetFont(2, 3, font));
    EXPECT_EQ(font, (SS_FONT{L"Tahoma", 15, 400}));
    ASSERT_TRUE(sheet.GetFont(2, 0, font));
    EXPECT_EQ(font.weight, 700);
    SS_TEXTTIP tip;
    ASSERT_TRUE(sheet.GetTextTip(tip));
    EXPECT_EQ(tip.font, (SS_FONT{L"Tahoma", 15, 700}));

    ASSERT_TRUE(sheet.setMaxRows(5));  // without copyLast: empty
    EXPECT_TRUE(text(1, 5).isEmpty());
    EXPECT_FALSE(sheet.setMaxRows(-1));
    EXPECT_EQ(sheet.getMaxRows(), 5);

    ASSERT_TRUE(sheet.setSheetFont(L"Arial", 12));
    ASSERT_TRUE(sheet.GetFont(1, 4, font));
    EXPECT_EQ(font, (SS_FONT{L"Arial", 12, 400}));
    ASSERT_TRUE(sheet.GetFont(0, 4, font));
    EXPECT_EQ(font, (SS_FONT{L"Arial", 12, 700}));
}

TEST_F(SpreadTest, CellTextKindsAndTypedForms) {
    sheet.setMaxCols(3);
    sheet.setMaxRows(2);
    ASSERT_TRUE(sheet.setCellText(1, 1, L"abc"));
    ASSERT_TRUE(sheet.SetCellTag(1, 1, L"tag"));
    EXPECT_EQ(text(1, 1, Tvx_Spread::kDisplayText).str(), L"abc");
    EXPECT_EQ(text(1, 1, Tvx_Spread::kTagText).str(), L"tag");
    EXPECT_EQ(text(1, 1, Tvx_Spread::kValueText).str(), L"abc");

    ASSERT_TRUE(sheet.setCellDouble(2, 1, 2.345));
    EXPECT_EQ(text(2, 1).str(), L"2.35");
    double real = 0;
    ASSERT_TRUE(sheet.getCellDouble(2, 1, real));
    EXPECT_DOUBLE_EQ(real, 2.35);
    ASSERT_TRUE(sheet.setCellInt(3, 1, -42));
    int whole = 0;
    ASSERT_TRUE(sheet.getCellInt(3, 1, whole));
    EXPECT_EQ(whole, -42);
    ASSERT_TRUE(sheet.setCellBool(1, 2, true));
    bool flag = false;
    ASSERT_TRUE(sheet.getCellBool(1, 2, flag));
    EXPECT_TRUE(flag);
    sheet.setCellText(2, 2, L"yes");
    ASSERT_TRUE(sheet.getCellBool(2, 2, flag));
    EXPECT_FALSE(flag);  // only "1" is true

    Tvx_String outside = L"old";
    EXPECT_FALSE(sheet.getCellText(4, 1, outside));
    EXPECT_TRUE(outside.isEmpty());
    EXPECT_FALSE(sheet.getCellText(1, 1, outside, 7));
    EXPECT_FALSE(sheet.setCellText(1, 3, L"x"));
    EXPECT_EQ(sheet.getCellType(9, 9), -1);
}

TEST_F(SpreadTest, ArrayLongerThanTheSheetStopsAtTheLastRow) {
    sheet.setMaxCols(2);
    sheet.setMaxRows(3);
    EXPECT_EQ(sheet.setColumn(1, Tvx_StringArray{L"a", L"b", L"c", L"d", L"e"}), 3);
    EXPECT_EQ(sheet.setColumn(2, Tvx_DoubleArray{1.5, 2.25}), 2);
    EXPECT_EQ(sheet.setRow(3, Tvx_BoolArray{true, false, true}), 2);
    EXPECT_EQ(sheet.setColumn(3, Tvx_IntArray{1}), -1);

    Tvx_StringArray strings;
    ASSERT_TRUE(sheet.getColumn(1, strings));
    EXPECT_EQ(strings, (Tvx_StringArray{L"a", L"b", L"1"}));
    Tvx_DoubleArray reals;
    ASSERT_TRUE(sheet.getColumn(2, reals));
    EXPECT_EQ(reals, (Tvx_DoubleArray{1.5, 2.25, 0.0}));
    Tvx_BoolArray flags;
    ASSERT_TRUE(sheet.getRow(3, flags));
    EXPECT_EQ(flags, (Tvx_BoolArray{true, false}));
    Tvx_IntArray ints;
    ASSERT_TRUE(sheet.getRow(1, ints));
    EXPECT_EQ(ints, (Tvx_IntArray{0, 1}));

    Tvx_StringArrArr rows;
    ASSERT_TRUE(sheet.getAllRows(rows));
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[1], (Tvx_StringArray{L"b", L"2.25"}));
}

TEST_F(SpreadTest, ReadingAColumnOfAnEmptySheetYieldsNothing) {
    sheet.setMaxCols(2);
    Tvx_StringArray values{L"stale"};
    EXPECT_TRUE(sheet.getColumn(1, values));
    EXPECT_TRUE(values.isEmpty());
    EXPECT_EQ(sheet.setColumn(1, Tvx_StringArray{L"a"}), 0);
    Tvx_StringArrArr rows{{L"stale"}};
    EXPECT_TRUE(sheet.getAllRows(rows));
    EXPECT_TRUE(rows.isEmpty());
}

TEST_F(SpreadTest, MessageOf0x517IsAnsweredWithZero) {
    EXPECT_EQ(sheet.SendMessage(0x517, 1, 2), 0);
}

}  // namespace

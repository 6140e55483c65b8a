// Tvx_Spread: inserting and deleting lines, the context menu, check-box
// columns, Tab navigation and the keys.
#include <gtest/gtest.h>

#include "GridTestDialog.h"
#include "platform/core/NumberedTexts.h"
#include "platform/grid/GridHandles.h"
#include "platform/grid/GridLayout.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinConstants.h"
#include "spread/CDlgFindReplace.h"
#include "spread/Tvx_DlgPromptString.h"
#include "spread/Tvx_Spread.h"

namespace {

using Problems = std::vector<Tvx_String>;
using spreadtest::GridTestDialog;
using spreadtest::kGridPlaceholder;

class SpreadEditingTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(sheet.attachToDlgItem(&dialog, kGridPlaceholder, true));
        sheet.setMaxCols(2);
        sheet.setMaxRows(3);
        sheet.setColumn(1, Tvx_StringArray{L"a1", L"a2", L"a3"});
        sheet.setColumn(2, Tvx_StringArray{L"b1", L"b2", L"b3"});
    }
    Tvx_StringArray column(int c) {
        Tvx_StringArray values;
        sheet.getColumn(c, values);
        return values;
    }
    Tvx_StringArray row(int r) {
        Tvx_StringArray values;
        sheet.getRow(r, values);
        return values;
    }
    GridTestDialog dialog;
    Tvx_Spread sheet;
};

TEST_F(SpreadEditingTest, InsertRowAtRowsPlusOneAppendsAndAtRowsPlusTwoDoesNothing) {
    ASSERT_TRUE(sheet.insertRow(4));
    EXPECT_EQ(sheet.getMaxRows(), 4);
    EXPECT_EQ(column(1), (Tvx_StringArray{L"a1", L"a2", L"a3", L""}));
    EXPECT_FALSE(sheet.insertRow(6));
    EXPECT_EQ(sheet.getMaxRows(), 4);
    EXPECT_FALSE(sheet.insertRow(0));
    SS_FONT font;
    ASSERT_TRUE(sheet.GetFont(0, 4, font));
    EXPECT_EQ(font.weight, 700);
}

TEST_F(SpreadEditingTest, InsertInsideCopiesTheLinePushedOn) {
    ASSERT_TRUE(sheet.insertRow(2, false, true));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"a1", L"a2", L"a2", L"a3"}));
    ASSERT_TRUE(sheet.insertColumn(1));
    EXPECT_EQ(row(1), (Tvx_StringArray{L"", L"a1", L"b1"}));
    EXPECT_TRUE(sheet.GetBool(grid::kOptionRedraw));
}

TEST_F(SpreadEditingTest, InsertedAndDeletedRowsKeepFormulasOnTheirCells) {
    for (int r = 1; r <= 3; ++r)
        sheet.SetValue(1, r, Tvx_String(r));
    ASSERT_TRUE(sheet.SetFormula(2, 2, L"A2*10", TRUE));
    ASSERT_TRUE(sheet.SetFormula(2, 3, L"SUM(A1:A3)", TRUE));
    auto formula = [&](int r) {
        Tvx_String text;
        sheet.GetFormula(2, r, text);
        return text.str();
    };
    // The new row 2 is a copy of the row pushed on: its formula refers to its own row.
    ASSERT_TRUE(sheet.insertRow(2, false, true));
    EXPECT_EQ(formula(2), L"A2*10");
    EXPECT_EQ(formula(3), L"A3*10");
    EXPECT_EQ(formula(4), L"SUM(A1:A4)");
    EXPECT_EQ(column(2), (Tvx_StringArray{L"b1", L"20", L"20", L"8"}));
    ASSERT_TRUE(sheet.deleteRow(1));
    EXPECT_EQ(formula(3), L"SUM(A1:A3)");
    EXPECT_EQ(column(2), (Tvx_StringArray{L"20", L"20", L"7"}));
}

TEST_F(SpreadEditingTest, InsertWithPromptWritesTheHeaderText) {
    ui::ScriptedUser user;
    user.onDialog(Tvx_DlgPromptString::kTemplateId)
        .type(Tvx_DlgPromptString::kValueEdit, L"Length")
        .click(IDOK);
    user.onDialog(Tvx_DlgPromptString::kTemplateId).click(IDCANCEL);
    ASSERT_TRUE(sheet.insertColumn(2, true, false));
    Tvx_String header;
    sheet.getCellText(2, 0, header);
    EXPECT_EQ(header.str(), L"Length");
    ASSERT_TRUE(sheet.insertRow(1, true, false));  // cancelled: the row stays, no header
    EXPECT_EQ(sheet.getMaxRows(), 4);
    sheet.getCellText(0, 1, header, Tvx_Spread::kValueText);
    EXPECT_TRUE(header.isEmpty());
    EXPECT_EQ(user.problems(), Problems{});
}

TEST_F(SpreadEditingTest, DeleteShrinksTheSheet) {
    ASSERT_TRUE(sheet.deleteRow(1));
    EXPECT_EQ(column(2), (Tvx_StringArray{L"b2", L"b3"}));
    ASSERT_TRUE(sheet.deleteColumn(1));
    EXPECT_EQ(sheet.getMaxCols(), 1);
    EXPECT_EQ(column(1), (Tvx_StringArray{L"b2", L"b3"}));
    EXPECT_FALSE(sheet.deleteRow(3));
    EXPECT_FALSE(sheet.deleteColumn(0));
}

TEST_F(SpreadEditingTest, ContextMenuRunsTheChosenOperationAtTheActiveCell) {
    sheet.setContextMenu(Tvx_IntArray{2, 3, 1, 4, 5, 1, 6, 7, 1, 8, 9});
    sheet.SetActiveCell(2, 2);
    ui::ScriptedUser user;
    user.chooseMenuCommand(32817);  // the fourth entry: delete row
    ASSERT_TRUE(user.perform(dialog, ui::DialogScript().rightClick(kGridPlaceholder)));
    EXPECT_EQ(user.problems(), Problems{});
    ASSERT_EQ(user.menus().size(), 1u);
    const auto& entries = user.menus()[0].entries;
    ASSERT_EQ(entries.size(), 11u);  // eight operations, three separators
    EXPECT_EQ(entries[0].text, dialString(1154));
    EXPECT_TRUE(entries[2].separator);
    EXPECT_EQ(entries[3].id, 32816u);
    EXPECT_EQ(entries[3].text, dialString(774));
    EXPECT_EQ(entries[10].id, 32802u);
    EXPECT_EQ(entries[10].text, dialString(1401));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"a1", L"a3"}));
}

TEST_F(SpreadEditingTest, ContextMenuWithoutOperationsShowsNothing) {
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(dialog, ui::DialogScript().rightClick(kGridPlaceholder)));
    sheet.setContextMenu(Tvx_IntArray{4});
    sheet.clearContextMenu();
    ASSERT_TRUE(user.perform(dialog, ui::DialogScript().rightClick(kGridPlaceholder)));
    EXPECT_TRUE(user.menus().empty());
}

TEST_F(SpreadEditingTest, MenuOperationsUseTheTopLeftOfTheSelectedBlock) {
    sheet.SetSelectBlock(2, 3, 1, 2);
    ASSERT_TRUE(sheet.runMenuOperation(Tvx_Spread::kMenuInsertRow));
    // A row at 2, copied from the row it pushed on.
    EXPECT_EQ(column(1), (Tvx_StringArray{L"a1", L"a2", L"a2", L"a3"}));
    EXPECT_FALSE(sheet.runMenuOperation(42));
}

TEST_F(SpreadEditingTest, CheckAllAndTheLinkedColumn) {
    SS_CELLTYPE check;
    ASSERT_NE(sheet.SetTypeCheckBox(&check, 0, L"", L"", L""), nullptr);
    ASSERT_TRUE(sheet.SetCellTypeRange(1, 1, 1, 3, &check));
    ASSERT_TRUE(sheet.setAllChecks(true));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"1", L"1", L"1"}));
    sheet.setCellValueText(1, 2, L"0");

    ASSERT_TRUE(sheet.linkCheckColumn(1, 2));
    BOOL locked = TRUE;
    sheet.GetLock(2, 1, locked);
    EXPECT_FALSE(locked);
    sheet.GetLock(2, 2, locked);
    EXPECT_TRUE(locked);
    EXPECT_FALSE(sheet.linkCheckColumn(1, 3));
    EXPECT_FALSE(sheet.linkCheckColumn(0, 2));

    ASSERT_TRUE(sheet.setAllChecks(false));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"0", L"0", L"0"}));
    sheet.setMaxCols(3);
    sheet.setColumn(3, Tvx_StringArray{L"x"});
    Tvx_Spread plain;
    EXPECT_FALSE(plain.setAllChecks(true));
}

TEST_F(SpreadEditingTest, SwitchingACheckBoxReappliesTheLinkAndMovesToTheTarget) {
    SS_CELLTYPE check;
    sheet.SetTypeCheckBox(&check, 0, L"", L"", L"");
    sheet.SetCellTypeRange(1, 1, 1, 3, &check);
    sheet.setAllChecks(true);
    ASSERT_TRUE(sheet.linkCheckColumn(1, 2));
    const grid::PixelRect cell = grid::cellRect(*grid::gridOf(sheet), 1, 2);
    const CPoint centre((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);

    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(sheet, ui::DialogScript().clickAt(centre)));
    EXPECT_EQ(column(1), (Tvx_StringArray{L"1", L"0", L"1"}));
    BOOL locked = FALSE;
    sheet.GetLock(2, 2, locked);
    EXPECT_TRUE(locked);
    int activeColumn = 0, activeRow = 0;
    sheet.GetActiveCell(activeColumn, activeRow);
    EXPECT_EQ(std::make_pair(activeColumn, activeRow), std::make_pair(2, 2));

    ASSERT_TRUE(user.perform(sheet, ui::DialogScript().clickAt(centre)));
    sheet.GetLock(2, 2, locked);
    EXPECT_FALSE(locked);
    EXPECT_EQ(user.problems(), Problems{});
}

TEST_F(SpreadEditingTest, TabWalksTheEditableCellsAndLeavesAtTheEnds) {
    sheet.lockCell(2, 1, true);
    sheet.AddCellSpan(1, 2, 2, 1);
    sheet.SetActiveCell(1, 1);
    // (2, 1) is locked and (2, 2) lies in the span anchored at (1, 2).
    EXPECT_EQ(sheet.tabKey(false), Tvx_Spread::kTabStays);
    int column = 0, row = 0;
    sheet.GetActiveCell(column, row);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(1, 2));
    EXPECT_EQ(sheet.tabKey(false), Tvx_Spread::kTabStays);
    sheet.GetActiveCell(column, row);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(1, 3));
    EXPECT_EQ(sheet.tabKey(false), Tvx_Spread::kTabStays);
    EXPECT_EQ(sheet.tabKey(false), Tvx_Spread::kTabLeavesForward);
    sheet.GetActiveCell(column, row);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(2, 3));

    sheet.SetActiveCell(1, 1);
    EXPECT_EQ(sheet.tabKey(true), Tvx_Spread::kTabLeavesBackward);
    ASSERT_TRUE(sheet.enterByTab(true));
    sheet.GetActiveCell(column, row);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(2, 3));
    sheet.lockCell(1, 1, true);
    ASSERT_TRUE(sheet.enterByTab(false));
    sheet.GetActiveCell(column, row);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(1, 2));

    sheet.ShowWindow(SW_HIDE);
    EXPECT_EQ(sheet.tabKey(false), Tvx_Spread::kTabLeavesForward);
}

TEST_F(SpreadEditingTest, F8TogglesTheEditingOptionWhileAllowed) {
    ui::ScriptedUser user;
    sheet.SetBool(grid::kOptionEditModePermanent, FALSE);
    ASSERT_TRUE(user.perform(dialog, ui::DialogScript().focus(kGridPlaceholder).pressKey(VK_F8)));
    EXPECT_TRUE(sheet.GetBool(grid::kOptionEditModePermanent));
    sheet.setAllowF8(false);
    ASSERT_TRUE(user.perform(dialog, ui::DialogScript().pressKey(VK_F8)));
    EXPECT_TRUE(sheet.GetBool(grid::kOptionEditModePermanent));
}

TEST_F(SpreadEditingTest, F3OpensTheFindDialogOnceThenFindsNext) {
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(dialog, ui::DialogScript().focus(kGridPlaceholder).pressKey(VK_F3)));
    CDlgFindReplace* find = sheet.findReplaceDialog();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->IsWindowVisible());
    EXPECT_EQ(find->GetWindowString(), dialString(1136));
    find->SetDlgItemText(CDlgFindReplace::kFindEdit, L"2");
    sheet.SetActiveCell(1, 1);
    ASSERT_TRUE(user.perform(dialog, ui::DialogScript().focus(kGridPlaceholder).pressKey(VK_F3)));
    EXPECT_EQ(sheet.findReplaceDialog(), find);
    int column = 0, row = 0;
    sheet.GetActiveCell(column, row);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(1, 2));
    EXPECT_EQ(user.problems(), Problems{});
}

}  // namespace

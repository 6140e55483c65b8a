// Tvx_Spread's search and replace, and the find and replace dialog driven by
// the scripted user.
#include <gtest/gtest.h>

#include "GridTestDialog.h"
#include "platform/core/NumberedTexts.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinConstants.h"
#include "platform/ui/registry/DialogMemory.h"
#include "platform/ui/registry/RegistryStore.h"
#include "spread/CDlgFindReplace.h"
#include "spread/Tvx_Spread.h"
#include "support/TempDir.h"

namespace {

using Problems = std::vector<Tvx_String>;
using spreadtest::GridTestDialog;
using spreadtest::kGridPlaceholder;

class FindTest : public testing::Test {
  protected:
    void SetUp() override {
        registry::setRegistryFolder(registryDir.path());
        ASSERT_TRUE(sheet.attachToDlgItem(&dialog, kGridPlaceholder, true));
    }
    void TearDown() override { registry::setRegistryFolder({}); }
    void fill(const std::vector<Tvx_StringArray>& rows) {
        sheet.setMaxRows(static_cast<int>(rows.size()));
        sheet.setMaxCols(rows.empty() ? 0 : rows[0].length());
        for (size_t r = 0; r < rows.size(); ++r)
            sheet.setRow(static_cast<int>(r) + 1, rows[r]);
    }
    std::pair<int, int> active() {
        int column = 0, row = 0;
        sheet.GetActiveCell(column, row);
        return {column, row};
    }
    Tvx_String text(int column, int row) {
        Tvx_String value;
        sheet.getCellText(column, row, value);
        return value;
    }
    // Opens the dialog and types the texts into it.
    CDlgFindReplace& openDialog(const Tvx_String& find, const Tvx_String& replacement) {
        sheet.openFindReplace(false);
        CDlgFindReplace& dialog = *sheet.findReplaceDialog();
        dialog.SetDlgItemText(CDlgFindReplace::kFindEdit, find);
        dialog.SetDlgItemText(CDlgFindReplace::kReplaceEdit, replacement);
        return dialog;
    }

    testsupport::TempDir registryDir;
    GridTestDialog dialog;
    Tvx_Spread sheet;
};

TEST_F(FindTest, FindInRowMatchesWholeTextsOrSubstringsIgnoringCase) {
    fill({{L"Plate", L"end plate", L"PLATE"}});
    EXPECT_EQ(sheet.findInRow(L"plate", false, 1, 1), 1);
    EXPECT_EQ(sheet.findInRow(L"plate", false, 1, 2), 3);
    EXPECT_EQ(sheet.findInRow(L"plate", true, 1, 2), 2);
    EXPECT_EQ(sheet.findInRow(L"bolt", true, 1, 1), -1);
    EXPECT_EQ(sheet.findInRow(L"", true, 1, 1), -1);
    EXPECT_EQ(sheet.findInRow(L"plate", true, 2, 1), -1);
}

TEST_F(FindTest, FindNextSelectsTheFoundCharactersInTheCell) {
    fill({{L"x", L"a bolt"}, {L"bolt row", L"y"}});
    sheet.SetActiveCell(1, 1);
    ASSERT_TRUE(sheet.findNext(L"BOLT", true));
    EXPECT_EQ(active(), std::make_pair(2, 1));
    EXPECT_TRUE(sheet.GetEditMode());
    int start = 0, end = 0;
    ASSERT_TRUE(sheet.GetEditSel(start, end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(2, 6));
    ASSERT_TRUE(sheet.findNext(L"bolt", true));
    EXPECT_EQ(active(), std::make_pair(1, 2));
}

TEST_F(FindTest, FindReachingTheLastRowFailsAndLeavesTheActiveCell) {
    fill({{L"bolt", L"x"}, {L"y", L"z"}});
    sheet.SetActiveCell(2, 1);
    EXPECT_FALSE(sheet.findNext(L"bolt", true));
    EXPECT_EQ(active(), std::make_pair(2, 1));
    EXPECT_FALSE(sheet.GetEditMode());
    EXPECT_FALSE(sheet.findNext(L"", true));
}

TEST_F(FindTest, ReplaceInCellCountsEveryOccurrence) {
    fill({{L"Bolt bolt nut"}});
    EXPECT_EQ(sheet.replaceInCell(1, 1, L"bolt", L"screw"), 2);
    EXPECT_EQ(text(1, 1).str(), L"screw screw nut");
    EXPECT_EQ(sheet.replaceInCell(1, 1, L"", L"x"), 0);
    EXPECT_EQ(sheet.replaceInCell(1, 1, L"washer", L"x"), 0);
    EXPECT_EQ(sheet.replaceInCell(5, 5, L"nut", L"x"), 0);
}

TEST_F(FindTest, ReplaceSelectionWritesTheCellAndEditingGoesOn) {
    fill({{L"M16 bolt"}});
    sheet.SetActiveCell(1, 1);
    EXPECT_FALSE(sheet.replaceSelection(L"M20"));  // not editing
    sheet.SetEditMode(TRUE);
    sheet.SetEditSel(0, 3);
    ASSERT_TRUE(sheet.replaceSelection(L"M20"));
    EXPECT_EQ(text(1, 1).str(), L"M20 bolt");
    int start = 0, end = 0;
    ASSERT_TRUE(sheet.GetEditSel(start, end));
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(3, 3));
}

TEST_F(FindTest, DialogShowsItsTextsAndRemembersItsSize) {
    fill({{L"a"}});
    CDlgFindReplace& find = openDialog(L"", L"");
    EXPECT_EQ(find.GetWindowString(), dialString(1136));
    EXPECT_EQ(GetDlgItemString(find, CDlgFindReplace::kFindLabel), dialString(1137));
    EXPECT_EQ(GetDlgItemString(find, CDlgFindReplace::kReplaceLabel), dialString(1138));
    EXPECT_EQ(GetDlgItemString(find, IDOK), dialString(1139));
    EXPECT_EQ(GetDlgItemString(find, CDlgFindReplace::kReplaceButton), dialString(1140));
    EXPECT_EQ(GetDlgItemString(find, CDlgFindReplace::kReplaceAllButton), dialString(1141));
    EXPECT_EQ(GetDlgItemString(find, IDCANCEL), dialString(285));
    EXPECT_NE(find.GetExStyle() & WS_EX_TOPMOST, 0u);

    CRect rect;
    find.GetWindowRect(&rect);
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(
        find, ui::DialogScript().resize(rect.Width() + 100, rect.Height() + 10).click(IDCANCEL)));
    EXPECT_EQ(sheet.findReplaceDialog(), nullptr);
    const auto stored = registry::readDialogSize(CDlgFindReplace::kSizeKey);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, CSize(rect.Width() + 100, rect.Height() + 10));

    // Opened again, it takes the stored size.
    CDlgFindReplace& again = openDialog(L"", L"");
    again.GetWindowRect(&rect);
    EXPECT_EQ(rect.Size(), *stored);
    EXPECT_EQ(user.problems(), Problems{});
}

TEST_F(FindTest, ClosingRestoresTheEditingOptionOnlyWhenItWasOff) {
    fill({{L"a"}});
    for (const bool wasOn : {false, true}) {
        SCOPED_TRACE(wasOn);
        sheet.SetBool(grid::kOptionEditModePermanent, wasOn);
        sheet.SetBool(grid::kOptionArrowsExitEditMode, TRUE);
        CDlgFindReplace& find = openDialog(L"", L"");
        EXPECT_TRUE(sheet.GetBool(grid::kOptionEditModePermanent));
        EXPECT_FALSE(sheet.GetBool(grid::kOptionArrowsExitEditMode));
        ui::ScriptedUser user;
        ASSERT_TRUE(user.perform(find, ui::DialogScript().click(IDCANCEL)));
        EXPECT_EQ(sheet.GetBool(grid::kOptionEditModePermanent) != FALSE, wasOn);
    }
}

TEST_F(FindTest, FindNextInAnEmptySheetWithWrapAnsweredYesShowsNotFound) {
    CDlgFindReplace& find = openDialog(L"bolt", L"");
    ui::ScriptedUser user;
    user.answerMessageBox(IDYES, dialString(1143));
    user.answerMessageBox(IDOK, dialString(1145));
    ASSERT_TRUE(user.perform(find, ui::DialogScript().click(IDOK)));
    EXPECT_EQ(user.problems(), Problems{});
    ASSERT_EQ(user.messageBoxes().size(), 2u);
    EXPECT_EQ(user.messageBoxes()[0].prompt.text,
              dialString(1142) + L"\n" + dialString(1143) + L"\n");
    EXPECT_EQ(user.messageBoxes()[0].prompt.caption, dialString(1144));
    EXPECT_EQ(user.messageBoxes()[1].prompt.caption, dialString(1146));
}

TEST_F(FindTest, FindNextWrapsToTheBeginningOnYes) {
    fill({{L"bolt", L"x"}, {L"y", L"z"}});
    sheet.SetActiveCell(1, 2);
    CDlgFindReplace& find = openDialog(L"bolt", L"");
    ui::ScriptedUser user;
    user.answerMessageBox(IDNO);
    user.answerMessageBox(IDYES);
    EXPECT_FALSE(find.findNext(true));
    EXPECT_EQ(active(), std::make_pair(1, 2));
    EXPECT_TRUE(find.findNext(true));
    EXPECT_EQ(active(), std::make_pair(1, 1));
    EXPECT_EQ(user.problems(), Problems{});
}

TEST_F(FindTest, FindNextContinuesInTheCellBeingEdited) {
    fill({{L"bolt and bolt", L"bolt"}});
    sheet.SetActiveCell(2, 1);
    CDlgFindReplace& find = openDialog(L"bolt", L"");
    sheet.SetActiveCell(1, 1);
    sheet.SetEditMode(TRUE);
    sheet.SetEditSel(0, 4);
    ASSERT_TRUE(find.findNext(false));
    EXPECT_EQ(active(), std::make_pair(1, 1));
    int start = 0, end = 0;
    sheet.GetEditSel(start, end);
    EXPECT_EQ(std::make_pair(start, end), std::make_pair(9, 13));
    ASSERT_TRUE(find.findNext(false));
    EXPECT_EQ(active(), std::make_pair(2, 1));
}

TEST_F(FindTest, ReplaceFindsAndReplacesOneOccurrenceAtATime) {
    fill({{L"start", L"bolt bolt"}});
    sheet.SetActiveCell(1, 1);
    CDlgFindReplace& find = openDialog(L"bolt", L"nut");
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(find, ui::DialogScript().click(CDlgFindReplace::kReplaceButton)));
    EXPECT_EQ(text(2, 1).str(), L"nut bolt");
    ASSERT_TRUE(user.perform(find, ui::DialogScript().click(CDlgFindReplace::kReplaceButton)));
    EXPECT_EQ(text(2, 1).str(), L"nut nut");
    EXPECT_EQ(active(), std::make_pair(2, 1));
    EXPECT_EQ(user.problems(), Problems{});
}

TEST_F(FindTest, ReplaceAllCountsCellsAndReplacesEveryOccurrence) {
    fill({{L"bolt and bolt", L"nut"}, {L"x", L"one bolt"}});
    CDlgFindReplace& find = openDialog(L"bolt", L"screw");
    ui::ScriptedUser user;
    user.answerMessageBox(IDOK, L"2");
    ASSERT_TRUE(user.perform(find, ui::DialogScript().click(CDlgFindReplace::kReplaceAllButton)));
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(text(1, 1).str(), L"screw and screw");
    EXPECT_EQ(text(2, 2).str(), L"one screw");
    ASSERT_EQ(user.messageBoxes().size(), 1u);
    EXPECT_EQ(user.messageBoxes()[0].prompt.text, dialString(1147) + L" 2 " + dialString(1148));
    EXPECT_EQ(user.messageBoxes()[0].prompt.caption, dialString(1149));
}

TEST_F(FindTest, EmptySearchTextChangesNothing) {
    fill({{L"bolt"}});
    CDlgFindReplace& find = openDialog(L"", L"x");
    ui::ScriptedUser user;
    ASSERT_TRUE(user.perform(find, ui::DialogScript()
                                       .click(IDOK)
                                       .click(CDlgFindReplace::kReplaceButton)
                                       .click(CDlgFindReplace::kReplaceAllButton)));
    EXPECT_TRUE(user.messageBoxes().empty());
    EXPECT_EQ(text(1, 1).str(), L"bolt");
    EXPECT_EQ(user.problems(), Problems{});
}

}  // namespace

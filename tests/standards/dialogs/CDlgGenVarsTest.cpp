// The general-variables dialog, driven by the scripted user through
// StartDlgGenVars: its rows, row operations, filters, OK and Cancel.
#include "standards/dialogs/CDlgGenVars.h"

#include <gtest/gtest.h>

#include "platform/grid/GridHandles.h"
#include "platform/grid/SS.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinApi.h"
#include "standards/dialogs/StartDlgGenVars.h"
#include "standards/engine/TempLibrary.h"

namespace {

using Dlg = CDlgGenVars;

VtAutoStandardsData sampleData() {
    VtAutoStandardsData data;
    data.dwgGenVars = {L"gen_Gap", L"gen_Gap", L"gen_Weld"};
    data.dwgGenValues = {L"10", L"12", L"5"};
    data.dwgGenFilters = {L"A.dwg", L"Sub", L""};
    data.stdGenVars = {L"gen_Clearance"};
    data.stdGenValues = {L"15"};
    data.stdGenOverrides = {L"1"};
    data.stdGenFilters = {L"Sub\\B.dwg"};
    return data;
}

HWND gridOf(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

Tvx_String cell(HWND dialog, int gridId, int column, int row) {
    Tvx_String text;
    SSGetValue(gridOf(dialog, gridId), column, row, text);
    return text;
}

// Clicks a cell of a grid, making it the active cell.
ui::DialogScript& activate(ui::DialogScript& script, int gridId, int column, int row) {
    return script.call(
        [=](HWND dialog) { grid::gridOf(gridOf(dialog, gridId))->userClick(column, row); });
}

class GenVarsTest : public testing::Test {
  protected:
    standardstest::TempLibrary library;
    ui::ScriptedUser user;
};

TEST_F(GenVarsTest, RowsColumnsAndHeadersFromTheData) {
    VtAutoStandardsData data = sampleData();
    user.onDialog(Dlg::IDD)
        .call([](HWND dialog) {
            const HWND drawing = gridOf(dialog, Dlg::kDrawingGrid);
            const HWND standards = gridOf(dialog, Dlg::kStandardsGrid);
            EXPECT_EQ(SSGetMaxCols(drawing), 4);
            EXPECT_EQ(SSGetMaxRows(drawing), 3);
            EXPECT_EQ(SSGetMaxCols(standards), 5);
            EXPECT_EQ(SSGetMaxRows(standards), 1);
            EXPECT_EQ(cell(dialog, Dlg::kDrawingGrid, 1, 0), Tvx_String(L"Variable"));
            EXPECT_EQ(cell(dialog, Dlg::kStandardsGrid, 3, 0), Tvx_String(L"Overrides"));
            EXPECT_EQ(cell(dialog, Dlg::kDrawingGrid, 3, 2), Tvx_String(L"Sub"));
            EXPECT_EQ(cell(dialog, Dlg::kStandardsGrid, 4, 1), Tvx_String(L"Sub\\B.dwg"));
            // Equal names in column 1 share one span; the filter header spans
            // the button column.
            SS_COORD column = 0, row = 0, columns = 0, rows = 0;
            EXPECT_TRUE(SSGetCellSpan(drawing, 1, 2, column, row, columns, rows));
            EXPECT_EQ(row, 1);
            EXPECT_EQ(rows, 2);
            EXPECT_FALSE(SSGetCellSpan(drawing, 1, 3, column, row, columns, rows));
            EXPECT_TRUE(SSGetCellSpan(drawing, 4, 0, column, row, columns, rows));
            EXPECT_EQ(column, 3);
            EXPECT_EQ(SSGetCellType(drawing, 4, 3), SSGetCellType(standards, 5, 1));
            EXPECT_EQ(GetDlgItemString(dialog, Dlg::kDrawingInsert), Tvx_String(L"Insert"));
        })
        .click(IDOK);
    const VtAutoStandardsData before = data;
    EXPECT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data, before);
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(GenVarsTest, CancelLeavesTheDataAndEmptyGridsGetOneRow) {
    VtAutoStandardsData data = sampleData();
    activate(user.onDialog(Dlg::IDD), Dlg::kDrawingGrid, 1, 1)
        .click(Dlg::kDrawingDelete)
        .click(IDCANCEL);
    const VtAutoStandardsData before = data;
    EXPECT_FALSE(StartDlgGenVars(data));
    EXPECT_EQ(data, before);

    VtAutoStandardsData empty;
    user.onDialog(Dlg::IDD).click(IDOK);
    EXPECT_TRUE(StartDlgGenVars(empty));
    // OK with an empty row writes empty entries into every array of its grid.
    EXPECT_EQ(empty.dwgGenVars, Tvx_StringArray({L""}));
    EXPECT_EQ(empty.dwgGenFilters, Tvx_StringArray({L""}));
    EXPECT_EQ(empty.stdGenOverrides, Tvx_StringArray({L""}));
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(GenVarsTest, InsertDeleteAndMoveRows) {
    struct Case {
        const char* what;
        int column, row;  // the active cell of the drawing grid
        int button;
        Tvx_StringArray names;
        Tvx_StringArray values;
    };
    const Case cases[] = {
        {"insert at the active row",
         2,
         2,
         Dlg::kDrawingInsert,
         {L"gen_Gap", L"", L"gen_Gap", L"gen_Weld"},
         {L"10", L"", L"12", L"5"}},
        {"delete the active row",
         1,
         1,
         Dlg::kDrawingDelete,
         {L"gen_Gap", L"gen_Weld"},
         {L"12", L"5"}},
        {"move up",
         2,
         3,
         Dlg::kDrawingUp,
         {L"gen_Gap", L"gen_Weld", L"gen_Gap"},
         {L"10", L"5", L"12"}},
        {"move up at row 1 does nothing",
         1,
         1,
         Dlg::kDrawingUp,
         {L"gen_Gap", L"gen_Gap", L"gen_Weld"},
         {L"10", L"12", L"5"}},
        {"move down",
         1,
         1,
         Dlg::kDrawingDown,
         {L"gen_Gap", L"gen_Gap", L"gen_Weld"},
         {L"12", L"10", L"5"}},
        {"move down at the last row does nothing",
         1,
         3,
         Dlg::kDrawingDown,
         {L"gen_Gap", L"gen_Gap", L"gen_Weld"},
         {L"10", L"12", L"5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VtAutoStandardsData data = sampleData();
        activate(user.onDialog(Dlg::IDD), Dlg::kDrawingGrid, c.column, c.row)
            .click(c.button)
            .call([&](HWND dialog) {
                // The active cell moves with a moved row.
                SS_COORD column = 0, row = 0;
                SSGetActiveCell(gridOf(dialog, Dlg::kDrawingGrid), column, row);
                if (c.button == Dlg::kDrawingUp && c.row > 1) {
                    EXPECT_EQ(row, c.row - 1);
                }
                if (c.button == Dlg::kDrawingDown && c.row < 3) {
                    EXPECT_EQ(row, c.row + 1);
                }
            })
            .click(IDOK);
        ASSERT_TRUE(StartDlgGenVars(data));
        EXPECT_EQ(data.dwgGenVars, c.names);
        EXPECT_EQ(data.dwgGenValues, c.values);
        EXPECT_EQ(data.stdGenVars, sampleData().stdGenVars);
    }
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(GenVarsTest, StandardsRowsHaveTheirOwnButtons) {
    VtAutoStandardsData data = sampleData();
    activate(user.onDialog(Dlg::IDD), Dlg::kStandardsGrid, 1, 1)
        .click(Dlg::kStandardsInsert)
        .click(Dlg::kStandardsDown)
        .click(IDOK);
    ASSERT_TRUE(StartDlgGenVars(data));
    EXPECT_EQ(data.stdGenVars, Tvx_StringArray({L"gen_Clearance", L""}));
    EXPECT_EQ(data.stdGenOverrides, Tvx_StringArray({L"1", L""}));
    EXPECT_EQ(data.dwgGenVars, sampleData().dwgGenVars);
}

TEST_F(GenVarsTest, FilterButtonsAddDrawingsAndFoldersUnderMacros) {
    const Tvx_String macros = library.modulePath("Macros/");
    library.write("Macros/Sub/C.dwg", "");
    VtAutoStandardsData data = sampleData();
    user.onDialog(Dlg::IDD)
        .call([](HWND dialog) { grid::gridOf(gridOf(dialog, Dlg::kDrawingGrid))->userClick(4, 3); })
        .call([](HWND dialog) { grid::gridOf(gridOf(dialog, Dlg::kDrawingGrid))->userClick(4, 1); })
        .call(
            [](HWND dialog) { grid::gridOf(gridOf(dialog, Dlg::kStandardsGrid))->userClick(5, 1); })
        .click(IDOK);
    user.chooseFiles({macros + L"Sub\\C.dwg", macros + L"A.dwg", L"/elsewhere/X.dwg"});
    user.cancelFileDialog();
    user.chooseFiles({macros + L"Sub\\B.dwg"});
    ASSERT_TRUE(StartDlgGenVars(data));
    // Outside "Macros\\" is dropped; a path chosen again is listed again.
    EXPECT_EQ(data.dwgGenFilters, Tvx_StringArray({L"A.dwg", L"Sub", L"Sub\\C.dwg;A.dwg"}));
    EXPECT_EQ(data.stdGenFilters, Tvx_StringArray({L"Sub\\B.dwg;Sub\\B.dwg"}));
    ASSERT_EQ(user.fileDialogs().size(), 3u);
    EXPECT_EQ(user.fileDialogs()[0].title,
              Tvx_String(L"Select the drawings and folders that apply to this general variable"));
    EXPECT_EQ(user.fileDialogs()[0].initialFolder, macros);
    EXPECT_TRUE(user.fileDialogs()[0].multiple);
    EXPECT_TRUE(user.problems().empty());
}

}  // namespace

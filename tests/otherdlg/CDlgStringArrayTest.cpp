// The string-table dialog, driven by the scripted user through startGridDialog:
// its grid, adding and removing rows, OK, Cancel and the size it keeps.
#include "otherdlg/CDlgStringArray.h"

#include <gtest/gtest.h>

#include <ostream>

#include "otherdlg/startGridDialog.h"
#include "platform/grid/GridHandles.h"
#include "platform/grid/GridSettings.h"
#include "platform/grid/SS.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/registry/DialogMemory.h"
#include "platform/ui/registry/RegistryStore.h"
#include "support/TempDir.h"

// Texts in failure messages as the user would read them.
void PrintTo(const Tvx_String& text, std::ostream* out) {
    *out << '"' << text.toUtf8() << '"';
}
void PrintTo(const Tvx_StringArray& texts, std::ostream* out) {
    *out << '{';
    for (int i = 0; i < texts.length(); ++i) {
        *out << (i > 0 ? ", " : "");
        PrintTo(texts[i], out);
    }
    *out << '}';
}
void PrintTo(const Tvx_StringArrArr& rows, std::ostream* out) {
    *out << '{';
    for (int i = 0; i < rows.length(); ++i) {
        *out << (i > 0 ? ", " : "");
        PrintTo(rows[i], out);
    }
    *out << '}';
}

namespace {

using Dlg = CDlgStringArray;

HWND gridOf(HWND dialog) {
    return GetDlgItem(dialog, Dlg::kGrid);
}

Tvx_String cell(HWND dialog, int column, int row) {
    Tvx_String text;
    SSGetValue(gridOf(dialog), column, row, text);
    return text;
}

struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};

Cell activeCell(HWND dialog) {
    SS_COORD column = 0, row = 0;
    SSGetActiveCell(gridOf(dialog), column, row);
    return {column, row};
}

CSize windowSize(HWND window) {
    CRect rect;
    GetWindowRect(window, &rect);
    return {rect.Width(), rect.Height()};
}

// A user's click on a cell of the grid.
ui::DialogScript& clickCell(ui::DialogScript& script, int column, int row) {
    return script.call([=](HWND dialog) { grid::gridOf(gridOf(dialog))->userClick(column, row); });
}

const Tvx_StringArray kHeads{L"Name", L"Value", L"Unit"};

Tvx_StringArrArr threeRows() {
    return {{L"a1", L"a2", L"a3"}, {L"b1", L"b2", L"b3"}, {L"c1", L"c2", L"c3"}};
}

class StringArrayTest : public testing::Test {
  protected:
    StringArrayTest() { registry::setRegistryFolder(config.path()); }
    ~StringArrayTest() override { registry::setRegistryFolder({}); }

    testsupport::TempDir config;
    ui::ScriptedUser user;
};

TEST_F(StringArrayTest, GridShowsHeadsRowsAndTexts) {
    Tvx_StringArrArr rows = threeRows();
    user.onDialog(Dlg::IDD)
        .call([](HWND dialog) {
            const HWND grid = gridOf(dialog);
            EXPECT_EQ(SSGetMaxCols(grid), 3);
            EXPECT_EQ(SSGetMaxRows(grid), 3);
            EXPECT_EQ(cell(dialog, 2, 0), Tvx_String(L"Value"));
            EXPECT_EQ(cell(dialog, 0, 1), Tvx_String(L"first"));
            EXPECT_EQ(cell(dialog, 0, 2), Tvx_String(L"second"));
            EXPECT_EQ(cell(dialog, 3, 2), Tvx_String(L"b3"));
            EXPECT_TRUE(SSGetBool(grid, grid::kOptionRowHeaders));
            SS_FONT font;
            ASSERT_TRUE(SSGetFont(grid, 1, 1, font));
            EXPECT_EQ(font.face, L"Tahoma");
            ASSERT_TRUE(SSGetFont(grid, 1, 0, font));
            EXPECT_EQ(font.face, L"Tahoma");
            EXPECT_EQ(GetWindowString(dialog), Tvx_String(L"Bolt rows"));
            EXPECT_EQ(GetDlgItemString(dialog, IDOK), Tvx_String(L"OK"));
            EXPECT_EQ(GetDlgItemString(dialog, IDCANCEL), Tvx_String(L"Cancel"));
            EXPECT_EQ(GetDlgItemString(dialog, Dlg::kAddRow), Tvx_String(L"Insert"));
            EXPECT_EQ(GetDlgItemString(dialog, Dlg::kRemoveRow), Tvx_String(L"Delete"));
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, Dlg::kAddRow)));
        })
        .click(IDOK);
    EXPECT_TRUE(startGridDialog(kHeads, {L"first", L"second"}, rows, true, L"", L"Bolt rows"));
    EXPECT_EQ(rows, threeRows());
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, NoRowHeadColumnWithoutRowHeads) {
    Tvx_StringArrArr rows = threeRows();
    user.onDialog(Dlg::IDD)
        .call([](HWND dialog) { EXPECT_FALSE(SSGetBool(gridOf(dialog), grid::kOptionRowHeaders)); })
        .click(IDOK);
    EXPECT_TRUE(startGridDialog(kHeads, {}, rows, true, L"", L""));
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, RowsComeBackWithOneTextPerColumn) {
    struct Case {
        const char* what;
        Tvx_StringArrArr given;
        Tvx_StringArrArr expected;
    };
    const Case cases[] = {
        {"short rows are padded with empty texts",
         {{L"a"}, {}, {L"c1", L"c2"}},
         {{L"a", L"", L""}, {L"", L"", L""}, {L"c1", L"c2", L""}}},
        {"texts beyond the columns are dropped", {{L"1", L"2", L"3", L"4"}}, {{L"1", L"2", L"3"}}},
        {"no rows stay no rows", {}, {}},
        {"texts keep their spelling",
         {{L"007", L"1.50", L"a;b"}, {L" x ", L"Maß", L"-0"}},
         {{L"007", L"1.50", L"a;b"}, {L" x ", L"Maß", L"-0"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Tvx_StringArrArr rows = c.given;
        user.onDialog(Dlg::IDD).click(IDOK);
        ASSERT_TRUE(startGridDialog(kHeads, {}, rows, true, L"", L""));
        EXPECT_EQ(rows, c.expected);
    }
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, AddAndRemoveRows) {
    struct Case {
        const char* what;
        Tvx_StringArrArr given;
        Cell clicked;  // {0, 0}: no click
        int button;
        Tvx_StringArrArr expected;
        Cell activeAfter;  // {0, 0}: the grid is empty
    };
    const Tvx_StringArray blank{L"", L"", L""};
    const Tvx_StringArray a{L"a1", L"a2", L"a3"};
    const Tvx_StringArray b{L"b1", L"b2", L"b3"};
    const Tvx_StringArray c{L"c1", L"c2", L"c3"};
    const Case cases[] = {
        {"add below the active row", threeRows(), {2, 1}, Dlg::kAddRow, {a, blank, b, c}, {2, 2}},
        {"add below the last row", threeRows(), {3, 3}, Dlg::kAddRow, {a, b, c, blank}, {3, 4}},
        {"add to an empty grid", {}, {0, 0}, Dlg::kAddRow, {blank}, {1, 1}},
        {"remove the active row", threeRows(), {2, 2}, Dlg::kRemoveRow, {a, c}, {2, 2}},
        {"remove the first row", threeRows(), {1, 1}, Dlg::kRemoveRow, {b, c}, {1, 1}},
        {"remove the last row", threeRows(), {3, 3}, Dlg::kRemoveRow, {a, b}, {3, 2}},
        {"remove the only row", {a}, {2, 1}, Dlg::kRemoveRow, {}, {0, 0}},
        {"remove from an empty grid", {}, {0, 0}, Dlg::kRemoveRow, {}, {0, 0}},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        Tvx_StringArrArr rows = t.given;
        ui::DialogScript& script = user.onDialog(Dlg::IDD);
        if (t.clicked.row > 0)
            clickCell(script, t.clicked.column, t.clicked.row);
        script.click(t.button)
            .call([&](HWND dialog) {
                const HWND grid = gridOf(dialog);
                EXPECT_EQ(SSGetMaxRows(grid), t.expected.length());
                if (t.activeAfter.row == 0)
                    return;
                EXPECT_EQ(GetFocus(), grid);
                EXPECT_EQ(activeCell(dialog), t.activeAfter);
                if (t.button == Dlg::kRemoveRow) {
                    // Editing goes on at the end of the cell's text.
                    ASSERT_TRUE(SSGetEditMode(grid));
                    int start = -1, end = -1;
                    SSGetEditSel(grid, start, end);
                    EXPECT_EQ(start, 2);
                    EXPECT_EQ(end, 2);
                }
            })
            .click(IDOK);
        ASSERT_TRUE(startGridDialog(kHeads, {}, rows, true, L"", L""));
        EXPECT_EQ(rows, t.expected);
    }
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, AddedRowsUseTheSheetFont) {
    Tvx_StringArrArr rows = threeRows();
    clickCell(user.onDialog(Dlg::IDD), 1, 1)
        .click(Dlg::kAddRow)
        .call([](HWND dialog) {
            SS_FONT font;
            ASSERT_TRUE(SSGetFont(gridOf(dialog), 2, 2, font));
            EXPECT_EQ(font.face, L"Tahoma");
        })
        .click(IDOK);
    EXPECT_TRUE(startGridDialog(kHeads, {}, rows, true, L"", L""));
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, TypedTextsComeBackEvenWhileStillBeingEdited) {
    Tvx_StringArrArr rows = threeRows();
    ui::DialogScript& script = user.onDialog(Dlg::IDD);
    clickCell(script, 2, 3)
        .call([](HWND dialog) {
            for (wchar_t ch : std::wstring(L"new"))
                grid::gridOf(gridOf(dialog))->userChar(ch);
        })
        .click(IDOK);
    ASSERT_TRUE(startGridDialog(kHeads, {}, rows, true, L"", L""));
    ASSERT_EQ(rows.length(), 3);
    // The cell is edited as soon as it is clicked: typing goes on after its text.
    EXPECT_EQ(rows[2], Tvx_StringArray({L"c1", L"c2new", L"c3"}));
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, FixedRowsHideTheButtonsAndComeBackAsMany) {
    Tvx_StringArrArr rows = {{L"a"}, {L"b", L"b2"}};
    clickCell(user.onDialog(Dlg::IDD), 1, 1)
        .call([](HWND dialog) {
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, Dlg::kAddRow)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, Dlg::kRemoveRow)));
        })
        .click(IDOK);
    ASSERT_TRUE(startGridDialog(kHeads, {L"1", L"2"}, rows, false, L"", L""));
    EXPECT_EQ(rows, Tvx_StringArrArr({{L"a", L"", L""}, {L"b", L"b2", L""}}));
    EXPECT_TRUE(user.problems().empty());

    // A hidden button cannot be clicked.
    rows = threeRows();
    user.onDialog(Dlg::IDD).click(Dlg::kAddRow).click(IDOK);
    startGridDialog(kHeads, {}, rows, false, L"", L"");
    EXPECT_FALSE(user.problems().empty());
}

TEST_F(StringArrayTest, CancelLeavesTheRowsUntouched) {
    const struct {
        const char* what;
        bool close;  // the close box instead of Cancel
    } cases[] = {{"Cancel", false}, {"the close box", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Tvx_StringArrArr rows = {{L"short"}};
        ui::DialogScript& script = user.onDialog(Dlg::IDD);
        clickCell(script, 1, 1).click(Dlg::kAddRow).click(Dlg::kAddRow);
        if (c.close)
            script.close();
        else
            script.click(IDCANCEL);
        EXPECT_FALSE(startGridDialog(kHeads, {}, rows, true, L"", L""));
        EXPECT_EQ(rows, Tvx_StringArrArr({{L"short"}}));
    }
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, EmptyColumnHeadsAreRefusedWithoutShowingAnything) {
    Tvx_StringArrArr rows = threeRows();
    EXPECT_FALSE(startGridDialog({}, {L"r"}, rows, true, L"", L"Title"));
    EXPECT_EQ(rows, threeRows());
    EXPECT_TRUE(user.transcript().empty());
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, TheSizeIsKeptUnderItsKey) {
    struct Case {
        const char* what;
        Tvx_String givenKey;
        Tvx_String storedKey;
    };
    const Case cases[] = {
        {"no key: the default one", L"", L"DLG_SS_STRINGARRAY"},
        {"the caller's key", L"DLG_BOLT_ROWS", L"DLG_BOLT_ROWS"},
    };
    int width = 700;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        width += 20;
        Tvx_StringArrArr rows = threeRows();
        user.onDialog(Dlg::IDD).resize(width, 400).click(IDCANCEL);
        startGridDialog(kHeads, {}, rows, true, c.givenKey, L"");
        EXPECT_EQ(registry::readDialogSize(c.storedKey), CSize(width, 400));

        // Opened again it comes back at that size.
        user.onDialog(Dlg::IDD)
            .call([&](HWND dialog) { EXPECT_EQ(windowSize(dialog), CSize(width, 400)); })
            .click(IDCANCEL);
        startGridDialog(kHeads, {}, rows, true, c.givenKey, L"");
    }
    EXPECT_EQ(registry::readDialogSize(L"DLG_BOLT_ROWS"), CSize(740, 400));
    EXPECT_EQ(registry::readDialogSize(L"DLG_SS_STRINGARRAY"), CSize(720, 400));
    EXPECT_TRUE(user.problems().empty());
}

TEST_F(StringArrayTest, TheStartSizeIsTheSmallestAndControlsFollowTheCorners) {
    Tvx_StringArrArr rows = threeRows();
    CSize start;
    CRect grid, ok, remove, dialogRect;
    user.onDialog(Dlg::IDD)
        .call([&](HWND dialog) {
            start = windowSize(dialog);
            GetWindowRect(gridOf(dialog), &grid);
            GetWindowRect(GetDlgItem(dialog, IDOK), &ok);
            GetWindowRect(GetDlgItem(dialog, Dlg::kRemoveRow), &remove);
        })
        .resize(10, 10)
        .call([&](HWND dialog) { EXPECT_EQ(windowSize(dialog), start); })
        .resize(1000, 600)
        .call([&](HWND dialog) {
            const int dx = 1000 - start.cx;
            const int dy = 600 - start.cy;
            CRect now;
            GetWindowRect(gridOf(dialog), &now);
            EXPECT_EQ(now.left, grid.left);
            EXPECT_EQ(now.top, grid.top);
            EXPECT_EQ(now.Width(), grid.Width() + dx);
            EXPECT_EQ(now.Height(), grid.Height() + dy);
            GetWindowRect(GetDlgItem(dialog, IDOK), &now);
            EXPECT_EQ(now.left, ok.left);
            EXPECT_EQ(now.top, ok.top + dy);
            EXPECT_EQ(now.Size(), ok.Size());
            GetWindowRect(GetDlgItem(dialog, Dlg::kRemoveRow), &now);
            EXPECT_EQ(now.left, remove.left + dx);
            EXPECT_EQ(now.top, remove.top + dy);
            EXPECT_EQ(now.Size(), remove.Size());
            // The columns share the grid's width.
            EXPECT_EQ(SSGetColWidth(gridOf(dialog), 1), SSGetColWidth(gridOf(dialog), 3));
        })
        .click(IDCANCEL);
    startGridDialog(kHeads, {}, rows, true, L"", L"");
    EXPECT_TRUE(user.problems().empty());
}

}  // namespace

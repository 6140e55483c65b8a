// Formulas following the sheet's structure through the library interface:
// inserted and deleted rows and columns, moved blocks and copied formulas
// rewrite the references (A1 and R1C1 texts) and recompute the values.
#include <gtest/gtest.h>

#include <functional>

#include "platform/grid/GridTestWindow.h"
#include "platform/grid/GridWindow.h"
#include "platform/grid/SS.h"

namespace grid {
namespace {

// A grid of 5 columns and 8 rows; column A holds 1, 2, 4, ... 32 in rows 1 to 6.
class TestGrid {
  public:
    TestGrid() : window(createGrid(parent)) {
        SSSetMaxCols(window, 5);
        SSSetMaxRows(window, 8);
        for (int row = 1; row <= 6; ++row)
            SSSetFloat(window, 1, row, 1 << (row - 1));
    }

    Tvx_String value(SS_COORD column, SS_COORD row) {
        Tvx_String text;
        SSGetValue(window, column, row, text);
        return text;
    }
    Tvx_String formula(SS_COORD column, SS_COORD row, int style = 1) {
        SSSetRefStyle(window, style);
        Tvx_String text;
        SSGetFormula(window, column, row, text);
        SSSetRefStyle(window, 1);
        return text;
    }

    CWnd parent;
    HWND window;
};

class SSFormulaReferencesTest : public testing::Test {
  protected:
    Tvx_String value(SS_COORD column, SS_COORD row) { return grid.value(column, row); }
    Tvx_String formula(SS_COORD column, SS_COORD row) { return grid.formula(column, row); }

    TestGrid grid;
    HWND window = grid.window;
};

struct StructureCase {
    const char* name;
    std::function<BOOL(HWND)> edit;
    SS_COORD column;  // where the formula is after the edit
    SS_COORD row;
    const wchar_t* a1;
    const wchar_t* r1c1;
    const wchar_t* value;
};

TEST_F(SSFormulaReferencesTest, InsertedAndDeletedLinesMoveReferencesAlong) {
    // The formula sits in C4: 2 + 16 + (4 + 8 + 16 + 32) = 78.
    const wchar_t* const written = L"A2+$A$5+SUM(A3:A6)";
    const StructureCase cases[] = {
        {"row inserted above everything", [](HWND w) { return SSInsRow(w, 1); }, 3, 5,
         L"A3+$A$6+SUM(A4:A7)", L"R[-2]C[-2]+R6C1+SUM(R[-1]C[-2]:R[2]C[-2])", L"78"},
        {"row inserted inside the range", [](HWND w) { return SSInsRow(w, 4); }, 3, 5,
         L"A2+$A$6+SUM(A3:A7)", L"R[-3]C[-2]+R6C1+SUM(R[-2]C[-2]:R[2]C[-2])", L"78"},
        {"row inserted after everything", [](HWND w) { return SSInsRow(w, 7); }, 3, 4, written,
         L"R[-2]C[-2]+R5C1+SUM(R[-1]C[-2]:R[2]C[-2])", L"78"},
        {"row deleted above everything", [](HWND w) { return SSDelRow(w, 1); }, 3, 3,
         L"A1+$A$4+SUM(A2:A5)", L"R[-2]C[-2]+R4C1+SUM(R[-1]C[-2]:R[2]C[-2])", L"78"},
        {"referenced row deleted", [](HWND w) { return SSDelRow(w, 2); }, 3, 3,
         L"#REF!+$A$4+SUM(A2:A5)", L"#REF!+R4C1+SUM(R[-1]C[-2]:R[2]C[-2])", L"#REF!"},
        {"row deleted inside the range", [](HWND w) { return SSDelRow(w, 3); }, 3, 3,
         L"A2+$A$4+SUM(A3:A5)", L"R[-1]C[-2]+R4C1+SUM(RC[-2]:R[2]C[-2])", L"74"},
        {"column inserted before the references", [](HWND w) { return SSInsCol(w, 1); }, 4, 4,
         L"B2+$B$5+SUM(B3:B6)", L"R[-2]C[-2]+R5C2+SUM(R[-1]C[-2]:R[2]C[-2])", L"78"},
        {"referenced column deleted", [](HWND w) { return SSDelCol(w, 1); }, 2, 4,
         L"#REF!+#REF!+SUM(#REF!)", L"#REF!+#REF!+SUM(#REF!)", L"#REF!"},
        {"column deleted between formula and references", [](HWND w) { return SSDelCol(w, 2); }, 2,
         4, written, L"R[-2]C[-1]+R5C1+SUM(R[-1]C[-1]:R[2]C[-1])", L"78"},
    };
    for (const StructureCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestGrid fresh;
        ASSERT_TRUE(SSSetFormula(fresh.window, 3, 4, written, TRUE));
        ASSERT_EQ(fresh.value(3, 4), Tvx_String(L"78"));
        ASSERT_TRUE(c.edit(fresh.window));
        EXPECT_EQ(fresh.formula(c.column, c.row), Tvx_String(c.a1));
        EXPECT_EQ(fresh.formula(c.column, c.row, 2), Tvx_String(c.r1c1));
        EXPECT_EQ(fresh.value(c.column, c.row), Tvx_String(c.value));
    }
}

TEST_F(SSFormulaReferencesTest, ALostReferenceStaysLost) {
    ASSERT_TRUE(SSSetFormula(window, 3, 1, L"A6*2", TRUE));
    ASSERT_TRUE(SSDelRow(window, 6));
    EXPECT_EQ(formula(3, 1), Tvx_String(L"#REF!*2"));
    EXPECT_TRUE(SSIsCellError(window, 3, 1));
    // The cell that took row 6's place does not revive the reference.
    SSSetFloat(window, 1, 6, 5);
    EXPECT_EQ(value(3, 1), Tvx_String(L"#REF!"));
}

TEST_F(SSFormulaReferencesTest, ARowFallingOffTheEndLosesItsReferences) {
    SSSetFloat(window, 1, 8, 100);
    ASSERT_TRUE(SSSetFormula(window, 3, 1, L"A8+SUM(A7:A8)", TRUE));
    ASSERT_TRUE(SSInsRow(window, 1));
    EXPECT_EQ(formula(3, 2), Tvx_String(L"#REF!+SUM(A8:A8)"));
}

TEST_F(SSFormulaReferencesTest, CopiedFormulasShiftRelativeReferencesOnly) {
    ASSERT_TRUE(SSSetFormula(window, 2, 2, L"A2*10+$A$1", TRUE));
    ASSERT_EQ(value(2, 2), Tvx_String(L"21"));
    ASSERT_TRUE(SSCopyRange(window, 2, 2, 2, 2, 2, 4));
    EXPECT_EQ(formula(2, 4), Tvx_String(L"A4*10+$A$1"));
    EXPECT_EQ(value(2, 4), Tvx_String(L"81"));
    EXPECT_EQ(formula(2, 2), Tvx_String(L"A2*10+$A$1")) << "the source is unchanged";
    // One column to the left, the relative reference leaves the sheet.
    ASSERT_TRUE(SSCopyRange(window, 2, 2, 2, 2, 1, 3));
    EXPECT_EQ(formula(1, 3), Tvx_String(L"#REF!*10+$A$1"));
    EXPECT_EQ(value(1, 3), Tvx_String(L"#REF!"));
}

TEST_F(SSFormulaReferencesTest, CopiedBlocksKeepTheirInnerReferencesRelative) {
    ASSERT_TRUE(SSSetFormula(window, 2, 1, L"A1+1", TRUE));
    ASSERT_TRUE(SSSetFormula(window, 3, 1, L"B1*2", TRUE));
    ASSERT_TRUE(SSCopyRange(window, 1, 1, 3, 1, 1, 5));
    EXPECT_EQ(formula(2, 5), Tvx_String(L"A5+1"));
    EXPECT_EQ(formula(3, 5), Tvx_String(L"B5*2"));
    EXPECT_EQ(value(3, 5), Tvx_String(L"4")) << "the copy of A1 in A5 is 1: (1 + 1) * 2";
}

TEST_F(SSFormulaReferencesTest, MovedBlocksTakeTheirFormulasAndReferencesAlong) {
    ASSERT_TRUE(SSSetFormula(window, 2, 2, L"A2*10+$A$1", TRUE));  // 21, moves
    ASSERT_TRUE(SSSetFormula(window, 5, 1, L"B2+A2", TRUE));       // refers to both blocks
    ASSERT_TRUE(SSSetFormula(window, 5, 2, L"D7", TRUE));          // the overwritten cell
    // A2:B2 moves to C7:D7.
    ASSERT_TRUE(SSMoveRange(window, 1, 2, 2, 2, 3, 7));
    EXPECT_EQ(formula(4, 7), Tvx_String(L"C7*10+$A$1"));
    EXPECT_EQ(value(4, 7), Tvx_String(L"21"));
    EXPECT_EQ(formula(5, 1), Tvx_String(L"D7+C7"));
    EXPECT_EQ(value(5, 1), Tvx_String(L"23"));
    EXPECT_EQ(formula(5, 2), Tvx_String(L"#REF!"));
    EXPECT_EQ(value(1, 2), Tvx_String());
}

TEST_F(SSFormulaReferencesTest, MovedWholeRowsTakeTheReferencesToThemAlong) {
    ASSERT_TRUE(SSSetFormula(window, 3, 1, L"A1+$A$2", TRUE));
    ASSERT_TRUE(SSMoveRange(window, SS_ALL, 1, SS_ALL, 1, SS_ALL, 8));
    EXPECT_EQ(formula(3, 8), Tvx_String(L"A8+$A$2"));
    EXPECT_EQ(value(3, 8), Tvx_String(L"3"));
}

}  // namespace
}  // namespace grid

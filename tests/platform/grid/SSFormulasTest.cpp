// The grid library's formula role over a window handle: formulas computed as
// the options say, value texts by cell type, the reference styles, custom
// functions with their value records, and the formulas following the sheet
// through value writes, loads and layout changes.
#include <gtest/gtest.h>

#include "platform/core/GlobalMemory.h"
#include "platform/grid/GridHandles.h"
#include "platform/grid/GridTestWindow.h"
#include "platform/grid/GridWindow.h"
#include "platform/grid/SS.h"
#include "support/TempDir.h"

namespace grid {
namespace {

class SSFormulasTest : public testing::Test {
  protected:
    SSFormulasTest() : window(createGrid(parent)) {
        SSSetMaxCols(window, 5);
        SSSetMaxRows(window, 6);
    }

    Tvx_String value(SS_COORD column, SS_COORD row) {
        Tvx_String text;
        SSGetValue(window, column, row, text);
        return text;
    }
    Tvx_String formula(SS_COORD column, SS_COORD row) {
        Tvx_String text;
        SSGetFormula(window, column, row, text);
        return text;
    }

    CWnd parent;
    HWND window;
};

TEST_F(SSFormulasTest, FormulasComputeAndShowByCellType) {
    SSSetValue(window, 1, 1, L"10");
    ASSERT_TRUE(SSSetFormula(window, 2, 1, L"a1 * 2", FALSE));
    EXPECT_EQ(value(2, 1), Tvx_String(L"20"));
    EXPECT_EQ(formula(2, 1), Tvx_String(L"A1*2"));
    EXPECT_EQ(SSGetFormulaLen(window, 2, 1), 4);

    SS_CELLTYPE number;
    ASSERT_NE(SSSetTypeNumber(window, &number, 7, -99999999999999.0, 99999999999999.0, FALSE),
              nullptr);
    SSSetCellType(window, 3, 1, &number);
    ASSERT_TRUE(SSSetFormula(window, 3, 1, L"A1/4", TRUE));
    EXPECT_EQ(value(3, 1), Tvx_String(L"2.5000000"));

    // Automatic recalculation follows a changed input.
    SSSetValue(window, 1, 1, L"3");
    EXPECT_EQ(value(2, 1), Tvx_String(L"6"));
    EXPECT_EQ(value(3, 1), Tvx_String(L"0.7500000"));
}

TEST_F(SSFormulasTest, WithoutAutomaticRecalculationOnlyWhatIsAskedIsComputed) {
    SSSetBool(window, kOptionAutoCalc, FALSE);
    SSSetValue(window, 1, 1, L"10");
    ASSERT_TRUE(SSSetFormula(window, 2, 1, L"A1+1", FALSE));
    EXPECT_EQ(value(2, 1), Tvx_String());
    ASSERT_TRUE(SSSetFormula(window, 3, 1, L"A1+2", TRUE));
    EXPECT_EQ(value(3, 1), Tvx_String(L"12"));
    EXPECT_EQ(value(2, 1), Tvx_String()) << "the setter computes its own cell only";
    SSSetValue(window, 1, 1, L"20");
    EXPECT_EQ(value(3, 1), Tvx_String(L"12"));
    ASSERT_TRUE(SSReCalcCell(window, 3, 1));
    EXPECT_EQ(value(3, 1), Tvx_String(L"22"));
    EXPECT_EQ(value(2, 1), Tvx_String());
    ASSERT_TRUE(SSReCalc(window));
    EXPECT_EQ(value(2, 1), Tvx_String(L"21"));
    EXPECT_FALSE(SSReCalcCell(window, 1, 1)) << "no formula there";
}

TEST_F(SSFormulasTest, RefusedFormulasChangeNothing) {
    SSSetValue(window, 1, 1, L"7");
    EXPECT_FALSE(SSSetFormula(window, 1, 1, L"1+", TRUE));
    EXPECT_FALSE(SSSetFormula(window, 1, 1, L"=1", TRUE));
    EXPECT_FALSE(SSSetFormula(window, 0, 1, L"1", TRUE));
    EXPECT_FALSE(SSSetFormula(window, 9, 1, L"1", TRUE));
    EXPECT_FALSE(SSSetFormula(nullptr, 1, 1, L"1", TRUE));
    EXPECT_EQ(value(1, 1), Tvx_String(L"7"));
    EXPECT_EQ(formula(1, 1), Tvx_String());
    EXPECT_EQ(SSGetFormulaLen(window, 9, 9), -1);
}

TEST_F(SSFormulasTest, AValueWrittenOverAFormulaRemovesIt) {
    SSSetValue(window, 1, 1, L"2");
    SSSetFormula(window, 2, 1, L"A1*3", TRUE);
    SSSetFormula(window, 3, 1, L"B1+1", TRUE);
    EXPECT_EQ(value(3, 1), Tvx_String(L"7"));
    SSSetValue(window, 2, 1, L"100");
    EXPECT_EQ(formula(2, 1), Tvx_String());
    EXPECT_EQ(value(3, 1), Tvx_String(L"101"));
    SSSetValue(window, 1, 1, L"5");
    EXPECT_EQ(value(2, 1), Tvx_String(L"100"));
}

TEST_F(SSFormulasTest, ReferenceStylesAndErrors) {
    SSSetFormula(window, 3, 4, L"A1+B$2", TRUE);
    ASSERT_TRUE(SSSetRefStyle(window, 2));
    EXPECT_EQ(SSGetRefStyle(window), 2);
    EXPECT_EQ(formula(3, 4), Tvx_String(L"R[-3]C[-2]+R2C[-1]"));
    ASSERT_TRUE(SSSetFormula(window, 1, 5, L"1/0", TRUE));
    EXPECT_TRUE(SSIsCellError(window, 1, 5));
    EXPECT_EQ(value(1, 5), Tvx_String(L"#DIV/0!"));
    EXPECT_FALSE(SSIsCellError(window, 3, 4));
    EXPECT_FALSE(SSSetRefStyle(window, 3));
}

// Joins its text arguments with "+", counting whole numbers, doubles and
// empty arguments.
BOOL joinArguments(SS_VALUE* result, const SS_VALUE* arguments, int count) {
    Tvx_String joined;
    for (int i = 0; i < count; ++i) {
        const SS_VALUE& argument = arguments[i];
        Tvx_String part;
        if (argument.Status == SS_VALUE_EMPTY)
            part = L"empty";
        else if (argument.Type == SS_TYPE_STRING)
            getGlobalStr(argument.Text, part);
        else if (argument.Type == SS_TYPE_LONG)
            part = Tvx_String(static_cast<int>(argument.Long));
        else
            part = Tvx_String(argument.Double, 1);
        joined += (i ? Tvx_String(L"+") : Tvx_String()) + part;
    }
    result->Status = SS_VALUE_PRESENT;
    result->Type = SS_TYPE_STRING;
    return setGlobalStr(result->Text, joined.str());
}

TEST_F(SSFormulasTest, CustomFunctionsExchangeLibraryRecords) {
    const int handlesBefore = liveGlobalHandleCount();
    ASSERT_TRUE(SSAddCustomFunctionExt(window, L"Join", 1, 4, &joinArguments, 0));
    SSSetValue(window, 1, 1, L"abc");
    ASSERT_TRUE(SSSetFormula(window, 2, 2, L"JOIN(A1, 2, 2.5, C3)", TRUE));
    EXPECT_EQ(value(2, 2), Tvx_String(L"abc+2+2.5+empty"));
    EXPECT_EQ(liveGlobalHandleCount(), handlesBefore) << "every text handle is freed";
    // Too many arguments, a built-in name, no callback.
    ASSERT_TRUE(SSSetFormula(window, 2, 3, L"JOIN(1,2,3,4,5)", TRUE));
    EXPECT_TRUE(SSIsCellError(window, 2, 3));
    EXPECT_FALSE(SSAddCustomFunctionExt(window, L"SUM", 1, 1, &joinArguments, 0));
    EXPECT_FALSE(SSAddCustomFunctionExt(window, L"Other", 1, 1, nullptr, 0));
}

// Gives how many times it was called in this test (counting from 1).
int tickCalls = 0;
BOOL tick(SS_VALUE* result, const SS_VALUE*, int) {
    result->Status = SS_VALUE_PRESENT;
    result->Type = SS_TYPE_LONG;
    result->Long = ++tickCalls;
    return TRUE;
}

TEST_F(SSFormulasTest, AddingAFunctionAgainRecomputesItsCallersAndChangesTakeEffect) {
    tickCalls = 0;
    ASSERT_TRUE(SSAddCustomFunctionExt(window, L"Tick", 0, 1, &tick, 0));
    ASSERT_TRUE(SSSetFormula(window, 1, 1, L"TICK()", TRUE));
    EXPECT_EQ(value(1, 1), Tvx_String(L"1"));
    // The same function again, in another letter case: its caller is computed again.
    ASSERT_TRUE(SSAddCustomFunctionExt(window, L"TICK", 0, 1, &tick, 0));
    EXPECT_EQ(value(1, 1), Tvx_String(L"2"));
    // Other counts take effect: the call without arguments is now refused.
    ASSERT_TRUE(SSAddCustomFunctionExt(window, L"tick", 1, 1, &tick, 0));
    EXPECT_TRUE(SSIsCellError(window, 1, 1));
    // So does another callback under the same name.
    ASSERT_TRUE(SSAddCustomFunctionExt(window, L"Tick", 0, 1, &joinArguments, 0));
    EXPECT_EQ(value(1, 1), Tvx_String(L""));
    // And all of it survives a layout change that rebuilds the formulas.
    ASSERT_TRUE(SSAddCustomFunctionExt(window, L"Tick", 0, 1, &tick, 0));
    ASSERT_TRUE(SSInsRow(window, 1));
    ASSERT_TRUE(SSReCalc(window));
    EXPECT_EQ(value(1, 2), Tvx_String(std::to_wstring(tickCalls)));
}

TEST_F(SSFormulasTest, FormulasFollowLoadsAndLayoutChanges) {
    ASSERT_TRUE(SSAddCustomFunctionExt(window, L"JOIN", 1, 4, &joinArguments, 0));
    SSSetValue(window, 1, 1, L"x");
    SSSetFormula(window, 2, 1, L"JOIN(A1)&\"!\"", TRUE);
    // A new row moves the cells; the function is still known, and the formula
    // follows the cell it refers to.
    ASSERT_TRUE(SSInsRow(window, 1));
    EXPECT_EQ(formula(2, 2), Tvx_String(L"JOIN(A2)&\"!\""));
    EXPECT_EQ(value(2, 2), Tvx_String(L"x!"));
    SSSetValue(window, 1, 2, L"y");
    EXPECT_EQ(value(2, 2), Tvx_String(L"y!"));

    testsupport::TempDir dir;
    const Tvx_String path = Tvx_String::fromUtf8((dir.path() / "f.vts").string());
    ASSERT_TRUE(SSSaveToFile(window, path, FALSE));
    SSSetValue(window, 2, 2, L"gone");
    ASSERT_TRUE(SSLoadFromFile(window, path));
    EXPECT_EQ(formula(2, 2), Tvx_String(L"JOIN(A2)&\"!\""));
    EXPECT_EQ(value(2, 2), Tvx_String(L"y!")) << "the saved result until computed";
    SSSetValue(window, 1, 2, L"z");
    EXPECT_EQ(value(2, 2), Tvx_String(L"z!"));
}

TEST_F(SSFormulasTest, TypedFormulasAreComputed) {
    SSSetBool(window, kOptionAllowUserFormulas, TRUE);
    SSSetValue(window, 1, 1, L"4");
    GridControl& control = *gridOf(window);
    ASSERT_TRUE(control.commitUserText(1, 2, L"=A1^2"));
    EXPECT_EQ(value(1, 2), Tvx_String(L"16"));
    EXPECT_EQ(formula(1, 2), Tvx_String(L"A1^2"));
}

}  // namespace
}  // namespace grid

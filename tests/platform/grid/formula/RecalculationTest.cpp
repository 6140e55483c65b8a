// Dependency-driven recalculation: what a change recomputes, manual and
// automatic recalculation, circular references, and changes during a computation.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TestSheet.h"
#include "platform/core/Unicode.h"

namespace {

using formula::Value;

class RecalculationTest : public ::testing::Test {
  protected:
    RecalculationTest() : engine(sheet) {}

    void set(const std::wstring& cell, const std::wstring& text) {
        const auto [column, row] = formulatest::address(cell);
        formula::ParseError error;
        ASSERT_TRUE(engine.setFormula(column, row, text, true, &error))
            << unicode::toUtf8(error.message);
    }
    // Changes a constant cell the way the sheet model does: value, then notice.
    void change(const std::wstring& cell, Value value) {
        sheet.put(cell, std::move(value));
        const auto [column, row] = formulatest::address(cell);
        engine.cellChanged(column, row);
    }
    Value valueOf(const std::wstring& cell) const {
        const auto [column, row] = formulatest::address(cell);
        const Value* result = engine.result(column, row);
        return result ? *result : sheet.cellValue(column, row);
    }
    std::vector<std::wstring> storedCells() const {
        std::vector<std::wstring> cells;
        for (const auto& [column, row] : sheet.stored) {
            cells.push_back(formula::columnLetters(column) + std::to_wstring(row));
        }
        return cells;
    }

    formulatest::TestSheet sheet;
    formula::FormulaEngine engine;
};

TEST_F(RecalculationTest, ChangedInputRecomputesOnlyItsDependentsInOrder) {
    change(L"A1", Value::number(1));
    change(L"A2", Value::number(100));
    set(L"B1", L"A1*2");
    set(L"C1", L"B1+1");
    set(L"D1", L"C1+B1");
    set(L"B2", L"A2*2");
    set(L"E1", L"SUM(B1:B2)");
    sheet.stored.clear();
    change(L"A1", Value::number(5));
    EXPECT_EQ(storedCells(), (std::vector<std::wstring>{L"B1", L"C1", L"D1", L"E1"}));
    EXPECT_EQ(valueOf(L"D1"), Value::number(21));
    EXPECT_EQ(valueOf(L"E1"), Value::number(210));
    sheet.stored.clear();
    change(L"A3", Value::number(7));
    EXPECT_TRUE(sheet.stored.empty());
}

TEST_F(RecalculationTest, FormulaChainRecomputesFromItsFirstLink) {
    change(L"A1", Value::number(1));
    set(L"A2", L"A1+1");
    for (int row = 3; row <= 60; ++row)
        set(L"A" + std::to_wstring(row), L"A" + std::to_wstring(row - 1) + L"+1");
    EXPECT_EQ(valueOf(L"A60"), Value::number(60));
    sheet.stored.clear();
    set(L"A2", L"A1+100");
    EXPECT_EQ(sheet.stored.size(), 59u);
    EXPECT_EQ(valueOf(L"A60"), Value::number(159));
}

TEST_F(RecalculationTest, ManualModeKeepsResultsUntilRecalculated) {
    change(L"A1", Value::number(2));
    set(L"B1", L"A1*10");
    set(L"C1", L"B1+1");
    engine.setAutomaticRecalculation(false);
    sheet.stored.clear();
    change(L"A1", Value::number(3));
    EXPECT_TRUE(sheet.stored.empty());
    EXPECT_EQ(valueOf(L"C1"), Value::number(21));
    // Recalculating C1 first brings its stale precedent B1 up to date.
    EXPECT_TRUE(engine.recalculateCell(3, 1));
    EXPECT_EQ(storedCells(), (std::vector<std::wstring>{L"B1", L"C1"}));
    EXPECT_EQ(valueOf(L"C1"), Value::number(31));
    change(L"A1", Value::number(4));
    EXPECT_TRUE(engine.recalculateAll());
    EXPECT_EQ(valueOf(L"C1"), Value::number(41));
    // A formula set without its recalculate flag waits too.
    EXPECT_TRUE(engine.setFormula(4, 1, L"C1*2", false));
    EXPECT_EQ(*engine.result(4, 1), Value());
    // Switching automatic back on computes what is stale.
    engine.setAutomaticRecalculation(true);
    EXPECT_EQ(valueOf(L"D1"), Value::number(82));
    EXPECT_FALSE(engine.recalculateCell(9, 9));
}

TEST_F(RecalculationTest, SettingAFormulaWithRecalculateComputesItEvenInManualMode) {
    engine.setAutomaticRecalculation(false);
    change(L"A1", Value::number(6));
    set(L"B1", L"A1*7");
    EXPECT_EQ(valueOf(L"B1"), Value::number(42));
}

TEST_F(RecalculationTest, CircularReferencesGiveAnErrorAndNeverLoop) {
    set(L"A1", L"B1+1");
    set(L"B1", L"C1+1");
    set(L"C1", L"A1+1");
    set(L"D1", L"A1*2");
    set(L"E1", L"IFERROR(D1,-1)");
    set(L"F1", L"F1+1");
    for (const wchar_t* cell : {L"A1", L"B1", L"C1", L"D1", L"F1"}) {
        EXPECT_EQ(valueOf(cell), Value::error(formula::ErrorKind::Circular))
            << unicode::toUtf8(cell);
    }
    EXPECT_EQ(valueOf(L"E1"), Value::number(-1));
    EXPECT_TRUE(engine.recalculateAll());
    EXPECT_EQ(valueOf(L"B1"), Value::error(formula::ErrorKind::Circular));
    // Breaking the circle lets every member compute again.
    set(L"C1", L"5");
    EXPECT_EQ(valueOf(L"A1"), Value::number(7));
    EXPECT_EQ(valueOf(L"D1"), Value::number(14));
    // A range that contains its own formula is a circle too.
    set(L"G5", L"SUM(G1:G9)");
    EXPECT_EQ(valueOf(L"G5"), Value::error(formula::ErrorKind::Circular));
}

TEST_F(RecalculationTest, LongChainComputesWithoutDeepRecursion) {
    formulatest::TestSheet tall(2, 30000);
    formula::FormulaEngine tallEngine(tall);
    tallEngine.setAutomaticRecalculation(false);
    tall.put(L"A1", Value::number(0));
    for (int row = 2; row <= 30000; ++row) {
        ASSERT_TRUE(tallEngine.setFormula(1, row, L"A" + std::to_wstring(row - 1) + L"+1", false));
    }
    EXPECT_TRUE(tallEngine.recalculateAll());
    EXPECT_EQ(*tallEngine.result(1, 30000), Value::number(29999));
    tall.put(L"A1", Value::number(1));
    tallEngine.setAutomaticRecalculation(true);
    tallEngine.cellChanged(1, 1);
    EXPECT_EQ(*tallEngine.result(1, 30000), Value::number(30000));
}

TEST_F(RecalculationTest, RemovingAFormulaHandsTheCellBackToTheSheet) {
    set(L"A1", L"2+3");
    set(L"B1", L"A1*2");
    EXPECT_EQ(valueOf(L"B1"), Value::number(10));
    sheet.put(L"A1", Value::number(7));
    EXPECT_TRUE(engine.removeFormula(1, 1));
    EXPECT_FALSE(engine.hasFormula(1, 1));
    EXPECT_EQ(valueOf(L"B1"), Value::number(14));
    EXPECT_FALSE(engine.removeFormula(1, 1));
    EXPECT_EQ(engine.formulaCount(), 1);
}

TEST_F(RecalculationTest, ReplacingAFormulaUpdatesItsDependencies) {
    change(L"A1", Value::number(1));
    change(L"A2", Value::number(2));
    set(L"B1", L"A1");
    set(L"B1", L"A2");
    sheet.stored.clear();
    change(L"A1", Value::number(10));
    EXPECT_TRUE(sheet.stored.empty());
    change(L"A2", Value::number(20));
    EXPECT_EQ(valueOf(L"B1"), Value::number(20));
}

TEST_F(RecalculationTest, ShrinkingTheSheetTurnsReferencesOutsideIntoRefErrors) {
    change(L"J50", Value::number(3));
    set(L"A1", L"J50*2");
    EXPECT_EQ(valueOf(L"A1"), Value::number(6));
    sheet.resize(5, 20);
    engine.boundsChanged();
    EXPECT_EQ(valueOf(L"A1"), Value::error(formula::ErrorKind::Reference));
    sheet.resize(26, 100);
    engine.boundsChanged();
    EXPECT_EQ(valueOf(L"A1"), Value::number(6));
    formula::ParseError error;
    EXPECT_FALSE(engine.setFormula(27, 1, L"1", true, &error));
    EXPECT_EQ(error.code, formula::ParseErrorCode::CellOutsideSheet);
}

TEST_F(RecalculationTest, RefusedFormulaLeavesTheCellUnchanged) {
    set(L"A1", L"1+1");
    formula::ParseError error;
    EXPECT_FALSE(engine.setFormula(1, 1, L"1+", true, &error));
    EXPECT_EQ(engine.formulaText(1, 1), L"1+1");
    EXPECT_EQ(valueOf(L"A1"), Value::number(2));
}

TEST_F(RecalculationTest, FormulaTextFollowsTheReferenceStyle) {
    set(L"C3", L"a1+$B$2");
    EXPECT_EQ(engine.formulaText(3, 3), L"A1+$B$2");
    engine.setReferenceStyle(formula::ReferenceStyle::R1C1);
    EXPECT_EQ(engine.formulaText(3, 3), L"R[-2]C[-2]+R2C2");
    set(L"D4", L"R[-1]C[-1]*2");
    EXPECT_EQ(engine.formulaText(4, 4, formula::ReferenceStyle::A1), L"C3*2");
    EXPECT_FALSE(engine.formulaText(9, 9).has_value());
}

// A sheet that tries to change formulas while the engine reports a result.
class MeddlingSheet : public formulatest::TestSheet {
  public:
    formula::FormulaEngine* engine = nullptr;
    bool setAccepted = true;
    bool recalculateAccepted = true;
    void storeResult(int column, int row, const Value& result) override {
        TestSheet::storeResult(column, row, result);
        if (!engine || column != 3)
            return;
        setAccepted = engine->setFormula(5, 5, L"1", true);
        recalculateAccepted = engine->recalculateAll();
        put(L"A1", Value::number(100));
        engine->cellChanged(1, 1);
    }
};

TEST(RecalculationDuringComputation, ChangesAreRefusedOrDeferred) {
    MeddlingSheet sheet;
    formula::FormulaEngine engine(sheet);
    sheet.put(L"A1", Value::number(1));
    ASSERT_TRUE(engine.setFormula(2, 1, L"A1+1", false));
    sheet.engine = &engine;
    ASSERT_TRUE(engine.setFormula(3, 1, L"B1*10", true));
    EXPECT_FALSE(sheet.setAccepted);
    EXPECT_FALSE(sheet.recalculateAccepted);
    EXPECT_FALSE(engine.hasFormula(5, 5));
    // The change made during the computation is picked up by the next one.
    sheet.engine = nullptr;
    EXPECT_TRUE(engine.recalculateAll());
    EXPECT_EQ(*engine.result(3, 1), Value::number(1010));
}

}  // namespace

// The formula engine: parsing, one evaluation, a chain recomputed after one
// changed input, full recalculation of large and of typical engineering sheets.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/grid/formula/CellSource.h"
#include "platform/grid/formula/FormulaEngine.h"
#include "platform/grid/formula/parser/Parser.h"

namespace {

using formula::Value;

// A dense sheet of constants; results are kept the way a grid keeps them.
class BenchSheet : public formula::CellSource {
  public:
    BenchSheet(int columns, int rows)
        : columns_(columns), rows_(rows), cells_(static_cast<std::size_t>(columns * rows)) {}
    int columnCount() const override { return columns_; }
    int rowCount() const override { return rows_; }
    Value cellValue(int column, int row) const override { return cells_[index(column, row)]; }
    void storeResult(int column, int row, const Value& result) override {
        cells_[index(column, row)] = result;
    }
    void put(int column, int row, Value value) { cells_[index(column, row)] = std::move(value); }

  private:
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>((row - 1) * columns_ + (column - 1));
    }
    int columns_;
    int rows_;
    std::vector<Value> cells_;
};

const wchar_t* const kTypicalFormula = L"ROUND(IF(A1>B1,A1*2+SQRT(B1)/3,MAX(C1:C10)-MOD(A1,7)),2)";

void parseTypicalFormula(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            formula::parseFormula(kTypicalFormula, 5, 20, formula::ReferenceStyle::A1));
    }
}
BENCHMARK(parseTypicalFormula);

void evaluateTypicalFormulaOnce(benchmark::State& state) {
    BenchSheet sheet(8, 40);
    for (int row = 1; row <= 10; ++row)
        sheet.put(3, row, Value::number(row * 1.5));
    sheet.put(1, 1, Value::number(12));
    sheet.put(2, 1, Value::number(9));
    formula::FormulaEngine engine(sheet);
    engine.setFormula(5, 20, kTypicalFormula, true);
    for (auto _ : state)
        engine.recalculateCell(5, 20);
}
BENCHMARK(evaluateTypicalFormulaOnce);

// A1 holds the input; A2..A201 each add to the one above.
void chainOf200AfterChangingTheInput(benchmark::State& state) {
    BenchSheet sheet(4, 300);
    sheet.put(1, 1, Value::number(1));
    formula::FormulaEngine engine(sheet);
    for (int row = 2; row <= 201; ++row) {
        engine.setFormula(1, row, L"A" + std::to_wstring(row - 1) + L"*1.0001+1", true);
    }
    double input = 1;
    for (auto _ : state) {
        sheet.put(1, 1, Value::number(input += 1));
        engine.cellChanged(1, 1);
    }
    benchmark::DoNotOptimize(engine.result(1, 201));
}
BENCHMARK(chainOf200AfterChangingTheInput)->Unit(benchmark::kMicrosecond);

// 10,000 formulas over 100 inputs: references, ranges and functions mixed.
void fullRecalculationOf10000Formulas(benchmark::State& state) {
    BenchSheet sheet(110, 110);
    for (int row = 1; row <= 100; ++row)
        sheet.put(1, row, Value::number(row));
    formula::FormulaEngine engine(sheet);
    engine.setAutomaticRecalculation(false);
    for (int column = 2; column <= 101; ++column) {
        const std::wstring left = formula::columnLetters(column - 1);
        for (int row = 1; row <= 100; ++row) {
            const std::wstring cell = left + std::to_wstring(row);
            std::wstring text;
            switch (row % 4) {
                case 0:
                    text = cell + L"*1.5+A" + std::to_wstring(row);
                    break;
                case 1:
                    text = L"ROUND(" + cell + L"/3,4)";
                    break;
                case 2:
                    text = L"IF(" + cell + L">50," + cell + L"-1," + cell + L"+2)";
                    break;
                default:
                    text = L"SUM(" + left + L"1:" + left + L"3)+" + cell;
                    break;
            }
            engine.setFormula(column, row, text, false);
        }
    }
    for (auto _ : state)
        engine.recalculateAll();
}
BENCHMARK(fullRecalculationOf10000Formulas)->Unit(benchmark::kMillisecond);

// A typical standards sheet: 20 inputs and 200 equations in row order, each
// using inputs and earlier results through the usual functions.
void fullRecalculationOfEngineeringSheet(benchmark::State& state) {
    BenchSheet sheet(8, 260);
    for (int row = 1; row <= 20; ++row)
        sheet.put(2, row, Value::number(10 + row * 2.5));
    formula::FormulaEngine engine(sheet);
    engine.setAutomaticRecalculation(false);
    const wchar_t* const shapes[] = {
        L"ROUND(B{a}*2+B{b}/3,2)",     L"IF(C{p}>B{a},C{p}-B{a},B{a}-C{p})",
        L"MAX(B{a},C{p})+MIN(B{b},5)", L"SQRT(ABS(C{p}))*PI()/4",
        L"CEILING(C{p}/B{a},1)*B{a}",  L"C{p}+B{a}*0.5-MOD(B{b},3)",
        L"ROUNDDOWN(C{p}*1.1,0)",      L"IF(AND(C{p}>0,B{a}<100),C{p},0)",
    };
    for (int i = 0; i < 200; ++i) {
        std::wstring text = shapes[i % 8];
        auto replace = [&](const std::wstring& key, int value) {
            for (std::size_t at; (at = text.find(key)) != std::wstring::npos;) {
                text.replace(at, key.size(), std::to_wstring(value));
            }
        };
        const int row = 21 + i;
        replace(L"{a}", 1 + i % 20);
        replace(L"{b}", 1 + (i * 7) % 20);
        replace(L"{p}", row > 21 ? row - 1 : 21);
        if (row == 21)
            text = L"B1*B2";
        engine.setFormula(3, row, text, false);
    }
    for (auto _ : state)
        engine.recalculateAll();
}
BENCHMARK(fullRecalculationOfEngineeringSheet)->Unit(benchmark::kMicrosecond);

}  // namespace

// Sheet files and CSV: loading and saving a sheet of 10,000 filled cells;
// inserting and deleting a row of such a sheet, whose formulas follow.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "platform/grid/Csv.h"
#include "platform/grid/SheetFile.h"
#include "platform/grid/SheetFormulas.h"

namespace {

// A file in the system's temporary folder for the file benchmarks.
Tvx_String benchFile() {
    return Tvx_String::fromUtf8(
        (std::filesystem::temp_directory_path() / "vtss-bench-grid.vts").string());
}

// 100 columns by 100 rows: numbers, texts and formulas, number-typed columns,
// a few tags and spans, as a standards sheet of that size would hold.
grid::Sheet tenThousandCells() {
    grid::Sheet sheet;
    sheet.setColumnCount(100);
    sheet.setRowCount(100);
    grid::CellFormat number;
    number.type =
        *grid::makeNumberType(7, -grid::kNumberRangeLimit, grid::kNumberRangeLimit, false);
    sheet.applyFormat({2, 1, 2, 1, false, true}, number);
    for (int row = 1; row <= 100; ++row) {
        for (int column = 1; column <= 100; ++column) {
            switch ((row + column) % 3) {
                case 0:
                    sheet.setNumber(column, row, row * 1.25 + column);
                    break;
                case 1:
                    sheet.setText(column, row, L"Double Width_" + std::to_wstring(column),
                                  grid::TextReading::AsTyped);
                    break;
                default:
                    sheet.setFormula(column, row, L"A1*2+ROUNDTO(B2,5)",
                                     grid::CellValue::number(row));
            }
        }
        if (row % 10 == 0) {
            sheet.setTag(1, row, L"row tag " + std::to_wstring(row));
            sheet.addSpan({5, row, 2, 1});
        }
    }
    return sheet;
}

void writeSheetText(benchmark::State& state) {
    const grid::Sheet sheet = tenThousandCells();
    for (auto _ : state) {
        benchmark::DoNotOptimize(grid::writeSheetText(sheet, grid::SheetFileContent::Everything));
    }
}
BENCHMARK(writeSheetText)->Unit(benchmark::kMillisecond);

void readSheetText(benchmark::State& state) {
    const std::string text =
        grid::writeSheetText(tenThousandCells(), grid::SheetFileContent::Everything);
    state.counters["bytes"] = static_cast<double>(text.size());
    for (auto _ : state) {
        grid::Sheet sheet;
        grid::SheetFileError error;
        benchmark::DoNotOptimize(grid::readSheetText(text, sheet, error));
    }
}
BENCHMARK(readSheetText)->Unit(benchmark::kMillisecond);

void saveSheetFile(benchmark::State& state) {
    const grid::Sheet sheet = tenThousandCells();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            grid::saveSheetFile(benchFile(), sheet, grid::SheetFileContent::Everything));
    }
}
BENCHMARK(saveSheetFile)->Unit(benchmark::kMillisecond);

void loadSheetFile(benchmark::State& state) {
    grid::saveSheetFile(benchFile(), tenThousandCells(), grid::SheetFileContent::Everything);
    for (auto _ : state) {
        grid::Sheet sheet;
        grid::SheetFileError error;
        benchmark::DoNotOptimize(grid::loadSheetFile(benchFile(), sheet, error));
    }
}
BENCHMARK(loadSheetFile)->Unit(benchmark::kMillisecond);

void importCsv(benchmark::State& state) {
    const std::string csv = grid::exportCsv(tenThousandCells(), true);
    for (auto _ : state) {
        grid::Sheet sheet;
        grid::CsvError error;
        benchmark::DoNotOptimize(grid::importCsv(csv, sheet, error));
    }
}
BENCHMARK(importCsv)->Unit(benchmark::kMillisecond);

void exportCsv(benchmark::State& state) {
    const grid::Sheet sheet = tenThousandCells();
    for (auto _ : state)
        benchmark::DoNotOptimize(grid::exportCsv(sheet, true));
}
BENCHMARK(exportCsv)->Unit(benchmark::kMillisecond);

// A row inserted in the middle and deleted again: every formula's references
// rewritten twice; with the engine attached, it is rebuilt after each edit.
void insertAndDeleteRow(benchmark::State& state) {
    grid::Sheet sheet = tenThousandCells();
    sheet.setRowCount(101);  // the row falling off at the insertion is empty
    std::unique_ptr<grid::SheetFormulas> formulas;
    if (state.range(0) != 0)
        formulas = std::make_unique<grid::SheetFormulas>(sheet);
    for (auto _ : state) {
        benchmark::DoNotOptimize(sheet.insertRow(50));
        benchmark::DoNotOptimize(sheet.deleteRow(50));
    }
}
BENCHMARK(insertAndDeleteRow)->Arg(0)->Arg(1)->ArgName("engine")->Unit(benchmark::kMillisecond);

}  // namespace

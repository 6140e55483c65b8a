// Core text services: number formatting and parsing, the hot paths of every sheet.
#include <benchmark/benchmark.h>

#include "platform/core/NumberText.h"
#include "platform/core/Tvx_String.h"

static void formatFixedSevenDecimals(benchmark::State& state) {
    double value = 1234.56789;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numtext::formatFixed(value, 7));
        value += 0.001;
    }
}
BENCHMARK(formatFixedSevenDecimals);

static void parseLeadingDouble(benchmark::State& state) {
    const std::wstring text = L"  -1234.5678e-2 mm";
    for (auto _ : state) benchmark::DoNotOptimize(numtext::parseLeadingDouble(text));
}
BENCHMARK(parseLeadingDouble);

static void findFirstFromIgnoringCase(benchmark::State& state) {
    const Tvx_String text(L"Plate_Thickness + Bolt_Diameter * 2 + plate_width / 3 - Gap");
    int pos = 0;
    for (auto _ : state) benchmark::DoNotOptimize(text.findFirstFrom(0, L"PLATE_WIDTH", false, pos));
}
BENCHMARK(findFirstFromIgnoringCase);

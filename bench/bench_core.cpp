// Core services: number formatting and parsing, text search, path mapping,
// properties lists and duplicate names.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/core/ArrayText.h"
#include "platform/core/NumberText.h"
#include "platform/core/PathMapping.h"
#include "platform/core/TextHelpers.h"
#include "platform/core/Tvx_PropertiesList.h"
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
    for (auto _ : state)
        benchmark::DoNotOptimize(numtext::parseLeadingDouble(text));
}
BENCHMARK(parseLeadingDouble);

static void findFirstFromIgnoringCase(benchmark::State& state) {
    const Tvx_String text(L"Plate_Thickness + Bolt_Diameter * 2 + plate_width / 3 - Gap");
    int pos = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(text.findFirstFrom(0, L"PLATE_WIDTH", false, pos));
}
BENCHMARK(findFirstFromIgnoringCase);

// Paths of libraries copied from the original platform come in any letter case:
// the cost of matching every component of such a path.
static void mapPathWithLetterCaseMismatch(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("vtss-bench-" + std::to_string(::getpid()));
    fs::create_directories(root / "Library/Connection Standards/Data");
    std::ofstream(root / "Library/Connection Standards/Data/Bolts.txt") << "M16\t18\n";
    setDriveRoot(root);
    for (auto _ : state) {
        benchmark::DoNotOptimize(mapPath(L"c:\\LIBRARY\\connection standards\\DATA\\bolts.TXT"));
    }
    setDriveRoot({});
    fs::remove_all(root);
}
BENCHMARK(mapPathWithLetterCaseMismatch);

// A designed dialog of 100 controls: seven keys each, read back from text.
static void propertiesListReadDesign(benchmark::State& state) {
    Tvx_PropertiesList design;
    design.setInt(L"nrOfControls", 100);
    for (int i = 0; i < 100; ++i) {
        design.setInt(append(L"type", i), 30);
        design.setDouble(append(L"topLeftX", i), i / 137.0);
        design.setDouble(append(L"topLeftY", i), i / 71.0);
        design.setDouble(append(L"bottomRightX", i), (i + 30) / 137.0);
        design.setDouble(append(L"bottomRightY", i), (i + 18) / 71.0);
        design.setString(append(L"contents", i), L"Plate thickness");
        design.setString(append(L"comboList", i), L"a;b;c;d");
    }
    const Tvx_String text = design.toText();
    for (auto _ : state) {
        Tvx_PropertiesList read;
        benchmark::DoNotOptimize(read.readFromText(text, L"bench.txt"));
    }
}
BENCHMARK(propertiesListReadDesign);

// Duplicate detection over the variable names of a large standards sheet.
static void getDuplicatesOfVariableNames(benchmark::State& state) {
    Tvx_StringArray names;
    for (int i = 0; i < state.range(0); ++i)
        names.append(append(L"Variable_", i % 450));
    for (auto _ : state)
        benchmark::DoNotOptimize(getDuplicates(names));
}
BENCHMARK(getDuplicatesOfVariableNames)->Arg(100)->Arg(500);

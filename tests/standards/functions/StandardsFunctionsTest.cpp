// The standards sheet's own functions, called as the grid calls them: through
// the table, with arguments already read from their value records.
#include "standards/functions/StandardsFunctionTable.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <variant>

#include "standards/engine/MessageBoxRecorder.h"
#include "standards/engine/TempLibrary.h"
#include "standards/functions/DataFileCache.h"

namespace {

using standardstest::TempLibrary;
using Arg = FunctionArgument;

// The expected outcome of a call: a number, a text, or failure (nullopt).
using Expected = std::optional<std::variant<double, const wchar_t*>>;

struct CallCase {
    const wchar_t* function;
    FunctionArguments arguments;
    Expected expected;
};

Arg num(double value) {
    return Arg::ofNumber(value);
}
Arg txt(const wchar_t* value) {
    return Arg::ofText(Tvx_String(value));
}

void runCases(const std::vector<CallCase>& cases) {
    for (const auto& c : cases) {
        const StandardsFunction* function = findStandardsFunction(Tvx_String(c.function));
        ASSERT_NE(function, nullptr);
        SCOPED_TRACE(testing::Message() << Tvx_String(c.function).toUtf8() << " with "
                                        << c.arguments.length() << " arguments");
        FunctionResult result;
        const bool called = callStandardsFunction(*function, c.arguments, result);
        ASSERT_EQ(called, c.expected.has_value());
        if (!called) {
            EXPECT_EQ(result.kind, FunctionResult::Kind::None);
            continue;
        }
        if (std::holds_alternative<double>(*c.expected)) {
            ASSERT_EQ(result.kind, FunctionResult::Kind::Number);
            EXPECT_NEAR(result.number, std::get<double>(*c.expected), 1e-9);
        } else {
            ASSERT_EQ(result.kind, FunctionResult::Kind::Text);
            EXPECT_EQ(result.text, Tvx_String(std::get<const wchar_t*>(*c.expected)));
        }
    }
}

const Expected kFails = std::nullopt;

TEST(StandardsFunctions, TheTableListsTwelveFunctions) {
    std::vector<std::wstring> names;
    for (const StandardsFunction& function : standardsFunctions())
        names.push_back(function.name);
    const std::vector<std::wstring> expected = {L"ROUNDTO",
                                                L"GETCELL",
                                                L"GETPROFCELL",
                                                L"SECTIONSIZE",
                                                L"GETSYSNAME",
                                                L"STDWIDTHWITHTOLERANCE",
                                                L"STDTHICKNESSWITHTOLERANCE",
                                                L"STDSIZEWITHTOLERANCE",
                                                L"GETARRAYITEM",
                                                L"TONUMBER",
                                                L"ISNULL",
                                                L"ISPOSITIVE"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(findStandardsFunction(Tvx_String(L"FROMTABLE")), nullptr);
}

TEST(StandardsFunctions, RoundingTestsAndConversions) {
    runCases({
        {L"ROUNDTO", {num(12), num(5)}, 10.0},
        {L"ROUNDTO", {num(12.5), num(5)}, 15.0},
        {L"ROUNDTO", {num(0.35), num(0.1)}, 0.4},
        {L"ROUNDTO", {txt(L"12"), num(5)}, kFails},
        {L"ROUNDTO", {Arg::empty(), num(5)}, kFails},
        {L"ROUNDTO", {num(12)}, kFails},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(2)}, L"B"},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(2.9)}, L"B"},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(1)}, L"A"},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(3)}, L"C"},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(0)}, L""},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(4)}, L""},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(-0.5)}, L""},
        {L"GETARRAYITEM", {txt(L"A;B;C"), num(1e300)}, L""},
        {L"GETARRAYITEM", {txt(L"A;;C"), num(2)}, L""},
        {L"GETARRAYITEM", {num(5), num(1)}, kFails},
        {L"GETARRAYITEM", {txt(L"A;B"), txt(L"1")}, kFails},
        {L"TONUMBER", {num(12)}, kFails},
        {L"TONUMBER", {txt(L"12.5")}, 12.5},
        {L"TONUMBER", {txt(L" 7mm")}, 7.0},
        {L"TONUMBER", {txt(L"abc")}, 0.0},
        {L"TONUMBER", {Arg::empty()}, kFails},
        {L"ISNULL", {Arg::empty()}, 1.0},
        {L"ISNULL", {txt(L"")}, 1.0},
        {L"ISNULL", {txt(L"0")}, 0.0},
        {L"ISNULL", {num(0)}, 1.0},
        {L"ISNULL", {num(-2)}, 0.0},
        {L"ISNULL", {Arg::other()}, kFails},
        {L"ISPOSITIVE", {num(3)}, 1.0},
        {L"ISPOSITIVE", {num(0)}, 0.0},
        {L"ISPOSITIVE", {num(-1)}, 0.0},
        {L"ISPOSITIVE", {txt(L"5mm")}, 1.0},
        {L"ISPOSITIVE", {txt(L"-5")}, 0.0},
        {L"ISPOSITIVE", {txt(L"abc")}, 0.0},
        {L"ISPOSITIVE", {txt(L"")}, 0.0},
        {L"ISPOSITIVE", {Arg::empty()}, 0.0},
        {L"ISPOSITIVE", {Arg::other()}, kFails},
        {L"ISPOSITIVE", {num(1), num(2)}, kFails},
    });
}

TEST(StandardsFunctions, ToleranceExamples) {
    TempLibrary library;
    library.write("Connection Standards/Data/sizes.txt", "8\n10\n12\n15\n");
    library.write("Connection Standards/Data/flats.txt",
                  "/* width x thickness */\n200x10\n250x12 // rolled\n15\n\n   \n");
    library.write("Connection Standards/Data/widths.txt", "200x10\n250x12\n150x10\n300\n");
    runCases({
        // A tie at distance 1 tries below first.
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(1), num(11), num(1), num(2)}, 10.0},
        // The nearer side is tried first.
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(1), num(11.4), num(1), num(2)}, 12.0},
        // Below is too far for its tolerance; above is accepted.
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(1), num(11), num(0.5), num(2)}, 12.0},
        // A candidate equal to the target counts as below.
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(1), num(12), num(0), num(0)}, 12.0},
        // Neither side within tolerance: the target rounded to the step.
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(1), num(13.4), num(0.5), num(0.9)}, 13.0},
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(5), num(11.5), num(0), num(0)}, 11.5},
        // Thickness candidates 10, 12 and 0 (the plain line).
        {L"STDTHICKNESSWITHTOLERANCE", {txt(L"flats.txt"), num(1), num(11), num(1), num(1)}, 10.0},
        {L"STDTHICKNESSWITHTOLERANCE", {txt(L"flats.txt"), num(1), num(1), num(1), num(0)}, 0.0},
        // Widths of thickness 10 and plain lines, ascending: 150, 200, 300.
        {L"STDWIDTHWITHTOLERANCE",
         {txt(L"widths.txt"), num(10), num(10), num(210), num(20), num(100)},
         200.0},
        {L"STDWIDTHWITHTOLERANCE",
         {txt(L"widths.txt"), num(10), num(10), num(260), num(5), num(50)},
         300.0},
        // Width 250 belongs to thickness 12 only.
        {L"STDWIDTHWITHTOLERANCE",
         {txt(L"widths.txt"), num(10), num(12), num(240), num(0), num(20)},
         250.0},
        // A file that cannot be found offers nothing: rounded to the step.
        {L"STDSIZEWITHTOLERANCE", {txt(L"missing.txt"), num(5), num(12), num(5), num(5)}, 10.0},
        {L"STDSIZEWITHTOLERANCE", {num(1), num(5), num(12), num(5), num(5)}, kFails},
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(5), txt(L"12"), num(5), num(5)}, kFails},
        {L"STDSIZEWITHTOLERANCE", {txt(L"sizes.txt"), num(5), num(12), num(5)}, kFails},
    });
}

TEST(StandardsFunctions, LookUpInTabSeparatedFiles) {
    TempLibrary library;
    library.write("Connection Standards/Data/bolts.txt",
                  "// bolt\tedge\n"
                  "M16\t22\n"
                  "M20\t26\t// punched: 28\n"
                  "m16\tsecond\n"
                  "M20;8.8\t30\n"
                  "M24\n"
                  "200.000000;M20\t75\n"
                  "\tno key\n");
    const Tvx_String absolute = library.write("Elsewhere/abs.txt", "K\tabsolute\n");
    runCases({
        // The first row of a key wins, whatever its letter case.
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"M16")}, L"22"},
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"m16")}, L"22"},
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"m20")}, L"26"},
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"M20"), txt(L"8.8")}, L"30"},
        // Numbers become key parts with 6 decimals.
        {L"GETCELL", {txt(L"bolts.txt"), num(200), txt(L"M20")}, L"75"},
        // An empty or failed part ends the key.
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"M16"), Arg::empty(), txt(L"x")}, L"22"},
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"M16"), Arg::other(), txt(L"x")}, L"22"},
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"")}, L"no key"},
        // A row without a second field, and a missing key.
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"M24")}, kFails},
        {L"GETCELL", {txt(L"bolts.txt"), txt(L"M30")}, kFails},
        {L"GETCELL", {txt(L"nothere.txt"), txt(L"M16")}, kFails},
        {L"GETCELL", {num(3), txt(L"M16")}, kFails},
        {L"GETCELL", {Arg::ofText(absolute), txt(L"K")}, L"absolute"},
    });
}

TEST(StandardsFunctions, DataFilesAreSearchedInOrder) {
    struct Case {
        const char* what;
        std::vector<const char*> files;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"Data first",
         {"Connection Standards/Data/t.txt", "Connection Standards/t.txt", "t.txt"},
         L"Connection Standards/Data/t.txt"},
        {"then the standards folder",
         {"Connection Standards/t.txt", "t.txt"},
         L"Connection Standards/t.txt"},
        {"then the library folder", {"t.txt"}, L"t.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempLibrary library;
        for (const char* file : c.files)
            library.write(file, std::string("K\t") + file + "\n");
        runCases({{L"GETCELL", {txt(L"t.txt"), txt(L"K")}, c.expected}});
    }
}

TEST(StandardsFunctions, SectionValuesAndNames) {
    TempLibrary library;
    library.write("prof/HEA.pr",
                  "I\t\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\tb\ttw\ttf\tr\n"
                  "200\t1\tHEA 200\tHEA 200\tHEA 200\tHEA 200\t190\t200\t6.5\t10\t18\n");
    library.write("Connection Standards/Data/columns.txt",
                  "HEA 200\tshort\nHEA-220\tlong\nhea 200\tsecond\n");
    runCases({
        {L"SECTIONSIZE", {txt(L"HEA-200"), num(1)}, 190.0},
        {L"SECTIONSIZE", {txt(L"HEA-200"), num(3.7)}, 6.5},
        {L"SECTIONSIZE", {txt(L"HEA-200"), num(0)}, kFails},
        {L"SECTIONSIZE", {txt(L"HEA-200"), num(9)}, kFails},
        {L"SECTIONSIZE", {txt(L"HEA-999"), num(1)}, kFails},
        {L"SECTIONSIZE", {txt(L"HEA-200"), txt(L"1")}, kFails},
        {L"GETSYSNAME", {txt(L"HEA 200")}, L"HEA-200"},
        {L"GETSYSNAME", {txt(L"UPN 80")}, L"UPN 80"},
        {L"GETSYSNAME", {num(1)}, kFails},
        // The file's keys are read as section names where the library knows them.
        {L"GETPROFCELL", {txt(L"columns.txt"), txt(L"HEA-200")}, L"short"},
        {L"GETPROFCELL", {txt(L"columns.txt"), txt(L"HEA-220")}, L"long"},
        {L"GETCELL", {txt(L"columns.txt"), txt(L"HEA-200")}, kFails},
    });
}

}  // namespace

namespace {

TEST(StandardsFunctions, InvalidTolerancesAreReportedWhenWarningsAreOn) {
    TempLibrary library;
    library.write("Connection Standards/Data/sizes.txt", "8\n10\n12\n15\n");
    const FunctionArguments zeroTolerances = {txt(L"sizes.txt"), num(1), num(11), num(0), num(0)};
    const StandardsFunction& function = *findStandardsFunction(L"STDSIZEWITHTOLERANCE");
    {
        standardstest::MessageBoxRecorder recorder;
        FunctionResult result;
        ASSERT_TRUE(callStandardsFunction(function, zeroTolerances, result));
        EXPECT_EQ(result.number, 11.0);
        EXPECT_TRUE(recorder.boxes().empty());
    }
    gSettings.setStandardsWarnings(true);
    standardstest::MessageBoxRecorder recorder;
    FunctionResult result;
    ASSERT_TRUE(callStandardsFunction(
        function, {txt(L"sizes.txt"), num(1), num(11), num(-1.5), num(0.25)}, result));
    gSettings.setStandardsWarnings(false);
    ASSERT_EQ(recorder.boxes().size(), 1u);
    EXPECT_EQ(recorder.boxes()[0].text,
              "Invalid tolerances provided.\n DownTolerance is :-1.50UpTolerance is :0.25\n"
              "Adding both tolerances should result in a positive value.");
    EXPECT_EQ(recorder.boxes()[0].icon, MB_ICONEXCLAMATION);
}

}  // namespace

namespace {

TEST(StandardsFunctions, DataFilesAreReadOncePerEvaluation) {
    TempLibrary library;
    library.write("Connection Standards/Data/t.txt", "K\tfirst\n");
    library.write("Connection Standards/Data/sizes.txt", "10\n");
    const auto lookUp = [] {
        FunctionResult result;
        callStandardsFunction(*findStandardsFunction(L"GETCELL"), {txt(L"t.txt"), txt(L"K")},
                              result);
        return result.text;
    };
    const auto size = [] {
        FunctionResult result;
        callStandardsFunction(*findStandardsFunction(L"STDSIZEWITHTOLERANCE"),
                              {txt(L"sizes.txt"), num(1), num(11), num(2), num(2)}, result);
        return result.number;
    };
    {
        DataFileCacheScope evaluation;
        EXPECT_EQ(lookUp(), Tvx_String(L"first"));
        EXPECT_EQ(size(), 10.0);
        library.write("Connection Standards/Data/t.txt", "K\tsecond\n");
        library.write("Connection Standards/Data/sizes.txt", "12\n");
        {
            DataFileCacheScope child;
            EXPECT_EQ(lookUp(), Tvx_String(L"first")) << "a child shares the evaluation's files";
        }
        EXPECT_EQ(lookUp(), Tvx_String(L"first"));
        EXPECT_EQ(size(), 10.0);
    }
    EXPECT_EQ(lookUp(), Tvx_String(L"second"));
    EXPECT_EQ(size(), 12.0);
    library.write("Connection Standards/Data/t.txt", "K\tthird\n");
    EXPECT_EQ(lookUp(), Tvx_String(L"third")) << "outside an evaluation nothing is kept";
}

TEST(StandardsFunctions, LookUpFilesKeptWhileUnchangedFollowTheirEdits) {
    TempLibrary library;
    const auto write = [&](std::string_view bytes, std::chrono::minutes age) {
        library.write("Connection Standards/Data/kept.txt", bytes);
        // Settled on disk, as a library file edited a while ago.
        std::filesystem::last_write_time(library.path() / "Connection Standards/Data/kept.txt",
                                         std::filesystem::file_time_type::clock::now() - age);
    };
    const auto lookUp = [](const wchar_t* key) {
        FunctionResult result;
        if (!callStandardsFunction(*findStandardsFunction(L"GETCELL"), {txt(L"kept.txt"), txt(key)},
                                   result))
            return Tvx_String(L"(failed)");
        return result.text;
    };
    write("K\tfirst\n", std::chrono::minutes(60));
    for (int evaluation = 0; evaluation < 2; ++evaluation) {
        DataFileCacheScope scope;
        EXPECT_EQ(lookUp(L"K"), Tvx_String(L"first"));
        EXPECT_EQ(lookUp(L"L"), Tvx_String(L"(failed)"));
    }
    write("// edited\nK\tsecond\nL\tnew\n", std::chrono::minutes(30));
    for (int evaluation = 0; evaluation < 2; ++evaluation) {
        DataFileCacheScope scope;
        EXPECT_EQ(lookUp(L"K"), Tvx_String(L"second"));
        EXPECT_EQ(lookUp(L"L"), Tvx_String(L"new"));
    }
    std::filesystem::remove(library.path() / "Connection Standards/Data/kept.txt");
    EXPECT_EQ(lookUp(L"K"), Tvx_String(L"(failed)")) << "a removed file is no longer found";
}

}  // namespace

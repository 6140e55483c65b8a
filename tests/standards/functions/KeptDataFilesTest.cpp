// What the standards functions keep from their data files between evaluations
// must follow every change that could give another result: the file's edits,
// and for look-ups by section name the section library's tables.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string_view>

#include "platform/core/macro/Tvx_SectionTables.h"
#include "standards/engine/TempLibrary.h"
#include "standards/functions/DataFileCache.h"
#include "standards/functions/StandardsFunctionTable.h"

namespace {

using standardstest::TempLibrary;

// Dates a file or folder back, as one edited a while ago, so that what was
// read from it may be kept.
void dateBack(const std::filesystem::path& path, std::chrono::minutes age) {
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - age);
}

// One evaluation calling one function; the text or number it gives, or
// "(failed)".
Tvx_String evaluate(const wchar_t* function, const FunctionArguments& arguments) {
    DataFileCacheScope evaluation;
    FunctionResult result;
    if (!callStandardsFunction(*findStandardsFunction(Tvx_String(function)), arguments, result))
        return Tvx_String(L"(failed)");
    return result.kind == FunctionResult::Kind::Number ? Tvx_String(result.number, 2, true)
                                                       : result.text;
}

FunctionArgument txt(const wchar_t* text) {
    return FunctionArgument::ofText(Tvx_String(text));
}
FunctionArgument num(double value) {
    return FunctionArgument::ofNumber(value);
}

TEST(KeptDataFiles, StandardSizeFilesFollowTheirEdits) {
    TempLibrary library;
    const std::filesystem::path file = library.path() / "Connection Standards/Data/sizes.txt";
    const auto write = [&](std::string_view bytes, std::chrono::minutes age) {
        library.write("Connection Standards/Data/sizes.txt", bytes);
        dateBack(file, age);
    };
    const auto size = [](const wchar_t* name = L"sizes.txt") {
        return evaluate(L"STDSIZEWITHTOLERANCE", {txt(name), num(5), num(11), num(1), num(1)});
    };
    write("10.5\n", std::chrono::minutes(60));
    EXPECT_EQ(size(), Tvx_String(L"10.5"));
    EXPECT_EQ(size(), Tvx_String(L"10.5"));
    // The same length, another time: only the stamp tells the versions apart.
    write("11.5\n", std::chrono::minutes(30));
    EXPECT_EQ(size(), Tvx_String(L"11.5"));
    EXPECT_EQ(size(), Tvx_String(L"11.5"));
    std::filesystem::remove(file);
    EXPECT_EQ(size(), size(L"missing.txt")) << "a removed file offers no sizes";
}

TEST(KeptDataFiles, SectionAnswersFollowTheSectionLibrary) {
    TempLibrary library;
    library.write("prof/HEA.pr",
                  "I\t\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n"
                  "200\t1\tHEA 200\t\t\t\t190\n");
    library.write("Connection Standards/Data/columns.txt", "HEA 200\tshort\nX 1\tmine\n");
    dateBack(library.path() / "Connection Standards/Data/columns.txt", std::chrono::minutes(60));
    dateBack(library.path() / "prof/HEA.pr", std::chrono::minutes(60));
    dateBack(library.path() / "prof", std::chrono::minutes(60));
    const Tvx_StringArray columns{Tvx_String(L"SysName"), Tvx_String(L"English"),
                                  Tvx_String(L"Dutch"),   Tvx_String(L"German"),
                                  Tvx_String(L"French"),  Tvx_String(L"h")};
    const Tvx_StringArrArr rows{{Tvx_String(L"1"), Tvx_String(L"X 1"), Tvx_String(), Tvx_String(),
                                 Tvx_String(), Tvx_String(L"7")}};
    struct Call {
        const wchar_t* function;
        FunctionArguments arguments;
    };
    const Call lookUp{L"GETPROFCELL", {txt(L"columns.txt"), txt(L"MINE-1")}};
    const Call systemName{L"GETSYSNAME", {txt(L"X 1")}};
    const Call size{L"SECTIONSIZE", {txt(L"MINE-1"), num(1)}};
    struct Step {
        const char* what;
        std::function<void()> change;
        const wchar_t* lookedUp;
        const wchar_t* systemName;
        const wchar_t* size;
    };
    const Step steps[] = {
        {"a name no table knows", [] {}, L"(failed)", L"X 1", L"(failed)"},
        {"asked again", [] {}, L"(failed)", L"X 1", L"(failed)"},
        {"a table added",
         [&] {
             gSectionTables.addSectionTable(Tvx_String(L"MINE"), Tvx_String(L"1"), columns, rows);
         },
         L"mine", L"MINE-1", L"7"},
        {"the table removed", [] { gSectionTables.removeTable(Tvx_String(L"MINE")); }, L"(failed)",
         L"X 1", L"(failed)"},
        {"a table file added",
         [&] {
             library.write("prof/MINE.pr",
                           "1\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n"
                           "1\t1\tX 1\t\t\t\t5\n");
         },
         L"mine", L"MINE-1", L"5"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        EXPECT_EQ(evaluate(lookUp.function, lookUp.arguments), Tvx_String(step.lookedUp));
        EXPECT_EQ(evaluate(systemName.function, systemName.arguments), Tvx_String(step.systemName));
        EXPECT_EQ(evaluate(size.function, size.arguments), Tvx_String(step.size));
    }
    EXPECT_EQ(evaluate(L"GETPROFCELL", {txt(L"columns.txt"), txt(L"hea-200")}),
              Tvx_String(L"short"));
    gSectionTables.removeTable(Tvx_String(L"MINE"));
}

TEST(KeptDataFiles, DataFileSearchesFollowTheirFolders) {
    TempLibrary library;
    const std::filesystem::path data = library.path() / "Connection Standards/Data/sub";
    const std::filesystem::path standards = library.path() / "Connection Standards/sub";
    library.write("Connection Standards/sub/t.txt", "K\tstandards\n");
    library.write("Connection Standards/Data/sub/t.txt", "K\tdata\n");
    struct Step {
        const char* what;
        std::function<void()> change;
        const wchar_t* expected;
    };
    const Step steps[] = {
        {"found in Data", [] {}, L"data"},
        {"found there again", [] {}, L"data"},
        {"removed from Data", [&] { std::filesystem::remove(data / "t.txt"); }, L"standards"},
        {"put back", [&] { library.write("Connection Standards/Data/sub/t.txt", "K\tback\n"); },
         L"back"},
        {"its folder removed", [&] { std::filesystem::remove_all(data); }, L"standards"},
    };
    int age = 60;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        // Every file and folder settled, each time at another time.
        for (const std::filesystem::path& path :
             {data / "t.txt", standards / "t.txt", data, standards}) {
            if (std::filesystem::exists(path))
                dateBack(path, std::chrono::minutes(age));
        }
        age -= 10;
        EXPECT_EQ(evaluate(L"GETCELL", {txt(L"sub\\t.txt"), txt(L"K")}), Tvx_String(step.expected));
    }
}

}  // namespace

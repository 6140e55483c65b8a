// Child sheets: "CallChild" binding by position, values flowing back only
// into Outputs, the failures, where children are found, and the bounds that
// keep a cycle of sheets from running away.
#include <gtest/gtest.h>

#include "frame/ProfilingTimers.h"
#include "frame/VtSSDlgsMgr.h"
#include "standards/dialogs/StartDlgStandardsSS.h"
#include "standards/engine/EvaluationFixture.h"

namespace {

using standardstest::EvaluationTest;
using standardstest::MessageBoxRecorder;
using standardstest::SheetRows;

// A child with Input H, Output R and a Local: R = H * 2 + 1.
const SheetRows kChild = {{"Input"},      {"Double H"}, {"Output"},      {"Double R"},   {"Local"},
                          {"Double Tmp"}, {"Calc"},     {"Tmp = H * 2"}, {"R = Tmp + 1"}};

// A caller with the Input Thickness, Width = Thickness + 5, and the call in
// row 9; Length (an Output, or with lengthKind "Local" a Local) is meant to
// receive the child's result. Both are dialog variables of the macro.
SheetRows caller(const std::string& call, const std::string& lengthKind = "Output") {
    const bool lengthIsOutput = lengthKind == "Output";
    return {{"Input"},
            {"Double Thickness"},
            {lengthIsOutput ? "Output" : "Local"},
            {"Double Length"},
            {lengthIsOutput ? "Local" : "Output"},
            {"Double Width"},
            {"Calc"},
            {"Width = Thickness + 5"},
            {call}};
}

TEST_F(EvaluationTest, ChildBindsByPositionAndReturnsItsOutputs) {
    writeSheet("Childs/Double.vts", kChild);
    struct Case {
        const char* what;
        std::string call;
        std::string lengthKind;
        double expectedLength;
    };
    const Case cases[] = {
        {"quoted name, Length an Output", "CallChild(\"Double.vts\", Width, Length)", "Output", 31},
        {"unquoted, with an expression around it", "X = 1 + CallChild(Double.vts , Width,Length)",
         "Output", 31},
        {"Length a Local keeps its value", "CallChild(\"Double.vts\", Width, Length)", "Local", 0},
        {"extra arguments are ignored", "CallChild(\"Double.vts\", Width, Length, Thickness)",
         "Output", 31},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VtDlgStandardsData data = block(writeSheet("Parent.vts", caller(c.call, c.lengthKind)));
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(numberOf(data, "Width"), 15);
        EXPECT_DOUBLE_EQ(numberOf(data, "Length"), c.expectedLength);
    }
}

TEST_F(EvaluationTest, FailedChildCallsAreReportedAndChangeNothing) {
    writeSheet("Childs/Double.vts", kChild);
    writeSheet("Childs/Self.vts", {{"Input"},
                                   {"Double H"},
                                   {"Output"},
                                   {"Double R"},
                                   {"Calc"},
                                   {"CallChild(\"Self.vts\", H, R)"},
                                   {"R = H + 1"}});
    struct Case {
        const char* what;
        std::string call;
    };
    const Case cases[] = {
        {"a caller Input bound to a child Output", "CallChild(\"Double.vts\", Width, Thickness)"},
        {"fewer arguments than Inputs and Outputs", "CallChild(\"Double.vts\", Width)"},
        {"a file name only", "CallChild(\"Double.vts\")"},
        {"an unknown variable", "CallChild(\"Double.vts\", Width, Nothing)"},
        {"a child that does not exist", "CallChild(\"Missing.vts\", Width, Length)"},
        {"no closing parenthesis", "CallChild(\"Double.vts\", Width, Length"},
        {"the sheet itself", "CallChild(\"Parent.vts\", Width, Length)"},
    };
    gSettings.setStandardsWarnings(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VtDlgStandardsData data = block(writeSheet("Parent.vts", caller(c.call)));
        MessageBoxRecorder boxes;
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(numberOf(data, "Length"), 0);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_NE(boxes.boxes()[0].text.find("(line: 9)"), std::string::npos);
    }
    {
        SCOPED_TRACE("a child naming itself fails that equation only");
        VtDlgStandardsData data =
            block(writeSheet("Parent.vts", caller("CallChild(\"Self.vts\", Width, Length)")));
        MessageBoxRecorder boxes;
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(numberOf(data, "Length"), 16);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_NE(boxes.boxes()[0].text.find("Self.vts"), std::string::npos);
    }
}

TEST_F(EvaluationTest, ChildrenAreFoundBesideTheCallerFirstThenInTheStandardsFolders) {
    // One child name in three places, each giving a different R.
    const auto child = [](const std::string& factor) {
        SheetRows rows = kChild;
        rows[7] = {"Tmp = H * " + factor};
        return rows;
    };
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> children;  // place, factor
        double expectedLength;
    };
    const Case cases[] = {
        {"only under Parents", {{"Parents/C.vts", "3"}}, 46},
        {"Childs before Parents", {{"Parents/C.vts", "3"}, {"Childs/C.vts", "4"}}, 61},
        {"beside the caller first",
         {{"Parents/C.vts", "3"}, {"Childs/C.vts", "4"}, {"Callers/C.vts", "5"}},
         76},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        standardstest::TempLibrary folder;
        for (const auto& [place, factor] : c.children)
            folder.write("Connection Standards/" + place, standardstest::sheetText(child(factor)));
        const Tvx_String parent =
            folder.write("Connection Standards/Callers/P.vts",
                         standardstest::sheetText(caller("CallChild(\"C.vts\", Width, Length)")));
        VtDlgStandardsData data = block(parent);
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(numberOf(data, "Length"), c.expectedLength);
    }
}

TEST_F(EvaluationTest, ACycleOfSheetsStopsAtItsFirstRepeat) {
    // A calls B, B calls A: the call back into A is refused, B still computes.
    writeSheet("Childs/A.vts", {{"Input"},
                                {"Double H"},
                                {"Output"},
                                {"Double R"},
                                {"Calc"},
                                {"CallChild(\"B.vts\", H, R)"},
                                {"CallChild(\"B.vts\", H, R)"}});
    writeSheet("Childs/B.vts", {{"Input"},
                                {"Double H"},
                                {"Output"},
                                {"Double R"},
                                {"Calc"},
                                {"CallChild(\"A.vts\", H, R)"},
                                {"CallChild(\"A.vts\", H, R)"},
                                {"R = H * 10"}});
    VtDlgStandardsData data =
        block(writeSheet("Parent.vts", caller("CallChild(\"A.vts\", Width, Length)")));
    const long long loadsBefore = gLoadFile.count();
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "Length"), 150);
    // The parent, A once, and B twice: no call back into A was started.
    EXPECT_EQ(gLoadFile.count() - loadsBefore, 4);
}

TEST_F(EvaluationTest, NestingDeeperThanThirtyTwoLevelsFails) {
    // Level k calls level k + 1 and then adds 1 to what came back.
    for (int level = 1; level <= 40; ++level) {
        writeSheet("Childs/L" + std::to_string(level) + ".vts",
                   {{"Input"},
                    {"Double H"},
                    {"Output"},
                    {"Double R"},
                    {"Calc"},
                    {"R = H"},
                    {"CallChild(\"L" + std::to_string(level + 1) + ".vts\", H, R)"},
                    {"R = R + 1"}});
    }
    VtDlgStandardsData data =
        block(writeSheet("Parent.vts", caller("CallChild(\"L1.vts\", Width, Length)")));
    ASSERT_TRUE(StartDlgStandardsSS(data));
    // Levels 1 to 32 run; level 32's call of level 33 fails, so 32 additions.
    EXPECT_DOUBLE_EQ(numberOf(data, "Length"), 15 + 32);
    EXPECT_EQ(gSSDlgsMgr.inUseCount(), 0);
}

}  // namespace

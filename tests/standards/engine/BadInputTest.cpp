// Sheets that are large, long or odd: evaluations finish and report rather
// than crash or hang.
#include <gtest/gtest.h>

#include "standards/dialogs/StartDlgStandardsSS.h"
#include "standards/engine/EvaluationFixture.h"

namespace {

using standardstest::EvaluationTest;
using standardstest::SheetRows;

SheetRows sheetHead() {
    return {{"Input"}, {"Double Thickness"}, {"Output"}, {"Double Width"},
            {"Local"}, {"Double Count"},     {"Calc"},   {"Count = 0"}};
}

TEST_F(EvaluationTest, TenThousandEquationsAreAllComputed) {
    SheetRows rows = sheetHead();
    for (int i = 0; i < 10000; ++i)
        rows.push_back({"Count = Count + 1"});
    rows.push_back({"Width = Count"});
    VtDlgStandardsData data = block(writeSheet("Long.vts", rows));
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 10000);
}

TEST_F(EvaluationTest, AnEquationOfAHundredThousandCharactersFailsAlone) {
    SheetRows rows = sheetHead();
    std::string equation = "Width = Thickness";
    while (equation.size() < 100000)
        equation += " + Thickness";
    rows.push_back({equation});
    rows.push_back({"Count = 7"});
    gSettings.setStandardsWarnings(true);
    standardstest::MessageBoxRecorder boxes;
    VtDlgStandardsData data = block(writeSheet("Wide.vts", rows));
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 0);
    EXPECT_DOUBLE_EQ(numberOf(data, "Count"), 7);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_NE(boxes.boxes()[0].text.find("(line: 9)"), std::string::npos);
}

TEST_F(EvaluationTest, GeneralVariableValuesWithQuotesOrFormulaText) {
    SheetRows rows = sheetHead();
    rows.push_back({"Width = LEN(gen_A) + LEN(gen_B) + LEN(gen_C)"});
    VtDlgStandardsData data = block(writeSheet("Quotes.vts", rows));
    data.genVarNames = {L"gen_A", L"gen_B", L"gen_C"};
    data.genVarValues = {L"\"", L"a\")+(\"b", L"=1/0"};
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 1 + 7 + 4);
}

}  // namespace

// Whole evaluations of standards sheets against a macro, through
// StartDlgStandardsSS: sections, the Calc loop, general variables, the
// equation report and the duplicate-name box.
#include <gtest/gtest.h>

#include "frame/VtSSDlgsMgr.h"
#include "standards/dialogs/CDlgSSStandards.h"
#include "standards/dialogs/StartDlgStandardsSS.h"
#include "standards/engine/EvaluationFixture.h"

namespace {

using standardstest::EvaluationTest;
using standardstest::MessageBoxRecorder;
using standardstest::SheetRows;

// The worked example: column A, rows 1 to 13.
const SheetRows kWorkedExample = {
    {"Input"},
    {"Double Thickness"},
    {""},
    {"Output"},
    {""},
    {"Double Width"},
    {"Local"},
    {""},
    {"Double Tmp"},
    {"Calc"},
    {""},
    {"Tmp=Thickness*2"},
    {"Width=ROUNDTO(Tmp+gen_Gap,5)"},
};

// The sheet of the pool's first window, which ran the last evaluation.
VtCalcSS& lastSheet() {
    auto* window = static_cast<CDlgSSStandards*>(gSSDlgsMgr.getDlg());
    gSSDlgsMgr.releaseDlg(window);
    return window->sheet();
}

Tvx_String cellText(int column, int row, int kind) {
    Tvx_String text;
    lastSheet().getCellText(column, row, text, kind);
    return text;
}

TEST_F(EvaluationTest, WorkedExampleComputesRowByRowAndWritesTheMacro) {
    VtDlgStandardsData data = block(writeSheet("Example.vts", kWorkedExample));
    data.genVarNames = {L"gen_Gap"};
    data.genVarValues = {L"12"};
    MessageBoxRecorder boxes;
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_TRUE(boxes.boxes().empty());

    EXPECT_DOUBLE_EQ(numberOf(data, "Thickness"), 10);
    EXPECT_DOUBLE_EQ(numberOf(data, "Tmp"), 20);
    EXPECT_DOUBLE_EQ(numberOf(data, "Width"), 30);
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 30);
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Thickness"), 10);

    // The equations became formulas with cell references, the general
    // variable its value.
    EXPECT_EQ(cellText(1, 12, Tvx_Spread::kFormulaText), Tvx_String(L"A2*2"));
    EXPECT_EQ(cellText(1, 13, Tvx_Spread::kFormulaText), Tvx_String(L"ROUNDTO(A9+12,5)"));
    // The variables, in list order, with their cells and kinds.
    ASSERT_EQ(data.varCells.length(), 3);
    const struct {
        const wchar_t* name;
        int kind, valueType, column, row;
    } expected[] = {{L"Thickness", eCellInput, eValueDouble, 1, 2},
                    {L"Width", eCellOutput, eValueDouble, 1, 6},
                    {L"Tmp", eCellLocal, eValueDouble, 1, 9}};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(data.varCells[i].name, Tvx_String(expected[i].name));
        EXPECT_EQ(data.varCells[i].cellType, expected[i].kind);
        EXPECT_EQ(data.varCells[i].valueType, expected[i].valueType);
        EXPECT_EQ(data.varCells[i].column, expected[i].column);
        EXPECT_EQ(data.varCells[i].row, expected[i].row);
    }
    EXPECT_EQ(data.varCells.mapping().mode(), VtSSMapping::eModuleGroup);
}

TEST_F(EvaluationTest, EachEvaluationReplacesNamesByTheCellsOfItsOwnSheet) {
    // One window runs these in turn; each sheet's equations must use the
    // cells where that sheet declares its variables.
    struct Case {
        const char* what;
        SheetRows rows;
        const wchar_t* formula;  // of the cell A8
    };
    const SheetRows firstSheet = {
        {"Input"}, {"Double Thickness"}, {"Output"}, {"Double Width"},
        {"Local"}, {"Double Tmp"},       {"Calc"},   {"Width=Thickness+Tmp"}};
    const Case cases[] = {
        {"the first sheet", firstSheet, L"A2+A6"},
        {"the same sheet again", firstSheet, L"A2+A6"},
        {"a variable moved to another column",
         {{"Input"},
          {"Double Thickness"},
          {"Output"},
          {"Double Width"},
          {"Local"},
          {"", "Double Tmp"},
          {"Calc"},
          {"Width=Thickness+Tmp"}},
         L"A2+B6"},
        {"a variable renamed in the same cell",
         {{"Input"},
          {"Double Thickness"},
          {"Output"},
          {"Double Width"},
          {"Local"},
          {"", "Double Temp"},
          {"Calc"},
          {"Width=Thickness+Temp"}},
         L"A2+B6"},
        {"a name differing only in letter case",
         {{"Input"},
          {"Double Thickness"},
          {"Output"},
          {"Double Width"},
          {"Local"},
          {"Double TEMP"},
          {"Calc"},
          {"Width=Thickness+Temp"}},
         L"A2+A6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VtDlgStandardsData data = block(writeSheet("Places.vts", c.rows));
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_EQ(cellText(1, 8, Tvx_Spread::kFormulaText), Tvx_String(c.formula));
    }
}

TEST_F(EvaluationTest, SectionsSpanToTheNextHeaderInAnyOrder) {
    struct Case {
        const char* what;
        SheetRows rows;
        std::vector<std::pair<std::string, int>> variables;  // name, kind in list order
    };
    const Case cases[] = {
        {"headers every four rows, declarations right below them",
         {{"Input"},
          {"Double Thickness"},
          {""},
          {""},
          {"Output"},
          {"Double Width"},
          {""},
          {""},
          {"Local"},
          {"Double Tmp"},
          {""},
          {""},
          {"Calc"},
          {"Width=Thickness"}},
         {{"Thickness", eCellInput}, {"Width", eCellOutput}, {"Tmp", eCellLocal}}},
        {"Local lowest, running to the last row",
         {{"Output"},
          {"Double Width"},
          {"Input"},
          {"Double Thickness"},
          {"Calc"},
          {"Width=Thickness"},
          {"Local"},
          {""},
          {"Double Late"}},
         {{"Thickness", eCellInput}, {"Width", eCellOutput}, {"Late", eCellLocal}}},
        {"several declarations in a row, left to right",
         {{"Input"},
          {"Double Length", "", "Double Thickness"},
          {"Output"},
          {"Double Width"},
          {"Calc"},
          {"Width=Thickness"}},
         {{"Length", eCellInput}, {"Thickness", eCellInput}, {"Width", eCellOutput}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VtDlgStandardsData data = block(writeSheet("Sections.vts", c.rows));
        ASSERT_TRUE(StartDlgStandardsSS(data));
        ASSERT_EQ(data.varCells.length(), static_cast<int>(c.variables.size()));
        for (int i = 0; i < data.varCells.length(); ++i) {
            EXPECT_EQ(data.varCells[i].name.toUtf8(), c.variables[i].first);
            EXPECT_EQ(data.varCells[i].cellType, c.variables[i].second);
        }
        EXPECT_DOUBLE_EQ(numberOf(data, "Width"), 10);
    }
}

TEST_F(EvaluationTest, SheetsWithoutRequiredHeadersFail) {
    struct Case {
        const char* what;
        SheetRows rows;
    };
    const Case cases[] = {
        {"no Calc", {{"Input"}, {"Double Thickness"}, {"Output"}, {"Double Width"}}},
        {"no Output", {{"Input"}, {"Double Thickness"}, {"Calc"}, {"Width=1"}}},
        {"no Input", {{"Output"}, {"Double Width"}, {"Calc"}, {"Width=1"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        VtDlgStandardsData data = block(writeSheet("Broken.vts", c.rows));
        const VtDlgStandardsData before = data;
        EXPECT_FALSE(StartDlgStandardsSS(data));
        EXPECT_EQ(data.varCells, before.varCells);
        EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 0);
    }
}

TEST_F(EvaluationTest, EquationsRunRowByRowThenLeftToRight) {
    // P is computed before Q (left of it), so it sees the empty Local; R, a
    // row lower, sees Q.
    VtDlgStandardsData data = block(writeSheet("Order.vts", {{"Input"},
                                                             {"Double Thickness"},
                                                             {"Output"},
                                                             {"Double Width"},
                                                             {"Local"},
                                                             {"Double P", "Double Q", "Double R"},
                                                             {"Calc"},
                                                             {"P = Q + 1", "Q = Thickness * 5"},
                                                             {"R = Q"},
                                                             {"Width = P + R"}}));
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(numberOf(data, "P"), 1);
    EXPECT_DOUBLE_EQ(numberOf(data, "Q"), 50);
    EXPECT_DOUBLE_EQ(numberOf(data, "R"), 50);
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 51);
}

TEST_F(EvaluationTest, GeneralVariablesAreReplacedAsWholeWordsWithTextsQuoted) {
    VtDlgStandardsData data =
        block(writeSheet("General.vts", {{"Input"},
                                         {"Double Thickness"},
                                         {"Output"},
                                         {"Double Width"},
                                         {"Double Length"},
                                         {"Local"},
                                         {"String Grade"},
                                         {"Double Wide"},
                                         {"String Quoted"},
                                         {"Calc"},
                                         {"Width = gen_W + 1"},
                                         {"Grade = gen_M & \"-\" & gen_Width"},
                                         {"Length = LEN(gen_Q)"},
                                         {"Quoted = gen_Q"}}));
    data.genVarNames = {L"gen_W", L"gen_M", L"gen_Q"};
    data.genVarValues = {L"120", L"S355", L"say \"hi\""};
    gSettings.setStandardsWarnings(true);
    MessageBoxRecorder boxes;
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 121);
    // gen_Width is not gen_W: it stays a name the formula language does not
    // know, and that equation fails.
    EXPECT_EQ(valueOf(data, "Grade"), "");
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_NE(boxes.boxes()[0].text.find("Grade = \"S355\" & \"-\" & gen_Width"),
              std::string::npos);
    // A value with quotes arrives whole.
    EXPECT_EQ(valueOf(data, "Quoted"), "say \"hi\"");
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Length"), 8);
}

TEST_F(EvaluationTest, AFailedEquationIsReportedWithItsRowAndLeavesItsTarget) {
    const Tvx_String sheet = writeSheet("Failing.vts", {{"Input"},
                                                        {"Double Thickness"},
                                                        {"Output"},
                                                        {"Double Width"},
                                                        {"Double Length"},
                                                        {"Calc"},
                                                        {"Width = Thickness * Unknown"},
                                                        {"just text"},
                                                        {""},
                                                        {"Length = 1/0"},
                                                        {"Missing = 3"}});
    struct Case {
        bool warnings;
        size_t boxes;
    };
    for (const Case c : {Case{false, 0}, Case{true, 4}}) {
        SCOPED_TRACE(c.warnings);
        gSettings.setStandardsWarnings(c.warnings);
        VtDlgStandardsData data = block(sheet);
        MessageBoxRecorder boxes;
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 0);
        EXPECT_DOUBLE_EQ(macroValue("Plate1", "Length"), 0);
        ASSERT_EQ(boxes.boxes().size(), c.boxes);
        if (!c.warnings)
            continue;
        EXPECT_EQ(boxes.boxes()[0].text,
                  "The following equation failed:\nWidth = A2 * Unknown\nSpreadsheet : " +
                      sheet.toUtf8() +
                      " (line: 7)\nHere's a tip for finding the cause :\nIf this equation "
                      "contains variable names, then the translator does not know the value of "
                      "the variable. Make sure the variable exists either in input, output, "
                      "local declarations or among the gen_ variables.");
        EXPECT_EQ(boxes.boxes()[0].icon, MB_ICONEXCLAMATION);
        EXPECT_EQ(boxes.boxes()[1].text.rfind("The following equation failed:\njust text\n", 0),
                  0u);
        EXPECT_NE(boxes.boxes()[1].text.find("(line: 8)"), std::string::npos);
        EXPECT_NE(boxes.boxes()[2].text.find("Length = 1/0\n"), std::string::npos);
        EXPECT_NE(boxes.boxes()[3].text.find("Missing = 3\n"), std::string::npos);
    }
}

TEST_F(EvaluationTest, DuplicateNamesAreShownAlwaysAndOnlyTheFirstKept) {
    const Tvx_String sheet = writeSheet("Duplicates.vts", {{"Input"},
                                                           {"Double Thickness"},
                                                           {"Output"},
                                                           {"Double Width"},
                                                           {"Local"},
                                                           {"Double width"},
                                                           {"Double Tmp", "Double THICKNESS"},
                                                           {"Calc"},
                                                           {"Width = Thickness + 1"}});
    VtDlgStandardsData data = block(sheet);
    MessageBoxRecorder boxes;
    ASSERT_TRUE(StartDlgStandardsSS(data));
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].caption, "Variable names must be unique");
    EXPECT_EQ(boxes.boxes()[0].icon, MB_ICONEXCLAMATION);
    EXPECT_EQ(boxes.boxes()[0].text,
              "There were duplicate variable names found in the standards file " + sheet.toUtf8() +
                  ".\nThe duplicates will be ignored. Please correct this file.\n"
                  "Duplicate variable names:\n\nwidth\nTHICKNESS");
    ASSERT_EQ(data.varCells.length(), 3);
    EXPECT_EQ(data.varCells[0].row, 2);
    EXPECT_EQ(data.varCells[1].row, 4);
    EXPECT_EQ(data.varCells[2].name, Tvx_String(L"Tmp"));
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 11);

    // The same window evaluating the sheet again finds the duplicates again.
    VtDlgStandardsData again = block(sheet);
    ASSERT_TRUE(StartDlgStandardsSS(again));
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[1].text, boxes.boxes()[0].text);
    EXPECT_EQ(again.varCells.length(), 3);
}

TEST_F(EvaluationTest, UnreadableVariablesAreReportedOnlyWithWarnings) {
    const Tvx_String sheet = writeSheet("Unknown.vts", {{"Input"},
                                                        {"Double Thickness"},
                                                        {"Double Nowhere"},
                                                        {"Output"},
                                                        {"Double Width"},
                                                        {"Double Absent"},
                                                        {"Calc"},
                                                        {"Width = Thickness"}});
    gSettings.setStandardsWarnings(true);
    VtDlgStandardsData data = block(sheet);
    MessageBoxRecorder boxes;
    ASSERT_TRUE(StartDlgStandardsSS(data));
    ASSERT_EQ(boxes.boxes().size(), 2u);
    EXPECT_EQ(boxes.boxes()[0].text,
              "The following Input variable couldn't be retrieved : \nNowhere\nMake sure the "
              "variable exists in the macro or module.\nSpreadsheet : " +
                  sheet.toUtf8());
    EXPECT_EQ(boxes.boxes()[1].text.rfind("The following Output variable couldn't be set : \n"
                                          "Absent\n",
                                          0),
              0u);
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 10);
}

TEST_F(EvaluationTest, ModesOfAnEvaluation) {
    const Tvx_String sheet = writeSheet("Example.vts", kWorkedExample);
    {
        SCOPED_TRACE("mode 2 does nothing and succeeds");
        VtDlgStandardsData data = block(sheet);
        data.mode = 2;
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_EQ(data.varCells.length(), 0);
        EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 0);
    }
    {
        SCOPED_TRACE("mode 0 without a transaction fails");
        VtDlgStandardsData data = block(sheet);
        data.transaction = nullptr;
        EXPECT_FALSE(StartDlgStandardsSS(data));
    }
    {
        SCOPED_TRACE("a sheet by its name under the standards folder");
        VtDlgStandardsData data = block(L"Example");
        data.genVarNames = {L"gen_Gap"};
        data.genVarValues = {L"3"};
        ASSERT_TRUE(StartDlgStandardsSS(data));
        EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 25);
    }
    for (const char* missing : {"Nothing", "Nothing.vts"}) {
        SCOPED_TRACE(missing);
        VtDlgStandardsData data = block(Tvx_String::fromUtf8(missing));
        const VtDlgStandardsData before = data;
        EXPECT_FALSE(StartDlgStandardsSS(data));
        EXPECT_EQ(data.varCells, before.varCells);
    }
    {
        SCOPED_TRACE("a file that is not a sheet");
        VtDlgStandardsData data = block(library.write("Connection Standards/Bad.vts", "hello\n"));
        EXPECT_FALSE(StartDlgStandardsSS(data));
    }
}

TEST_F(EvaluationTest, AMappingFileBindsVariablesToObjects) {
    const Tvx_String sheet = writeSheet("Mapped.vts", {{"Input"},
                                                       {"Double T"},
                                                       {"Double Gap"},
                                                       {"String Section"},
                                                       {"Output"},
                                                       {"Double W"},
                                                       {"Calc"},
                                                       {"W = T + Gap + LEN(Section)"}});
    library.write("Connection Standards/Mapped.map",
                  "Mapping version 1.0\n"
                  "Main=TƒPlate•Distance Thickness¿Gapƒ•GenVar gen_Gap¿"
                  "Sectionƒ•PrPlName Prof0¿WƒPlate•Distance Width\n");
    VtDlgStandardsData data = block(sheet, L"Main");
    ASSERT_TRUE(StartDlgStandardsSS(data));
    EXPECT_DOUBLE_EQ(macroValue("Plate1", "Width"), 10 + 12 + 7);
    EXPECT_EQ(data.varCells.mapping().mode(), VtSSMapping::eMappingFile);
    EXPECT_EQ(data.varCells.mapping().mappedObjects().length(), 4);
}

}  // namespace

// FROMTABLE: the look-up of the formulas dialog, run from the trial cell of a
// calling sheet, with the scripted user closing every dialog.
#include <gtest/gtest.h>

#include <functional>

#include "FormulaTestFiles.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/ScriptedUser.h"
#include "platform/ui/UserAgent.h"
#include "platform/ui/WinConstants.h"
#include "spread/CFormula.h"

namespace {

using formulatest::callingSheet;
using formulatest::pathIn;
using Problems = std::vector<Tvx_String>;

// Replaces every "{T}" of a formula by the table's path.
std::string withTable(std::string formula, const std::string& table) {
    for (size_t at = formula.find("{T}"); at != std::string::npos; at = formula.find("{T}"))
        formula.replace(at, 3, table);
    return formula;
}

// The lines of the command line that report a look-up's result.
std::vector<std::string> resultLines() {
    std::vector<std::string> lines;
    for (const Tvx_String& line : host::commandLine().lines()) {
        if (line.startsWith(L"Result is"))
            lines.push_back(line.toUtf8());
    }
    return lines;
}

struct TrialOutcome {
    INT_PTR endCode = 0;
    std::string result;
    Problems problems;
};

// Runs a mode-1 dialog on the calling sheet; the scripted user closes the
// given number of look-up dialogs with OK, then the trial dialog after
// `whileOpen` has looked at it.
TrialOutcome runTrial(const std::string& callerPath, int lookUpDialogs,
                      const std::function<void(CFormula&)>& whileOpen = {}) {
    host::commandLine().clear();
    ui::ScriptedUser user;
    for (int i = 0; i < lookUpDialogs; ++i)
        user.onDialog(CFormula::kTemplateId).click(IDOK);
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(callerPath));
    user.onDialog(CFormula::kTemplateId)
        .call([&](HWND) {
            if (whileOpen)
                whileOpen(dialog);
        })
        .click(IDOK);
    TrialOutcome outcome;
    outcome.endCode = dialog.DoModal();
    outcome.result = dialog.resultText().toUtf8();
    outcome.problems = user.problems();
    return outcome;
}

TEST(CFormulaLookUp, FindsTheValueByCellOrByKeyAndGivesItByTheCellType) {
    testsupport::TempDir dir;
    const std::string table = dir.write("table.vts", formulatest::sizeTable()).string();
    struct Case {
        const char* name;
        const char* formula;
        int lookUpDialogs;
        const char* result;
        std::vector<std::string> printed;
    };
    const Case cases[] = {
        {"a two-decimal number cell gives a double",
         "FROMTABLE(\"{T}\",B1)",
         1,
         "2.5",
         {"Result is double: 2.500000"}},
        {"a no-decimal number cell, loaded from 2.5, gives the whole number 2",
         "FROMTABLE(\"{T}\",B2)",
         1,
         "2",
         {"Result is long: 2"}},
        {"a text cell gives its text",
         "FROMTABLE(\"{T}\",C1)",
         1,
         "small",
         {"Result is string: small"}},
        {"key and value columns by their headers",
         "FROMTABLE(\"{T}\",\"Size\",\"Name\",\"M16\")",
         1,
         "medium",
         {"Result is string: medium"}},
        {"a key standing twice selects the first row",
         "FROMTABLE(\"{T}\",\"Size\",\"Name\",\"M20\")",
         1,
         "first",
         {"Result is string: first"}},
        {"a double key is its text with two decimals",
         "FROMTABLE(\"{T}\",\"Pitch\",\"Size\",1.75)",
         1,
         "M12",
         {"Result is string: M12"}},
        {"a whole-number key is its decimal text",
         "FROMTABLE(\"{T}\",\"Weight\",\"Name\",2)",
         1,
         "medium",
         {"Result is string: medium"}},
        {"a key in a cell of the calling sheet",
         "FROMTABLE(\"{T}\",\"Size\",\"Weight\",A1)",
         1,
         "2.5",
         {"Result is double: 2.500000"}},
        {"a third argument that is no cell is left alone",
         "FROMTABLE(\"{T}\",C1,5)",
         1,
         "small",
         {"Result is string: small"}},
        {"a header matching nothing", "FROMTABLE(\"{T}\",\"Size\",\"Colour\",\"M12\")", 1, "", {}},
        {"a header differing in letter case",
         "FROMTABLE(\"{T}\",\"size\",\"Name\",\"M12\")",
         1,
         "",
         {}},
        {"a key matching nothing", "FROMTABLE(\"{T}\",\"Size\",\"Name\",\"M99\")", 1, "", {}},
        {"a table file that does not exist", "FROMTABLE(\"{T}.missing\",B1)", 1, "", {}},
        {"a whole number in place of the cell", "FROMTABLE(\"{T}\",2)", 1, "", {}},
        {"a number in place of the file", "FROMTABLE(5,B1)", 1, "", {}},
        {"a range in place of the cell", "FROMTABLE(\"{T}\",B1:B2)", 1, "", {}},
        {"a range in place of the key", "FROMTABLE(\"{T}\",\"Size\",\"Name\",A1:A2)", 1, "", {}},
        {"an empty cell as the key", "FROMTABLE(\"{T}\",\"Size\",\"Name\",C3)", 1, "", {}},
        {"an error value as the cell", "FROMTABLE(\"{T}\",1/0)", 1, "", {}},
        {"too few arguments open no dialog", "FROMTABLE(\"{T}\")", 0, "#VALUE!", {}},
        {"too many arguments open no dialog", "FROMTABLE(\"{T}\",B1,B1,B1,B1)", 0, "#VALUE!", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string caller =
            dir.write("caller.vts", callingSheet(withTable(c.formula, table))).string();
        const TrialOutcome outcome = runTrial(caller, c.lookUpDialogs);
        EXPECT_EQ(outcome.endCode, IDOK);
        EXPECT_EQ(outcome.problems, Problems{});
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(resultLines(), c.printed);
        EXPECT_EQ(CFormula::activeTableSheet(), nullptr);
    }
}

TEST(CFormulaLookUp, TheThreeArgumentFormWritesTheTableTextIntoTheCallingCell) {
    testsupport::TempDir dir;
    const std::string table = dir.write("table.vts", formulatest::sizeTable()).string();
    const std::string caller =
        dir.write("caller.vts", callingSheet("FROMTABLE(\"" + table + "\",C2,B3)")).string();
    Tvx_String written;
    const TrialOutcome outcome =
        runTrial(caller, 1, [&](CFormula& dialog) { dialog.sheet().getCellText(2, 3, written); });
    EXPECT_EQ(outcome.problems, Problems{});
    EXPECT_EQ(outcome.result, "medium");
    EXPECT_EQ(written.str(), L"medium");
}

TEST(CFormulaLookUp, NestedLookUpsUnwindToTheirCallingSheets) {
    testsupport::TempDir dir;
    const std::string inner = dir.write("inner.vts",
                                        "vtss-sheet 1\nsize 2 2\n"
                                        "cell 1 0 text=\"K\"\ncell 2 0 text=\"V\"\n"
                                        "cell 1 1 text=\"a\"\ncell 2 1 number=7\n"
                                        "cell 1 2 text=\"b\"\ncell 2 2 number=5\nend\n")
                                  .string();
    // The outer table looks up the inner one twice with keys from its own
    // cells: the second look-up finds its key only when the first one gave the
    // outer table back its place as the calling sheet.
    const std::string byKey = "FROMTABLE(\"" + inner + "\",\"K\",\"V\",";
    const std::string outer =
        dir.write("outer.vts",
                  "vtss-sheet 1\nsize 2 2\n"
                  "cell 1 1 text=\"a\"\ncell 1 2 text=\"b\"\n"
                  "cell 2 1 formula=" +
                      formulatest::quotedFormula(byKey + "A1)*10+" + byKey + "A2)") + "\nend\n")
            .string();
    const std::string caller =
        dir.write("caller.vts", callingSheet("FROMTABLE(\"" + outer + "\",B1,B2)")).string();
    Tvx_String written;
    const TrialOutcome outcome =
        runTrial(caller, 3, [&](CFormula& dialog) { dialog.sheet().getCellText(2, 2, written); });
    EXPECT_EQ(outcome.problems, Problems{});
    EXPECT_EQ(outcome.result, "75");
    EXPECT_EQ(written.str(), L"75") << "the outer look-up still writes into the calling sheet";
    EXPECT_EQ(resultLines(),
              (std::vector<std::string>{"Result is double: 7.000000", "Result is double: 5.000000",
                                        "Result is double: 75.000000"}));
    EXPECT_EQ(CFormula::activeTableSheet(), nullptr);
}

TEST(CFormulaLookUp, ATableThatLooksItselfUpStopsAtTheNestingBound) {
    testsupport::TempDir dir;
    const std::string self = pathIn(dir, "self.vts");
    const std::string lookUp = "FROMTABLE(\"" + self + "\",\"Key\",\"Value\",\"x\")";
    dir.write("self.vts",
              "vtss-sheet 1\nsize 2 1\n"
              "cell 1 0 text=\"Key\"\ncell 2 0 text=\"Value\"\n"
              "cell 1 1 text=\"x\"\ncell 2 1 formula=" +
                  formulatest::quotedFormula(lookUp) + "\nend\n");
    const std::string caller = dir.write("caller.vts", callingSheet(lookUp)).string();

    // Nobody at the screen: the absent user closes every dialog.
    host::commandLine().clear();
    ui::clearUnansweredPrompts();
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(caller));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ui::unansweredPrompts().size(), size_t{CFormula::kMaxLookUpNesting + 1})
        << "one dialog per look-up and the trial dialog";
    EXPECT_EQ(resultLines().size(), size_t{CFormula::kMaxLookUpNesting});
    size_t boundReported = 0;
    for (const Tvx_String& line : host::commandLine().lines())
        boundReported += line.str() == L"FROMTABLE nested more than 8 deep" ? 1 : 0;
    EXPECT_EQ(boundReported, 1u);
    EXPECT_EQ(dialog.resultText().str(), L"");
    EXPECT_EQ(CFormula::activeTableSheet(), nullptr);
    ui::clearUnansweredPrompts();
}

TEST(CFormulaLookUp, WithoutMemoryForTheTextTheResultFails) {
    testsupport::TempDir dir;
    const std::string table = dir.write("table.vts", formulatest::sizeTable()).string();
    const std::string caller =
        dir.write("caller.vts", callingSheet("FROMTABLE(\"" + table + "\",C1)")).string();
    // The argument texts take blocks first; the result's text is the last one.
    host::commandLine().clear();
    ui::ScriptedUser user;
    user.onDialog(CFormula::kTemplateId).click(IDOK);
    user.onDialog(CFormula::kTemplateId).click(IDOK);
    CFormula dialog(CFormula::kModeTryCell, Tvx_String::fromUtf8(caller));
    failNthGlobalAlloc(2);
    dialog.DoModal();
    failNthGlobalAlloc(0);
    EXPECT_EQ(user.problems(), Problems{});
    EXPECT_EQ(dialog.resultText().str(), L"#VALUE!");
    bool reported = false;
    for (const Tvx_String& line : host::commandLine().lines())
        reported = reported || line.str() == L"Reallocate failed";
    EXPECT_TRUE(reported);
    EXPECT_EQ(resultLines(), std::vector<std::string>{});
}

}  // namespace

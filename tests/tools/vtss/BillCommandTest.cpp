// `vtss bill` driven through the command line entry point: the CSV's rows in
// the bill file, names and kinds from options or the first line, subtotals,
// print variables, and bad input.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "platform/core/Tvx_String.h"
#include "platform/grid/SheetFile.h"
#include "sheeteditor/VtSSSettings.h"
#include "support/TempDir.h"

namespace vtss {
namespace {

using clitest::Outcome;

Outcome run(const std::vector<std::string>& args) {
    return clitest::runVtss(args);
}

grid::Sheet loadBill(const std::string& path) {
    grid::Sheet sheet;
    grid::SheetFileError error;
    EXPECT_TRUE(grid::loadSheetFile(Tvx_String::fromUtf8(path), sheet, error)) << error.message;
    return sheet;
}

std::vector<std::wstring> rowOf(const grid::Sheet& sheet, int row) {
    std::vector<std::wstring> texts;
    for (int column = 1; column <= sheet.columnCount(); ++column)
        texts.push_back(sheet.displayText(column, row));
    return texts;
}

TEST(BillCommandTest, FirstLineNamesTheColumnsAndSubtotalRowsAreMarked) {
    testsupport::TempDir dir;
    const auto rows = dir.write("rows.csv",
                                "Mark,Count,Weight\n"
                                "P1,2,10.5\n"
                                "\"P2, long\",1,4\n"
                                "\n"
                                "SUBTOTAL,3,14.5\n")
                          .string();
    const std::string bill = (dir.path() / "bill.vts").string();
    const Outcome result =
        run({"bill", rows, bill, "--kinds", "3,1,2", "--var", "Project=Hall", "--var", "Note=a=b"});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_EQ(result.out, bill + ": 3 rows\n");
    EXPECT_EQ(result.err, "");

    const grid::Sheet sheet = loadBill(bill);
    EXPECT_EQ(sheet.rowCount(), 3);
    EXPECT_EQ(rowOf(sheet, 0), (std::vector<std::wstring>{L"Mark", L"Count", L"Weight"}));
    EXPECT_EQ(rowOf(sheet, 1), (std::vector<std::wstring>{L"P1", L"2", L"10.5"}));
    EXPECT_EQ(rowOf(sheet, 2), (std::vector<std::wstring>{L"P2, long", L"1", L"4.0"}));
    EXPECT_EQ(rowOf(sheet, 3), (std::vector<std::wstring>{L"", L"3", L"14.5"}));

    VtSSSettings settings;
    settings.readTextForm(Tvx_String(sheet.tag(0, 0)));
    ASSERT_EQ(settings.varNames().length(), 5);
    EXPECT_EQ(settings.varNames()[0], L"Date");
    EXPECT_EQ(settings.varValues()[1], L"bill");
    EXPECT_EQ(settings.varNames()[3], L"Project");
    EXPECT_EQ(settings.varValues()[3], L"Hall");
    EXPECT_EQ(settings.varValues()[4], L"a=b") << "the value runs past a second '='";
}

TEST(BillCommandTest, ColumnsGivenMakeEveryLineARow) {
    testsupport::TempDir dir;
    const auto rows = dir.write("rows.tsv", "P1\t2\tx\nP2\t1\n").string();
    const std::string bill = (dir.path() / "bill.vts").string();
    const Outcome result = run({"bill", rows, bill, "--columns", "Mark,\"Count, pieces\""});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    const grid::Sheet sheet = loadBill(bill);
    EXPECT_EQ(sheet.rowCount(), 2);
    EXPECT_EQ(sheet.columnCount(), 3) << "a row wider than the names widens the sheet";
    EXPECT_EQ(sheet.displayText(2, 0), L"Count, pieces");
    EXPECT_EQ(rowOf(sheet, 1), (std::vector<std::wstring>{L"P1", L"2", L"x"}));
    EXPECT_EQ(rowOf(sheet, 2), (std::vector<std::wstring>{L"P2", L"1", L""}));
}

TEST(BillCommandTest, AnEmptyListGivesAnEmptyBill) {
    testsupport::TempDir dir;
    const auto rows = dir.write("rows.csv", "Mark,Count\n").string();
    const std::string bill = (dir.path() / "bill.vts").string();
    const Outcome result = run({"bill", rows, bill});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    const grid::Sheet sheet = loadBill(bill);
    EXPECT_EQ(sheet.rowCount(), 0);
    EXPECT_EQ(sheet.displayText(2, 0), L"Count");
}

TEST(BillCommandTest, BadInputNamesTheFileOrOptionAndWhy) {
    testsupport::TempDir dir;
    const auto good = dir.write("good.csv", "a,b\n1,2\n").string();
    const auto bad = dir.write("bad.csv", "a,b\n\"open\n").string();
    const auto missing = (dir.path() / "missing.csv").string();
    const auto out = (dir.path() / "out.vts").string();
    const auto unwritable = (dir.path() / "no folder" / "out.vts").string();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string errStart;
    };
    const Case cases[] = {
        {"no files", {"bill"}, kExitUsage, "vtss: bill: bill takes ROWS.csv and OUT.vts\n"},
        {"unknown option",
         {"bill", good, out, "--colour"},
         kExitUsage,
         "vtss: bill: unknown option '--colour'\n"},
        {"option without value",
         {"bill", good, out, "--kinds"},
         kExitUsage,
         "vtss: bill: --kinds needs a value\n"},
        {"kinds not numbers",
         {"bill", good, out, "--kinds", "1,text"},
         kExitUsage,
         "vtss: bill: --kinds takes whole numbers separated by commas, not '1,text'\n"},
        {"names on two lines",
         {"bill", good, out, "--columns", "a\nb"},
         kExitUsage,
         "vtss: bill: --columns takes one line of comma-separated names\n"},
        {"var without name",
         {"bill", good, out, "--var", "=x"},
         kExitUsage,
         "vtss: bill: --var takes NAME=VALUE, not '=x'\n"},
        {"missing csv",
         {"bill", missing, out},
         kExitUsage,
         "vtss: " + missing + ": cannot read the file\n"},
        {"open quote",
         {"bill", bad, out},
         kExitUsage,
         "vtss: " + bad + ":2: quoted field is not closed\n"},
        {"unwritable bill",
         {"bill", good, unwritable},
         kExitFailed,
         "vtss: " + unwritable + ": cannot write the bill file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome result = run(c.args);
        EXPECT_EQ(result.code, c.code);
        EXPECT_EQ(result.err.substr(0, c.errStart.size()), c.errStart);
        EXPECT_EQ(result.out, "");
    }
}

TEST(BillCommandTest, HelpPrintsTheUsage) {
    const Outcome result = run({"bill", "--help"});
    EXPECT_EQ(result.code, kExitOk);
    EXPECT_EQ(result.out.rfind("usage: vtss bill ROWS.csv OUT.vts", 0), 0u);
    const Outcome top = run({"--help"});
    EXPECT_NE(top.out.find("  bill "), std::string::npos);
}

}  // namespace
}  // namespace vtss

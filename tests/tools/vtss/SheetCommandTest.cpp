// `vtss sheet import|export|show|calc|read` driven through the command line entry point.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "support/TempDir.h"

namespace vtss {
namespace {

using clitest::Outcome;

Outcome run(const std::vector<std::string>& args) {
    return clitest::runVtss(args);
}

TEST(SheetCommandTest, ImportExportRoundTripsTheFields) {
    testsupport::TempDir dir;
    const std::string csv = "Input,'007,=A1*2\r\n2.5,\"a, b\",\n";
    const auto in = dir.write("in.csv", csv).string();
    const auto vts = (dir.path() / "out.vts").string();
    const auto back = (dir.path() / "back.csv").string();
    Outcome result = run({"sheet", "import", in, vts});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    result = run({"sheet", "export", vts, back, "--formulas"});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_EQ(dir.read("back.csv"), "Input,'007,=A1*2\n2.5,\"a, b\",\n");
    result = run({"sheet", "export", vts, back});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_EQ(dir.read("back.csv"), "Input,'007,#VALUE!\n2.5,\"a, b\",\n")
        << "imported formulas are computed: text times two is an error value";
}

TEST(SheetCommandTest, ShowPrintsTheUsedPartAsATable) {
    testsupport::TempDir dir;
    const auto vts = dir.write("s.vts",
                               "vtss-sheet 1\n"
                               "size 5 100\n"
                               "format 1 type=number decimals=2\n"
                               "cell 2 0 text=Value\n"
                               "cell 1 1 text=Input\n"
                               "cell 2 2 number=10 format=1\n"
                               "cell 1 3 text=\"two\\nlines\"\n"
                               "end\n")
                         .string();
    const Outcome result = run({"sheet", "show", vts});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_EQ(result.out, vts +
                              ": 5 columns, 100 rows\n"
                              "   A           Value\n"
                              "1  Input\n"
                              "2              10.00\n"
                              "3  two\\nlines\n");
}

TEST(SheetCommandTest, BadInputNamesTheFileTheLineAndWhy) {
    testsupport::TempDir dir;
    const auto badCsv = dir.write("bad.csv", "a,b\n\"open\n").string();
    const auto badVts =
        dir.write("bad.vts", "vtss-sheet 1\nsize 2 2\ncell 3 1 text=x\nend\n").string();
    const auto out = (dir.path() / "out").string();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {"csv with an open quote",
         {"sheet", "import", badCsv, out},
         kExitUsage,
         "vtss: " + badCsv + ":2: quoted field is not closed\n"},
        {"sheet with a bad line",
         {"sheet", "show", badVts},
         kExitUsage,
         "vtss: " + badVts + ":3: column 3 is outside 0..2\n"},
        {"missing sheet",
         {"sheet", "export", out + ".vts", out},
         kExitUsage,
         "vtss: " + out + ".vts: cannot read the file\n"},
        {"missing csv",
         {"sheet", "import", out + ".csv", out},
         kExitUsage,
         "vtss: " + out + ".csv: cannot read the file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome result = run(c.args);
        EXPECT_EQ(result.code, c.code);
        EXPECT_EQ(result.err, c.err);
    }
    EXPECT_FALSE(std::filesystem::exists(out)) << "nothing is written on bad input";
}

TEST(SheetCommandTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run({"sheet"}).code, kExitUsage);
    EXPECT_EQ(run({"sheet", "import", "only-one"}).code, kExitUsage);
    EXPECT_EQ(run({"sheet", "export", "a", "b", "--bogus"}).code, kExitUsage);
    EXPECT_EQ(run({"sheet", "frobnicate"}).code, kExitUsage);
    const Outcome help = run({"sheet", "--help"});
    EXPECT_EQ(help.code, kExitOk);
    EXPECT_NE(help.out.find("vtss sheet import"), std::string::npos);
    EXPECT_NE(run({"--help"}).out.find("sheet"), std::string::npos);
}

TEST(SheetCommandTest, AnUnwritableTargetFailsTheWork) {
    testsupport::TempDir dir;
    const auto in = dir.write("in.csv", "a\n").string();
    const Outcome result =
        run({"sheet", "import", in, (dir.path() / "no" / "such" / "out.vts").string()});
    EXPECT_EQ(result.code, kExitFailed);
    EXPECT_EQ(result.err, "vtss: " + (dir.path() / "no" / "such" / "out.vts").string() +
                              ": cannot write the file\n");
}

// A sheet whose stored results are stale: calc must compute them afresh.
constexpr const char* kStaleSheet =
    "vtss-sheet 1\n"
    "size 3 3\n"
    "format 1 type=number decimals=7\n"
    "cell 1 1 number=2\n"
    "cell 2 1 number=99 formula=\"A1*3\" format=1\n"
    "cell 3 1 formula=\"B1&\\\" mm\\\"\"\n"
    "cell 1 2 text=\"12\"\n"
    "cell 2 2 formula=\"1/0\"\n"
    "cell 3 2 formula=\"ROUND(A1/3,4)\"\n"
    "cell 1 3 text=\"a, b\"\n"
    "end\n";

TEST(SheetCommandTest, CalcRecomputesEveryFormulaAndPrintsTheValuesAsCsv) {
    testsupport::TempDir dir;
    const auto vts = dir.write("s.vts", kStaleSheet).string();
    const Outcome result = run({"sheet", "calc", vts});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_EQ(result.out,
              "2,6,6 mm\n"
              "'12,#DIV/0!,0.6667\n"
              "\"a, b\",,\n")
        << "numbers in the general format whatever their decimals, texts that read as "
           "numbers kept as texts, error values as their text";
    EXPECT_TRUE(result.err.empty());
}

TEST(SheetCommandTest, CalcWritesTheCsvFileAndLeavesTheSheetFileAlone) {
    testsupport::TempDir dir;
    const auto vts = dir.write("s.vts", kStaleSheet).string();
    const auto csv = (dir.path() / "values.csv").string();
    const Outcome result = run({"sheet", "calc", vts, csv});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(dir.read("values.csv"), "2,6,6 mm\n'12,#DIV/0!,0.6667\n\"a, b\",,\n");
    EXPECT_EQ(dir.read("s.vts"), kStaleSheet);
}

TEST(SheetCommandTest, CalcRefusesBadUsageAndUnreadableSheets) {
    testsupport::TempDir dir;
    const auto bad =
        dir.write("bad.vts", "vtss-sheet 1\nsize 1 1\ncell 1 1 formula=\"1+\"\nend\n").string();
    const auto csv = (dir.path() / "out.csv").string();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int code;
    };
    const Case cases[] = {
        {"no sheet", {"sheet", "calc"}, kExitUsage},
        {"too many files", {"sheet", "calc", bad, csv, csv}, kExitUsage},
        {"missing sheet", {"sheet", "calc", csv + ".vts", csv}, kExitUsage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(c.args).code, c.code);
    }
    EXPECT_FALSE(std::filesystem::exists(csv));
    EXPECT_NE(run({"sheet", "--help"}).out.find("vtss sheet calc IN.vts [OUT.csv]"),
              std::string::npos);
}

TEST(SheetCommandTest, CalcOfAnUnwritableTargetFailsTheWork) {
    testsupport::TempDir dir;
    const auto vts = dir.write("s.vts", kStaleSheet).string();
    const auto target = (dir.path() / "no" / "out.csv").string();
    const Outcome result = run({"sheet", "calc", vts, target});
    EXPECT_EQ(result.code, kExitFailed);
    EXPECT_EQ(result.err, "vtss: " + target + ": cannot write the file\n");
}

// A sheet with header texts and texts that need escaping on a line.
constexpr const char* kReadSheet =
    "vtss-sheet 1\n"
    "size 2 2\n"
    "cell 1 0 text=\"Key\"\n"
    "cell 2 0 text=\"Value\"\n"
    "cell 1 1 text=\"Bolts\"\n"
    "cell 2 1 text=\"a\\tb\\nc\"\n"
    "cell 1 2 text=\"c:\\\\dir\"\n"
    "cell 2 2 number=5\n"
    "end\n";

TEST(SheetCommandTest, ReadPrintsTheTitleColumnsAndRowsOneRecordALine) {
    testsupport::TempDir dir;
    const auto vts = dir.write("s.vts", kReadSheet).string();
    const Outcome result = run({"sheet", "read", vts});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_EQ(result.out,
              "title\tBolts\n"
              "columns\tKey\tValue\n"
              "row\tBolts\ta\\tb\\nc\n"
              "row\tc:\\\\dir\t5\n");
    EXPECT_TRUE(result.err.empty());
}

TEST(SheetCommandTest, ReadWithJsonPrintsOneObject) {
    testsupport::TempDir dir;
    const auto vts = dir.write("s.vts", kReadSheet).string();
    const Outcome result = run({"sheet", "read", "--json", vts});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(json.begin().key(), "title") << "keys in the order title, columns, rows";
    EXPECT_EQ(json["title"], "Bolts");
    EXPECT_EQ(json["columns"], nlohmann::ordered_json::array({"Key", "Value"}));
    EXPECT_EQ(json["rows"],
              nlohmann::ordered_json::array({nlohmann::ordered_json::array({"Bolts", "a\tb\nc"}),
                                             nlohmann::ordered_json::array({"c:\\dir", "5"})}));
}

TEST(SheetCommandTest, ReadRefusesBadUsageAndNamesAnUnreadableFile) {
    testsupport::TempDir dir;
    const auto bad =
        dir.write("bad.vts", "vtss-sheet 1\nsize 2 2\ncell 3 1 text=x\nend\n").string();
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::string err;
    };
    const Case cases[] = {
        {"no file", {"sheet", "read"}, "vtss: sheet read takes one FILE\n"},
        {"two files", {"sheet", "read", bad, bad}, "vtss: sheet read takes one FILE\n"},
        {"unknown option", {"sheet", "read", "--xml", bad}, "vtss: unknown option '--xml'\n"},
        {"bad line", {"sheet", "read", bad}, "vtss: " + bad + ":3: column 3 is outside 0..2\n"},
        {"missing file",
         {"sheet", "read", bad + ".no"},
         "vtss: " + bad + ".no: cannot read the file\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome result = run(c.args);
        EXPECT_EQ(result.code, kExitUsage);
        EXPECT_EQ(result.err.substr(0, result.err.find('\n') + 1), c.err);
        EXPECT_TRUE(result.out.empty());
    }
}

}  // namespace
}  // namespace vtss

// `vtss sheet import|export|show` driven through the command line entry point.
#include <gtest/gtest.h>

#include <sstream>

#include "support/TempDir.h"
#include "tools/vtss/Cli.h"

namespace vtss {
namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome run(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
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
    EXPECT_EQ(dir.read("back.csv"), "Input,'007,\n2.5,\"a, b\",\n")
        << "a formula not yet computed has an empty value";
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

}  // namespace
}  // namespace vtss

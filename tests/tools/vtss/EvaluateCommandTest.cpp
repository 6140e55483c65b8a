// `vtss evaluate` driven through the command-line entry point: the sample
// library by default, the table and the JSON result, general variables,
// warnings printed as messages, writing the macro, and the exit codes.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "support/TempDir.h"

namespace vtss {
namespace {

using clitest::Outcome;

Outcome run(std::vector<std::string> args) {
    args.insert(args.begin(), "evaluate");
    return clitest::runVtss(args);
}

const std::string kSample = VTSS_SAMPLE_LIBRARY_DIR;

using Json = nlohmann::ordered_json;

// The variables of a JSON result by name: kind and value.
std::map<std::string, std::pair<std::string, std::string>> variablesOf(const Json& result) {
    std::map<std::string, std::pair<std::string, std::string>> variables;
    for (const Json& variable : result["variables"])
        variables[variable["name"]] = {variable["kind"], variable["value"]};
    return variables;
}

double number(const std::string& text) {
    return std::stod(text);
}

TEST(EvaluateCommandTest, TheSampleEvaluatesWithNoArgumentAtAll) {
    const Outcome result = run({"--library", kSample});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_NE(result.out.find("Sheet:   EndPlate"), std::string::npos);
    EXPECT_NE(result.out.find("Kind"), std::string::npos);
    EXPECT_NE(result.out.find("Output  Double  Thickness"), std::string::npos);
    EXPECT_NE(result.out.find("Local   String  Summary"), std::string::npos);
}

TEST(EvaluateCommandTest, JsonResultHoldsVariablesMacroMessagesAndCommandLine) {
    const Outcome result = run({"--library", kSample, "--json"});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    const Json json = Json::parse(result.out);
    std::vector<std::string> keys;
    for (const auto& item : json.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"ok", "variables", "macro", "messages", "commandLine"}));
    EXPECT_TRUE(json["ok"].get<bool>());
    const Json& first = json["variables"][0];
    EXPECT_EQ(first["name"], "BeamSection");
    EXPECT_EQ(first["kind"], "Input");
    EXPECT_EQ(first["type"], "String");
    EXPECT_EQ(first["value"], "IPE-300");
    EXPECT_EQ(first["column"], 1);
    EXPECT_EQ(first["row"], 4);

    const auto variables = variablesOf(json);
    EXPECT_DOUBLE_EQ(number(variables.at("Thickness").second), 20);
    EXPECT_DOUBLE_EQ(number(variables.at("Width").second), 180);
    EXPECT_DOUBLE_EQ(number(variables.at("Height").second), 300);
    EXPECT_EQ(variables.at("BoltRows").second, "3");
    EXPECT_DOUBLE_EQ(number(variables.at("Pitch").second), 115);
    // The macro received the outputs.
    const Json& plate = json["macro"]["modules"][0];
    EXPECT_EQ(plate["name"], "Plate1");
    EXPECT_DOUBLE_EQ(plate["variables"][0]["value"].get<double>(), 20);
    EXPECT_EQ(json["macro"]["modules"][1]["patterns"][0]["nrBolts2"], "3");
    EXPECT_TRUE(json["messages"].empty());
}

TEST(EvaluateCommandTest, GeneralVariablesReachTheEquations) {
    const Outcome plain = run({"--library", kSample, "--json"});
    const Outcome wider = run({"--library", kSample, "--json", "--gen", "gen_Clearance=25"});
    ASSERT_EQ(wider.code, kExitOk) << wider.err;
    EXPECT_DOUBLE_EQ(number(variablesOf(Json::parse(plain.out)).at("Clearance").second), 10);
    EXPECT_DOUBLE_EQ(number(variablesOf(Json::parse(wider.out)).at("Clearance").second), 25);
}

TEST(EvaluateCommandTest, WarningsArePrintedAsMessages) {
    // The mapping without stiffeners leaves two Outputs unbound.
    const Outcome result =
        run({"--library", kSample, "--mapping", "NoStiffeners", "--warnings", "--json"});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    EXPECT_NE(result.err.find("message: vtss: The following Output variable couldn't be set : "
                              "\\nStiffenerThickness\\n"),
              std::string::npos);
    const Json json = Json::parse(result.out);
    ASSERT_EQ(json["messages"].size(), 2u);
    EXPECT_EQ(json["messages"][1]["caption"], "vtss");
    EXPECT_NE(json["messages"][1]["text"].get<std::string>().find("\nStiffenerWidth\n"),
              std::string::npos);
}

TEST(EvaluateCommandTest, WriteMacroKeepsTheComputedMacro) {
    testsupport::TempDir dir;
    const std::string target = (dir.path() / "out.json").string();
    const Outcome result = run({"--library", kSample, "--write-macro", target});
    ASSERT_EQ(result.code, kExitOk) << result.err;
    const Json macro = Json::parse(dir.read("out.json"));
    EXPECT_EQ(macro["name"], "EndPlate");
    EXPECT_DOUBLE_EQ(macro["modules"][0]["variables"][1]["value"].get<double>(), 180);
}

TEST(EvaluateCommandTest, FailuresAndTheirExitCodes) {
    testsupport::TempDir dir;
    const std::string badMacro = dir.write("bad.json", "{\"name\": ").string();
    const std::string badSheet =
        dir.write("bad.vts", "vtss-sheet 1\nsize 1 1\nbogus\nend\n").string();
    const std::string noCalc = dir.write("nocalc.vts",
                                         "vtss-sheet 1\nsize 1 2\ncell 1 1 text=\"Input\"\n"
                                         "cell 1 2 text=\"Output\"\nend\n")
                                   .string();
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string err;
    };
    const Case cases[] = {
        {{"--sheet", "Nothing"}, kExitFailed, "the sheet 'Nothing' does not exist"},
        {{"--sheet", badSheet}, kExitFailed, ":3: the sheet does not load"},
        {{"--sheet", noCalc}, kExitFailed, "the sheet has no 'Calc' section"},
        {{"--macro", (dir.path() / "missing.json").string()}, kExitUsage, "missing.json"},
        {{"--macro", badMacro}, kExitUsage, "bad.json:1:"},
        {{"--gen", "novalue"}, kExitUsage, "--gen takes NAME=VALUE"},
        {{"--sheet"}, kExitUsage, "--sheet needs a value"},
        {{"--frobnicate"}, kExitUsage, "unknown argument '--frobnicate'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : ""));
        std::vector<std::string> args = {"--library", kSample};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome result = run(args);
        EXPECT_EQ(result.code, c.code);
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
    }
    const Outcome json = run({"--library", kSample, "--sheet", "Nothing", "--json"});
    EXPECT_EQ(json.code, kExitFailed);
    const Json failed = Json::parse(json.out);
    EXPECT_FALSE(failed["ok"].get<bool>());
    EXPECT_TRUE(failed["variables"].empty());
}

TEST(EvaluateCommandTest, HelpPrintsTheUsage) {
    const Outcome result = run({"--help"});
    EXPECT_EQ(result.code, kExitOk);
    EXPECT_NE(result.out.find("usage: vtss evaluate"), std::string::npos);
}

}  // namespace
}  // namespace vtss

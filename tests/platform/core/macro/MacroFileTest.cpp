// The macro file: reading the fixture, round trips with unknown keys kept, and
// refusals with their place and reason.
#include "platform/core/macro/MacroFile.h"

#include <gtest/gtest.h>

#include "platform/core/macro/MacroTestData.h"
#include "support/TempDir.h"

namespace {

Tvx_String T(const char* utf8) {
    return Tvx_String::fromUtf8(utf8);
}

TEST(MacroFile, ReadsEveryPartOfTheFixture) {
    const Tvx_Macro macro = macrotest::endPlateMacro();
    EXPECT_EQ(macro.name, T("EndPlate"));
    ASSERT_EQ(macro.generalVariables.length(), 2);
    EXPECT_EQ(macro.generalVariables[1].name, T("gen_EdgeDistance"));
    EXPECT_EQ(macro.generalVariables[1].value, 35.0);
    ASSERT_EQ(macro.baseProfiles.length(), 2);
    EXPECT_EQ(macro.baseProfiles[1].profile, (Tvx_Profile{T("IPE-300"), T("S355")}));
    ASSERT_EQ(macro.modules.length(), 3);

    const Tvx_Module& plate = macro.modules[0];
    EXPECT_EQ(plate.group, T("Plate"));
    ASSERT_EQ(plate.variables.length(), 4);
    EXPECT_EQ(plate.variables[0].flexFix, FlexFix::fix);
    EXPECT_EQ(plate.variables[2].flexFix, FlexFix::flex);
    EXPECT_EQ(plate.variables[3].flexFix, FlexFix::none);
    EXPECT_FALSE(plate.variables[1].settable);
    EXPECT_FALSE(plate.variables[2].visible);
    ASSERT_EQ(plate.cuts.length(), 2);
    EXPECT_EQ(plate.cuts[0].cutType, eChamferCut);
    EXPECT_EQ(plate.cuts[0].offsets[eCutChamferOffset2], 15.0);

    const Tvx_Module& bolts = macro.modules[1];
    EXPECT_TRUE(bolts.isBoltModule());
    EXPECT_EQ(bolts.boltData.diameter, T("20"));
    EXPECT_EQ(bolts.boltData.addedLength, T("5"));
    ASSERT_EQ(bolts.patterns.length(), 2);
    EXPECT_EQ(bolts.patterns[0].nrBolts2, T("4"));
    EXPECT_TRUE(bolts.patterns[0].reverseStart2);
    EXPECT_EQ(bolts.patterns[1].id, 2);

    const Tvx_Module& stiffeners = macro.modules[2];
    EXPECT_TRUE(stiffeners.isProfileModule());
    EXPECT_EQ(stiffeners.groupKey(), T("Stiffeners"));
    ASSERT_EQ(stiffeners.placements.length(), 2);
    EXPECT_EQ(stiffeners.placements[0].profile.material, T("S355"));
    EXPECT_TRUE(stiffeners.placements[1].name.isEmpty());
}

TEST(MacroFile, WritesWhatReadsBackEqualKeepingUnknownKeysInPlace) {
    const Tvx_Macro macro = macrotest::endPlateMacro();
    const std::string written = macroToJson(macro);
    Tvx_Macro again;
    MacroFileError error;
    ASSERT_TRUE(macroFromJson(written, again, error)) << error.reason.toUtf8();
    EXPECT_EQ(again, macro);
    EXPECT_EQ(macroToJson(again), written);

    // Unknown keys follow the known ones of their object.
    EXPECT_NE(written.find("\"modules\""), std::string::npos);
    EXPECT_LT(written.find("\"modules\""), written.find("\"drawing\": \"A-101\""));
    EXPECT_LT(written.find("\"kind\": 0"), written.find("\"colour\": 3"));
    EXPECT_NE(written.find("\"note\": \"from the shop standard\""), std::string::npos);
}

TEST(MacroFile, FillsOptionalKeysWithTheirDefaults) {
    Tvx_Macro macro;
    MacroFileError error;
    ASSERT_TRUE(macroFromJson(R"({"name": "M", "modules": [
        {"name": "B", "kind": 232, "variables": [{"name": "V", "value": 1}],
         "patterns": [{"id": 7, "name": "P"}, {"name": "Q"}]},
        {"name": "C", "cuts": [{"name": "K", "type": "contour"}]}]})",
                              macro, error))
        << error.reason.toUtf8();
    EXPECT_TRUE(macro.generalVariables.isEmpty());
    EXPECT_TRUE(macro.baseProfiles.isEmpty());
    const Tvx_Module& bolts = macro.modules[0];
    EXPECT_TRUE(bolts.group.isEmpty());
    EXPECT_TRUE(bolts.variables[0].visible);
    EXPECT_TRUE(bolts.variables[0].settable);
    EXPECT_EQ(bolts.patterns[0].kind, kOneDirectionPatternKind);
    EXPECT_EQ(bolts.patterns[1].id, 8);
    EXPECT_EQ(macro.modules[1].kind, 0);
    EXPECT_EQ(macro.modules[1].cuts[0].offsets[eCutInsideOffset], 0.0);
}

TEST(MacroFile, SkipsAByteOrderMark) {
    Tvx_Macro macro;
    MacroFileError error;
    EXPECT_TRUE(macroFromJson("\xEF\xBB\xBF{\"name\": \"M\", \"modules\": []}", macro, error));
    EXPECT_EQ(macro.name, T("M"));
}

TEST(MacroFile, RefusesSyntaxErrorsWithLineAndColumn) {
    struct Case {
        const char* text;
        int line;
        int column;
    };
    const Case cases[] = {
        {"", 1, 1},
        {"{\"name\": \"M\",\n  \"modules\": [,]}", 2, 15},
        {"{\"name\": \"M\"\n\"modules\": []}", 2, 9},
        {"{\"name\": \"Ä\", \"modules\": [}", 1, 27},
        {"{\"name\": \"\xFF\"}", 1, 11},
        // Numbers beyond the range of a double, and nesting past 200 levels.
        {"{\"name\": \"M\",\n \"modules\": [], \"x\": -1e999}", 2, 27},
        {"{\"name\": \"M\", \"x\": [[[\"[\\\"[\", 1e400]]]}", 1, 35},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Tvx_Macro macro;
        macro.name = T("untouched");
        MacroFileError error;
        EXPECT_FALSE(macroFromJson(c.text, macro, error));
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.column, c.column);
        EXPECT_FALSE(error.reason.isEmpty());
        EXPECT_EQ(error.reason.str().find(L"json.exception"), std::wstring::npos);
        EXPECT_EQ(macro.name, T("untouched"));
    }
}

TEST(MacroFile, RefusesNestingDeeperThanTwoHundredLevels) {
    const auto nested = [](int levels) {
        return "{\"name\": \"M\", \"modules\": [],\n\"x\": " + std::string(levels - 1, '[') +
               std::string(levels - 1, ']') + "}";
    };
    Tvx_Macro macro;
    MacroFileError error;
    ASSERT_TRUE(macroFromJson(nested(200), macro, error)) << error.reason.toUtf8();
    Tvx_Macro again;
    ASSERT_TRUE(macroFromJson(macroToJson(macro), again, error));
    EXPECT_EQ(again, macro);

    EXPECT_FALSE(macroFromJson(nested(100000), macro, error));
    EXPECT_EQ(error.reason, T("nested more than 200 levels deep"));
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.column, 6 + 199);
}

TEST(MacroFile, RefusesWhatIsNoMacroWithThePlaceAndReason) {
    struct Case {
        const char* text;
        const char* reason;
    };
    const Case cases[] = {
        {"[]", "the file: must be an object"},
        {R"({"modules": []})", "the file: missing key \"name\""},
        {R"({"name": "M"})", "the file: missing key \"modules\""},
        {R"({"name": 3, "modules": []})", "name: must be a text"},
        {R"({"name": "M", "modules": {}})", "modules: must be an array"},
        {R"({"name": "M", "modules": [3]})", "modules[0]: must be an object"},
        {R"({"name": "M", "modules": [{"name": ""}]})", "modules[0].name: must not be empty"},
        {R"({"name": "M", "modules": [{"name": "A"}, {"name": "a"}]})",
         "modules[1]: a second module named \"a\""},
        {R"({"name": "M", "generalVariables": [{"name": "g"}], "modules": []})",
         "generalVariables[0]: missing key \"value\""},
        {R"({"name": "M", "generalVariables": [{"name": "g", "value": "1"}], "modules": []})",
         "generalVariables[0].value: must be a number"},
        {R"({"name": "M", "baseProfiles": [{"material": "S235"}], "modules": []})",
         "baseProfiles[0]: missing key \"section\""},
        {R"({"name": "M", "modules": [{"name": "A", "kind": 1.5}]})",
         "modules[0].kind: must be a whole number"},
        {R"({"name": "M", "modules": [{"name": "A", "kind": 99999999999}]})",
         "modules[0].kind: must be a whole number"},
        {R"({"name": "M", "modules": [{"name": "A", "variables": [{"name": "V", "value": 1, "visible": 1}]}]})",
         "modules[0].variables[0].visible: must be true or false"},
        {R"({"name": "M", "modules": [{"name": "A", "variables": [{"name": "V", "value": 1, "flexFix": "auto"}]}]})",
         "modules[0].variables[0].flexFix: must be \"flex\" or \"fix\""},
        {R"({"name": "M", "modules": [{"name": "A", "variables": [{"name": "V", "value": 1}, {"name": "v", "value": 2}]}]})",
         "modules[0].variables[1]: a second variable named \"v\""},
        {R"({"name": "M", "modules": [{"name": "A", "cuts": [{"name": "K", "type": "saw"}]}]})",
         "modules[0].cuts[0].type: unknown cut type \"saw\""},
        {R"({"name": "M", "modules": [{"name": "A", "cuts": [{"name": "K", "type": "line", "offsets": {"radius": 2}}]}]})",
         "modules[0].cuts[0].offsets.radius: is no offset of a line cut"},
        {R"({"name": "M", "modules": [{"name": "A", "boltData": {}}]})",
         "modules[0].boltData: belongs to bolt modules (kind 232)"},
        {R"({"name": "M", "modules": [{"name": "A", "kind": 232, "placements": []}]})",
         "modules[0].placements: belongs to profile modules (kind 233)"},
        {R"({"name": "M", "modules": [{"name": "A", "kind": 232, "boltData": {"diameter": 20}}]})",
         "modules[0].boltData.diameter: must be a text"},
        {R"({"name": "M", "modules": [{"name": "A", "kind": 232, "patterns": [{"name": "P", "nrBolts2": "2"}]}]})",
         "modules[0].patterns[0].nrBolts2: belongs to two-direction patterns (kind 282)"},
        {R"({"name": "M", "modules": [{"name": "A", "kind": 232, "patterns": [{"id": 1, "name": "P"}, {"id": 1, "name": "Q"}]}]})",
         "modules[0].patterns[1].id: a second pattern with id 1"},
        {R"({"name": "M", "modules": [{"name": "A", "kind": 233, "placements": [{"memberName": "X"}]}]})",
         "modules[0].placements[0]: missing key \"name\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Tvx_Macro macro;
        MacroFileError error;
        EXPECT_FALSE(macroFromJson(c.text, macro, error));
        EXPECT_EQ(error.reason, T(c.reason));
        EXPECT_EQ(error.line, 0);
    }
}

TEST(MacroFile, DescribesAnErrorWithTheFileAndPosition) {
    EXPECT_EQ(MacroFileError({T("bad"), 3, 7}).describe(T("m.json")), T("m.json:3:7: bad"));
    EXPECT_EQ(MacroFileError({T("bad"), 0, 0}).describe(T("m.json")), T("m.json: bad"));
}

TEST(MacroFile, ReadsAndWritesFilesOnDisk) {
    testsupport::TempDir dir;
    const Tvx_String path = T((dir.path() / "m.json").string().c_str());
    const Tvx_Macro macro = macrotest::endPlateMacro();
    ASSERT_TRUE(writeMacroFile(path, macro));
    Tvx_Macro again;
    MacroFileError error;
    ASSERT_TRUE(readMacroFile(path, again, error));
    EXPECT_EQ(again, macro);

    EXPECT_FALSE(readMacroFile(T((dir.path() / "missing.json").string().c_str()), again, error));
    EXPECT_EQ(error.reason, T("cannot read the file"));
    EXPECT_FALSE(writeMacroFile(T((dir.path() / "no" / "m.json").string().c_str()), macro));
}

}  // namespace

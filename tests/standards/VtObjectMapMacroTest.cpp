// Every map type read and written through a macro, the module loop over a
// group, and the resolution of variables by name.
#include <gtest/gtest.h>

#include "standards/StandardsTestMacro.h"
#include "standards/VtObjectMap.h"

namespace {

using standardstest::T;

class ObjectMapMacroTest : public standardstest::EndPlateTest {
  protected:
    VtObjectMap map(const char* module, const char* objName, int type) {
        VtObjectMap result;
        result.module = T(module);
        result.objName = T(objName);
        result.type = type;
        return result;
    }
    ErrorStatus read(const VtObjectMap& m, Tvx_String& value) {
        return m.getMacroVarValue(&dbMacro, &macroData, value, nullptr);
    }
    ErrorStatus write(const VtObjectMap& m, const char* value) {
        return m.setMacroVarValue(&dbMacro, &macroData, T(value), nullptr);
    }
};

TEST_F(ObjectMapMacroTest, ReadsEveryMapType) {
    struct Case {
        const char* module;
        const char* objName;
        int type;
        ErrorStatus status;
        const char* value;
    };
    const Case cases[] = {
        {"Plate", "Thickness", eMapDistance, eOk, "15.0000000"},
        {"plate", "WIDTH", eMapDistance, eOk, "200.0000000"},
        {"", "gen_Gap", eMapGenVar, eOk, "12.00000000"},
        {"Plate", "Top", eMapCutOffset, eOk, "5.0000000"},
        {"Plate", "Corner", eMapCutChamferOffset1, eOk, "10.0000000"},
        {"Plate", "Corner", eMapCutChamferOffset2, eOk, "15.0000000"},
        {"Plate", "Top", eMapCutPolyOffset, eInvalidInput, ""},
        {"", "Prof0", eMapPrPlName, eOk, "HEA-200"},
        {"", "Prof1", eMapPrPlMaterial, eOk, "S355"},
        {"Stiffeners", "Stiffener", eMapOwnedMemberName, eOk, "ST1"},
        {"", "Prof0;1", eMapMemberSectionSize, eOk, "200"},
        {"", "Prof1;0", eMapMemberSectionSize, eOk, "300"},
        {"Bolts", "Main", eMapPatternNrBolts1, eOk, "2"},
        {"Bolts", "Main", eMapPatternNrBolts2, eOk, "4"},
        {"Bolts", "Main", eMapPatternReverseStart1, eOk, "0"},
        {"Bolts", "Main", eMapPatternReverseStart2, eOk, "1"},
        {"Bolts", "", eMapBoltsDiameter, eOk, "20"},
        {"Bolts", "", eMapBoltsHoleOffset, eOk, "2"},
        // What no module of the group holds, and objects that do not exist.
        {"Bolts", "Extra", eMapPatternNrBolts2, eInvalidInput, ""},
        {"Plate", "Main", eMapPatternNrBolts1, eInvalidInput, ""},
        {"Plate", "", eMapBoltsDiameter, eInvalidInput, ""},
        {"Plate", "Depth", eMapDistance, eInvalidInput, ""},
        {"Nowhere", "Thickness", eMapDistance, eInvalidInput, ""},
        {"", "gen_None", eMapGenVar, eInvalidInput, ""},
        {"", "Prof2", eMapPrPlName, eInvalidInput, ""},
        {"", "ProfA", eMapPrPlName, eInvalidInput, ""},
        {"", "Prof", eMapPrPlName, eInvalidInput, ""},
        {"", "Prof0;1", eMapPrPlName, eInvalidInput, ""},
        {"", "Prof0", eMapMemberSectionSize, eInvalidInput, ""},
        {"", "Prof0;9", eMapMemberSectionSize, eInvalidInput, ""},
        {"", "Prof0;x", eMapMemberSectionSize, eInvalidInput, ""},
        {"Plate", "Thickness", eMapNone, eInvalidInput, ""},
        {"Plate", "Thickness", 22, eInvalidInput, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.module << " " << c.objName << " type " << c.type);
        Tvx_String value;
        EXPECT_EQ(read(map(c.module, c.objName, c.type), value), c.status);
        EXPECT_EQ(value, T(c.value));
    }
}

TEST_F(ObjectMapMacroTest, TypeThirteenReadsTheBaseProfilesMaterial) {
    Tvx_String value;
    EXPECT_EQ(read(map("", "Prof0", eMapPrPlMaterial), value), eOk);
    EXPECT_EQ(value, T("S235"));
    EXPECT_EQ(read(map("", "Prof0", eMapPrPlName), value), eOk);
    EXPECT_EQ(value, T("HEA-200"));
}

TEST_F(ObjectMapMacroTest, WritesEveryWritableMapType) {
    EXPECT_EQ(write(map("Plate", "Thickness", eMapDistance), "18"), eOk);
    EXPECT_EQ(macro().modules[0].variables[0].value, 18.0);
    EXPECT_EQ(write(map("", "gen_Gap", eMapGenVar), "14.5"), eOk);
    double gap = 0;
    macro().generalVariableValue(T("gen_Gap"), gap);
    EXPECT_EQ(gap, 14.5);
    EXPECT_EQ(write(map("Plate", "Corner", eMapCutChamferOffset2), "22.5"), eOk);
    EXPECT_EQ(macro().modules[0].cuts[0].offsets[eCutChamferOffset2], 22.5);
    EXPECT_EQ(write(map("Stiffeners", "Stiffener", eMapOwnedMemberName), "ST7"), eOk);
    EXPECT_EQ(tab("Stiffeners").profData[0].memberName, T("ST7"));
    EXPECT_EQ(write(map("Bolts", "Main", eMapPatternNrBolts2), "6"), eOk);
    EXPECT_EQ(tab("Bolts").patterns[0].count2, T("6"));
    EXPECT_EQ(write(map("Bolts", "Main", eMapPatternReverseStart1), "1"), eOk);
    EXPECT_TRUE(macro().modules[1].patterns[0].reverseStart1);
    EXPECT_EQ(write(map("Bolts", "Main", eMapPatternReverseStart2), "0"), eOk);
    EXPECT_FALSE(macro().modules[1].patterns[0].reverseStart2);
    EXPECT_EQ(write(map("Bolts", "", eMapBoltsDiameter), "24"), eOk);
    EXPECT_EQ(tab("Bolts").boltData->diameter, T("24"));
    EXPECT_EQ(write(map("Bolts", "", eMapBoltsHoleOffset), "3"), eOk);
    EXPECT_EQ(tab("Bolts").boltData->holeOffset, T("3"));

    // Tab values reach the macro when the dialog data is applied.
    ASSERT_EQ(macroData.setAllToMacro(*dbMacro.macroWrite()), eOk);
    EXPECT_EQ(macro().modules[1].boltData.diameter, T("24"));
    EXPECT_EQ(macro().modules[1].patterns[0].nrBolts2, T("6"));
    EXPECT_EQ(macro().modules[2].placements[0].memberName, T("ST7"));
}

TEST_F(ObjectMapMacroTest, ReverseStartReadsBackWhatWasWritten) {
    const VtObjectMap reverse = map("Bolts", "Main", eMapPatternReverseStart1);
    for (const char* written : {"1", "0", "1"}) {
        ASSERT_EQ(write(reverse, written), eOk);
        Tvx_String value;
        ASSERT_EQ(read(reverse, value), eOk);
        EXPECT_EQ(value, T(written));
    }
}

TEST_F(ObjectMapMacroTest, RefusesWritesThatDoNotFit) {
    const Tvx_Macro before = macro();
    EXPECT_EQ(write(map("", "Prof0", eMapPrPlName), "IPE-200"), eInvalidInput);
    EXPECT_EQ(write(map("", "Prof0", eMapPrPlMaterial), "S355"), eInvalidInput);
    EXPECT_EQ(write(map("", "Prof0;0", eMapMemberSectionSize), "100"), eInvalidInput);
    EXPECT_EQ(write(map("Plate", "Thickness", eMapDistance), "#DIV/0!"), eInvalidInput);
    EXPECT_EQ(write(map("", "gen_Gap", eMapGenVar), "wide"), eInvalidInput);
    EXPECT_EQ(write(map("Plate", "Top", eMapCutOffset), ""), eInvalidInput);
    EXPECT_EQ(write(map("Bolts", "Main", eMapPatternNrBolts1), "many"), eInvalidInput);
    EXPECT_EQ(write(map("Plate", "Main", eMapPatternReverseStart1), "1"), eInvalidInput);
    EXPECT_EQ(macro(), before);
}

TEST_F(ObjectMapMacroTest, WritingAFlexibleDistanceFixesIt) {
    bool fixed = true, undetermined = true;
    ASSERT_TRUE(tab("Plate").getFlexFixBtnStatus(T("Height"), fixed, undetermined));
    EXPECT_FALSE(fixed);
    EXPECT_EQ(write(map("Plate", "Height", eMapDistance), "300"), eOk);
    ASSERT_TRUE(tab("Plate").getFlexFixBtnStatus(T("Height"), fixed, undetermined));
    EXPECT_TRUE(fixed);
    EXPECT_EQ(macro().modules[0].variables[2].value, 300.0);
    // Reading never changes the button.
    Tvx_String value;
    tab("Plate").flexFixBtnClicked(T("Height"), true);
    EXPECT_EQ(read(map("Plate", "Height", eMapDistance), value), eOk);
    tab("Plate").getFlexFixBtnStatus(T("Height"), fixed, undetermined);
    EXPECT_FALSE(fixed);
}

TEST_F(ObjectMapMacroTest, NeedsAMacroAndItsDialogData) {
    Tvx_String value;
    const VtObjectMap thickness = map("Plate", "Thickness", eMapDistance);
    EXPECT_EQ(thickness.getMacroVarValue(nullptr, &macroData, value, nullptr), eInvalidInput);
    EXPECT_EQ(thickness.getMacroVarValue(&dbMacro, nullptr, value, nullptr), eInvalidInput);
    // General variables and base profiles need no dialog data.
    EXPECT_EQ(map("", "gen_Gap", eMapGenVar).getMacroVarValue(&dbMacro, nullptr, value, nullptr),
              eOk);
}

TEST(ObjectMapGroups, VisitsEveryModuleOfTheGroup) {
    Tvx_Macro macro;
    MacroFileError error;
    ASSERT_TRUE(macroFromJson(R"({"name": "M", "modules": [
        {"name": "Left", "group": "Cleat", "variables": [{"name": "Gap", "value": 1}]},
        {"name": "Mid", "group": "Cleat"},
        {"name": "Right", "group": "Cleat", "variables": [{"name": "Gap", "value": 3}]}]})",
                              macro, error));
    Tvx_DbMacro dbMacro(macro);
    MacroData data;
    data.initFromMacro(macro);
    VtObjectMap gap;
    gap.module = standardstest::T("Cleat");
    gap.objName = standardstest::T("Gap");
    gap.type = eMapDistance;
    Tvx_String value;
    EXPECT_EQ(gap.getMacroVarValue(&dbMacro, &data, value, nullptr), eOk);
    EXPECT_EQ(value, standardstest::T("3.0000000"));  // the last module wins
    EXPECT_EQ(gap.setMacroVarValue(&dbMacro, &data, standardstest::T("5"), nullptr), eOk);
    EXPECT_EQ(dbMacro.macro().modules[0].variables[0].value, 5.0);
    EXPECT_EQ(dbMacro.macro().modules[2].variables[0].value, 5.0);
}

class ByNameTest : public standardstest::EndPlateTest {
  protected:
    ErrorStatus byName(const char* name, int valueType, const char* module, Tvx_String& value,
                       bool read = true) {
        return VtObjectMap::getSetByName(T(name), valueType, dbMacro.macroWrite(),
                                         &this->module(module), &macroData, value, read, nullptr);
    }
};

TEST_F(ByNameTest, ResolvesSuffixesInOrder) {
    struct Case {
        const char* name;
        int valueType;
        const char* module;
        ErrorStatus status;
        const char* value;
    };
    const Case cases[] = {
        {"gen.Gap", eValueDouble, "Plate1", eOk, "12.0000"},
        {"GEN.EdgeDistance", eValueInt, "Bolts1", eOk, "35.0000"},
        {"gen.Missing", eValueDouble, "Plate1", eInvalidInput, ""},
        // A text request for "gen." falls through to the other rules.
        {"gen.Gap", eValueString, "Plate1", eInvalidInput, ""},
        {"Stiffener.Name", eValueString, "Stiffeners", eOk, "FL-10X100"},
        {"stiffener.material", eValueString, "Stiffeners", eOk, "S355"},
        {"Ghost.Name", eValueString, "Stiffeners", eInvalidInput, ""},
        {"Stiffener.Name", eValueDouble, "Stiffeners", eInvalidInput, ""},
        {"Top.Cut", eValueDouble, "Plate1", eOk, "5.0000000"},
        {"Corner.Chamfer2", eValueDouble, "Plate1", eOk, "15.0000000"},
        {"Corner.Chamfer1", eValueInt, "Plate1", eOk, "10.0000000"},
        {"Top.CutRadius", eValueDouble, "Plate1", eInvalidInput, ""},
        {"Top.Cut", eValueString, "Plate1", eInvalidInput, ""},
        {"Any.Diameter", eValueDouble, "Bolts1", eOk, "20"},
        {"Any.HoleOffset", eValueDouble, "Bolts1", eOk, "2"},
        {"Any.Diameter", eValueDouble, "Plate1", eInvalidInput, ""},
        {"Main.NrBolts2", eValueString, "Bolts1", eOk, "4"},
        {"Main.NrBolts1", eValueInt, "Bolts1", eOk, "2"},
        {"Main.ReverseStart2", eValueInt, "Bolts1", eOk, "1"},
        {"Main.ReverseStart1", eValueDouble, "Plate1", eInvalidInput, ""},
        {"Main.ReverseStart1", eValueString, "Bolts1", eInvalidInput, ""},
        {"Stiffener.MemberName", eValueString, "Stiffeners", eOk, "ST1"},
        {"Thickness", eValueDouble, "Plate1", eOk, "15.0000000"},
        {"Thickness", eValueString, "Plate1", eInvalidInput, ""},
        {"EdgeDist", eValueInt, "Bolts1", eOk, "40.0000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " type " << c.valueType << " in " << c.module);
        Tvx_String value;
        EXPECT_EQ(byName(c.name, c.valueType, c.module, value), c.status);
        EXPECT_EQ(value, T(c.value));
    }
}

TEST_F(ByNameTest, WritesThroughTheSameRules) {
    Tvx_String value = T("16");
    EXPECT_EQ(byName("gen.Gap", eValueDouble, "Plate1", value, false), eOk);
    double gap = 0;
    macro().generalVariableValue(T("gen_Gap"), gap);
    EXPECT_EQ(gap, 16.0);
    value = T("12");
    EXPECT_EQ(byName("Top.Cut", eValueDouble, "Plate1", value, false), eOk);
    EXPECT_EQ(macro().modules[0].cuts[1].offsets[eCutOffset], 12.0);
    value = T("1");
    EXPECT_EQ(byName("Main.ReverseStart1", eValueInt, "Bolts1", value, false), eOk);
    EXPECT_TRUE(macro().modules[1].patterns[0].reverseStart1);
    value = T("M2");
    EXPECT_EQ(byName("Stiffener.MemberName", eValueString, "Stiffeners", value, false), eOk);
    EXPECT_EQ(tab("Stiffeners").profData[0].memberName, T("M2"));
    // Section names and materials are read only.
    value = T("FL-20X100");
    EXPECT_EQ(byName("Stiffener.Name", eValueString, "Stiffeners", value, false), eInvalidInput);
    value = T("22");
    EXPECT_EQ(byName("Height", eValueDouble, "Plate1", value, false), eOk);
    EXPECT_EQ(macro().modules[0].variables[2].value, 22.0);
}

TEST_F(ByNameTest, NeedsAModuleWithATab) {
    Tvx_String value;
    EXPECT_EQ(VtObjectMap::getSetByName(T("Thickness"), eValueDouble, dbMacro.macroWrite(), nullptr,
                                        &macroData, value, true, nullptr),
              eInvalidInput);
    EXPECT_EQ(VtObjectMap::getSetByName(T("Thickness"), eValueDouble, dbMacro.macroWrite(),
                                        &module("Plate1"), nullptr, value, true, nullptr),
              eInvalidInput);
    MacroData otherData;
    EXPECT_EQ(VtObjectMap::getSetByName(T("Thickness"), eValueDouble, dbMacro.macroWrite(),
                                        &module("Plate1"), &otherData, value, true, nullptr),
              eInvalidInput);
    EXPECT_EQ(VtObjectMap::getSetByName(T("gen.Gap"), eValueDouble, nullptr, &module("Plate1"),
                                        &macroData, value, true, nullptr),
              eInvalidInput);
}

}  // namespace

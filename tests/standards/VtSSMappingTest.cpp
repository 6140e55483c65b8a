// The spreadsheet mapping: its modes, getting and setting variables, listing a
// macro's mappable objects, and searching and comparing maps.
#include "standards/VtSSMapping.h"

#include <gtest/gtest.h>

#include "standards/StandardsTestMacro.h"
#include "standards/VtDlgStandardsData.h"

namespace {

using standardstest::T;

// One map as "module•Type objName vN [label]".
Tvx_String describe(const VtObjectMap& map) {
    Tvx_String text = map.module + T("•") + mapTypeName(map.type) + T(" ") + map.objName + T(" v") +
                      Tvx_String(map.visibility);
    if (!map.label.isEmpty())
        text += T(" [") + map.label + T("]");
    return text;
}

VtSSMapping fromLine(const char* line) {
    VtSSMapping mapping;
    EXPECT_EQ(mapping.initMappingFromLine(T(line)), eOk);
    return mapping;
}

class SSMappingTest : public standardstest::EndPlateTest {
  protected:
    void SetUp() override {
        EndPlateTest::SetUp();
        ASSERT_EQ(data.initialize(&dbMacro, T("Std"), T("Module.Plate"), &macroData), eOk);
    }
    VtDlgStandardsData data;
};

TEST_F(SSMappingTest, ListsEveryMappableObjectOfTheMacroInOrder) {
    VtSSMapping mapping;
    ASSERT_EQ(mapping.initAllVarsFromMacro(&dbMacro, nullptr), eOk);
    const char* expected[] = {
        "Plate•Distance Thickness v0",
        "Plate•Distance Width v1",
        "Plate•Distance Height v2",
        "Plate•Distance Weld v3",
        "Plate•CutChamferOffset1 Corner v0",
        "Plate•CutChamferOffset2 Corner v0",
        "Plate•CutOffset Top v0",
        "Bolts•Distance EdgeDist v0",
        "Bolts•BoltsDiameter  v0",
        "Bolts•BoltsHoleOffset  v0",
        "Bolts•PatternNrBolts1 Main v0",
        "Bolts•PatternReverseStart1 Main v0",
        "Bolts•PatternNrBolts2 Main v0",
        "Bolts•PatternReverseStart2 Main v0",
        "Bolts•PatternNrBolts1 Extra v0",
        "Bolts•PatternReverseStart1 Extra v0",
        "Stiffeners•OwnedMemberName Stiffener v0",
        "•PrPlName Prof0 v0",
        "•PrPlMaterial Prof0 v0",
        "•MemberSectionSize Prof0;0 v0 [h]",
        "•MemberSectionSize Prof0;1 v0 [b]",
        "•MemberSectionSize Prof0;2 v0 [tw]",
        "•MemberSectionSize Prof0;3 v0 [tf]",
        "•MemberSectionSize Prof0;4 v0 [r]",
        "•PrPlName Prof1 v0",
        "•PrPlMaterial Prof1 v0",
        "•MemberSectionSize Prof1;0 v0 [h]",
        "•MemberSectionSize Prof1;1 v0 [b]",
        "•MemberSectionSize Prof1;2 v0 [tw]",
        "•MemberSectionSize Prof1;3 v0 [tf]",
        "•MemberSectionSize Prof1;4 v0 [r]",
        "•GenVar gen_Gap v0",
        "•GenVar gen_EdgeDistance v0",
    };
    Tvx_StringArray listed;
    for (const VtObjectMap& map : mapping.mappedObjects()) {
        listed.append(describe(map));
        EXPECT_TRUE(map.ssVar.isEmpty());
    }
    Tvx_StringArray wanted;
    for (const char* line : expected)
        wanted.append(T(line));
    EXPECT_EQ(listed, wanted);

    // Every listed object can be read through its map.
    for (const VtObjectMap& map : mapping.mappedObjects()) {
        Tvx_String value;
        EXPECT_EQ(map.getMacroVarValue(&dbMacro, &macroData, value, nullptr), eOk)
            << describe(map).toUtf8();
    }

    // A section the library does not know gives no dimensions; listing appends.
    dbMacro.macroWrite()->baseProfiles[1].profile.section = T("XYZ-1");
    const int before = mapping.mappedObjects().length();
    ASSERT_EQ(mapping.initAllVarsFromMacro(&dbMacro, nullptr), eOk);
    EXPECT_EQ(mapping.mappedObjects().length(), 2 * before - 5);
    EXPECT_EQ(mapping.initAllVarsFromMacro(nullptr, nullptr), eInvalidInput);
}

TEST_F(SSMappingTest, ModuleGroupModeResolvesByName) {
    VtSSMapping mapping;
    EXPECT_EQ(mapping.initFromModuleGroup(T("")), eInvalidInput);
    EXPECT_EQ(mapping.mode(), VtSSMapping::eUnbound);
    ASSERT_EQ(mapping.initFromModuleGroup(T("Plate")), eOk);
    EXPECT_EQ(mapping.mode(), VtSSMapping::eModuleGroup);

    Tvx_String value;
    EXPECT_EQ(mapping.getMacroVarValue(T("Thickness"), eValueDouble, value, data), eOk);
    EXPECT_EQ(value, T("15.0000000"));
    EXPECT_EQ(mapping.getMacroVarValue(T("gen.Gap"), eValueDouble, value, data), eOk);
    EXPECT_EQ(value, T("12.0000"));
    EXPECT_EQ(mapping.getMacroVarValue(T("Ghost"), eValueDouble, value, data), eInvalidInput);

    EXPECT_EQ(mapping.setMacroVarValue(T("Thickness"), eValueDouble, T("20"), data), eOk);
    EXPECT_EQ(macro().modules[0].variables[0].value, 20.0);
    EXPECT_EQ(mapping.setMacroVarValue(T("Ghost"), eValueDouble, T("20"), data), eInvalidInput);

    data.moduleGroup = T("Nowhere");
    EXPECT_EQ(mapping.getMacroVarValue(T("Thickness"), eValueDouble, value, data), eInvalidInput);
    data.dbMacro = nullptr;
    data.moduleGroup = T("Plate");
    EXPECT_EQ(mapping.getMacroVarValue(T("Thickness"), eValueDouble, value, data), eInvalidInput);
}

TEST(SSMappingGroups, ModuleGroupModeTakesTheFirstModuleThatResolves) {
    Tvx_Macro macro;
    MacroFileError error;
    ASSERT_TRUE(macroFromJson(R"({"name": "M", "modules": [
        {"name": "A", "group": "G", "variables": [{"name": "X", "value": 1}]},
        {"name": "B", "group": "G", "variables": [{"name": "X", "value": 2},
                                                 {"name": "Y", "value": 3}]}]})",
                              macro, error));
    Tvx_DbMacro dbMacro(macro);
    MacroData macroData;
    macroData.initFromMacro(macro);
    VtDlgStandardsData data;
    ASSERT_EQ(data.initialize(&dbMacro, T("Std"), T("Module.G"), &macroData), eOk);
    VtSSMapping mapping;
    mapping.initFromModuleGroup(data.moduleGroup);
    Tvx_String value;
    EXPECT_EQ(mapping.getMacroVarValue(T("X"), eValueDouble, value, data), eOk);
    EXPECT_EQ(value, T("1.0000000"));
    EXPECT_EQ(mapping.getMacroVarValue(T("Y"), eValueDouble, value, data), eOk);
    EXPECT_EQ(value, T("3.0000000"));
    EXPECT_EQ(mapping.setMacroVarValue(T("X"), eValueDouble, T("9"), data), eOk);
    EXPECT_EQ(dbMacro.macro().modules[0].variables[0].value, 9.0);
    EXPECT_EQ(dbMacro.macro().modules[1].variables[0].value, 9.0);
    // Written where it exists, and that counts as written.
    EXPECT_EQ(mapping.setMacroVarValue(T("Y"), eValueDouble, T("4"), data), eOk);
    EXPECT_EQ(dbMacro.macro().modules[1].variables[1].value, 4.0);
}

TEST_F(SSMappingTest, MappedModeGoesThroughTheVariablesMap) {
    VtSSMapping mapping =
        fromLine("M=WidthƒPlate•Distance Width¿GapƒPlate•GenVar gen_Gap¿SizeƒBolts•BoltsDiameter ");
    Tvx_String value;
    // Unbound: the maps are used all the same.
    EXPECT_EQ(mapping.getMacroVarValue(T("width"), eValueDouble, value, data), eOk);
    EXPECT_EQ(value, T("200.0000000"));
    // An Int variable is served by a Double map; a String one is not.
    EXPECT_EQ(mapping.getMacroVarValue(T("Gap"), eValueInt, value, data), eOk);
    EXPECT_EQ(value, T("12.00000000"));
    EXPECT_EQ(mapping.getMacroVarValue(T("Gap"), eValueString, value, data), eInvalidInput);
    EXPECT_EQ(mapping.setMacroVarValue(T("Size"), eValueDouble, T("27"), data), eOk);
    EXPECT_EQ(tab("Bolts").boltData->diameter, T("27"));
    EXPECT_EQ(mapping.getMacroVarValue(T("Depth"), eValueDouble, value, data), eInvalidInput);
    EXPECT_EQ(mapping.setMacroVarValue(T("Depth"), eValueDouble, T("1"), data), eInvalidInput);
    data.dbMacro = nullptr;
    EXPECT_EQ(mapping.getMacroVarValue(T("Width"), eValueDouble, value, data), eInvalidInput);
}

TEST(SSMappingSearch, FindsVariablesAndCompatibleMaps) {
    const VtSSMapping mapping = fromLine(
        "M=AƒP•Distance X¿AƒP•PrPlName Prof0¿BƒP•PatternReverseStart1 Main¿CƒP•PatternNrBolts1 "
        "Main");
    struct Case {
        const char* name;
        int valueType;
        ErrorStatus status;
        int index;
    };
    const Case cases[] = {
        {"A", eValueDouble, eOk, 0},
        {"a", eValueInt, eOk, 0},
        {"A", eValueString, eOk, 1},
        {"B", eValueDouble, eOk, 2},
        {"C", eValueInt, eInvalidInput, -1},
        {"C", eValueString, eOk, 3},
        {"D", eValueDouble, eInvalidInput, -1},
        {"A", eValueUndefined, eInvalidInput, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " " << c.valueType);
        int index = 99;
        EXPECT_EQ(mapping.findSSVar(T(c.name), c.valueType, index), c.status);
        EXPECT_EQ(index, c.index);
    }
    VtObjectMap probe;
    ASSERT_EQ(probe.getMappingFromStrs(T("Other"), T("p•PrPlName prof0")), eOk);
    int index = -1;
    EXPECT_EQ(mapping.findCompatible(probe, index), eOk);
    EXPECT_EQ(index, 1);
    probe.type = eMapPrPlMaterial;
    EXPECT_EQ(mapping.findCompatible(probe, index), eInvalidInput);
    EXPECT_EQ(index, -1);
}

TEST(SSMappingCompare, EqualityIsOneSided) {
    const VtSSMapping small = fromLine("S=AƒP•Distance X¿BƒP•Distance Y");
    const VtSSMapping large = fromLine("L=aƒp•Distance x¿BƒP•Distance Y¿CƒP•Distance Z");
    EXPECT_TRUE(small.isEqual(large));
    EXPECT_FALSE(large.isEqual(small));
    EXPECT_TRUE(VtSSMapping().isEqual(large));
    const VtSSMapping moved = fromLine("S=AƒP•Distance Y¿BƒP•Distance X");
    EXPECT_FALSE(small.isEqual(moved));
    int count = -1;
    EXPECT_EQ(large.isCompatible(small, count), eOk);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(small.isCompatible(moved, count), eOk);
    EXPECT_EQ(count, 2);  // compatibility ignores the variable names
    VtSSMapping typeless = small;
    typeless.mappedObjectsWrite()[0].type = eMapNone;
    EXPECT_FALSE(typeless.isEqual(large));
}

TEST(SSMappingChoices, ValidVariablesAndTheirGroupsByVisibility) {
    VtSSMapping mapping = fromLine(
        "M=ƒP•Distance A¿ƒP•PrPlName Prof0¿ƒP•Distance B¿ƒP•PatternReverseStart1 C"
        "¿ƒP•OwnedMemberName D¿ƒP•Distance E");
    const int visibilities[] = {eHiddenSettable,    eVisibleSettable,    eVisibleSettable,
                                eHiddenNotSettable, eVisibleNotSettable, eVisibleNotSettable};
    for (int i = 0; i < 6; ++i)
        mapping.mappedObjectsWrite()[i].visibility = visibilities[i];
    mapping.mappedObjectsWrite().append(VtObjectMap());  // no type: never valid

    Tvx_IntArray numeric;
    EXPECT_EQ(mapping.getValidVars(eValueInt, numeric), eOk);
    EXPECT_EQ(numeric, (Tvx_IntArray{0, 2, 3, 5}));
    Tvx_IntArray text;
    EXPECT_EQ(mapping.getValidVars(eValueString, text), eOk);
    EXPECT_EQ(text, (Tvx_IntArray{1, 4}));
    Tvx_IntArray undefined;
    EXPECT_EQ(mapping.getValidVars(eValueUndefined, undefined), eOk);
    EXPECT_EQ(undefined, text);

    struct Case {
        Tvx_IntArray indices;
        Tvx_IntArray order;
        ErrorStatus status;
        Tvx_IntArray result;
    };
    const Case cases[] = {
        {{0, 2, 3, 5}, {eVisibleSettable, eHiddenSettable}, eOk, {-1, 2, -1, 0, 3, 5}},
        {{0, 2, 3, 5},
         {eHiddenNotSettable, eVisibleSettable, eVisibleNotSettable, eHiddenSettable},
         eOk,
         {-1, 3, -1, 2, -1, 5, -1, 0}},
        {{0, 2},
         {eVisibleNotSettable, eVisibleSettable, eHiddenNotSettable},
         eOk,
         {-1, -1, 2, -1, 0}},
        {{}, {eVisibleSettable}, eOk, {-1}},
        {{0, 42, -3}, {eHiddenSettable}, eOk, {-1, 0}},
        {{0, 2}, {}, eInvalidInput, {}},
    };
    for (const Case& c : cases) {
        Tvx_IntArray indices = c.indices;
        EXPECT_EQ(mapping.sortValidVars(indices, c.order), c.status);
        EXPECT_EQ(indices, c.result);
    }
}

TEST(StandardsData, InitializeTakesTheModuleGroupFromTheMappingName) {
    Tvx_DbMacro dbMacro;
    MacroData macroData;
    VtDlgStandardsData data;
    ASSERT_EQ(data.initialize(&dbMacro, T("Std"), T("Module.Cleat"), &macroData), eOk);
    EXPECT_EQ(data.moduleGroup, T("Cleat"));
    EXPECT_EQ(data.mode, 0);
    EXPECT_EQ(data.dbMacro, &dbMacro);
    data.mode = 2;
    ASSERT_EQ(data.initialize(&dbMacro, T("Std"), T("Q7x"), &macroData), eOk);
    EXPECT_TRUE(data.moduleGroup.isEmpty());
    EXPECT_EQ(data.mappingName, T("Q7x"));
    EXPECT_EQ(data.mode, 0);
    const VtDlgStandardsData before = data;
    EXPECT_EQ(data.initialize(&dbMacro, T("Other"), T("Module.X"), nullptr), eInvalidInput);
    EXPECT_EQ(data.initialize(nullptr, T("Other"), T("Module.X"), &macroData), eInvalidInput);
    EXPECT_EQ(data.sheetName, before.sheetName);
    EXPECT_EQ(data.mappingName, before.mappingName);
    EXPECT_EQ(data.moduleGroup, before.moduleGroup);
}

}  // namespace

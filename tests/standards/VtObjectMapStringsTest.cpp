// Object maps as mapping strings: parsing, writing, the type table, and the
// comparisons of maps and value types.
#include "standards/VtObjectMap.h"

#include <gtest/gtest.h>

#include "platform/core/macro/MacroTestData.h"

namespace {

Tvx_String T(const char* utf8) {
    return Tvx_String::fromUtf8(utf8);
}

TEST(VtValueType, IsReadFromThePrefixOfTheStrippedText) {
    struct Case {
        const char* text;
        VtValueType type;
    };
    const Case cases[] = {
        {"Int", eValueInt},       {"Integer X", eValueInt},    {"  Double Width", eValueDouble},
        {"String", eValueString}, {"string", eValueUndefined}, {"Str", eValueUndefined},
        {"", eValueUndefined},    {"\tInt", eValueUndefined},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(valueTypeFromText(T(c.text)), c.type) << c.text;
    }
    EXPECT_TRUE(isNumericValueType(eValueInt));
    EXPECT_TRUE(isNumericValueType(eValueDouble));
    EXPECT_FALSE(isNumericValueType(eValueString));
    EXPECT_FALSE(isNumericValueType(eValueUndefined));
}

TEST(VtObjectMap, TypeTableGivesNamesAndValueTypes) {
    const char* names[] = {"Distance",
                           "GenVar",
                           "CutOffset",
                           "CutPolyOffset",
                           "CutLengthOffset",
                           "CutCenterOffset",
                           "CutInsideOffset",
                           "CutOutsideOffset",
                           "CutChamferOffset1",
                           "CutChamferOffset2",
                           "CutRadius",
                           "PrPlName",
                           "PrPlMaterial",
                           "OwnedMemberName",
                           "MemberSectionSize",
                           "PatternNrBolts1",
                           "PatternNrBolts2",
                           "PatternReverseStart1",
                           "PatternReverseStart2",
                           "BoltsDiameter",
                           "BoltsHoleOffset"};
    const VtValueType valueTypes[] = {
        eValueDouble, eValueDouble, eValueDouble, eValueDouble, eValueDouble, eValueDouble,
        eValueDouble, eValueDouble, eValueDouble, eValueDouble, eValueDouble, eValueString,
        eValueString, eValueString, eValueDouble, eValueString, eValueString, eValueInt,
        eValueInt,    eValueDouble, eValueDouble};
    for (int type = 1; type <= 21; ++type) {
        SCOPED_TRACE(type);
        EXPECT_EQ(mapTypeName(type), T(names[type - 1]));
        VtValueType valueType = eValueUndefined;
        EXPECT_EQ(mapValueType(type, valueType), eOk);
        EXPECT_EQ(valueType, valueTypes[type - 1]);
    }
    for (int type : {0, 22, -1}) {
        VtValueType valueType = eValueInt;
        EXPECT_EQ(mapValueType(type, valueType), eInvalidInput);
        EXPECT_EQ(valueType, eValueInt);
        EXPECT_TRUE(mapTypeName(type).isEmpty());
    }
}

TEST(VtObjectMap, ParsesMappingStrings) {
    struct Case {
        const char* mapping;
        ErrorStatus status;
        const char* module;
        int type;
        const char* objName;
    };
    const Case cases[] = {
        {"Plate•Distance", eOk, "Plate", eMapDistance, ""},
        {"Plate•Distance Thickness", eOk, "Plate", eMapDistance, "Thickness"},
        {"Plate•Distance Web Thickness", eOk, "Plate", eMapDistance, "Web Thickness"},
        {" Plate • Distance  Gap ", eOk, " Plate ", eMapDistance, " Gap"},
        {"•GenVar gen_Gap", eOk, "", eMapGenVar, "gen_Gap"},
        {"Plate•CutPolyOffset Top", eOk, "Plate", eMapCutPolyOffset, "Top"},
        {"Bolts•PatternNrBolts2 Main", eOk, "Bolts", eMapPatternNrBolts2, "Main"},
        {"Bolts•BoltsHoleOffset ", eOk, "Bolts", eMapBoltsHoleOffset, ""},
        {"•MemberSectionSize Prof0;3", eOk, "", eMapMemberSectionSize, "Prof0;3"},
        // The first type name of the table that the rest begins with.
        {"A•DistanceX Y", eOk, "A", eMapDistance, "Y"},
        // Split at the first "•": the rest "B•Distance X" begins with no type name.
        {"A•B•Distance X", eInvalidInput, "", eMapNone, ""},
        {"Plate Distance Thickness", eInvalidInput, "", eMapNone, ""},
        {"Plate•Width Thickness", eInvalidInput, "", eMapNone, ""},
        {"Plate•distance Thickness", eInvalidInput, "", eMapNone, ""},
        {"Plate•", eInvalidInput, "", eMapNone, ""},
        {"", eInvalidInput, "", eMapNone, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mapping);
        VtObjectMap map;
        const ErrorStatus status = map.getMappingFromStrs(T("Var"), T(c.mapping));
        EXPECT_EQ(status, c.status);
        if (status != eOk) {
            EXPECT_EQ(map, VtObjectMap());  // ssVar and everything else unset
            continue;
        }
        EXPECT_EQ(map.module, T(c.module));
        EXPECT_EQ(map.type, c.type);
        EXPECT_EQ(map.objName, T(c.objName));
        EXPECT_EQ(map.ssVar, T("Var"));
    }
}

TEST(VtObjectMap, WritesTheTwoStringsAndReadsThemBack) {
    for (int type = 1; type <= 21; ++type) {
        for (const char* objName : {"Obj", ""}) {
            SCOPED_TRACE(testing::Message() << type << " '" << objName << "'");
            VtObjectMap map;
            map.module = T("Grp");
            map.objName = T(objName);
            map.type = type;
            map.ssVar = T("Width");
            Tvx_String mapping, variable;
            ASSERT_EQ(map.setMappingToStrs(mapping, variable), eOk);
            EXPECT_EQ(mapping, T("Grp•") + mapTypeName(type) + T(" ") + T(objName));
            EXPECT_EQ(variable, T("Width"));
            VtObjectMap back;
            ASSERT_EQ(back.getMappingFromStrs(variable, mapping), eOk);
            EXPECT_EQ(back.module, map.module);
            EXPECT_EQ(back.objName, map.objName);
            EXPECT_EQ(back.type, map.type);
        }
    }
    VtObjectMap none;
    Tvx_String mapping = T("kept"), variable = T("kept");
    EXPECT_EQ(none.setMappingToStrs(mapping, variable), eInvalidInput);
    EXPECT_EQ(mapping, T("kept"));
    EXPECT_EQ(variable, T("kept"));
}

TEST(VtObjectMap, MapsFromParallelArraysByTheCellsName) {
    const Tvx_StringArray names{T("Thickness"), T("Gap"), T("Width")};
    const Tvx_StringArray mappings{T("Plate•Distance Thickness"), T("•GenVar gen_Gap")};
    VtObjectMap map;
    EXPECT_EQ(map.mapFromArrays(names, mappings, T("gap")), eOk);
    EXPECT_EQ(map.type, eMapGenVar);
    EXPECT_EQ(map.ssVar, T("gap"));
    EXPECT_EQ(map.mapFromArrays(names, mappings, T("Width")), eInvalidInput);
    EXPECT_EQ(map.mapFromArrays(names, mappings, T("Height")), eInvalidInput);
    EXPECT_EQ(map.mapFromArrays(names, {T("nonsense"), T("x")}, T("Thickness")), eInvalidInput);
}

TEST(VtObjectMap, CompatibleMapsShareModuleObjectAndType) {
    VtObjectMap a;
    a.module = T("Plate");
    a.objName = T("Thickness");
    a.type = eMapDistance;
    a.ssVar = T("T1");
    VtObjectMap b = a;
    b.module = T("PLATE");
    b.objName = T("thickness");
    b.ssVar = T("Other");
    b.visibility = eVisibleSettable;
    EXPECT_EQ(a.isCompatible(b), eOk);
    b.type = eMapGenVar;
    EXPECT_EQ(a.isCompatible(b), eInvalidInput);
    b = a;
    b.objName = T("Width");
    EXPECT_EQ(a.isCompatible(b), eInvalidInput);
}

}  // namespace

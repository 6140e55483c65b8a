// The macro and module accessors: groups, modules, general variables, dialog
// variables, cuts, patterns and placements.
#include <gtest/gtest.h>

#include "platform/core/macro/MacroTestData.h"
#include "platform/core/macro/Tvx_Macro.h"

namespace {

Tvx_String T(const char* utf8) {
    return Tvx_String::fromUtf8(utf8);
}

// A macro with a group of two modules and two modules without a group.
Tvx_Macro groupedMacro() {
    Tvx_Macro macro;
    MacroFileError error;
    EXPECT_TRUE(macroFromJson(R"({"name": "G", "modules": [
        {"name": "Left", "group": "Cleat"}, {"name": "Alone"},
        {"name": "Right", "group": "cleat"}, {"name": "Cleat"}]})",
                              macro, error));
    return macro;
}

TEST(MacroModules, GroupsByGroupOrByTheNameOfAModuleWithoutGroup) {
    const Tvx_Macro macro = groupedMacro();
    struct Case {
        const char* group;
        ErrorStatus status;
        Tvx_StringArray names;
    };
    const Case cases[] = {
        {"Cleat", eOk, {T("Left"), T("Right"), T("Cleat")}},
        {"CLEAT", eOk, {T("Left"), T("Right"), T("Cleat")}},
        {"Alone", eOk, {T("Alone")}},
        {"", eOk, {}},
        {"Nowhere", eInvalidInput, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        Tvx_StringArray names{T("stale")};
        EXPECT_EQ(macro.getModNamesOfGroup(T(c.group), names), c.status);
        EXPECT_EQ(names, c.names);
    }
    Tvx_StringArray all;
    EXPECT_EQ(macro.getModuleNames(all), eOk);
    EXPECT_EQ(all, (Tvx_StringArray{T("Left"), T("Alone"), T("Right"), T("Cleat")}));
}

TEST(MacroModules, FindsModulesIgnoringLetterCase) {
    Tvx_Macro macro = groupedMacro();
    const Tvx_Module* found = nullptr;
    EXPECT_EQ(macro.findModule(T("right"), found), eOk);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->name, T("Right"));
    Tvx_Module* writable = nullptr;
    EXPECT_EQ(macro.findModuleWrite(T("Nope"), writable), eInvalidInput);
    EXPECT_EQ(writable, nullptr);
    EXPECT_EQ(macro.findModuleWrite(T(""), writable), eInvalidInput);
}

TEST(MacroModules, OpensAModuleOnlyAtItsPositionInItsGroup) {
    Tvx_Macro macro = groupedMacro();
    struct Case {
        const char* name;
        int index;
        ErrorStatus status;
    };
    const Case cases[] = {
        {"Left", 0, eOk},
        {"Right", 1, eOk},
        {"Cleat", 2, eOk},
        {"Right", 0, eInvalidInput},
        {"Alone", 0, eOk},
        {"Alone", 1, eInvalidInput},
        {"Left", -1, eInvalidInput},
        {"Ghost", 0, eInvalidInput},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " at " << c.index);
        Tvx_Module* module = nullptr;
        EXPECT_EQ(openModule(macro, T(c.name), c.index, module), c.status);
        EXPECT_EQ(module != nullptr, c.status == eOk);
        if (module) {
            EXPECT_TRUE(module->name.equal(T(c.name), false));
        }
    }
}

TEST(MacroGeneralVariables, ReadAndSetOnlyExistingOnes) {
    Tvx_Macro macro = macrotest::endPlateMacro();
    Tvx_StringArray names;
    EXPECT_EQ(macro.getGeneralVariables(names), eOk);
    EXPECT_EQ(names, (Tvx_StringArray{T("gen_Gap"), T("gen_EdgeDistance")}));
    double value = -1;
    EXPECT_EQ(macro.generalVariableValue(T("GEN_GAP"), value), eOk);
    EXPECT_EQ(value, 12.0);
    EXPECT_EQ(macro.setGeneralVariable(T("gen_gap"), 14.5), eOk);
    EXPECT_EQ(macro.generalVariableValue(T("gen_Gap"), value), eOk);
    EXPECT_EQ(value, 14.5);
    EXPECT_EQ(macro.setGeneralVariable(T("gen_New"), 1.0), eInvalidInput);
    EXPECT_EQ(macro.generalVariables.length(), 2);
    EXPECT_EQ(macro.setGeneralVariable(T("gen_Gap"), 1.0 / 0.0), eInvalidInput);
    value = -1;
    EXPECT_EQ(macro.generalVariableValue(T("gen_New"), value), eInvalidInput);
    EXPECT_EQ(value, -1);
}

TEST(ModuleVariables, ListWithFlagsAndMoveValuesAsText) {
    Tvx_Macro macro = macrotest::endPlateMacro();
    Tvx_Module& plate = macro.modules[0];
    Tvx_StringArray names;
    Tvx_IntArray visible, settable;
    EXPECT_EQ(getDialogVariables(plate, names, visible, settable), eOk);
    EXPECT_EQ(names, (Tvx_StringArray{T("Thickness"), T("Width"), T("Height"), T("Weld")}));
    EXPECT_EQ(visible, (Tvx_IntArray{1, 1, 0, 0}));
    EXPECT_EQ(settable, (Tvx_IntArray{1, 0, 1, 0}));

    Tvx_String value;
    EXPECT_EQ(getSetConstrVarValue(plate, T("thickness"), value, true), eOk);
    EXPECT_EQ(value, T("15.0000000"));

    struct Write {
        const char* text;
        ErrorStatus status;
        double stored;
    };
    const Write writes[] = {
        {"18", eOk, 18.0},
        {" 12.25 ", eOk, 12.25},
        {"#DIV/0!", eInvalidInput, 12.25},
        {"", eInvalidInput, 12.25},
        {"7mm", eInvalidInput, 12.25},
    };
    for (const Write& w : writes) {
        SCOPED_TRACE(w.text);
        Tvx_String text = T(w.text);
        EXPECT_EQ(getSetConstrVarValue(plate, T("Thickness"), text, false), w.status);
        EXPECT_EQ(plate.variables[0].value, w.stored);
    }
    Tvx_String text = T("1");
    EXPECT_EQ(getSetConstrVarValue(plate, T("Depth"), text, false), eInvalidInput);
}

TEST(ModuleCuts, OffsetKindsFollowTheCutType) {
    struct Case {
        int cutType;
        Tvx_IntArray kinds;
    };
    const Case cases[] = {
        {eLineCut, {eCutOffset}},
        {ePolylineCut, {eCutOffset, eCutPolyOffset}},
        {eLengthCut, {eCutLengthOffset}},
        {eContourCut, {eCutCenterOffset, eCutInsideOffset, eCutOutsideOffset}},
        {eChamferCut, {eCutChamferOffset1, eCutChamferOffset2}},
        {eRoundCut, {eCutRadius}},
    };
    for (const Case& c : cases) {
        Tvx_IntArray kinds{99};
        EXPECT_EQ(getCutOffsets(c.cutType, kinds), eOk);
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(cutTypeFromName(cutTypeName(c.cutType)), c.cutType);
    }
    Tvx_IntArray kinds{1};
    EXPECT_EQ(getCutOffsets(kCutTypeCount, kinds), eInvalidInput);
    EXPECT_TRUE(kinds.isEmpty());
    for (int kind = 0; kind < kCutOffsetKindCount; ++kind) {
        EXPECT_EQ(cutOffsetFromName(cutOffsetName(kind)), kind);
    }
}

TEST(ModuleCuts, ReadAndWriteOnlyTheOffsetsOfTheirType) {
    Tvx_Macro macro = macrotest::endPlateMacro();
    Tvx_Module& plate = macro.modules[0];
    Tvx_StringArray names;
    Tvx_IntArray types;
    EXPECT_EQ(getCutConstraints(plate, names, types), eOk);
    EXPECT_EQ(names, (Tvx_StringArray{T("Corner"), T("Top")}));
    EXPECT_EQ(types, (Tvx_IntArray{eChamferCut, eLineCut}));

    Tvx_CutConstraint* cut = nullptr;
    ASSERT_EQ(getCutConstraint(plate, T("corner"), cut), eOk);
    double value = 0;
    EXPECT_EQ(getSetCutValue(*cut, eCutChamferOffset1, value, true), eOk);
    EXPECT_EQ(value, 10.0);
    value = 22.5;
    EXPECT_EQ(getSetCutValue(*cut, eCutChamferOffset2, value, false), eOk);
    EXPECT_EQ(cut->offsets[eCutChamferOffset2], 22.5);
    value = 3;
    EXPECT_EQ(getSetCutValue(*cut, eCutOffset, value, false), eInvalidInput);
    EXPECT_EQ(cut->offsets[eCutOffset], 0.0);
    value = 0;
    EXPECT_EQ(getSetCutValue(*cut, 42, value, true), eInvalidInput);
    EXPECT_EQ(getCutConstraint(plate, T("Bottom"), cut), eInvalidInput);
    EXPECT_EQ(cut, nullptr);
}

TEST(ModulePatterns, FoundByIdOrNameWithReversesPerDirection) {
    Tvx_Macro macro = macrotest::endPlateMacro();
    Tvx_Module& bolts = macro.modules[1];
    Tvx_IntArray ids;
    EXPECT_EQ(getPatternIds(bolts, ids), eOk);
    EXPECT_EQ(ids, (Tvx_IntArray{1, 2}));
    Tvx_BoltPattern* pattern = nullptr;
    ASSERT_EQ(getPattern(bolts, 2, pattern), eOk);
    EXPECT_EQ(pattern->name, T("Extra"));
    EXPECT_EQ(getPattern(bolts, 3, pattern), eInvalidInput);
    ASSERT_EQ(findPattern(bolts, T("MAIN"), pattern), eOk);

    bool reverse = false;
    EXPECT_EQ(getSetBoltPatternReverses(*pattern, 2, reverse, true), eOk);
    EXPECT_TRUE(reverse);
    reverse = true;
    EXPECT_EQ(getSetBoltPatternReverses(*pattern, 1, reverse, false), eOk);
    EXPECT_TRUE(pattern->reverseStart1);
    EXPECT_EQ(getSetBoltPatternReverses(*pattern, 3, reverse, true), eInvalidInput);

    ASSERT_EQ(findPattern(bolts, T("Extra"), pattern), eOk);
    reverse = true;
    EXPECT_EQ(getSetBoltPatternReverses(*pattern, 2, reverse, false), eInvalidInput);
    EXPECT_FALSE(pattern->reverseStart2);
}

TEST(ModulePlacements, FoundByNonEmptyName) {
    Tvx_Macro macro = macrotest::endPlateMacro();
    Tvx_Module& stiffeners = macro.modules[2];
    Tvx_ProfPlacement* placement = nullptr;
    ASSERT_EQ(getNamedPrpl(stiffeners, T("stiffener"), placement), eOk);
    EXPECT_EQ(placement->memberName, T("ST1"));
    EXPECT_EQ(getNamedPrpl(stiffeners, T(""), placement), eInvalidInput);
    EXPECT_EQ(placement, nullptr);
}

}  // namespace

// A macro's dialog data: one tab per module group with merged values, the tab
// accessors, and writing changed tab values back into the macro.
#include "platform/core/macro/MacroData.h"

#include <gtest/gtest.h>

#include "platform/core/macro/MacroTestData.h"

namespace {

Tvx_String T(const char* utf8) {
    return Tvx_String::fromUtf8(utf8);
}

// Two bolt modules of one group that agree on some values and not on others,
// a profile module and a plain module with flex/fix buttons.
Tvx_Macro twoBoltModules() {
    Tvx_Macro macro;
    MacroFileError error;
    EXPECT_TRUE(macroFromJson(R"({"name": "M", "modules": [
        {"name": "B1", "group": "Bolts", "kind": 232,
         "variables": [{"name": "Pitch", "value": 70, "flexFix": "fix"},
                       {"name": "Gauge", "value": 90, "flexFix": "flex"}],
         "boltData": {"assembly": "M20", "diameter": "20", "holeOffset": "2"},
         "patterns": [{"name": "Main", "kind": 282, "nrBolts1": "2", "nrBolts2": "3"}]},
        {"name": "Prof", "kind": 233, "placements": [
            {"name": "Rib", "memberName": "R1", "section": "FL-10X80", "material": "S235"}]},
        {"name": "B2", "group": "bolts", "kind": 232,
         "variables": [{"name": "Pitch", "value": 70, "flexFix": "flex"},
                       {"name": "Gauge", "value": 90, "flexFix": "flex"}],
         "boltData": {"assembly": "M20", "diameter": "24", "holeOffset": "2"},
         "patterns": [{"name": "main", "kind": 282, "nrBolts1": "2", "nrBolts2": "4"},
                      {"name": "Side", "nrBolts1": "1"}]}]})",
                              macro, error))
        << error.reason.toUtf8();
    return macro;
}

TEST(MacroData, BuildsOneTabPerGroupInOrderOfFirstAppearance) {
    MacroData data;
    EXPECT_EQ(data.initFromMacro(macrotest::endPlateMacro()), eOk);
    ASSERT_EQ(data.tabs.length(), 3);
    EXPECT_EQ(data.tabs[0].moduleName, T("Plate"));
    EXPECT_EQ(data.tabs[0].tabType, MacroTabData::eGeneralTab);
    EXPECT_EQ(data.tabs[1].moduleName, T("Bolts"));
    EXPECT_EQ(data.tabs[1].tabType, MacroTabData::eBoltTab);
    EXPECT_EQ(data.tabs[2].moduleName, T("Stiffeners"));
    EXPECT_EQ(data.tabs[2].tabType, MacroTabData::eProfileTab);
    // The unnamed placement forms no profile group.
    EXPECT_EQ(data.tabs[2].profData.length(), 1);

    int index = -1;
    EXPECT_TRUE(data.findTab(T("BOLTS"), index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(data.findTab(T("Bolts1"), index));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(data.getTab(1), &data.tabs[1]);
    EXPECT_EQ(data.getTab(3), nullptr);
    EXPECT_EQ(data.getTab(-1), nullptr);
}

TEST(MacroData, MergesTheValuesOfAGroupsModules) {
    MacroData data;
    data.initFromMacro(twoBoltModules());
    ASSERT_EQ(data.tabs.length(), 2);
    const MacroTabData& bolts = data.tabs[0];
    EXPECT_EQ(bolts.moduleNames, (Tvx_StringArray{T("B1"), T("B2")}));
    ASSERT_TRUE(bolts.boltData.has_value());
    EXPECT_EQ(bolts.boltData->assembly, T("M20"));
    EXPECT_EQ(bolts.boltData->diameter, T(""));  // 20 and 24 disagree
    ASSERT_EQ(bolts.patterns.length(), 2);
    EXPECT_EQ(bolts.patterns[0], (MacroPatternProps{T("Main"), 282, T("2"), T("")}));
    EXPECT_EQ(bolts.patterns[1],
              (MacroPatternProps{T("Side"), kOneDirectionPatternKind, T("1"), T("")}));

    bool fixed = false, undetermined = false;
    EXPECT_TRUE(bolts.getFlexFixBtnStatus(T("pitch"), fixed, undetermined));
    EXPECT_TRUE(undetermined);
    EXPECT_TRUE(bolts.getFlexFixBtnStatus(T("Gauge"), fixed, undetermined));
    EXPECT_FALSE(fixed);
    EXPECT_FALSE(undetermined);
    EXPECT_FALSE(data.tabs[1].getFlexFixBtnStatus(T("Gauge"), fixed, undetermined));
    EXPECT_FALSE(data.tabs[1].boltData.has_value());
}

TEST(MacroTabData, NumberOfBoltsIsACountPerExistingDirection) {
    MacroData data;
    data.initFromMacro(twoBoltModules());
    MacroTabData& bolts = data.tabs[0];
    Tvx_String value;
    EXPECT_EQ(getSetNrBolts(bolts, T("side"), value, true, 1), eOk);
    EXPECT_EQ(value, T("1"));
    EXPECT_EQ(getSetNrBolts(bolts, T("Side"), value, true, 2), eInvalidInput);
    EXPECT_EQ(getSetNrBolts(bolts, T("Ghost"), value, true, 1), eInvalidInput);

    struct Write {
        const char* text;
        ErrorStatus status;
        const char* stored;
    };
    const Write writes[] = {
        {"5", eOk, "5"},
        {" 6 ", eOk, "6"},
        {"3.0000000", eOk, "3"},
        {"2.5", eInvalidInput, "3"},
        {"-1", eInvalidInput, "3"},
        {"", eInvalidInput, "3"},
        {"four", eInvalidInput, "3"},
        {"1e12", eInvalidInput, "3"},
    };
    for (const Write& w : writes) {
        SCOPED_TRACE(w.text);
        Tvx_String text = T(w.text);
        EXPECT_EQ(getSetNrBolts(bolts, T("Main"), text, false, 2), w.status);
        EXPECT_EQ(bolts.patterns[0].count2, T(w.stored));
    }
    EXPECT_EQ(MacroPatternProps::getCount(T("0")), 0);
}

TEST(MacroTabData, BoltDataAndProfileGroupsAreReachedThroughTheTab) {
    MacroData data;
    data.initFromMacro(twoBoltModules());
    MacroBoltData* bolt = nullptr;
    EXPECT_EQ(getBoltData(data.tabs[0], bolt), eOk);
    ASSERT_NE(bolt, nullptr);
    EXPECT_EQ(getBoltData(data.tabs[1], bolt), eInvalidInput);
    EXPECT_EQ(bolt, nullptr);

    MacroTabData& profiles = data.tabs[1];
    MacroProfData props;
    EXPECT_EQ(profiles.getMergedPropsOfGroup(T("rib"), props), eOk);
    EXPECT_EQ(props, (MacroProfData{T("Rib"), T("FL-10X80"), T("S235"), T("R1")}));
    props.groupName = T("Renamed");
    props.memberName = T("R2");
    EXPECT_EQ(profiles.setMergedPropsOfGroup(T("Rib"), props), eOk);
    EXPECT_EQ(profiles.profData[0].groupName, T("Rib"));
    EXPECT_EQ(profiles.profData[0].memberName, T("R2"));
    EXPECT_EQ(profiles.getMergedPropsOfGroup(T("Web"), props), eInvalidInput);
    EXPECT_EQ(profiles.setMergedPropsOfGroup(T(""), props), eInvalidInput);
}

TEST(MacroTabData, FlexFixClickSetsTheStateAndClearsUndetermined) {
    MacroData data;
    data.initFromMacro(twoBoltModules());
    MacroTabData& bolts = data.tabs[0];
    EXPECT_TRUE(bolts.flexFixBtnClicked(T("Pitch"), false));
    bool fixed = false, undetermined = true;
    EXPECT_TRUE(bolts.getFlexFixBtnStatus(T("Pitch"), fixed, undetermined));
    EXPECT_TRUE(fixed);
    EXPECT_FALSE(undetermined);
    EXPECT_FALSE(bolts.flexFixBtnClicked(T("Diameter"), false));
}

TEST(MacroData, SetAllToMacroWritesOnlyWhatTheTabsChanged) {
    Tvx_Macro macro = twoBoltModules();
    MacroData data;
    data.initFromMacro(macro);

    // Unchanged tabs leave the macro exactly as it was, disagreements included.
    const Tvx_Macro before = macro;
    EXPECT_EQ(data.setAllToMacro(macro), eOk);
    EXPECT_EQ(macro, before);

    MacroTabData& bolts = data.tabs[0];
    bolts.boltData->holeOffset = T("3");
    Tvx_String count = T("5");
    ASSERT_EQ(getSetNrBolts(bolts, T("Main"), count, false, 1), eOk);
    bolts.flexFixBtnClicked(T("Gauge"), false);
    MacroProfData props;
    data.tabs[1].getMergedPropsOfGroup(T("Rib"), props);
    props.memberName = T("R9");
    data.tabs[1].setMergedPropsOfGroup(T("Rib"), props);

    EXPECT_EQ(data.setAllToMacro(macro), eOk);
    const Tvx_Module& b1 = macro.modules[0];
    const Tvx_Module& b2 = macro.modules[2];
    EXPECT_EQ(b1.boltData.holeOffset, T("3"));
    EXPECT_EQ(b2.boltData.holeOffset, T("3"));
    EXPECT_EQ(b1.boltData.diameter, T("20"));  // still disagreeing, untouched
    EXPECT_EQ(b2.boltData.diameter, T("24"));
    EXPECT_EQ(b1.patterns[0].nrBolts1, T("5"));
    EXPECT_EQ(b2.patterns[0].nrBolts1, T("5"));
    EXPECT_EQ(b1.patterns[0].nrBolts2, T("3"));
    EXPECT_EQ(b2.patterns[0].nrBolts2, T("4"));
    EXPECT_EQ(b1.variables[1].flexFix, FlexFix::fix);
    EXPECT_EQ(b2.variables[1].flexFix, FlexFix::fix);
    EXPECT_EQ(b1.variables[0].flexFix, FlexFix::fix);  // undetermined, untouched
    EXPECT_EQ(b2.variables[0].flexFix, FlexFix::flex);
    EXPECT_EQ(macro.modules[1].placements[0].memberName, T("R9"));
}

TEST(MacroData, SetAllToMacroSkipsTabsWhoseModulesAreGone) {
    Tvx_Macro macro = twoBoltModules();
    MacroData data;
    data.initFromMacro(macro);
    data.tabs[0].boltData->assembly = T("M24");
    Tvx_Macro other;
    other.name = T("Other");
    EXPECT_EQ(data.setAllToMacro(other), eOk);
    EXPECT_TRUE(other.modules.isEmpty());
}

}  // namespace

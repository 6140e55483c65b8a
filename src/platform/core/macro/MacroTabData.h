// One tab of a macro's dialog data: what the dialog shows of one module group
// (or of one module without a group), with the values of the group's modules
// merged.
//
// Merging: a text of the tab is the modules' common text, or empty when the
// modules of the group disagree; a flex/fix state is "undetermined" when they
// disagree. A tab is a copy: changes made through it reach the macro when the
// owning MacroData is applied to the macro (MacroData::setAllToMacro).
#pragma once

#include <optional>

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/core/macro/MacroParts.h"
#include "platform/core/macro/Tvx_Module.h"

// A bolt pattern as a tab shows it: its name, kind and the number of bolts in
// each direction (count2 only for two-direction patterns).
struct MacroPatternProps {
    Tvx_String caption;
    int kind = kOneDirectionPatternKind;
    Tvx_String count1;
    Tvx_String count2;

    bool hasDirection(int direction) const {
        return direction == 1 || (direction == 2 && kind == kTwoDirectionPatternKind);
    }
    // The number of bolts a count text gives: a whole number of at least 0,
    // written as digits or as a decimal number with a whole value ("3",
    // " 3 ", "3.0000000"); -1 for any other text.
    static int getCount(const Tvx_String& text);

    friend bool operator==(const MacroPatternProps&, const MacroPatternProps&) = default;
};

// The merged properties of one profile group (the placements of one name).
struct MacroProfData {
    Tvx_String groupName;
    Tvx_String profileName;
    Tvx_String material;
    Tvx_String memberName;
    friend bool operator==(const MacroProfData&, const MacroProfData&) = default;
};

// The flex/fix button of one dialog variable.
struct MacroFlexFixData {
    Tvx_String varName;
    bool fixed = false;
    bool undetermined = false;
    friend bool operator==(const MacroFlexFixData&, const MacroFlexFixData&) = default;
};

class MacroTabData {
  public:
    enum TabType { eGeneralTab = 0, eBoltTab = 1, eProfileTab = 2 };

    // The tab of the given modules (all of one group, in macro order): tab type
    // from the first module's kind, tab name the group key, and the merged
    // bolt data, patterns, profile groups and flex/fix buttons.
    static MacroTabData fromModules(const Tvx_Array<const Tvx_Module*>& modules);

    int tabType = eGeneralTab;
    // The group key of the tab's modules (their group, or the module's name).
    Tvx_String moduleName;
    Tvx_String tabText;
    Tvx_StringArray moduleNames;
    // Present when the group has a bolt module.
    std::optional<MacroBoltData> boltData;
    Tvx_Array<MacroPatternProps> patterns;
    Tvx_Array<MacroProfData> profData;
    Tvx_Array<MacroFlexFixData> flexFixButtons;

    // True when the variable has a flex/fix button; then fixed says whether
    // its value is fixed and undetermined whether the group's modules disagree.
    // False (flags untouched) otherwise.
    bool getFlexFixBtnStatus(const Tvx_String& varName, bool& fixed, bool& undetermined) const;
    // A click on the variable's flex/fix button that makes it flexible
    // (flexible true) or fixed; false when the variable has no button.
    bool flexFixBtnClicked(const Tvx_String& varName, bool flexible);

    // The profile group named groupName (letter case ignored), or null.
    MacroProfData* findProfDataWithGroup(const Tvx_String& groupName);
    // Copies the group's merged properties out, or replaces them (the group
    // name stays); eInvalidInput when the tab has no such group.
    ErrorStatus getMergedPropsOfGroup(const Tvx_String& groupName, MacroProfData& props) const;
    ErrorStatus setMergedPropsOfGroup(const Tvx_String& groupName, const MacroProfData& props);

    friend bool operator==(const MacroTabData&, const MacroTabData&) = default;
};

// The tab's bolt data; eInvalidInput (boltData null) when the tab has none.
ErrorStatus getBoltData(MacroTabData& tab, MacroBoltData*& boltData);

// Reads or writes the number of bolts of the tab's pattern `patternName` in
// `direction` (1 or 2). eInvalidInput when there is no such pattern or
// direction, or when a written text is not a count (MacroPatternProps::
// getCount); a count is stored as its digits.
ErrorStatus getSetNrBolts(MacroTabData& tab, const Tvx_String& patternName, Tvx_String& value,
                          bool read, int direction);

// Building a tab from its modules, and the tab's accessors.
#include "platform/core/macro/MacroTabData.h"

#include <climits>
#include <cmath>

#include "platform/core/NumberText.h"
#include "platform/core/macro/FindNamed.h"

namespace {

// Folds the text of one more module into a merged text.
void mergeText(Tvx_String& merged, const Tvx_String& next, bool first) {
    if (first) {
        merged = next;
    } else if (!(merged == next)) {
        merged = Tvx_String();
    }
}

void mergeBoltData(std::optional<MacroBoltData>& merged, const MacroBoltData& next) {
    const bool first = !merged.has_value();
    if (first)
        merged.emplace();
    mergeText(merged->assembly, next.assembly, first);
    mergeText(merged->diameter, next.diameter, first);
    mergeText(merged->holeOffset, next.holeOffset, first);
    mergeText(merged->penetrationLength, next.penetrationLength, first);
    mergeText(merged->addedLength, next.addedLength, first);
}

void mergePattern(Tvx_Array<MacroPatternProps>& patterns, const Tvx_BoltPattern& pattern) {
    MacroPatternProps* merged = findBy(patterns, pattern.name, &MacroPatternProps::caption);
    const bool first = merged == nullptr;
    if (first) {
        merged = &patterns[patterns.append(MacroPatternProps{pattern.name, pattern.kind, {}, {}})];
    }
    mergeText(merged->count1, pattern.nrBolts1, first);
    mergeText(merged->count2, pattern.nrBolts2, first);
}

void mergePlacement(Tvx_Array<MacroProfData>& groups, const Tvx_ProfPlacement& placement) {
    if (placement.name.isEmpty())
        return;
    MacroProfData* merged = findBy(groups, placement.name, &MacroProfData::groupName);
    const bool first = merged == nullptr;
    if (first)
        merged = &groups[groups.append(MacroProfData{placement.name, {}, {}, {}})];
    mergeText(merged->profileName, placement.profile.section, first);
    mergeText(merged->material, placement.profile.material, first);
    mergeText(merged->memberName, placement.memberName, first);
}

void mergeFlexFix(Tvx_Array<MacroFlexFixData>& buttons, const Tvx_DialogVariable& variable) {
    if (variable.flexFix == FlexFix::none)
        return;
    const bool fixed = variable.flexFix == FlexFix::fix;
    MacroFlexFixData* merged = findBy(buttons, variable.name, &MacroFlexFixData::varName);
    if (!merged) {
        buttons.append(MacroFlexFixData{variable.name, fixed, false});
    } else if (merged->fixed != fixed) {
        merged->undetermined = true;
    }
}

int tabTypeOfKind(int kind) {
    if (kind == kBoltModuleKind)
        return MacroTabData::eBoltTab;
    if (kind == kProfileModuleKind)
        return MacroTabData::eProfileTab;
    return MacroTabData::eGeneralTab;
}

}  // namespace

int MacroPatternProps::getCount(const Tvx_String& text) {
    double value = 0.0;
    if (!numtext::parseWholeDouble(text.str(), value))
        return -1;
    if (!(value >= 0.0) || value > INT_MAX || std::floor(value) != value)
        return -1;
    return static_cast<int>(value);
}

MacroTabData MacroTabData::fromModules(const Tvx_Array<const Tvx_Module*>& modules) {
    MacroTabData tab;
    if (modules.isEmpty())
        return tab;
    tab.tabType = tabTypeOfKind(modules[0]->kind);
    tab.moduleName = modules[0]->groupKey();
    tab.tabText = tab.moduleName;
    for (const Tvx_Module* module : modules) {
        tab.moduleNames.append(module->name);
        for (const Tvx_DialogVariable& variable : module->variables) {
            mergeFlexFix(tab.flexFixButtons, variable);
        }
        if (module->isBoltModule()) {
            mergeBoltData(tab.boltData, module->boltData);
            for (const Tvx_BoltPattern& pattern : module->patterns) {
                mergePattern(tab.patterns, pattern);
            }
        }
        if (module->isProfileModule()) {
            for (const Tvx_ProfPlacement& placement : module->placements) {
                mergePlacement(tab.profData, placement);
            }
        }
    }
    return tab;
}

bool MacroTabData::getFlexFixBtnStatus(const Tvx_String& varName, bool& fixed,
                                       bool& undetermined) const {
    const MacroFlexFixData* button = findBy(flexFixButtons, varName, &MacroFlexFixData::varName);
    if (!button)
        return false;
    fixed = button->fixed;
    undetermined = button->undetermined;
    return true;
}

bool MacroTabData::flexFixBtnClicked(const Tvx_String& varName, bool flexible) {
    MacroFlexFixData* button = findBy(flexFixButtons, varName, &MacroFlexFixData::varName);
    if (!button)
        return false;
    button->fixed = !flexible;
    button->undetermined = false;
    return true;
}

MacroProfData* MacroTabData::findProfDataWithGroup(const Tvx_String& groupName) {
    return findBy(profData, groupName, &MacroProfData::groupName);
}

ErrorStatus MacroTabData::getMergedPropsOfGroup(const Tvx_String& groupName,
                                                MacroProfData& props) const {
    const MacroProfData* group = findBy(profData, groupName, &MacroProfData::groupName);
    if (!group)
        return eInvalidInput;
    props = *group;
    return eOk;
}

ErrorStatus MacroTabData::setMergedPropsOfGroup(const Tvx_String& groupName,
                                                const MacroProfData& props) {
    MacroProfData* group = findProfDataWithGroup(groupName);
    if (!group)
        return eInvalidInput;
    const Tvx_String keptName = group->groupName;
    *group = props;
    group->groupName = keptName;
    return eOk;
}

ErrorStatus getBoltData(MacroTabData& tab, MacroBoltData*& boltData) {
    boltData = tab.boltData ? &*tab.boltData : nullptr;
    return boltData ? eOk : eInvalidInput;
}

ErrorStatus getSetNrBolts(MacroTabData& tab, const Tvx_String& patternName, Tvx_String& value,
                          bool read, int direction) {
    MacroPatternProps* pattern = findBy(tab.patterns, patternName, &MacroPatternProps::caption);
    if (!pattern || !pattern->hasDirection(direction))
        return eInvalidInput;
    Tvx_String& count = direction == 1 ? pattern->count1 : pattern->count2;
    if (read) {
        value = count;
        return eOk;
    }
    const int number = MacroPatternProps::getCount(value);
    if (number < 0)
        return eInvalidInput;
    count = Tvx_String(number);
    return eOk;
}

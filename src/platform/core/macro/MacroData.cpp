// Building a macro's tabs and writing changed tab values back into the macro.
#include "platform/core/macro/MacroData.h"

#include "platform/core/macro/FindNamed.h"

namespace {

Tvx_Array<const Tvx_Module*> modulesOfGroup(const Tvx_Macro& macro, const Tvx_String& key) {
    Tvx_Array<const Tvx_Module*> found;
    for (const Tvx_Module& module : macro.modules) {
        if (module.groupKey().equal(key, false))
            found.append(&module);
    }
    return found;
}

// Sets target to the tab's value when the tab changed it.
void applyText(Tvx_String& target, const Tvx_String& tabValue, const Tvx_String& currentValue) {
    if (!(tabValue == currentValue))
        target = tabValue;
}

void applyBoltData(Tvx_Module& module, const MacroBoltData& tab, const MacroBoltData& current) {
    MacroBoltData& data = module.boltData;
    applyText(data.assembly, tab.assembly, current.assembly);
    applyText(data.diameter, tab.diameter, current.diameter);
    applyText(data.holeOffset, tab.holeOffset, current.holeOffset);
    applyText(data.penetrationLength, tab.penetrationLength, current.penetrationLength);
    applyText(data.addedLength, tab.addedLength, current.addedLength);
}

void applyPatterns(Tvx_Module& module, const MacroTabData& tab, const MacroTabData& current) {
    for (const MacroPatternProps& props : tab.patterns) {
        Tvx_BoltPattern* pattern = findNamed(module.patterns, props.caption);
        const MacroPatternProps* now =
            findBy(current.patterns, props.caption, &MacroPatternProps::caption);
        if (!pattern || !now)
            continue;
        applyText(pattern->nrBolts1, props.count1, now->count1);
        if (pattern->hasDirection(2))
            applyText(pattern->nrBolts2, props.count2, now->count2);
    }
}

void applyProfileGroups(Tvx_Module& module, const MacroTabData& tab, const MacroTabData& current) {
    for (const MacroProfData& props : tab.profData) {
        Tvx_ProfPlacement* placement = findNamed(module.placements, props.groupName);
        const MacroProfData* now =
            findBy(current.profData, props.groupName, &MacroProfData::groupName);
        if (!placement || !now)
            continue;
        applyText(placement->profile.section, props.profileName, now->profileName);
        applyText(placement->profile.material, props.material, now->material);
        applyText(placement->memberName, props.memberName, now->memberName);
    }
}

void applyFlexFix(Tvx_Module& module, const MacroTabData& tab, const MacroTabData& current) {
    for (const MacroFlexFixData& button : tab.flexFixButtons) {
        Tvx_DialogVariable* variable = findNamed(module.variables, button.varName);
        const MacroFlexFixData* now =
            findBy(current.flexFixButtons, button.varName, &MacroFlexFixData::varName);
        if (!variable || !now || variable->flexFix == FlexFix::none || button.undetermined)
            continue;
        if (button.fixed != now->fixed || now->undetermined) {
            variable->flexFix = button.fixed ? FlexFix::fix : FlexFix::flex;
        }
    }
}

}  // namespace

ErrorStatus MacroData::initFromMacro(const Tvx_Macro& macro) {
    tabs.removeAll();
    for (const Tvx_Module& module : macro.modules) {
        int existing = -1;
        if (findTab(module.groupKey(), existing))
            continue;
        tabs.append(MacroTabData::fromModules(modulesOfGroup(macro, module.groupKey())));
    }
    return eOk;
}

bool MacroData::findTab(const Tvx_String& name, int& index) const {
    for (int i = 0; i < tabs.length(); ++i) {
        if (tabs[i].moduleName.equal(name, false)) {
            index = i;
            return true;
        }
    }
    index = -1;
    return false;
}

MacroTabData* MacroData::getTab(int index) {
    return index >= 0 && index < tabs.length() ? &tabs[index] : nullptr;
}

const MacroTabData* MacroData::getTab(int index) const {
    return index >= 0 && index < tabs.length() ? &tabs[index] : nullptr;
}

ErrorStatus MacroData::setAllToMacro(Tvx_Macro& macro) const {
    for (const MacroTabData& tab : tabs) {
        const MacroTabData current =
            MacroTabData::fromModules(modulesOfGroup(macro, tab.moduleName));
        for (Tvx_Module& module : macro.modules) {
            if (!module.groupKey().equal(tab.moduleName, false))
                continue;
            if (module.isBoltModule() && tab.boltData && current.boltData) {
                applyBoltData(module, *tab.boltData, *current.boltData);
            }
            if (module.isBoltModule())
                applyPatterns(module, tab, current);
            if (module.isProfileModule())
                applyProfileGroups(module, tab, current);
            applyFlexFix(module, tab, current);
        }
    }
    return eOk;
}

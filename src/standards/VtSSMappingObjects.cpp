// Listing every mappable object of a macro as object maps, in the order the
// mapping dialogs show them.
#include "platform/core/macro/Tvx_SectionTables.h"
#include "standards/VtSSMapping.h"

namespace {

VtObjectMap objectMap(const Tvx_String& module, const Tvx_String& objName, int type,
                      int visibility = eVisibleSettable) {
    VtObjectMap map;
    map.module = module;
    map.objName = objName;
    map.type = type;
    map.visibility = visibility;
    return map;
}

int visibilityOf(bool visible, bool settable) {
    if (visible)
        return settable ? eVisibleSettable : eVisibleNotSettable;
    return settable ? eHiddenSettable : eHiddenNotSettable;
}

void appendModuleObjects(const Tvx_Module& module, Tvx_Array<VtObjectMap>& maps) {
    const Tvx_String& group = module.groupKey();
    Tvx_StringArray names;
    Tvx_IntArray visible;
    Tvx_IntArray settable;
    getDialogVariables(module, names, visible, settable);
    for (int i = 0; i < names.length(); ++i) {
        maps.append(objectMap(group, names[i], eMapDistance,
                              visibilityOf(visible[i] != 0, settable[i] != 0)));
    }
    Tvx_IntArray cutTypes;
    getCutConstraints(module, names, cutTypes);
    for (int i = 0; i < names.length(); ++i) {
        Tvx_IntArray kinds;
        getCutOffsets(cutTypes[i], kinds);
        for (int kind : kinds)
            maps.append(objectMap(group, names[i], eMapCutOffset + kind));
    }
    if (module.isBoltModule()) {
        maps.append(objectMap(group, Tvx_String(), eMapBoltsDiameter));
        maps.append(objectMap(group, Tvx_String(), eMapBoltsHoleOffset));
        Tvx_IntArray ids;
        getPatternIds(module, ids);
        for (int id : ids) {
            const Tvx_BoltPattern* pattern = nullptr;
            if (getPattern(module, id, pattern) != eOk)
                continue;
            maps.append(objectMap(group, pattern->name, eMapPatternNrBolts1));
            maps.append(objectMap(group, pattern->name, eMapPatternReverseStart1));
            if (pattern->kind == kTwoDirectionPatternKind) {
                maps.append(objectMap(group, pattern->name, eMapPatternNrBolts2));
                maps.append(objectMap(group, pattern->name, eMapPatternReverseStart2));
            }
        }
    }
    if (module.isProfileModule()) {
        for (const Tvx_ProfPlacement& placement : module.placements) {
            if (!placement.name.isEmpty()) {
                maps.append(objectMap(group, placement.name, eMapOwnedMemberName));
            }
        }
    }
}

void appendBaseProfileObjects(const Tvx_DbMacro& dbMacro, Tvx_Array<VtObjectMap>& maps) {
    for (int i = 0; i < dbMacro.macro().baseProfiles.length(); ++i) {
        const Tvx_String prof = Tvx_String(L"Prof") + Tvx_String(i);
        maps.append(objectMap(Tvx_String(), prof, eMapPrPlName));
        maps.append(objectMap(Tvx_String(), prof, eMapPrPlMaterial));
        const Tvx_Profile* profile = nullptr;
        Tvx_String sectionName;
        Tvx_StringArray columns;
        if (getBaseProf(&dbMacro, i, profile) != eOk ||
            getSectionName(*profile, sectionName) != eOk ||
            gSectionTables.getSectionColumnNames(sectionName, columns) != eOk) {
            continue;
        }
        for (int j = 0; j < columns.length(); ++j) {
            VtObjectMap size = objectMap(Tvx_String(), prof + Tvx_String(L";") + Tvx_String(j),
                                         eMapMemberSectionSize);
            size.label = columns[j];
            maps.append(size);
        }
    }
}

}  // namespace

ErrorStatus VtSSMapping::initAllVarsFromMacro(const Tvx_DbMacro* dbMacro,
                                              AcTransaction* /*transaction*/) {
    if (!dbMacro)
        return eInvalidInput;
    const Tvx_Macro& macro = dbMacro->macro();
    Tvx_StringArray moduleNames;
    macro.getModuleNames(moduleNames);
    for (const Tvx_String& name : moduleNames) {
        const Tvx_Module* module = nullptr;
        if (macro.findModule(name, module) == eOk)
            appendModuleObjects(*module, mappedObjects_);
    }
    appendBaseProfileObjects(*dbMacro, mappedObjects_);
    Tvx_StringArray generalVariables;
    macro.getGeneralVariables(generalVariables);
    for (const Tvx_String& name : generalVariables) {
        mappedObjects_.append(objectMap(Tvx_String(), name, eMapGenVar));
    }
    return eOk;
}

// Binding a sheet to a macro, moving variable values through the binding, and
// searching and comparing object maps.
#include "standards/VtSSMapping.h"

#include "standards/VtDlgStandardsData.h"

namespace {

// Whether a map's value type serves a variable of valueType: equal, or both numeric.
bool valueTypesMatch(int mapType, int valueType) {
    VtValueType mapValue = eValueUndefined;
    if (mapValueType(mapType, mapValue) != eOk)
        return false;
    return mapValue == valueType || (isNumericValueType(mapValue) && isNumericValueType(valueType));
}

}  // namespace

ErrorStatus VtSSMapping::initFromMacro(const VtDlgStandardsData& standardsData) {
    if (!standardsData.dbMacro || !standardsData.moduleGroup.isEmpty())
        return eInvalidInput;
    mode_ = eMappingFile;
    return getMappingFromFile(standardsData.sheetName, standardsData.mappingName);
}

ErrorStatus VtSSMapping::initFromModuleGroup(const Tvx_String& groupName) {
    if (groupName.isEmpty())
        return eInvalidInput;
    mode_ = eModuleGroup;
    return eOk;
}

ErrorStatus VtSSMapping::getMacroVarValue(const Tvx_String& ssVar, int valueType, Tvx_String& value,
                                          VtDlgStandardsData& standardsData) const {
    if (!standardsData.dbMacro)
        return eInvalidInput;
    if (mode_ == eModuleGroup) {
        Tvx_Macro* macro = standardsData.dbMacro->macroWrite();
        Tvx_StringArray names;
        if (!macro || macro->getModNamesOfGroup(standardsData.moduleGroup, names) != eOk) {
            return eInvalidInput;
        }
        for (const Tvx_String& name : names) {
            Tvx_Module* module = nullptr;
            if (macro->findModuleWrite(name, module) == eOk &&
                VtObjectMap::getSetByName(ssVar, valueType, macro, module, standardsData.macroData,
                                          value, true, standardsData.transaction) == eOk) {
                return eOk;
            }
        }
        return eInvalidInput;
    }
    int index = -1;
    if (findSSVar(ssVar, valueType, index) != eOk)
        return eInvalidInput;
    return mappedObjects_[index].getMacroVarValue(standardsData.dbMacro, standardsData.macroData,
                                                  value, standardsData.transaction);
}

ErrorStatus VtSSMapping::setMacroVarValue(const Tvx_String& ssVar, int valueType,
                                          const Tvx_String& value,
                                          VtDlgStandardsData& standardsData) const {
    if (!standardsData.dbMacro)
        return eInvalidInput;
    bool written = false;
    if (mode_ == eModuleGroup) {
        Tvx_Macro* macro = standardsData.dbMacro->macroWrite();
        Tvx_StringArray names;
        if (macro && macro->getModNamesOfGroup(standardsData.moduleGroup, names) == eOk) {
            for (const Tvx_String& name : names) {
                Tvx_Module* module = nullptr;
                Tvx_String text = value;
                if (macro->findModuleWrite(name, module) == eOk &&
                    VtObjectMap::getSetByName(ssVar, valueType, macro, module,
                                              standardsData.macroData, text, false,
                                              standardsData.transaction) == eOk) {
                    written = true;
                }
            }
        }
    }
    int index = -1;
    if (findSSVar(ssVar, valueType, index) == eOk &&
        mappedObjects_[index].setMacroVarValue(standardsData.dbMacro, standardsData.macroData,
                                               value, standardsData.transaction) == eOk) {
        written = true;
    }
    return written ? eOk : eInvalidInput;
}

ErrorStatus VtSSMapping::findSSVar(const Tvx_String& ssVar, int valueType, int& index) const {
    for (int i = 0; i < mappedObjects_.length(); ++i) {
        const VtObjectMap& map = mappedObjects_[i];
        if (map.ssVar.equal(ssVar, false) && valueTypesMatch(map.type, valueType)) {
            index = i;
            return eOk;
        }
    }
    index = -1;
    return eInvalidInput;
}

ErrorStatus VtSSMapping::findCompatible(const VtObjectMap& objectMap, int& index) const {
    for (int i = 0; i < mappedObjects_.length(); ++i) {
        if (mappedObjects_[i].isCompatible(objectMap) == eOk) {
            index = i;
            return eOk;
        }
    }
    index = -1;
    return eInvalidInput;
}

ErrorStatus VtSSMapping::isCompatible(const VtSSMapping& other, int& count) const {
    count = 0;
    for (const VtObjectMap& map : mappedObjects_) {
        int index = -1;
        if (other.findCompatible(map, index) == eOk)
            ++count;
    }
    return eOk;
}

bool VtSSMapping::isEqual(const VtSSMapping& other) const {
    for (const VtObjectMap& map : mappedObjects_) {
        VtValueType valueType = eValueUndefined;
        int index = -1;
        if (mapValueType(map.type, valueType) != eOk ||
            other.findSSVar(map.ssVar, valueType, index) != eOk ||
            map.isCompatible(other.mappedObjects_[index]) != eOk) {
            return false;
        }
    }
    return true;
}

ErrorStatus VtSSMapping::getValidVars(int valueType, Tvx_IntArray& indices) const {
    indices.removeAll();
    const bool numeric = isNumericValueType(valueType);
    for (int i = 0; i < mappedObjects_.length(); ++i) {
        VtValueType mapValue = eValueUndefined;
        if (mapValueType(mappedObjects_[i].type, mapValue) == eOk &&
            isNumericValueType(mapValue) == numeric) {
            indices.append(i);
        }
    }
    return eOk;
}

ErrorStatus VtSSMapping::sortValidVars(Tvx_IntArray& indices,
                                       const Tvx_IntArray& visibilityOrder) const {
    if (visibilityOrder.isEmpty()) {
        indices.removeAll();
        return eInvalidInput;
    }
    Tvx_Array<Tvx_IntArray> groups;
    groups.setLogicalLength(visibilityOrder.length());
    for (int index : indices) {
        if (index < 0 || index >= mappedObjects_.length())
            continue;
        int group = visibilityOrder.length() - 1;
        visibilityOrder.find(mappedObjects_[index].visibility, group);
        groups[group].append(index);
    }
    indices.removeAll();
    for (const Tvx_IntArray& group : groups) {
        indices.append(-1);
        indices.append(group);
    }
    return eOk;
}

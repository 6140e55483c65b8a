// Reading and writing a macro object through an object map: the general and
// base-profile objects of the macro, and the module step for every module of
// the map's group.
#include <optional>

#include "platform/core/NumberText.h"
#include "platform/core/macro/Tvx_SectionTables.h"
#include "standards/MacroObjectAccess.h"
#include "standards/VtObjectMap.h"

namespace {

constexpr int kGeneralVariableDecimals = 8;
const Tvx_String kProfPrefix(L"Prof");

// A whole number written as decimal digits only.
std::optional<int> digitsNumber(const Tvx_String& text) {
    if (text.isEmpty())
        return std::nullopt;
    for (wchar_t c : text.str()) {
        if (c < L'0' || c > L'9')
            return std::nullopt;
    }
    return numtext::parseLeadingInt(text.str());
}

// "Prof" n, or with a column "Prof" n ";" j.
bool parseProfObject(const Tvx_String& objName, bool withColumn, int& profile, int& column) {
    if (!objName.startsWith(kProfPrefix))
        return false;
    const Tvx_String rest = objName.getSubStringAt(kProfPrefix.length());
    int semicolon = -1;
    const bool hasColumn = rest.findFirstFrom(0, Tvx_String(L";"), true, semicolon);
    if (hasColumn != withColumn)
        return false;
    const std::optional<int> n =
        digitsNumber(withColumn ? rest.getSubStringAt(0, semicolon) : rest);
    const std::optional<int> j =
        withColumn ? digitsNumber(rest.getSubStringAt(semicolon + 1)) : std::optional<int>(0);
    if (!n || !j)
        return false;
    profile = *n;
    column = *j;
    return true;
}

bool isModuleType(int type) {
    return type == eMapDistance || (type >= eMapCutOffset && type <= eMapCutRadius) ||
           type == eMapOwnedMemberName ||
           (type >= eMapPatternNrBolts1 && type <= eMapBoltsHoleOffset);
}

bool isPatternType(int type) {
    return type >= eMapPatternNrBolts1 && type <= eMapPatternReverseStart2;
}

}  // namespace

ErrorStatus VtObjectMap::getMacroVarValue(Tvx_DbMacro* dbMacro, MacroData* macroData,
                                          Tvx_String& value, AcTransaction* /*transaction*/) const {
    return getSetMacroVar(dbMacro, macroData, value, true);
}

ErrorStatus VtObjectMap::setMacroVarValue(Tvx_DbMacro* dbMacro, MacroData* macroData,
                                          const Tvx_String& value,
                                          AcTransaction* /*transaction*/) const {
    Tvx_String written = value;
    return getSetMacroVar(dbMacro, macroData, written, false);
}

ErrorStatus VtObjectMap::getSetMacroVar(Tvx_DbMacro* dbMacro, MacroData* macroData,
                                        Tvx_String& value, bool read) const {
    if (!dbMacro)
        return eInvalidInput;
    Tvx_Macro* macro = dbMacro->macroWrite();
    if (!macro)
        return eInvalidInput;
    Tvx_StringArray moduleNames;
    if (macro->getModNamesOfGroup(module, moduleNames) != eOk)
        return eInvalidInput;
    bool anyModule = false;
    for (int i = 0; i < moduleNames.length(); ++i) {
        if (moduleStep(*macro, macroData, moduleNames[i], i, value, read) == eOk)
            anyModule = true;
    }
    switch (type) {
        case eMapGenVar:
            return macroaccess::generalVariable(*macro, objName, kGeneralVariableDecimals, value,
                                                read);
        case eMapPrPlName:
        case eMapPrPlMaterial:
        case eMapMemberSectionSize:
            return read ? baseProfileValue(*dbMacro, value) : eInvalidInput;
        default:
            return anyModule ? eOk : eInvalidInput;
    }
}

ErrorStatus VtObjectMap::baseProfileValue(const Tvx_DbMacro& dbMacro, Tvx_String& value) const {
    int number = 0;
    int column = 0;
    const bool sectionSize = type == eMapMemberSectionSize;
    if (!parseProfObject(objName, sectionSize, number, column))
        return eInvalidInput;
    const Tvx_Profile* profile = nullptr;
    if (getBaseProf(&dbMacro, number, profile) != eOk)
        return eInvalidInput;
    if (type == eMapPrPlMaterial)
        return getMaterial(*profile, value);
    if (!sectionSize)
        return getSectionName(*profile, value);
    Tvx_String sectionName;
    if (getSectionName(*profile, sectionName) != eOk)
        return eInvalidInput;
    return gSectionTables.getSectionValue(sectionName, column, value);
}

ErrorStatus VtObjectMap::moduleStep(Tvx_Macro& macro, MacroData* macroData,
                                    const Tvx_String& moduleName, int index, Tvx_String& value,
                                    bool read) const {
    if (!isModuleType(type))
        return eInvalidInput;
    Tvx_Module* target = nullptr;
    if (openModule(macro, moduleName, index, target) != eOk)
        return eInvalidInput;
    if (isPatternType(type) && !target->isBoltModule())
        return eInvalidInput;
    MacroTabData* tab = macroData ? macroaccess::findModuleTab(*macroData, *target) : nullptr;
    if (!tab)
        return eInvalidInput;
    switch (type) {
        case eMapDistance:
            return macroaccess::constraintVariable(*target, *tab, objName, value, read);
        case eMapBoltsDiameter:
        case eMapBoltsHoleOffset:
            return macroaccess::boltDataText(*tab, type == eMapBoltsDiameter, value, read);
        case eMapPatternReverseStart1:
        case eMapPatternReverseStart2:
            return macroaccess::patternReverse(
                *target, objName, type == eMapPatternReverseStart1 ? 1 : 2, value, read);
        case eMapPatternNrBolts1:
        case eMapPatternNrBolts2:
            return getSetNrBolts(*tab, objName, value, read, type == eMapPatternNrBolts1 ? 1 : 2);
        case eMapOwnedMemberName:
            return macroaccess::memberName(*tab, objName, value, read);
        default:  // the cut offsets
            return macroaccess::cutOffset(*target, objName, type - eMapCutOffset, value, read);
    }
}

// The map types, and object maps as the two strings of a mapping.
#include "standards/VtObjectMap.h"

#include <array>

#include "platform/core/ArrayText.h"
#include "platform/core/TextHelpers.h"

namespace {

struct MapTypeInfo {
    const wchar_t* name;
    VtValueType valueType;
};

// Indexed by map type; entry 0 is no type.
const std::array<MapTypeInfo, 22> kMapTypes = {{
    {L"", eValueUndefined},
    {L"Distance", eValueDouble},
    {L"GenVar", eValueDouble},
    {L"CutOffset", eValueDouble},
    {L"CutPolyOffset", eValueDouble},
    {L"CutLengthOffset", eValueDouble},
    {L"CutCenterOffset", eValueDouble},
    {L"CutInsideOffset", eValueDouble},
    {L"CutOutsideOffset", eValueDouble},
    {L"CutChamferOffset1", eValueDouble},
    {L"CutChamferOffset2", eValueDouble},
    {L"CutRadius", eValueDouble},
    {L"PrPlName", eValueString},
    {L"PrPlMaterial", eValueString},
    {L"OwnedMemberName", eValueString},
    {L"MemberSectionSize", eValueDouble},
    {L"PatternNrBolts1", eValueString},
    {L"PatternNrBolts2", eValueString},
    {L"PatternReverseStart1", eValueInt},
    {L"PatternReverseStart2", eValueInt},
    {L"BoltsDiameter", eValueDouble},
    {L"BoltsHoleOffset", eValueDouble},
}};

const wchar_t kModuleSeparator = L'\u2022';  // "•"
const Tvx_String kSpace(L" ");

bool isKnownType(int type) {
    return type > eMapNone && type < static_cast<int>(kMapTypes.size());
}

}  // namespace

Tvx_String mapTypeName(int type) {
    return isKnownType(type) ? Tvx_String(kMapTypes[static_cast<size_t>(type)].name) : Tvx_String();
}

ErrorStatus mapValueType(int type, VtValueType& valueType) {
    if (!isKnownType(type))
        return eInvalidInput;
    valueType = kMapTypes[static_cast<size_t>(type)].valueType;
    return eOk;
}

ErrorStatus VtObjectMap::getMappingFromStrs(const Tvx_String& variable,
                                            const Tvx_String& mappingString) {
    Tvx_String moduleText;
    Tvx_String rest;
    if (!splitStringAtSymbol(mappingString, kModuleSeparator, moduleText, rest)) {
        return eInvalidInput;
    }
    rest = stripSymbols(rest, kSpace);
    static const std::array<Tvx_String, kMapTypes.size()> typeNames = [] {
        std::array<Tvx_String, kMapTypes.size()> names;
        for (size_t i = 0; i < names.size(); ++i)
            names[i] = Tvx_String(kMapTypes[i].name);
        return names;
    }();
    int found = eMapNone;
    for (int candidate = eMapNone + 1; isKnownType(candidate); ++candidate) {
        if (rest.startsWith(typeNames[static_cast<size_t>(candidate)])) {
            found = candidate;
            break;
        }
    }
    if (found == eMapNone)
        return eInvalidInput;
    int space = -1;
    module = moduleText;
    objName =
        rest.findFirstFrom(0, kSpace, true, space) ? rest.getSubStringAt(space + 1) : Tvx_String();
    type = found;
    ssVar = variable;
    return eOk;
}

ErrorStatus VtObjectMap::setMappingToStrs(Tvx_String& mappingString, Tvx_String& variable) const {
    const Tvx_String typeName = mapTypeName(type);
    if (typeName.isEmpty())
        return eInvalidInput;
    mappingString = module + Tvx_String(kModuleSeparator) + typeName + kSpace + objName;
    variable = ssVar;
    return eOk;
}

ErrorStatus VtObjectMap::mapFromArrays(const Tvx_StringArray& names,
                                       const Tvx_StringArray& mappingStrings,
                                       const Tvx_String& cellName) {
    int index = -1;
    if (!names.find(cellName, index, false) || index >= mappingStrings.length()) {
        return eInvalidInput;
    }
    return getMappingFromStrs(cellName, mappingStrings[index]);
}

ErrorStatus VtObjectMap::isCompatible(const VtObjectMap& other) const {
    return module.equal(other.module, false) && objName.equal(other.objName, false) &&
                   type == other.type
               ? eOk
               : eInvalidInput;
}

// Writing the macro file: the known keys in a fixed order, then the kept
// unknown keys of each object (the format is in MacroFile.h).
#include "platform/core/macro/MacroFile.h"
#include "platform/core/macro/MacroJson.h"

using macrojson::Json;

namespace {

std::string utf8(const Tvx_String& text) {
    return text.toUtf8();
}

Json profileFields(Json object, const Tvx_Profile& profile) {
    object["section"] = utf8(profile.section);
    object["material"] = utf8(profile.material);
    return object;
}

Json variableJson(const Tvx_DialogVariable& variable) {
    Json object = {{"name", utf8(variable.name)},
                   {"value", variable.value},
                   {"visible", variable.visible},
                   {"settable", variable.settable}};
    if (variable.flexFix != FlexFix::none) {
        object["flexFix"] = variable.flexFix == FlexFix::fix ? "fix" : "flex";
    }
    macrojson::appendUnknownKeys(object, variable.unknownKeys);
    return object;
}

Json cutJson(const Tvx_CutConstraint& cut) {
    Json offsets = Json::object();
    Tvx_IntArray kinds;
    getCutOffsets(cut.cutType, kinds);
    for (int kind : kinds)
        offsets[utf8(cutOffsetName(kind))] = cut.offsets[static_cast<size_t>(kind)];
    Json object = {
        {"name", utf8(cut.name)}, {"type", utf8(cutTypeName(cut.cutType))}, {"offsets", offsets}};
    macrojson::appendUnknownKeys(object, cut.unknownKeys);
    return object;
}

Json boltDataJson(const MacroBoltData& data) {
    Json object = {{"assembly", utf8(data.assembly)},
                   {"diameter", utf8(data.diameter)},
                   {"holeOffset", utf8(data.holeOffset)},
                   {"penetrationLength", utf8(data.penetrationLength)},
                   {"addedLength", utf8(data.addedLength)}};
    macrojson::appendUnknownKeys(object, data.unknownKeys);
    return object;
}

Json patternJson(const Tvx_BoltPattern& pattern) {
    Json object = {{"id", pattern.id},
                   {"name", utf8(pattern.name)},
                   {"kind", pattern.kind},
                   {"nrBolts1", utf8(pattern.nrBolts1)}};
    if (pattern.hasDirection(2))
        object["nrBolts2"] = utf8(pattern.nrBolts2);
    object["reverseStart1"] = pattern.reverseStart1;
    if (pattern.hasDirection(2))
        object["reverseStart2"] = pattern.reverseStart2;
    macrojson::appendUnknownKeys(object, pattern.unknownKeys);
    return object;
}

Json placementJson(const Tvx_ProfPlacement& placement) {
    Json object = profileFields(
        Json{{"name", utf8(placement.name)}, {"memberName", utf8(placement.memberName)}},
        placement.profile);
    macrojson::appendUnknownKeys(object, placement.unknownKeys);
    return object;
}

template <typename T, typename F>
Json arrayOf(const Tvx_Array<T>& items, F toJson) {
    Json array = Json::array();
    for (const T& item : items)
        array.push_back(toJson(item));
    return array;
}

Json moduleJson(const Tvx_Module& module) {
    Json object = {{"name", utf8(module.name)},
                   {"group", utf8(module.group)},
                   {"kind", module.kind},
                   {"variables", arrayOf(module.variables, variableJson)}};
    if (!module.cuts.isEmpty())
        object["cuts"] = arrayOf(module.cuts, cutJson);
    if (module.isBoltModule()) {
        object["boltData"] = boltDataJson(module.boltData);
        object["patterns"] = arrayOf(module.patterns, patternJson);
    }
    if (module.isProfileModule())
        object["placements"] = arrayOf(module.placements, placementJson);
    macrojson::appendUnknownKeys(object, module.unknownKeys);
    return object;
}

Json generalVariableJson(const Tvx_GeneralVariable& variable) {
    Json object = {{"name", utf8(variable.name)}, {"value", variable.value}};
    macrojson::appendUnknownKeys(object, variable.unknownKeys);
    return object;
}

Json baseProfileJson(const Tvx_BaseProfile& base) {
    Json object = profileFields(Json::object(), base.profile);
    macrojson::appendUnknownKeys(object, base.unknownKeys);
    return object;
}

}  // namespace

std::string macroToJson(const Tvx_Macro& macro) {
    Json root = {{"name", utf8(macro.name)},
                 {"generalVariables", arrayOf(macro.generalVariables, generalVariableJson)},
                 {"baseProfiles", arrayOf(macro.baseProfiles, baseProfileJson)},
                 {"modules", arrayOf(macro.modules, moduleJson)}};
    macrojson::appendUnknownKeys(root, macro.unknownKeys);
    // Texts come from wide strings converted to UTF-8 and kept keys from parsed
    // JSON, so nothing needs replacing; the handler only rules out a throw.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

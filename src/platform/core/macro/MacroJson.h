// What the macro file's reader and writer share: the JSON type, the key lists
// of each object, and the handling of the keys the model does not know.
#pragma once

#include <span>
#include <string_view>

#include <nlohmann/json.hpp>

#include "platform/core/macro/MacroParts.h"

namespace macrojson {

// Objects keep their keys in file order, so unknown keys are written back in it.
using Json = nlohmann::ordered_json;
using Keys = std::span<const std::string_view>;

inline constexpr std::string_view kMacroKeys[] = {"name", "generalVariables", "baseProfiles",
                                                  "modules"};
inline constexpr std::string_view kGeneralVariableKeys[] = {"name", "value"};
inline constexpr std::string_view kProfileKeys[] = {"section", "material"};
inline constexpr std::string_view kModuleKeys[] = {"name", "group",    "kind",     "variables",
                                                   "cuts", "boltData", "patterns", "placements"};
inline constexpr std::string_view kVariableKeys[] = {"name", "value", "visible", "settable",
                                                     "flexFix"};
inline constexpr std::string_view kCutKeys[] = {"name", "type", "offsets"};
inline constexpr std::string_view kBoltDataKeys[] = {"assembly", "diameter", "holeOffset",
                                                     "penetrationLength", "addedLength"};
inline constexpr std::string_view kPatternKeys[] = {
    "id", "name", "kind", "nrBolts1", "nrBolts2", "reverseStart1", "reverseStart2"};
inline constexpr std::string_view kPlacementKeys[] = {"name", "memberName", "section", "material"};

// The members of object whose keys are not in known (an empty text when none).
UnknownKeys unknownKeysOf(const Json& object, Keys known);
// Appends the kept members to object, after the members it already has.
void appendUnknownKeys(Json& object, const UnknownKeys& keys);

}  // namespace macrojson

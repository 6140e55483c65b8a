// Keeping the unknown members of macro file objects.
#include "platform/core/macro/MacroJson.h"

#include <algorithm>

namespace macrojson {

UnknownKeys unknownKeysOf(const Json& object, Keys known) {
    Json unknown = Json::object();
    for (const auto& [key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), std::string_view(key)) == known.end()) {
            unknown[key] = value;
        }
    }
    return UnknownKeys{unknown.empty()
                           ? std::string()
                           : unknown.dump(-1, ' ', false, Json::error_handler_t::replace)};
}

void appendUnknownKeys(Json& object, const UnknownKeys& keys) {
    if (keys.json.empty())
        return;
    // The text was made by unknownKeysOf from parsed JSON; a text that does not
    // parse (set by other code) adds nothing rather than failing the write.
    const Json unknown = Json::parse(keys.json, nullptr, false);
    if (!unknown.is_object())
        return;
    for (const auto& [key, value] : unknown.items()) {
        if (!object.contains(key))
            object[key] = value;
    }
}

}  // namespace macrojson

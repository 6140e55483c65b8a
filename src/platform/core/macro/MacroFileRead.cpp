// Reading the macro file: JSON syntax first, then the macro's shape, refusing
// with the place and the reason (the format is in MacroFile.h).
#include <algorithm>
#include <climits>
#include <optional>
#include <string>

#include "platform/core/macro/FindNamed.h"
#include "platform/core/macro/MacroFile.h"
#include "platform/core/macro/MacroJson.h"

using macrojson::Json;

namespace {

// Reads the parsed JSON into a macro; the first problem ends it with a reason.
class MacroReader {
  public:
    bool readMacro(const Json& root, Tvx_Macro& macro);
    const std::string& reason() const { return reason_; }

  private:
    bool fail(const std::string& where, const std::string& what) {
        reason_ = (where.empty() ? std::string("the file") : where) + ": " + what;
        return false;
    }
    bool requireObject(const Json& value, const std::string& where);
    const Json* member(const Json& object, const char* key, const std::string& where,
                       bool required);
    bool text(const Json& object, const char* key, const std::string& where, bool required,
              Tvx_String& out);
    bool name(const Json& object, const std::string& where, Tvx_String& out);
    bool number(const Json& object, const char* key, const std::string& where, bool required,
                double& out);
    bool flag(const Json& object, const char* key, const std::string& where, bool& out);
    bool whole(const Json& object, const char* key, const std::string& where, int& out);
    // Calls readItem(item, where) for each element of the array under key.
    template <typename F>
    bool items(const Json& object, const char* key, const std::string& where, bool required,
               F readItem);
    template <typename T>
    bool unique(const Tvx_Array<T>& items, const Tvx_String& name, const std::string& where,
                const char* what) {
        if (findNamed(items, name))
            return fail(where,
                        std::string("a second ") + what + " named \"" + name.toUtf8() + "\"");
        return true;
    }

    bool readGeneralVariable(const Json& item, const std::string& where, Tvx_Macro& macro);
    bool readBaseProfile(const Json& item, const std::string& where, Tvx_Macro& macro);
    bool readModule(const Json& item, const std::string& where, Tvx_Macro& macro);
    bool readVariable(const Json& item, const std::string& where, Tvx_Module& module);
    bool readCut(const Json& item, const std::string& where, Tvx_Module& module);
    bool readOffsets(const Json& offsets, const std::string& where, Tvx_CutConstraint& cut);
    bool readBoltData(const Json& item, const std::string& where, Tvx_Module& module);
    bool readPattern(const Json& item, const std::string& where, Tvx_Module& module);
    bool readPlacement(const Json& item, const std::string& where, Tvx_Module& module);
    bool onlyFor(const Json& item, const char* key, const std::string& where, bool allowed,
                 const char* owner);

    std::string reason_;
};

std::string join(const std::string& where, const char* key) {
    return where.empty() ? std::string(key) : where + "." + key;
}

bool MacroReader::requireObject(const Json& value, const std::string& where) {
    return value.is_object() || fail(where, "must be an object");
}

const Json* MacroReader::member(const Json& object, const char* key, const std::string& where,
                                bool required) {
    const auto found = object.find(key);
    if (found != object.end())
        return &*found;
    if (required)
        fail(where, std::string("missing key \"") + key + "\"");
    return nullptr;
}

bool MacroReader::text(const Json& object, const char* key, const std::string& where, bool required,
                       Tvx_String& out) {
    const Json* value = member(object, key, where, required);
    if (!value)
        return !required;
    if (!value->is_string())
        return fail(join(where, key), "must be a text");
    out = Tvx_String::fromUtf8(value->get_ref<const std::string&>());
    return true;
}

bool MacroReader::name(const Json& object, const std::string& where, Tvx_String& out) {
    if (!text(object, "name", where, true, out))
        return false;
    return !out.isEmpty() || fail(join(where, "name"), "must not be empty");
}

bool MacroReader::number(const Json& object, const char* key, const std::string& where,
                         bool required, double& out) {
    const Json* value = member(object, key, where, required);
    if (!value)
        return !required;
    if (!value->is_number())
        return fail(join(where, key), "must be a number");
    out = value->get<double>();
    return true;
}

bool MacroReader::flag(const Json& object, const char* key, const std::string& where, bool& out) {
    const Json* value = member(object, key, where, false);
    if (!value)
        return true;
    if (!value->is_boolean())
        return fail(join(where, key), "must be true or false");
    out = value->get<bool>();
    return true;
}

bool MacroReader::whole(const Json& object, const char* key, const std::string& where, int& out) {
    const Json* value = member(object, key, where, false);
    if (!value)
        return true;
    const bool fits =
        value->is_number_unsigned()
            ? value->get<unsigned long long>() <= static_cast<unsigned long long>(INT_MAX)
            : value->is_number_integer() && value->get<long long>() >= INT_MIN &&
                  value->get<long long>() <= INT_MAX;
    if (!fits)
        return fail(join(where, key), "must be a whole number");
    out = static_cast<int>(value->get<long long>());
    return true;
}

template <typename F>
bool MacroReader::items(const Json& object, const char* key, const std::string& where,
                        bool required, F readItem) {
    const Json* array = member(object, key, where, required);
    if (!array)
        return !required;
    const std::string place = join(where, key);
    if (!array->is_array())
        return fail(place, "must be an array");
    for (size_t i = 0; i < array->size(); ++i) {
        const std::string itemPlace = place + "[" + std::to_string(i) + "]";
        const Json& item = (*array)[i];
        if (!requireObject(item, itemPlace) || !readItem(item, itemPlace))
            return false;
    }
    return true;
}

bool MacroReader::onlyFor(const Json& item, const char* key, const std::string& where, bool allowed,
                          const char* owner) {
    if (allowed || !item.contains(key))
        return true;
    return fail(join(where, key), std::string("belongs to ") + owner);
}

bool MacroReader::readMacro(const Json& root, Tvx_Macro& macro) {
    if (!requireObject(root, ""))
        return false;
    if (!text(root, "name", "", true, macro.name))
        return false;
    macro.unknownKeys = macrojson::unknownKeysOf(root, macrojson::kMacroKeys);
    return items(root, "generalVariables", "", false,
                 [&](const Json& item, const std::string& where) {
                     return readGeneralVariable(item, where, macro);
                 }) &&
           items(root, "baseProfiles", "", false,
                 [&](const Json& item, const std::string& where) {
                     return readBaseProfile(item, where, macro);
                 }) &&
           items(root, "modules", "", true, [&](const Json& item, const std::string& where) {
               return readModule(item, where, macro);
           });
}

bool MacroReader::readGeneralVariable(const Json& item, const std::string& where,
                                      Tvx_Macro& macro) {
    Tvx_GeneralVariable variable;
    if (!name(item, where, variable.name) || !number(item, "value", where, true, variable.value) ||
        !unique(macro.generalVariables, variable.name, where, "general variable")) {
        return false;
    }
    variable.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kGeneralVariableKeys);
    macro.generalVariables.append(variable);
    return true;
}

bool MacroReader::readBaseProfile(const Json& item, const std::string& where, Tvx_Macro& macro) {
    Tvx_BaseProfile base;
    if (!text(item, "section", where, true, base.profile.section) ||
        !text(item, "material", where, false, base.profile.material)) {
        return false;
    }
    base.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kProfileKeys);
    macro.baseProfiles.append(base);
    return true;
}

bool MacroReader::readModule(const Json& item, const std::string& where, Tvx_Macro& macro) {
    Tvx_Module module;
    if (!name(item, where, module.name) || !text(item, "group", where, false, module.group) ||
        !whole(item, "kind", where, module.kind) ||
        !unique(macro.modules, module.name, where, "module")) {
        return false;
    }
    const auto read = [&](auto readPart) {
        return [&, readPart](const Json& part, const std::string& place) {
            return (this->*readPart)(part, place, module);
        };
    };
    if (!onlyFor(item, "boltData", where, module.isBoltModule(), "bolt modules (kind 232)") ||
        !onlyFor(item, "patterns", where, module.isBoltModule(), "bolt modules (kind 232)") ||
        !onlyFor(item, "placements", where, module.isProfileModule(),
                 "profile modules (kind 233)") ||
        !items(item, "variables", where, false, read(&MacroReader::readVariable)) ||
        !items(item, "cuts", where, false, read(&MacroReader::readCut)) ||
        !items(item, "patterns", where, false, read(&MacroReader::readPattern)) ||
        !items(item, "placements", where, false, read(&MacroReader::readPlacement))) {
        return false;
    }
    if (const Json* boltData = member(item, "boltData", where, false)) {
        const std::string place = join(where, "boltData");
        if (!requireObject(*boltData, place) || !readBoltData(*boltData, place, module))
            return false;
    }
    module.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kModuleKeys);
    macro.modules.append(module);
    return true;
}

bool MacroReader::readVariable(const Json& item, const std::string& where, Tvx_Module& module) {
    Tvx_DialogVariable variable;
    Tvx_String flexFix;
    if (!name(item, where, variable.name) || !number(item, "value", where, true, variable.value) ||
        !flag(item, "visible", where, variable.visible) ||
        !flag(item, "settable", where, variable.settable) ||
        !text(item, "flexFix", where, false, flexFix) ||
        !unique(module.variables, variable.name, where, "variable")) {
        return false;
    }
    if (flexFix == Tvx_String(L"flex")) {
        variable.flexFix = FlexFix::flex;
    } else if (flexFix == Tvx_String(L"fix")) {
        variable.flexFix = FlexFix::fix;
    } else if (item.contains("flexFix")) {
        return fail(join(where, "flexFix"), "must be \"flex\" or \"fix\"");
    }
    variable.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kVariableKeys);
    module.variables.append(variable);
    return true;
}

bool MacroReader::readCut(const Json& item, const std::string& where, Tvx_Module& module) {
    Tvx_CutConstraint cut;
    Tvx_String typeName;
    if (!name(item, where, cut.name) || !text(item, "type", where, true, typeName) ||
        !unique(module.cuts, cut.name, where, "cut")) {
        return false;
    }
    cut.cutType = cutTypeFromName(typeName);
    if (cut.cutType < 0)
        return fail(join(where, "type"), "unknown cut type \"" + typeName.toUtf8() + "\"");
    if (const Json* offsets = member(item, "offsets", where, false)) {
        const std::string place = join(where, "offsets");
        if (!requireObject(*offsets, place) || !readOffsets(*offsets, place, cut))
            return false;
    }
    cut.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kCutKeys);
    module.cuts.append(cut);
    return true;
}

bool MacroReader::readOffsets(const Json& offsets, const std::string& where,
                              Tvx_CutConstraint& cut) {
    Tvx_IntArray kinds;
    getCutOffsets(cut.cutType, kinds);
    for (const auto& [key, value] : offsets.items()) {
        const int kind = cutOffsetFromName(Tvx_String::fromUtf8(key));
        if (kind < 0 || !kinds.contains(kind)) {
            return fail(join(where, key.c_str()),
                        "is no offset of a " + cutTypeName(cut.cutType).toUtf8() + " cut");
        }
        if (!value.is_number())
            return fail(join(where, key.c_str()), "must be a number");
        cut.offsets[static_cast<size_t>(kind)] = value.get<double>();
    }
    return true;
}

bool MacroReader::readBoltData(const Json& item, const std::string& where, Tvx_Module& module) {
    MacroBoltData& data = module.boltData;
    if (!text(item, "assembly", where, false, data.assembly) ||
        !text(item, "diameter", where, false, data.diameter) ||
        !text(item, "holeOffset", where, false, data.holeOffset) ||
        !text(item, "penetrationLength", where, false, data.penetrationLength) ||
        !text(item, "addedLength", where, false, data.addedLength)) {
        return false;
    }
    data.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kBoltDataKeys);
    return true;
}

bool MacroReader::readPattern(const Json& item, const std::string& where, Tvx_Module& module) {
    Tvx_BoltPattern pattern;
    long long highestId = 0;
    for (const Tvx_BoltPattern& other : module.patterns)
        highestId = std::max<long long>(highestId, other.id);
    if (highestId >= INT_MAX && !item.contains("id"))
        return fail(where, "no free pattern id");
    pattern.id = static_cast<int>(highestId + 1);
    if (!name(item, where, pattern.name) || !whole(item, "id", where, pattern.id) ||
        !whole(item, "kind", where, pattern.kind) ||
        !text(item, "nrBolts1", where, false, pattern.nrBolts1) ||
        !text(item, "nrBolts2", where, false, pattern.nrBolts2) ||
        !flag(item, "reverseStart1", where, pattern.reverseStart1) ||
        !flag(item, "reverseStart2", where, pattern.reverseStart2) ||
        !unique(module.patterns, pattern.name, where, "pattern")) {
        return false;
    }
    const char* twoDirections = "two-direction patterns (kind 282)";
    if (!onlyFor(item, "nrBolts2", where, pattern.hasDirection(2), twoDirections) ||
        !onlyFor(item, "reverseStart2", where, pattern.hasDirection(2), twoDirections)) {
        return false;
    }
    for (const Tvx_BoltPattern& other : module.patterns) {
        if (other.id == pattern.id) {
            return fail(join(where, "id"),
                        "a second pattern with id " + std::to_string(pattern.id));
        }
    }
    pattern.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kPatternKeys);
    module.patterns.append(pattern);
    return true;
}

bool MacroReader::readPlacement(const Json& item, const std::string& where, Tvx_Module& module) {
    Tvx_ProfPlacement placement;
    if (!text(item, "name", where, true, placement.name) ||
        !text(item, "memberName", where, false, placement.memberName) ||
        !text(item, "section", where, false, placement.profile.section) ||
        !text(item, "material", where, false, placement.profile.material) ||
        !unique(module.placements, placement.name, where, "placement")) {
        return false;
    }
    placement.unknownKeys = macrojson::unknownKeysOf(item, macrojson::kPlacementKeys);
    module.placements.append(placement);
    return true;
}

// Line and column (from 1, in characters) of a byte offset of the text.
void locate(std::string_view text, size_t offset, int& line, int& column) {
    line = 1;
    column = 1;
    offset = std::min(offset, text.size());
    for (size_t i = 0; i < offset; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++column;
        }
    }
}

// The parser's message without its "[json.exception...] parse error at ...: " prefix.
std::string syntaxReason(const std::string& message) {
    const size_t bracket = message.find("] ");
    std::string reason = bracket == std::string::npos ? message : message.substr(bracket + 2);
    const size_t at = reason.find("parse error");
    const size_t colon = at == std::string::npos ? at : reason.find(": ", at);
    return colon == std::string::npos ? reason : reason.substr(colon + 2);
}

// Nesting beyond this is refused before parsing, so that no recursive walk of
// the parsed value can run out of stack.
constexpr int kMaxNesting = 200;

// The offset of the bracket that nests deeper than kMaxNesting, if any.
std::optional<size_t> tooDeep(std::string_view text) {
    int depth = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxNesting)
                return i;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return std::nullopt;
}

// The library's DOM builder, reporting where the parser stopped instead of
// throwing: a syntax error and a number out of range alike.
class PositionedParser : public nlohmann::detail::json_sax_dom_parser<Json> {
  public:
    explicit PositionedParser(Json& root) : json_sax_dom_parser(root, false) {}
    template <class Exception>
    bool parse_error(std::size_t position, const std::string& /*lastToken*/, const Exception& e) {
        stop = position;
        reason = syntaxReason(e.what());
        return false;
    }
    size_t stop = 0;
    std::string reason;
};

// Parses text into root; on failure gives the reason and the offset of the
// byte at which parsing stopped.
bool parseJson(std::string_view text, Json& root, std::string& reason, size_t& stop) {
    if (const std::optional<size_t> deep = tooDeep(text)) {
        reason = "nested more than " + std::to_string(kMaxNesting) + " levels deep";
        stop = *deep;
        return false;
    }
    PositionedParser parser(root);
    try {
        if (Json::sax_parse(text, &parser))
            return true;
    } catch (const Json::exception& e) {
        parser.reason = syntaxReason(e.what());
    }
    reason = parser.reason.empty() ? std::string("not valid JSON") : parser.reason;
    // The parser counts the byte it stopped at from 1.
    stop = parser.stop > 0 ? parser.stop - 1 : 0;
    return false;
}

}  // namespace

bool macroFromJson(std::string_view utf8, Tvx_Macro& macro, MacroFileError& error) {
    const std::string_view bom = "\xEF\xBB\xBF";
    const size_t skipped = utf8.substr(0, bom.size()) == bom ? bom.size() : 0;
    const std::string_view body = utf8.substr(skipped);
    Json root;
    std::string reason;
    size_t stop = 0;
    if (!parseJson(body, root, reason, stop)) {
        error = MacroFileError{Tvx_String::fromUtf8(reason), 0, 0};
        locate(body, stop, error.line, error.column);
        return false;
    }
    MacroReader reader;
    Tvx_Macro read;
    if (!reader.readMacro(root, read)) {
        error = MacroFileError{Tvx_String::fromUtf8(reader.reason()), 0, 0};
        return false;
    }
    macro = std::move(read);
    return true;
}

Tvx_String MacroFileError::describe(const Tvx_String& file) const {
    Tvx_String text = file;
    if (line > 0)
        text += Tvx_String(L":") + Tvx_String(line) + Tvx_String(L":") + Tvx_String(column);
    return text + Tvx_String(L": ") + reason;
}

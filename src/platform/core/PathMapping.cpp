// Mapping of the module's paths (backslashes, drive prefixes, any letter case)
// onto this file system.
#include "platform/core/PathMapping.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/core/FileStatus.h"
#include "platform/core/FolderNames.h"
#include "platform/core/Unicode.h"

namespace fs = std::filesystem;

namespace {

fs::path& driveRootOverride() {
    static fs::path root;
    return root;
}

bool isAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

bool existsQuietly(const fs::path& path) {
    return pathLinkStatus(path).kind != PathKind::Missing;
}

bool existsQuietly(const std::string& path) {
    return pathLinkStatus(path).kind != PathKind::Missing;
}

// Mappings made while file status is remembered (FileStatus.h): a mapping
// depends only on the statuses and listings it looked at and on the drive
// root, so it holds for as long as those statuses are remembered.
struct RememberedMappings {
    std::uint64_t generation = 0;
    std::unordered_map<std::wstring, std::string> paths;
};

RememberedMappings& rememberedMappings() {
    static RememberedMappings mappings;
    return mappings;
}

// The folders listed for letter-case look-ups, kept while unchanged.
FolderNames& folderNames() {
    static FolderNames names;
    return names;
}

// Step 3 for a path that does not exist as written.
fs::path resolveMissing(const fs::path& path) {
    // The usual miss: a file not (yet) in a folder that exists as written.
    // Every earlier component then exists too, so only the last is looked up.
    // (The parent is rebuilt component by component, as the walk below would.)
    if (path.has_filename() && path.has_parent_path() && existsQuietly(path.parent_path())) {
        fs::path parent = path.root_path();
        for (const fs::path& component : path.parent_path().relative_path())
            parent /= component;
        const std::optional<std::string> match =
            folderNames().findIgnoringCase(parent.native(), path.filename().native());
        return parent / (match ? fs::path(*match) : path.filename());
    }
    fs::path resolved = path.root_path();
    const fs::path relative = path.relative_path();
    auto component = relative.begin();
    for (; component != relative.end(); ++component) {
        const fs::path candidate = resolved / *component;
        if (component->empty() || *component == "." || *component == ".." ||
            existsQuietly(candidate)) {
            resolved = candidate;
            continue;
        }
        const std::optional<std::string> match =
            folderNames().findIgnoringCase(resolved.native(), component->native());
        if (!match)
            break;
        resolved /= *match;
    }
    for (; component != relative.end(); ++component)
        resolved /= *component;
    return resolved;
}

// Step 3 on the path's text. The two usual misses are answered on the text
// itself, with the results the component walk gives: a bare name not in the
// working folder, and a file not (yet) in a folder that exists as written
// (when that folder's text is as the walk rebuilds it: no doubled or
// trailing separator).
std::string resolveLetterCase(std::string path) {
    if (path.empty() || existsQuietly(path))
        return path;
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        std::optional<std::string> match = folderNames().findIgnoringCase(std::string(), path);
        return match ? std::move(*match) : path;
    }
    const std::string parent = path.substr(0, slash);
    const bool parentAsRebuilt = slash > 0 && slash + 1 < path.size() && parent.back() != '/' &&
                                 parent.find("//") == std::string::npos;
    if (parentAsRebuilt && existsQuietly(parent)) {
        const std::string name = path.substr(slash + 1);
        if (name != "." && name != "..") {
            const std::optional<std::string> match = folderNames().findIgnoringCase(parent, name);
            return match ? parent + '/' + *match : path;
        }
    }
    return resolveMissing(fs::path(std::move(path))).native();
}

std::string mapAfresh(const Tvx_String& path) {
    std::wstring_view text = path.str();
    const bool drive = text.size() >= 2 && isAsciiLetter(text[0]) && text[1] == L':';
    if (drive) {
        text.remove_prefix(2);
        while (!text.empty() && (text.front() == L'/' || text.front() == L'\\'))
            text.remove_prefix(1);
    }
    // A "\\" byte never occurs inside a longer UTF-8 sequence, so separators
    // can be turned after the conversion.
    std::string bytes = unicode::toUtf8(text);
    std::replace(bytes.begin(), bytes.end(), '\\', '/');
    if (!drive)
        return resolveLetterCase(std::move(bytes));
    // The root joined with the relative rest as fs::path's "/" joins them: a
    // separator goes between unless the root is empty or ends in one.
    std::string joined = driveRoot().native();
    if (!joined.empty() && joined.back() != '/')
        joined.push_back('/');
    joined.append(bytes);
    return resolveLetterCase(std::move(joined));
}

}  // namespace

void setDriveRoot(const fs::path& root) {
    driveRootOverride() = root;
    rememberedMappings().paths.clear();
}

fs::path driveRoot() {
    if (!driveRootOverride().empty())
        return driveRootOverride();
    const char* fromEnvironment = std::getenv("VTSS_DRIVE_ROOT");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0')
        return fs::path(fromEnvironment);
    return fs::path("/");
}

fs::path mapPath(const Tvx_String& path) {
    return fs::path(mapPathText(path));
}

std::string mapPathText(const Tvx_String& path) {
    if (!fileStatusRemembered())
        return mapAfresh(path);
    RememberedMappings& mappings = rememberedMappings();
    if (mappings.generation != fileStatusGeneration()) {
        mappings.paths.clear();
        mappings.generation = fileStatusGeneration();
    }
    const auto known = mappings.paths.find(path.str());
    if (known != mappings.paths.end())
        return known->second;
    return mappings.paths.emplace(path.str(), mapAfresh(path)).first->second;
}

void clearPathMappingCache() {
    folderNames().clear();
    rememberedMappings().paths.clear();
}

// Mapping of the module's paths (backslashes, drive prefixes, any letter case)
// onto this file system.
#include "platform/core/PathMapping.h"

#include <cstdlib>
#include <optional>
#include <system_error>

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
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

// The folders listed for letter-case look-ups, kept while unchanged.
FolderNames& folderNames() {
    static FolderNames names;
    return names;
}

fs::path resolveLetterCase(const fs::path& path) {
    if (path.empty() || existsQuietly(path))
        return path;
    // The usual miss: a file not (yet) in a folder that exists as written.
    // Every earlier component then exists too, so only the last is looked up.
    // (The parent is rebuilt component by component, as the walk below would.)
    if (path.has_filename() && path.has_parent_path() && existsQuietly(path.parent_path())) {
        fs::path parent = path.root_path();
        for (const fs::path& component : path.parent_path().relative_path())
            parent /= component;
        const std::optional<fs::path> match =
            folderNames().findIgnoringCase(parent, path.filename());
        return parent / (match ? *match : path.filename());
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
        const std::optional<fs::path> match = folderNames().findIgnoringCase(resolved, *component);
        if (!match)
            break;
        resolved /= *match;
    }
    for (; component != relative.end(); ++component)
        resolved /= *component;
    return resolved;
}

}  // namespace

void setDriveRoot(const fs::path& root) {
    driveRootOverride() = root;
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
    std::wstring text = path.str();
    for (wchar_t& c : text) {
        if (c == L'\\')
            c = L'/';
    }
    fs::path mapped;
    if (text.size() >= 2 && isAsciiLetter(text[0]) && text[1] == L':') {
        std::wstring rest = text.substr(2);
        while (!rest.empty() && rest.front() == L'/')
            rest.erase(0, 1);
        mapped = driveRoot() / fs::path(unicode::toUtf8(rest));
    } else {
        mapped = fs::path(unicode::toUtf8(text));
    }
    return resolveLetterCase(mapped);
}

void clearPathMappingCache() {
    folderNames().clear();
}

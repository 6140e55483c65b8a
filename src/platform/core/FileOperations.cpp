// Existence, listing, folders, times, copies and deletions of files.
#include "platform/core/FileOperations.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "platform/core/FileBytes.h"
#include "platform/core/FileStamp.h"
#include "platform/core/FileStatus.h"
#include "platform/core/PathMapping.h"
#include "platform/core/StampedCache.h"

namespace fs = std::filesystem;

namespace {

// Matches name[n..] against pattern[p..]; "*" by backtracking to the last star.
bool matchWildcards(const std::wstring& name, const std::wstring& pattern) {
    size_t n = 0, p = 0;
    size_t starPattern = std::wstring::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() &&
            (pattern[p] == L'?' || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == L'*') {
            starPattern = p++;
            starName = n;
        } else if (starPattern != std::wstring::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

Tvx_String withSeparator(const Tvx_String& folder) {
    if (folder.isEmpty() || folder.endsWith(L"\\") || folder.endsWith(L"/"))
        return folder;
    return folder + Tvx_String(L"\\");
}

struct FolderEntries {
    std::vector<Tvx_String> files;
    std::vector<Tvx_String> folders;
};

// Reads the names of the files and sub-folders of a folder, each sorted;
// hasLinks tells whether any entry is a symbolic link. Nothing when the folder
// cannot be listed.
std::optional<FolderEntries> readFolder(const fs::path& folder, bool& hasLinks) {
    hasLinks = false;
    std::error_code error;
    FolderEntries entries;
    fs::directory_iterator it(folder, error);
    if (error)
        return std::nullopt;
    for (const fs::directory_iterator end; it != end; it.increment(error)) {
        const Tvx_String name = Tvx_String::fromUtf8(it->path().filename().string());
        std::error_code statusError;
        const fs::file_type type = it->symlink_status(statusError).type();
        if (type == fs::file_type::symlink)
            hasLinks = true;
        if (type == fs::file_type::directory) {
            entries.folders.push_back(name);
        } else if (it->is_regular_file(statusError)) {
            entries.files.push_back(name);
        }
    }
    if (error)
        return std::nullopt;
    std::sort(entries.files.begin(), entries.files.end());
    std::sort(entries.folders.begin(), entries.folders.end());
    return entries;
}

// Folder listings kept while the folder is unchanged on disk (a library's
// section folder is searched at every evaluation), by the rules of
// StampedCache.h. A folder's stamp changes when entries are added, removed or
// renamed, and an entry cannot turn from file into folder without that. A
// folder holding symbolic links is listed afresh every time (their targets may
// change unseen). A change of the folder's permissions alone is not noticed.
StampedCache<FolderEntries>& keptListings() {
    static StampedCache<FolderEntries> listings(64);
    return listings;
}

// The names of the files and sub-folders of a folder, each sorted; null when
// the folder cannot be listed.
std::shared_ptr<const FolderEntries> listFolder(const fs::path& folder) {
    if (folder.empty())
        return nullptr;
    const std::optional<FileStamp> stamp = folderStampOf(folder);
    if (!stamp)
        return nullptr;
    return keptListings().get(folder.native(), *stamp, [&]() -> StampedCache<FolderEntries>::Made {
        bool hasLinks = false;
        std::optional<FolderEntries> read = readFolder(folder, hasLinks);
        if (!read)
            return {};
        return {std::make_shared<const FolderEntries>(std::move(*read)), !hasLinks};
    });
}

bool findFiles(const Tvx_String& folder, const Tvx_String& pattern, bool recursive,
               Tvx_StringArray& paths) {
    const std::shared_ptr<const FolderEntries> entries = listFolder(mapPath(folder));
    if (!entries)
        return false;
    const Tvx_String prefix = withSeparator(folder);
    for (const Tvx_String& name : entries->files) {
        if (matchesFilePattern(name, pattern))
            paths.append(prefix + name);
    }
    if (recursive) {
        for (const Tvx_String& name : entries->folders) {
            findFiles(prefix + name, pattern, true, paths);
        }
    }
    return true;
}

Tvx_FileTime modificationTime(const FileStamp& stamp) {
    return Tvx_FileTime(std::chrono::duration_cast<Tvx_FileTime::duration>(
        std::chrono::nanoseconds(stamp.modifiedNanoseconds)));
}

}  // namespace

bool matchesFilePattern(const Tvx_String& name, const Tvx_String& pattern) {
    if (pattern.str() == L"*.*")
        return true;
    return matchWildcards(name.str(), pattern.str());
}

bool ObjectExportFileExists(const Tvx_String& path) {
    return pathStatus(mapPathText(path)).kind == PathKind::File;
}

bool ObjectExportFolderExists(const Tvx_String& path) {
    return pathStatus(mapPathText(path)).kind == PathKind::Folder;
}

bool ObjectExportFindFiles(const Tvx_String& folder, const Tvx_String& pattern,
                           Tvx_StringArray& paths) {
    paths.removeAll();
    return findFiles(folder, pattern, false, paths);
}

bool ObjectExportFindFilesRecursive(const Tvx_String& folder, const Tvx_String& pattern,
                                    Tvx_StringArray& paths) {
    paths.removeAll();
    return findFiles(folder, pattern, true, paths);
}

bool ObjectExportCreateDirectory(const Tvx_String& folder) {
    const fs::path mapped = mapPath(folder);
    if (mapped.empty())
        return false;
    std::error_code error;
    fs::create_directories(mapped, error);
    forgetFileStatus();
    return pathStatus(mapped).kind == PathKind::Folder;
}

bool ObjectExportGetFileTime(const Tvx_String& path, Tvx_FileTime& time) {
    const PathStatus status = pathStatus(mapPathText(path));
    if (status.kind == PathKind::Missing)
        return false;
    time = modificationTime(status.stamp);
    return true;
}

bool ObjectExportCopyFile(const Tvx_String& source, const Tvx_String& target, bool overwrite) {
    const PathStatus sourceStatus = pathStatus(mapPathText(source));
    if (sourceStatus.kind == PathKind::Missing)
        return false;
    const std::optional<std::string> bytes = readFileBytes(source);
    if (!bytes)
        return false;
    if (!overwrite && pathStatus(mapPathText(target)).kind != PathKind::Missing)
        return false;
    if (!writeFileBytes(target, *bytes))
        return false;
    std::error_code error;
    fs::last_write_time(mapPath(target),
                        std::chrono::file_clock::from_sys(modificationTime(sourceStatus.stamp)),
                        error);
    forgetFileStatus();
    return true;
}

bool deleteFile(const Tvx_String& path) {
    const fs::path mapped = mapPath(path);
    const PathKind kind = pathLinkStatus(mapped).kind;
    if (kind != PathKind::File && kind != PathKind::Link)
        return false;
    std::error_code error;
    const bool removed = fs::remove(mapped, error) && !error;
    forgetFileStatus();
    return removed;
}

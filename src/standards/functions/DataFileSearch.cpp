// Finding the data files of the standards functions.
#include "standards/functions/DataFileSearch.h"

#include <optional>

#include "platform/core/FileOperations.h"
#include "platform/core/Tvx_Settings.h"
#include "standards/functions/DataFileCache.h"

namespace {

// The library's folders searched after the argument itself, in order.
const Tvx_String kLibrarySubfolders[] = {
    Tvx_String(L"Connection Standards\\Data\\"),
    Tvx_String(L"Connection Standards\\"),
    Tvx_String(),
};

// The candidates are made one at a time, each only when the ones before it
// do not exist.
std::optional<Tvx_String> searchDataFile(const Tvx_String& argument) {
    if (ObjectExportFileExists(argument))
        return argument;
    const Tvx_String libDir = gSettings.libDir();
    Tvx_String candidate;
    for (const Tvx_String& subfolder : kLibrarySubfolders) {
        candidate = libDir;
        candidate += subfolder;
        candidate += argument;
        if (ObjectExportFileExists(candidate))
            return candidate;
    }
    return std::nullopt;
}

}  // namespace

bool findDataFile(const Tvx_String& argument, Tvx_String& path) {
    if (argument.isEmpty())
        return false;
    DataFileCache* cache = DataFileCache::active();
    const std::optional<Tvx_String>* found = nullptr;
    std::optional<Tvx_String> searched;
    if (cache) {
        auto kept = cache->paths.find(argument);
        if (kept == cache->paths.end())
            kept = cache->paths.emplace(argument, searchDataFile(argument)).first;
        found = &kept->second;
    } else {
        searched = searchDataFile(argument);
        found = &searched;
    }
    if (!*found)
        return false;
    path = **found;
    return true;
}

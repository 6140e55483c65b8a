// Finding the data files of the standards functions.
#include "standards/functions/DataFileSearch.h"

#include <optional>

#include "platform/core/FileOperations.h"
#include "platform/core/Tvx_Settings.h"
#include "standards/functions/DataFileCache.h"

namespace {

std::optional<Tvx_String> searchDataFile(const Tvx_String& argument) {
    const Tvx_String libDir = gSettings.libDir();
    const Tvx_String candidates[] = {
        argument,
        libDir + Tvx_String(L"Connection Standards\\Data\\") + argument,
        libDir + Tvx_String(L"Connection Standards\\") + argument,
        libDir + argument,
    };
    for (const Tvx_String& candidate : candidates) {
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
    std::optional<Tvx_String> found;
    if (cache && cache->paths.contains(argument)) {
        found = cache->paths[argument];
    } else {
        found = searchDataFile(argument);
        if (cache)
            cache->paths[argument] = found;
    }
    if (!found)
        return false;
    path = *found;
    return true;
}

// Finding the data files of the standards functions.
#include "standards/functions/DataFileSearch.h"

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/core/FileOperations.h"
#include "platform/core/FileStamp.h"
#include "platform/core/PathMapping.h"
#include "platform/core/Tvx_Settings.h"
#include "standards/functions/DataFileCache.h"

namespace {

// The library's folders searched after the argument itself, in order.
const Tvx_String kLibrarySubfolders[] = {
    Tvx_String(L"Connection Standards\\Data\\"),
    Tvx_String(L"Connection Standards\\"),
    Tvx_String(),
};

// The folder a path names its file in, written as the module writes paths:
// the text before the last separator (the root for a file in the root), the
// drive of a drive path without one ("c:name"), else the working folder.
Tvx_String folderOf(const Tvx_String& path) {
    const std::wstring& text = path.str();
    const std::size_t separator = text.find_last_of(L"\\/");
    if (separator != std::wstring::npos)
        return Tvx_String(text.substr(0, separator == 0 ? 1 : separator));
    if (text.size() >= 2 && text[1] == L':')
        return Tvx_String(text.substr(0, 2));
    return Tvx_String(L".");
}

// A search's outcome with what it depends on.
struct Search {
    Tvx_String libDir;
    std::optional<Tvx_String> found;
    // The folders of the candidates looked at, each with its stamp taken
    // before the candidate was (nothing: no such folder).
    std::vector<std::pair<Tvx_String, std::optional<FileStamp>>> folders;

    bool holds(const Tvx_String& currentLibDir) const {
        if (libDir != currentLibDir)
            return false;
        for (const auto& [folder, stamp] : folders) {
            if (folderStampOf(mapPathText(folder)) != stamp)
                return false;
        }
        return true;
    }
    bool keepable() const {
        for (const auto& [folder, stamp] : folders) {
            if (stamp && !isSettled(*stamp))
                return false;
        }
        return true;
    }
};

// Tries the candidates in order, each made only when the ones before it do
// not exist.
Search searchDataFile(const Tvx_String& argument, const Tvx_String& libDir) {
    Search search;
    search.libDir = libDir;
    const auto exists = [&](const Tvx_String& candidate) {
        Tvx_String folder = folderOf(candidate);
        std::optional<FileStamp> stamp = folderStampOf(mapPathText(folder));
        search.folders.emplace_back(std::move(folder), stamp);
        return ObjectExportFileExists(candidate);
    };
    if (exists(argument)) {
        search.found = argument;
        return search;
    }
    Tvx_String candidate;
    for (const Tvx_String& subfolder : kLibrarySubfolders) {
        candidate = libDir;
        candidate += subfolder;
        candidate += argument;
        if (exists(candidate)) {
            search.found = candidate;
            break;
        }
    }
    return search;
}

// The searches kept between evaluations, by argument. At most kCapacity are
// kept; when one more is to be kept, all are dropped first.
class KeptSearches {
  public:
    std::optional<Tvx_String> find(const Tvx_String& argument) {
        const Tvx_String& libDir = gSettings.libDir();
        const auto kept = searches_.find(argument.str());
        if (kept != searches_.end() && kept->second.holds(libDir))
            return kept->second.found;
        Search search = searchDataFile(argument, libDir);
        std::optional<Tvx_String> found = search.found;
        if (!search.keepable()) {
            if (kept != searches_.end())
                searches_.erase(kept);
        } else if (kept != searches_.end()) {
            kept->second = std::move(search);
        } else {
            if (searches_.size() >= kCapacity)
                searches_.clear();
            searches_.emplace(argument.str(), std::move(search));
        }
        return found;
    }

  private:
    static constexpr std::size_t kCapacity = 256;
    std::unordered_map<std::wstring, Search> searches_;
};

KeptSearches& keptSearches() {
    static KeptSearches kept;
    return kept;
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
            kept = cache->paths.emplace(argument, keptSearches().find(argument)).first;
        found = &kept->second;
    } else {
        searched = keptSearches().find(argument);
        found = &searched;
    }
    if (!*found)
        return false;
    path = **found;
    return true;
}

// Folder listings kept for letter-case look-ups.
#include "platform/core/FolderNames.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxListings = 256;

}  // namespace

std::optional<fs::path> FolderNames::bestMatch(const std::vector<Entry>& entries,
                                               const Tvx_String& wanted) {
    std::optional<fs::path> best;
    for (const Entry& entry : entries) {
        if (!entry.wide.equal(wanted, false))
            continue;
        if (!best || entry.name.string() < best->string())
            best = entry.name;
    }
    return best;
}

std::optional<fs::path> FolderNames::findIgnoringCase(const fs::path& folder,
                                                      const fs::path& name) {
    const fs::path listed = folder.empty() ? fs::path(".") : folder;
    const Tvx_String wanted = Tvx_String::fromUtf8(name.string());
    const std::optional<FileStamp> stamp = folderStampOf(listed);
    if (!stamp)
        return std::nullopt;
    const auto kept = listings_.find(listed.native());
    if (kept != listings_.end() && kept->second.stamp == *stamp)
        return bestMatch(kept->second.entries, wanted);

    Listing listing{*stamp, {}};
    std::error_code error;
    for (fs::directory_iterator it(listed, error), end; !error && it != end; it.increment(error)) {
        const fs::path entryName = it->path().filename();
        listing.entries.push_back({entryName, Tvx_String::fromUtf8(entryName.string())});
    }
    std::optional<fs::path> found = bestMatch(listing.entries, wanted);
    if (error || !isSettled(*stamp)) {
        if (kept != listings_.end())
            listings_.erase(kept);
        return found;
    }
    if (kept == listings_.end() && listings_.size() >= kMaxListings)
        listings_.clear();
    listings_[listed.native()] = std::move(listing);
    return found;
}

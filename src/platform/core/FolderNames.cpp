// Folder listings kept for letter-case look-ups.
#include "platform/core/FolderNames.h"

#include <memory>
#include <system_error>

namespace fs = std::filesystem;

std::optional<fs::path> FolderNames::bestMatch(const Listing& entries, const Tvx_String& wanted) {
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
    const std::shared_ptr<const Listing> listing =
        listings_.get(listed.native(), *stamp, [&]() -> StampedCache<Listing>::Made {
            auto entries = std::make_shared<Listing>();
            std::error_code error;
            for (fs::directory_iterator it(listed, error), end; !error && it != end;
                 it.increment(error)) {
                const fs::path entryName = it->path().filename();
                entries->push_back({entryName, Tvx_String::fromUtf8(entryName.string())});
            }
            return {std::move(entries), !error};
        });
    return bestMatch(*listing, wanted);
}

// Folder listings kept for letter-case look-ups.
#include "platform/core/FolderNames.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/core/FileStatus.h"

namespace fs = std::filesystem;

std::optional<std::string> FolderNames::bestMatch(const Listing& entries,
                                                  const Tvx_String& wanted) {
    const Entry* best = nullptr;
    for (const Entry& entry : entries) {
        if (!entry.wide.equal(wanted, false))
            continue;
        if (best == nullptr || entry.name < best->name)
            best = &entry;
    }
    if (best == nullptr)
        return std::nullopt;
    return best->name;
}

std::optional<std::string> FolderNames::findIgnoringCase(const std::string& folder,
                                                         const std::string& name) {
    static const std::string kWorkingFolder = ".";
    const std::string& listed = folder.empty() ? kWorkingFolder : folder;
    const PathStatus status = pathStatus(listed);
    if (status.kind != PathKind::Folder)
        return std::nullopt;
    const std::shared_ptr<const Listing> listing =
        listings_.get(listed, status.stamp, [&]() -> StampedCache<Listing>::Made {
            auto entries = std::make_shared<Listing>();
            std::error_code error;
            for (fs::directory_iterator it(listed, error), end; !error && it != end;
                 it.increment(error)) {
                std::string entryName = it->path().filename().native();
                Tvx_String wide = Tvx_String::fromUtf8(entryName);
                entries->push_back({std::move(entryName), std::move(wide)});
            }
            return {std::move(entries), !error};
        });
    return bestMatch(*listing, Tvx_String::fromUtf8(name));
}

// The names in folders, listed once and kept while the folder is unchanged, for
// finding a file or folder whose name is written in another letter case.
//
// A listing is kept with the folder's stamp by the rules of StampedCache.h; a
// folder whose entries were added, removed or renamed since has another stamp
// and is listed again. At most 256 folders are kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/core/StampedCache.h"
#include "platform/core/Tvx_String.h"

class FolderNames {
  public:
    // The entry of folder (a file-system path's text; empty: the working
    // folder) whose name equals name ignoring letter case (Tvx_String::equal,
    // flag clear); of several, the one that sorts first. Nothing when none
    // matches or the folder cannot be listed.
    std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name);
    void clear() { listings_.clear(); }

  private:
    struct Entry {
        std::string name;
        Tvx_String wide;
    };
    using Listing = std::vector<Entry>;
    static std::optional<std::string> bestMatch(const Listing& entries, const Tvx_String& wanted);

    StampedCache<Listing> listings_{256};
};

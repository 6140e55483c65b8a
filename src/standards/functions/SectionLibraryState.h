// What the section names of the section library (Tvx_SectionTables) depend on,
// so that names looked up once can be kept while it is unchanged.
//
// The library answers from the tables it holds, and reads more from its
// "prof" folder when asked for one it does not hold. So the state is the
// library's revision (which changes with the tables held), the "prof" folder
// and that folder's stamp (which changes when a table file is added, removed
// or renamed, as every write of the module's own does). A table file already
// held is not read again by the library when edited, so its edits need no
// watching; one edited in place after the library found it unreadable is not
// noticed until the folder changes.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/core/FileStamp.h"
#include "platform/core/Tvx_String.h"

struct SectionLibraryState {
    std::uint64_t revision = 0;
    Tvx_String profFolder;
    std::optional<FileStamp> profFolderStamp;  // nothing: no such folder

    // Whether names found in this state may be kept: a folder changed in the
    // last moments might change again without its stamp showing it.
    bool keepable() const { return !profFolderStamp || isSettled(*profFolderStamp); }

    friend bool operator==(const SectionLibraryState&, const SectionLibraryState&) = default;
};

// The state of gSectionTables and the current library folder. While an
// evaluation is under way the folder is looked at once (FileStatus.h).
SectionLibraryState currentSectionLibraryState();

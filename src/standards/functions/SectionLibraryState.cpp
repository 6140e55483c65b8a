// The state of the section library that kept section names depend on.
#include "standards/functions/SectionLibraryState.h"

#include "platform/core/FileStamp.h"
#include "platform/core/PathMapping.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/core/macro/Tvx_SectionTables.h"

SectionLibraryState currentSectionLibraryState() {
    SectionLibraryState state;
    state.revision = gSectionTables.revision();
    state.profFolder = gSettings.libDir() + Tvx_String(L"prof");
    state.profFolderStamp = folderStampOf(mapPathText(state.profFolder));
    return state;
}

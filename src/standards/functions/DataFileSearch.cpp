// Finding the data files of the standards functions.
#include "standards/functions/DataFileSearch.h"

#include "platform/core/FileOperations.h"
#include "platform/core/Tvx_Settings.h"

bool findDataFile(const Tvx_String& argument, Tvx_String& path) {
    if (argument.isEmpty())
        return false;
    const Tvx_String libDir = gSettings.libDir();
    const Tvx_String candidates[] = {
        argument,
        libDir + Tvx_String(L"Connection Standards\\Data\\") + argument,
        libDir + Tvx_String(L"Connection Standards\\") + argument,
        libDir + argument,
    };
    for (const Tvx_String& candidate : candidates) {
        if (ObjectExportFileExists(candidate)) {
            path = candidate;
            return true;
        }
    }
    return false;
}

// Reading and writing macro files on disk.
#include <optional>

#include "platform/core/FileBytes.h"
#include "platform/core/macro/MacroFile.h"

bool readMacroFile(const Tvx_String& path, Tvx_Macro& macro, MacroFileError& error) {
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes) {
        error = MacroFileError{Tvx_String(L"cannot read the file"), 0, 0};
        return false;
    }
    return macroFromJson(*bytes, macro, error);
}

bool writeMacroFile(const Tvx_String& path, const Tvx_Macro& macro) {
    return writeFileBytes(path, macroToJson(macro));
}

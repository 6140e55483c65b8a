// Fuzzes the macro file reader: a text it accepts must be written and read
// back to the same macro.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/core/macro/MacroFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Tvx_Macro macro;
    MacroFileError error;
    if (!macroFromJson(text, macro, error)) {
        if (error.reason.isEmpty() || error.line < 0 || error.column < 0)
            std::abort();
        return 0;
    }
    const std::string written = macroToJson(macro);
    Tvx_Macro again;
    if (!macroFromJson(written, again, error) || !(again == macro))
        std::abort();
    return 0;
}

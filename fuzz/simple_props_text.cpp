// Fuzzes the settings text form: any text reads without fault, and once read
// and written, a text form reads back to the identical text form. (One pass is
// needed first: a number too large for a double reads as infinity, which is
// written as "inf" and reads back as 0.)
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/core/Unicode.h"
#include "sheeteditor/Tvx_SimplePropsList.h"
#include "sheeteditor/VtSSSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Tvx_String text(unicode::decodeText(bytes));

    Tvx_SimplePropsList first;
    first.fromText(text);
    Tvx_SimplePropsList list;
    list.fromText(first.toText());
    Tvx_SimplePropsList again;
    again.fromText(list.toText());
    if (again.toText() != list.toText())
        std::abort();

    VtSSSettings firstSettings;
    firstSettings.readTextForm(text);
    VtSSSettings settings;
    settings.readTextForm(firstSettings.textForm());
    VtSSSettings settingsAgain;
    settingsAgain.readTextForm(settings.textForm());
    if (settingsAgain.textForm() != settings.textForm())
        std::abort();
    return 0;
}

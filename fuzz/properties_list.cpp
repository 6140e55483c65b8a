// Fuzzes the properties-list reader: any bytes either fail with a message or
// give a list that writes and reads back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/core/Tvx_PropertiesList.h"
#include "platform/core/Unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Tvx_String text(unicode::decodeText(bytes));
    Tvx_PropertiesList list;
    Tvx_String error;
    if (!list.readFromText(text, L"fuzz.txt", &error)) {
        if (!error.startsWith(L"fuzz.txt:"))
            std::abort();
        return 0;
    }
    Tvx_PropertiesList again;
    if (!again.readFromText(list.toText(), L"again.txt", &error) || !(again == list))
        std::abort();
    return 0;
}

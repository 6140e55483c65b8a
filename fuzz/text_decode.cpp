// Fuzzes the decoding of file bytes and the number readers over what they decode.
#include <cstdint>
#include <string_view>

#include "platform/core/NumberText.h"
#include "platform/core/Unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::wstring text = unicode::decodeText(bytes);
    (void)unicode::toUtf8(text);
    (void)numtext::parseLeadingDouble(text);
    (void)numtext::parseLeadingInt(text);
    double value = 0;
    if (numtext::parseWholeDouble(text, value)) (void)numtext::formatGeneral(value);
    return 0;
}

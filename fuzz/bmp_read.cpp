// Fuzzes the BMP reader and writes back whatever it reads.
#include <cstdint>
#include <string_view>

#include "platform/ui/gdi/BmpFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    if (const auto image = readBmp(bytes, &error)) (void)writeBmp(*image, 24);
    return 0;
}

// Fuzzes the registry file reader; what it reads must write and read back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/ui/registry/RegistryFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto keys = registry::readRegistryText(bytes);
    if (registry::readRegistryText(registry::writeRegistryText(keys)) != keys) std::abort();
    return 0;
}

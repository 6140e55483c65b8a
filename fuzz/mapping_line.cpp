// Fuzzes the parsing of mapping-file lines: every entry that parses must be
// written back as the same mapping string and read back as the same map, and
// a mapping compares as it should with itself.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/core/ArrayText.h"
#include "platform/core/Unicode.h"
#include "standards/VtSSMapping.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    VtSSMapping mapping;
    mapping.initMappingFromLine(Tvx_String(unicode::decodeText(bytes)));
    for (const VtObjectMap& map : mapping.mappedObjects()) {
        Tvx_String mappingString;
        Tvx_String variable;
        if (map.setMappingToStrs(mappingString, variable) != eOk)
            std::abort();
        VtObjectMap again;
        if (again.getMappingFromStrs(variable, mappingString) != eOk)
            std::abort();
        if (!(again.module == map.module) || !(again.objName == map.objName) ||
            again.type != map.type || !(again.ssVar == map.ssVar)) {
            std::abort();
        }
    }
    // Every map is compatible with itself; a mapping is equal to itself unless
    // two maps share a variable name (the first of them answers for both).
    int count = 0;
    mapping.isCompatible(mapping, count);
    if (count != mapping.mappedObjects().length())
        std::abort();
    Tvx_StringArray variables;
    for (const VtObjectMap& map : mapping.mappedObjects())
        variables.append(map.ssVar);
    if (getDuplicates(variables).isEmpty() && !mapping.isEqual(mapping))
        std::abort();
    return 0;
}

// Fuzzes CSV import: any input is imported or refused without a fault, and
// once exported, a sheet's CSV imports and exports to the same text again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/grid/Csv.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    grid::Sheet sheet;
    grid::CsvError error;
    if (!grid::importCsv(bytes, sheet, error)) {
        if (error.line < 1 || error.message.empty())
            std::abort();
        return 0;
    }
    const std::string exported = grid::exportCsv(sheet, true);
    grid::Sheet again;
    if (!grid::importCsv(exported, again, error))
        std::abort();
    if (grid::exportCsv(again, true) != exported)
        std::abort();
    return 0;
}

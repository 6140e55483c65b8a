// Fuzzes the sheet file reader: any input is read or refused without a fault,
// and a sheet that was read writes back to a text that reads as the same sheet.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/grid/SheetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    grid::Sheet sheet;
    grid::SheetFileError error;
    if (!grid::readSheetText(bytes, sheet, error)) {
        if (error.line < 1 || error.message.empty())
            std::abort();
        return 0;
    }
    const std::string written = grid::writeSheetText(sheet, grid::SheetFileContent::Everything);
    grid::Sheet again;
    if (!grid::readSheetText(written, again, error) || !(again == sheet))
        std::abort();
    if (grid::writeSheetText(again, grid::SheetFileContent::Everything) != written)
        std::abort();
    return 0;
}

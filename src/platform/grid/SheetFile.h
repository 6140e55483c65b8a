// Reading and writing sheet files (the format is described in FORMAT.md).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/core/Tvx_String.h"

#include "platform/grid/Sheet.h"

namespace grid {

// Why a sheet file could not be read: the line (from 1; 0 when the file itself
// could not be read) and the reason in English.
struct SheetFileError {
    int line = 0;
    std::string message;
};

// What a file holds: everything, or only the cells' values, formulas, tags and
// notes (no types, formats, sizes, spans, active cell or selection).
enum class SheetFileContent { Everything, DataOnly };

// The text of a sheet file for the sheet.
std::string writeSheetText(const Sheet& sheet, SheetFileContent content);

// Reads the text of a sheet file into `sheet`. On any error returns false,
// fills `error` and leaves `sheet` as it was. A sheet read successfully has its
// change flag cleared.
bool readSheetText(std::string_view bytes, Sheet& sheet, SheetFileError& error);

// The same on files, by the module's paths (mapped by the core's mapPath).
// Saving is atomic (the core's writeFileBytes): a failed save leaves the old
// file whole. Loading a file that cannot be read fails with line 0.
// Loading keeps what it parsed while the file stays unchanged on disk
// (ParsedFileCache.h), so a sheet loaded again is copied, not parsed again.
bool loadSheetFile(const Tvx_String& path, Sheet& sheet, SheetFileError& error);
// The sheet kept for the file (read now when it is not kept or changed on
// disk), to be copied by the caller; null, with `error`, when it is refused.
std::shared_ptr<const Sheet> loadKeptSheetFile(const Tvx_String& path, SheetFileError& error);
// Forgets the sheet files kept by loadSheetFile.
void clearSheetFileCache();
bool saveSheetFile(const Tvx_String& path, const Sheet& sheet, SheetFileContent content);

}  // namespace grid

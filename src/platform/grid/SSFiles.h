// The grid library's sheet files (format: FORMAT.md). Conventions: SSTypes.h.
// Paths are the module's (mapped by the core's mapPath).
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/grid/SSTypes.h"

// Loads a sheet file into the grid: 1 on success. A file that cannot be read
// or holds a bad line loads as 0 and leaves the sheet as it was; the line and
// reason are then available from SSGetLoadError. The window settings and
// options stay as they are, the change flag is cleared.
BOOL SSLoadFromFile(HWND window, const Tvx_String& path);
// Saves the sheet: 1 on success. Flag 0 saves everything; non-zero only the
// cells' values, formulas, tags and notes. The write is atomic.
BOOL SSSaveToFile(HWND window, const Tvx_String& path, BOOL dataOnly);
// After a failed load: non-zero, with the line (0: the file could not be
// read) and the reason in English. 0 when the last load succeeded or none ran.
BOOL SSGetLoadError(HWND window, int& line, Tvx_String& reason);

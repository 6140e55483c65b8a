// copyPageFile: keeps a sheet's print header or footer file beside the sheet
// when the sheet is saved, so that the two travel together.
#pragma once

#include "platform/core/Tvx_String.h"
#include "sheeteditor/VtSSSettings.h"

// Copies the settings' header file (header true) or footer file (false) into
// the folder of sheetFile under its own file name, overwriting a file of that
// name, and copies the file of the same name with extension "bmp" as well when
// there is one (its failure is not reported). Then points the settings at the
// copy. False, changing nothing, when the header or footer file is empty or
// does not exist, or when its copy cannot be written.
bool copyPageFile(VtSSSettings& settings, const Tvx_String& sheetFile, bool header);

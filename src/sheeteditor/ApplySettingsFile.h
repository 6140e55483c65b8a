// applySettingsFile: prepares a sheet for the spreadsheet editor and gives it
// its page and print settings from a settings file.
#pragma once

#include "platform/core/Tvx_String.h"

class Tvx_Spread;

// 1. Sets the editor's options on the sheet: grid lines, both headers and
//    scroll bars shown, automatic recalculation, formulas typed by the user,
//    clipboard keys, Tab moving inside the sheet, redraw on.
// 2. With initialise: 6 columns and 11 rows, a text cell type of at most 100
//    characters on the whole sheet; the settings file `name` loaded, or when
//    that fails the registry's default settings file; the settings written
//    into the sheet's corner tag; and, when they name a font and a positive
//    height, the sheet takes that font (bold headers, normal body).
// 3. Text tips next to the pointer after 10 ms (their other settings kept),
//    and no note indicator.
// False, changing nothing, when the sheet has no window; true otherwise, also
// when no settings file could be read (the defaults are then used).
bool applySettingsFile(Tvx_Spread& sheet, const Tvx_String& name, bool initialise);

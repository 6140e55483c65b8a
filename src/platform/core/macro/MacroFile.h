// The macro file: one connection macro as a UTF-8 JSON text.
//
//     {
//       "name": "BasePlate",
//       "generalVariables": [ {"name": "gen_Gap", "value": 12.0} ],
//       "baseProfiles": [ {"section": "HEA-200", "material": "S235"} ],
//       "modules": [
//         { "name": "Plate1", "group": "Plate", "kind": 0,
//           "variables": [ {"name": "Thickness", "value": 10.0, "visible": true,
//                           "settable": true, "flexFix": "fix"} ],
//           "cuts": [ {"name": "Notch", "type": "contour",
//                      "offsets": {"centerOffset": 0.0, "insideOffset": 5.0,
//                                  "outsideOffset": 5.0}} ] },
//         { "name": "Bolts1", "group": "Bolts", "kind": 232,
//           "boltData": {"assembly": "M20 8.8", "diameter": "20", "holeOffset": "2",
//                        "penetrationLength": "", "addedLength": ""},
//           "patterns": [ {"id": 1, "name": "Main", "kind": 282, "nrBolts1": "2",
//                          "nrBolts2": "3", "reverseStart1": false,
//                          "reverseStart2": true} ] },
//         { "name": "Stiffeners", "group": "", "kind": 233,
//           "placements": [ {"name": "Stiffener", "memberName": "ST1",
//                            "section": "FL-10X100", "material": "S355"} ] }
//       ]
//     }
//
// Required: the top-level "name" (text) and "modules" (array); each general
// variable's "name" and "value"; each base profile's "section"; each module's
// "name"; each variable's "name" and "value"; each cut's "name" and "type";
// each pattern's and placement's "name". Everything else is optional:
// "group" "", "kind" 0, "visible" and "settable" true, no "flexFix" means the
// variable has no flex/fix button, missing offsets and texts are 0 and "",
// a pattern's "kind" is 281 (one direction) and its "id" the next free number.
// Numbers are JSON numbers, texts JSON strings, flags true/false; "kind" and
// "id" are whole numbers. Cut types and offset names are those of MacroCodes.h;
// a cut may carry only the offsets of its type. "boltData" and "patterns"
// belong to bolt modules (kind 232), "placements" to profile modules (kind
// 233), "nrBolts2" and "reverseStart2" to two-direction patterns (kind 282).
// Names are unique (letter case ignored) among the modules, the general
// variables, and within a module among its variables, cuts, patterns (names and
// ids) and named placements. A UTF-8 byte-order mark is skipped.
//
// Keys this model does not know are kept, at every level, and written back
// after the known keys in their original order. Writing uses two-space
// indentation and writes the known keys in the order above.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/Tvx_String.h"
#include "platform/core/macro/Tvx_Macro.h"

// Why a macro file was refused. line and column (from 1, in characters) are
// where the JSON parser stopped at a syntax error (the last character of the
// offending token); they are 0 when the text is valid JSON but does not describe a macro,
// and reason then begins with the place, e.g. "modules[1].variables[0]: missing
// key \"value\"".
struct MacroFileError {
    Tvx_String reason;
    int line = 0;
    int column = 0;
    // "FILE:LINE:COLUMN: REASON", or "FILE: REASON" without a position.
    Tvx_String describe(const Tvx_String& file) const;
};

// Reads a macro from JSON text. On failure returns false, fills error and
// leaves macro untouched.
bool macroFromJson(std::string_view utf8, Tvx_Macro& macro, MacroFileError& error);

// The macro as JSON text (ends with a line feed).
std::string macroToJson(const Tvx_Macro& macro);

// Reads the macro file at path (a module path, mapped by mapPath). A missing or
// unreadable file is refused with the reason "cannot read the file".
bool readMacroFile(const Tvx_String& path, Tvx_Macro& macro, MacroFileError& error);

// Writes the macro to path, atomically; false when the file cannot be written
// (the old file then stays as it was).
bool writeMacroFile(const Tvx_String& path, const Tvx_Macro& macro);

// The exported entry points of the formulas dialog: reading a sheet file into
// arrays, and the developer's formula trial on a fixed file.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

// The fixed file EvaluateSS opens (mapped like every drive path).
inline constexpr const wchar_t* kEvaluateSSFile = L"c:\\a\\t3.sss";

// Reads a sheet file through the formulas dialog in its reading mode: title
// gets the text of cell (1, 1), columnNames the header texts of every column,
// rows the display texts of every row (one entry per column). All three are
// emptied first; a file that is missing or cannot be read leaves them empty.
// Stored formula results are read as they stand (nothing is recomputed).
void ReadSSFile(const Tvx_String& file, Tvx_String& title, Tvx_StringArray& columnNames,
                Tvx_StringArrArr& rows);

// Opens the formulas dialog on kEvaluateSSFile and computes its trial cell
// (CFormula::kTryColumn, kTryRow); the dialog stays until the user closes it.
// A missing file shows the dialog's new empty sheet.
void EvaluateSS();

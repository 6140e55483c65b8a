// The grid library's functions for the sheet's size, cell texts and numbers,
// tags and notes. Conventions (handles, coordinates, results): SSTypes.h.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/grid/SSTypes.h"

// The column (row) count: 0..16384 columns, 0..1048576 rows; a count beyond
// is refused. Shrinking drops what lies beyond (see Sheet::setColumnCount).
BOOL SSSetMaxCols(HWND window, SS_COORD columns);
BOOL SSSetMaxRows(HWND window, SS_COORD rows);
SS_COORD SSGetMaxCols(HWND window);
SS_COORD SSGetMaxRows(HWND window);

// Writes text into a cell as typed (a cell without type keeps it as text);
// SSSetValue reads it as the cell's value (a number text in a cell without type
// becomes a number). Both remove a formula and follow the type's rules
// (CellText.h); a text the type refuses fails.
BOOL SSSetData(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& text);
BOOL SSSetValue(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& text);
// The display text (SSGetData) or value text (SSGetValue) of a cell; an empty
// cell has the empty text. Outside the sheet: 0 and an empty text.
BOOL SSGetData(HWND window, SS_COORD column, SS_COORD row, Tvx_String& text);
BOOL SSGetValue(HWND window, SS_COORD column, SS_COORD row, Tvx_String& text);
// The length of the display text; -1 outside the sheet.
int SSGetDataLen(HWND window, SS_COORD column, SS_COORD row);

// The cell's type code (CellType.h: 8 static text, 10 and 12 whole numbers,
// 12 a check box, 14, 15 and 16 doubles ...); -1 outside the sheet.
int SSGetCellType(HWND window, SS_COORD column, SS_COORD row);
// The cell's number: a number as it is, a text that is wholly a number read as
// one. 0 (and value 0) for a cell without a number.
BOOL SSGetFloat(HWND window, SS_COORD column, SS_COORD row, double& value);
// Writes a number by the type's rules (rounded to a number cell's decimals,
// refused outside its range; not-finite numbers refused).
BOOL SSSetFloat(HWND window, SS_COORD column, SS_COORD row, double value);

// Any cell's tag (the corner cell's too), saved with the sheet.
BOOL SSSetCellTag(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& tag);
BOOL SSGetCellTag(HWND window, SS_COORD column, SS_COORD row, Tvx_String& tag);
// A cell's note, shown as a mark in the cell while the note indicator is on.
BOOL SSSetCellNote(HWND window, SS_COORD column, SS_COORD row, const Tvx_String& note);
BOOL SSGetCellNote(HWND window, SS_COORD column, SS_COORD row, Tvx_String& note);
// The note indicator: 0 hidden, 1 shown; other values are refused.
BOOL SSSetCellNoteIndicator(HWND window, int mode);
int SSGetCellNoteIndicator(HWND window);

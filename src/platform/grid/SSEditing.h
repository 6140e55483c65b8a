// The grid library's editing functions: active cell, selected block, edit mode
// and edit-text selection, inserting and deleting rows and columns, copying
// and moving blocks, and the selection edit operations (clipboard copy, cut
// and paste). Conventions (handles, coordinates, results): SSTypes.h. None of
// these sends a notification, except that ending an edit reports it (54).
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/grid/SSTypes.h"

// The active cell is a body cell; setting it ends an edit (writing it) and
// drops the selected block. The getter fails for a sheet without cells.
BOOL SSSetActiveCell(HWND window, SS_COORD column, SS_COORD row);
BOOL SSGetActiveCell(HWND window, SS_COORD& column, SS_COORD& row);
// A block of body cells (-32767: all columns or rows); its top-left cell
// becomes active. The getter fails when no block is selected; an "all"
// dimension reads back as -32767 in both ends.
BOOL SSSetSelectBlock(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2);
BOOL SSGetSelectBlock(HWND window, SS_COORD& column, SS_COORD& row, SS_COORD& column2,
                      SS_COORD& row2);

// Edit mode on edits the active cell (refused for check box, button, picture
// and static text cells); off ends the edit, writing it. SSGetEditMode is
// non-zero while an edit is in progress.
BOOL SSSetEditMode(HWND window, BOOL on);
BOOL SSGetEditMode(HWND window);
// The selected characters [start, end) of the edit text, clamped into it;
// both fail when no edit is in progress.
BOOL SSSetEditSel(HWND window, int start, int end);
BOOL SSGetEditSel(HWND window, int& start, int& end);
// The text being edited; fails when no edit is in progress.
BOOL SSGetEditText(HWND window, Tvx_String& text);

// Insert pushes the row (column) at the position and those after it one
// further, the last falling off the sheet; delete removes it and pulls the
// rest back. The count stays. Tags, settings and spans move along.
// Positions 1..count.
BOOL SSInsRow(HWND window, SS_COORD row);
BOOL SSDelRow(HWND window, SS_COORD row);
BOOL SSInsCol(HWND window, SS_COORD column);
BOOL SSDelCol(HWND window, SS_COORD column);

// Copies (moves) a block with everything its cells hold to the block of the
// same size whose top-left cell is (destColumn, destRow); the target must lie
// inside the sheet. A dimension given as all stays all.
BOOL SSCopyRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                 SS_COORD destColumn, SS_COORD destRow);
BOOL SSMoveRange(HWND window, SS_COORD column, SS_COORD row, SS_COORD column2, SS_COORD row2,
                 SS_COORD destColumn, SS_COORD destRow);

// The selection edit operations on the clipboard stand-in (Clipboard.h).
BOOL SSClipboardCopy(HWND window);
BOOL SSClipboardCut(HWND window);
BOOL SSClipboardPaste(HWND window);

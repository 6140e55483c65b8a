// The settings of a grid window that are not part of its sheet: the boolean
// options by index, appearance, selection colours, back colour style, action
// keys, text tips and the note indicator. Sheet files do not hold them, so a
// program may set them and then load a sheet; SSReset restores the defaults.
//
// Boolean options (index: what it switches; default):
//    1  grid lines drawn between cells; on
//    2  the header row shown; on
//    3  the vertical scroll bar shown; on
//    4  the header column shown; on
//    5  the horizontal scroll bar shown; on
//    6  Tab and Shift+Tab move the active cell inside the grid (off: they
//       are left to the dialog); off
//    7  automatic recalculation of formulas after a change; on
//    8  redraw: the window repaints after changes (off: changes are not
//       painted until it is switched on again); on
//    9  Enter moves the active cell one row down; off
//   10  while editing, the left and right arrows end the edit and move the
//       active cell (off: they move the caret); off
//   11  edit mode stays on when the active cell moves, so the new cell is
//       edited at once (the editing option F8 toggles); off
//   12  text the user types that begins with "=" becomes a formula; off
//   13  Ctrl+C, Ctrl+X and Ctrl+V copy, cut and paste the selection; on
//   30  the change flag: set by every change of the sheet's content, format
//       or structure (not by moving the active cell); cleared by loading,
//       SSReset, or setting it off
// Any other index is refused by the setter and reads as off.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>

#include "platform/grid/CellFormat.h"

namespace grid {

inline constexpr int kOptionGridLines = 1;
inline constexpr int kOptionColumnHeaders = 2;
inline constexpr int kOptionVerticalScrollBar = 3;
inline constexpr int kOptionRowHeaders = 4;
inline constexpr int kOptionHorizontalScrollBar = 5;
inline constexpr int kOptionProcessTab = 6;
inline constexpr int kOptionAutoCalc = 7;
inline constexpr int kOptionRedraw = 8;
inline constexpr int kOptionMoveActiveOnEnter = 9;
inline constexpr int kOptionArrowsExitEditMode = 10;
inline constexpr int kOptionEditModePermanent = 11;
inline constexpr int kOptionAllowUserFormulas = 12;
inline constexpr int kOptionAutoClipboard = 13;
inline constexpr int kOptionChangeMade = 30;

// Appearance: 0 flat (a 1-pixel border), 1 sunken three-dimensional border
// (2 pixels), 2 no border.
inline constexpr int kAppearanceFlat = 0;
inline constexpr int kAppearanceThreeD = 1;
inline constexpr int kAppearanceNone = 2;

// Back colour style: how cell colours and grid lines meet. 0 the cell colour
// covers the whole cell and the grid lines are drawn over it; 1 the colour
// stays inside the grid lines; 2 only horizontal grid lines are drawn over the
// colour; 3 only vertical ones.
inline constexpr int kBackColorOverGrid = 0;
inline constexpr int kBackColorUnderGrid = 1;
inline constexpr int kBackColorHorizontalGrid = 2;
inline constexpr int kBackColorVerticalGrid = 3;

// Grid type: which grid lines are drawn between body cells (while option 1 is
// on), as bits: 1 horizontal lines, 2 vertical lines, 4 solid lines (without
// it the lines are dotted). The default, 7, draws both kinds, solid.
inline constexpr int kGridHorizontalLines = 1;
inline constexpr int kGridVerticalLines = 2;
inline constexpr int kGridSolidLines = 4;
inline constexpr int kGridTypeBits = kGridHorizontalLines | kGridVerticalLines | kGridSolidLines;

// Action keys: the keys of the grid's three keyboard actions.
//   0 clear: empties the selected cells that are not locked (default Delete)
//   1 edit: starts editing the active cell, caret at the end (default F2)
//   2 activate: toggles a check box or presses a button cell (default Space)
// A key of 0 leaves the action without a key.
inline constexpr int kActionClear = 0;
inline constexpr int kActionEdit = 1;
inline constexpr int kActionActivate = 2;
inline constexpr int kActionCount = 3;

struct ActionKey {
    int virtualKey = 0;  // 0: no key
    bool shift = false;
    bool control = false;
    friend bool operator==(const ActionKey&, const ActionKey&) = default;
};

// Text tips: the full text of a cell too narrow for it, shown once the pointer
// has rested on the cell for `delay` milliseconds (0..10000; the window's
// timers count at least 10) and gone when the pointer leaves the cell. Mode 0
// off, 1 over the cell, 2 below the pointer.
struct TextTip {
    int mode = 1;
    int delay = 500;
    CellFont font{L"Tahoma", 13, 400};
    Color background = 0xE1FFFF;  // pale yellow
    Color foreground = 0x000000;
    friend bool operator==(const TextTip&, const TextTip&) = default;
};

struct GridSettings {
    GridSettings();

    // False (nothing changed) for an index that is not in the table above.
    bool setOption(int index, bool value);
    bool option(int index) const;

    int appearance = kAppearanceThreeD;
    Color selectionBackground = 0xD77800;  // blue
    Color selectionForeground = 0xFFFFFF;
    int backColorStyle = kBackColorOverGrid;
    int gridType = kGridTypeBits;
    Color gridColor = 0xE5D7D0;  // pale blue-grey
    std::array<ActionKey, kActionCount> actionKeys;
    TextTip textTip;
    // 0: notes are not shown; 1: a cell with a note shows a small red mark in
    // its top right corner.
    int noteIndicator = 1;

  private:
    static constexpr int kOptionSlots = 31;
    std::bitset<kOptionSlots> options_;
};

bool isKnownOption(int index);
// The bounds the setters of the grid's interface check.
bool isValidAppearance(int appearance);
bool isValidBackColorStyle(int style);
bool isValidGridType(int type);
bool isValidTextTip(const TextTip& tip);
bool isValidNoteIndicator(int mode);

}  // namespace grid

// One grid control: a sheet with the settings of its window, the state of an
// edit in progress, and what the user's clicks, keys and typing do to it.
// The window class of the grid holds one; the library functions reach it by
// the window's handle. It knows nothing of windows itself: notifications go to
// a sink and repaint requests to a handler that the window installs.
//
// Editing: while an edit is in progress the cell keeps its value and the edit
// text is separate; ending the edit writes the edit text into the cell by the
// rules of a user typing it (see commitUserText), or drops it when cancelled.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "platform/core/Tvx_String.h"
#include "platform/grid/GridEvents.h"
#include "platform/grid/GridSettings.h"
#include "platform/grid/Sheet.h"
#include "platform/grid/SheetFile.h"
#include "platform/grid/SheetFormulas.h"

namespace grid {

class GridControl {
  public:
    using NotificationSink = std::function<void(const GridEvent&)>;
    using RepaintHandler = std::function<void()>;

    // A fresh grid: kInitialColumns by kInitialRows, default settings.
    GridControl();

    Sheet& sheet() { return sheet_; }
    const Sheet& sheet() const { return sheet_; }
    GridSettings& settings() { return settings_; }
    // The sheet's formulas (the grid's formula engine).
    SheetFormulas& formulas() { return formulas_; }
    const SheetFormulas& formulas() const { return formulas_; }
    const GridSettings& settings() const { return settings_; }

    // The boolean options of GridSettings.h; index 30 is the sheet's change
    // flag. Switching redraw back on repaints what changed meanwhile. False
    // for an unknown index.
    bool setOption(int index, bool value);
    bool option(int index) const;

    // Back to a fresh grid: sheet, settings and edit state (no notification).
    void reset();

    // Loads a sheet file in place of the sheet (ending any edit without
    // writing it); false, with lastLoadError(), when the file is refused, and
    // the sheet is then unchanged.
    bool load(const Tvx_String& path);
    const SheetFileError& lastLoadError() const { return lastLoadError_; }
    bool save(const Tvx_String& path, SheetFileContent content) const;

    // The size of the window in pixels (the window tells it on every resize).
    void setWindowSize(int width, int height);
    int windowWidth() const { return windowWidth_; }
    int windowHeight() const { return windowHeight_; }

    // The first body column and row shown (scrolling); kept within the sheet.
    void setTopLeft(int column, int row);
    int leftColumn() const;
    int topRow() const;

    // --- text tips (mode, delay and looks in GridSettings::textTip) ---
    struct ShownTip {
        std::wstring text;
        int x = 0;  // top-left of the tip in window pixels
        int y = 0;
    };
    // The pointer is over cell (column, row) at (x, y), column -1 when over no
    // cell; a shown tip goes when the pointer leaves its cell. True when a tip
    // is to be asked for once the pointer has rested for the tip delay (tips
    // on, over a body cell other than the one whose tip shows).
    bool pointerMoved(int column, int row, int x, int y);
    // The pointer rested: shows the full text of the cell under it when the
    // text is wider than the cell (mode 1 over the cell, mode 2 below the pointer).
    void pointerRested();
    const std::optional<ShownTip>& shownTip() const { return shownTip_; }

    void setNotificationSink(NotificationSink sink) { sink_ = std::move(sink); }
    void setRepaintHandler(RepaintHandler handler) { repaint_ = std::move(handler); }
    // Asks for a repaint after a change (held back while redraw is off).
    void invalidate();

    // --- the active cell and edit state, as the library functions set them ---
    // Ends an edit in progress (writing it), then moves the active cell; no
    // leave-cell notification. False outside the body.
    bool setActiveCell(int column, int row);
    bool isEditing() const { return editing_; }
    // On: starts editing the active cell with its text (a formula cell's
    // formula after "=" when user formulas are allowed), caret at the end;
    // refused for check box, button, picture and static text cells and in an
    // empty sheet. Off: ends the edit, writing it.
    bool setEditMode(bool on);
    const std::wstring& editText() const { return editText_; }
    // The selected characters [start, end) of the edit text; positions are
    // clamped into the text and swapped when reversed. False when not editing.
    bool setEditSelection(int start, int end);
    std::pair<int, int> editSelection() const { return {selectionStart_, selectionEnd_}; }

    // --- the selection edit operations ---
    // Copy puts the value texts of the selected block (or the active cell) on
    // the clipboard; cut also empties those cells that are not locked. Paste
    // writes the clipboard's rows and fields from the top-left of the
    // selection (or the active cell) as a user typing them would, cut at the
    // sheet's edges, skipping locked cells. False in an empty sheet.
    bool copySelection();
    bool cutSelection();
    bool paste();
    // Empties the selected cells (or the active cell) that are not locked.
    bool clearSelection();

    // --- the user (the window turns mouse and keyboard messages into these) ---
    // A left click on a cell: (c, 0) a column header, (0, r) a row header,
    // anything else a body cell. Clicking a check box toggles it, a button
    // cell presses it (neither when locked).
    void userClick(int column, int row);
    void userDoubleClick(int column, int row);
    // Column and row -1 when the pointer is not over a cell.
    void userRightClick(int column, int row, int x, int y);
    // A key press; returns false when the grid leaves the key to its dialog.
    bool userKey(int virtualKey, bool shift, bool control);
    // A typed character (control characters are ignored: keys handle them).
    void userChar(wchar_t character);

    // The text a user's entry puts into a cell: with user formulas allowed a
    // text beginning with "=" becomes the formula (computed later); otherwise
    // the text is read as a value by the cell's type. False when refused.
    bool commitUserText(int column, int row, const std::wstring& text);
    // True when the user may type into the cell: not locked (nor is the anchor
    // of the span it lies in), and of a kind that takes typed text.
    bool isUserEditable(int column, int row) const;

  private:
    void notify(const GridEvent& event) const;
    void notify(int code, int column, int row) const;
    // Moves the active cell as the user does: ends an edit, reports leaving
    // the cell, and with the permanent edit option starts editing the new cell.
    void userMoveTo(int column, int row);
    void startEdit(std::wstring text);
    void endEdit(bool write);
    void insertIntoEdit(const std::wstring& text);
    bool editKey(int virtualKey, bool shift, bool control);
    bool moveKey(int virtualKey, bool shift, bool control);
    // The cell a move key leads to from (column, row), stepping over spans.
    std::pair<int, int> stepFrom(int column, int row, int virtualKey, bool shift,
                                 bool control) const;
    bool actionKey(int virtualKey, bool shift, bool control);
    void activateCell(int column, int row);
    // The block the selection operations work on: the selection, else the active cell.
    Block operationBlock() const;
    std::pair<int, int> anchorOf(int column, int row) const;

    Sheet sheet_;
    GridSettings settings_;
    SheetFormulas formulas_;
    SheetFileError lastLoadError_;
    NotificationSink sink_;
    RepaintHandler repaint_;
    bool repaintPending_ = false;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    int leftColumn_ = 1;
    int topRow_ = 1;
    int pointerColumn_ = -1;
    int pointerRow_ = -1;
    int pointerX_ = 0;
    int pointerY_ = 0;
    std::optional<ShownTip> shownTip_;

    bool editing_ = false;
    int editColumn_ = 0;
    int editRow_ = 0;
    std::wstring editText_;
    std::wstring originalEditText_;
    int selectionStart_ = 0;
    int selectionEnd_ = 0;
    // A keyboard selection grows from the anchor to the moving corner.
    int selectionAnchorColumn_ = 1;
    int selectionAnchorRow_ = 1;
    int movingColumn_ = 1;
    int movingRow_ = 1;
};

}  // namespace grid

// Tvx_Spread: the grid window every dialog embeds. It turns a placeholder
// control of a dialog into a grid, formats it in the house style, moves whole
// columns and rows between the grid and the core's arrays, and adds the
// context menu, find and replace (F3, F5), the editing-option key F8,
// check-box columns, Tab navigation and column-width layouts.
//
// Rules that hold for every operation:
// - Until attachToDlgItem has made the grid window, every operation returns
//   its failure value (false, 0 or -1; an empty result) and changes nothing.
// - Cells are 1-based; row 0 and column 0 (or -32767) address the header row
//   and header column, (0, 0) the corner cell. A cell outside the sheet makes
//   an operation fail.
// - Whole numbers are written as decimal text, doubles with 2 decimals, bools
//   as "1" or "0"; reading takes the cell's value text with the atoi / atof
//   rule, and a bool is true only for "1".
//
// Section index of the sources: Tvx_Spread.cpp (creation, style, size, fonts,
// messages and keys), Tvx_SpreadCells.cpp (cells, arrays), Tvx_SpreadLayout.cpp
// (fitting, layouts, spans, locks), Tvx_SpreadEditing.cpp (context menu,
// inserting and deleting, check columns, Tab), Tvx_SpreadFind.cpp (find and
// replace).
#pragma once

#include <memory>

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_StringArray.h"
#include "spread/TSpread.h"

class CDlgFindReplace;
class dynMenu;

class Tvx_Spread : public TSpread {
  public:
    // The kinds of text getCellText reads.
    enum TextKind { kDisplayText = 0, kFormulaText = 1, kTagText = 2, kValueText = 3 };
    // The context-menu operations.
    enum MenuCode {
        kMenuSeparator = 1,
        kMenuCopy = 2,
        kMenuPaste = 3,
        kMenuInsertRow = 4,
        kMenuDeleteRow = 5,
        kMenuInsertColumn = 6,
        kMenuDeleteColumn = 7,
        kMenuCheckAll = 8,
        kMenuUncheckAll = 9,
    };
    // What tabKey reports.
    enum TabResult { kTabStays = 0, kTabLeavesForward = 2, kTabLeavesBackward = 3 };

    Tvx_Spread();
    ~Tvx_Spread() override;

    bool isCreated() const { return created_; }

    // --- Creation and style ---
    // Replaces the dialog's control by a grid window of the same rectangle and
    // id: exactly, or with exactPlacement false 5 pixels further left and 20
    // higher. The grid starts with 0 rows and 0 columns, appearance 1 and no
    // keys for its three actions. False (nothing changed) when the dialog or
    // the control does not exist, or when already attached.
    bool attachToDlgItem(CWnd* dialog, int controlId, bool exactPlacement);
    // The house style: grid lines, both headers and scroll bars shown,
    // automatic recalculation, clipboard keys, redraw on, Tab left to the
    // dialog, no user formulas; the selection dark blue (10, 36, 106) with
    // white text; the header row and column shaded light grey (230, 230, 230)
    // and the corner cell in the button-face colour. Mode 1 is for editing:
    // the edit mode stays on as the active cell moves (the F8 option), the
    // arrows leave the edit, Enter does not move. Mode 0 (or any other value)
    // is for reading: those are off and Enter moves down.
    bool applyHouseStyle(int mode);

    // --- Size ---
    // Sets the count. Growing with copyLast copies the last existing row
    // (column) into each new one. New lines get the bold font in their header
    // cell and the normal font in their body cells; a sheet that had no lines
    // gets the bold font on its whole header row and column and in its text
    // tips. False for a negative count or one the grid refuses.
    bool setMaxRows(int rows, bool copyLast = false);
    bool setMaxCols(int columns, bool copyLast = false);
    int getMaxRows() const;
    int getMaxCols() const;

    // The font of every cell and header ("Tahoma", 15 until set); setting it
    // re-applies it to the whole sheet (bold headers, normal body).
    const Tvx_String& fontName() const { return fontName_; }
    int fontHeight() const { return fontHeight_; }
    bool setSheetFont(const Tvx_String& name, int height);

    // --- Cells ---
    // Text of a kind (TextKind). False, with text empty, outside the sheet or
    // for another kind.
    bool getCellText(int column, int row, Tvx_String& text, int kind = kDisplayText) const;
    bool setCellText(int column, int row, const Tvx_String& text);
    // Sets the cell's value from text (a number text becomes a number).
    bool setCellValueText(int column, int row, const Tvx_String& text);
    bool setCellInt(int column, int row, int value);
    bool setCellDouble(int column, int row, double value);
    bool setCellBool(int column, int row, bool value);
    // False, with value 0 / false, outside the sheet.
    bool getCellInt(int column, int row, int& value) const;
    bool getCellDouble(int column, int row, double& value) const;
    bool getCellBool(int column, int row, bool& value) const;
    // The cell's type code (8 static text, 10 and 12 whole numbers, 12 a check
    // box, 14 to 16 doubles); -1 outside the sheet.
    int getCellType(int column, int row) const;

    // --- Column and row transfers ---
    // Write values into a column from row 1 (a row from column 1), stopping at
    // the sheet's last row (column). The number of cells written; -1 when the
    // column (row) is not in the sheet.
    int setColumn(int column, const Tvx_StringArray& values);
    int setColumn(int column, const Tvx_IntArray& values);
    int setColumn(int column, const Tvx_DoubleArray& values);
    int setColumn(int column, const Tvx_BoolArray& values);
    int setRow(int row, const Tvx_StringArray& values);
    int setRow(int row, const Tvx_IntArray& values);
    int setRow(int row, const Tvx_DoubleArray& values);
    int setRow(int row, const Tvx_BoolArray& values);
    // Read a column (row) into an array, one entry per row (column): display
    // texts for strings, value texts for numbers and bools. False, with the
    // array empty, when the column (row) is not in the sheet.
    bool getColumn(int column, Tvx_StringArray& values) const;
    bool getColumn(int column, Tvx_IntArray& values) const;
    bool getColumn(int column, Tvx_DoubleArray& values) const;
    bool getColumn(int column, Tvx_BoolArray& values) const;
    bool getRow(int row, Tvx_StringArray& values) const;
    bool getRow(int row, Tvx_IntArray& values) const;
    bool getRow(int row, Tvx_DoubleArray& values) const;
    bool getRow(int row, Tvx_BoolArray& values) const;
    // The display texts of the whole sheet, one array per row.
    bool getAllRows(Tvx_StringArrArr& rows) const;

    // --- Layout ---
    // The column's width becomes the widest text of its header and body cells
    // in their fonts (static text cells skipped with skipStatic).
    bool setColumnWidthToText(int column, bool skipStatic = false);
    // The row's height becomes the highest text of its header and body cells.
    bool setRowHeightToText(int row);
    bool fitAllColumns(bool skipStatic = false);
    bool fitAllRows();
    // Adds to the column what the columns leave free of the client width
    // (less the vertical scroll bar), when that is more than nothing.
    bool stretchColumn(int column);
    // Layouts, applied at once and after every resize of the window:
    // 0 none; 1 equal columns; 2 every column and row fitted to its text;
    // 3 column p1 (negative: from the right) gets p2 percent of the client
    // width; 4 column p1 gets width p2; 5 the columns of setLayoutColumns get
    // their widths. The others share what is left (ColumnLayout.h). False
    // for another mode.
    bool setLayout(int mode, int p1 = 0, int p2 = 0);
    // The columns and widths of layout 5 (pairs beyond the shorter list are
    // ignored); applied when layout 5 is in force.
    void setLayoutColumns(const Tvx_IntArray& columns, const Tvx_IntArray& widths);
    int layoutMode() const { return layoutMode_; }
    // Runs of two or more rows with equal, non-empty value texts in the column
    // become one span each, after every span touching the column is removed.
    bool mergeEqualCells(int column);
    bool lockColumn(int column, bool lock);
    bool lockCell(int column, int row, bool lock);

    // --- Editing ---
    // The context menu's operations (MenuCode) in menu order; an empty list
    // shows no menu.
    void setContextMenu(const Tvx_IntArray& codes);
    void clearContextMenu();
    const Tvx_IntArray& contextMenuCodes() const { return menuCodes_; }
    // Runs the operation of a menu code on the active cell (the top-left of
    // the selected block, or the active cell); false when it did nothing.
    bool runMenuOperation(int code);

    // Insert grows the sheet by one and opens a line at the position (which may
    // be one past the end, appending); the new line gets the fonts, with
    // copyNext the line pushed on is copied into it, with prompt the user is
    // asked for its header text. False (nothing changed) for a position
    // outside 1 to count + 1.
    bool insertRow(int row, bool prompt = false, bool copyNext = false);
    bool insertColumn(int column, bool prompt = false, bool copyNext = false);
    // Removes the line and shrinks the sheet by one; false outside the sheet.
    bool deleteRow(int row);
    bool deleteColumn(int column);
    // Every check-box cell (type 12) gets "1" or "0"; false when there is none.
    bool setAllChecks(bool checked);
    // Locks each target cell whose check cell holds "0" and unlocks it for "1";
    // the link is remembered and re-applied to a row when its check cell is
    // switched. False (nothing changed) unless both columns lie in the sheet.
    bool linkCheckColumn(int checkColumn, int targetColumn);

    // Tab pressed while the grid has the focus: moves to the next (previous)
    // cell the user may edit and answers kTabStays, or answers that the focus
    // must leave the grid when there is none. kTabLeavesForward (or Backward)
    // also when the grid is hidden or not a grid window.
    int tabKey(bool shift);
    // The grid gets the focus by Tab (Shift+Tab: backward): the first (last)
    // cell the user may edit becomes active. False when there is none.
    bool enterByTab(bool backward);

    // --- Find and replace ---
    // The first column from startColumn on whose display text equals (with
    // substring: contains) text, letter case ignored; -1 when none or text is
    // empty.
    int findInRow(const Tvx_String& text, bool substring, int row, int startColumn) const;
    // Searches from the cell after the active one to the end of the sheet; a
    // hit becomes the active cell, in edit mode with the found characters
    // selected. False, nothing changed, when nothing is found.
    bool findNext(const Tvx_String& text, bool substring);
    // The same search from (startColumn, startRow) itself on.
    bool findFrom(const Tvx_String& text, bool substring, int startColumn, int startRow);
    // Replaces the selected characters of the active cell's edit text and
    // writes the cell as its value; editing goes on with the caret after the
    // replacement. False when no edit is in progress or the cell refuses it.
    bool replaceSelection(const Tvx_String& text);
    // Replaces every occurrence of oldText (letter case ignored) in the cell's
    // value text; the number replaced, 0 when none (or oldText is empty).
    int replaceInCell(int column, int row, const Tvx_String& oldText, const Tvx_String& newText);

    // The find and replace dialog: opens it (or runs its find next, or its
    // replace, when it is open), as F3 and F5 do. False when not attached.
    bool openFindReplace(bool replace);
    CDlgFindReplace* findReplaceDialog() const { return findReplace_.get(); }
    // Closes the find and replace dialog (it asks this through its Cancel).
    void closeFindReplace();

    // F8 toggles the editing option while allowed (the default).
    bool allowF8() const { return allowF8_; }
    void setAllowF8(bool allow) { allowF8_ = allow; }

    // Watches the user's clicks, keys and typing for switched check boxes of
    // a linked check column (see onGridNotification).
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnRButtonDown(UINT flags, CPoint point) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

  protected:
    // A check box switched on (59) or off (60) by the user: in the linked
    // check column, re-applies the link to the row and moves the active cell
    // to the row's target cell. The grid reports these to its dialog, not to
    // this object, so WindowProc recognises them itself by comparing the check
    // column before and after each click, key and typed character it passes
    // on; the dialog still gets the grid's own notification.
    void onGridNotification(int code, int column, int row);

  private:
    // Bold header cells and normal body cells for lines first..last.
    void applyLineFonts(bool rows, int first, int last);
    // Bold on the whole header row, header column and the text tips.
    void applyHeaderFonts();
    bool resize(bool rows, int count, bool copyLast);
    // Writes values along a row (isRow) or column from its first cell; the
    // cells written, -1 when the line is not in the sheet.
    template <typename Array, typename ToText>
    int writeLine(bool isRow, int line, const Array& values, ToText toText);
    // Reads every cell of a row or column as text of a kind, converted.
    template <typename Array, typename FromText>
    bool readLine(bool isRow, int line, int kind, Array& values, FromText fromText) const;
    void applyLayout();
    // The header column's width while it is shown, else 0.
    int shownHeaderWidth() const;
    void applyCheckLink(int row);
    bool activeCell(int& column, int& row) const;
    // Not locked, not static text, and not inside a span unless its anchor.
    bool isUserEditableCell(int column, int row) const;
    // Visible, and of a grid window class (names beginning "SPR32", "fpSpr"
    // or "fpUSpr").
    bool isGridWindow() const;
    bool insertLine(bool isRow, int position, bool prompt, bool copyNext);
    bool deleteLine(bool isRow, int position);

    bool created_ = false;
    HWND dialogWindow_ = nullptr;
    int controlId_ = 0;
    Tvx_String fontName_ = L"Tahoma";
    int fontHeight_ = 15;
    int layoutMode_ = 0;
    int layoutParameter1_ = 0;
    int layoutParameter2_ = 0;
    std::unique_ptr<dynMenu> menu_;
    Tvx_IntArray menuCodes_;
    std::unique_ptr<CDlgFindReplace> findReplace_;
    // A closed find and replace dialog, kept until its handlers have returned.
    std::unique_ptr<CDlgFindReplace> retiredFindReplace_;
    bool allowF8_ = true;
    Tvx_IntArray layoutColumns_;
    Tvx_IntArray layoutWidths_;
    int checkColumn_ = -1;
    int checkTargetColumn_ = -1;
};

// CFormula: the modal "Formulas" dialog (template 133). It shows one sheet,
// loaded from a file, and serves three purposes chosen by its mode:
//   1 trying a formula cell: the cell is computed and its text kept;
//   2 the table look-up behind the sheet function FROMTABLE;
//   4 reading a whole sheet file into arrays (title, column names, rows).
//
// FROMTABLE is added (2 to 4 arguments) to this dialog's own sheet only, with
// bare cell references arriving as cell records, so a table shown here may
// itself look values up in other tables:
//   FROMTABLE(file, cell)               the value of that cell of the table;
//   FROMTABLE(file, cell, target)       the same, and the table cell's text is
//                                       written into target of the calling sheet;
//   FROMTABLE(file, keyColumn, valueColumn, key)
//                                       the value in the first row whose cell
//                                       in the column headed keyColumn equals
//                                       key, from the column headed valueColumn.
// Header and key texts must equal exactly (letter case counts); a number
// argument counts as its text (whole numbers in decimal, doubles with two
// decimals), a cell reference as the display text of that cell of the
// calling sheet. A table file that cannot be loaded, a header or key found in
// no column or row, or an argument of the wrong kind (an error, an empty cell,
// a range, a file that is not text, a second argument that is not a cell
// reference in the two- and three-argument forms) leaves the function without
// value: its cell shows an empty text. Every evaluation runs one modal dialog
// over the table and prints the result on the host's command line.
//
// The table file is a module path like every other (drive prefixes mapped,
// letter case of folders and names ignored where the exact path is missing);
// a relative path is taken from the process's working folder.
//
// The sheet computes only when asked (automatic recalculation off until the
// "Auto calculate" box is checked) and takes a text typed with "=" as a
// formula, so that formulas can be tried by typing them.
//
// Look-ups nest: the sheet whose formula runs FROMTABLE is the process-wide
// active table sheet, and each dialog makes its own sheet the active one
// while it computes, restoring the one it found afterwards. Nesting is bounded
// by kMaxLookUpNesting, so a table that looks itself up ends: the look-up one
// level too deep opens no dialog and leaves its result without value.
//
// Modal runs end when the user closes the dialog (OK, or the close box); with
// nobody in front of the screen (the vtss driver, tests without a script) the
// absent user of the window system closes it at once, after the work of the
// opening is done. Mode 4 closes itself with OK once the sheet is read.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/grid/SSFormulas.h"
#include "platform/ui/CDialog.h"
#include "spread/Tvx_Spread.h"

class CFormula : public CDialog {
  public:
    static constexpr int kTemplateId = 133;
    static constexpr int kFileNameEdit = 1000;
    static constexpr int kSaveButton = 1001;
    static constexpr int kSheetPlaceholder = 1004;
    static constexpr int kDefaultStyleRadio = 1005;
    static constexpr int kA1StyleRadio = 1006;
    static constexpr int kR1C1StyleRadio = 1007;
    static constexpr int kLoadButton = 1087;
    static constexpr int kAutoCalculateCheck = 1106;
    static constexpr int kRecalculateButton = 1107;

    enum Mode { kModeTryCell = 1, kModeLookUp = 2, kModeReadFile = 4 };

    // How many FROMTABLE look-ups may be under way inside one another.
    static constexpr int kMaxLookUpNesting = 8;

    // The sheet of a new dialog: 10 rows, 8 columns, cells (1, 1) to (6, 6)
    // numbers with kNumberDecimals decimals, until a file replaces it.
    static constexpr int kInitialRows = 10;
    static constexpr int kInitialColumns = 8;
    static constexpr int kNumberCellsEnd = 6;
    static constexpr int kNumberDecimals = 2;

    // The cell mode 1 computes unless setTryCell names another: the first of
    // the formula cells that the reference-style buttons show.
    static constexpr int kTryColumn = 4;
    static constexpr int kTryRow = 1;

    // A dialog of a mode on a sheet file (an empty name loads nothing). A mode
    // other than 1, 2 and 4 only shows the sheet.
    CFormula(int mode, const Tvx_String& fileName, CWnd* parent = nullptr);
    ~CFormula() override;

    // Mode 1: the cell to compute; a cell outside the sheet, or one without
    // formula, computes nothing and gives its text (empty outside the sheet).
    void setTryCell(int column, int row);
    // Mode 2: the record FROMTABLE fills and its arguments; all three stay
    // the caller's and must outlive the modal run. A null result makes the
    // look-up do nothing; null arguments, or a count outside 2..4, leave the
    // result without value.
    void setLookUp(SS_VALUE* result, const SS_VALUE* arguments, int count);
    // Mode 4: the arrays that receive the column names and the rows; without
    // both nothing is read. They are emptied first, and stay empty when the
    // file did not load.
    void setReadOutputs(Tvx_StringArray* columnNames, Tvx_StringArrArr* rows);

    int mode() const { return mode_; }
    const Tvx_String& fileName() const { return fileName_; }
    // Mode 1: the computed cell's display text; mode 4: the title (the text of
    // cell (1, 1)). Empty otherwise, and when the file could not be read.
    const Tvx_String& resultText() const { return resultText_; }
    // Whether the file named at construction loaded (false for an empty name).
    bool fileLoaded() const { return fileLoaded_; }
    Tvx_Spread& sheet() { return sheet_; }

    // The sheet whose formulas are being computed on behalf of a formulas
    // dialog (the calling sheet of FROMTABLE), or null.
    static Tvx_Spread* activeTableSheet();

    // The FROMTABLE function of the grid: runs a mode-2 dialog on the
    // arguments. Always reports success; what it found is in result.
    static BOOL fromTable(SS_VALUE* result, const SS_VALUE* arguments, int count);

    BOOL OnInitDialog() override;

  private:
    // Makes a sheet the active table sheet for its lifetime and then puts
    // back the one it found.
    class ActiveTableScope {
      public:
        explicit ActiveTableScope(Tvx_Spread* sheet);
        ~ActiveTableScope();
        ActiveTableScope(const ActiveTableScope&) = delete;
        ActiveTableScope& operator=(const ActiveTableScope&) = delete;

      private:
        Tvx_Spread* previous_;
    };

    void registerFromTable();
    // Loads a file into the sheet and adds FROMTABLE again; false when the
    // grid refuses the file.
    bool loadSheetFile(const Tvx_String& path);
    void readWholeSheet();
    void lookUp();
    // The table cell a look-up reads; false when the arguments name none.
    bool findTableCell(int& column, int& row) const;
    // An argument as the text the four-argument form compares; false for an
    // argument of a kind that has no such text.
    bool argumentText(const SS_VALUE& argument, Tvx_String& text) const;
    // Reads the table cell into the result record by its cell type.
    void readResult(int column, int row);
    void showReferenceStyle(int style);
    void switchAutoCalculate();
    void recalculateAll();
    void saveSheet();
    void loadSheet();

    Tvx_Spread sheet_;
    Tvx_String fileName_;
    int mode_;
    int tryColumn_ = kTryColumn;
    int tryRow_ = kTryRow;
    Tvx_String resultText_;
    SS_VALUE* result_ = nullptr;
    const SS_VALUE* arguments_ = nullptr;
    int argumentCount_ = 0;
    Tvx_StringArray* columnNames_ = nullptr;
    Tvx_StringArrArr* rows_ = nullptr;
    bool fileLoaded_ = false;
    // The active table sheet when this dialog was made: the calling sheet of
    // a look-up.
    Tvx_Spread* previousTableSheet_;
};

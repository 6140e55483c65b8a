// VtSSBillOutput: the list output that writes a bill of materials into the
// spreadsheet editor window, row by row, and at the end saves it as the bill
// file with the editor's print settings and the bill's header variables.
//
// Column kinds (one per column, from the first): 1 whole number, 2 number with
// one decimal (both in -99999999999999..99999999999999), 3 text of at most 200
// characters; any other value gives the column's cells no type (the general
// type, which takes text and numbers alike).
//
// Pictures: with a bill and a transaction (setVars) every row asks the core's
// picture maker for a picture of its part and shows it in a row of its own
// below it. The grid names pictures by file, so the picture is kept as
// "<bill file without extension>_pictures\\row<N>.bmp" (N the picture row)
// before the picture maker's file is deleted; without a bill file name, or
// when the copy cannot be written, the row gets no picture.
//
// Rules chosen here:
// - The sheet grows by 100 rows whenever a row (or a picture row) does not
//   fit; new rows are copies of the last row (keeping its cell types and
//   fonts) emptied of values, spans, borders, colours and pictures, so that a
//   picture or subtotal row copied last does not show through in columns
//   without a kind.
// - A row's height is fitted to its text after its values are written.
// - A picture row needs a second column; a sheet of one column grows to two.
// - At the end both the header and the footer file of the print settings are
//   copied beside the bill file (each when it exists), and the bill file is
//   saved once more so that it names the copies.
// - A bill file that cannot be saved makes onEndFeed fail (eInvalidInput).
#pragma once

#include <ctime>
#include <functional>
#include <memory>

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/core/bill/Tvx_ListOutputCallback.h"

class AcTransaction;
class DlgSSAsTool;
class Tvx_Bill;
class Tvx_Spread;

class VtSSBillOutput : public Tvx_ListOutputCallback {
  public:
    static constexpr int kKindWholeNumber = 1;
    static constexpr int kKindOneDecimal = 2;
    static constexpr int kKindText = 3;
    // How many rows the sheet grows by when a row does not fit.
    static constexpr int kGrowRows = 100;
    // The bitmap resource shown before a picture.
    static constexpr int kPictureMarkBitmap = 251;

    VtSSBillOutput();
    ~VtSSBillOutput() override;
    VtSSBillOutput(const VtSSBillOutput&) = delete;
    VtSSBillOutput& operator=(const VtSSBillOutput&) = delete;

    // Opens the editor window (once), prepares its sheet with the settings file
    // settingsFile (a ".vtd" name of the product folder; when it cannot be read
    // the registry's default settings, then the built-in defaults), draws
    // solid dark grey grid lines, keeps the print variables for the end, sets one column
    // per name with the names in the header row, and keeps the column kinds.
    // The next row written is row 1 again.
    // eNoBillWindow (nothing else done) when the window or its sheet cannot be
    // made. Lists of variable names and values of unequal length are kept as
    // given; the print settings cut the longer one.
    ErrorStatus init(const Tvx_String& fileName, const Tvx_StringArray& columnNames,
                     const Tvx_IntArray& columnKinds, const Tvx_String& settingsFile,
                     const Tvx_StringArray& varNames, const Tvx_StringArray& varValues);

    // The picture settings (platform/core/bill/BillPictures.h), the bill and
    // the transaction. A null bill or transaction means no pictures.
    void setVars(int pictureHeight, int pictureCount, int pictureMargin, bool pictureInColour,
                 bool pictureFramed, Tvx_Bill* bill, AcTransaction* transaction);

    // With bill and transaction: opens the picture progress with pictureCount
    // + 20 steps. eOk.
    ErrorStatus onStartFeed() override;
    // With bill and transaction: closes the picture progress. Then shrinks the
    // sheet to the rows written, makes the header row static text, fits the
    // columns, puts "Date", "Title" and "BillFilename" in front of the print
    // variables, writes the print settings into the sheet, saves the sheet to
    // the bill file, and copies the header and footer files beside it.
    // eInvalidInput when there is no sheet or the bill file cannot be written.
    ErrorStatus onEndFeed() override;
    // Adds the row; with bill and transaction, a picture row below it.
    // eInvalidInput when there is no sheet.
    ErrorStatus onAddRow(const Tvx_StringArray& values) override;
    // Adds the row without picture and marks every non-empty cell of it with a
    // full border and a light blue background. The other arguments are not
    // read. eInvalidInput when there is no sheet.
    ErrorStatus onAddSubTotals(const Tvx_StringArray& values, const Tvx_IntArray& summedColumns,
                               bool grandTotal, int rowCount) override;

    // Writes values into the next row (growing the sheet as needed) and, when
    // pictureFile names an existing BMP file, shows it in one more row. False
    // when there is no sheet or the sheet refuses to grow.
    bool addRow(const Tvx_StringArray& values, const Tvx_String& pictureFile);

    // The editor's sheet; null before init or after the window was closed.
    Tvx_Spread* getSSPointer() const;
    // The last row written (0 before the first).
    int row() const { return row_; }
    const Tvx_StringArray& varNames() const { return varNames_; }
    const Tvx_StringArray& varValues() const { return varValues_; }

    // Where onEndFeed takes the current time from (std::time by default).
    void setClock(std::function<std::time_t()> clock) { clock_ = std::move(clock); }

  private:
    bool hasPictureSource() const { return bill_ != nullptr && transaction_ != nullptr; }
    // row_ + 1, growing the sheet when that row is not in it.
    bool advanceRow(Tvx_Spread& sheet);
    // A row made by growing the sheet, a copy of the last row, emptied of its
    // values, spans, borders, colours and pictures.
    void clearGrownRow(Tvx_Spread& sheet, int row);
    void setRowProperties(Tvx_Spread& sheet, int row);
    bool addPictureRow(Tvx_Spread& sheet, const Tvx_String& pictureFile);
    // The picture maker's picture of the row being fed, kept beside the bill
    // file; empty when there is none.
    Tvx_String keepRowPicture();
    void putHeaderVariablesInFront();
    bool writePrintSettings(Tvx_Spread& sheet) const;
    bool copyPageFilesBesideBill(Tvx_Spread& sheet) const;

    int pictureHeight_ = -1;
    int pictureCount_ = 0;
    int pictureMargin_ = 0;
    bool pictureInColour_ = true;
    bool pictureFramed_ = true;
    Tvx_Bill* bill_ = nullptr;
    AcTransaction* transaction_ = nullptr;
    std::unique_ptr<DlgSSAsTool> tool_;
    int row_ = 0;
    Tvx_IntArray columnKinds_;
    Tvx_String fileName_;
    Tvx_StringArray varNames_;
    Tvx_StringArray varValues_;
    std::function<std::time_t()> clock_;
};

// sheetOptions and CDlgSSOptions: the modal dialog in which the user sets a
// sheet's column and row counts, the header row's height, the header column's
// width and the captions of the columns and rows, with two preview grids.
//
// The previews show the captions being edited: the column preview (1025) one
// row with a cell per column, the row preview (1002) one column with a cell
// per row. Changing a count keeps the captions typed so far (also those of
// lines cut off, should the count grow again), takes missing ones from the
// sheet, then leaves them empty. A count that is not a whole number of 0 or
// more counts as 0.
#pragma once

#include "platform/core/Tvx_StringArray.h"
#include "platform/ui/CDialog.h"
#include "spread/Tvx_Spread.h"

class CDlgSSOptions : public CDialog {
  public:
    static constexpr int kTemplateId = 9500;
    static constexpr int kColumnsLabel = 1016;
    static constexpr int kColumnsEdit = 1017;
    static constexpr int kRowsLabel = 1018;
    static constexpr int kRowsEdit = 1019;
    static constexpr int kHeaderHeightLabel = 1020;
    static constexpr int kHeaderHeightEdit = 1021;
    static constexpr int kHeaderWidthLabel = 1022;
    static constexpr int kHeaderWidthEdit = 1023;
    static constexpr int kColumnPreview = 1025;
    static constexpr int kColumnPreviewLabel = 1026;
    static constexpr int kRowPreviewLabel = 1027;
    static constexpr int kRowPreview = 1002;

    // Reads the counts, header sizes and captions from the sheet.
    explicit CDlgSSOptions(Tvx_Spread& sheet, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    int headerRowHeight() const { return headerRowHeight_; }
    int headerColumnWidth() const { return headerColumnWidth_; }
    const Tvx_StringArray& columnCaptions() const { return editedColumnCaptions_; }
    const Tvx_StringArray& rowCaptions() const { return editedRowCaptions_; }

  private:
    int numberIn(int editId) const;
    // Takes what is typed in a preview into the edited captions.
    void collectCaptions(bool columns);
    void updatePreview(bool columns);
    void updateHeaderSizes();

    Tvx_Spread& sheet_;
    int columns_ = 0;
    int rows_ = 0;
    int headerRowHeight_ = 0;
    int headerColumnWidth_ = 0;
    Tvx_StringArray sheetColumnCaptions_;
    Tvx_StringArray sheetRowCaptions_;
    Tvx_StringArray editedColumnCaptions_;
    Tvx_StringArray editedRowCaptions_;
    Tvx_Spread columnPreview_;
    Tvx_Spread rowPreview_;
    bool initialised_ = false;
};

// Runs the options dialog over a sheet; on OK the sheet takes the counts,
// header sizes and captions, and redraw is switched on. False when cancelled
// or the sheet has no window.
bool sheetOptions(Tvx_Spread& sheet);

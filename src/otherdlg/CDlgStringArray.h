// CDlgStringArray: a table of texts shown in a grid for the user to edit,
// optionally adding and removing rows. Modal, resizable, built from dialog
// template 9540 (299 by 132 dialog units). Started by startGridDialog.
//
// Choices made here:
// - The grid lies exactly over its placeholder (the windowing system has no
//   caption or frame to allow for) and is styled for editing like every
//   editing grid (house style 1); its columns share the width equally and
//   keep doing so as the dialog is resized.
// - Row head i goes to row i; rows beyond the heads keep the grid's own head,
//   heads beyond the rows are not shown. Added rows get the grid's own head.
// - Texts longer than a row's columns are not shown and do not come back;
//   missing texts of a short row come back empty.
// - OK first ends an edit in progress, keeping what was typed.
// - Removing the last row keeps the active cell in the same column on the row
//   that is now the last; an emptied grid has no active cell to keep.
#pragma once

#include "platform/core/Tvx_StringArray.h"
#include "platform/ui/CDialog.h"
#include "spread/Tvx_Spread.h"
#include "spread/VtResizeLayout.h"

class CDlgStringArray : public CDialog {
  public:
    static constexpr UINT IDD = 9540;

    // Control ids.
    static constexpr int kGrid = 1196;
    static constexpr int kAddRow = 1088;
    static constexpr int kRemoveRow = 1089;

    // The key the size is kept under when the caller names none.
    static constexpr const wchar_t* kDefaultSizeKey = L"DLG_SS_STRINGARRAY";

    // Registers template 9540 (again, harmlessly).
    static void registerTemplate();

    explicit CDlgStringArray(CWnd* parent = nullptr);

    // The table, filled by the caller before DoModal; on OK rows holds every
    // grid row with one text per column. An empty sizeKey keeps no size.
    Tvx_String sizeKey = kDefaultSizeKey;
    Tvx_String title;
    Tvx_StringArrArr rows;
    Tvx_StringArray columnHeads;
    Tvx_StringArray rowHeads;
    bool rowsEditable = true;

    Tvx_Spread& grid() { return grid_; }

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

  private:
    void fillGrid();
    // One row below the active cell's row (row 1 in an empty grid); the new
    // row's cell in the same column becomes active.
    void addRow();
    // Deletes the active cell's row; nothing in an empty grid.
    void removeRow();
    // The top-left of the selected block, or the active cell; (1, 0) when the
    // grid has no active cell.
    void activeCell(int& column, int& row) const;

    int minimumWidth_ = 50;
    int minimumHeight_ = 50;
    VtResizeLayout layout_;
    Tvx_Spread grid_;
};

// CDlgGenVars: the dialog in which the user edits the general variables that
// standards evaluations receive: those of the drawing (name, value, filter)
// and those of the standards (name, value, override, filter). A filter lists
// the drawings and folders, under the library's "Macros\\" folder, that the
// variable applies to; the "..." button of a row chooses them in a file
// dialog. Modal, resizable, built from dialog template 256.
#pragma once

#include <array>

#include "platform/core/VtAutoStandardsData.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/layout/CButtonST.h"
#include "platform/ui/layout/CResizer.h"
#include "spread/Tvx_Spread.h"

class CDlgGenVars : public CDialog {
  public:
    static constexpr UINT IDD = 256;

    // Control ids.
    static constexpr int kDrawingGrid = 1434;
    static constexpr int kDrawingInsert = 1435;
    static constexpr int kDrawingDelete = 1436;
    static constexpr int kDrawingFrame = 1437;
    static constexpr int kDrawingUp = 1438;
    static constexpr int kDrawingDown = 1439;
    static constexpr int kStandardsUp = 1440;
    static constexpr int kStandardsDown = 1441;
    static constexpr int kStandardsDelete = 1442;
    static constexpr int kStandardsInsert = 1443;
    static constexpr int kStandardsGrid = 1444;
    static constexpr int kStandardsFrame = 1445;

    // Registers template 256 (again, harmlessly).
    static void registerTemplate();

    explicit CDlgGenVars(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnGetMinMaxInfo(MINMAXINFO* info) override;
    void OnDestroy() override;

    VtAutoStandardsData data_;

    Tvx_Spread& drawingGrid() { return drawingGrid_; }
    Tvx_Spread& standardsGrid() { return standardsGrid_; }

  private:
    // One of the two grids with its columns: the button column is the last.
    struct GridPart {
        Tvx_Spread* grid;
        int buttonColumn;  // 4 drawing, 5 standards
        int filterColumn;  // the column before it
    };
    GridPart drawingPart() { return {&drawingGrid_, 4, 3}; }
    GridPart standardsPart() { return {&standardsGrid_, 5, 4}; }

    void setUpGrid(const GridPart& part, std::initializer_list<int> headerTexts);
    // Removes every span, merges equal names in column 1, makes the last
    // column push buttons and spans the header of the column before it over it.
    void layOutButtonColumn(const GridPart& part);
    // The top row of the selection, or the active cell's row; 0 when none.
    int activeRow(const GridPart& part) const;
    void insertRow(const GridPart& part);
    void deleteRow(const GridPart& part);
    // Exchanges the active row with the one above (step -1) or below (+1);
    // the active cell moves with it.
    void moveRow(const GridPart& part, int step);
    // The "..." button of a row: adds the chosen drawings and folders to its
    // filter cell.
    void chooseFilterEntries(const GridPart& part, int row);
    void onGridButton(const GridPart& part, int column, int row);

    int minimumWidth_ = 50;
    int minimumHeight_ = 50;
    CResizer resizer_;
    std::array<CButtonST, 4> moveButtons_;
    Tvx_Spread drawingGrid_;
    Tvx_Spread standardsGrid_;
};

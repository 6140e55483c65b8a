// A sheet window for tests of the pieces that read and write a sheet: a hidden
// dialog holding one Tvx_Spread of a given size, and a way to read its cells.
#pragma once

#include "platform/grid/GridWindow.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/DialogTemplate.h"
#include "spread/Tvx_Spread.h"

namespace standardstest {

inline constexpr int kSheetTestTemplate = 9801;
inline constexpr int kSheetPlaceholder = 100;

class SheetWindow {
  public:
    SheetWindow(int columns, int rows) {
        grid::registerGridWindowClass();
        ui::DialogTemplate dialog(kSheetTestTemplate, 0, 0, 300, 200, L"Sheet", WS_POPUP);
        dialog.control(kSheetPlaceholder, L"STATIC", L"", 0, 0, 0, 300, 200);
        ui::registerDialogTemplate(dialog);
        dialog_.Create(kSheetTestTemplate);
        sheet_.attachToDlgItem(&dialog_, kSheetPlaceholder, true);
        sheet_.setMaxCols(columns);
        sheet_.setMaxRows(rows);
    }

    Tvx_Spread& sheet() { return sheet_; }
    Tvx_String value(int column, int row) {
        Tvx_String text;
        sheet_.getCellText(column, row, text, Tvx_Spread::kValueText);
        return text;
    }

  private:
    CDialog dialog_;
    Tvx_Spread sheet_;
};

}  // namespace standardstest

// The hidden evaluation window of a standards sheet.
#include "standards/dialogs/CDlgSSStandards.h"

#include <utility>

#include "frame/ProfilingTimers.h"
#include "platform/grid/GridWindow.h"

CDlgSSStandards::CDlgSSStandards(CWnd* parent) : CDialog(IDD, parent) {}

BOOL CDlgSSStandards::OnInitDialog() {
    CDialog::OnInitDialog();
    grid::registerGridWindowClass();
    sheet_.attachToDlgItem(this, kStandardsSheetPlaceholder, false);
    return TRUE;
}

ErrorStatus CDlgSSStandards::evaluate() {
    gLoadFile.start();
    if (sheet_.loadFile(data_.sheetName) != eOk)
        return eInvalidInput;
    gLoadFile.end();
    switch (data_.mode) {
        case 0:
            if (sheet_.initFromMacro(data_) != eOk || sheet_.calcToMacro(data_) != eOk)
                return eInvalidInput;
            // The sheet declares its cells afresh at every evaluation, so
            // they can be handed over rather than copied.
            data_.varCells = std::move(sheet_.varCells());
            return eOk;
        case 1:
            if (sheet_.initFromVars(data_) != eOk || sheet_.calcToVars(data_.varCells) != eOk)
                return eInvalidInput;
            return eOk;
        default:
            return eOk;
    }
}

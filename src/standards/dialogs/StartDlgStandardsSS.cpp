// The exported evaluation of a standards sheet, and its self test.
#include "standards/dialogs/StartDlgStandardsSS.h"

#include <memory>
#include <utility>

#include "frame/ResourceScope.h"
#include "frame/VtSSDlgsMgr.h"
#include "platform/core/FileStatus.h"
#include "standards/dialogs/CDlgSSStandards.h"
#include "standards/functions/DataFileCache.h"

namespace {

std::unique_ptr<CDialog> makeStandardsWindow(CWnd* parent) {
    return std::make_unique<CDlgSSStandards>(parent);
}

// An argument of the self test: a String cell standing for no cell.
VtVarCell testArgument(int kind, const wchar_t* name, const wchar_t* value) {
    VtVarCell cell;
    cell.cellType = kind;
    cell.name = name;
    cell.value = value;
    cell.valueType = eValueString;
    return cell;
}

}  // namespace

bool StartDlgStandardsSS(VtDlgStandardsData& data) {
    VtResourceScope scope;
    FileStatusScope fileStatus;
    DataFileCacheScope dataFiles;
    setStandardsWindowFactory(&makeStandardsWindow);
    auto* dialog = static_cast<CDialog*>(gSSDlgsMgr.getDlg());
    auto* window = dynamic_cast<CDlgSSStandards*>(dialog);
    bool evaluated = false;
    if (window) {
        window->data() = data;
        evaluated = window->evaluate() == eOk;
        // The window's block is set afresh by every evaluation: its result
        // can be handed over rather than copied.
        if (evaluated)
            data = std::move(window->data());
    }
    if (dialog)
        gSSDlgsMgr.releaseDlg(dialog);
    return evaluated;
}

bool StartDlgStandardsSStest() {
    VtDlgStandardsData data;
    data.mode = 1;
    data.sheetName = L"c:\\a\\a\\a\\test.vts";
    data.varCells.append(testArgument(eCellInput, L"Column", L"IPE-200"));
    data.varCells.append(testArgument(eCellInput, L"Thickness", L"10"));
    data.varCells.append(testArgument(eCellOutput, L"Width", L"212"));
    data.varCells.append(testArgument(eCellOutput, L"Length", L"356"));
    return StartDlgStandardsSS(data);
}

// Finding the reason a sheet could not be evaluated.
#include "tools/vtss/EvaluationFailure.h"

#include "platform/core/FileOperations.h"
#include "platform/core/PathMapping.h"
#include "platform/core/Tvx_Settings.h"
#include "platform/grid/Sheet.h"
#include "platform/grid/SheetFile.h"

namespace vtss {
namespace {

// The file a sheet name stands for, by the rule of the sheet's loading.
Tvx_String sheetPath(const Tvx_String& sheet) {
    if (ObjectExportFileExists(sheet))
        return sheet;
    return gSettings.libDir() + Tvx_String(L"Connection Standards\\") + sheet + Tvx_String(L".vts");
}

bool hasHeader(const grid::Sheet& sheet, const wchar_t* header) {
    for (const auto& [key, cell] : sheet.cells()) {
        if (key.row >= 1 && key.column >= 1 && sheet.valueText(key.column, key.row) == header)
            return true;
    }
    return false;
}

}  // namespace

std::string describeEvaluationFailure(const Tvx_String& sheet) {
    const Tvx_String path = sheetPath(sheet);
    const std::string shown = mapPath(path).string();
    if (!ObjectExportFileExists(path))
        return "the sheet '" + sheet.toUtf8() + "' does not exist (looked for " + shown + ")";
    grid::Sheet model;
    grid::SheetFileError error;
    if (!grid::loadSheetFile(path, model, error))
        return shown + ":" + std::to_string(error.line) +
               ": the sheet does not load: " + error.message;
    for (const wchar_t* header : {L"Input", L"Output", L"Calc"}) {
        if (!hasHeader(model, header))
            return shown + ": the sheet has no '" + Tvx_String(header).toUtf8() + "' section";
    }
    return "the evaluation of " + shown +
           " failed (run with --warnings to see the messages of the engine)";
}

}  // namespace vtss

// ReadSSFile and EvaluateSS: the formulas dialog run from outside the module.
#include "spread/FormulaExports.h"

#include "frame/ResourceScope.h"
#include "spread/CFormula.h"

void ReadSSFile(const Tvx_String& file, Tvx_String& title, Tvx_StringArray& columnNames,
                Tvx_StringArrArr& rows) {
    VtResourceScope scope;
    CFormula dialog(CFormula::kModeReadFile, file);
    dialog.setReadOutputs(&columnNames, &rows);
    columnNames.setLogicalLength(0);
    rows.setLogicalLength(0);
    dialog.DoModal();
    title = dialog.resultText();
}

void EvaluateSS() {
    VtResourceScope scope;
    CFormula dialog(CFormula::kModeTryCell, kEvaluateSSFile);
    dialog.DoModal();
}

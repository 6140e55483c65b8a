// CFormula: template 133, opening in every mode, the buttons and the active
// table sheet. The look-up itself is in CFormulaLookUp.cpp.
#include "spread/CFormula.h"

#include "platform/grid/GridSettings.h"
#include "platform/grid/GridWindow.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinConstants.h"

namespace {

// The range of the number cells of a new sheet: the grid's widest.
constexpr double kNumberLimit = 99999999999999.0;

// The formula cells the reference-style buttons show, and where they show
// them: column kFormulaColumn rows 1..kFormulaRows (the last only when it has
// a formula) into column 1 of the same rows.
constexpr int kFormulaColumn = 4;
constexpr int kFormulaRows = 5;
constexpr int kFormulaTextColumn = 1;

// Template 133: the file name with Load and Save above the sheet; the
// reference styles, automatic recalculation and OK below it.
void registerFormulaTemplate() {
    static const bool registered = [] {
        ui::DialogTemplate t(CFormula::kTemplateId, 0, 0, 420, 260, L"Formulas");
        t.lText(IDC_STATIC, L"File:", 7, 9, 20, 10)
            .editText(CFormula::kFileNameEdit, 30, 7, 272, 13, ES_AUTOHSCROLL)
            .pushButton(CFormula::kLoadButton, L"&Load", 308, 7, 50, 14)
            .pushButton(CFormula::kSaveButton, L"&Save", 363, 7, 50, 14)
            .control(CFormula::kSheetPlaceholder, L"STATIC", L"", WS_VISIBLE, 7, 27, 406, 200)
            .autoRadioButton(CFormula::kDefaultStyleRadio, L"&Default", 7, 236, 50, 10,
                             WS_GROUP | WS_TABSTOP)
            .autoRadioButton(CFormula::kA1StyleRadio, L"&A1", 60, 236, 30, 10)
            .autoRadioButton(CFormula::kR1C1StyleRadio, L"&R1C1", 93, 236, 40, 10)
            .autoCheckBox(CFormula::kAutoCalculateCheck, L"Auto calculate", 145, 236, 65, 10,
                          WS_GROUP | WS_TABSTOP)
            .pushButton(CFormula::kRecalculateButton, L"Recalculate", 215, 234, 60, 14)
            .defPushButton(IDOK, L"OK", 363, 234, 50, 14);
        return ui::registerDialogTemplate(t);
    }();
    (void)registered;
}

// The process-wide active table sheet.
Tvx_Spread* gActiveTableSheet = nullptr;

}  // namespace

CFormula::ActiveTableScope::ActiveTableScope(Tvx_Spread* sheet) : previous_(gActiveTableSheet) {
    gActiveTableSheet = sheet;
}

CFormula::ActiveTableScope::~ActiveTableScope() {
    gActiveTableSheet = previous_;
}

CFormula::CFormula(int mode, const Tvx_String& fileName, CWnd* parent)
    : CDialog(kTemplateId, parent),
      fileName_(fileName),
      mode_(mode),
      previousTableSheet_(gActiveTableSheet) {
    registerFormulaTemplate();
    onClicked(kDefaultStyleRadio, [this] { showReferenceStyle(0); });
    onClicked(kA1StyleRadio, [this] { showReferenceStyle(1); });
    onClicked(kR1C1StyleRadio, [this] { showReferenceStyle(2); });
    onClicked(kSaveButton, [this] { saveSheet(); });
    onClicked(kLoadButton, [this] { loadSheet(); });
    onClicked(kAutoCalculateCheck, [this] { switchAutoCalculate(); });
    onClicked(kRecalculateButton, [this] { recalculateAll(); });
}

CFormula::~CFormula() = default;

void CFormula::setTryCell(int column, int row) {
    tryColumn_ = column;
    tryRow_ = row;
}

void CFormula::setLookUp(SS_VALUE* result, const SS_VALUE* arguments, int count) {
    result_ = result;
    arguments_ = arguments;
    argumentCount_ = count;
}

void CFormula::setReadOutputs(Tvx_StringArray* columnNames, Tvx_StringArrArr* rows) {
    columnNames_ = columnNames;
    rows_ = rows;
}

Tvx_Spread* CFormula::activeTableSheet() {
    return gActiveTableSheet;
}

BOOL CFormula::OnInitDialog() {
    CDialog::OnInitDialog();
    // Everything runs on the one user-interface thread, so bringing the
    // dialog to the foreground is activating it and taking the focus.
    SetActiveWindow();
    BringWindowToTop();
    SetFocus();
    SetDlgItemText(kFileNameEdit, fileName_);
    grid::registerGridWindowClass();
    if (sheet_.attachToDlgItem(this, kSheetPlaceholder, true)) {
        sheet_.SetBool(grid::kOptionAutoCalc, FALSE);
        sheet_.SetBool(grid::kOptionAllowUserFormulas, TRUE);
    }

    CheckDlgButton(kAutoCalculateCheck, BST_UNCHECKED);
    GetDlgItem(kRecalculateButton)->EnableWindow(TRUE);
    CheckRadioButton(kDefaultStyleRadio, kR1C1StyleRadio, kDefaultStyleRadio);
    registerFromTable();
    sheet_.setMaxRows(kInitialRows);
    sheet_.setMaxCols(kInitialColumns);
    SS_CELLTYPE number;
    sheet_.SetTypeNumber(&number, kNumberDecimals, -kNumberLimit, kNumberLimit, FALSE);
    sheet_.SetCellTypeRange(1, 1, kNumberCellsEnd, kNumberCellsEnd, &number);
    if (!fileName_.isEmpty()) {
        fileLoaded_ = loadSheetFile(fileName_);
        acutPrintf(L"Loading spreadsheet:%s\n", fileName_.c_str());
    }

    if (mode_ == kModeReadFile) {
        readWholeSheet();
        EndDialog(IDOK);
        return TRUE;
    }
    ActiveTableScope active(&sheet_);
    if (mode_ == kModeTryCell) {
        sheet_.ReCalcCell(tryColumn_, tryRow_);
        sheet_.getCellText(tryColumn_, tryRow_, resultText_);
    } else if (mode_ == kModeLookUp) {
        lookUp();
    }
    return TRUE;
}

void CFormula::registerFromTable() {
    sheet_.AddCustomFunctionExt(L"FROMTABLE", 2, 4, &CFormula::fromTable, SS_CUSTFUNC_WANTCELLREF);
}

bool CFormula::loadSheetFile(const Tvx_String& path) {
    ActiveTableScope active(&sheet_);
    const bool loaded = sheet_.LoadFromFile(path) == 1;
    registerFromTable();
    return loaded;
}

void CFormula::readWholeSheet() {
    if (!columnNames_ || !rows_)
        return;
    columnNames_->setLogicalLength(0);
    rows_->setLogicalLength(0);
    // A file that did not load gives nothing rather than the empty new sheet.
    if (!fileLoaded_)
        return;
    sheet_.getCellText(1, 1, resultText_);
    for (int column = 1; column <= sheet_.getMaxCols(); ++column) {
        Tvx_String name;
        sheet_.getCellText(column, SS_HEADER, name);
        columnNames_->append(name);
    }
    sheet_.getAllRows(*rows_);
}

void CFormula::showReferenceStyle(int style) {
    sheet_.SetRefStyle(style);
    for (int row = 1; row <= kFormulaRows; ++row) {
        Tvx_String formula;
        sheet_.GetFormula(kFormulaColumn, row, formula);
        if (row == kFormulaRows && formula.isEmpty())
            break;
        sheet_.setCellText(kFormulaTextColumn, row, formula);
    }
    sheet_.setColumnWidthToText(kFormulaTextColumn);
}

void CFormula::switchAutoCalculate() {
    const bool automatic = IsDlgButtonChecked(kAutoCalculateCheck) == BST_CHECKED;
    ActiveTableScope active(&sheet_);
    sheet_.SetBool(grid::kOptionAutoCalc, automatic ? TRUE : FALSE);
    GetDlgItem(kRecalculateButton)->EnableWindow(automatic ? FALSE : TRUE);
}

void CFormula::recalculateAll() {
    ActiveTableScope active(&sheet_);
    sheet_.ReCalc();
}

void CFormula::saveSheet() {
    Tvx_String path;
    GetDlgItemText(kFileNameEdit, path);
    if (sheet_.SaveToFile(path, FALSE) != 1)
        acutPrintf(L"Save failed\n");
}

void CFormula::loadSheet() {
    Tvx_String path;
    GetDlgItemText(kFileNameEdit, path);
    if (!loadSheetFile(path))
        acutPrintf(L"Load failed\n");
}

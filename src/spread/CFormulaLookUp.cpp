// CFormula: the FROMTABLE look-up (mode 2) and its bound on nesting.
#include "spread/CFormula.h"

#include "platform/host/CommandLine.h"

namespace {

// Cell type codes the grid reports for whole numbers and doubles.
constexpr int kWholeNumberCell = 10;
constexpr int kCheckBoxCell = 12;
constexpr int kFirstDoubleCell = 14;
constexpr int kLastDoubleCell = 16;

// Decimals of a double argument turned into text.
constexpr int kArgumentDecimals = 2;

// The look-ups under way, one inside the other.
int gLookUpNesting = 0;

// Counts one look-up under way for its lifetime.
class LookUpNestingScope {
  public:
    LookUpNestingScope() { ++gLookUpNesting; }
    ~LookUpNestingScope() { --gLookUpNesting; }
    LookUpNestingScope(const LookUpNestingScope&) = delete;
    LookUpNestingScope& operator=(const LookUpNestingScope&) = delete;
};

// "Result is ..." on the command line; nothing for a result without value.
void printResult(const SS_VALUE& result) {
    if (result.Status != SS_VALUE_PRESENT)
        return;
    switch (result.Type) {
        case SS_TYPE_LONG:
            acutPrintf(L"Result is long: %i\n", static_cast<int>(result.Long));
            break;
        case SS_TYPE_DOUBLE:
            acutPrintf(L"Result is double: %f\n", result.Double);
            break;
        case SS_TYPE_STRING: {
            Tvx_String text;
            getGlobalStr(result.Text, text);
            acutPrintf(L"Result is string: %s\n", text.c_str());
            break;
        }
        case SS_TYPE_CELL:
            acutPrintf(L"Result is cell\n");
            break;
        default:
            acutPrintf(L"Result is range\n");
            break;
    }
}

// The first column of the header row whose text is exactly text; -1 when none.
int findHeaderColumn(const Tvx_Spread& sheet, const Tvx_String& text) {
    for (int column = 1; column <= sheet.getMaxCols(); ++column) {
        Tvx_String header;
        if (sheet.getCellText(column, SS_HEADER, header) && header.equal(text, true))
            return column;
    }
    return -1;
}

// The first row whose cell in the column has exactly text; -1 when none.
int findKeyRow(const Tvx_Spread& sheet, int column, const Tvx_String& text) {
    for (int row = 1; row <= sheet.getMaxRows(); ++row) {
        Tvx_String cell;
        if (sheet.getCellText(column, row, cell) && cell.equal(text, true))
            return row;
    }
    return -1;
}

}  // namespace

BOOL CFormula::fromTable(SS_VALUE* result, const SS_VALUE* arguments, int count) {
    if (!result)
        return TRUE;
    result->Status = SS_VALUE_EMPTY;
    if (gLookUpNesting >= kMaxLookUpNesting) {
        acutPrintf(L"FROMTABLE nested more than %d deep\n", kMaxLookUpNesting);
        return TRUE;
    }
    LookUpNestingScope nesting;
    CFormula dialog(kModeLookUp, Tvx_String());
    dialog.setLookUp(result, arguments, count);
    dialog.DoModal();
    return TRUE;
}

void CFormula::lookUp() {
    if (!result_)
        return;
    result_->Status = SS_VALUE_EMPTY;
    if (!arguments_ || argumentCount_ < 2 || argumentCount_ > 4)
        return;
    for (int i = 0; i < argumentCount_; ++i) {
        if (arguments_[i].Status != SS_VALUE_PRESENT)
            return;
    }
    Tvx_String tableFile;
    if (arguments_[0].Type != SS_TYPE_STRING || !getGlobalStr(arguments_[0].Text, tableFile))
        return;
    if (!loadSheetFile(tableFile))
        return;

    int column = 0;
    int row = 0;
    if (!findTableCell(column, row))
        return;
    sheet_.ReCalcCell(column, row);
    const SS_VALUE& target = arguments_[argumentCount_ - 1];
    if (argumentCount_ == 3 && target.Type == SS_TYPE_CELL && previousTableSheet_) {
        Tvx_String text;
        sheet_.getCellText(column, row, text);
        previousTableSheet_->setCellText(target.Column, target.Row, text);
    }
    readResult(column, row);
    printResult(*result_);
}

bool CFormula::findTableCell(int& column, int& row) const {
    if (argumentCount_ < 4) {
        const SS_VALUE& cell = arguments_[1];
        if (cell.Type != SS_TYPE_CELL)
            return false;
        column = cell.Column;
        row = cell.Row;
        return true;
    }
    Tvx_String keyHeader;
    Tvx_String valueHeader;
    Tvx_String key;
    if (!argumentText(arguments_[1], keyHeader) || !argumentText(arguments_[2], valueHeader) ||
        !argumentText(arguments_[3], key))
        return false;
    const int keyColumn = findHeaderColumn(sheet_, keyHeader);
    column = findHeaderColumn(sheet_, valueHeader);
    if (keyColumn < 0 || column < 0)
        return false;
    row = findKeyRow(sheet_, keyColumn, key);
    return row > 0;
}

bool CFormula::argumentText(const SS_VALUE& argument, Tvx_String& text) const {
    switch (argument.Type) {
        case SS_TYPE_LONG:
            text = Tvx_String(static_cast<int>(argument.Long));
            return true;
        case SS_TYPE_DOUBLE:
            text = Tvx_String(argument.Double, kArgumentDecimals);
            return true;
        case SS_TYPE_STRING:
            return getGlobalStr(argument.Text, text);
        case SS_TYPE_CELL:
            return previousTableSheet_ &&
                   previousTableSheet_->getCellText(argument.Column, argument.Row, text);
        default:
            return false;
    }
}

void CFormula::readResult(int column, int row) {
    SS_VALUE& result = *result_;
    const int type = sheet_.getCellType(column, row);
    bool read = false;
    if (type == kWholeNumberCell || type == kCheckBoxCell) {
        int value = 0;
        read = sheet_.getCellInt(column, row, value);
        result.Type = SS_TYPE_LONG;
        result.Long = value;
    } else if (type >= kFirstDoubleCell && type <= kLastDoubleCell) {
        double value = 0;
        read = sheet_.GetFloat(column, row, value) != 0;
        result.Type = SS_TYPE_DOUBLE;
        result.Double = value;
    } else {
        Tvx_String text;
        read = sheet_.getCellText(column, row, text);
        result.Type = SS_TYPE_STRING;
        if (read) {
            GlobalHandle block = kNullGlobalHandle;
            if (!setGlobalStr(block, text.str())) {
                // Without the text there is no value to give: a failure, not
                // an empty text that looks like a result.
                acutPrintf(L"Reallocate failed\n");
                read = false;
            }
            result.Text = block;
        }
    }
    result.Status = read ? SS_VALUE_PRESENT : SS_VALUE_FAILED;
}

// Cell types and formulas of the standards engine's sheets.
#include "standards/engine/SheetAccess.h"

#include "spread/Tvx_Spread.h"

namespace {

constexpr double kNumberLimit = 99999999999999.0;

}  // namespace

bool setNumberCellType(Tvx_Spread& sheet, int column, int row, int decimals) {
    SS_CELLTYPE type;
    return sheet.SetTypeNumber(&type, decimals, -kNumberLimit, kNumberLimit, FALSE) &&
           sheet.SetCellType(column, row, &type);
}

bool setTextCellType(Tvx_Spread& sheet, int column, int row, int maxLength, unsigned style) {
    SS_CELLTYPE type;
    return sheet.SetTypeEdit(&type, style, maxLength) && sheet.SetCellType(column, row, &type);
}

bool setCellFormula(Tvx_Spread& sheet, int column, int row, const Tvx_String& formula) {
    // Computing only this cell keeps an evaluation linear: the grid's setter
    // with its recalculation flag would also compute every earlier equation
    // whose variables changed since, which no one reads again.
    return sheet.SetFormula(column, row, formula, FALSE) && sheet.ReCalcCell(column, row);
}

bool cellHoldsError(Tvx_Spread& sheet, int column, int row) {
    return sheet.IsCellError(column, row) != 0;
}

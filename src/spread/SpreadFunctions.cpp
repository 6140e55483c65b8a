// Operations over any grid window: fonts, cell types, layouts, cell texts.
#include "spread/SpreadFunctions.h"

#include <algorithm>

#include "spread/ColumnLayout.h"

namespace spread {

namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kDisplayText = 0;
constexpr int kFormulaText = 1;
constexpr int kTagText = 2;
constexpr int kValueText = 3;

int shownHeaderWidth(const TSpread& sheet) {
    return sheet.GetBool(grid::kOptionRowHeaders) ? std::max(sheet.GetColWidth(0), 0) : 0;
}

bool applyWidths(TSpread& sheet, const columnlayout::Widths& widths) {
    bool ok = true;
    if (widths.header >= 0)
        ok = sheet.SetColWidth(0, widths.header) && ok;
    for (size_t i = 0; i < widths.columns.size(); ++i)
        ok = sheet.SetColWidth(static_cast<int>(i) + 1, widths.columns[i]) && ok;
    return ok;
}

}  // namespace

bool setBlockFont(TSpread& sheet, int column, int row, int column2, int row2,
                  const Tvx_String& face, int height, bool bold, bool textTip) {
    const SS_FONT font{face.str(), height, bold ? kBoldWeight : kNormalWeight};
    if (!sheet.SetFontRange(column, row, column2, row2, font))
        return false;
    SS_TEXTTIP tip;
    if (textTip && sheet.GetTextTip(tip)) {
        tip.font = font;
        sheet.SetTextTip(tip);
    }
    return true;
}

bool setBlockTextType(TSpread& sheet, int column, int row, int column2, int row2) {
    SS_CELLTYPE type;
    return sheet.SetTypeEdit(&type, 0, kBlockTextLength) != nullptr &&
           sheet.SetCellTypeRange(column, row, column2, row2, &type);
}

bool setColumnComboType(TSpread& sheet, int column, const Tvx_String& items, bool editable) {
    const int rows = sheet.GetMaxRows();
    SS_CELLTYPE type;
    if (rows < 1 ||
        sheet.SetTypeComboBox(&type, editable ? grid::kStyleEditable : 0, items) == nullptr)
        return false;
    return sheet.SetCellTypeRange(column, 1, column, rows, &type) != FALSE;
}

int layoutClientWidth(const TSpread& sheet) {
    int width = 0;
    int height = 0;
    int scrollBarWidth = 0;
    int scrollBarHeight = 0;
    if (!sheet.GetClientArea(width, height))
        return 0;
    sheet.GetScrollBarSize(scrollBarWidth, scrollBarHeight);
    return width - scrollBarWidth;
}

bool layoutEqualColumns(TSpread& sheet) {
    if (sheet.GetMaxCols() < 0)
        return false;
    return applyWidths(sheet,
                       columnlayout::equalColumns(layoutClientWidth(sheet), sheet.GetMaxCols(),
                                                  sheet.GetBool(grid::kOptionRowHeaders) != FALSE));
}

bool layoutPercentColumn(TSpread& sheet, int column, int percent) {
    if (sheet.GetMaxCols() < 0)
        return false;
    return applyWidths(
        sheet, columnlayout::percentColumn(layoutClientWidth(sheet), shownHeaderWidth(sheet),
                                           sheet.GetMaxCols(), column, percent));
}

bool layoutFixedColumn(TSpread& sheet, int column, int width) {
    if (sheet.GetMaxCols() < 0)
        return false;
    return applyWidths(sheet,
                       columnlayout::fixedColumn(layoutClientWidth(sheet), shownHeaderWidth(sheet),
                                                 sheet.GetMaxCols(), column, width));
}

bool layoutListedColumns(TSpread& sheet, const Tvx_IntArray& columns, const Tvx_IntArray& widths) {
    if (sheet.GetMaxCols() < 0)
        return false;
    return applyWidths(
        sheet, columnlayout::listedColumns(layoutClientWidth(sheet), shownHeaderWidth(sheet),
                                           sheet.GetMaxCols(), columns.items(), widths.items()));
}

bool getCellText(const TSpread& sheet, int column, int row, Tvx_String& text, int kind) {
    text.clear();
    bool ok = false;
    switch (kind) {
        case kDisplayText:
            ok = sheet.GetData(column, row, text);
            break;
        case kFormulaText:
            ok = sheet.GetFormula(column, row, text);
            break;
        case kTagText:
            ok = sheet.GetCellTag(column, row, text);
            break;
        case kValueText:
            ok = sheet.GetValue(column, row, text);
            break;
        default:
            break;
    }
    if (!ok)
        text.clear();
    return ok;
}

}  // namespace spread

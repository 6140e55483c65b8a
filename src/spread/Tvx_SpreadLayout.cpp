// Tvx_Spread: widths and heights fitted to texts, stretched columns, the
// column-width layouts, merged runs of equal cells and locks.
#include <algorithm>
#include <vector>

#include "platform/ui/gdi/FontMetric.h"
#include "spread/SpreadFunctions.h"
#include "spread/Tvx_Spread.h"

namespace {

constexpr int kStaticTextType = 8;

// The size of a cell's text in the cell's font, every line measured.
CSize cellTextSize(const TSpread& sheet, int column, int row) {
    Tvx_String text;
    sheet.GetData(column, row, text);
    SS_FONT cellFont;
    if (text.isEmpty() || !sheet.GetFont(column, row, cellFont))
        return CSize(0, 0);
    const TextFont font{cellFont.face, cellFont.height, cellFont.weight};
    CSize size(0, 0);
    size_t start = 0;
    const std::wstring& chars = text.str();
    while (true) {
        const size_t end = chars.find(L'\n', start);
        const CSize line = textExtent(
            font, std::wstring_view(chars).substr(
                      start, end == std::wstring::npos ? std::wstring::npos : end - start));
        size.cx = std::max(size.cx, line.cx);
        size.cy += line.cy;
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    return size;
}

}  // namespace

bool Tvx_Spread::setColumnWidthToText(int column, bool skipStatic) {
    if (!created_ || column < 0 || column > getMaxCols())
        return false;
    int width = 0;
    for (int row = 0; row <= getMaxRows(); ++row) {
        if (skipStatic && row > 0 && GetCellType(column, row) == kStaticTextType)
            continue;
        width = std::max(width, cellTextSize(*this, column, row).cx);
    }
    return SetColWidth(column, width);
}

bool Tvx_Spread::setRowHeightToText(int row) {
    if (!created_ || row < 0 || row > getMaxRows())
        return false;
    int height = 0;
    for (int column = 0; column <= getMaxCols(); ++column)
        height = std::max(height, cellTextSize(*this, column, row).cy);
    return SetRowHeight(row, height);
}

bool Tvx_Spread::fitAllColumns(bool skipStatic) {
    if (!created_)
        return false;
    for (int column = 1; column <= getMaxCols(); ++column)
        setColumnWidthToText(column, skipStatic);
    return true;
}

bool Tvx_Spread::fitAllRows() {
    if (!created_)
        return false;
    for (int row = 1; row <= getMaxRows(); ++row)
        setRowHeightToText(row);
    return true;
}

int Tvx_Spread::shownHeaderWidth() const {
    return GetBool(grid::kOptionRowHeaders) ? std::max(GetColWidth(0), 0) : 0;
}

bool Tvx_Spread::stretchColumn(int column) {
    const int columns = getMaxCols();
    if (!created_ || column < 1 || column > columns)
        return false;
    int used = shownHeaderWidth();
    for (int c = 1; c <= columns; ++c)
        used += std::max(GetColWidth(c), 0);
    const int free = spread::layoutClientWidth(*this) - used;
    if (free <= 0)
        return false;
    return SetColWidth(column, GetColWidth(column) + free);
}

bool Tvx_Spread::setLayout(int mode, int p1, int p2) {
    if (!created_ || mode < 0 || mode > 5)
        return false;
    layoutMode_ = mode;
    layoutParameter1_ = p1;
    layoutParameter2_ = p2;
    applyLayout();
    return true;
}

void Tvx_Spread::setLayoutColumns(const Tvx_IntArray& columns, const Tvx_IntArray& widths) {
    layoutColumns_ = columns;
    layoutWidths_ = widths;
}

void Tvx_Spread::applyLayout() {
    switch (layoutMode_) {
        case 1:
            spread::layoutEqualColumns(*this);
            break;
        case 2:
            fitAllColumns();
            fitAllRows();
            break;
        case 3:
            spread::layoutPercentColumn(*this, layoutParameter1_, layoutParameter2_);
            break;
        case 4:
            spread::layoutFixedColumn(*this, layoutParameter1_, layoutParameter2_);
            break;
        case 5:
            spread::layoutListedColumns(*this, layoutColumns_, layoutWidths_);
            break;
        default:
            break;
    }
}

bool Tvx_Spread::mergeEqualCells(int column) {
    if (!created_ || column < 1 || column > getMaxCols())
        return false;
    const int rows = getMaxRows();
    SS_COORD anchorColumn = 0, anchorRow = 0, spanColumns = 0, spanRows = 0;
    for (int row = 1; row <= rows; ++row) {
        if (GetCellSpan(column, row, anchorColumn, anchorRow, spanColumns, spanRows))
            RemoveCellSpan(column, row);
    }
    int runStart = 1;
    Tvx_String runText;
    getCellText(column, 1, runText, kValueText);
    for (int row = 2; row <= rows + 1; ++row) {
        Tvx_String text;
        if (row <= rows)
            getCellText(column, row, text, kValueText);
        if (row <= rows && text == runText)
            continue;
        if (!runText.isEmpty() && row - runStart >= 2)
            AddCellSpan(column, runStart, 1, row - runStart);
        runStart = row;
        runText = text;
    }
    return true;
}

bool Tvx_Spread::lockColumn(int column, bool lock) {
    return created_ && column >= 1 && column <= getMaxCols() &&
           SetLockRange(column, SS_ALL, column, SS_ALL, lock);
}

bool Tvx_Spread::lockCell(int column, int row, bool lock) {
    return created_ && SetLock(column, row, lock);
}

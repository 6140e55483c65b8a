// The grid control's text tips: following the pointer and showing the full
// text of a cell too narrow for it.
#include "platform/grid/GridControl.h"
#include "platform/grid/GridLayout.h"
#include "platform/ui/gdi/FontMetric.h"

namespace grid {
namespace {

// Mode 2 puts the tip this far below the pointer.
constexpr int kTipBelowPointer = 20;

}  // namespace

bool GridControl::pointerMoved(int column, int row, int x, int y) {
    const bool sameCell = column == pointerColumn_ && row == pointerRow_;
    pointerColumn_ = column;
    pointerRow_ = row;
    pointerX_ = x;
    pointerY_ = y;
    if (sameCell)
        return false;
    if (shownTip_) {
        shownTip_.reset();
        invalidate();
    }
    return settings_.textTip.mode != 0 && column > 0 && row > 0;
}

void GridControl::pointerRested() {
    if (settings_.textTip.mode == 0 || pointerColumn_ < 1 || pointerRow_ < 1 ||
        !sheet_.contains(pointerColumn_, pointerRow_)) {
        return;
    }
    int column = pointerColumn_;
    int row = pointerRow_;
    if (const std::optional<Span> span = sheet_.spanAt(column, row)) {
        column = span->column;
        row = span->row;
    }
    const std::wstring text = sheet_.displayText(column, row);
    const CellFont& font = sheet_.resolvedFormat(column, row).font;
    const PixelRect cell = cellRect(*this, column, row);
    const int width = textExtent(TextFont{font.face, font.height, font.weight}, text).cx;
    if (text.empty() || width + 2 * kCellTextPadding <= cell.right - cell.left)
        return;
    if (settings_.textTip.mode == 1) {
        shownTip_ = ShownTip{text, cell.left, cell.top};
    } else {
        shownTip_ = ShownTip{text, pointerX_, pointerY_ + kTipBelowPointer};
    }
    invalidate();
}

}  // namespace grid

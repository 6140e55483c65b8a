// The grid control's edit in progress: starting and ending it, its text and
// selection, and the keys that work inside it.
#include <algorithm>

#include "platform/grid/GridControl.h"
#include "platform/grid/GridKeys.h"

namespace grid {

bool GridControl::setEditMode(bool on) {
    if (!on) {
        endEdit(true);
        return true;
    }
    if (editing_)
        return true;
    if (sheet_.columnCount() == 0 || sheet_.rowCount() == 0)
        return false;
    const auto [column, row] = anchorOf(sheet_.activeColumn(), sheet_.activeRow());
    switch (sheet_.cellType(column, row).kind) {
        case CellKind::CheckBox:
        case CellKind::Button:
        case CellKind::Picture:
        case CellKind::StaticText:
            return false;
        default:
            break;
    }
    const std::wstring formula = sheet_.formula(column, row);
    if (!formula.empty() && settings_.option(kOptionAllowUserFormulas)) {
        startEdit(L"=" + formula);
    } else {
        startEdit(sheet_.valueText(column, row));
    }
    return true;
}

void GridControl::startEdit(std::wstring text) {
    const auto [column, row] = anchorOf(sheet_.activeColumn(), sheet_.activeRow());
    editing_ = true;
    editColumn_ = column;
    editRow_ = row;
    editText_ = std::move(text);
    originalEditText_ = editText_;
    selectionStart_ = selectionEnd_ = static_cast<int>(editText_.size());
    notify(kNotifyEditStart, column, row);
    invalidate();
}

void GridControl::endEdit(bool write) {
    if (!editing_)
        return;
    editing_ = false;
    GridEvent event;
    event.code = kNotifyEditEnd;
    event.column = editColumn_;
    event.row = editRow_;
    if (write && editText_ != originalEditText_) {
        event.changed = commitUserText(editColumn_, editRow_, editText_);
    }
    editText_.clear();
    originalEditText_.clear();
    notify(event);
    invalidate();
}

bool GridControl::setEditSelection(int start, int end) {
    if (!editing_)
        return false;
    const int length = static_cast<int>(editText_.size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    selectionStart_ = std::min(start, end);
    selectionEnd_ = std::max(start, end);
    invalidate();
    return true;
}

void GridControl::insertIntoEdit(const std::wstring& text) {
    std::wstring edited = editText_;
    edited.replace(static_cast<size_t>(selectionStart_),
                   static_cast<size_t>(selectionEnd_ - selectionStart_), text);
    const CellType type = sheet_.cellType(editColumn_, editRow_);
    if (type.kind == CellKind::Text && static_cast<long long>(edited.size()) > type.maxLength)
        return;
    editText_ = std::move(edited);
    selectionStart_ = selectionEnd_ = selectionStart_ + static_cast<int>(text.size());
    invalidate();
}

bool GridControl::editKey(int virtualKey, bool shift, bool control) {
    const int length = static_cast<int>(editText_.size());
    const bool hasSelection = selectionStart_ != selectionEnd_;
    auto caretTo = [&](int position) { setEditSelection(position, position); };
    switch (virtualKey) {
        case kKeyEscape:
            endEdit(false);
            return true;
        case kKeyReturn:
            endEdit(true);
            if (settings_.option(kOptionMoveActiveOnEnter))
                moveKey(kKeyDown, false, false);
            return true;
        case kKeyTab:
            endEdit(true);
            return settings_.option(kOptionProcessTab) && moveKey(kKeyTab, shift, control);
        case kKeyUp:
        case kKeyDown:
            endEdit(true);
            return moveKey(virtualKey, false, false);
        case kKeyLeft:
        case kKeyRight:
            if (settings_.option(kOptionArrowsExitEditMode)) {
                endEdit(true);
                return moveKey(virtualKey, false, false);
            }
            if (hasSelection) {
                caretTo(virtualKey == kKeyLeft ? selectionStart_ : selectionEnd_);
            } else {
                caretTo(selectionEnd_ + (virtualKey == kKeyLeft ? -1 : 1));
            }
            return true;
        case kKeyHome:
            caretTo(0);
            return true;
        case kKeyEnd:
            caretTo(length);
            return true;
        case kKeyBack:
            if (!hasSelection && selectionStart_ > 0)
                --selectionStart_;
            insertIntoEdit(L"");
            return true;
        case kKeyDelete:
            if (!hasSelection && selectionEnd_ < length)
                ++selectionEnd_;
            insertIntoEdit(L"");
            return true;
        default:
            return false;
    }
}

}  // namespace grid

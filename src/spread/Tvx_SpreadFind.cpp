// Tvx_Spread: finding texts in the sheet and replacing them.
#include <algorithm>

#include "spread/Tvx_Spread.h"

namespace {

// Every occurrence of oldText in text replaced (letter case ignored); the
// count of replacements.
int replaceAll(Tvx_String& text, const Tvx_String& oldText, const Tvx_String& newText) {
    if (oldText.isEmpty())
        return 0;
    int count = 0;
    int pos = 0;
    while (text.findFirstFrom(pos, oldText, false, pos)) {
        text.removeAt(pos, oldText.length());
        text.insertAt(pos, newText);
        pos += newText.length();
        ++count;
    }
    return count;
}

}  // namespace

int Tvx_Spread::findInRow(const Tvx_String& text, bool substring, int row, int startColumn) const {
    if (!created_ || text.isEmpty() || row < 1 || row > getMaxRows())
        return -1;
    Tvx_String cell;
    for (int column = std::max(startColumn, 1); column <= getMaxCols(); ++column) {
        getCellText(column, row, cell, kDisplayText);
        if (substring ? cell.contains(text, false) : cell.equal(text, false))
            return column;
    }
    return -1;
}

bool Tvx_Spread::findFrom(const Tvx_String& text, bool substring, int startColumn, int startRow) {
    if (!created_ || text.isEmpty())
        return false;
    for (int row = std::max(startRow, 1); row <= getMaxRows(); ++row) {
        const int column = findInRow(text, substring, row, row == startRow ? startColumn : 1);
        if (column < 0)
            continue;
        SetActiveCell(column, row);
        if (SetEditMode(TRUE)) {
            Tvx_String editText;
            GetEditText(editText);
            int pos = 0;
            if (editText.findFirstFrom(0, text, false, pos)) {
                SetEditSel(pos, pos + text.length());
            } else {
                SetEditSel(0, editText.length());
            }
        }
        return true;
    }
    return false;
}

bool Tvx_Spread::findNext(const Tvx_String& text, bool substring) {
    int column = 0;
    int row = 0;
    if (!activeCell(column, row))
        return findFrom(text, substring, 1, 1);
    return findFrom(text, substring, column + 1, row);
}

bool Tvx_Spread::replaceSelection(const Tvx_String& text) {
    int start = 0;
    int end = 0;
    int column = 0;
    int row = 0;
    if (!created_ || !GetEditMode() || !GetEditSel(start, end) || !GetActiveCell(column, row))
        return false;
    Tvx_String editText;
    GetEditText(editText);
    editText.removeAt(start, end - start);
    editText.insertAt(start, text);
    SetEditMode(FALSE);
    if (!SetValue(column, row, editText))
        return false;
    // Editing goes on after the replacement, so a next search continues in
    // the same cell.
    if (SetEditMode(TRUE))
        SetEditSel(start + text.length(), start + text.length());
    return true;
}

int Tvx_Spread::replaceInCell(int column, int row, const Tvx_String& oldText,
                              const Tvx_String& newText) {
    Tvx_String text;
    if (!getCellText(column, row, text, kValueText))
        return 0;
    const int count = replaceAll(text, oldText, newText);
    if (count > 0 && !SetValue(column, row, text))
        return 0;
    return count;
}

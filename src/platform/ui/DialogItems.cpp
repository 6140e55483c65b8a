// Dialog items by id: texts, numbers, check states, tab and group order.
#include <algorithm>
#include <climits>
#include <cwctype>
#include <string>

#include "platform/ui/DialogGroups.h"
#include "platform/ui/WinApi.h"
#include "platform/ui/WindowTree.h"

namespace {

bool isTabCandidate(const ui::WindowRecord& r) {
    return (r.style & WS_VISIBLE) && !(r.style & WS_DISABLED);
}

// Reads a whole decimal number with optional blanks around it.
bool parseWhole(const std::wstring& text, bool isSigned, long long& value) {
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
        if (text[i] == L'-' && !isSigned)
            return false;
        negative = text[i] == L'-';
        ++i;
    }
    const size_t digitsStart = i;
    long long magnitude = 0;
    while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') {
        magnitude = magnitude * 10 + (text[i] - L'0');
        if (magnitude > static_cast<long long>(UINT_MAX))
            return false;
        ++i;
    }
    if (i == digitsStart)
        return false;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    if (i != text.size())
        return false;
    value = negative ? -magnitude : magnitude;
    if (isSigned)
        return value >= INT_MIN && value <= INT_MAX;
    return true;
}

}  // namespace

BOOL SetDlgItemText(HWND dialog, int id, const Tvx_String& text) {
    return SetWindowText(GetDlgItem(dialog, id), text);
}

Tvx_String GetDlgItemString(HWND dialog, int id) {
    return GetWindowString(GetDlgItem(dialog, id));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
    const std::wstring text =
        isSigned ? std::to_wstring(static_cast<int>(value)) : std::to_wstring(value);
    return SetDlgItemText(dialog, id, Tvx_String(text));
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
    if (translated)
        *translated = FALSE;
    const HWND item = GetDlgItem(dialog, id);
    if (!item)
        return 0;
    long long value = 0;
    if (!parseWhole(GetWindowString(item).str(), isSigned != FALSE, value))
        return 0;
    if (translated)
        *translated = TRUE;
    return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
    const HWND item = GetDlgItem(dialog, id);
    if (!item)
        return FALSE;
    SendMessage(item, BM_SETCHECK, check);
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
    const HWND item = GetDlgItem(dialog, id);
    return item ? static_cast<UINT>(SendMessage(item, BM_GETCHECK)) : 0;
}

BOOL CheckRadioButton(HWND dialog, int firstId, int lastId, int checkId) {
    if (!GetDlgItem(dialog, firstId) || !GetDlgItem(dialog, lastId) ||
        !GetDlgItem(dialog, checkId)) {
        return FALSE;
    }
    for (int id = firstId; id <= lastId; ++id) {
        if (const HWND item = GetDlgItem(dialog, id)) {
            SendMessage(item, BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    return TRUE;
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(GetDlgItem(dialog, id), message, wParam, lParam);
}

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    const ui::WindowRecord* d = ui::findWindow(dialog);
    if (!d)
        return nullptr;
    std::vector<HWND> stops;
    for (HWND child : d->children) {
        const ui::WindowRecord* c = ui::findWindow(child);
        if (c && isTabCandidate(*c) && (c->style & WS_TABSTOP))
            stops.push_back(child);
    }
    if (stops.empty())
        return nullptr;
    // Position of `control` in the full child order, to find the stop after it
    // even when the control itself is not a tab stop.
    const auto& all = d->children;
    const auto at = std::find(all.begin(), all.end(), control);
    if (at == all.end())
        return previous ? stops.back() : stops.front();
    const size_t index = static_cast<size_t>(at - all.begin());
    const size_t n = all.size();
    for (size_t step = 1; step <= n; ++step) {
        const size_t i = previous ? (index + n - step) % n : (index + step) % n;
        if (std::find(stops.begin(), stops.end(), all[i]) != stops.end())
            return all[i];
    }
    return nullptr;
}

namespace ui {

std::vector<HWND> dialogGroupOf(HWND control) {
    const WindowRecord* c = findWindow(control);
    const WindowRecord* d = c ? findWindow(c->parent) : nullptr;
    if (!d)
        return {};
    const auto& all = d->children;
    const size_t at = static_cast<size_t>(std::find(all.begin(), all.end(), control) - all.begin());
    size_t first = at;
    while (first > 0) {
        const WindowRecord* r = findWindow(all[first]);
        if (r && (r->style & WS_GROUP))
            break;
        --first;
    }
    size_t last = at;
    while (last + 1 < all.size()) {
        const WindowRecord* r = findWindow(all[last + 1]);
        if (r && (r->style & WS_GROUP))
            break;
        ++last;
    }
    return std::vector<HWND>(all.begin() + static_cast<std::ptrdiff_t>(first),
                             all.begin() + static_cast<std::ptrdiff_t>(last) + 1);
}

}  // namespace ui

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (!ui::findWindow(dialog) || GetParent(control) != dialog)
        return nullptr;
    const std::vector<HWND> group = ui::dialogGroupOf(control);
    const size_t size = group.size();
    const size_t index =
        static_cast<size_t>(std::find(group.begin(), group.end(), control) - group.begin());
    for (size_t step = 1; step <= size; ++step) {
        const size_t i = previous ? (index + size - step) % size : (index + step) % size;
        const ui::WindowRecord* c = ui::findWindow(group[i]);
        if (c && isTabCandidate(*c))
            return group[i];
    }
    return nullptr;
}

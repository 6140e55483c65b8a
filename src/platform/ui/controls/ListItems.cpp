// Sorted insertion and searching of control item lists.
#include "platform/ui/controls/ListItems.h"

#include <algorithm>

namespace ui {

namespace {

int compareIgnoringCase(const Tvx_String& a, const Tvx_String& b) {
    const int n = std::min(a.length(), b.length());
    for (int i = 0; i < n; ++i) {
        const wchar_t x = foldCase(a[i]), y = foldCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.length() == b.length() ? 0 : (a.length() < b.length() ? -1 : 1);
}

}  // namespace

int insertSorted(std::vector<ListEntry>& items, const Tvx_String& text) {
    const auto at = std::find_if(items.begin(), items.end(), [&](const ListEntry& e) {
        return compareIgnoringCase(text, e.text) < 0;
    });
    ListEntry entry;
    entry.text = text;
    const auto it = items.insert(at, entry);
    return static_cast<int>(it - items.begin());
}

int insertAt(std::vector<ListEntry>& items, int index, const Tvx_String& text) {
    if (index < -1)
        return -1;
    if (index == -1 || index > static_cast<int>(items.size()))
        index = static_cast<int>(items.size());
    ListEntry entry;
    entry.text = text;
    items.insert(items.begin() + index, entry);
    return index;
}

int findItem(const std::vector<ListEntry>& items, int start, const Tvx_String& text, bool exact) {
    const int n = static_cast<int>(items.size());
    if (n == 0)
        return -1;
    const int first = (start < 0 || start >= n) ? 0 : start + 1;
    for (int step = 0; step < n; ++step) {
        const int i = (first + step) % n;
        const Tvx_String& item = items[static_cast<size_t>(i)].text;
        const bool hit = exact ? item.equal(text, false) : item.startsWith(text, false);
        if (hit)
            return i;
    }
    return -1;
}

bool isItemIndex(const std::vector<ListEntry>& items, int index) {
    return index >= 0 && index < static_cast<int>(items.size());
}

}  // namespace ui

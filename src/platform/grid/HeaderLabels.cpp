// Default header labels: column letters and row numbers.
#include "platform/grid/HeaderLabels.h"

namespace grid {

std::wstring columnLabel(int column) {
    std::wstring letters;
    for (; column > 0; column = (column - 1) / 26) {
        letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + (column - 1) % 26));
    }
    return letters;
}

std::wstring rowLabel(int row) {
    return row > 0 ? std::to_wstring(row) : L"";
}

}  // namespace grid

// Name order and sorting of numbers carrying their indices.
#include "platform/core/Sorting.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Compares the digit runs starting at i and j by value; advances both past
// them. Sets zerosOrder to the order by leading zeros (fewer first) when the
// values are equal.
int compareDigitRuns(std::wstring_view a, size_t& i, std::wstring_view b, size_t& j,
                     int& zerosOrder) {
    const size_t startA = i, startB = j;
    while (i < a.size() && a[i] == L'0')
        ++i;
    while (j < b.size() && b[j] == L'0')
        ++j;
    const size_t significantA = i, significantB = j;
    while (i < a.size() && isDigit(a[i]))
        ++i;
    while (j < b.size() && isDigit(b[j]))
        ++j;
    const std::wstring_view valueA = a.substr(significantA, i - significantA);
    const std::wstring_view valueB = b.substr(significantB, j - significantB);
    if (valueA.size() != valueB.size())
        return valueA.size() < valueB.size() ? -1 : 1;
    if (const int c = valueA.compare(valueB); c != 0)
        return c;
    const size_t zerosA = significantA - startA, zerosB = significantB - startB;
    if (zerosOrder == 0 && zerosA != zerosB)
        zerosOrder = zerosA < zerosB ? -1 : 1;
    return 0;
}

}  // namespace

int compareNames(const Tvx_String& first, const Tvx_String& second) {
    const std::wstring_view a = first.str(), b = second.str();
    size_t i = 0, j = 0;
    int zerosOrder = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            if (const int c = compareDigitRuns(a, i, b, j, zerosOrder); c != 0)
                return c;
            continue;
        }
        const wchar_t ca = foldCase(a[i]), cb = foldCase(b[j]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    if (zerosOrder != 0)
        return zerosOrder;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

void sortArray(Tvx_StringArray& names) {
    std::stable_sort(names.begin(), names.end(), [](const Tvx_String& a, const Tvx_String& b) {
        return compareNames(a, b) < 0;
    });
}

int ObjectExportAddToSorted(Tvx_StringArray& names, const Tvx_String& name) {
    int position = 0;
    while (position < names.length() && compareNames(names[position], name) <= 0)
        ++position;
    names.insertAt(position, name);
    return position;
}

void ObjectExportSort(Tvx_DoubleArray& values, Tvx_IntArray& indices) {
    const int n = values.length();
    if (indices.length() != n) {
        indices.setLogicalLength(n);
        std::iota(indices.begin(), indices.end(), 0);
    }
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&values](int x, int y) {
        const double a = values[x], b = values[y];
        if (std::isnan(a) || std::isnan(b))
            return !std::isnan(a) && std::isnan(b);
        return a < b;
    });
    Tvx_DoubleArray sortedValues;
    Tvx_IntArray sortedIndices;
    for (int k : order) {
        sortedValues.append(values[k]);
        sortedIndices.append(indices[k]);
    }
    values = sortedValues;
    indices = sortedIndices;
}

void ObjectExportSort(Tvx_DoubleArray& values) {
    Tvx_IntArray ignored;
    ObjectExportSort(values, ignored);
}

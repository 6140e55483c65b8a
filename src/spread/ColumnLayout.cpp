// Column widths of the grid layouts.
#include "spread/ColumnLayout.h"

#include <algorithm>
#include <cstddef>

namespace columnlayout {

namespace {

// The columns marked fixed keep their widths; the rest share `available`
// less the fixed widths.
Widths shareRest(int available, int count, const std::vector<int>& fixedColumns,
                 const std::vector<int>& fixedWidths) {
    Widths result;
    if (count < 1)
        return result;
    std::vector<int> widths(static_cast<size_t>(count), -1);
    int fixedTotal = 0;
    for (size_t i = 0; i < std::min(fixedColumns.size(), fixedWidths.size()); ++i) {
        const int column = fixedColumns[i];
        if (column < 1 || column > count)
            continue;
        int& width = widths[static_cast<size_t>(column - 1)];
        if (width >= 0)
            fixedTotal -= width;  // listed twice: the later width holds
        width = std::max(fixedWidths[i], 0);
        fixedTotal += width;
    }
    const int sharing = static_cast<int>(std::count(widths.begin(), widths.end(), -1));
    const int share = sharing > 0 ? std::max((available - fixedTotal) / sharing, 0) : 0;
    for (int& width : widths) {
        if (width < 0)
            width = share;
    }
    result.columns = std::move(widths);
    return result;
}

}  // namespace

Widths equalColumns(int clientWidth, int count, bool headerShown) {
    Widths result;
    if (count < 1)
        return result;
    const int width = std::max(clientWidth / (count + (headerShown ? 1 : 0)), 0);
    if (headerShown)
        result.header = width;
    result.columns.assign(static_cast<size_t>(count), width);
    return result;
}

Widths percentColumn(int clientWidth, int headerWidth, int count, int column, int percent) {
    const int width = static_cast<int>(static_cast<long long>(clientWidth) * percent / 100);
    return fixedColumn(clientWidth, headerWidth, count, column < 0 ? count + 1 + column : column,
                       width);
}

Widths fixedColumn(int clientWidth, int headerWidth, int count, int column, int width) {
    return shareRest(clientWidth - headerWidth, count, {column}, {width});
}

Widths listedColumns(int clientWidth, int headerWidth, int count, const std::vector<int>& columns,
                     const std::vector<int>& widths) {
    return shareRest(clientWidth - headerWidth, count, columns, widths);
}

}  // namespace columnlayout

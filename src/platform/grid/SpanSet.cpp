// The span set: adding without overlap and finding the span around a cell.
#include "platform/grid/SpanSet.h"

#include <algorithm>

namespace grid {

bool SpanSet::add(const Span& span) {
    // Any overlapping span has its anchor in the rows above the new span's
    // last row, no more than `tallest_` rows above its first.
    auto it = spans_.lower_bound({span.row - std::max(tallest_, 1) + 1, 0});
    for (; it != spans_.end() && it->first.first <= span.lastRow(); ++it) {
        if (it->second.overlaps(span))
            return false;
    }
    spans_.emplace(Anchor{span.row, span.column}, span);
    tallest_ = std::max(tallest_, span.rows);
    return true;
}

bool SpanSet::removeAt(int column, int row) {
    const std::optional<Span> span = find(column, row);
    if (!span)
        return false;
    spans_.erase({span->row, span->column});
    if (spans_.empty())
        tallest_ = 0;
    return true;
}

std::optional<Span> SpanSet::find(int column, int row) const {
    auto it = spans_.lower_bound({row - std::max(tallest_, 1) + 1, 0});
    for (; it != spans_.end() && it->first.first <= row; ++it) {
        if (it->second.contains(column, row))
            return it->second;
    }
    return std::nullopt;
}

std::vector<Span> SpanSet::all() const {
    std::vector<Span> list;
    list.reserve(spans_.size());
    for (const auto& [anchor, span] : spans_)
        list.push_back(span);
    return list;
}

void SpanSet::clear() {
    spans_.clear();
    tallest_ = 0;
}

}  // namespace grid

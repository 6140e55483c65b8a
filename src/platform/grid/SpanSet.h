// The spans (merged cells) of a sheet: rectangles shown as one cell, named by
// their top-left anchor cell. Spans never overlap.
#pragma once

#include <map>
#include <optional>
#include <vector>

namespace grid {

struct Span {
    int column = 0;  // anchor
    int row = 0;
    int columns = 1;
    int rows = 1;

    int lastColumn() const { return column + columns - 1; }
    int lastRow() const { return row + rows - 1; }
    bool contains(int c, int r) const {
        return c >= column && c <= lastColumn() && r >= row && r <= lastRow();
    }
    bool overlaps(const Span& other) const {
        return column <= other.lastColumn() && other.column <= lastColumn() &&
               row <= other.lastRow() && other.row <= lastRow();
    }
    friend bool operator==(const Span&, const Span&) = default;
};

class SpanSet {
  public:
    // Adds the span; false (nothing added) when it overlaps one already there.
    bool add(const Span& span);
    // Removes the span containing the cell; false when there is none.
    bool removeAt(int column, int row);
    // The span containing the cell.
    std::optional<Span> find(int column, int row) const;
    // Every span, ordered by anchor row, then anchor column.
    std::vector<Span> all() const;
    bool isEmpty() const { return spans_.empty(); }
    // Replaces every span by what `change` makes of it (nothing drops it); the
    // results must not overlap.
    template <typename Change>
    void rebuild(Change change) {
        const std::vector<Span> old = all();
        clear();
        for (const Span& span : old) {
            if (std::optional<Span> changed = change(span))
                add(*changed);
        }
    }
    void clear();

    friend bool operator==(const SpanSet& a, const SpanSet& b) { return a.spans_ == b.spans_; }

  private:
    using Anchor = std::pair<int, int>;  // row, column
    std::map<Anchor, Span> spans_;
    int tallest_ = 0;  // no span has more rows, so a search looks this far up
};

}  // namespace grid

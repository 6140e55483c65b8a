// The sheet model's structural edits: inserting and deleting lines, shrinking,
// and copying, moving and clearing blocks.
#include "platform/grid/Sheet.h"

#include <vector>

#include "platform/grid/formula/ReferenceEdits.h"

namespace grid {
namespace {

// A span's start and length along one axis.
struct SpanExtent {
    int& start;
    int& length;
};

SpanExtent extentAlong(Span& span, bool columns) {
    return columns ? SpanExtent{span.column, span.columns} : SpanExtent{span.row, span.rows};
}

bool coversTwoCells(const Span& span) {
    return span.columns >= 1 && span.rows >= 1 &&
           static_cast<long long>(span.columns) * span.rows >= 2;
}

// Cuts the span at `count` along the axis; nothing when less than two cells remain.
std::optional<Span> clipSpan(Span span, bool columns, int count) {
    SpanExtent extent = extentAlong(span, columns);
    if (extent.start > count)
        return std::nullopt;
    if (extent.start + extent.length - 1 > count)
        extent.length = count - extent.start + 1;
    if (!coversTwoCells(span))
        return std::nullopt;
    return span;
}

// True when the span and the block share a cell.
bool touches(const Block& block, const Span& span) {
    const bool columns = block.allColumns ? span.lastColumn() >= 1
                                          : span.column <= block.lastColumn &&
                                                block.firstColumn <= span.lastColumn();
    const bool rows = block.allRows ? span.lastRow() >= 1
                                    : span.row <= block.lastRow && block.firstRow <= span.lastRow();
    return columns && rows;
}

}  // namespace

bool Sheet::shiftLines(Axis axis, int position, int delta) {
    const int total = count(axis);
    if (position < 1 || position > total)
        return false;
    const bool columns = axis == Axis::Columns;
    const formula::LineAxis along = columns ? formula::LineAxis::Columns : formula::LineAxis::Rows;
    if (delta > 0) {
        // The last lines fall off the sheet's end: references to them go as
        // if those lines were deleted before the insertion.
        adjustFormulaReferences([&](const formula::ReferenceParts& reference) {
            const auto kept =
                formula::afterLinesDeleted(reference, along, total - delta + 1, delta);
            return kept ? formula::afterLinesInserted(*kept, along, position, delta) : kept;
        });
    } else {
        adjustFormulaReferences([&](const formula::ReferenceParts& reference) {
            return formula::afterLinesDeleted(reference, along, position, -delta);
        });
    }

    CellStore shifted;
    for (auto& [key, cell] : cells_) {
        CellKey moved = key;
        int& index = columns ? moved.column : moved.row;
        if (index >= position) {
            if (delta < 0 && index == position)
                continue;
            index += delta;
            if (index > total)
                continue;
        }
        shifted.emplace(moved, std::move(cell));
    }
    cells_ = std::move(shifted);
    foundCells_.forget();

    std::map<int, Line> shiftedLines;
    for (const auto& [index, line] : lines(axis)) {
        if (index < position) {
            shiftedLines.emplace(index, line);
        } else if (!(delta < 0 && index == position) && index + delta <= total) {
            shiftedLines.emplace(index + delta, line);
        }
    }
    lines(axis) = std::move(shiftedLines);

    spans_.rebuild([&](Span span) -> std::optional<Span> {
        SpanExtent extent = extentAlong(span, columns);
        const int last = extent.start + extent.length - 1;
        if (extent.start > position || (delta > 0 && extent.start == position)) {
            extent.start += delta;
        } else if (position <= last) {
            extent.length += delta;  // inserted or deleted inside the span
        }
        return clipSpan(span, columns, total);
    });
    changed_ = true;
    return true;
}

bool Sheet::insertRow(int row) {
    return reportLayout(shiftLines(Axis::Rows, row, +1));
}

bool Sheet::deleteRow(int row) {
    return reportLayout(shiftLines(Axis::Rows, row, -1));
}

bool Sheet::insertColumn(int column) {
    return reportLayout(shiftLines(Axis::Columns, column, +1));
}

bool Sheet::deleteColumn(int column) {
    return reportLayout(shiftLines(Axis::Columns, column, -1));
}

void Sheet::truncate(Axis axis, int newCount) {
    const bool columns = axis == Axis::Columns;
    std::erase_if(cells_, [&](const auto& entry) {
        return (columns ? entry.first.column : entry.first.row) > newCount;
    });
    foundCells_.forget();
    std::erase_if(lines(axis), [&](const auto& entry) { return entry.first > newCount; });
    spans_.rebuild([&](const Span& span) { return clipSpan(span, columns, newCount); });
    if (selection_) {
        Block& block = *selection_;
        const bool all = columns ? block.allColumns : block.allRows;
        int& first = columns ? block.firstColumn : block.firstRow;
        int& last = columns ? block.lastColumn : block.lastRow;
        if (!all && first > newCount) {
            selection_.reset();
        } else if (!all && last > newCount) {
            last = newCount;
        }
    }
}

bool Sheet::clearBlock(const Block& block, ClearScope scope) {
    if (!contains(block))
        return false;
    foundCells_.forget();
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (!block.contains(it->first.column, it->first.row)) {
            ++it;
            continue;
        }
        if (scope == ClearScope::Everything) {
            it = cells_.erase(it);
            continue;
        }
        it->second.value = CellValue{};
        it->second.formula.clear();
        it = it->second.isEmpty() ? cells_.erase(it) : std::next(it);
    }
    if (scope == ClearScope::Everything) {
        spans_.rebuild([&](const Span& span) -> std::optional<Span> {
            const bool inside = block.contains(span.column, span.row) &&
                                block.contains(span.lastColumn(), span.lastRow());
            return inside ? std::nullopt : std::optional<Span>(span);
        });
        if (block.allColumns) {
            std::erase_if(rowLines_, [&](const auto& e) {
                return e.first >= block.firstRow && e.first <= block.lastRow;
            });
        }
        if (block.allRows) {
            std::erase_if(columnLines_, [&](const auto& e) {
                return e.first >= block.firstColumn && e.first <= block.lastColumn;
            });
        }
    }
    changed_ = true;
    notifyLayoutChanged();
    return true;
}

bool Sheet::copyBlock(const Block& source, int column, int row) {
    return reportLayout(transferBlock(source, column, row, false));
}

bool Sheet::moveBlock(const Block& source, int column, int row) {
    return reportLayout(transferBlock(source, column, row, true));
}

bool Sheet::transferBlock(const Block& source, int column, int row, bool move) {
    if (!contains(source) || (source.allColumns && source.allRows))
        return false;
    const int columnOffset = source.allColumns ? 0 : column - source.firstColumn;
    const int rowOffset = source.allRows ? 0 : row - source.firstRow;
    Block target = source;
    if (!source.allColumns) {
        target.firstColumn += columnOffset;
        target.lastColumn += columnOffset;
    }
    if (!source.allRows) {
        target.firstRow += rowOffset;
        target.lastRow += rowOffset;
    }
    if (!contains(target))
        return false;

    if (move) {
        // References to the moved cells follow them, wherever the formula is.
        const formula::Area moved{
            source.allColumns ? 1 : source.firstColumn, source.allRows ? 1 : source.firstRow,
            source.allColumns ? formula::kMaxReferenceColumn : source.lastColumn,
            source.allRows ? formula::kMaxReferenceRow : source.lastRow};
        adjustFormulaReferences([&](const formula::ReferenceParts& reference) {
            return formula::afterBlockMoved(reference, moved, columnOffset, rowOffset);
        });
    }

    // Take everything out of the source first: the blocks may overlap.
    std::vector<std::pair<CellKey, Cell>> cells;
    for (const auto& [key, cell] : cells_) {
        if (source.contains(key.column, key.row)) {
            cells.emplace_back(CellKey{key.row + rowOffset, key.column + columnOffset}, cell);
        }
    }
    if (!move) {
        // A copied formula's relative references keep pointing the same way.
        for (auto& [key, cell] : cells) {
            adjustFormula(cell, [&](const formula::ReferenceParts& reference) {
                return formula::afterFormulaCopied(reference, columnOffset, rowOffset, columns_,
                                                   rows_);
            });
        }
    }
    std::vector<Span> spans;
    for (const Span& span : spans_.all()) {
        if (source.contains(span.column, span.row) &&
            source.contains(span.lastColumn(), span.lastRow())) {
            Span moved = span;
            moved.column += columnOffset;
            moved.row += rowOffset;
            spans.push_back(moved);
        }
    }
    std::vector<std::pair<int, Line>> lineSettings;
    std::map<int, Line>* carried = source.allColumns ? &rowLines_
                                   : source.allRows  ? &columnLines_
                                                     : nullptr;
    const int lineOffset = source.allColumns ? rowOffset : columnOffset;
    const int firstLine = source.allColumns ? source.firstRow : source.firstColumn;
    const int lastLine = source.allColumns ? source.lastRow : source.lastColumn;
    if (carried) {
        for (const auto& [index, line] : *carried) {
            if (index >= firstLine && index <= lastLine) {
                lineSettings.emplace_back(index + lineOffset, line);
            }
        }
    }

    if (move)
        clearBlock(source, ClearScope::Everything);
    clearBlock(target, ClearScope::Everything);
    spans_.rebuild([&](const Span& span) -> std::optional<Span> {
        return touches(target, span) ? std::nullopt : std::optional<Span>(span);
    });
    for (auto& [key, cell] : cells)
        cells_[key] = std::move(cell);
    foundCells_.forget();
    for (const Span& span : spans)
        spans_.add(span);
    if (carried) {
        for (const auto& [index, line] : lineSettings)
            (*carried)[index] = line;
    }
    changed_ = true;
    return true;
}

}  // namespace grid

// The rules by which references follow cells that move.
#include "platform/grid/formula/ReferenceEdits.h"

#include "platform/grid/formula/parser/Formula.h"

namespace formula {
namespace {

// The first and last index of an area along one axis.
struct Extent {
    int& first;
    int& last;
};

Extent extentAlong(Area& area, LineAxis axis) {
    return axis == LineAxis::Columns ? Extent{area.firstColumn, area.lastColumn}
                                     : Extent{area.firstRow, area.lastRow};
}

bool liesIn(const Area& inner, const Area& outer) {
    return inner.firstColumn >= outer.firstColumn && inner.lastColumn <= outer.lastColumn &&
           inner.firstRow >= outer.firstRow && inner.lastRow <= outer.lastRow;
}

Area shifted(Area area, int columnOffset, int rowOffset) {
    area.firstColumn += columnOffset;
    area.lastColumn += columnOffset;
    area.firstRow += rowOffset;
    area.lastRow += rowOffset;
    return area;
}

// Moves one part of a copied reference; false when it leaves 1..limit.
bool moveRelativePart(int& index, bool isAbsolute, int offset, int limit) {
    if (isAbsolute)
        return true;
    index += offset;
    return index >= 1 && index <= limit;
}

}  // namespace

std::optional<ReferenceParts> afterLinesInserted(const ReferenceParts& reference, LineAxis axis,
                                                 int position, int count) {
    ReferenceParts moved = reference;
    const Extent extent = extentAlong(moved.area, axis);
    if (extent.first >= position)
        extent.first += count;
    if (extent.last >= position)
        extent.last += count;
    return moved;
}

std::optional<ReferenceParts> afterLinesDeleted(const ReferenceParts& reference, LineAxis axis,
                                                int position, int count) {
    ReferenceParts moved = reference;
    const Extent extent = extentAlong(moved.area, axis);
    const int lastDeleted = position + count - 1;
    if (extent.first > lastDeleted)
        extent.first -= count;
    else if (extent.first >= position)
        extent.first = position;  // the first line after the deleted ones
    if (extent.last > lastDeleted)
        extent.last -= count;
    else if (extent.last >= position)
        extent.last = position - 1;  // the last line before them
    if (extent.first > extent.last)
        return std::nullopt;
    return moved;
}

std::optional<ReferenceParts> afterBlockMoved(const ReferenceParts& reference, const Area& source,
                                              int columnOffset, int rowOffset) {
    if (liesIn(reference.area, source)) {
        ReferenceParts moved = reference;
        moved.area = shifted(reference.area, columnOffset, rowOffset);
        return moved;
    }
    if (liesIn(reference.area, shifted(source, columnOffset, rowOffset)))
        return std::nullopt;
    return reference;
}

std::optional<ReferenceParts> afterFormulaCopied(const ReferenceParts& reference, int columnOffset,
                                                 int rowOffset, int columns, int rows) {
    ReferenceParts moved = reference;
    Area& area = moved.area;
    const std::uint8_t absolute = reference.absolute;
    const bool inside =
        moveRelativePart(area.firstColumn, absolute & kFirstColumnAbsolute, columnOffset,
                         columns) &&
        moveRelativePart(area.firstRow, absolute & kFirstRowAbsolute, rowOffset, rows) &&
        moveRelativePart(area.lastColumn, absolute & kLastColumnAbsolute, columnOffset, columns) &&
        moveRelativePart(area.lastRow, absolute & kLastRowAbsolute, rowOffset, rows);
    if (!inside)
        return std::nullopt;
    return moved;
}

}  // namespace formula

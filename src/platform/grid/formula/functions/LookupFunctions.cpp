// VLOOKUP, HLOOKUP, MATCH and INDEX over ranges of the sheet.
//
// Exact look-ups compare numbers with numbers and texts with texts (letter case
// ignored, wildcards of Wildcard.h allowed in a text key), and a text key also
// matches a number shown as that text ("3" finds 3); the first match
// wins; nothing found is #N/A. Sorted look-ups (VLOOKUP's fourth argument
// TRUE or omitted, MATCH type 1 or -1) take the last cell, in order, that is
// not past the key among the cells of the key's kind (number or text), and stop
// at the first cell past it; on unsorted data the result is that rule's.
#include <cmath>
#include <optional>

#include "platform/grid/formula/evaluator/Coercion.h"
#include "platform/grid/formula/evaluator/FunctionCall.h"
#include "platform/grid/formula/functions/FunctionBodies.h"
#include "platform/grid/formula/functions/Wildcard.h"

namespace formula::functions {
namespace {

Value notFound() {
    return Value::error(ErrorKind::NotAvailable);
}

bool sameKind(const Value& key, const Value& cell) {
    return (key.isText() && cell.isText()) || (!key.isText() && cell.isNumeric());
}

bool exactMatch(const Value& key, const Value& cell) {
    // A text key also finds a number whose general-format text it is.
    if (key.isText() && cell.isNumeric())
        return compareValues(key, Value::text(numberText(cell.asNumber()))) == 0;
    if (!sameKind(key, cell))
        return false;
    if (key.isText() && hasWildcards(key.asText()))
        return wildcardMatches(key.asText(), cell.asText());
    return compareValues(key, cell) == 0;
}

// The 0-based position in a line of cells (a column or a row of an area) of
// the key; `direction` 0 exact, 1 ascending (last not greater), -1 descending
// (last not smaller).
template <typename CellAt>
std::optional<int> findInLine(const Value& key, int length, int direction, CellAt cellAt) {
    std::optional<int> found;
    for (int i = 0; i < length; ++i) {
        const Value cell = cellAt(i);
        if (direction == 0) {
            if (exactMatch(key, cell))
                return i;
            continue;
        }
        if (!sameKind(key, cell))
            continue;
        const int order = compareValues(cell, key);
        if (order == 0) {
            found = i;
            continue;
        }
        if ((direction > 0 && order > 0) || (direction < 0 && order < 0))
            break;
        found = i;
    }
    return found;
}

// VLOOKUP and HLOOKUP: the key in the first column (row) of the table, the
// result from column (row) `line` of the table.
Value lookup(FunctionCall& call, bool vertical) {
    const Value& key = call.value(0);
    const Area& table = call.area(1);
    const double line = std::trunc(call.number(2));
    const bool sorted = call.has(3) ? call.logical(3) : true;
    if (line < 1)
        return Value::error(ErrorKind::Value);
    const int lines = vertical ? table.columnCount() : table.rowCount();
    if (line > lines)
        return Value::error(ErrorKind::Reference);
    const int length = vertical ? table.rowCount() : table.columnCount();
    const auto found = findInLine(key, length, sorted ? 1 : 0, [&](int i) {
        return vertical ? call.cellValue(table.firstColumn, table.firstRow + i)
                        : call.cellValue(table.firstColumn + i, table.firstRow);
    });
    if (!found)
        return notFound();
    const int offset = static_cast<int>(line) - 1;
    return vertical ? call.cellValue(table.firstColumn + offset, table.firstRow + *found)
                    : call.cellValue(table.firstColumn + *found, table.firstRow + offset);
}

}  // namespace

Value vlookup(FunctionCall& call) {
    return lookup(call, true);
}

Value hlookup(FunctionCall& call) {
    return lookup(call, false);
}

// MATCH(key, line [, type]): the 1-based position in a one-column or one-row
// range; type 1 (default) ascending, 0 exact, -1 descending. A range of more
// than one row and column is #N/A.
Value match(FunctionCall& call) {
    const Value& key = call.value(0);
    const Area& line = call.area(1);
    const double type = call.has(2) ? call.number(2) : 1.0;
    if (line.columnCount() > 1 && line.rowCount() > 1)
        return notFound();
    const bool vertical = line.columnCount() == 1;
    const int length = vertical ? line.rowCount() : line.columnCount();
    const int direction = type > 0 ? 1 : (type < 0 ? -1 : 0);
    const auto found = findInLine(key, length, direction, [&](int i) {
        return vertical ? call.cellValue(line.firstColumn, line.firstRow + i)
                        : call.cellValue(line.firstColumn + i, line.firstRow);
    });
    if (!found)
        return notFound();
    return Value::number(*found + 1);
}

// INDEX(range, row [, column]): the cell at the 1-based row and column of the
// range. On a one-row range a single index counts columns. A 0 selects the
// whole row or column, which is allowed only where the range has just one.
// Negative indexes are #VALUE!, indexes past the range #REF!.
Value index(FunctionCall& call) {
    const Area& area = call.area(0);
    double row = std::trunc(call.number(1));
    double column = call.has(2) ? std::trunc(call.number(2)) : 0.0;
    if (!call.has(2) && area.rowCount() == 1 && area.columnCount() > 1)
        std::swap(row, column);
    if (row < 0 || column < 0)
        return Value::error(ErrorKind::Value);
    if (row == 0) {
        if (area.rowCount() != 1)
            return Value::error(ErrorKind::Value);
        row = 1;
    }
    if (column == 0) {
        if (area.columnCount() != 1)
            return Value::error(ErrorKind::Value);
        column = 1;
    }
    if (row > area.rowCount() || column > area.columnCount()) {
        return Value::error(ErrorKind::Reference);
    }
    return call.cellValue(area.firstColumn + static_cast<int>(column) - 1,
                          area.firstRow + static_cast<int>(row) - 1);
}

}  // namespace formula::functions

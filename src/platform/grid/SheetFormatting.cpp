// The sheet model's layered formats: applying settings to blocks and resolving
// what a cell finally shows.
#include "platform/grid/Sheet.h"

namespace grid {
namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;
constexpr Color kHeaderGrey = 0xF0F0F0;

void overlayResolved(ResolvedFormat& resolved, const CellFormat& layer) {
    if (layer.type)
        resolved.type = *layer.type;
    if (layer.font)
        resolved.font = *layer.font;
    if (layer.alignment)
        resolved.alignment = *layer.alignment;
    if (layer.locked)
        resolved.locked = *layer.locked;
    if (layer.background)
        resolved.background = *layer.background;
    if (layer.foreground)
        resolved.foreground = *layer.foreground;
    for (size_t i = 0; i < layer.borders.size(); ++i) {
        if (layer.borders[i])
            resolved.borders[i] = *layer.borders[i];
    }
}

}  // namespace

ResolvedFormat defaultBodyFormat() {
    ResolvedFormat format;
    format.font = CellFont{L"Tahoma", 13, 400};
    format.background = kWhite;
    format.foreground = kBlack;
    return format;
}

ResolvedFormat defaultHeaderFormat() {
    ResolvedFormat format = defaultBodyFormat();
    format.background = kHeaderGrey;
    return format;
}

ResolvedFormat Sheet::resolvedFormat(int column, int row) const {
    const bool isHeader = column == 0 || row == 0;
    ResolvedFormat resolved = isHeader ? defaultHeaderFormat() : defaultBodyFormat();
    auto lineFormat = [&](const std::map<int, Line>& lines, int index) {
        const auto found = lines.find(index);
        if (found != lines.end())
            overlayResolved(resolved, formats_.get(found->second.format));
    };
    if (!isHeader) {
        overlayResolved(resolved, formats_.get(sheetFormat_));
        lineFormat(columnLines_, column);
        lineFormat(rowLines_, row);
    } else if (row == 0 && column > 0) {
        lineFormat(rowLines_, 0);
    } else if (column == 0 && row > 0) {
        lineFormat(columnLines_, 0);
    }
    if (const Cell* cell = findCell(column, row))
        overlayResolved(resolved, formats_.get(cell->format));
    return resolved;
}

const CellType& Sheet::cellType(int column, int row) const {
    return cellTypeOf(column, row, findCell(column, row));
}

const CellType& Sheet::cellTypeOf(int column, int row, const Cell* cell) const {
    // The finest level that sets a type wins, in the order resolvedFormat
    // overlays them: the cell, then its row, its column and the sheet (header
    // cells: the cell, then the header row or column).
    if (cell) {
        if (const std::optional<CellType>& type = formats_.get(cell->format).type)
            return *type;
    }
    const std::optional<CellType>* found = nullptr;
    auto lineType = [&](const std::map<int, Line>& lines, int index) {
        if (found)
            return;
        const auto line = lines.find(index);
        if (line != lines.end() && formats_.get(line->second.format).type)
            found = &formats_.get(line->second.format).type;
    };
    const bool isHeader = column == 0 || row == 0;
    if (!isHeader) {
        lineType(rowLines_, row);
        lineType(columnLines_, column);
        if (!found && formats_.get(sheetFormat_).type)
            found = &formats_.get(sheetFormat_).type;
    } else if (row == 0 && column > 0) {
        lineType(rowLines_, 0);
    } else if (column == 0 && row > 0) {
        lineType(columnLines_, 0);
    }
    static const CellType kGeneral;
    return found ? **found : kGeneral;
}

void Sheet::setSheetFormat(const CellFormat& format) {
    sheetFormat_ = formats_.intern(format);
    changed_ = true;
}

bool Sheet::setCellFormat(int column, int row, const CellFormat& format) {
    if (!contains(column, row))
        return false;
    cellForWriting(column, row)->format = formats_.intern(format);
    dropIfEmpty(column, row);
    changed_ = true;
    return true;
}

void Sheet::setLineFormat(std::map<int, Line>& lines, int index, const CellFormat& format) {
    Line& line = lines[index];
    line.format = formats_.intern(format);
    if (line.format == 0 && line.size < 0)
        lines.erase(index);
    changed_ = true;
}

bool Sheet::setColumnFormat(int column, const CellFormat& format) {
    if (column < 0 || column > columns_)
        return false;
    setLineFormat(columnLines_, column, format);
    return true;
}

bool Sheet::setRowFormat(int row, const CellFormat& format) {
    if (row < 0 || row > rows_)
        return false;
    setLineFormat(rowLines_, row, format);
    return true;
}

void Sheet::setOwnFormat(int column, int row, const Cell* kept, std::uint32_t format) {
    // Giving a cell the settings it already has (a type set again at every
    // evaluation) changes nothing and needs no new cell.
    if (kept && kept->format == format)
        return;
    cellForWriting(column, row)->format = format;
}

void Sheet::overlayCell(int column, int row, const CellFormat& patch) {
    const Cell* kept = findCell(column, row);
    setOwnFormat(column, row, kept, formats_.overlaid(kept ? kept->format : 0, patch));
}

bool Sheet::applyType(int column, int row, const CellType& type) {
    if (!contains(column, row))
        return false;
    const Cell* kept = findCell(column, row);
    setOwnFormat(column, row, kept, formats_.withType(kept ? kept->format : 0, type));
    changed_ = true;
    return true;
}

void Sheet::eraseFromCells(const Block& block, const CellFormat& mask) {
    foundCells_.forget();
    for (auto it = cells_.begin(); it != cells_.end();) {
        Cell& cell = it->second;
        if (cell.format != 0 && block.contains(it->first.column, it->first.row)) {
            CellFormat format = formats_.get(cell.format);
            format.erase(mask);
            cell.format = formats_.intern(format);
        }
        it = cell.isEmpty() ? cells_.erase(it) : std::next(it);
    }
}

void Sheet::eraseFromLines(std::map<int, Line>& lines, bool includeHeader, const CellFormat& mask) {
    for (auto it = lines.begin(); it != lines.end();) {
        Line& line = it->second;
        if (it->first > 0 || includeHeader) {
            CellFormat format = formats_.get(line.format);
            format.erase(mask);
            line.format = formats_.intern(format);
        }
        it = (line.format == 0 && line.size < 0) ? lines.erase(it) : std::next(it);
    }
}

void Sheet::applyToColumn(int column, const CellFormat& patch) {
    CellFormat format = formats_.get(columnLines_[column].format);
    format.overlay(patch);
    setLineFormat(columnLines_, column, format);
    if (column == 0)
        return;  // rows' own settings do not reach the header column
    // A row's own setting would hide the new column setting where they cross.
    for (const auto& [row, line] : rowLines_) {
        if (row == 0)
            continue;
        const CellFormat hidden = patch.restrictedTo(formats_.get(line.format));
        if (!hidden.isEmpty())
            overlayCell(column, row, hidden);
    }
}

void Sheet::applyToRow(int row, const CellFormat& patch) {
    CellFormat format = formats_.get(rowLines_[row].format);
    format.overlay(patch);
    setLineFormat(rowLines_, row, format);
}

bool Sheet::applyFormat(const Block& block, const CellFormat& patch) {
    if (patch.isEmpty() || !contains(block))
        return false;
    if (block.allColumns && block.allRows) {
        CellFormat format = formats_.get(sheetFormat_);
        format.overlay(patch);
        sheetFormat_ = formats_.intern(format);
        eraseFromCells(block, patch);
        eraseFromLines(columnLines_, false, patch);
        eraseFromLines(rowLines_, false, patch);
    } else if (block.allRows) {
        eraseFromCells(block, patch);
        for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
            applyToColumn(column, patch);
        }
    } else if (block.allColumns) {
        eraseFromCells(block, patch);
        for (int row = block.firstRow; row <= block.lastRow; ++row)
            applyToRow(row, patch);
    } else {
        for (int row = block.firstRow; row <= block.lastRow; ++row) {
            for (int column = block.firstColumn; column <= block.lastColumn; ++column) {
                overlayCell(column, row, patch);
            }
        }
    }
    changed_ = true;
    return true;
}

}  // namespace grid

// An index of a sheet's cells by position, so that reading the same cells
// again and again (an evaluation reads its declarations and equations many
// times, and scans whole sheets) does not walk the cell tree, whose nodes lie
// scattered in memory.
//
// Rules: the index holds one slot per position of the sheet, as a pointer
// into the sheet's cell tree or as holding no cell. It is built from the
// whole tree (rebuild) when first needed after forget(); until then, and for
// a sheet of more than kMaxSlots positions, it knows only the positions
// remembered one by one. The tree's cells stay where they are while others
// come and go, so adding or erasing one cell needs only that position
// remembered anew (remember the new cell, or null); a change that moves or
// drops many cells at once (shifting rows, replacing the store, shrinking
// the sheet) must call forget(). Changing what a cell holds keeps the index.
// Positions beyond the sheet's size when the index was built (the sheet grew
// since) are not known. A copied or assigned index starts empty, so a copy of
// a sheet never points into the cells of the original.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace grid {

template <typename Cell>
class CellLookupMemo {
  public:
    static constexpr std::size_t kMaxSlots = std::size_t{1} << 16;

    CellLookupMemo() = default;
    CellLookupMemo(const CellLookupMemo&) {}
    CellLookupMemo& operator=(const CellLookupMemo&) {
        forget();
        return *this;
    }

    // Whether the position is known; cell then holds what is there (null:
    // no cell).
    bool find(int column, int row, Cell*& cell) const {
        if (column < 0 || row < 0 || column >= columns_ || row >= rows_)
            return false;
        const Slot& slot = slots_[slotOf(column, row)];
        if (slot.generation == generation_) {
            cell = slot.cell;
            return true;
        }
        if (!complete_)
            return false;
        cell = nullptr;
        return true;
    }
    // Remembers the cell at the position (null: there is none).
    void remember(int column, int row, Cell* cell) {
        if (column < 0 || row < 0 || column >= columns_ || row >= rows_)
            return;
        slots_[slotOf(column, row)] = Slot{generation_, cell};
    }
    // Drops everything known.
    void forget() {
        ++generation_;
        complete_ = false;
        rebuilt_ = false;
    }

    // Whether rebuild would help: nothing was built since the last forget.
    bool wantsRebuild() const { return !rebuilt_; }
    // Indexes every cell of a sheet of columns by rows (the headers, column
    // and row 0, included); cells holds (key, cell) pairs whose keys have
    // `column` and `row`. A sheet of more than kMaxSlots positions is left
    // unindexed.
    template <typename Cells>
    void rebuild(Cells& cells, int columns, int rows) {
        rebuilt_ = true;
        const std::size_t width = static_cast<std::size_t>(columns) + 1;
        const std::size_t height = static_cast<std::size_t>(rows) + 1;
        if (columns < 0 || rows < 0 || width * height > kMaxSlots)
            return;
        if (static_cast<int>(width) != columns_ || static_cast<int>(height) != rows_) {
            columns_ = static_cast<int>(width);
            rows_ = static_cast<int>(height);
            slots_.assign(width * height, Slot{});
        }
        ++generation_;
        for (auto& [key, cell] : cells)
            remember(key.column, key.row, &cell);
        complete_ = true;
    }

  private:
    struct Slot {
        std::uint64_t generation = 0;
        Cell* cell = nullptr;
    };

    std::size_t slotOf(int column, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column);
    }

    std::vector<Slot> slots_;
    int columns_ = 0;  // slots per row: the sheet's columns and the header
    int rows_ = 0;
    // Slots of an earlier generation hold nothing; the first is 1, so the
    // zeroed slots never count.
    std::uint64_t generation_ = 1;
    // Built from the whole tree: a position without a slot of this
    // generation holds no cell.
    bool complete_ = false;
    bool rebuilt_ = false;
};

}  // namespace grid

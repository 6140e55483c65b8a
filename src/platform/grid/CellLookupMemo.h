// A small direct-mapped memo of what a sheet found at a position, so that
// reading the same cells again and again (an evaluation reads its
// declarations and equations many times, and scans whole sheets) does not
// walk the cell tree.
//
// Rules: a position is remembered with its cell, as a pointer into the
// sheet's cell tree, or as holding no cell. Adding a cell makes a remembered
// absence wrong and erasing one a remembered pointer, so both must call
// forget(), which drops everything at once; changing what a cell holds keeps
// the memo. A copied or assigned memo starts empty, so a copy of a sheet
// never points into the cells of the original.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace grid {

template <typename Cell>
class CellLookupMemo {
  public:
    CellLookupMemo() = default;
    CellLookupMemo(const CellLookupMemo&) {}
    CellLookupMemo& operator=(const CellLookupMemo&) {
        forget();
        return *this;
    }

    // Whether the position is remembered; cell then holds what is there
    // (null: no cell).
    bool find(int column, int row, Cell*& cell) const {
        const Slot& slot = slots_[slotOf(column, row)];
        if (slot.generation != generation_ || slot.column != column || slot.row != row)
            return false;
        cell = slot.cell;
        return true;
    }
    // Remembers the cell at the position (null: there is none).
    void remember(int column, int row, Cell* cell) {
        slots_[slotOf(column, row)] = Slot{generation_, column, row, cell};
    }
    // Drops every cell remembered.
    void forget() { ++generation_; }

  private:
    static constexpr std::size_t kSlotBits = 8;

    struct Slot {
        std::uint64_t generation = 0;
        int column = 0;
        int row = 0;
        Cell* cell = nullptr;
    };

    static std::size_t slotOf(int column, int row) {
        const std::uint32_t mixed = static_cast<std::uint32_t>(row) * 0x9E3779B1u ^
                                    static_cast<std::uint32_t>(column) * 0x85EBCA77u;
        return mixed >> (32 - kSlotBits);
    }

    std::array<Slot, std::size_t{1} << kSlotBits> slots_{};
    // Slots of an earlier generation are empty; the first is 1, so the
    // zeroed slots never count.
    std::uint64_t generation_ = 1;
};

}  // namespace grid

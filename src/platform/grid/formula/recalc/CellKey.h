// One 64-bit key per cell address, for hashing and ordering (column-major).
#pragma once

#include <cstdint>

namespace formula {

using CellKey = std::uint64_t;

inline CellKey cellKey(int column, int row) {
    return (static_cast<CellKey>(static_cast<std::uint32_t>(column)) << 32) |
           static_cast<std::uint32_t>(row);
}

}  // namespace formula

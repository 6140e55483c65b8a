// Which formulas refer to a cell: the reverse edges of the dependency graph.
//
// A formula registers every area it refers to. Single cells are found through
// a hash map; ranges through per-column buckets of row intervals, or, for ranges
// wider than kWideRangeColumns, a list that every query scans. Its entries
// come from the memory resource it is given, so that an engine that drops and
// registers the same formulas again and again (a sheet loaded anew) reuses
// its own memory.
#pragma once

#include <memory_resource>
#include <unordered_map>
#include <vector>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/recalc/CellKey.h"

namespace formula {

class DependencyIndex {
  public:
    static constexpr int kWideRangeColumns = 64;

    explicit DependencyIndex(std::pmr::memory_resource* memory = std::pmr::get_default_resource());

    void add(int formulaId, const std::vector<Area>& references);
    // Removes what add registered for the same id and references.
    void remove(int formulaId, const std::vector<Area>& references);
    // Removes everything registered.
    void clear();

    // Calls visit(formulaId) for every formula that refers to the cell; a
    // formula may be visited more than once when several of its areas contain it.
    template <typename Visitor>
    void forEachDependent(int column, int row, Visitor&& visit) const {
        if (auto found = singles_.find(cellKey(column, row)); found != singles_.end()) {
            for (int id : found->second)
                visit(id);
        }
        if (auto found = columns_.find(column); found != columns_.end()) {
            for (const auto& entry : found->second) {
                if (row >= entry.firstRow && row <= entry.lastRow)
                    visit(entry.formulaId);
            }
        }
        for (const auto& wide : wide_) {
            if (wide.area.contains(column, row))
                visit(wide.formulaId);
        }
    }

  private:
    struct RowInterval {
        int firstRow;
        int lastRow;
        int formulaId;
    };
    struct WideRange {
        Area area;
        int formulaId;
    };

    std::pmr::unordered_map<CellKey, std::pmr::vector<int>> singles_;
    std::pmr::unordered_map<int, std::pmr::vector<RowInterval>> columns_;
    std::pmr::vector<WideRange> wide_;
};

}  // namespace formula

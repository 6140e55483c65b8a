// Registration of formulas' references for the reverse look-up.
#include "platform/grid/formula/recalc/DependencyIndex.h"

#include <algorithm>

namespace formula {
namespace {

template <typename Items, typename Predicate>
void eraseFirst(Items& items, Predicate matches) {
    const auto found = std::find_if(items.begin(), items.end(), matches);
    if (found != items.end())
        items.erase(found);
}

}  // namespace

DependencyIndex::DependencyIndex(std::pmr::memory_resource* memory)
    : singles_(memory), columns_(memory), wide_(memory) {}

void DependencyIndex::clear() {
    singles_.clear();
    columns_.clear();
    wide_.clear();
}

void DependencyIndex::add(int formulaId, const std::vector<Area>& references) {
    for (const Area& area : references) {
        if (area.isSingleCell()) {
            singles_[cellKey(area.firstColumn, area.firstRow)].push_back(formulaId);
        } else if (area.columnCount() > kWideRangeColumns) {
            wide_.push_back({area, formulaId});
        } else {
            for (int column = area.firstColumn; column <= area.lastColumn; ++column) {
                columns_[column].push_back({area.firstRow, area.lastRow, formulaId});
            }
        }
    }
}

void DependencyIndex::remove(int formulaId, const std::vector<Area>& references) {
    for (const Area& area : references) {
        if (area.isSingleCell()) {
            const auto found = singles_.find(cellKey(area.firstColumn, area.firstRow));
            if (found == singles_.end())
                continue;
            eraseFirst(found->second, [&](int id) { return id == formulaId; });
            if (found->second.empty())
                singles_.erase(found);
        } else if (area.columnCount() > kWideRangeColumns) {
            eraseFirst(wide_, [&](const WideRange& w) {
                return w.formulaId == formulaId && w.area == area;
            });
        } else {
            for (int column = area.firstColumn; column <= area.lastColumn; ++column) {
                const auto found = columns_.find(column);
                if (found == columns_.end())
                    continue;
                eraseFirst(found->second, [&](const RowInterval& r) {
                    return r.formulaId == formulaId && r.firstRow == area.firstRow &&
                           r.lastRow == area.lastRow;
                });
                if (found->second.empty())
                    columns_.erase(found);
            }
        }
    }
}

}  // namespace formula

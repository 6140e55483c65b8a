// Keeping the sheet's formula texts pointing at the cells they refer to when
// structural edits move cells.
#include "platform/grid/Sheet.h"

namespace grid {

void Sheet::adjustFormula(Cell& cell, const formula::ReferenceMap& map) {
    if (cell.formula.empty())
        return;
    if (std::optional<std::wstring> text = formula::rewriteA1Text(cell.formula, map))
        cell.formula = std::move(*text);
}

void Sheet::adjustFormulaReferences(const formula::ReferenceMap& map) {
    for (auto& [key, cell] : cells_)
        adjustFormula(cell, map);
}

}  // namespace grid

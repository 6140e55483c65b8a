// The formulas of one grid's sheet: the formula engine working over the sheet's
// cells. The sheet keeps every formula's text (in A1 style, as printed by the
// engine) and its last result, so that files and value texts hold them; the
// engine keeps the parsed formulas, their dependencies and the custom
// functions.
//
// The sheet tells of its changes (SheetObserver): a written value removes the
// cell's formula and makes its dependents stale; a change of size or layout
// (rows inserted, blocks moved, a new sheet loaded) rebuilds the engine's
// formulas from the formula texts the sheet holds; the engine keeps the custom
// functions, the reference style and the automatic recalculation option.
//
// Formulas follow the cells they refer to, as in any spreadsheet; the sheet
// rewrites their texts (Sheet.h, formula/ReferenceEdits.h) before the engine
// is rebuilt from them:
// - inserting rows or columns moves every reference (relative or absolute) to
//   a line at or after the insertion, and widens a range spanning it; the
//   last lines, which fall off the sheet's end, count as deleted;
// - deleting rows or columns moves references after them back, shrinks a
//   range spanning them, and turns a reference to a deleted cell (a range of
//   deleted cells) into #REF!, in the text and as the cell's value;
// - moving a block moves its formulas, and every reference wholly inside the
//   block follows it; a reference wholly inside the overwritten destination
//   becomes #REF!;
// - copying a block shifts the relative parts of the copied formulas'
//   references by the offset, keeps the absolute parts, and makes a reference
//   pushed off the sheet #REF!.
// The clipboard carries value texts, not formulas: a paste writes values.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/grid/Sheet.h"
#include "platform/grid/formula/CellSource.h"
#include "platform/grid/formula/CustomFunction.h"
#include "platform/grid/formula/FormulaEngine.h"

namespace grid {

class SheetFormulas : public formula::CellSource, public SheetObserver {
  public:
    explicit SheetFormulas(Sheet& sheet);
    ~SheetFormulas() override;
    SheetFormulas(const SheetFormulas&) = delete;
    SheetFormulas& operator=(const SheetFormulas&) = delete;

    // Watches the sheet (again, after it was replaced) and rebuilds the engine
    // from the formulas it holds; they keep their stored results until they
    // are computed.
    void attach();

    // Makes text (without "=", in the current reference style) the cell's
    // formula; with recalculate the engine computes what is stale at once.
    // False, nothing changed, for text that does not parse or a cell outside
    // the body.
    bool setFormula(int column, int row, std::wstring_view text, bool recalculate);
    // The cell's formula in the current reference style; nothing when none.
    std::optional<std::wstring> formulaText(int column, int row) const;
    bool recalculateCell(int column, int row);
    bool recalculateAll();

    void setReferenceStyle(formula::ReferenceStyle style);
    formula::ReferenceStyle referenceStyle() const { return style_; }
    void setAutomaticRecalculation(bool on);

    // Adds (or replaces) a custom function; false as the engine refuses it.
    // `source` names what the callback calls, when known (CustomFunction.h).
    bool addCustomFunction(std::wstring_view name, int minArguments, int maxArguments,
                           formula::CustomFunctionCallback callback, unsigned flags,
                           std::uintptr_t source = 0);

    // CellSource.
    int columnCount() const override;
    int rowCount() const override;
    formula::Value cellValue(int column, int row) const override;
    void storeResult(int column, int row, const formula::Value& result) override;

    // SheetObserver.
    void cellValueChanged(int column, int row) override;
    void layoutChanged() override;

  private:
    void rebuild();
    // Runs a call into the engine, which may compute formulas and so run
    // custom functions; a layout change they cause rebuilds the engine only
    // after the call, never under its feet.
    template <typename Call>
    auto intoEngine(Call call) {
        ++engineCalls_;
        auto result = call(*engine_);
        if (--engineCalls_ == 0 && rebuildPending_) {
            rebuildPending_ = false;
            rebuild();
        }
        return result;
    }

    Sheet& sheet_;
    std::unique_ptr<formula::FormulaEngine> engine_;
    formula::ReferenceStyle style_ = formula::ReferenceStyle::Default;
    bool automatic_ = true;
    int engineCalls_ = 0;
    bool rebuildPending_ = false;
};

}  // namespace grid

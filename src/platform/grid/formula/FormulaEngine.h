// The formula engine of one sheet: its formula cells, their cached parsed
// form and results, the dependency graph, recalculation and custom functions.
//
// The sheet model owns the cells and their constant values and implements
// CellSource; the engine owns the formulas. The grid's formula calls map onto
// this class one to one:
//
//   set formula (text without "=", recalc flag)  setFormula(column, row, text, recalc)
//   get formula length / text                    formulaText(column, row)
//   SSSetRefStyle (0 default, 1 A1, 2 R1C1)      setReferenceStyle(style)
//   SSReCalcCell                                 recalculateCell(column, row)
//   recalculate all                              recalculateAll()
//   automatic recalculation option               setAutomaticRecalculation(on)
//   SSAddCustomFunctionExt                       addCustomFunction(name, min, max, callback, flags)
//   a cell's text or value set, or cleared       removeFormula(column, row) when it held one,
//                                                then cellChanged(column, row)
//   maximum columns / rows changed               boundsChanged()
//   a formula cell's value                       result(column, row), also sent to
//                                                CellSource::storeResult when computed
//
// Recalculation rules:
// - Automatic recalculation (on by default): after every change the formulas
//   that depend on it, directly or through other formulas, are computed again,
//   and only those. Off: changes only mark those formulas as stale, and they
//   keep their results until recalculateCell or recalculateAll.
// - setFormula with recalculate set computes at once, whatever the automatic
//   option says, every stale formula: the new one, its dependents, and any
//   left stale by earlier changes.
// - recalculateAll computes every formula, stale or not (custom functions may
//   read outside the sheet); recalculateCell computes one formula, after its
//   stale precedents, and then its dependents when automatic recalculation is on.
// - Formulas that refer to each other in a circle all get #CIRC!; formulas that
//   use them get that error through their operands. Nothing loops.
// - While the engine computes (inside CellSource::storeResult or a custom
//   function's callback), setFormula and removeFormula are refused and the
//   recalculate calls do nothing; cellChanged only marks dependents as stale,
//   and they are computed by the next recalculation, not by the running one.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/grid/formula/CellSource.h"
#include "platform/grid/formula/CustomFunction.h"
#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/Value.h"
#include "platform/grid/formula/parser/Formula.h"
#include "platform/grid/formula/parser/ParseError.h"

namespace formula {

class FormulaEngine {
  public:
    explicit FormulaEngine(CellSource& cells);
    ~FormulaEngine();
    FormulaEngine(const FormulaEngine&) = delete;
    FormulaEngine& operator=(const FormulaEngine&) = delete;

    // The style in which setFormula reads and formulaText writes references.
    // Default and A1 are the A1 style.
    void setReferenceStyle(ReferenceStyle style) { style_ = style; }
    ReferenceStyle referenceStyle() const { return style_; }

    // Makes text (without a leading "=") the formula of the cell, replacing any
    // formula it had. Refused, with nothing changed and the reason in `error`:
    // text that does not parse, a cell outside the sheet, a call while the
    // engine computes. The second form reads the text in the given style.
    bool setFormula(int column, int row, std::wstring_view text, bool recalculate,
                    ParseError* error = nullptr);
    bool setFormula(int column, int row, std::wstring_view text, ReferenceStyle style,
                    bool recalculate, ParseError* error = nullptr);
    // The same with the text already parsed for this very cell (by
    // FormulaCache::parse); a null formula is refused like a text that does
    // not parse.
    bool setParsedFormula(int column, int row, std::shared_ptr<const Formula> formula,
                          bool recalculate, ParseError* error = nullptr);

    // Removes every formula at once, without computing anything; the custom
    // functions, the reference style and the automatic option stay.
    void clearFormulas();

    // Removes the cell's formula; its value is then the sheet's again and its
    // dependents become stale (computed at once under automatic recalculation).
    // False when the cell has no formula, or while the engine computes.
    bool removeFormula(int column, int row);
    bool hasFormula(int column, int row) const;

    // The cell's formula in the current (or given) style, or nothing when the
    // cell has none.
    std::optional<std::wstring> formulaText(int column, int row) const;
    std::optional<std::wstring> formulaText(int column, int row, ReferenceStyle style) const;

    // The last computed result of the cell's formula (empty before the first
    // computation), or nullptr when the cell has no formula. Valid until the
    // next call that changes formulas.
    const Value* result(int column, int row) const;

    // The sheet changed the value of a cell (not through a formula).
    void cellChanged(int column, int row);
    // The sheet's bounds changed: every formula is stale.
    void boundsChanged();

    void setAutomaticRecalculation(bool on);
    bool automaticRecalculation() const;

    // Computes the cell's formula (see the rules above). False when the cell
    // has no formula or the engine is computing.
    bool recalculateCell(int column, int row);
    // Computes every formula. False (nothing done) while the engine computes.
    bool recalculateAll();

    // Adds a custom function to this sheet (see CustomFunction.h for the value
    // records and the source, and CustomFunctionRegistry::add for what is
    // refused; refused too while the engine computes). Formulas that call it
    // become stale, also when it was already added just so.
    bool addCustomFunction(std::wstring_view name, int minArguments, int maxArguments,
                           CustomFunctionCallback callback, unsigned flags,
                           std::uintptr_t source = 0);

    int formulaCount() const;

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
    ReferenceStyle style_ = ReferenceStyle::Default;
};

}  // namespace formula

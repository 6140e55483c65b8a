// The formula engine of one sheet: formula storage, dependency tracking and
// recalculation (rules in the header).
#include "platform/grid/formula/FormulaEngine.h"

#include <map>
#include <memory_resource>
#include <unordered_map>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/grid/formula/evaluator/EvaluationContext.h"
#include "platform/grid/formula/evaluator/Evaluator.h"
#include "platform/grid/formula/parser/FormulaCache.h"
#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"
#include "platform/grid/formula/recalc/CellKey.h"
#include "platform/grid/formula/recalc/DependencyIndex.h"
#include "platform/grid/formula/recalc/FormulaCell.h"
#include "platform/grid/formula/recalc/RecalcOrder.h"

namespace formula {

class FormulaEngine::Impl final : public EvaluationContext {
  public:
    explicit Impl(CellSource& cells) : cells_(cells), evaluator_(*this) {}

    int columnCount() const override { return cells_.columnCount(); }
    int rowCount() const override { return cells_.rowCount(); }
    Value cellValue(int column, int row) const override {
        if (const int id = find(column, row); id >= 0)
            return formulas_[static_cast<std::size_t>(id)].result;
        return cells_.cellValue(column, row);
    }
    const CustomFunction* customFunction(std::wstring_view upperName) const override {
        return customFunctions_.find(upperName);
    }

    bool setFormula(int column, int row, std::wstring_view text, ReferenceStyle style,
                    bool recalculate, ParseError* error);
    bool setParsedFormula(int column, int row, std::shared_ptr<const Formula> formula,
                          bool recalculate, ParseError* error);
    bool removeFormula(int column, int row);
    void clearFormulas();
    const FormulaCell* cellAt(int column, int row) const {
        const int id = find(column, row);
        return id < 0 ? nullptr : &formulas_[static_cast<std::size_t>(id)];
    }
    void cellChanged(int column, int row);
    void boundsChanged();
    void setAutomatic(bool on);
    bool automatic() const { return automatic_; }
    bool recalculateCell(int column, int row);
    bool recalculateAll();
    bool addCustomFunction(std::wstring_view name, int minArguments, int maxArguments,
                           CustomFunctionCallback callback, unsigned flags, std::uintptr_t source);
    int formulaCount() const { return static_cast<int>(byAddress_.size()); }

  private:
    class ComputingGuard {
      public:
        explicit ComputingGuard(bool& flag) : flag_(flag) { flag_ = true; }
        ~ComputingGuard() { flag_ = false; }
        ComputingGuard(const ComputingGuard&) = delete;
        ComputingGuard& operator=(const ComputingGuard&) = delete;

      private:
        bool& flag_;
    };

    int find(int column, int row) const {
        const auto found = byAddress_.find(cellKey(column, row));
        return found == byAddress_.end() ? -1 : found->second;
    }
    FormulaCell& at(int id) { return formulas_[static_cast<std::size_t>(id)]; }
    const FormulaCell& at(int id) const { return formulas_[static_cast<std::size_t>(id)]; }
    int idLimit() const { return static_cast<int>(formulas_.size()); }

    void markStale(int id);
    void markDependentsStale(int column, int row);
    template <typename Include>
    void appendPrecedents(int id, Include include, std::vector<int>& out) const;
    void run(const std::vector<RecalcStep>& steps);
    void computeStale();
    void computeStaleIfAutomatic() {
        if (automatic_ && !computing_)
            computeStale();
    }
    // True when a formula may be set into the cell now; the reason in `error` when not.
    bool canSetFormula(int column, int row, ParseError* error) const;
    // Puts the formula into the cell, replacing any, and computes as setFormula says.
    void placeFormula(int column, int row, std::shared_ptr<const Formula> formula,
                      bool recalculate);
    void insertFormula(int column, int row, std::shared_ptr<const Formula> formula);
    void eraseFormula(int id);

    CellSource& cells_;
    Evaluator evaluator_;
    CustomFunctionRegistry customFunctions_;
    std::vector<FormulaCell> formulas_;
    std::vector<int> freeIds_;
    // The indexes' entries come from this pool: loading a sheet drops every
    // formula and its evaluation sets the same ones again, so the entries
    // freed are the ones taken next, without the general allocator.
    std::pmr::unsynchronized_pool_resource indexMemory_;
    std::pmr::unordered_map<CellKey, int> byAddress_{&indexMemory_};
    // Column-major, for the formulas inside a range.
    std::pmr::map<CellKey, int> ordered_{&indexMemory_};
    DependencyIndex dependents_{&indexMemory_};
    RecalcOrder order_;
    std::vector<int> stale_;  // may hold ids that are no longer stale or live
    std::vector<int> pending_;
    // The steps being computed: nothing orders new steps while the engine
    // computes (every call that would is refused then), so run() reads them in place.
    std::vector<RecalcStep> steps_;
    std::vector<int> roots_;
    std::vector<RecalcStep> fullOrder_;
    bool fullOrderValid_ = false;
    bool automatic_ = true;
    bool computing_ = false;
};

void FormulaEngine::Impl::markStale(int id) {
    if (at(id).isStale)
        return;
    at(id).isStale = true;
    stale_.push_back(id);
    pending_.push_back(id);
}

void FormulaEngine::Impl::markDependentsStale(int column, int row) {
    // Iterative walk over the reverse edges; pending_ holds the formulas whose
    // own dependents are still to be marked.
    pending_.clear();
    dependents_.forEachDependent(column, row, [&](int id) { markStale(id); });
    while (!pending_.empty()) {
        const int id = pending_.back();
        pending_.pop_back();
        const CellAddress address = at(id).address;
        dependents_.forEachDependent(address.column, address.row,
                                     [&](int dependent) { markStale(dependent); });
    }
}

template <typename Include>
void FormulaEngine::Impl::appendPrecedents(int id, Include include, std::vector<int>& out) const {
    for (const Area& area : at(id).formula->references()) {
        if (area.isSingleCell()) {
            const int precedent = find(area.firstColumn, area.firstRow);
            if (precedent >= 0 && include(precedent))
                out.push_back(precedent);
            continue;
        }
        if (static_cast<double>(area.columnCount()) * area.rowCount() >
            static_cast<double>(ordered_.size())) {
            // A range larger than the number of formulas: test every formula.
            for (const auto& [key, precedent] : ordered_) {
                const CellAddress address = at(precedent).address;
                if (area.contains(address.column, address.row) && include(precedent)) {
                    out.push_back(precedent);
                }
            }
            continue;
        }
        for (int column = area.firstColumn; column <= area.lastColumn; ++column) {
            auto it = ordered_.lower_bound(cellKey(column, area.firstRow));
            const CellKey last = cellKey(column, area.lastRow);
            for (; it != ordered_.end() && it->first <= last; ++it) {
                if (include(it->second))
                    out.push_back(it->second);
            }
        }
    }
}

void FormulaEngine::Impl::run(const std::vector<RecalcStep>& steps) {
    ComputingGuard guard(computing_);
    for (const RecalcStep& step : steps) {
        FormulaCell& cell = at(step.formulaId);
        cell.isStale = false;
        cell.result = step.isCircular ? Value::error(ErrorKind::Circular)
                                      : evaluator_.evaluate(*cell.formula, cell.address.column,
                                                            cell.address.row);
        cells_.storeResult(cell.address.column, cell.address.row, cell.result);
    }
}

void FormulaEngine::Impl::computeStale() {
    // The roots are taken out of stale_ (which the computation may fill
    // again); both vectors keep their storage for the next time.
    roots_.clear();
    roots_.swap(stale_);
    std::erase_if(roots_, [&](int id) { return !at(id).isLive || !at(id).isStale; });
    if (roots_.empty())
        return;
    steps_.clear();
    order_.build(
        roots_, idLimit(),
        [&](int id, std::vector<int>& out) {
            appendPrecedents(
                id, [&](int p) { return at(p).isStale; }, out);
        },
        steps_);
    run(steps_);
}

void FormulaEngine::Impl::insertFormula(int column, int row,
                                        std::shared_ptr<const Formula> formula) {
    int id;
    if (!freeIds_.empty()) {
        id = freeIds_.back();
        freeIds_.pop_back();
    } else {
        id = idLimit();
        formulas_.emplace_back();
    }
    FormulaCell& cell = at(id);
    cell.address = {column, row};
    cell.formula = std::move(formula);
    cell.result = Value();
    cell.isLive = true;
    cell.isStale = false;
    byAddress_[cellKey(column, row)] = id;
    ordered_[cellKey(column, row)] = id;
    dependents_.add(id, cell.formula->references());
    fullOrderValid_ = false;
}

void FormulaEngine::Impl::eraseFormula(int id) {
    FormulaCell& cell = at(id);
    dependents_.remove(id, cell.formula->references());
    byAddress_.erase(cellKey(cell.address.column, cell.address.row));
    ordered_.erase(cellKey(cell.address.column, cell.address.row));
    cell = FormulaCell();
    freeIds_.push_back(id);
    fullOrderValid_ = false;
}

bool FormulaEngine::Impl::canSetFormula(int column, int row, ParseError* error) const {
    if (computing_) {
        if (error)
            *error = makeParseError(ParseErrorCode::EngineBusy, 0, {});
        return false;
    }
    if (column < 1 || row < 1 || column > cells_.columnCount() || row > cells_.rowCount()) {
        if (error)
            *error = makeParseError(ParseErrorCode::CellOutsideSheet, 0, {});
        return false;
    }
    return true;
}

void FormulaEngine::Impl::placeFormula(int column, int row, std::shared_ptr<const Formula> formula,
                                       bool recalculate) {
    if (const int old = find(column, row); old >= 0)
        eraseFormula(old);
    insertFormula(column, row, std::move(formula));
    const int id = find(column, row);
    markStale(id);
    markDependentsStale(column, row);
    if (recalculate || automatic_)
        computeStale();
}

bool FormulaEngine::Impl::setFormula(int column, int row, std::wstring_view text,
                                     ReferenceStyle style, bool recalculate, ParseError* error) {
    if (!canSetFormula(column, row, error))
        return false;
    auto parsed = FormulaCache::shared().parse(text, column, row, style, error);
    if (!parsed)
        return false;
    placeFormula(column, row, std::move(parsed), recalculate);
    return true;
}

bool FormulaEngine::Impl::setParsedFormula(int column, int row,
                                           std::shared_ptr<const Formula> formula, bool recalculate,
                                           ParseError* error) {
    if (!canSetFormula(column, row, error) || !formula)
        return false;
    placeFormula(column, row, std::move(formula), recalculate);
    return true;
}

bool FormulaEngine::Impl::removeFormula(int column, int row) {
    const int id = find(column, row);
    if (id < 0 || computing_)
        return false;
    eraseFormula(id);
    markDependentsStale(column, row);
    computeStaleIfAutomatic();
    return true;
}

void FormulaEngine::Impl::clearFormulas() {
    formulas_.clear();
    freeIds_.clear();
    byAddress_.clear();
    ordered_.clear();
    dependents_.clear();
    stale_.clear();
    pending_.clear();
    fullOrder_.clear();
    fullOrderValid_ = false;
}

void FormulaEngine::Impl::cellChanged(int column, int row) {
    markDependentsStale(column, row);
    computeStaleIfAutomatic();
}

void FormulaEngine::Impl::boundsChanged() {
    for (int id = 0; id < idLimit(); ++id) {
        if (at(id).isLive)
            markStale(id);
    }
    pending_.clear();
    computeStaleIfAutomatic();
}

void FormulaEngine::Impl::setAutomatic(bool on) {
    automatic_ = on;
    computeStaleIfAutomatic();
}

bool FormulaEngine::Impl::recalculateCell(int column, int row) {
    const int target = find(column, row);
    if (target < 0 || computing_)
        return false;
    // The target and its stale precedents, in order.
    steps_.clear();
    const int roots[] = {target};
    order_.build(
        roots, idLimit(),
        [&](int id, std::vector<int>& out) {
            appendPrecedents(
                id, [&](int p) { return at(p).isStale || p == target; }, out);
        },
        steps_);
    run(steps_);
    markDependentsStale(column, row);
    computeStaleIfAutomatic();
    return true;
}

bool FormulaEngine::Impl::recalculateAll() {
    if (computing_)
        return false;
    if (!fullOrderValid_) {
        std::vector<int> roots;
        for (int id = 0; id < idLimit(); ++id) {
            if (at(id).isLive)
                roots.push_back(id);
        }
        fullOrder_.clear();
        order_.build(
            roots, idLimit(),
            [&](int id, std::vector<int>& out) {
                appendPrecedents(
                    id, [](int) { return true; }, out);
            },
            fullOrder_);
        fullOrderValid_ = true;
    }
    stale_.clear();
    run(fullOrder_);
    return true;
}

bool FormulaEngine::Impl::addCustomFunction(std::wstring_view name, int minArguments,
                                            int maxArguments, CustomFunctionCallback callback,
                                            unsigned flags, std::uintptr_t source) {
    if (computing_)
        return false;
    if (!customFunctions_.add(name, minArguments, maxArguments, std::move(callback), flags,
                              source)) {
        return false;
    }
    const std::wstring& upper = customFunctions_.findNamed(name)->name;
    pending_.clear();
    std::vector<CellAddress> callers;
    for (int id = 0; id < idLimit(); ++id) {
        if (at(id).isLive && callsCustomFunction(*at(id).formula, upper))
            callers.push_back(at(id).address);
    }
    for (const CellAddress& address : callers) {
        markStale(find(address.column, address.row));
        markDependentsStale(address.column, address.row);
    }
    computeStaleIfAutomatic();
    return true;
}

FormulaEngine::FormulaEngine(CellSource& cells) : impl_(std::make_unique<Impl>(cells)) {}

FormulaEngine::~FormulaEngine() = default;

bool FormulaEngine::setFormula(int column, int row, std::wstring_view text, bool recalculate,
                               ParseError* error) {
    return impl_->setFormula(column, row, text, style_, recalculate, error);
}

bool FormulaEngine::setFormula(int column, int row, std::wstring_view text, ReferenceStyle style,
                               bool recalculate, ParseError* error) {
    return impl_->setFormula(column, row, text, style, recalculate, error);
}

bool FormulaEngine::setParsedFormula(int column, int row, std::shared_ptr<const Formula> formula,
                                     bool recalculate, ParseError* error) {
    return impl_->setParsedFormula(column, row, std::move(formula), recalculate, error);
}

void FormulaEngine::clearFormulas() {
    impl_->clearFormulas();
}

bool FormulaEngine::removeFormula(int column, int row) {
    return impl_->removeFormula(column, row);
}

bool FormulaEngine::hasFormula(int column, int row) const {
    return impl_->cellAt(column, row) != nullptr;
}

std::optional<std::wstring> FormulaEngine::formulaText(int column, int row) const {
    return formulaText(column, row, style_);
}

std::optional<std::wstring> FormulaEngine::formulaText(int column, int row,
                                                       ReferenceStyle style) const {
    const FormulaCell* cell = impl_->cellAt(column, row);
    if (!cell)
        return std::nullopt;
    return printFormula(*cell->formula, column, row, style);
}

const Value* FormulaEngine::result(int column, int row) const {
    const FormulaCell* cell = impl_->cellAt(column, row);
    return cell ? &cell->result : nullptr;
}

void FormulaEngine::cellChanged(int column, int row) {
    impl_->cellChanged(column, row);
}

void FormulaEngine::boundsChanged() {
    impl_->boundsChanged();
}

void FormulaEngine::setAutomaticRecalculation(bool on) {
    impl_->setAutomatic(on);
}

bool FormulaEngine::automaticRecalculation() const {
    return impl_->automatic();
}

bool FormulaEngine::recalculateCell(int column, int row) {
    return impl_->recalculateCell(column, row);
}

bool FormulaEngine::recalculateAll() {
    return impl_->recalculateAll();
}

bool FormulaEngine::addCustomFunction(std::wstring_view name, int minArguments, int maxArguments,
                                      CustomFunctionCallback callback, unsigned flags,
                                      std::uintptr_t source) {
    return impl_->addCustomFunction(name, minArguments, maxArguments, std::move(callback), flags,
                                    source);
}

int FormulaEngine::formulaCount() const {
    return impl_->formulaCount();
}

}  // namespace formula

// The formula engine of a grid's sheet, kept in step with the sheet.
#include "platform/grid/SheetFormulas.h"

#include <algorithm>

#include "platform/grid/formula/parser/FormulaCache.h"

namespace grid {
namespace {

CellValue toCellValue(const formula::Value& value) {
    switch (value.type()) {
        case formula::Value::Type::Number:
            return CellValue::number(value.asNumber());
        case formula::Value::Type::Logical:
            return CellValue::logical(value.asNumber() != 0);
        case formula::Value::Type::Text:
            return CellValue::text(value.asText());
        case formula::Value::Type::Error:
            return CellValue::error(std::wstring(formula::errorText(value.asError())));
        case formula::Value::Type::Empty:
            break;
    }
    return CellValue();
}

formula::Value toFormulaValue(const CellValue& value) {
    switch (value.kind()) {
        case CellValue::Kind::Number:
            return formula::Value::number(value.asNumber());
        case CellValue::Kind::Logical:
            return formula::Value::logical(value.asNumber() != 0);
        case CellValue::Kind::Text:
            return formula::Value::text(value.asText());
        case CellValue::Kind::Error:
            return formula::Value::error(
                formula::errorFromText(value.asText()).value_or(formula::ErrorKind::Value));
        case CellValue::Kind::Empty:
            break;
    }
    return formula::Value();
}

}  // namespace

SheetFormulas::SheetFormulas(Sheet& sheet)
    : sheet_(sheet), engine_(std::make_unique<formula::FormulaEngine>(*this)) {
    attach();
}

SheetFormulas::~SheetFormulas() {
    sheet_.setObserver(nullptr);
}

void SheetFormulas::attach() {
    sheet_.setObserver(this);
    rebuild();
}

void SheetFormulas::rebuild() {
    engine_->clearFormulas();
    engine_->setAutomaticRecalculation(false);
    // The texts the sheet holds are in A1 style; a text the engine no longer
    // takes (a cell outside the sheet) is dropped from the engine only. With
    // automatic recalculation off nothing is computed, so the sheet is not
    // written while its cells are walked.
    for (const auto& [key, cell] : sheet_.cells()) {
        if (!cell.formula.empty()) {
            engine_->setFormula(key.column, key.row, cell.formula, formula::ReferenceStyle::A1,
                                false);
        }
    }
    engine_->setAutomaticRecalculation(automatic_);
}

bool SheetFormulas::setFormula(int column, int row, std::wstring_view text, bool recalculate) {
    // The engine takes the formula without computing it, so that the sheet
    // holds the formula before its first result arrives.
    // The sheet keeps the formula's A1 text, which the same cache look-up gives.
    return intoEngine([&](formula::FormulaEngine& engine) {
        engine.setAutomaticRecalculation(false);
        formula::FormulaCache::Kept kept = formula::FormulaCache::shared().parseAndPrint(
            text, column, row, style_, formula::ReferenceStyle::A1);
        const bool taken = engine.setParsedFormula(column, row, std::move(kept.formula), false);
        if (taken)
            sheet_.setFormula(column, row, *kept.printed, CellValue());
        // Switching automatic recalculation back on computes what is stale.
        engine.setAutomaticRecalculation(automatic_);
        if (taken && recalculate && !automatic_)
            engine.recalculateCell(column, row);
        return taken;
    });
}

std::optional<std::wstring> SheetFormulas::formulaText(int column, int row) const {
    return engine_->formulaText(column, row);
}

bool SheetFormulas::recalculateCell(int column, int row) {
    return intoEngine(
        [&](formula::FormulaEngine& engine) { return engine.recalculateCell(column, row); });
}

bool SheetFormulas::recalculateAll() {
    return intoEngine([](formula::FormulaEngine& engine) { return engine.recalculateAll(); });
}

void SheetFormulas::setReferenceStyle(formula::ReferenceStyle style) {
    style_ = style;
    engine_->setReferenceStyle(style);
}

void SheetFormulas::setAutomaticRecalculation(bool on) {
    automatic_ = on;
    intoEngine([on](formula::FormulaEngine& engine) {
        engine.setAutomaticRecalculation(on);
        return true;
    });
}

bool SheetFormulas::addCustomFunction(std::wstring_view name, int minArguments, int maxArguments,
                                      formula::CustomFunctionCallback callback, unsigned flags,
                                      std::uintptr_t source) {
    return intoEngine([&](formula::FormulaEngine& engine) {
        return engine.addCustomFunction(name, minArguments, maxArguments, std::move(callback),
                                        flags, source);
    });
}

int SheetFormulas::columnCount() const {
    return sheet_.columnCount();
}

int SheetFormulas::rowCount() const {
    return sheet_.rowCount();
}

formula::Value SheetFormulas::cellValue(int column, int row) const {
    return toFormulaValue(sheet_.value(column, row));
}

void SheetFormulas::storeResult(int column, int row, const formula::Value& result) {
    sheet_.setFormulaResult(column, row, toCellValue(result));
}

void SheetFormulas::cellValueChanged(int column, int row) {
    intoEngine([&](formula::FormulaEngine& engine) {
        if (!engine.removeFormula(column, row))
            engine.cellChanged(column, row);
        return true;
    });
}

void SheetFormulas::layoutChanged() {
    if (engineCalls_ > 0)
        rebuildPending_ = true;
    else
        rebuild();
}

}  // namespace grid

// A small sheet for the formula tests: constant cells in a map, bounds, and a
// record of every result the engine stores.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/grid/formula/CellSource.h"
#include "platform/grid/formula/FormulaEngine.h"

namespace formulatest {

class TestSheet : public formula::CellSource {
  public:
    TestSheet(int columns = 26, int rows = 100) : columns_(columns), rows_(rows) {}

    int columnCount() const override { return columns_; }
    int rowCount() const override { return rows_; }
    formula::Value cellValue(int column, int row) const override {
        const auto found = values_.find({column, row});
        return found == values_.end() ? formula::Value() : found->second;
    }
    void storeResult(int column, int row, const formula::Value&) override {
        stored.emplace_back(column, row);
    }

    // Sets a constant cell (A1 notation) without telling any engine.
    void put(const std::wstring& cell, formula::Value value);
    void resize(int columns, int rows) {
        columns_ = columns;
        rows_ = rows;
    }

    // Every (column, row) whose result the engine stored, in order.
    std::vector<std::pair<int, int>> stored;

  private:
    int columns_;
    int rows_;
    std::map<std::pair<int, int>, formula::Value> values_;
};

// The column and row of an A1 address such as "B12".
std::pair<int, int> address(const std::wstring& cell);

// Parses a literal of the test tables: a number, TRUE/FALSE, an error text
// such as #N/A, "(empty)", a text in double quotes, or anything else as a text.
formula::Value literal(const std::wstring& text);

}  // namespace formulatest

namespace formula {
// Shows values readably in test failures.
void PrintTo(const Value& value, std::ostream* out);
}  // namespace formula

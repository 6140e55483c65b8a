// Cells read before an edit of the sheet are read afresh after it: the sheet
// remembers what it found lately at a position, and no edit may leave it
// pointing at a cell that moved or went away, or believing a filled cell is
// empty.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/grid/Sheet.h"

namespace grid {
namespace {

constexpr int kSize = 4;

Sheet filledSheet() {
    Sheet sheet;
    sheet.setColumnCount(kSize);
    sheet.setRowCount(kSize);
    // Every third cell stays empty, so that absences are read too.
    for (int column = 1; column <= kSize; ++column) {
        for (int row = 1; row <= kSize; ++row) {
            if ((column + row) % 3 != 0)
                sheet.setValue(
                    column, row,
                    CellValue::text(L"c" + std::to_wstring(column) + L"r" + std::to_wstring(row)));
        }
    }
    return sheet;
}

void readAll(const Sheet& sheet) {
    for (int column = 1; column <= kSize; ++column) {
        for (int row = 1; row <= kSize; ++row)
            sheet.valueText(column, row);
    }
}

TEST(SheetCellLookupTest, EveryEditIsSeenByCellsReadBeforeIt) {
    struct Case {
        const char* name;
        std::function<void(Sheet&)> edit;
    };
    const Case cases[] = {
        {"emptying a cell", [](Sheet& s) { s.setValue(2, 2, CellValue{}); }},
        {"emptying then refilling",
         [](Sheet& s) {
             s.setValue(2, 2, CellValue{});
             s.setValue(2, 2, CellValue::text(L"new"));
         }},
        {"filling an empty cell", [](Sheet& s) { s.setValue(1, 2, CellValue::text(L"new")); }},
        {"a formula in an empty cell",
         [](Sheet& s) { s.setFormula(2, 1, L"1+1", CellValue::number(2)); }},
        {"clearing a block",
         [](Sheet& s) {
             s.clearBlock({1, 1, 2, 2}, ClearScope::Everything);
         }},
        {"clearing contents",
         [](Sheet& s) {
             s.clearBlock({2, 2, 3, 3}, ClearScope::Contents);
         }},
        {"inserting a row", [](Sheet& s) { s.insertRow(2); }},
        {"deleting a row", [](Sheet& s) { s.deleteRow(1); }},
        {"inserting a column", [](Sheet& s) { s.insertColumn(3); }},
        {"deleting a column", [](Sheet& s) { s.deleteColumn(2); }},
        {"shrinking and growing",
         [](Sheet& s) {
             s.setRowCount(2);
             s.setRowCount(kSize);
         }},
        {"copying a block",
         [](Sheet& s) {
             s.copyBlock({1, 1, 2, 2}, 3, 3);
         }},
        {"moving a block",
         [](Sheet& s) {
             s.moveBlock({1, 1, 2, 2}, 2, 2);
         }},
        {"assigning another sheet",
         [](Sheet& s) {
             Sheet other = filledSheet();
             other.setValue(1, 1, CellValue::text(L"other"));
             other.deleteRow(3);
             s = other;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet readFirst = filledSheet();
        readAll(readFirst);
        c.edit(readFirst);
        Sheet unread = filledSheet();
        c.edit(unread);
        for (int column = 1; column <= kSize; ++column) {
            for (int row = 1; row <= kSize; ++row)
                EXPECT_EQ(readFirst.valueText(column, row), unread.valueText(column, row))
                    << "column " << column << ", row " << row;
        }
    }
}

TEST(SheetCellLookupTest, CellsBeyondTheSizeReadBeforeAreFound) {
    Sheet sheet = filledSheet();
    readAll(sheet);
    sheet.setColumnCount(kSize + 2);
    sheet.setRowCount(kSize + 2);
    EXPECT_EQ(sheet.valueText(kSize + 1, kSize + 2), L"");
    sheet.setValue(kSize + 1, kSize + 2, CellValue::text(L"far"));
    sheet.setValue(kSize + 2, 1, CellValue::text(L"wide"));
    EXPECT_EQ(sheet.valueText(kSize + 1, kSize + 2), L"far");
    EXPECT_EQ(sheet.valueText(kSize + 2, 1), L"wide");
    EXPECT_EQ(sheet.valueText(1, 1), L"c1r1");
}

// A sheet assigned over another takes the other's cells exactly, whatever
// positions the two share (the assignment reuses the cells both hold).
TEST(SheetCellLookupTest, AssigningASheetOverAnotherGivesItsCellsExactly) {
    struct Filled {
        int column;
        int row;
        const wchar_t* text;
    };
    using Layout = std::vector<Filled>;
    const Layout none;
    const Layout some = {{1, 1, L"a"}, {3, 1, L"b"}, {2, 3, L"c"}, {4, 4, L"d"}};
    const Layout sameOtherTexts = {
        {1, 1, L"longer text a"}, {3, 1, L"B"}, {2, 3, L""}, {4, 4, L"d"}};
    const Layout interleaved = {{2, 1, L"x"}, {3, 1, L"y"}, {1, 3, L"z"}, {4, 4, L"w"}};
    const Layout before = {{1, 1, L"a"}};
    const Layout after = {{4, 4, L"d"}, {1, 4, L"e"}};
    const std::pair<Layout, Layout> cases[] = {
        {none, some},   {some, none},   {some, sameOtherTexts}, {some, interleaved},
        {some, before}, {before, some}, {some, after},          {interleaved, some},
    };
    const auto make = [](const Layout& layout) {
        Sheet sheet;
        sheet.setColumnCount(kSize);
        sheet.setRowCount(kSize);
        for (const Filled& cell : layout)
            sheet.setValue(cell.column, cell.row, CellValue::text(cell.text));
        return sheet;
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        Sheet target = make(cases[i].first);
        readAll(target);
        const Sheet source = make(cases[i].second);
        target = source;
        EXPECT_TRUE(target == source);
        for (int column = 1; column <= kSize; ++column) {
            for (int row = 1; row <= kSize; ++row)
                EXPECT_EQ(target.valueText(column, row), source.valueText(column, row));
        }
    }
}

TEST(SheetCellLookupTest, ACopyReadsItsOwnCells) {
    Sheet original = filledSheet();
    readAll(original);
    Sheet copy = original;
    Sheet assigned;
    assigned = original;
    original.setValue(1, 1, CellValue::text(L"changed"));
    original.clearBlock({2, 2, 2, 2}, ClearScope::Everything);
    EXPECT_EQ(copy.valueText(1, 1), L"c1r1");
    EXPECT_EQ(assigned.valueText(1, 1), L"c1r1");
    EXPECT_EQ(copy.valueText(2, 2), L"c2r2");
    copy.setValue(3, 2, CellValue::text(L"copy"));
    EXPECT_EQ(original.valueText(3, 2), L"c3r2");
}

}  // namespace
}  // namespace grid

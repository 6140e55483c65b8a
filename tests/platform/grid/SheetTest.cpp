// The sheet model: limits, content, layered formats, spans and structural edits.
#include <gtest/gtest.h>

#include "platform/grid/GridLimits.h"
#include "platform/grid/Sheet.h"

namespace grid {
namespace {

Sheet sheetOf(int columns, int rows) {
    Sheet sheet;
    sheet.setColumnCount(columns);
    sheet.setRowCount(rows);
    return sheet;
}

CellFormat background(Color color) {
    CellFormat format;
    format.background = color;
    return format;
}

CellFormat typeFormat(const CellType& type) {
    CellFormat format;
    format.type = type;
    return format;
}

Block wholeColumns(int first, int last) {
    return {first, 1, last, 1, false, true};
}

Block wholeRows(int first, int last) {
    return {1, first, 1, last, true, false};
}

Block everything() {
    return {1, 1, 1, 1, true, true};
}

TEST(SheetTest, SizeLimitsAreEnforced) {
    Sheet sheet;
    EXPECT_TRUE(sheet.setColumnCount(kMaxColumns));
    EXPECT_TRUE(sheet.setRowCount(kMaxRows));
    EXPECT_FALSE(sheet.setColumnCount(kMaxColumns + 1));
    EXPECT_FALSE(sheet.setRowCount(kMaxRows + 1));
    EXPECT_FALSE(sheet.setRowCount(-1));
    EXPECT_EQ(sheet.columnCount(), kMaxColumns);
    EXPECT_EQ(sheet.rowCount(), kMaxRows);
    EXPECT_TRUE(sheet.cells().empty()) << "a large empty sheet stores no cells";
    EXPECT_TRUE(sheet.setText(kMaxColumns, kMaxRows, L"corner", TextReading::AsTyped));
    EXPECT_EQ(sheet.cells().size(), 1u);
}

TEST(SheetTest, CoordinatesOutsideTheSheetChangeNothing) {
    Sheet sheet = sheetOf(3, 3);
    sheet.setChanged(false);
    const Sheet before = sheet;
    EXPECT_FALSE(sheet.setText(4, 1, L"x", TextReading::AsTyped));
    EXPECT_FALSE(sheet.setText(1, -1, L"x", TextReading::AsTyped));
    EXPECT_FALSE(sheet.setNumber(1, 4, 2));
    EXPECT_FALSE(sheet.setTag(-1, 0, L"t"));
    EXPECT_FALSE(sheet.setColumnWidth(4, 10));
    EXPECT_FALSE(sheet.applyFormat(Block{1, 1, 4, 1}, background(1)));
    EXPECT_FALSE(sheet.addSpan({3, 3, 2, 1}));
    EXPECT_FALSE(sheet.setActiveCell(0, 1));
    EXPECT_EQ(sheet, before);
    EXPECT_FALSE(sheet.changed());
    EXPECT_EQ(sheet.valueText(4, 4), L"");
}

TEST(SheetTest, HeaderAndCornerCellsHoldTextAndTags) {
    Sheet sheet = sheetOf(2, 2);
    EXPECT_TRUE(sheet.setText(1, 0, L"Name", TextReading::AsTyped));
    EXPECT_TRUE(sheet.setText(0, 2, L"Second", TextReading::AsTyped));
    EXPECT_TRUE(sheet.setTag(0, 0, L"settings"));
    EXPECT_EQ(sheet.valueText(1, 0), L"Name");
    EXPECT_EQ(sheet.valueText(0, 2), L"Second");
    EXPECT_EQ(sheet.tag(0, 0), L"settings");
    EXPECT_TRUE(sheet.changed());
}

TEST(SheetTest, EmptiedCellsAreNotStored) {
    Sheet sheet = sheetOf(5, 5);
    sheet.setText(2, 2, L"x", TextReading::AsTyped);
    sheet.setTag(2, 2, L"t");
    sheet.setText(2, 2, L"", TextReading::AsTyped);
    EXPECT_EQ(sheet.cells().size(), 1u);
    sheet.setTag(2, 2, L"");
    EXPECT_TRUE(sheet.cells().empty());
}

TEST(SheetTest, FormulaKeepsItsComputedValueUntilTextReplacesIt) {
    Sheet sheet = sheetOf(2, 2);
    ASSERT_TRUE(
        sheet.applyFormat(Block::cell(1, 1), typeFormat(*makeNumberType(2, -1e6, 1e6, false))));
    EXPECT_TRUE(sheet.setFormula(1, 1, L"A2*2", CellValue::number(4)));
    EXPECT_EQ(sheet.valueText(1, 1), L"4.00");
    EXPECT_EQ(sheet.formula(1, 1), L"A2*2");
    EXPECT_TRUE(sheet.setFormulaResult(1, 1, CellValue::number(6)));
    EXPECT_EQ(sheet.number(1, 1), 6.0);
    EXPECT_FALSE(sheet.setFormulaResult(2, 2, CellValue::number(1))) << "not a formula cell";
    EXPECT_TRUE(sheet.setText(1, 1, L"3", TextReading::AsTyped));
    EXPECT_EQ(sheet.formula(1, 1), L"");
    EXPECT_EQ(sheet.valueText(1, 1), L"3.00");
}

TEST(SheetTest, TheLastFormatSetOnACellIsTheOneItShows) {
    struct Step {
        Block block;
        Color color;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        Color expected;  // at cell (2, 3)
    };
    const Case cases[] = {
        {"sheet", {{everything(), 1}}, 1},
        {"column over sheet", {{everything(), 1}, {wholeColumns(2, 2), 2}}, 2},
        {"sheet over column", {{wholeColumns(2, 2), 2}, {everything(), 1}}, 1},
        {"row over column", {{wholeColumns(2, 2), 2}, {wholeRows(3, 3), 3}}, 3},
        {"column over row", {{wholeRows(3, 3), 3}, {wholeColumns(1, 4), 2}}, 2},
        {"cell over row", {{wholeRows(3, 3), 3}, {Block::cell(2, 3), 4}}, 4},
        {"row over cell", {{Block::cell(2, 3), 4}, {wholeRows(2, 3), 3}}, 3},
        {"block over column", {{wholeColumns(2, 2), 2}, {Block{1, 3, 2, 3}, 5}}, 5},
        {"other row untouched", {{wholeRows(4, 4), 3}}, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet = sheetOf(5, 5);
        for (const Step& step : c.steps)
            ASSERT_TRUE(sheet.applyFormat(step.block, background(step.color)));
        EXPECT_EQ(sheet.resolvedFormat(2, 3).background, c.expected);
    }
}

TEST(SheetTest, SettingsACellAlreadyHasLeaveItAsItIs) {
    Sheet sheet = sheetOf(3, 3);
    const CellType number = *makeNumberType(2, -1e6, 1e6, false);
    CellFormat typeAndColor = typeFormat(number);
    typeAndColor.background = 5;
    ASSERT_TRUE(sheet.applyFormat(Block::cell(2, 2), typeAndColor));
    ASSERT_TRUE(sheet.setText(2, 2, L"1.5", TextReading::AsValue));
    const Sheet before = sheet;
    sheet.setChanged(false);

    // The same type again: nothing changes but the change flag.
    ASSERT_TRUE(sheet.applyFormat(Block::cell(2, 2), typeFormat(number)));
    EXPECT_TRUE(sheet.changed());
    EXPECT_EQ(sheet, before);
    EXPECT_EQ(sheet.valueText(2, 2), L"1.50");

    // A patch holding one setting the cell has and one it has not takes effect.
    CellFormat typeAndLock = typeFormat(number);
    typeAndLock.locked = true;
    ASSERT_TRUE(sheet.applyFormat(Block::cell(2, 2), typeAndLock));
    EXPECT_TRUE(sheet.resolvedFormat(2, 2).locked);
    EXPECT_EQ(sheet.resolvedFormat(2, 2).background, 5u);

    // Another number of decimals is another type.
    ASSERT_TRUE(
        sheet.applyFormat(Block::cell(2, 2), typeFormat(*makeNumberType(3, -1e6, 1e6, false))));
    EXPECT_EQ(sheet.valueText(2, 2), L"1.500");
}

TEST(SheetTest, WholeColumnFormatsCostNoCellsAndReachNewRows) {
    Sheet sheet = sheetOf(3, 10);
    CellFormat locked;
    locked.locked = true;
    ASSERT_TRUE(sheet.applyFormat(wholeColumns(2, 2), locked));
    EXPECT_TRUE(sheet.cells().empty());
    sheet.setRowCount(1000);
    EXPECT_TRUE(sheet.resolvedFormat(2, 1000).locked);
    EXPECT_FALSE(sheet.resolvedFormat(1, 1000).locked);
    EXPECT_FALSE(sheet.resolvedFormat(2, 0).locked) << "the header cell keeps its own settings";
}

TEST(SheetTest, HeaderRowAndColumnHaveTheirOwnLevels) {
    Sheet sheet = sheetOf(3, 3);
    CellFont bold{L"Tahoma", 15, 700};
    CellFormat boldFormat;
    boldFormat.font = bold;
    ASSERT_TRUE(sheet.applyFormat(Block{1, 0, 1, 0, true, false}, boldFormat));
    EXPECT_EQ(sheet.resolvedFormat(3, 0).font, bold);
    EXPECT_NE(sheet.resolvedFormat(3, 1).font, bold);
    EXPECT_NE(sheet.resolvedFormat(0, 1).font, bold);
    ASSERT_TRUE(sheet.applyFormat(Block{0, 1, 0, 1, false, true}, boldFormat));
    EXPECT_EQ(sheet.resolvedFormat(0, 2).font, bold);
    EXPECT_EQ(sheet.resolvedFormat(0, 0).background, defaultHeaderFormat().background);
}

TEST(SheetTest, SpansMustFitAndNotOverlap) {
    Sheet sheet = sheetOf(5, 5);
    EXPECT_TRUE(sheet.addSpan({1, 1, 2, 2}));
    EXPECT_FALSE(sheet.addSpan({2, 2, 2, 1})) << "overlap";
    EXPECT_FALSE(sheet.addSpan({3, 3, 1, 1})) << "a single cell";
    EXPECT_FALSE(sheet.addSpan({5, 1, 2, 1})) << "past the last column";
    EXPECT_FALSE(sheet.addSpan({1, 0, 2, 2})) << "across header and body";
    EXPECT_TRUE(sheet.addSpan({3, 0, 2, 1})) << "in the header row";
    EXPECT_TRUE(sheet.addSpan({0, 2, 1, 3})) << "in the header column";
    const std::optional<Span> found = sheet.spanAt(2, 2);
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, (Span{1, 1, 2, 2}));
    EXPECT_FALSE(sheet.spanAt(3, 3));
    EXPECT_TRUE(sheet.removeSpan(2, 1));
    EXPECT_FALSE(sheet.spanAt(1, 1));
}

struct LineEditCase {
    const char* name;
    bool rows;
    bool insert;
    int position;
    CellKey taggedAfter;            // where the tag of cell (3, 3) ends up; row -1: gone
    std::optional<Span> spanAfter;  // the span that started as (2, 2, 2, 3)
};

TEST(SheetTest, InsertingAndDeletingLinesMovesTagsAndSpans) {
    const LineEditCase cases[] = {
        {"insert row above", true, true, 1, {4, 3}, Span{2, 3, 2, 3}},
        {"insert row at span anchor", true, true, 2, {4, 3}, Span{2, 3, 2, 3}},
        {"insert row inside span", true, true, 3, {4, 3}, Span{2, 2, 2, 4}},
        {"insert row below span", true, true, 5, {3, 3}, Span{2, 2, 2, 3}},
        {"delete row above", true, false, 1, {2, 3}, Span{2, 1, 2, 3}},
        {"delete the tagged row", true, false, 3, {-1, -1}, Span{2, 2, 2, 2}},
        {"delete the anchor row", true, false, 2, {2, 3}, Span{2, 2, 2, 2}},
        {"insert column left", false, true, 1, {3, 4}, Span{3, 2, 2, 3}},
        {"insert column inside span", false, true, 3, {3, 4}, Span{2, 2, 3, 3}},
        {"delete column inside span", false, false, 3, {-1, -1}, Span{2, 2, 1, 3}},
        {"delete column right of span", false, false, 4, {3, 3}, Span{2, 2, 2, 3}},
    };
    for (const LineEditCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet = sheetOf(6, 6);
        ASSERT_TRUE(sheet.setTag(3, 3, L"t"));
        ASSERT_TRUE(sheet.setText(0, 3, L"row three", TextReading::AsTyped));
        ASSERT_TRUE(sheet.addSpan({2, 2, 2, 3}));
        const bool done =
            c.rows ? (c.insert ? sheet.insertRow(c.position) : sheet.deleteRow(c.position))
                   : (c.insert ? sheet.insertColumn(c.position) : sheet.deleteColumn(c.position));
        ASSERT_TRUE(done);
        EXPECT_EQ(sheet.rowCount(), 6);
        EXPECT_EQ(sheet.columnCount(), 6);
        if (c.taggedAfter.row < 0) {
            EXPECT_EQ(sheet.cells().size(), c.rows ? 0u : 1u) << "only the row header may remain";
        } else {
            EXPECT_EQ(sheet.tag(c.taggedAfter.column, c.taggedAfter.row), L"t");
        }
        const std::vector<Span> spans = sheet.spans().all();
        if (c.spanAfter) {
            ASSERT_EQ(spans.size(), 1u);
            EXPECT_EQ(spans[0], *c.spanAfter);
        } else {
            EXPECT_TRUE(spans.empty());
        }
    }
}

TEST(SheetTest, RowHeaderTextMovesWithItsRow) {
    Sheet sheet = sheetOf(2, 4);
    sheet.setText(0, 2, L"second", TextReading::AsTyped);
    sheet.setRowHeight(2, 33);
    ASSERT_TRUE(sheet.insertRow(1));
    EXPECT_EQ(sheet.valueText(0, 3), L"second");
    EXPECT_EQ(sheet.rowHeight(3), 33);
    EXPECT_EQ(sheet.rowHeight(2), kDefaultRowHeight);
}

TEST(SheetTest, InsertPushesTheLastRowOffTheSheet) {
    Sheet sheet = sheetOf(1, 3);
    sheet.setText(1, 3, L"last", TextReading::AsTyped);
    sheet.addSpan({0, 2, 1, 2});
    ASSERT_TRUE(sheet.insertRow(1));
    EXPECT_TRUE(sheet.cells().empty());
    EXPECT_TRUE(sheet.spans().isEmpty()) << "a span cut to one cell is dropped";
    EXPECT_FALSE(sheet.insertRow(4));
    EXPECT_FALSE(sheet.deleteRow(0));
}

TEST(SheetTest, ShrinkingDropsWhatLiesBeyond) {
    Sheet sheet = sheetOf(5, 5);
    sheet.setText(5, 5, L"x", TextReading::AsTyped);
    sheet.addSpan({1, 3, 1, 3});
    sheet.setActiveCell(4, 5);
    sheet.setSelection(Block{2, 2, 4, 5});
    ASSERT_TRUE(sheet.setRowCount(4));
    EXPECT_TRUE(sheet.cells().empty());
    EXPECT_EQ(sheet.spans().all(), (std::vector<Span>{{1, 3, 1, 2}}));
    EXPECT_EQ(sheet.selection(), (Block{2, 2, 4, 4}));
    ASSERT_TRUE(sheet.setColumnCount(1));
    EXPECT_FALSE(sheet.selection().has_value());
    EXPECT_EQ(sheet.activeColumn(), 1);
}

TEST(SheetTest, CopyBlockCarriesEverythingAndReplacesTheTarget) {
    Sheet sheet = sheetOf(6, 6);
    sheet.setText(1, 1, L"a", TextReading::AsTyped);
    sheet.setTag(2, 1, L"tag");
    sheet.applyFormat(Block::cell(2, 2), background(7));
    sheet.addSpan({1, 2, 2, 1});
    sheet.setText(4, 5, L"old", TextReading::AsTyped);
    sheet.addSpan({5, 4, 2, 1});
    ASSERT_TRUE(sheet.copyBlock(Block{1, 1, 2, 2}, 4, 4));
    EXPECT_EQ(sheet.valueText(4, 4), L"a");
    EXPECT_EQ(sheet.tag(5, 4), L"tag");
    EXPECT_EQ(sheet.resolvedFormat(5, 5).background, 7u);
    EXPECT_EQ(sheet.valueText(4, 5), L"") << "the target's old content is replaced";
    EXPECT_EQ(sheet.spanAt(5, 5), (Span{4, 5, 2, 1}));
    EXPECT_EQ(sheet.spanAt(6, 4), std::nullopt) << "a span touching the target is dropped";
    EXPECT_EQ(sheet.valueText(1, 1), L"a") << "copy keeps the source";
    EXPECT_FALSE(sheet.copyBlock(Block{1, 1, 2, 2}, 6, 6)) << "target past the edge";
}

TEST(SheetTest, MoveBlockHandlesOverlap) {
    Sheet sheet = sheetOf(4, 4);
    for (int row = 1; row <= 3; ++row) {
        sheet.setText(1, row, std::to_wstring(row), TextReading::AsTyped);
    }
    ASSERT_TRUE(sheet.moveBlock(Block{1, 1, 1, 3}, 1, 2));
    EXPECT_EQ(sheet.valueText(1, 1), L"");
    EXPECT_EQ(sheet.valueText(1, 2), L"1");
    EXPECT_EQ(sheet.valueText(1, 4), L"3");
}

TEST(SheetTest, CopyingWholeRowsCarriesRowSettings) {
    Sheet sheet = sheetOf(3, 5);
    sheet.applyFormat(wholeRows(2, 2), background(9));
    sheet.setRowHeight(2, 40);
    sheet.setText(3, 2, L"x", TextReading::AsTyped);
    ASSERT_TRUE(sheet.copyBlock(wholeRows(2, 2), -32767, 5));
    EXPECT_EQ(sheet.rowHeight(5), 40);
    EXPECT_EQ(sheet.resolvedFormat(1, 5).background, 9u);
    EXPECT_EQ(sheet.valueText(3, 5), L"x");
    EXPECT_FALSE(sheet.copyBlock(everything(), 1, 1));
}

TEST(SheetTest, ClearingContentsKeepsFormatsAndTags) {
    Sheet sheet = sheetOf(3, 3);
    sheet.setText(1, 1, L"x", TextReading::AsTyped);
    sheet.setTag(1, 1, L"t");
    sheet.applyFormat(Block::cell(1, 1), background(3));
    ASSERT_TRUE(sheet.clearBlock(Block{1, 1, 3, 3}, ClearScope::Contents));
    EXPECT_EQ(sheet.valueText(1, 1), L"");
    EXPECT_EQ(sheet.tag(1, 1), L"t");
    EXPECT_EQ(sheet.resolvedFormat(1, 1).background, 3u);
}

}  // namespace
}  // namespace grid

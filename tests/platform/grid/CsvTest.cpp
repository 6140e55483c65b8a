// CSV import and export: quoting, delimiter detection, field kinds, round trips
// and refused input.
#include <gtest/gtest.h>

#include "platform/grid/Csv.h"

namespace grid {
namespace {

Sheet imported(const std::string& csv) {
    Sheet sheet;
    CsvError error;
    EXPECT_TRUE(importCsv(csv, sheet, error)) << "line " << error.line << ": " << error.message;
    return sheet;
}

TEST(CsvTest, FieldsBecomeCellsByKind) {
    const Sheet sheet = imported("Name,12,-1.5e2,'007,=A1*2,,text with spaces \n");
    EXPECT_EQ(sheet.columnCount(), 7);
    EXPECT_EQ(sheet.rowCount(), 1);
    EXPECT_EQ(sheet.value(1, 1), CellValue::text(L"Name"));
    EXPECT_EQ(sheet.value(2, 1), CellValue::number(12));
    EXPECT_EQ(sheet.value(3, 1), CellValue::number(-150));
    EXPECT_EQ(sheet.value(4, 1), CellValue::text(L"007"));
    EXPECT_EQ(sheet.formula(5, 1), L"A1*2");
    EXPECT_EQ(sheet.findCell(6, 1), nullptr);
    EXPECT_EQ(sheet.value(7, 1), CellValue::text(L"text with spaces "));
}

TEST(CsvTest, QuotedFieldsFollowRfc4180) {
    const Sheet sheet = imported(
        "\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n"
        "\"12\",\"\",plain\"quote\r\n");
    EXPECT_EQ(sheet.rowCount(), 2);
    EXPECT_EQ(sheet.value(1, 1), CellValue::text(L"a,b"));
    EXPECT_EQ(sheet.value(2, 1), CellValue::text(L"say \"hi\""));
    EXPECT_EQ(sheet.value(3, 1), CellValue::text(L"two\r\nlines"));
    EXPECT_EQ(sheet.value(1, 2), CellValue::number(12)) << "a quoted number is still a number";
    EXPECT_EQ(sheet.findCell(2, 2), nullptr);
    EXPECT_EQ(sheet.value(3, 2), CellValue::text(L"plain\"quote"));
}

TEST(CsvTest, DelimiterIsATabWhenTheFirstLineHoldsOne) {
    struct Case {
        const char* name;
        std::string csv;
        int columns;
        std::wstring firstCell;
    };
    const Case cases[] = {
        {"tab in first line", "a\tb,c\n1\t2\n", 2, L"a"},
        {"commas are text in a tab file", "a,b\tc\n", 2, L"a,b"},
        {"tab only in a later line", "a,b\nc\td\n", 2, L"a"},
        {"tab inside quotes does not count", "\"x\ty\",z\n", 2, L"x\ty"},
        {"byte-order mark skipped", "\xEF\xBB\xBFid\tname\n", 2, L"id"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Sheet sheet = imported(c.csv);
        EXPECT_EQ(sheet.columnCount(), c.columns);
        EXPECT_EQ(sheet.valueText(1, 1), c.firstCell);
    }
}

TEST(CsvTest, SheetSizeFollowsTheLongestLineAndTheLineCount) {
    const Sheet sheet = imported("a\n\nb,c,d\ne");
    EXPECT_EQ(sheet.columnCount(), 3);
    EXPECT_EQ(sheet.rowCount(), 4);
    EXPECT_EQ(sheet.valueText(1, 4), L"e");
    const Sheet empty = imported("");
    EXPECT_EQ(empty.columnCount(), 0);
    EXPECT_EQ(empty.rowCount(), 0);
}

TEST(CsvTest, BadInputIsRefusedWithItsLine) {
    struct Case {
        const char* name;
        std::string csv;
        int line;
        std::string message;
    };
    const Case cases[] = {
        {"unclosed quote", "a,b\nc,\"open\nmore\n", 2, "quoted field is not closed"},
        {"text after closing quote", "a\n\"x\"y,b\n", 2,
         "unexpected character after a closing quote"},
        {"too many fields", std::string(16384, ',') + "\n", 1, "more than 16384 fields"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet;
        sheet.setColumnCount(1);
        sheet.setRowCount(1);
        sheet.setText(1, 1, L"kept", TextReading::AsTyped);
        const Sheet before = sheet;
        CsvError error;
        EXPECT_FALSE(importCsv(c.csv, sheet, error));
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.message, c.message);
        EXPECT_EQ(sheet, before);
    }
}

TEST(CsvTest, ExportQuotesAndMarksWhatWouldReadBackDifferently) {
    Sheet sheet;
    sheet.setColumnCount(4);
    sheet.setRowCount(3);
    sheet.setValue(1, 1, CellValue::text(L"12"));
    sheet.setValue(2, 1, CellValue::text(L"=not a formula"));
    sheet.setValue(3, 1, CellValue::text(L"'quoted"));
    sheet.setValue(4, 1, CellValue::text(L"a,\"b\"\nc"));
    sheet.setValue(1, 2, CellValue::number(1.0 / 3));
    sheet.setFormula(2, 2, L"A2*3", CellValue::number(1));
    sheet.setFormula(3, 2, L"1/0", CellValue::error(L"#DIV/0!"));
    sheet.setValue(4, 2, CellValue::logical(false));
    sheet.setText(1, 0, L"header is not exported", TextReading::AsTyped);
    EXPECT_EQ(exportCsv(sheet, false),
              "'12,'=not a formula,''quoted,\"a,\"\"b\"\"\nc\"\n"
              "0.333333333333333,1,#DIV/0!,FALSE\n"
              ",,,\n");
    EXPECT_EQ(exportCsv(sheet, true),
              "'12,'=not a formula,''quoted,\"a,\"\"b\"\"\nc\"\n"
              "0.333333333333333,=A2*3,=1/0,FALSE\n"
              ",,,\n");
}

TEST(CsvTest, ImportThenExportGivesBackTheSameFields) {
    const std::string csv =
        "Input,,'007,=B1*2,plain text\n"
        "2.5,-3,1E+20,'=x,\"quoted, with comma\"\n"
        "''apostrophe,\"tab\there\",,,\n"
        "\"\xEF\xBB\xBFnot a mark\",,,,\n";
    EXPECT_EQ(exportCsv(imported(csv), true), csv);
}

}  // namespace
}  // namespace grid

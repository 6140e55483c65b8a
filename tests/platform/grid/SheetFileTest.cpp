// The sheet file: round trips of every property, hand-written files, and
// malformed files refused with their line number.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/core/FileBytes.h"
#include "platform/grid/SheetFile.h"
#include "support/TempDir.h"

namespace grid {
namespace {

CellFormat formatWith(auto setter) {
    CellFormat format;
    setter(format);
    return format;
}

// A sheet that uses every property the model holds.
Sheet richSheet() {
    Sheet sheet;
    sheet.setColumnCount(8);
    sheet.setRowCount(12);
    sheet.setText(1, 0, L"Name", TextReading::AsTyped);
    sheet.setText(0, 3, L"Row \"three\"", TextReading::AsTyped);
    sheet.setTag(0, 0, L"marginLeft\u00A42\u00A49\u00A4");
    sheet.setText(1, 1, L"Input", TextReading::AsTyped);
    sheet.setValue(2, 1, CellValue::number(0.1));
    sheet.setValue(3, 1, CellValue::number(-1234567.125e-3));
    sheet.setText(4, 1, L"line one\nline\ttwo \\ end", TextReading::AsTyped);
    sheet.setText(5, 1, std::wstring(L"ctl\x01\x7F\x9F") + wchar_t(0xD800) + L"\U0001F600",
                  TextReading::AsTyped);
    sheet.setFormula(1, 2, L"B1*2", CellValue::number(0.2));
    sheet.setFormula(2, 2, L"1/0", CellValue::error(L"#DIV/0!"));
    sheet.setFormula(3, 2, L"A1=\"Input\"", CellValue::logical(true));
    sheet.setFormula(4, 2, L"LEN(A1)", CellValue{});
    sheet.setTag(2, 3, L"tagged");
    sheet.setNote(3, 3, L"a note");

    sheet.applyFormat({1, 1, 1, 1, true, true}, formatWith([](CellFormat& f) {
                          f.font = CellFont{L"Tahoma", 15, 400};
                      }));
    sheet.applyFormat({1, 0, 1, 0, true, false}, formatWith([](CellFormat& f) {
                          f.font = CellFont{L"Tahoma", 15, 700};
                      }));
    sheet.applyFormat({2, 1, 2, 1, false, true}, formatWith([](CellFormat& f) {
                          f.type = *makeNumberType(7, -99999999999999, 99999999999999, false);
                          f.alignment = Alignment{HorizontalAlign::Right, VerticalAlign::Top};
                      }));
    sheet.applyFormat({1, 4, 1, 4, true, false}, formatWith([](CellFormat& f) {
                          f.background = 0xE6E6E6;
                          f.locked = true;
                      }));
    sheet.applyFormat(Block{1, 5, 1, 5}, formatWith([](CellFormat& f) {
                          f.type = *makeCheckBoxType(kStyleCaptionLeft, L"On", L"#8134", L"#8136");
                      }));
    sheet.applyFormat(Block{2, 5, 2, 5}, formatWith([](CellFormat& f) {
                          f.type = *makeComboBoxType(kStyleEditable, L"Red\tGreen\tBlue");
                      }));
    sheet.applyFormat(Block{3, 5, 3, 5},
                      formatWith([](CellFormat& f) { f.type = *makeButtonType(0, L"..."); }));
    sheet.applyFormat(Block{4, 5, 4, 5}, formatWith([](CellFormat& f) {
                          f.type =
                              *makePictureType(kStyleStretch | kStyleKeepAspect, L"pics\\a.bmp");
                      }));
    sheet.applyFormat(Block{5, 5, 6, 6}, formatWith([](CellFormat& f) {
                          f.type = *makeTextType(0x110000, 200);
                          f.foreground = 0x0000FF;
                          f.borders[kEdgeLeft] = BorderLine{BorderStyle::Solid, 0x123456};
                          f.borders[kEdgeBottom] = BorderLine{BorderStyle::Double, 0};
                          f.borders[kEdgeTop] = BorderLine{BorderStyle::DashDotDot, 0x654321};
                      }));
    sheet.applyFormat(Block{7, 7, 7, 7}, formatWith([](CellFormat& f) {
                          f.type = *makeStaticTextType(kStyleWordWrap);
                      }));
    sheet.applyFormat(Block{8, 8, 8, 8},
                      formatWith([](CellFormat& f) { f.type = *makeNumberType(2, -5, 5, true); }));
    sheet.setValue(1, 5, CellValue::number(1));
    sheet.setColumnWidth(0, 30);
    sheet.setColumnWidth(3, 120);
    sheet.setRowHeight(0, 24);
    sheet.setRowHeight(9, 0);
    sheet.addSpan({1, 6, 2, 2});
    sheet.addSpan({3, 0, 2, 1});
    sheet.addSpan({0, 8, 1, 3});
    sheet.setSelection(Block{2, 3, 4, 9});
    return sheet;
}

TEST(SheetFileTest, EveryPropertyRoundTripsExactly) {
    const Sheet original = richSheet();
    const std::string text = writeSheetText(original, SheetFileContent::Everything);
    Sheet loaded;
    SheetFileError error;
    ASSERT_TRUE(readSheetText(text, loaded, error))
        << "line " << error.line << ": " << error.message;
    EXPECT_EQ(loaded, original);
    EXPECT_FALSE(loaded.changed());
    EXPECT_EQ(writeSheetText(loaded, SheetFileContent::Everything), text)
        << "writing again gives the same text";
}

TEST(SheetFileTest, WholeSelectionsAndActiveCellRoundTrip) {
    Sheet original;
    original.setColumnCount(3);
    original.setRowCount(3);
    original.setSelection({2, 1, 2, 1, false, true});
    Sheet loaded;
    SheetFileError error;
    ASSERT_TRUE(
        readSheetText(writeSheetText(original, SheetFileContent::Everything), loaded, error));
    EXPECT_EQ(loaded, original);
    original.setActiveCell(3, 2);
    ASSERT_TRUE(
        readSheetText(writeSheetText(original, SheetFileContent::Everything), loaded, error));
    EXPECT_EQ(loaded.activeColumn(), 3);
    EXPECT_EQ(loaded.activeRow(), 2);
}

TEST(SheetFileTest, DataOnlyKeepsValuesFormulasTagsAndNotes) {
    const Sheet original = richSheet();
    Sheet loaded;
    SheetFileError error;
    ASSERT_TRUE(readSheetText(writeSheetText(original, SheetFileContent::DataOnly), loaded, error));
    EXPECT_EQ(loaded.tag(0, 0), original.tag(0, 0));
    EXPECT_EQ(loaded.formula(1, 2), L"B1*2");
    EXPECT_EQ(loaded.value(2, 1), CellValue::number(0.1));
    EXPECT_EQ(loaded.note(3, 3), L"a note");
    EXPECT_EQ(loaded.cellType(2, 1).kind, CellKind::General);
    EXPECT_TRUE(loaded.spans().isEmpty());
}

TEST(SheetFileTest, HandWrittenFileReads) {
    const std::string text =
        "\xEF\xBB\xBFvtss-sheet 1\r\n"
        "# a comment, then a blank line\r\n"
        "\r\n"
        "size 3 4\r\n"
        "format 1 type=number decimals=2\r\n"
        "column 2 format=1 width=80\r\n"
        "cell 1 1 text=Input\r\n"
        "cell 2 2 number=2.5 tag=\"x y\"\r\n"
        "  cell 3 4 text=\"caf\xC3\xA9 \\u{263A}\"\r\n"
        "span 1 3 2 1\r\n"
        "end\r\n"
        "# trailing comment\r\n";
    Sheet sheet;
    SheetFileError error;
    ASSERT_TRUE(readSheetText(text, sheet, error))
        << "line " << error.line << ": " << error.message;
    EXPECT_EQ(sheet.columnCount(), 3);
    EXPECT_EQ(sheet.rowCount(), 4);
    EXPECT_EQ(sheet.valueText(1, 1), L"Input");
    EXPECT_EQ(sheet.valueText(2, 2), L"2.50");
    EXPECT_EQ(sheet.typeCode(2, 4), 14);
    EXPECT_EQ(sheet.columnWidth(2), 80);
    EXPECT_EQ(sheet.tag(2, 2), L"x y");
    EXPECT_EQ(sheet.valueText(3, 4), L"caf\u00E9 \u263A");
    EXPECT_EQ(sheet.spanAt(2, 3), (Span{1, 3, 2, 1}));
}

struct LoadedNumberCase {
    const char* name;
    std::string format;  // the cell's format line, or "" for a cell without type
    std::string number;
    bool typeBelowCell;  // the type comes from a column line after the cell line
    CellValue expected;
};

TEST(SheetFileTest, NumberCellsStoreLoadedNumbersAsWrittenOnes) {
    const LoadedNumberCase cases[] = {
        {"whole-number cell cuts the fraction", "type=number decimals=0", "2.5", false,
         CellValue::number(2)},
        {"whole-number cell cuts towards zero", "type=number decimals=0", "-2.7", false,
         CellValue::number(-2)},
        {"two decimals round half away from zero", "type=number decimals=2", "2.125", false,
         CellValue::number(2.13)},
        {"type from a column line below the cell", "type=number decimals=0", "7.9", true,
         CellValue::number(7)},
        {"a number beyond the range stays as text", "type=number decimals=0", "1e20", false,
         CellValue::text(L"1e+20")},
        {"a number below the cell's minimum stays as text",
         "type=number decimals=1 minimum=0 maximum=10", "-0.5", false, CellValue::text(L"-0.5")},
        {"a cell without type keeps the fraction", "", "2.5", false, CellValue::number(2.5)},
    };
    for (const LoadedNumberCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string formatLine = c.format.empty() ? "" : "format 1 " + c.format + "\n";
        const std::string columnLine = c.format.empty() ? "" : "column 1 format=1\n";
        const std::string cellLine = "cell 1 1 number=" + c.number + "\n";
        const std::string text = "vtss-sheet 1\nsize 2 2\n" + formatLine +
                                 (c.typeBelowCell ? cellLine + columnLine : columnLine + cellLine) +
                                 "end\n";
        Sheet loaded;
        SheetFileError error;
        ASSERT_TRUE(readSheetText(text, loaded, error))
            << "line " << error.line << ": " << error.message;
        EXPECT_EQ(loaded.value(1, 1), c.expected);
        EXPECT_FALSE(loaded.changed());

        // Writing the same number into the same cell gives the same value,
        // except where the cell refuses it.
        Sheet typed = loaded;
        if (typed.setNumber(1, 1, std::stod(c.number)))
            EXPECT_EQ(typed.value(1, 1), loaded.value(1, 1));
        else
            EXPECT_EQ(loaded.value(1, 1).kind(), CellValue::Kind::Text);
    }
}

TEST(SheetFileTest, FormulaResultsInNumberCellsKeepTheirFraction) {
    const std::string text =
        "vtss-sheet 1\nsize 2 2\nformat 1 type=number decimals=0\n"
        "cell 1 1 number=2.5 formula=\"5/2\" format=1\nend\n";
    Sheet loaded;
    SheetFileError error;
    ASSERT_TRUE(readSheetText(text, loaded, error));
    EXPECT_EQ(loaded.value(1, 1), CellValue::number(2.5));
    EXPECT_EQ(loaded.formula(1, 1), L"5/2");
}

struct MalformedCase {
    const char* name;
    std::string text;
    int line;
    std::string message;
};

TEST(SheetFileTest, MalformedFilesAreRefusedWithTheirLine) {
    const std::string head = "vtss-sheet 1\nsize 3 3\n";
    const MalformedCase cases[] = {
        {"empty file", "", 1, "not a sheet file: the first line must be 'vtss-sheet 1'"},
        {"other magic", "sheet 1\nend\n", 1,
         "not a sheet file: the first line must be 'vtss-sheet 1'"},
        {"newer version", "vtss-sheet 2\nend\n", 1,
         "sheet file version 2 is not 1, the version this program reads"},
        {"missing end", head, 3, "the file ends without 'end'"},
        {"text after end", head + "end\ncell 1 1 text=x\n", 4, "text after 'end'"},
        {"cell before size", "vtss-sheet 1\ncell 1 1 text=x\nend\n", 2,
         "expected 'size' before 'cell'"},
        {"unknown keyword", head + "cel 1 1\nend\n", 3, "unknown keyword 'cel'"},
        {"size too large", "vtss-sheet 1\nsize 16385 1\nend\n", 2,
         "column count 16385 is outside 0..16384"},
        {"too many rows", "vtss-sheet 1\nsize 1 1048577\nend\n", 2,
         "row count 1048577 is outside 0..1048576"},
        {"cell outside", head + "cell 4 1 text=x\nend\n", 3, "column 4 is outside 0..3"},
        {"bad number", head + "cell 1 1 number=1,5\nend\n", 3, "expected a number, found '1,5'"},
        {"not finite", head + "cell 1 1 number=inf\nend\n", 3, "expected a number, found 'inf'"},
        {"two values", head + "cell 1 1 text=a number=1\nend\n", 3,
         "a cell holds one of text, number, logical and error"},
        {"unknown key", head + "cell 1 1 colour=1\nend\n", 3, "unknown key 'colour' for 'cell'"},
        {"duplicate cell", head + "cell 1 1 text=a\ncell 1 1 tag=b\nend\n", 4,
         "cell 1 1 given twice"},
        {"empty cell line", head + "cell 1 1\nend\n", 3, "'cell' sets nothing"},
        {"unclosed quote", head + "cell 1 1 text=\"abc\nend\n", 3, "text in quotes is not closed"},
        {"bad escape", head + "cell 1 1 text=\"a\\qb\"\nend\n", 3, "unknown escape '\\q'"},
        {"bad code escape", head + "cell 1 1 text=\"\\u{}\"\nend\n", 3,
         "expected 1 to 8 hex digits and '}' in \\u{...}"},
        {"undefined format", head + "cell 1 1 format=2\nend\n", 3, "format 2 is not defined above"},
        {"format sets nothing", head + "format 1\nend\n", 3, "format 1 sets nothing"},
        {"type key without type", head + "format 1 decimals=2\nend\n", 3,
         "'decimals' needs a 'type'"},
        {"key of another type", head + "format 1 type=text decimals=2\nend\n", 3,
         "'decimals' does not belong to type=text"},
        {"type out of range", head + "format 1 type=number decimals=20\nend\n", 3,
         "the settings of type=number are out of range"},
        {"unknown type", head + "format 1 type=date\nend\n", 3,
         "expected a cell type name, found 'date'"},
        {"partial font", head + "format 1 font=Arial\nend\n", 3,
         "a font needs font, fontheight and fontweight"},
        {"bad colour", head + "format 1 background=red\nend\n", 3,
         "expected a colour #RRGGBB, found 'red'"},
        {"bad border", head + "format 1 left=thick:#000000\nend\n", 3,
         "expected none, solid, dashed, dotted or double, found 'thick'"},
        {"overlapping span", head + "span 1 1 2 2\nspan 2 2 2 1\nend\n", 4,
         "the span does not fit the sheet, covers one cell, crosses the headers or overlaps "
         "another span"},
        {"word after attribute", head + "cell 1 text=a 1\nend\n", 3,
         "word '1' after key=value attributes"},
        {"too few numbers", head + "cell 1 text=a\nend\n", 3, "'cell' takes 2 numbers, found 1"},
        {"duplicate key", head + "cell 1 1 tag=a tag=b\nend\n", 3, "key 'tag' given twice"},
        {"width too large", head + "column 1 width=10001\nend\n", 3,
         "width 10001 is outside 0..10000"},
        {"selection half all", head + "selection * 1 2 1\nend\n", 3,
         "a selection's first and last column (row) are both '*' or both numbers"},
        {"selection reversed", head + "selection 2 1 1 1\nend\n", 3, "column 1 is outside 2..3"},
        {"bad logical", head + "cell 1 1 logical=yes\nend\n", 3,
         "expected TRUE or FALSE, found 'yes'"},
    };
    for (const MalformedCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sheet sheet;
        sheet.setColumnCount(2);
        sheet.setRowCount(2);
        sheet.setText(1, 1, L"kept", TextReading::AsTyped);
        const Sheet before = sheet;
        SheetFileError error;
        EXPECT_FALSE(readSheetText(c.text, sheet, error));
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.message, c.message);
        EXPECT_EQ(sheet, before) << "a refused file leaves the sheet as it was";
    }
}

Tvx_String pathIn(const testsupport::TempDir& dir, const char* name) {
    return Tvx_String::fromUtf8((dir.path() / name).string());
}

TEST(SheetFileTest, FilesAreSavedAndLoaded) {
    testsupport::TempDir dir;
    const Sheet original = richSheet();
    ASSERT_TRUE(saveSheetFile(pathIn(dir, "rich.vts"), original, SheetFileContent::Everything));
    Sheet loaded;
    SheetFileError error;
    ASSERT_TRUE(loadSheetFile(pathIn(dir, "rich.vts"), loaded, error));
    EXPECT_EQ(loaded, original);
    EXPECT_FALSE(loadSheetFile(pathIn(dir, "missing.vts"), loaded, error));
    EXPECT_EQ(error.line, 0);
    EXPECT_EQ(error.message, "cannot read the file");
    EXPECT_EQ(loaded, original) << "a failed load leaves the sheet as it was";
}

// Loading a file again gives what the file holds now: kept while unchanged,
// read again once it is edited or replaced, refused once it turns bad.
TEST(SheetFileTest, ALoadedFileIsLoadedAgainAsItNowStands) {
    namespace fs = std::filesystem;
    testsupport::TempDir dir;
    const Tvx_String path = pathIn(dir, "kept.vts");
    const auto settle = [&] {
        fs::last_write_time(dir.path() / "kept.vts",
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    };
    const std::string first = "vtss-sheet 1\nsize 2 2\ncell 1 1 text=\"one\"\nend\n";
    const std::string second = "vtss-sheet 1\nsize 2 2\ncell 1 1 text=\"two\"\nend\n";
    dir.write("kept.vts", first);
    settle();
    Sheet loaded;
    SheetFileError error;
    ASSERT_TRUE(loadSheetFile(path, loaded, error));
    loaded.setText(1, 1, L"changed in memory", TextReading::AsTyped);
    ASSERT_TRUE(loadSheetFile(path, loaded, error));
    EXPECT_EQ(loaded.valueText(1, 1), L"one") << "a change in memory does not reach the file";

    dir.write("kept.vts", second);  // same size, new time
    ASSERT_TRUE(loadSheetFile(path, loaded, error));
    EXPECT_EQ(loaded.valueText(1, 1), L"two");

    ASSERT_TRUE(saveSheetFile(path, richSheet(), SheetFileContent::Everything));
    settle();
    ASSERT_TRUE(loadSheetFile(path, loaded, error));
    EXPECT_EQ(loaded, richSheet());

    dir.write("kept.vts", "vtss-sheet 1\nsize x\n");
    EXPECT_FALSE(loadSheetFile(path, loaded, error));
    EXPECT_EQ(error.line, 2);
    fs::remove(dir.path() / "kept.vts");
    EXPECT_FALSE(loadSheetFile(path, loaded, error));
    EXPECT_EQ(error.message, "cannot read the file");
}

TEST(SheetFileTest, AnInterruptedSaveLeavesTheOldFileWhole) {
    testsupport::TempDir dir;
    Sheet small;
    small.setColumnCount(1);
    small.setRowCount(1);
    ASSERT_TRUE(saveSheetFile(pathIn(dir, "s.vts"), small, SheetFileContent::Everything));
    const std::string before = dir.read("s.vts");
    failNthFileWrite(1);
    EXPECT_FALSE(saveSheetFile(pathIn(dir, "s.vts"), richSheet(), SheetFileContent::Everything));
    EXPECT_EQ(dir.read("s.vts"), before);
    EXPECT_FALSE(
        saveSheetFile(pathIn(dir, "no-such-folder/a.vts"), small, SheetFileContent::Everything));
}

}  // namespace
}  // namespace grid

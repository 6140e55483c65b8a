// The worked example of FORMAT.md reads, and shows what the text says it shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/grid/SheetFile.h"

namespace grid {
namespace {

std::string workedExample() {
    const auto path =
        std::filesystem::path(VTSS_SOURCE_DIR) / "src" / "platform" / "grid" / "FORMAT.md";
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string all = text.str();
    const size_t start = all.find("```vts\n");
    const size_t end = all.find("```", start + 7);
    if (start == std::string::npos || end == std::string::npos)
        return {};
    return all.substr(start + 7, end - start - 7);
}

TEST(FormatDocumentTest, WorkedExampleReadsAsDescribed) {
    const std::string example = workedExample();
    ASSERT_FALSE(example.empty()) << "FORMAT.md holds a ```vts example";
    Sheet sheet;
    SheetFileError error;
    ASSERT_TRUE(readSheetText(example, sheet, error))
        << "line " << error.line << ": " << error.message;
    EXPECT_EQ(sheet.columnCount(), 4);
    EXPECT_EQ(sheet.rowCount(), 6);
    EXPECT_EQ(sheet.displayText(2, 2), L"10.00");
    EXPECT_EQ(sheet.formula(2, 3), L"B2*2");
    EXPECT_EQ(sheet.valueText(2, 3), L"20.00");
    EXPECT_EQ(sheet.valueText(3, 3), L"#DIV/0!");
    EXPECT_EQ(sheet.resolvedFormat(4, 5).font.weight, 700);
    EXPECT_EQ(sheet.resolvedFormat(1, 0).font.weight, 400)
        << "the sheet level does not reach headers";
    EXPECT_TRUE(sheet.resolvedFormat(4, 6).locked);
    EXPECT_EQ(sheet.typeCode(3, 5), 12);
    EXPECT_EQ(sheet.valueText(3, 5), L"1");
    EXPECT_EQ(sheet.spanAt(2, 6), (Span{1, 6, 2, 1}));
    EXPECT_EQ(sheet.spanAt(4, 0), (Span{3, 0, 2, 1}));
    EXPECT_EQ(sheet.tag(0, 0), L"marginLeft\u00A42\u00A49\u00A4");
    EXPECT_EQ(sheet.activeColumn(), 2);
    EXPECT_EQ(sheet.activeRow(), 3);
    EXPECT_EQ(sheet.valueText(1, 4), L"two\nlines \"quoted\"");
    // Written back, the example reads as the same sheet.
    Sheet again;
    ASSERT_TRUE(readSheetText(writeSheetText(sheet, SheetFileContent::Everything), again, error));
    EXPECT_EQ(again, sheet);
}

}  // namespace
}  // namespace grid

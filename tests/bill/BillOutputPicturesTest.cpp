// Picture rows: a picture file shown below its row with the mark before it,
// pictures made by the core while a bill is fed with a transaction, and no
// pictures or progress without one.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "BillTestSupport.h"
#include "platform/core/FileOperations.h"
#include "platform/core/PathMapping.h"
#include "platform/core/bill/Tvx_Bill.h"
#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"
#include "platform/ui/gdi/BmpFormat.h"

namespace billtest {
namespace {

using PicturesTest = BillOutputTest;

Tvx_String pictureType(const Tvx_Spread& sheet, int column, int row) {
    SS_CELLTYPE type;
    if (!sheet.GetCellTypeInfo(column, row, type) || type.kind != grid::CellKind::Picture)
        return Tvx_String();
    return Tvx_String(type.text);
}

TEST_F(PicturesTest, AnExistingPictureFileAddsAPictureRowBelowItsRow) {
    const Tvx_String picture = pathOf("part.bmp");
    ASSERT_TRUE(saveBmpFile(picture, PixelImage(30, 24, false, RGB(10, 20, 30)), 24));
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count", L"Length", L"Weight"}, {3, 1, 2, 2});
    ASSERT_TRUE(output.addRow({L"P1", L"2", L"1500", L"12.5"}, picture));
    ASSERT_TRUE(output.addRow({L"P2", L"1", L"900", L"7"}, Tvx_String()));
    const Tvx_Spread& sheet = *output.getSSPointer();

    EXPECT_EQ(output.row(), 3);
    EXPECT_EQ(cellText(sheet, 1, 1), "P1");
    EXPECT_EQ(cellText(sheet, 1, 3), "P2") << "the next row comes after the picture";
    EXPECT_EQ(sheet.GetRowHeight(2), 24);
    EXPECT_EQ(pictureType(sheet, 2, 2), picture);
    int anchorColumn = 0, anchorRow = 0, columns = 0, rows = 0;
    ASSERT_TRUE(sheet.GetCellSpan(4, 2, anchorColumn, anchorRow, columns, rows));
    EXPECT_EQ(anchorColumn, 2);
    EXPECT_EQ(columns, 3) << "column 2 spans to the last column";
    EXPECT_EQ(pictureType(sheet, 1, 2), L"#251");
    EXPECT_EQ(borderStyle(sheet, 1, 2, SS_BORDER_RIGHT), 6);
    EXPECT_EQ(borderStyle(sheet, 1, 2, SS_BORDER_TOP), 6) << "the outline frames the mark";
    EXPECT_EQ(borderStyle(sheet, 1, 3, SS_BORDER_RIGHT), 0);
    EXPECT_FALSE(sheet.GetCellSpan(2, 3, anchorColumn, anchorRow, columns, rows))
        << "the row after a picture has no span";
}

TEST_F(PicturesTest, APictureFileThatDoesNotExistAddsNoPictureRow) {
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count"}, {3, 1});
    ASSERT_TRUE(output.addRow({L"P1", L"2"}, pathOf("missing.bmp")));
    ASSERT_TRUE(output.addRow({L"P2", L"1"}, Tvx_String()));
    EXPECT_EQ(output.row(), 2);
    EXPECT_EQ(cellText(*output.getSSPointer(), 1, 2), "P2");
}

TEST_F(PicturesTest, APictureRowOnTheLastRowGrowsTheSheet) {
    const Tvx_String picture = pathOf("part.bmp");
    ASSERT_TRUE(saveBmpFile(picture, PixelImage(8, 8), 24));
    VtSSBillOutput output;
    open(output, {L"Mark"}, {3});
    Tvx_Spread& sheet = *output.getSSPointer();
    const int rows = sheet.getMaxRows();
    for (int i = 1; i < rows; ++i)
        ASSERT_TRUE(output.addRow({L"P"}, Tvx_String()));
    ASSERT_TRUE(output.addRow({L"Q"}, picture));
    EXPECT_EQ(output.row(), rows + 1);
    EXPECT_EQ(sheet.getMaxCols(), 2) << "a picture needs a second column";
    EXPECT_EQ(pictureType(sheet, 2, rows + 1), picture);
}

TEST_F(PicturesTest, RowsGrownFromAPictureRowShowNoPictureEvenWithoutKinds) {
    const Tvx_String picture = pathOf("part.bmp");
    ASSERT_TRUE(saveBmpFile(picture, PixelImage(8, 20), 24));
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count", L"Note"}, {});
    Tvx_Spread& sheet = *output.getSSPointer();
    const int rows = sheet.getMaxRows();
    for (int i = 1; i < rows - 1; ++i)
        ASSERT_TRUE(output.addRow({L"P", L"1"}, Tvx_String()));
    ASSERT_TRUE(output.addRow({L"Q", L"2"}, picture));
    ASSERT_EQ(output.row(), rows) << "the picture took the last row";
    ASSERT_TRUE(output.addRow({L"R", L"3", L"x"}, Tvx_String()));

    const int grown = rows + 1;
    EXPECT_EQ(rowTexts(sheet, grown), (std::vector<std::string>{"R", "3", "x"}));
    EXPECT_EQ(pictureType(sheet, 1, grown), L"");
    EXPECT_EQ(pictureType(sheet, 2, grown), L"");
    int anchorColumn = 0, anchorRow = 0, columns = 0, spanRows = 0;
    EXPECT_FALSE(sheet.GetCellSpan(3, grown, anchorColumn, anchorRow, columns, spanRows));
    EXPECT_EQ(borderStyle(sheet, 1, grown, SS_BORDER_RIGHT), 0);
    EXPECT_NE(sheet.GetRowHeight(grown), 20) << "the height fits the text, not the picture";
}

class FedPicturesTest : public BillOutputTest {
  protected:
    void SetUp() override {
        BillOutputTest::SetUp();
        transaction_ = database_.transactionManager()->startTransaction();
        bill_.addRow({L"P1", L"2"});
        bill_.addSubTotals({L"", L"2"}, {1}, false, 1);
        bill_.addRow({L"P2", L"5"});
    }
    void TearDown() override { database_.transactionManager()->endTransaction(); }

    // The picture maker's files of this process still on disk (its names
    // carry the process id, so tests running beside this one do not count).
    static int picturesMade() {
        Tvx_StringArray files;
        const std::string pattern = "bill-" + std::to_string(getpid()) + "-*.bmp";
        ObjectExportFindFiles(pictureFolder(), Tvx_String::fromUtf8(pattern), files);
        return files.length();
    }

    AcDbDatabase database_;
    AcTransaction* transaction_ = nullptr;
    Tvx_Bill bill_;
};

TEST_F(FedPicturesTest, WithBillAndTransactionEveryRowGetsItsPictureKeptBesideTheBill) {
    VtSSBillOutput output;
    open(output, {L"Mark", L"Count", L"Note"}, {3, 1, 3});
    output.setVars(16, 2, 0, true, true, &bill_, transaction_);
    ASSERT_EQ(bill_.feed(output), eOk);

    EXPECT_EQ(bmpProgress().openCount, 1);
    EXPECT_EQ(bmpProgress().closeCount, 1);
    EXPECT_EQ(bmpProgress().steps, 22) << "the picture count plus 20";
    EXPECT_EQ(bmpProgress().position, 2);
    EXPECT_FALSE(bmpProgress().open);
    EXPECT_EQ(picturesMade(), 0) << "the core's picture files are deleted";

    const Tvx_Spread& sheet = *output.getSSPointer();
    EXPECT_EQ(sheet.getMaxRows(), 5) << "row, picture, subtotals, row, picture";
    EXPECT_EQ(cellText(sheet, 1, 1), "P1");
    EXPECT_EQ(cellText(sheet, 2, 3), "2");
    EXPECT_EQ(pictureType(sheet, 2, 3), L"") << "subtotals have no picture";
    EXPECT_EQ(cellText(sheet, 1, 4), "P2");
    for (int row : {2, 5}) {
        SCOPED_TRACE(row);
        const Tvx_String kept = pictureType(sheet, 2, row);
        EXPECT_EQ(mapPath(kept),
                  dir_.path() / "bill_pictures" / ("row" + std::to_string(row) + ".bmp"));
        const std::optional<PixelImage> picture = loadBmpFile(kept);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->height(), 16);
        EXPECT_EQ(sheet.GetRowHeight(row), 16);
    }
}

TEST_F(FedPicturesTest, WithoutBillOrTransactionNoPictureAndNoProgress) {
    struct Case {
        const char* name;
        bool withBill;
        bool withTransaction;
    };
    const Case cases[] = {{"no transaction", true, false}, {"no bill", false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetBmpProgress();
        VtSSBillOutput output;
        open(output, {L"Mark", L"Count"}, {3, 1});
        output.setVars(16, 2, 0, true, true, c.withBill ? &bill_ : nullptr,
                       c.withTransaction ? transaction_ : nullptr);
        ASSERT_EQ(bill_.feed(output), eOk);
        EXPECT_EQ(bmpProgress().openCount, 0);
        EXPECT_EQ(bmpProgress().closeCount, 0);
        EXPECT_EQ(output.getSSPointer()->getMaxRows(), 3) << "rows and subtotals only";
    }
}

}  // namespace
}  // namespace billtest

// The picture maker: a real BMP of the row being fed, its settings, the cases
// that make no picture, and the progress a caller opens and closes.
#include "platform/core/bill/BillPictures.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "platform/core/FileOperations.h"
#include "platform/core/bill/Tvx_Bill.h"
#include "platform/core/bill/Tvx_ListOutputCallback.h"
#include "platform/host/AcDbDatabase.h"
#include "platform/host/AcTransactionManager.h"
#include "platform/ui/gdi/BmpFormat.h"

namespace {

struct PictureSettings {
    int height = -1;
    int margin = 0;
    bool inColour = true;
    bool framed = true;
};

// Asks for a picture of every row fed and keeps what came back.
class PictureTaker : public Tvx_ListOutputCallback {
  public:
    PictureTaker(const Tvx_Bill* bill, AcTransaction* transaction, PictureSettings settings)
        : bill_(bill), transaction_(transaction), settings_(settings) {}
    ~PictureTaker() override {
        for (const Tvx_String& file : files)
            deleteFile(file);
    }

    ErrorStatus onAddRow(const Tvx_StringArray&) override {
        Tvx_String file;
        const bool made = createImage(bill_, transaction_, settings_.height, 0, settings_.margin,
                                      settings_.inColour, settings_.framed, file);
        results.push_back(made);
        if (made)
            files.push_back(file);
        positions.push_back(bmpProgress().position);
        return eOk;
    }

    std::vector<bool> results;
    std::vector<Tvx_String> files;
    std::vector<int> positions;

  private:
    const Tvx_Bill* bill_;
    AcTransaction* transaction_;
    PictureSettings settings_;
};

class BillPicturesTest : public testing::Test {
  protected:
    void SetUp() override {
        resetBmpProgress();
        transaction_ = database_.transactionManager()->startTransaction();
    }
    void TearDown() override {
        database_.transactionManager()->endTransaction();
        resetBmpProgress();
    }

    std::optional<PixelImage> pictureOf(Tvx_Bill bill, PictureSettings settings) {
        PictureTaker taker(&bill, transaction_, settings);
        bill.feed(taker);
        if (taker.files.empty())
            return std::nullopt;
        return loadBmpFile(taker.files.front());
    }

    AcDbDatabase database_;
    AcTransaction* transaction_ = nullptr;
};

Tvx_Bill billOf(std::initializer_list<const wchar_t*> marks) {
    Tvx_Bill bill;
    for (const wchar_t* mark : marks)
        bill.addRow({mark, L"1"});
    return bill;
}

TEST_F(BillPicturesTest, EachRowGetsAFileOfItsOwnAndTheProgressAdvances) {
    Tvx_Bill bill = billOf({L"P1", L"P2", L"P3"});
    ASSERT_TRUE(initBMPDialog(23));
    PictureTaker taker(&bill, transaction_, {});
    ASSERT_EQ(bill.feed(taker), eOk);
    EXPECT_EQ(taker.results, (std::vector<bool>{true, true, true}));
    ASSERT_EQ(taker.files.size(), 3u);
    EXPECT_NE(taker.files[0], taker.files[1]);
    for (const Tvx_String& file : taker.files)
        EXPECT_TRUE(ObjectExportFileExists(file)) << file.toUtf8();
    EXPECT_EQ(taker.positions, (std::vector<int>{1, 2, 3}));
    closeBMPDialog();
    EXPECT_FALSE(bmpProgress().open);
    EXPECT_EQ(bmpProgress().openCount, 1);
    EXPECT_EQ(bmpProgress().closeCount, 1);
}

TEST_F(BillPicturesTest, SettingsShapeThePicture) {
    const Tvx_Bill bill = billOf({L"HEA-200"});
    struct Case {
        const char* name;
        PictureSettings settings;
        int width;
        int height;
    };
    const Case cases[] = {
        {"default height", {-1, 0, true, true}, 2 * kDefaultPictureHeight, kDefaultPictureHeight},
        {"given height", {20, 0, true, true}, 40, 20},
        {"height cut to the largest",
         {5000, 0, true, true},
         2 * kMaxPictureHeight,
         kMaxPictureHeight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<PixelImage> picture = pictureOf(bill, c.settings);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->width(), c.width);
        EXPECT_EQ(picture->height(), c.height);
    }
}

TEST_F(BillPicturesTest, ThePartIsABarInTheColourOfItsMark) {
    const Tvx_Bill bill = billOf({L"HEA-200"});
    const auto framed = pictureOf(bill, {20, 0, true, true});
    const auto plain = pictureOf(bill, {20, 4, true, false});
    const auto grey = pictureOf(bill, {20, 0, false, false});
    const auto again = pictureOf(bill, {20, 0, true, true});
    const auto other = pictureOf(billOf({L"IPE-300"}), {20, 0, true, true});
    ASSERT_TRUE(framed && plain && grey && again && other);

    const COLORREF part = framed->getPixel(20, 10);
    EXPECT_NE(part, RGB(255, 255, 255));
    EXPECT_EQ(framed->getPixel(0, 0), RGB(0, 0, 0)) << "the frame";
    EXPECT_EQ(framed->getPixel(20, 2), RGB(255, 255, 255)) << "the ground above the bar";
    EXPECT_EQ(plain->getPixel(0, 0), RGB(255, 255, 255)) << "no frame";
    EXPECT_EQ(plain->getPixel(2, 10), RGB(255, 255, 255)) << "inside the margin";
    EXPECT_EQ(plain->getPixel(4, 10), part) << "the bar begins after the margin";
    const COLORREF greyPart = grey->getPixel(20, 10);
    EXPECT_EQ(GetRValue(greyPart), GetGValue(greyPart));
    EXPECT_EQ(GetGValue(greyPart), GetBValue(greyPart));
    EXPECT_EQ(*framed, *again) << "equal marks, equal pictures";
    EXPECT_NE(other->getPixel(20, 10), part);
}

TEST_F(BillPicturesTest, NoPictureWithoutBillTransactionFeedOrValues) {
    Tvx_Bill bill = billOf({L"P1"});
    Tvx_String file = L"left over";
    EXPECT_FALSE(createImage(&bill, transaction_, -1, 0, 0, true, true, file)) << "outside a feed";
    EXPECT_TRUE(file.isEmpty());

    PictureTaker withoutTransaction(&bill, nullptr, {});
    bill.feed(withoutTransaction);
    EXPECT_EQ(withoutTransaction.results, std::vector<bool>{false});
    PictureTaker withoutBill(nullptr, transaction_, {});
    bill.feed(withoutBill);
    EXPECT_EQ(withoutBill.results, std::vector<bool>{false});

    Tvx_Bill empty;
    empty.addRow({});
    PictureTaker ofEmptyRow(&empty, transaction_, {});
    empty.feed(ofEmptyRow);
    EXPECT_EQ(ofEmptyRow.results, std::vector<bool>{false});
}

TEST_F(BillPicturesTest, ProgressOpensOnlyWithStepsAndClosesOnlyWhenOpen) {
    EXPECT_FALSE(initBMPDialog(0));
    EXPECT_FALSE(bmpProgress().open);
    closeBMPDialog();
    EXPECT_EQ(bmpProgress().closeCount, 0);
    ASSERT_TRUE(initBMPDialog(2));
    EXPECT_EQ(bmpProgress().steps, 2);

    Tvx_Bill bill = billOf({L"P1", L"P2", L"P3"});
    PictureTaker taker(&bill, transaction_, {});
    bill.feed(taker);
    EXPECT_EQ(taker.positions, (std::vector<int>{1, 2, 2})) << "the progress stops at its end";
}

}  // namespace

// Drawing on device contexts: pixels, the command record, text layout, transfers.
#include "platform/ui/gdi/CDC.h"

#include <gtest/gtest.h>

#include "platform/ui/gdi/RasterOps.h"
#include "platform/ui/gdi/ResourceImages.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(CDC, FillsAndOutlinesChangePixelsAndAreRecorded) {
    CDC dc(CSize(20, 10));
    const CRect area(2, 2, 6, 5);
    dc.FillSolidRect(&area, RGB(200, 0, 0));
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(200, 0, 0));
    EXPECT_EQ(dc.GetPixel(6, 2), kWhite) << "right edge excluded";

    CPen pen(PS_SOLID, 1, RGB(0, 0, 200));
    CBrush brush(RGB(0, 200, 0));
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.Rectangle(10, 0, 14, 4);
    EXPECT_EQ(dc.GetPixel(10, 0), RGB(0, 0, 200));
    EXPECT_EQ(dc.GetPixel(11, 1), RGB(0, 200, 0));
    EXPECT_EQ(dc.GetPixel(13, 3), RGB(0, 0, 200));

    ASSERT_EQ(dc.commands().size(), 2u);
    EXPECT_EQ(dc.commands()[0].kind, DrawCommand::Kind::FillRect);
    EXPECT_EQ(dc.commands()[0].rect, area);
    EXPECT_EQ(dc.commands()[1].kind, DrawCommand::Kind::Rectangle);
    EXPECT_TRUE(dc.commands()[1].hasFill);
    EXPECT_EQ(dc.commands()[1].stroke, RGB(0, 0, 200));
}

TEST(CDC, LinesStopBeforeTheirEndPoint) {
    CDC dc(CSize(10, 10));
    dc.MoveTo(1, 1);
    dc.LineTo(5, 1);
    EXPECT_EQ(dc.GetPixel(1, 1), kBlack);
    EXPECT_EQ(dc.GetPixel(4, 1), kBlack);
    EXPECT_EQ(dc.GetPixel(5, 1), kWhite);
    dc.SelectStockObject(NULL_PEN);
    dc.LineTo(5, 8);
    EXPECT_EQ(dc.GetPixel(5, 4), kWhite);
    EXPECT_EQ(dc.commands().size(), 1u);
}

TEST(CDC, DrawTextAlignsWrapsAndMeasures) {
    CDC dc(CSize(200, 100));
    struct Case {
        const wchar_t* text;
        UINT format;
        CRect box;
        std::vector<std::pair<Tvx_String, CPoint>> lines;
    };
    // In the dialogs' default font (11 pixels), "Ab" is (9 + 7) x 11 / 16 = 11 wide.
    const Case cases[] = {
        {L"Ab", DT_LEFT, CRect(0, 0, 100, 50), {{L"Ab", CPoint(0, 0)}}},
        {L"Ab", DT_RIGHT, CRect(0, 0, 100, 50), {{L"Ab", CPoint(89, 0)}}},
        {L"Ab",
         DT_CENTER | DT_VCENTER | DT_SINGLELINE,
         CRect(0, 0, 101, 53),
         {{L"Ab", CPoint(45, 21)}}},
        {L"Ab\nAb", DT_LEFT, CRect(5, 5, 100, 50), {{L"Ab", CPoint(5, 5)}, {L"Ab", CPoint(5, 16)}}},
        {L"&Save && close", DT_LEFT, CRect(0, 0, 200, 20), {{L"Save & close", CPoint(0, 0)}}},
        {L"&x", DT_NOPREFIX, CRect(0, 0, 200, 20), {{L"&x", CPoint(0, 0)}}},
        {L"Ab Ab Ab",
         DT_WORDBREAK,
         CRect(0, 0, 35, 60),
         {{L"Ab Ab", CPoint(0, 0)}, {L"Ab", CPoint(0, 11)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.format);
        CDC page(CSize(200, 100));
        CRect box = c.box;
        page.DrawText(c.text, &box, c.format);
        ASSERT_EQ(page.commands().size(), c.lines.size());
        for (size_t i = 0; i < c.lines.size(); ++i) {
            EXPECT_EQ(page.commands()[i].text, c.lines[i].first);
            EXPECT_EQ(page.commands()[i].rect.TopLeft(), c.lines[i].second);
        }
    }
    CRect measure(10, 10, 10, 10);
    EXPECT_EQ(dc.DrawText(L"Ab\nAbAb", &measure, DT_CALCRECT), 22);
    EXPECT_EQ(measure, CRect(10, 10, 32, 32));
    EXPECT_TRUE(dc.commands().empty());
    EXPECT_EQ(dc.GetTextExtent(L"Ab"), CSize(11, 11));
}

TEST(CDC, TextIsRecordedWithItsColoursAndFont) {
    CDC dc(CSize(50, 20));
    dc.SetTextColor(RGB(1, 2, 3));
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(4, 5, L"Hi");
    ASSERT_EQ(dc.commands().size(), 1u);
    const DrawCommand& text = dc.commands()[0];
    EXPECT_EQ(text.kind, DrawCommand::Kind::Text);
    EXPECT_EQ(text.textColour, RGB(1, 2, 3));
    EXPECT_FALSE(text.hasTextBackground);
    EXPECT_EQ(text.font.height, 11) << "the dialogs' default font is 8 points";
    EXPECT_EQ(dc.SetBkMode(7), 0);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
}

// The designer draws its background picture in two transfers through memory
// contexts: the mask ANDed, then the picture (its transparent pixels blacked
// out) ORed.
TEST(CDC, MemoryContextsDrawAPictureTransparently) {
    CBitmap picture;
    PixelImage pixels(2, 1, false, kWhite);
    pixels.setPixel(0, 0, RGB(0, 0, 160));
    ASSERT_TRUE(picture.CreateFromPicture(pixels));
    CBitmap mask;
    ASSERT_TRUE(mask.CreateBitmap(2, 1, 1, 1, nullptr));

    CDC pictureDc, maskDc;
    pictureDc.CreateCompatibleDC(nullptr);
    maskDc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(pictureDc.SelectObject(&picture), nullptr) << "the default bitmap has no object";
    maskDc.SelectObject(&mask);
    pictureDc.SetBkColor(kWhite);
    maskDc.BitBlt(0, 0, 2, 1, &pictureDc, 0, 0, SRCCOPY);
    EXPECT_EQ(mask.picture()->getPixel(1, 0), kWhite);
    // Monochrome onto colour: white (transparent) becomes the background
    // colour white, so AND NOT clears exactly those pixels.
    pictureDc.SetBkColor(kWhite);
    pictureDc.SetTextColor(kBlack);
    pictureDc.BitBlt(0, 0, 2, 1, &maskDc, 0, 0, DSna);
    EXPECT_EQ(picture.picture()->getPixel(1, 0), kBlack);

    CDC window(CSize(2, 1));
    const CRect all(0, 0, 2, 1);
    window.FillSolidRect(&all, RGB(240, 240, 240));
    window.BitBlt(0, 0, 2, 1, &maskDc, 0, 0, SRCAND);
    window.BitBlt(0, 0, 2, 1, &pictureDc, 0, 0, SRCPAINT);
    EXPECT_EQ(window.GetPixel(0, 0), RGB(0, 0, 160));
    EXPECT_EQ(window.GetPixel(1, 0), RGB(240, 240, 240));
    EXPECT_EQ(window.commands().back().kind, DrawCommand::Kind::Picture);
}

TEST(CDC, IconsLeaveTheirTransparentPixelsAlone) {
    PixelImage pixels(2, 1, false, kIconTransparentColour);
    pixels.setPixel(0, 0, RGB(9, 9, 9));
    const HICON icon = gdi::createIcon(gdi::iconFromPicture(pixels));
    CDC dc(CSize(4, 4));
    dc.SetViewportOrg(1, 1);
    ASSERT_TRUE(dc.DrawIcon(0, 0, icon));
    EXPECT_EQ(dc.surface().getPixel(1, 1), RGB(9, 9, 9));
    EXPECT_EQ(dc.surface().getPixel(2, 1), kWhite);
    EXPECT_FALSE(dc.DrawIcon(0, 0, nullptr));
    DestroyIcon(icon);
}

TEST(CDC, StretchAndFocusRectangles) {
    CBitmap source;
    PixelImage pixels(2, 1);
    pixels.setPixel(0, 0, RGB(50, 0, 0));
    pixels.setPixel(1, 0, RGB(0, 50, 0));
    source.CreateFromPicture(pixels);
    CDC sourceDc;
    sourceDc.CreateCompatibleDC(nullptr);
    sourceDc.SelectObject(&source);
    CDC dc(CSize(4, 2));
    ASSERT_TRUE(dc.StretchBlt(0, 0, 4, 2, &sourceDc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(50, 0, 0));
    EXPECT_EQ(dc.GetPixel(2, 0), RGB(0, 50, 0));
    const CRect focus(0, 0, 4, 2);
    dc.DrawFocusRect(&focus);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(205, 255, 255));
    dc.DrawFocusRect(&focus);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(50, 0, 0)) << "drawn twice, the frame is gone";
    EXPECT_FALSE(dc.StretchBlt(0, 0, 4, 2, nullptr, 0, 0, 2, 1, SRCCOPY));
}

}  // namespace

// Raster operations, block transfers and transparency masks.
#include "platform/ui/gdi/RasterOps.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(RasterOps, NamedOperationsCombineAsTheirNamesSay) {
    const COLORREF p = RGB(0xF0, 0x0F, 0xAA);
    const COLORREF s = RGB(0x12, 0x34, 0x56);
    const COLORREF d = RGB(0xFF, 0x0F, 0x30);
    struct Case {
        const char* name;
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {"SRCCOPY", SRCCOPY, s},
        {"SRCAND", SRCAND, s & d},
        {"SRCPAINT", SRCPAINT, s | d},
        {"SRCINVERT", SRCINVERT, s ^ d},
        {"SRCERASE", SRCERASE, s & (~d & 0xFFFFFF)},
        {"NOTSRCCOPY", NOTSRCCOPY, ~s & 0xFFFFFF},
        {"MERGEPAINT", MERGEPAINT, (~s | d) & 0xFFFFFF},
        {"DSna", DSna, d & ~s & 0xFFFFFF},
        {"PATCOPY", PATCOPY, p},
        {"PATINVERT", PATINVERT, p ^ d},
        {"DSTINVERT", DSTINVERT, ~d & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(applyRop3(c.rop, p, s, d), c.expected);
    }
}

TEST(RasterOps, BlocksAreClippedToBothPictures) {
    PixelImage destination(4, 4, false, kWhite);
    const PixelImage source(2, 2, false, RGB(1, 2, 3));
    bitBlt(destination, 3, -1, 10, 10, &source, 0, 0, SRCCOPY);
    EXPECT_EQ(destination.getPixel(3, 0), RGB(1, 2, 3));  // source row 1
    EXPECT_EQ(destination.getPixel(3, 1), kWhite);        // past the source
    EXPECT_EQ(destination.getPixel(2, 0), kWhite);
    bitBlt(destination, 0, 0, 4, 4, &source, 5, 5, SRCCOPY);  // nothing of the source there
    EXPECT_EQ(destination.getPixel(0, 0), kWhite);
    bitBlt(destination, 0, 0, 2, 1, nullptr, 0, 0, BLACKNESS);
    EXPECT_EQ(destination.getPixel(1, 0), kBlack);
    EXPECT_EQ(destination.getPixel(2, 0), kWhite);
}

TEST(RasterOps, ColourToMonochromeUsesTheSourceBackground) {
    PixelImage picture(3, 1);
    picture.setPixel(0, 0, RGB(10, 20, 30));
    picture.setPixel(1, 0, kWhite);
    picture.setPixel(2, 0, RGB(10, 20, 31));
    const PixelImage mask = makeMonochromeMask(picture, RGB(10, 20, 30));
    EXPECT_TRUE(mask.isMonochrome());
    EXPECT_EQ(mask.getPixel(0, 0), kWhite);
    EXPECT_EQ(mask.getPixel(1, 0), kBlack);
    EXPECT_EQ(mask.getPixel(2, 0), kBlack);
}

TEST(RasterOps, MonochromeToColourUsesTheDestinationColours) {
    PixelImage mono(2, 1, true);
    mono.setPixel(1, 0, kWhite);
    PixelImage colour(2, 1);
    BlitColours colours;
    colours.destinationText = RGB(200, 0, 0);
    colours.destinationBackground = RGB(0, 0, 200);
    bitBlt(colour, 0, 0, 2, 1, &mono, 0, 0, SRCCOPY, colours);
    EXPECT_EQ(colour.getPixel(0, 0), RGB(200, 0, 0));
    EXPECT_EQ(colour.getPixel(1, 0), RGB(0, 0, 200));
}

// The transparent drawing of a background picture: the mask is made with white
// as the transparent colour, the picture's transparent pixels are blacked out
// (AND with the inverted mask), then the mask is ANDed onto the surface and the
// picture ORed over it, so white parts show the surface below.
TEST(RasterOps, MaskAndOrDrawAPictureTransparently) {
    PixelImage picture(2, 1);
    picture.setPixel(0, 0, RGB(200, 10, 10));
    picture.setPixel(1, 0, kWhite);
    const PixelImage mask = makeMonochromeMask(picture, kWhite);
    bitBlt(picture, 0, 0, 2, 1, &mask, 0, 0, DSna);
    EXPECT_EQ(picture.getPixel(1, 0), kBlack);

    const COLORREF surfaceColour = RGB(0xEC, 0xE9, 0xD8);
    PixelImage surface(2, 1, false, surfaceColour);
    bitBlt(surface, 0, 0, 2, 1, &mask, 0, 0, SRCAND);
    bitBlt(surface, 0, 0, 2, 1, &picture, 0, 0, SRCPAINT);
    EXPECT_EQ(surface.getPixel(0, 0), RGB(200, 10, 10));
    EXPECT_EQ(surface.getPixel(1, 0), surfaceColour);
}

TEST(PixelImage, OutsidePointsAreHarmless) {
    PixelImage image(2, 2, true, RGB(1, 1, 1));
    EXPECT_EQ(image.getPixel(0, 0), kBlack) << "a monochrome picture holds black or white only";
    EXPECT_EQ(image.getPixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(image.getPixel(2, 0), CLR_INVALID);
    image.setPixel(5, 5, kWhite);
    image.fillRect(RECT{-5, -5, 1, 1}, kWhite);
    EXPECT_EQ(image.getPixel(0, 0), kWhite);
    EXPECT_EQ(image.getPixel(1, 1), kBlack);
    EXPECT_TRUE(PixelImage(-3, 4).isEmpty());
}

}  // namespace

// Drawing objects by handle and their C++ faces; bitmaps and icons from files.
#include <gtest/gtest.h>

#include "platform/core/Tvx_Settings.h"
#include "platform/ui/gdi/BmpFormat.h"
#include "platform/ui/gdi/GdiClasses.h"
#include "platform/ui/gdi/ResourceImages.h"
#include "support/TempDir.h"

namespace {

TEST(GdiObjects, ObjectsOwnTheirHandlesUntilDeletedOrDetached) {
    HGDIOBJ handle = nullptr;
    {
        CBrush brush(RGB(1, 2, 3));
        handle = brush.GetSafeHandle();
        ASSERT_NE(gdi::brushInfo(brush), nullptr);
        EXPECT_EQ(gdi::brushInfo(brush)->colour, RGB(1, 2, 3));
        EXPECT_EQ(CBrush::FromHandle(brush), &brush);
        EXPECT_FALSE(brush.CreateSolidBrush(RGB(9, 9, 9))) << "holds a brush already";
    }
    EXPECT_EQ(gdi::brushInfo(static_cast<HBRUSH>(handle)), nullptr) << "deleted with its object";
    EXPECT_EQ(CBrush::FromHandle(static_cast<HBRUSH>(handle)), nullptr);

    CPen pen(PS_SOLID, 0, RGB(4, 5, 6));
    EXPECT_EQ(gdi::penInfo(pen)->width, 1);
    const HGDIOBJ penHandle = pen.Detach();
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    CPen adopter;
    EXPECT_TRUE(adopter.Attach(penHandle));
    EXPECT_FALSE(CPen().Attach(penHandle)) << "owned by another object";
    EXPECT_TRUE(adopter.DeleteObject());
    EXPECT_FALSE(DeleteObject(penHandle));
}

TEST(GdiObjects, StockObjectsAndSystemColoursLastForever) {
    const HGDIOBJ nullBrush = GetStockObject(NULL_BRUSH);
    ASSERT_NE(nullBrush, nullptr);
    EXPECT_TRUE(gdi::brushInfo(static_cast<HBRUSH>(nullBrush))->hollow);
    EXPECT_FALSE(DeleteObject(nullBrush));
    EXPECT_EQ(GetStockObject(99), nullptr);
    CBrush* wrapper = CBrush::FromHandle(static_cast<HBRUSH>(nullBrush));
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(CBrush::FromHandle(static_cast<HBRUSH>(nullBrush)), wrapper);
    EXPECT_EQ(gdi::brushInfo(GetSysColorBrush(COLOR_BTNFACE))->colour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(GetSysColorBrush(1234), nullptr);
    EXPECT_EQ(CPen::FromHandle(static_cast<HPEN>(nullBrush)), nullptr) << "a brush is not a pen";
}

TEST(GdiObjects, BitmapsReportTheirSizeAndDepth) {
    CBitmap mono;
    const unsigned char rows[] = {0x80, 0x00, 0x40, 0x00};  // 2 rows of 16 bits
    ASSERT_TRUE(mono.CreateBitmap(3, 2, 1, 1, rows));
    BITMAP info;
    ASSERT_TRUE(mono.GetBitmap(&info));
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(mono.picture()->getPixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(mono.picture()->getPixel(1, 1), RGB(255, 255, 255));
    EXPECT_EQ(mono.picture()->getPixel(1, 0), RGB(0, 0, 0));

    CBitmap colour;
    const unsigned char pixel[] = {30, 20, 10, 0};
    ASSERT_TRUE(colour.CreateBitmap(1, 1, 1, 32, pixel));
    EXPECT_EQ(colour.picture()->getPixel(0, 0), RGB(10, 20, 30));
    EXPECT_FALSE(CBitmap().CreateBitmap(0, 5, 1, 32, nullptr));
    EXPECT_FALSE(CBitmap().GetBitmap(&info));
    EXPECT_EQ(CBitmap().GetBitmapDimension(), CSize());
}

TEST(GdiObjects, BitmapsAndIconsLoadFromResourcesAndFiles) {
    testsupport::TempDir dir;
    PixelImage picture(4, 2, false, RGB(255, 0, 255));
    picture.setPixel(0, 0, RGB(10, 20, 30));
    dir.write("res/bitmaps/8134.bmp", writeBmp(picture, 24));
    dir.write("res/icons/239.bmp", writeBmp(picture, 24));
    gSettings.setTvxDir(Tvx_String((dir.path() / "res").wstring()));

    CBitmap fromResource;
    ASSERT_TRUE(fromResource.LoadBitmap(8134));
    EXPECT_EQ(*fromResource.picture(), picture);
    EXPECT_FALSE(CBitmap().LoadBitmap(8136)) << "missing resource";

    const HICON icon = LoadIcon(nullptr, MAKEINTRESOURCE(239));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(gdi::iconInfo(icon)->transparentMask.getPixel(1, 0), RGB(255, 255, 255));
    EXPECT_EQ(gdi::iconInfo(icon)->transparentMask.getPixel(0, 0), RGB(0, 0, 0));
    EXPECT_FALSE(DeleteObject(icon)) << "icons are destroyed, not deleted";
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_FALSE(DestroyIcon(icon));

    const std::wstring file = (dir.path() / "res" / "bitmaps" / "8134.bmp").wstring();
    const auto scaled =
        static_cast<HBITMAP>(LoadImage(nullptr, file.c_str(), IMAGE_BITMAP, 8, 4, LR_LOADFROMFILE));
    ASSERT_NE(scaled, nullptr);
    EXPECT_EQ(gdi::bitmapPicture(scaled)->width(), 8);
    EXPECT_EQ(gdi::bitmapPicture(scaled)->getPixel(1, 1), RGB(10, 20, 30));
    EXPECT_TRUE(DeleteObject(scaled));
    EXPECT_EQ(LoadImage(nullptr, MAKEINTRESOURCE(8134), IMAGE_CURSOR, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadImage(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, 0), nullptr)
        << "a path without LR_LOADFROMFILE";
    gSettings.setTvxDir(Tvx_String());
}

}  // namespace

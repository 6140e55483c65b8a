// BMP files: round trips at every written depth and hand-made files of every read depth.
#include "platform/ui/gdi/BmpFormat.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/TempDir.h"

namespace {

PixelImage sampleImage() {
    PixelImage image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            image.setPixel(x, y, RGB(x * 50, y * 100, 255 - x * 10));
    }
    image.setPixel(4, 2, RGB(255, 255, 255));
    return image;
}

// Little-endian building blocks for hand-made files.
std::string le(std::uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// A file with a 40-byte header, the given palette bytes and rows (already padded).
std::string makeBmp(int width, int height, int bits, std::uint32_t compression,
                    const std::string& extra, const std::string& rows, std::uint32_t colours = 0) {
    const std::uint32_t pixelsAt = 54 + static_cast<std::uint32_t>(extra.size());
    return "BM" + le(pixelsAt + static_cast<std::uint32_t>(rows.size()), 4) + le(0, 4) +
           le(pixelsAt, 4) + le(40, 4) + le(static_cast<std::uint32_t>(width), 4) +
           le(static_cast<std::uint32_t>(height), 4) + le(1, 2) +
           le(static_cast<std::uint32_t>(bits), 2) + le(compression, 4) +
           le(static_cast<std::uint32_t>(rows.size()), 4) + le(0, 4) + le(0, 4) + le(colours, 4) +
           le(0, 4) + extra + rows;
}

TEST(BmpFormat, ColourPicturesRoundTripAt24And32Bits) {
    const PixelImage image = sampleImage();
    for (const int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        const std::string bytes = writeBmp(image, bits);
        const auto back = readBmp(bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, image);
    }
    EXPECT_EQ(writeBmp(image, 24).size(), 54u + 3 * 16);  // rows of 15 bytes padded to 16
}

TEST(BmpFormat, TheWorkedExampleIsByteExact) {
    PixelImage red(1, 1, false, RGB(255, 0, 0));
    const std::string expected = "BM" + le(58, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(1, 4) +
                                 le(1, 4) + le(1, 2) + le(24, 2) + le(0, 4) + le(4, 4) +
                                 le(3780, 4) + le(3780, 4) + le(0, 4) + le(0, 4) +
                                 std::string("\0\0\xff\0", 4);
    EXPECT_EQ(writeBmp(red, 24), expected);
}

TEST(BmpFormat, MonochromePicturesRoundTripAtOneBit) {
    PixelImage mask(10, 2, true);
    mask.setPixel(0, 0, RGB(255, 255, 255));
    mask.setPixel(9, 1, RGB(255, 255, 255));
    const auto back = readBmp(writeBmp(mask, 1));
    ASSERT_TRUE(back.has_value());
    EXPECT_TRUE(back->isMonochrome());
    EXPECT_EQ(*back, mask);
    // A colour picture written at one bit keeps only its white pixels.
    const auto fromColour = readBmp(writeBmp(sampleImage(), 1));
    ASSERT_TRUE(fromColour.has_value());
    EXPECT_EQ(fromColour->getPixel(4, 2), RGB(255, 255, 255));
    EXPECT_EQ(fromColour->getPixel(0, 0), RGB(0, 0, 0));
}

TEST(BmpFormat, PalettedSixteenBitTopDownAndBitFieldFilesRead) {
    const std::string palette4 = le(0x0000FF, 4) + le(0x00FF00, 4) + le(0xFF0000, 4);
    struct Case {
        const char* name;
        std::string file;
        std::vector<COLORREF> firstRow;  // left to right, top row
    };
    const Case cases[] = {
        {"4 bits, 3 colours",
         makeBmp(3, 1, 4, 0, palette4, std::string("\x01\x20\0\0", 4), 3),
         {RGB(0, 0, 255), RGB(0, 255, 0), RGB(255, 0, 0)}},
        {"8 bits, bottom-up",
         makeBmp(2, 2, 8, 0, le(0x000000, 4) + le(0xFFFFFF, 4),
                 std::string("\x01\x01\0\0", 4) + std::string("\x00\x01\0\0", 4), 2),
         {RGB(0, 0, 0), RGB(255, 255, 255)}},
        {"8 bits, top-down",
         makeBmp(2, -2, 8, 0, le(0x000000, 4) + le(0xFFFFFF, 4),
                 std::string("\x00\x01\0\0", 4) + std::string("\x01\x01\0\0", 4), 2),
         {RGB(0, 0, 0), RGB(255, 255, 255)}},
        {"16 bits 5-5-5",
         makeBmp(2, 1, 16, 0, "", le(0x7C00, 2) + le(0x001F, 2)),
         {RGB(255, 0, 0), RGB(0, 0, 255)}},
        {"16 bits 5-6-5 fields",
         makeBmp(1, 1, 16, 3, le(0xF800, 4) + le(0x07E0, 4) + le(0x001F, 4),
                 le(0x07E0, 2) + le(0, 2)),
         {RGB(0, 255, 0)}},
        {"32 bits fields",
         makeBmp(1, 1, 32, 3, le(0x0000FF00, 4) + le(0x00FF0000, 4) + le(0xFF000000, 4),
                 le(0x10203000, 4)),
         {RGB(0x30, 0x20, 0x10)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        const auto image = readBmp(c.file, &error);
        ASSERT_TRUE(image.has_value()) << error;
        for (size_t x = 0; x < c.firstRow.size(); ++x) {
            EXPECT_EQ(image->getPixel(static_cast<int>(x), 0), c.firstRow[x]) << "x=" << x;
        }
    }
}

TEST(BmpFormat, BadFilesAreRefusedWithAReason) {
    const std::string good = writeBmp(sampleImage(), 24);
    struct Case {
        const char* name;
        std::string bytes;
        const char* error;
    };
    const Case cases[] = {
        {"empty", "", "not a BMP file"},
        {"other format", "\x89PNG\r\n\x1a\n and more bytes", "not a BMP file"},
        {"header cut", good.substr(0, 30), "BMP header cut short"},
        {"pixels cut", good.substr(0, good.size() - 1), "BMP pixel data cut short"},
        {"run-length", makeBmp(1, 1, 8, 1, le(0, 4), le(0, 4)),
         "compressed BMP files are not supported"},
        {"odd depth", makeBmp(1, 1, 7, 0, "", le(0, 4)), "unsupported BMP bits per pixel"},
        {"no pixels", makeBmp(0, 1, 24, 0, "", ""), "BMP picture has no pixels"},
        {"huge", makeBmp(100000, 100000, 24, 0, "", ""), "BMP picture too large"},
        {"palette cut", makeBmp(1, 1, 8, 0, "", ""), "BMP palette cut short"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string error;
        EXPECT_FALSE(readBmp(c.bytes, &error).has_value());
        EXPECT_EQ(error, c.error);
    }
}

TEST(BmpFormat, FilesAreSavedAndLoaded) {
    testsupport::TempDir dir;
    const Tvx_String path((dir.path() / "picture.bmp").wstring());
    ASSERT_TRUE(saveBmpFile(path, sampleImage(), 24));
    const auto loaded = loadBmpFile(path);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, sampleImage());
    EXPECT_FALSE(saveBmpFile(path, sampleImage(), 8));
    EXPECT_FALSE(saveBmpFile(path, PixelImage(), 24));
    std::string error;
    EXPECT_FALSE(loadBmpFile(Tvx_String((dir.path() / "none.bmp").wstring()), &error).has_value());
    EXPECT_EQ(error, "cannot read file");
}

}  // namespace

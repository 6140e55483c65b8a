// PNG bytes and base64 for pictures embedded in SVG.
#include "platform/ui/render/PngEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uint32_t bigEndian(const std::string& bytes, size_t at) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 2])) << 8 |
           static_cast<std::uint8_t>(bytes[at + 3]);
}

TEST(PngEncoder, BytesHoldTheSignatureSizeAndStoredPixels) {
    PixelImage picture(3, 2, false, RGB(10, 20, 30));
    picture.setPixel(2, 1, RGB(255, 0, 128));
    const std::string png = encodePng(picture);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(bigEndian(png, 16), 3u);
    EXPECT_EQ(bigEndian(png, 20), 2u);
    // IDAT: zlib header, one stored block, then the rows (filter byte 0, RGB).
    const size_t idat = png.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    const std::string rows = png.substr(idat + 4 + 2 + 5, 2 * (1 + 9));
    EXPECT_EQ(rows, std::string("\0\x0a\x14\x1e\x0a\x14\x1e\x0a\x14\x1e"
                                "\0\x0a\x14\x1e\x0a\x14\x1e\xff\x00\x80",
                                20));
    EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
}

TEST(PngEncoder, ChunkChecksumsAreThoseEveryReaderExpects) {
    // The header chunk of a 1 x 1 RGB picture is the same in every such file.
    const std::string png = encodePng(PixelImage(1, 1));
    EXPECT_EQ(bigEndian(png, 29), 0x907753DEu);
    EXPECT_EQ(bigEndian(png, png.size() - 4), 0xAE426082u) << "the IEND chunk's";
}

TEST(PngEncoder, RegionsAreClippedAndEmptyOnesGiveNothing) {
    const PixelImage picture(4, 4, false, RGB(1, 2, 3));
    const std::string part = encodePng(picture, RECT{2, 2, 10, 10});
    EXPECT_EQ(bigEndian(part, 16), 2u);
    EXPECT_EQ(bigEndian(part, 20), 2u);
    EXPECT_TRUE(encodePng(picture, RECT{5, 5, 9, 9}).empty());
    EXPECT_TRUE(encodePng(PixelImage()).empty());
}

TEST(PngEncoder, Base64FollowsTheStandardAlphabetAndPadding) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {{"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
                          {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {"\xff\xfe", "//4="}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(base64(c.in), c.out);
    }
}

}  // namespace

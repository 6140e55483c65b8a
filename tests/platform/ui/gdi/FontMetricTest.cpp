// The drawing layer's font metric.
#include "platform/ui/gdi/FontMetric.h"

#include <gtest/gtest.h>

namespace {

TEST(FontMetric, TextWidthsFollowTheCharacterTable) {
    struct Case {
        const wchar_t* text;
        int height;
        int weight;
        CSize expected;
    };
    const Case cases[] = {
        {L"Width", 13, 400, CSize(30, 13)},  // 36 units
        {L"", 13, 400, CSize(0, 13)},
        {L"iiii", 16, 400, CSize(16, 16)},  // 4 x 4 units at one pixel a unit
        {L"MW@%", 16, 400, CSize(52, 16)},
        {L"0123456789", 16, 400, CSize(80, 16)},
        {L"\u00e9\u4e2d", 16, 400, CSize(24, 16)},
        {L"a\x01\x7f", 16, 400, CSize(7, 16)},  // control characters have no width
        {L"ab", 16, 700, CSize(16, 16)},        // bold: one more unit each
        {L"ab", 0, 400, CSize(12, 13)},         // height 0 is the default 13: ceil(14 x 13 / 16)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.text).size() << " chars, h" << c.height);
        TextFont font;
        font.height = c.height;
        font.weight = c.weight;
        EXPECT_EQ(textExtent(font, c.text), c.expected);
    }
}

TEST(FontMetric, FaceNamesDoNotChangeTheMetric) {
    TextFont a;
    TextFont b;
    b.faceName = L"Courier New";
    EXPECT_EQ(textExtent(a, L"Same width"), textExtent(b, L"Same width"));
}

TEST(FontMetric, MeasuresFollowTheHeight) {
    TextFont font;
    font.height = 13;
    const FontMeasures m = fontMeasures(font);
    EXPECT_EQ(m.ascent, 11);
    EXPECT_EQ(m.descent, 2);
    EXPECT_EQ(m.averageWidth, 6);
    EXPECT_EQ(m.maxWidth, 13);
    font.weight = 700;
    EXPECT_EQ(fontMeasures(font).averageWidth, 7);
}

}  // namespace

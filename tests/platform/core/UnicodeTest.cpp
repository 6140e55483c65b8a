// Decoding of file bytes: UTF-8, UTF-16 with a byte-order mark, Windows-1252.
#include "platform/core/Unicode.h"

#include <gtest/gtest.h>

namespace {

TEST(Unicode, DecodeTextDetectsTheEncoding) {
    struct Case {
        const char* what;
        std::string bytes;
        std::wstring expected;
    };
    const Case cases[] = {
        {"plain ascii", "abc", L"abc"},
        {"utf8 with mark", "\xEF\xBB\xBF\xC2\xBF?", L"\u00BF?"},
        {"utf8 without mark", "x\xE2\x80\xA2y", L"x\u2022y"},
        {"utf16 le",
         std::string("\xFF\xFE"
                     "A\0\xA4\0",
                     6),
         L"A\u00A4"},
        {"utf16 be", std::string("\xFE\xFF\0A\x20\x22", 6), L"A\u2022"},
        {"utf16 surrogate pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), L"\U0001F600"},
        {"utf16 odd byte dropped",
         std::string("\xFF\xFE"
                     "A\0B",
                     5),
         L"A"},
        {"windows-1252 fallback", "\xA4 \x95 \xBF \x80", L"\u00A4 \u2022 \u00BF \u20AC"},
        {"overlong utf8 is not utf8", "\xC0\xAF", L"\u00C0\u00AF"},
        {"surrogate in utf8 is not utf8", "\xED\xA0\x80", L"\u00ED\u00A0\u20AC"},
        {"empty", "", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(unicode::decodeText(c.bytes), c.expected);
    }
}

TEST(Unicode, Utf8RoundTripsEveryPlane) {
    const std::wstring text = L"a\u00e9\u2022\U0001F600";
    EXPECT_EQ(unicode::fromUtf8(unicode::toUtf8(text)), text);
    EXPECT_EQ(unicode::toUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(unicode::fromUtf8("a\xFF"
                                "b"),
              L"a\uFFFDb");
}

}  // namespace

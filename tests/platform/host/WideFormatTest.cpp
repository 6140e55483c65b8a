// The command line's printf-style formatting.
#include "platform/host/WideFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>

namespace {

using host::formatWideText;

TEST(WideFormat, IntegersFollowFlagsWidthAndLength) {
    EXPECT_EQ(formatWideText(L"%d|%5d|%-5d|%05d|%+d", 42, 42, 42, 42, 42),
              L"42|   42|42   |00042|+42");
    EXPECT_EQ(formatWideText(L"%x %X %#x %o %u", 255, 255, 255, 8, 3000000000u),
              L"ff FF 0xff 10 3000000000");
    EXPECT_EQ(formatWideText(L"%ld %lld %I64d %zu", -5L, -6LL, static_cast<long long>(1) << 40,
                             size_t{7}),
              L"-5 -6 1099511627776 7");
    EXPECT_EQ(formatWideText(L"%hd %hhu", 70000, 257), L"4464 1");
    EXPECT_EQ(formatWideText(L"%*d|%-*d|%*d", 4, 1, 3, 2, -3, 3), L"   1|2  |3  ");
}

TEST(WideFormat, FloatingPointAlwaysUsesAPoint) {
    EXPECT_EQ(formatWideText(L"%.2f %e %g %G", 3.14159, 1500.0, 0.0001, 1e20),
              L"3.14 1.500000e+03 0.0001 1E+20");
    EXPECT_EQ(formatWideText(L"%8.3f|%-8.1f|%.*f", 2.5, 2.5, 1, 9.96), L"   2.500|2.5     |10.0");
    const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (previous) {
        EXPECT_EQ(formatWideText(L"%.1f", 2.5), L"2.5");
        std::setlocale(LC_NUMERIC, "C");
    }
}

TEST(WideFormat, StringsAreWideUnlessMarkedNarrow) {
    EXPECT_EQ(
        formatWideText(L"[%s] [%ls] [%hs] [%S]", L"wide", L"\u00e9t\u00e9", "na\xc3\xafve", "x"),
        L"[wide] [\u00e9t\u00e9] [na\u00efve] [x]");
    EXPECT_EQ(formatWideText(L"[%6s][%-6s][%.2s]", L"ab", L"ab", L"abcdef"),
              L"[    ab][ab    ][ab]");
    EXPECT_EQ(formatWideText(L"%s %hs", static_cast<const wchar_t*>(nullptr),
                             static_cast<const char*>(nullptr)),
              L"(null) (null)");
    EXPECT_EQ(formatWideText(L"%c%c%3c%hc", L'\u20ac', L'b', L'c', 'd'), L"\u20acb  cd");
}

TEST(WideFormat, OddDirectivesAreCopiedOrIgnoredSafely) {
    struct Case {
        const wchar_t* format;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"100%%", L"100%"},
        {L"tail %", L"tail %"},
        {L"tail %5.2", L"tail %5.2"},
        {L"%q and %y", L"%q and %y"},
        {L"a%nb", L"ab"},
        {L"Delayed timer called.\n", L"Delayed timer called.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::wstring(c.format).size());
        EXPECT_EQ(formatWideText(c.format), c.expected);
    }
    EXPECT_EQ(formatWideText(nullptr), L"");
}

TEST(WideFormat, LongOutputIsNotCut) {
    const std::wstring text = formatWideText(L"%0300d|%.200f", 1, 1.0);
    EXPECT_EQ(text.size(), 300u + 1 + 202);
    EXPECT_EQ(text.substr(0, 3), L"000");
}

}  // namespace

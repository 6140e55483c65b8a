// Number-to-text and text-to-number rules, independent of the locale.
#include "platform/core/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>
#include <string>

namespace {

TEST(NumberText, FormatFixedRoundsHalvesAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {2.345, 2, L"2.35"},
        {2.675, 2, L"2.68"},
        {-0.125, 2, L"-0.13"},
        {0.5, 0, L"1"},
        {-0.5, 0, L"-1"},
        {1.5, 0, L"2"},
        {2.5, 0, L"3"},
        {-0.001, 2, L"0.00"},
        {0.0, 3, L"0.000"},
        {-0.0, 1, L"0.0"},
        {9.999, 2, L"10.00"},
        {99.5, 0, L"100"},
        {1234567.891, 1, L"1234567.9"},
        {0.000123, 5, L"0.00012"},
        {0.000125, 5, L"0.00013"},
        {1e20, 2, L"100000000000000000000.00"},
        {10, -3, L"10"},
        {1.0 / 3, 7, L"0.3333333"},
        {5e-324, 2, L"0.00"},
        {-42, 2, L"-42.00"},
        {9007199254740991.0, 1, L"9007199254740991.0"},
        {9007199254740992.0, 0, L"9007199254740992"},
        {0.95, 1, L"1.0"},
        {-9.96, 1, L"-10.0"},
        {999999.5, 0, L"1000000"},
        {0.0004, 3, L"0.000"},
        {0.0005, 3, L"0.001"},
        {0.5, -1, L"1"},
        {1.7976931348623157e308, 0,
         L"1797693134862315700000000000000000000000000000000000000000000000000000"
         L"0000000000000000000000000000000000000000000000000000000000000000000000"
         L"0000000000000000000000000000000000000000000000000000000000000000000000"
         L"0000000000000000000000000000000000000000000000000000000000000000000000"
         L"00000000000000000000000000000"},
        {1e-5, 17, L"0.00001000000000000"},
        {123.456, 20, L"123.45600000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " with " << c.decimals);
        EXPECT_EQ(numtext::formatFixed(c.value, c.decimals), c.expected);
    }
    EXPECT_EQ(numtext::formatFixed(std::numeric_limits<double>::quiet_NaN(), 2), L"nan");
    EXPECT_EQ(numtext::formatFixed(-HUGE_VAL, 2), L"-inf");
}

TEST(NumberText, FormatGeneralKeepsFifteenDigitsWithoutTrailingZeros) {
    struct Case {
        double value;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {0, L"0"},
        {10, L"10"},
        {-2.5, L"-2.5"},
        {0.1 + 0.2, L"0.3"},
        {1.0 / 3, L"0.333333333333333"},
        {123456789012345, L"123456789012345"},
        {1e15, L"1E+15"},
        {1.5e20, L"1.5E+20"},
        {0.0001, L"0.0001"},
        {0.00001, L"0.00001"},
        {1e-7, L"1E-07"},
        {-1234.5678, L"-1234.5678"},
        {999999999999999.9, L"1E+15"},
        {-1.7976931348623157e308, L"-1.79769313486232E+308"},
        {1.23456789012345678e-10, L"1.23456789012346E-10"},
        {0.000099999999999999999, L"0.0001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        EXPECT_EQ(numtext::formatGeneral(c.value), c.expected);
    }
}

TEST(NumberText, ParseFollowsTheAtofRule) {
    struct Case {
        const wchar_t* text;
        double expected;
    };
    const Case cases[] = {
        {L"12.5", 12.5},      {L"  -3e2xyz", -300}, {L"+.5", 0.5}, {L"abc", 0}, {L"", 0},
        {L"1e", 1},           {L"1e+", 1},          {L"7.", 7},    {L".", 0},   {L"-", 0},
        {L"1e999", HUGE_VAL}, {L"1e-999", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.text, c.text + wcslen(c.text)));
        EXPECT_EQ(numtext::parseLeadingDouble(c.text), c.expected);
    }
    EXPECT_EQ(numtext::parseLeadingInt(L" -17.9"), -17);
    EXPECT_EQ(numtext::parseLeadingInt(L"99999999999"), 2147483647);
    EXPECT_EQ(numtext::parseLeadingInt(L"-99999999999"), -2147483647 - 1);
    EXPECT_EQ(numtext::parseLeadingInt(L"x1"), 0);
}

// Short numbers and long ones read to the same correctly rounded doubles as
// the C library's reading, also at the edges of exact arithmetic.
TEST(NumberText, ParseGivesTheNearestDouble) {
    const wchar_t* const texts[] = {
        L"0.1",
        L"-0.3",
        L"123456789012345",
        L"1234567890123456",
        L"0.000000000000000000001",
        L"1e22",
        L"1e23",
        L"4.35e-22",
        L"9007199254740993",
        L"2.2250738585072014e-308",
        L"-0",
        L"0e99999",
        L"000012.5000",
        L"1.7976931348623157e308",
        L"3.14159265358979323846",
    };
    for (const wchar_t* text : texts) {
        const std::string narrow(text, text + wcslen(text));
        SCOPED_TRACE(narrow);
        const double expected = std::strtod(narrow.c_str(), nullptr);
        double value = 0;
        ASSERT_TRUE(numtext::parseWholeDouble(text, value));
        EXPECT_EQ(std::memcmp(&value, &expected, sizeof value), 0) << value << " " << expected;
        EXPECT_EQ(numtext::parseLeadingDouble(text), expected);
    }
}

TEST(NumberText, ParseWholeDoubleNeedsTheWholeText) {
    double value = -1;
    EXPECT_TRUE(numtext::parseWholeDouble(L" 2.5e1 ", value));
    EXPECT_EQ(value, 25);
    value = -1;
    EXPECT_FALSE(numtext::parseWholeDouble(L"2.5mm", value));
    EXPECT_FALSE(numtext::parseWholeDouble(L"", value));
    EXPECT_FALSE(numtext::parseWholeDouble(L"1e", value));
    EXPECT_EQ(value, -1);
}

}  // namespace

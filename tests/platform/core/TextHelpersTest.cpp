// Operations on single texts: trimming, searching, comments, digits, letters.
#include "platform/core/TextHelpers.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct TextCase {
    const char* what;
    Tvx_String result;
    const wchar_t* expected;
};

void expectAll(std::initializer_list<TextCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.result.str(), c.expected);
    }
}

TEST(TextHelpers, StripSymbolsFromEitherEnd) {
    expectAll({
        {"start only keeps the end", stripSymbols(L"  Double Width  ", L" ", StripSide::Start),
         L"Double Width  "},
        {"end only", stripSymbols(L"  x  ", L" ", StripSide::End), L"  x"},
        {"both", stripSymbols(L" \t x \t", L" \t"), L"x"},
        {"several symbols", stripSymbols(L"\"'name'\"", L"\"'"), L"name"},
        {"all stripped", stripSymbols(L"   ", L" "), L""},
        {"empty text", stripSymbols(L"", L" "), L""},
        {"no symbols", stripSymbols(L" x ", L""), L" x "},
    });
}

TEST(TextHelpers, CommentsAreRemovedWithTheBlanksBeforeThem) {
    expectAll({
        {"line comment", removeLineComment(L"HEA100\t12 // note"), L"HEA100\t12"},
        {"line of only a comment", removeLineComment(L"   // header"), L""},
        {"no comment unchanged", removeLineComment(L" 12 \t"), L" 12 \t"},
        {"single slash is no comment", removeLineComment(L"a/b"), L"a/b"},
        {"block comment", removeComments(L"200x10 /* web */"), L"200x10"},
        {"block in the middle", removeComments(L"2/*a*/00x1/* b */0"), L"200x10"},
        {"only a block", removeComments(L"  /* nothing */  "), L""},
        {"unterminated block runs to the end", removeComments(L"15 /* open"), L"15"},
        {"closing without opening stays", removeComments(L"a */ b "), L"a */ b "},
        {"empty", removeComments(L""), L""},
    });
}

TEST(TextHelpers, GetSubstrAfterTheFirstMarker) {
    expectAll({
        {"module entry", getSubstrAfter(L"Module.Base plate", L"Module."), L"Base plate"},
        {"first occurrence", getSubstrAfter(L"a.b.c", L"."), L"b.c"},
        {"missing marker", getSubstrAfter(L"Entire", L"Module."), L""},
        {"marker case differs, flag set", getSubstrAfter(L"module.X", L"Module."), L""},
        {"marker case differs, flag clear", getSubstrAfter(L"module.X", L"Module.", false), L"X"},
        {"marker at the end", getSubstrAfter(L"Module.", L"Module."), L""},
        {"empty marker", getSubstrAfter(L"abc", L""), L"abc"},
    });
}

TEST(TextHelpers, ColumnLettersAndDigits) {
    expectAll({
        {"1", getAlfabet(1), L"A"},
        {"26", getAlfabet(26), L"Z"},
        {"27", getAlfabet(27), L"AA"},
        {"52", getAlfabet(52), L"AZ"},
        {"53", getAlfabet(53), L"BA"},
        {"702", getAlfabet(702), L"ZZ"},
        {"703", getAlfabet(703), L"AAA"},
        {"0", getAlfabet(0), L""},
        {"negative", getAlfabet(-4), L""},
        {"strip end digits", stripNumbersAtEnd(L"Stock12"), L"Stock"},
        {"only digits", stripNumbersAtEnd(L"120"), L""},
        {"no end digits", stripNumbersAtEnd(L"1a"), L"1a"},
        {"append number", append(L"Value", 2), L"Value2"},
        {"append negative", append(L"", -7), L"-7"},
        {"five texts", appStrs(L"a", L"b", L"c", L"d", L"e"), L"abcde"},
        {"two texts", appStrs(L"x", L"y"), L"xy"},
    });
}

TEST(TextHelpers, FindFirstNumbersGivesPositionAndDigits) {
    struct Case {
        const wchar_t* text;
        bool found;
        int position;
        const wchar_t* digits;
    };
    const Case cases[] = {
        {L"HEA 100x8", true, 4, L"100"}, {L"12", true, 0, L"12"},   {L"IPE", false, -1, L""},
        {L"", false, -1, L""},           {L"a-5.5", true, 2, L"5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        int position = 99;
        Tvx_String digits(L"stale");
        EXPECT_EQ(findFirstNumbers(c.text, position, digits), c.found);
        EXPECT_EQ(position, c.position);
        EXPECT_EQ(digits.str(), c.digits);
    }
}

TEST(TextHelpers, IsNumberMeansTheWholeText) {
    for (const wchar_t* number : {L"12", L"-1.5", L" 2e3 ", L".5", L"+7", L"0"}) {
        SCOPED_TRACE(Tvx_String(number).toUtf8());
        EXPECT_TRUE(isNumber(number));
    }
    for (const wchar_t* text : {L"", L" ", L"12mm", L"1,5", L"inf", L"nan", L"A1", L"1 2"}) {
        SCOPED_TRACE(Tvx_String(text).toUtf8());
        EXPECT_FALSE(isNumber(text));
    }
}

TEST(TextHelpers, HasASubstrReportsTheFirstPartFound) {
    const Tvx_StringArray functions{L"", L"CallChild", L"Child"};
    int index = 99;
    EXPECT_TRUE(hasASubstr(L"=callchild(\"a\", X)", functions, false, index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(hasASubstr(L"=Child(1)", functions, true, index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(hasASubstr(L"=callchild(1)", Tvx_StringArray{L"CallChild"}, true, index));
    EXPECT_EQ(index, -1);
    EXPECT_FALSE(hasASubstr(L"anything", Tvx_StringArray{L""}, false, index));
    EXPECT_FALSE(hasASubstr(L"", functions, false, index));
}

TEST(TextHelpers, RandomStringsHaveTheLengthAndAlphabet) {
    std::set<std::wstring> seen;
    for (int i = 0; i < 20; ++i) {
        Tvx_String text;
        generateRandomString(24, text);
        ASSERT_EQ(text.length(), 24);
        for (wchar_t c : text.str()) {
            EXPECT_TRUE((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') ||
                        (c >= L'0' && c <= L'9'));
        }
        seen.insert(text.str());
    }
    EXPECT_EQ(seen.size(), 20u);
    Tvx_String text(L"stale");
    generateRandomString(0, text);
    EXPECT_TRUE(text.isEmpty());
    generateRandomString(-3, text);
    EXPECT_TRUE(text.isEmpty());
}

}  // namespace

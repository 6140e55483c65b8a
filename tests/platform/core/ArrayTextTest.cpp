// Splitting and joining texts, duplicates and free names.
#include "platform/core/ArrayText.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::wstring> texts(const Tvx_StringArray& array) {
    std::vector<std::wstring> out;
    for (const Tvx_String& s : array)
        out.push_back(s.str());
    return out;
}

using Texts = std::vector<std::wstring>;

TEST(ArrayText, StrToArrAndBack) {
    struct Case {
        const wchar_t* text;
        Texts parts;
    };
    const Case cases[] = {
        {L"A;B;C", {L"A", L"B", L"C"}},
        {L"A;;B;", {L"A", L"", L"B", L""}},
        {L";", {L"", L""}},
        {L"single", {L"single"}},
        {L"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        const Tvx_StringArray parts = strToArr(c.text);
        EXPECT_EQ(texts(parts), c.parts);
        EXPECT_EQ(arrToStr(parts).str(), c.text);
    }
    EXPECT_EQ(texts(strToArr(L"a\tb", L'\t')), (Texts{L"a", L"b"}));
    EXPECT_EQ(arrToStr(Tvx_StringArray{L"x", L"y"}, L'\u00BF').str(), L"x\u00BFy");
}

TEST(ArrayText, SplitPairAtTheFirstSymbol) {
    struct Case {
        const wchar_t* text;
        wchar_t symbol;
        bool flag;
        bool found;
        const wchar_t* first;
        const wchar_t* second;
    };
    const Case cases[] = {
        {L"Width = A + 2", L'=', true, true, L"Width", L"A + 2"},
        {L"Width = A + 2", L'=', false, true, L"Width ", L" A + 2"},
        {L"a=b=c", L'=', true, true, L"a", L"b=c"},
        {L"=SUM(A1)", L'=', true, true, L"", L"SUM(A1)"},
        {L" 2*A1 ", L'=', true, false, L"2*A1", L""},
        {L" 2*A1 ", L'=', false, false, L" 2*A1 ", L""},
        {L"200x10", L'x', true, true, L"200", L"10"},
        {L"200X10", L'x', true, false, L"200X10", L""},
        {L"", L'=', true, false, L"", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        Tvx_String first(L"stale"), second(L"stale");
        EXPECT_EQ(splitStringAtSymbol(c.text, c.symbol, first, second, c.flag), c.found);
        EXPECT_EQ(first.str(), c.first);
        EXPECT_EQ(second.str(), c.second);
        // The text may be either part itself: the parts are written over
        // their old contents.
        Tvx_String asFirst(c.text), other(L"stale");
        EXPECT_EQ(splitStringAtSymbol(asFirst, c.symbol, asFirst, other, c.flag), c.found);
        EXPECT_EQ(asFirst.str(), c.first);
        EXPECT_EQ(other.str(), c.second);
        Tvx_String asSecond(c.text);
        other = L"stale";
        EXPECT_EQ(splitStringAtSymbol(asSecond, c.symbol, other, asSecond, c.flag), c.found);
        EXPECT_EQ(other.str(), c.first);
        EXPECT_EQ(asSecond.str(), c.second);
    }
}

TEST(ArrayText, SplitListAtEverySymbol) {
    Tvx_StringArray parts{L"stale"};
    splitStringAtSymbol(L"\"Child\", A ,\tB", L',', parts, true);
    EXPECT_EQ(texts(parts), (Texts{L"\"Child\"", L"A", L"B"}));
    splitStringAtSymbol(L"\"Child\", A ,\tB", L',', parts, false);
    EXPECT_EQ(texts(parts), (Texts{L"\"Child\"", L" A ", L"\tB"}));
    splitStringAtSymbol(L"100x10x5", L'x', parts);
    EXPECT_EQ(texts(parts), (Texts{L"100", L"10", L"5"}));
    splitStringAtSymbol(L"", L',', parts, true);
    EXPECT_EQ(parts.length(), 0);
    splitStringAtSymbol(L"  ", L',', parts, true);
    EXPECT_EQ(texts(parts), (Texts{L""}));
}

TEST(ArrayText, LinesToCellsAndBack) {
    const Tvx_StringArray lines{L"HEA100\t12", L"", L"key;1\tvalue\t"};
    const Tvx_StringArrArr rows = arrToArrArr(lines, L'\t');
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(texts(rows[0]), (Texts{L"HEA100", L"12"}));
    EXPECT_EQ(texts(rows[1]), Texts{});
    EXPECT_EQ(texts(rows[2]), (Texts{L"key;1", L"value", L""}));
    EXPECT_EQ(arrArrToArr(rows, L'\t'), lines);
    EXPECT_EQ(arrToArrArr(Tvx_StringArray{}, L'\t').length(), 0);
}

TEST(ArrayText, DuplicatesAreTheLaterOccurrences) {
    struct Case {
        const char* what;
        Tvx_StringArray names;
        bool flag;
        std::vector<int> indices;
        Texts reported;
    };
    const Case cases[] = {
        {"none", {L"A", L"B"}, false, {}, {}},
        {"later ones", {L"A", L"B", L"A", L"C", L"B", L"A"}, false, {2, 4, 5}, {L"A", L"B"}},
        {"case ignored", {L"Width", L"WIDTH", L"width"}, false, {1, 2}, {L"WIDTH"}},
        {"case matched", {L"Width", L"WIDTH", L"Width"}, true, {2}, {L"Width"}},
        {"empty names count", {L"", L"x", L""}, false, {2}, {L""}},
        {"empty list", {}, false, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(getDuplicates(c.names, c.flag).items(), c.indices);
        Tvx_StringArray reported{L"stale"};
        EXPECT_EQ(hasDuplicates(c.names, reported, c.flag), !c.indices.empty());
        EXPECT_EQ(texts(reported), c.reported);
    }
}

TEST(ArrayText, FindNonExistingStringCountsUp) {
    struct Case {
        const char* what;
        Tvx_StringArray names;
        const wchar_t* proposal;
        bool flag;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {"free proposal", {L"100", L"120"}, L"140", false, L"140"},
        {"number counted up", {L"100", L"101", L"120"}, L"100", false, L"102"},
        {"digits kept", {L"Stock09"}, L"Stock09", false, L"Stock10"},
        {"nines carry", {L"A99"}, L"A99", false, L"A100"},
        {"no digits", {L"Table", L"Table2"}, L"Table", false, L"Table3"},
        {"case ignored", {L"table"}, L"TABLE", false, L"TABLE2"},
        {"case matched", {L"table"}, L"TABLE", true, L"TABLE"},
        {"empty proposal", {L"", L"2"}, L"", false, L"3"},
        {"huge number",
         {L"99999999999999999999"},
         L"99999999999999999999",
         false,
         L"100000000000000000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(findNonExistingString(c.names, c.proposal, c.flag).str(), c.expected);
    }
}

}  // namespace

// Whole-word replacement of general variables and variable names.
#include "standards/engine/ReplaceWords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ReplaceCase {
    const wchar_t* text;
    Tvx_StringArray names;
    Tvx_StringArray values;
    bool quoteText;
    const wchar_t* expected;
    bool replaced;
};

TEST(ReplaceWords, ReplacesWholeWordsOnly) {
    const ReplaceCase cases[] = {
        // General variables: numbers as they are, texts quoted, and a longer
        // name that merely begins with a shorter one left alone.
        {L"gen_W + 1", {L"gen_W"}, {L"120"}, true, L"120 + 1", true},
        {L"=gen_M", {L"gen_M"}, {L"S235"}, true, L"=\"S235\"", true},
        {L"gen_Width*2", {L"gen_W"}, {L"120"}, true, L"gen_Width*2", false},
        {L"gen_W+gen_Width", {L"gen_W", L"gen_Width"}, {L"1", L"2"}, true, L"1+2", true},
        // Variable names become references; only the first A is a whole word.
        {L"X = A+AB+A_1", {L"A"}, {L"B5"}, false, L"X = B5+AB+A_1", true},
        {L"A", {L"A"}, {L"B5"}, false, L"B5", true},
        {L"2A+A2+(A)", {L"A"}, {L"C3"}, false, L"2A+A2+(C3)", true},
        // Boundaries are ASCII: other letters and punctuation do not join words.
        {L"\u00e9A+A.x", {L"A"}, {L"C3"}, false, L"\u00e9C3+C3.x", true},
        // Names are found without regard to letter case.
        {L"thickness*2", {L"Thickness"}, {L"B2"}, false, L"B2*2", true},
        // A value holding its own name is not replaced again.
        {L"A+A", {L"A"}, {L"A*2"}, false, L"A*2+A*2", true},
        // Quotes inside a text value are doubled, as the formula language
        // writes them, so the formula still reads.
        {L"gen_N", {L"gen_N"}, {L"a\"b"}, true, L"\"a\"\"b\"", true},
        {L"gen_N", {L"gen_N"}, {L"a\"b"}, false, L"a\"b", true},
        {L"gen_E&\"x\"", {L"gen_E"}, {L""}, true, L"\"\"&\"x\"", true},
        {L"gen_D", {L"gen_D"}, {L"-1.5e3"}, true, L"-1.5e3", true},
        // Only as many pairs as the shorter list holds; empty names skipped.
        {L"A+B", {L"A", L"B"}, {L"1"}, false, L"1+B", true},
        {L"A+B", {L"", L"B"}, {L"9", L"2"}, false, L"A+2", true},
        {L"", {L"A"}, {L"1"}, false, L"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << Tvx_String(c.text).toUtf8());
        Tvx_String text(c.text);
        EXPECT_EQ(replaceWords(text, c.names, c.values, c.quoteText), c.replaced);
        EXPECT_EQ(text.toUtf8(), Tvx_String(c.expected).toUtf8());
    }
}

TEST(ReplaceWords, AReplacerWithoutNamesIsEmptyAndChangesNothing) {
    const struct {
        Tvx_StringArray names;
        Tvx_StringArray values;
        bool empty;
    } cases[] = {
        {{}, {}, true},
        {{L""}, {L"1"}, true},
        {{L"A"}, {}, true},
        {{L"A"}, {L"1"}, false},
        {{L"", L"B"}, {L"1", L"2"}, false},
    };
    for (const auto& c : cases) {
        const WordReplacer replacer(c.names, c.values, true);
        EXPECT_EQ(replacer.isEmpty(), c.empty);
        Tvx_String text(L"A+B");
        EXPECT_EQ(replacer.replace(text), !c.empty);
        EXPECT_EQ(text == Tvx_String(L"A+B"), c.empty);
    }
}

TEST(ReplaceWords, NamesAreReplacedInListOrder) {
    // The reference inserted for the first name is itself a name of the list;
    // the later name finds it, as the search runs name by name over the text.
    Tvx_String text(L"A+B");
    EXPECT_TRUE(replaceWords(text, {L"A", L"B5"}, {L"B5", L"7"}, false));
    EXPECT_EQ(text, Tvx_String(L"7+B"));
}

TEST(ReplaceWords, LongTextWithManyHitsIsReplacedCompletely) {
    std::wstring equation = L"W=";
    for (int i = 0; i < 50000; ++i)
        equation += L"A+";
    equation += L"A";
    Tvx_String text(equation);
    EXPECT_TRUE(replaceWords(text, {L"A"}, {L"B2"}, false));
    EXPECT_EQ(text.length(), static_cast<int>(equation.size()) + 50001);
    EXPECT_FALSE(text.contains(Tvx_String(L"+A+")));
    EXPECT_TRUE(text.endsWith(Tvx_String(L"+B2")));
}

}  // namespace

namespace {

// The prepared replacer gives exactly what replaceWords gives, whichever way
// it works inside: word by word, or name by name when names or values would
// make the two differ.
TEST(ReplaceWords, PreparedReplacerMatchesNameByNameReplacement) {
    struct Case {
        Tvx_StringArray names;
        Tvx_StringArray values;
        std::wstring text;
        std::wstring expected;
    };
    const std::wstring longName(69, L'n');
    const Case cases[] = {
        {{L"Width", L"Thickness"},
         {L"B6", L"B2"},
         L"Width=ROUNDTO(thickness*2,5)+Width_2",
         L"B6=ROUNDTO(B2*2,5)+Width_2"},
        {{L"A", L"B5"}, {L"B5", L"7"}, L"A+B5", L"7+7"},
        {{L"A", L"A"}, {L"A*2", L"3"}, L"A", L"3*2"},
        {{L"Plate.W"}, {L"B2"}, L"Plate.W+xPlate.W", L"B2+xPlate.W"},
        {{L"A"}, {L"B2"}, L"\u00e9A+A", L"\u00e9B2+B2"},
        {{L"gen_T"}, {L"S 355"}, L"gen_T&gen_t", L"S 355&S 355"},
        // Words of a name's length but another first letter, and the reverse,
        // stay; a name longer than 64 characters is still found.
        {{L"ab", L"Xyz", Tvx_String(longName)},
         {L"1", L"2", L"3"},
         L"AB+ab1+cb+xYZ+xy+abc+" + longName + L"+" + longName + L"z",
         L"1+ab1+cb+2+xy+abc+3+" + longName + L"z"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        const WordReplacer replacer(c.names, c.values, false);
        Tvx_String prepared(c.text);
        EXPECT_TRUE(replacer.replace(prepared));
        EXPECT_EQ(prepared.toUtf8(), Tvx_String(c.expected).toUtf8());
        Tvx_String once(c.text);
        replaceWords(once, c.names, c.values, false);
        EXPECT_EQ(once, prepared);
    }
}

}  // namespace

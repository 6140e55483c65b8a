// Tvx_String: positions, counts and the match-case flag.
#include "platform/core/Tvx_String.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

TEST(Tvx_String, ConstructsFromNumbersCharactersAndUtf8) {
    EXPECT_EQ(Tvx_String(-42).str(), L"-42");
    EXPECT_EQ(Tvx_String(L'x').str(), L"x");
    EXPECT_EQ(Tvx_String(2.675, 2).str(), L"2.68");
    EXPECT_EQ(Tvx_String(2.5, 2, true).str(), L"2.5");
    EXPECT_EQ(Tvx_String(3.0, 2, true).str(), L"3");
    EXPECT_EQ(Tvx_String(1200.0, 0, true).str(), L"1200");
    EXPECT_EQ(Tvx_String::fromUtf8("a\xE2\x80\xA2"
                                   "b")
                  .str(),
              L"a\u2022b");
    EXPECT_EQ(Tvx_String(L"\u00A4x").toUtf8(), "\xC2\xA4x");
}

TEST(Tvx_String, EditsClampBadPositionsAndCounts) {
    struct Case {
        const wchar_t* what;
        Tvx_String result;
        const wchar_t* expected;
    };
    const Tvx_String abc(L"abcdef");
    const Case cases[] = {
        {L"sub middle", abc.getSubStringAt(2, 3), L"cde"},
        {L"sub to end", abc.getSubStringAt(4), L"ef"},
        {L"sub count past end", abc.getSubStringAt(4, 99), L"ef"},
        {L"sub negative pos", abc.getSubStringAt(-3, 2), L"ab"},
        {L"sub pos past end", abc.getSubStringAt(10, 2), L""},
        {L"remove", Tvx_String(abc).removeAt(1, 2), L"adef"},
        {L"remove negative count", Tvx_String(abc).removeAt(3, -1), L"abc"},
        {L"remove past end", Tvx_String(abc).removeAt(9, 1), L"abcdef"},
        {L"insert", Tvx_String(abc).insertAt(3, L"XY"), L"abcXYdef"},
        {L"insert past end", Tvx_String(abc).insertAt(99, L"!"), L"abcdef!"},
        {L"insert negative", Tvx_String(abc).insertAt(-5, L"!"), L"!abcdef"},
        {L"upper", Tvx_String(L"ab\u00e9\u0444").toUpper(), L"AB\u00c9\u0424"},
        {L"lower", Tvx_String(L"AB\u00c9\u0424\u0141").toLower(), L"ab\u00e9\u0444\u0142"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << Tvx_String(c.what).toUtf8());
        EXPECT_EQ(c.result.str(), c.expected);
    }
}

TEST(Tvx_String, FlagMeansMatchCase) {
    const Tvx_String text(L"Plate_Thickness");
    EXPECT_TRUE(text.equal(L"plate_thickness", false));
    EXPECT_FALSE(text.equal(L"plate_thickness", true));
    EXPECT_TRUE(text.startsWith(L"PLATE", false));
    EXPECT_FALSE(text.startsWith(L"PLATE", true));
    EXPECT_TRUE(text.endsWith(L"NESS", false));
    EXPECT_FALSE(text.endsWith(L"NESS", true));
    EXPECT_FALSE(text.endsWith(L"a much longer text than this", false));
    EXPECT_TRUE(text.contains(L"_thick", false));
    EXPECT_FALSE(text.contains(L"_thick", true));
}

// Characters that differ in the case bit but are no letters stay different;
// letters beyond ASCII fold by their own alphabets.
TEST(Tvx_String, CaseIsIgnoredForLettersOnly) {
    struct Case {
        const wchar_t* a;
        const wchar_t* b;
        bool equalIgnoringCase;
    };
    const Case cases[] = {
        {L"A", L"a", true},
        {L"Z", L"z", true},
        {L"@", L"`", false},
        {L"[", L"{", false},
        {L"^", L"~", false},
        {L"1", L"\x11", false},
        {L"\u00C9t\u00E9", L"\u00E9T\u00C9", true},
        {L"\u00D7", L"\u00F7", false},
        {L"\u0391\u03B2", L"\u03B1\u0392", true},
        {L"\u0416", L"\u0436", true},
        {L"\u0401", L"\u0451", true},
        {L"\u0178", L"\u00FF", true},
        {L"\u0178", L"\u0179", false},
        {L"\u0178", L"\u017A", false},
        {L"a", L"\u00E1", false},
        {L"A", L"\u0101", false},
        {L"ab", L"a", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << Tvx_String(c.a).toUtf8() << " / " << Tvx_String(c.b).toUtf8());
        EXPECT_EQ(Tvx_String(c.a).equal(c.b, false), c.equalIgnoringCase);
        EXPECT_EQ(Tvx_String(c.b).equal(c.a, false), c.equalIgnoringCase);
        EXPECT_EQ(Tvx_String(c.a).toLower() == Tvx_String(c.b).toLower(), c.equalIgnoringCase);
        int pos = 0;
        if (wcslen(c.a) == wcslen(c.b)) {
            EXPECT_EQ(Tvx_String(L"x").append(c.a).findFirstFrom(0, c.b, false, pos),
                      c.equalIgnoringCase);
        }
    }
}

TEST(Tvx_String, SearchIgnoringCaseFindsTheFirstWholeMatch) {
    struct Case {
        const wchar_t* text;
        const wchar_t* needle;
        int start;
        int expected;
    };
    const Case cases[] = {
        {L"aab_AAB", L"AAB", 0, 0},
        {L"aab_AAB", L"AAB", 1, 4},
        {L"aaB", L"ab", 0, 1},
        {L"abc", L"ABCD", 0, -1},
        {L"abcabd", L"ABD", 0, 3},
        {L"x\u00C9y", L"\u00E9Y", 0, 1},
        {L"tail", L"IL", 2, 2},
        {L"tail", L"IL", 3, -1},
        {L"ab", L"", 2, 2},
        // Candidates of either case that fail before the match, a first
        // character without case, a candidate too near the end.
        {L"cAcCallChild", L"CALLCHILD", 0, 3},
        {L"CxcallX", L"CALL", 0, 2},
        {L"a_b_C", L"_c", 0, 3},
        {L"xxC", L"ca", 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << Tvx_String(c.text).toUtf8() << " from " << c.start);
        int pos = 99;
        EXPECT_EQ(Tvx_String(c.text).findFirstFrom(c.start, c.needle, false, pos), c.expected >= 0);
        EXPECT_EQ(pos, c.expected);
    }
}

TEST(Tvx_String, ChangesCaseOfEveryCharacter) {
    const Tvx_String text(L"Ab1_\u00C9\u00E9\u03A3\u0436\u00FF");
    EXPECT_EQ(text.toUpper().str(), L"AB1_\u00C9\u00C9\u03A3\u0416\u0178");
    EXPECT_EQ(text.toLower().str(), L"ab1_\u00E9\u00E9\u03C3\u0436\u00FF");
    EXPECT_EQ(Tvx_String().toUpper().str(), L"");
}

TEST(Tvx_String, FindFirstFromReportsPosition) {
    const Tvx_String text(L"a+A+a");
    int pos = 99;
    EXPECT_TRUE(text.findFirstFrom(1, L"a", false, pos));
    EXPECT_EQ(pos, 2);
    EXPECT_TRUE(text.findFirstFrom(1, L"a", true, pos));
    EXPECT_EQ(pos, 4);
    EXPECT_FALSE(text.findFirstFrom(5, L"a", true, pos));
    EXPECT_EQ(pos, -1);
    EXPECT_TRUE(text.findFirstFrom(-4, L"a", true, pos));
    EXPECT_EQ(pos, 0);
    EXPECT_TRUE(text.findFirstFrom(2, L"", true, pos));
    EXPECT_EQ(pos, 2);
    EXPECT_FALSE(Tvx_String().findFirstFrom(0, L"x", false, pos));
}

}  // namespace

// Edge cases of the built-in functions beyond the differential corpus, and the
// function table's own rules (names in any case, argument counts).
#include <gtest/gtest.h>

#include "TestSheet.h"
#include "platform/core/Unicode.h"
#include "platform/grid/formula/functions/FunctionTable.h"

namespace {

using formula::Value;

struct Case {
    const wchar_t* formula;
    const wchar_t* expected;
};

class FunctionTest : public ::testing::Test {
  protected:
    FunctionTest() : engine(sheet) {
        // A1:A5 a small table of numbers and texts, B1:B5 texts for look-ups.
        sheet.put(L"A1", Value::number(1));
        sheet.put(L"A2", Value::number(2));
        sheet.put(L"A3", Value::text(L"x"));
        sheet.put(L"A5", Value::logical(true));
        sheet.put(L"B1", Value::text(L"alpha"));
        sheet.put(L"B2", Value::text(L"beta"));
        sheet.put(L"B3", Value::text(L"gamma*"));
    }

    void checkAll(std::initializer_list<Case> cases) {
        for (const auto& c : cases) {
            SCOPED_TRACE(unicode::toUtf8(c.formula));
            formula::ParseError error;
            ASSERT_TRUE(engine.setFormula(4, 10, c.formula, true, &error))
                << unicode::toUtf8(error.message);
            EXPECT_EQ(unicode::toUtf8(formula::describe(*engine.result(4, 10))),
                      unicode::toUtf8(formula::describe(formulatest::literal(c.expected))));
        }
    }

    formulatest::TestSheet sheet;
    formula::FormulaEngine engine;
};

TEST_F(FunctionTest, RoundingWorksOnTheDecimalFormOfTheNumber) {
    checkAll({
        {L"ROUND(2.675,2)", L"2.68"},
        {L"ROUND(-2.675,2)", L"-2.68"},
        {L"ROUND(1.005,2)", L"1.01"},
        {L"ROUND(0.5)", L"1"},
        {L"ROUND(-0.5)", L"-1"},
        {L"ROUND(1250,-2)", L"1300"},
        {L"ROUND(4,-1)", L"0"},
        {L"ROUND(5,-1)", L"10"},
        {L"ROUND(5,-2)", L"0"},
        {L"ROUND(1E300,2)", L"1E+300"},
        {L"ROUND(0.123,400)", L"0.123"},
        {L"ROUND(123,-400)", L"0"},
        {L"ROUNDUP(0.1+0.2,1)", L"0.3"},
        {L"ROUNDUP(5,-2)", L"100"},
        {L"ROUNDUP(-0.01,1)", L"-0.1"},
        {L"ROUNDUP(9.99,1)", L"10"},
        {L"ROUNDDOWN(-1.99,1)", L"-1.9"},
        {L"TRUNC(-0.999)", L"0"},
        {L"INT(2.9999999999999996)", L"3"},
        {L"INT(-0.5)", L"-1"},
        {L"CEILING(7,5)", L"10"},
        {L"CEILING(-7,5)", L"-5"},
        {L"CEILING(-7,-5)", L"-10"},
        {L"FLOOR(-7,5)", L"-10"},
        {L"FLOOR(7,-5)", L"#NUM!"},
        {L"CEILING(0.3,0.1)", L"0.3"},
    });
}

TEST_F(FunctionTest, MathFunctionsRejectArgumentsOutsideTheirDomain) {
    checkAll({
        {L"MOD(-10,3)", L"2"},
        {L"MOD(10,-3)", L"-2"},
        {L"MOD(1.1,0.1)", L"0"},
        {L"MOD(1E300,3)", L"#NUM!"},
        {L"MOD(1,0)", L"#DIV/0!"},
        {L"SQRT(-0.1)", L"#NUM!"},
        {L"LOG(8,2)", L"3"},
        {L"LOG(8,-2)", L"#NUM!"},
        {L"ASIN(1.0001)", L"#NUM!"},
        {L"FACT(170)>1E306", L"TRUE"},
        {L"FACT(3.99)", L"6"},
        {L"ATAN2(0,0)", L"0"},
        {L"SIGN(-0.0001)", L"-1"},
        {L"ABS(\"-3\")", L"3"},
        {L"EXP(1000)", L"#NUM!"},
    });
}

TEST_F(FunctionTest, AggregatesSkipTextsInRangesButNotDirectTexts) {
    checkAll({
        {L"SUM(A1:A5)", L"4"},
        {L"SUM(A1:A5,\"1\")", L"#VALUE!"},
        {L"COUNT(A1:A5)", L"3"},
        {L"COUNT(A1:A5,\"1\",\"a\")", L"4"},
        {L"COUNTA(A1:A5)", L"4"},
        {L"COUNTA(A4)", L"0"},
        {L"AVERAGE(A1:A5)", L"1.33333333333333"},
        {L"AVERAGE(A3:A4)", L"#DIV/0!"},
        {L"MIN(A3:A4)", L"0"},
        {L"MAX(A1:A5,-5)", L"2"},
        {L"PRODUCT(A1:A5,3)", L"6"},
        {L"SUM(A1,A2,TRUE)", L"4"},
        {L"SUM((A1:A2))", L"3"},
        {L"SUM(0.1,0.2,0.3)", L"0.6"},
        {L"AND(A1:A5)", L"TRUE"},
        {L"OR(A3:A4)", L"#VALUE!"},
        {L"AND(1,1/0)", L"#DIV/0!"},
    });
}

TEST_F(FunctionTest, ConditionalFunctionsEvaluateOnlyTheChosenArgument) {
    checkAll({
        {L"IF(1,2,1/0)", L"2"},
        {L"IF(0,1/0,3)", L"3"},
        {L"IF(0,1)", L"FALSE"},
        {L"IF(\"false\",1,2)", L"2"},
        {L"IF(A3,1,2)", L"#VALUE!"},
        {L"IFERROR(1/0,\"e\")", L"e"},
        {L"IFERROR(A4,1)", L"0"},
        {L"CHOOSE(2,1/0,7,1/0)", L"7"},
        {L"CHOOSE(1.9,5,6)", L"5"},
        {L"CHOOSE(-1,5,6)", L"#VALUE!"},
        {L"NOT(A4)", L"TRUE"},
        {L"ISBLANK(A4)", L"TRUE"},
        {L"ISBLANK(\"\")", L"FALSE"},
        {L"ISNUMBER(A5)", L"TRUE"},
        {L"ISNA(NA())", L"TRUE"},
        {L"ISERROR(B99)", L"FALSE"},
        {L"ISLOGICAL(1=1)", L"TRUE"},
    });
}

TEST_F(FunctionTest, TextFunctionsCountCharactersAndRefuseBadCounts) {
    checkAll({
        {L"LEN(\"\u00e9t\u00e9\")", L"3"},
        {L"LEFT(\"abc\",9)", L"abc"},
        {L"RIGHT(\"abc\",0)", L"\"\""},
        {L"MID(\"abc\",3,5)", L"c"},
        {L"MID(\"abc\",4,1)", L"\"\""},
        {L"UPPER(\"stra\u00dfe \u00e9\")", L"STRA\u00dfE \u00c9"},
        {L"LOWER(\"\u0391B\")", L"\u03b1b"},
        {L"TRIM(\"  a   b  \")", L"a b"},
        {L"REPT(\"ab\",2.9)", L"abab"},
        {L"REPT(\"ab\",20000)", L"#VALUE!"},
        {L"REPT(\"\",1E300)", L"\"\""},
        {L"SUBSTITUTE(\"aaa\",\"aa\",\"b\")", L"ba"},
        {L"SUBSTITUTE(\"a.a.a\",\".\",\"-\",2)", L"a.a-a"},
        {L"FIND(\"b\",\"abcb\",3)", L"4"},
        {L"FIND(\"B\",\"abc\")", L"#VALUE!"},
        {L"SEARCH(\"B\",\"abc\")", L"2"},
        {L"SEARCH(\"a?c\",\"xxabc\")", L"3"},
        {L"SEARCH(\"*\",\"abc\")", L"1"},
        {L"SEARCH(\"~?\",\"a?\")", L"2"},
        {L"SEARCH(\"c\",\"abc\",5)", L"#VALUE!"},
        {L"EXACT(\"a\",\"A\")", L"FALSE"},
        {L"CONCATENATE(1.5,\"-\",TRUE)", L"1.5-1"},
        {L"VALUE(\"-1.5e1\")", L"-15"},
        {L"VALUE(A4)", L"#VALUE!"},
    });
}

TEST_F(FunctionTest, TextFormatsNumbersWithFormatCodes) {
    checkAll({
        {L"TEXT(1234.567,\"#,##0.00\")", L"\"1,234.57\""},
        {L"TEXT(0.5,\"0%\")", L"\"50%\""},
        {L"TEXT(-1234.5,\"#,##0.0;(#,##0.0)\")", L"\"(1,234.5)\""},
        {L"TEXT(0,\"0;-0;\"\"nil\"\"\")", L"\"nil\""},
        {L"TEXT(12345.678,\"0.00E+00\")", L"\"1.23E+04\""},
        {L"TEXT(0.000123,\"0.0E-0\")", L"\"1.2E-4\""},
        {L"TEXT(99.999,\"0.00E+00\")", L"\"1.00E+02\""},
        {L"TEXT(5,\"000\")", L"\"005\""},
        {L"TEXT(5.25,\"#.#\")", L"\"5.3\""},
        {L"TEXT(0.25,\"#.##\")", L"\".25\""},
        {L"TEXT(1234567,\"0,\")", L"\"1235\""},
        {L"TEXT(3.5,\"0.0?\")", L"\"3.5 \""},
        {L"TEXT(7,\"\\$0\")", L"\"$7\""},
        {L"TEXT(\"ab\",\"0;0;0;[@]\")", L"\"[ab]\""},
        {L"TEXT(\"ab\",\"0.0\")", L"\"ab\""},
        {L"TEXT(-0.001,\"0.00\")", L"\"0.00\""},
        {L"TEXT(2.5,\"General\")", L"\"2.5\""},
        {L"TEXT(1/3,\"0.000000000\")", L"\"0.333333333\""},
    });
}

TEST_F(FunctionTest, LookupsMatchExactlyWithWildcardsOrInSortedOrder) {
    // C1:D4 a sorted table: 10 "ten", 20 "twenty", 30 "thirty", 40 "forty".
    const wchar_t* names[] = {L"ten", L"twenty", L"thirty", L"forty"};
    for (int i = 0; i < 4; ++i) {
        sheet.put(L"C" + std::to_wstring(i + 1), Value::number(10.0 * (i + 1)));
        sheet.put(L"D" + std::to_wstring(i + 1), Value::text(names[i]));
    }
    checkAll({
        {L"VLOOKUP(20,C1:D4,2,FALSE)", L"twenty"},
        {L"VLOOKUP(25,C1:D4,2)", L"twenty"},
        {L"VLOOKUP(5,C1:D4,2)", L"#N/A"},
        {L"VLOOKUP(99,C1:D4,2)", L"forty"},
        {L"VLOOKUP(\"30\",C1:D4,2,FALSE)", L"thirty"},
        {L"VLOOKUP(20,C1:D4,3,FALSE)", L"#REF!"},
        {L"HLOOKUP(\"beta\",B1:B3,1,FALSE)", L"#N/A"},
        {L"HLOOKUP(10,C1:D4,2,FALSE)", L"20"},
        {L"MATCH(\"GAMMA~*\",B1:B3,0)", L"3"},
        {L"MATCH(\"b*\",B1:B3,0)", L"2"},
        {L"MATCH(35,C1:C4)", L"3"},
        {L"MATCH(35,C1:C4,-1)", L"#N/A"},
        {L"MATCH(\"beta\",B1:B3,1)", L"2"},
        {L"INDEX(C1:D4,4,2)", L"forty"},
        {L"INDEX(C1:C4,2)", L"20"},
        {L"INDEX(C1:D1,2)", L"ten"},
        {L"INDEX(C1:D4,0,1)", L"#VALUE!"},
        {L"INDEX(C1:D4,5,1)", L"#REF!"},
        {L"VLOOKUP(1,5,1)", L"#VALUE!"},
        {L"VLOOKUP(1,ZZZ1:ZZZ2,1)", L"#REF!"},
    });
}

TEST(FunctionTable, FindsEveryFunctionInAnyLetterCase) {
    for (const wchar_t* name : {L"ROUND", L"round", L"RoundUp", L"log10", L"Atan2", L"vlookup",
                                L"IfError", L"concatenate", L"isblank", L"text"}) {
        SCOPED_TRACE(unicode::toUtf8(name));
        const auto id = formula::findFunction(name);
        ASSERT_TRUE(id.has_value());
        std::wstring upper(name);
        for (auto& c : upper)
            c = static_cast<wchar_t>(std::towupper(c));
        EXPECT_EQ(formula::functionAt(*id).name, upper);
    }
    EXPECT_FALSE(formula::findFunction(L"ROUNDTO").has_value());
    EXPECT_FALSE(formula::findFunction(L"").has_value());
}

}  // namespace

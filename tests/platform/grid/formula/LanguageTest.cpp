// The formula language through the engine: operators, precedence, coercions,
// references and error propagation, one table row per behaviour.
#include <gtest/gtest.h>

#include "TestSheet.h"
#include "platform/core/Unicode.h"

namespace {

using formula::Value;

struct Case {
    const wchar_t* formula;
    const wchar_t* expected;  // a literal as formulatest::literal reads it
};

// A sheet with a few typed inputs: A1 10, A2 -3.5, A3 "abc", A4 empty,
// A5 "12" (text), A6 TRUE, B1:B3 1, 2, 3 and C1:E1 4, 5, 6.
class LanguageTest : public ::testing::Test {
  protected:
    LanguageTest() : engine(sheet) {
        sheet.put(L"A1", Value::number(10));
        sheet.put(L"A2", Value::number(-3.5));
        sheet.put(L"A3", Value::text(L"abc"));
        sheet.put(L"A5", Value::text(L"12"));
        sheet.put(L"A6", Value::logical(true));
        sheet.put(L"B1", Value::number(1));
        sheet.put(L"B2", Value::number(2));
        sheet.put(L"B3", Value::number(3));
        sheet.put(L"C1", Value::number(4));
        sheet.put(L"D1", Value::number(5));
        sheet.put(L"E1", Value::number(6));
    }

    // Evaluates the formula in cell F2 (or the given cell) and checks the result.
    void check(const Case& c, int column = 6, int row = 2) {
        SCOPED_TRACE(unicode::toUtf8(c.formula));
        formula::ParseError error;
        ASSERT_TRUE(engine.setFormula(column, row, c.formula, true, &error))
            << unicode::toUtf8(error.message);
        EXPECT_EQ(unicode::toUtf8(formula::describe(*engine.result(column, row))),
                  unicode::toUtf8(formula::describe(formulatest::literal(c.expected))));
    }

    formulatest::TestSheet sheet;
    formula::FormulaEngine engine;
};

TEST_F(LanguageTest, OperatorsFollowSpreadsheetPrecedence) {
    const Case cases[] = {
        {L"1+2*3", L"7"},      {L"(1+2)*3", L"9"},    {L"2^3^2", L"64"},     {L"-2^2", L"4"},
        {L"2^-1", L"0.5"},     {L"10-2-3", L"5"},     {L"12/4/3", L"1"},     {L"2*3%", L"0.06"},
        {L"5%%", L"0.0005"},   {L"1+2&3", L"\"33\""}, {L"\"a\"&1+2", L"a3"}, {L"1<2<3", L"TRUE"},
        {L"3>2>1", L"FALSE"},  {L"--5", L"5"},        {L"+-5", L"-5"},       {L"-(1+2)", L"-3"},
        {L"1 + 2\t* 3", L"7"}, {L"2^0.5^2", L"2"},
    };
    for (const auto& c : cases)
        check(c);
}

TEST_F(LanguageTest, ComparisonsOrderNumbersBeforeTextsAndIgnoreCase) {
    const Case cases[] = {
        {L"\"a\"=\"A\"", L"TRUE"}, {L"\"a\"<\"B\"", L"TRUE"}, {L"\"10\"<\"9\"", L"TRUE"},
        {L"1<\"a\"", L"TRUE"},     {L"A4=0", L"TRUE"},        {L"A4=\"\"", L"TRUE"},
        {L"A4=FALSE", L"TRUE"},    {L"TRUE=1", L"TRUE"},      {L"1<>1", L"FALSE"},
        {L"2<=2", L"TRUE"},        {L"3>=4", L"FALSE"},       {L"\"abc\"<\"abcd\"", L"TRUE"},
    };
    for (const auto& c : cases)
        check(c);
}

TEST_F(LanguageTest, TextsAndEmptyCellsConvertOnlyWhenUnambiguous) {
    const Case cases[] = {
        {L"\"3\"+1", L"4"},
        {L"\" 4 \"+1", L"5"},
        {L"\"1e3\"+0", L"1000"},
        {L"\"TRUE\"+0", L"1"},
        {L"\"abc\"+1", L"#VALUE!"},
        {L"\"\"+1", L"#VALUE!"},
        {L"A4+1", L"1"},
        {L"A4&\"x\"", L"x"},
        {L"A5*A5", L"144"},
        {L"A3+1", L"#VALUE!"},
        {L"A6+1", L"2"},
        {L"\"x\"&TRUE", L"x1"},
        {L"\"x\"&1/4", L"x0.25"},
        {L"\"x\"&1/3", L"x0.333333333333333"},
        {L"-A5", L"-12"},
        {L"A4", L"0"},
        {L"+A3", L"abc"},
    };
    for (const auto& c : cases)
        check(c);
}

TEST_F(LanguageTest, ArithmeticCancelsBinaryNoiseAndReportsOverflow) {
    const Case cases[] = {
        {L"0.1+0.2-0.3", L"0"}, {L"1-0.9", L"0.1"},      {L"1/0", L"#DIV/0!"},
        {L"0/0", L"#DIV/0!"},   {L"10^400", L"#NUM!"},   {L"1E300*1E300", L"#NUM!"},
        {L"(-8)^(1/3)", L"-2"}, {L"(-8)^0.5", L"#NUM!"}, {L"0^0", L"1"},
        {L"0^-1", L"#NUM!"},    {L"1E400", L"#NUM!"},
    };
    for (const auto& c : cases)
        check(c);
}

TEST_F(LanguageTest, FirstErrorFromTheLeftPropagates) {
    const Case cases[] = {
        {L"1/0+NA()", L"#DIV/0!"},      {L"NA()+1/0", L"#N/A"},
        {L"\"a\"+1/0", L"#VALUE!"},     {L"#REF!+1", L"#REF!"},
        {L"#n/a&\"x\"", L"#N/A"},       {L"-#NUM!", L"#NUM!"},
        {L"#DIV/0!=1", L"#DIV/0!"},     {L"ROUND(1/0,\"x\")", L"#DIV/0!"},
        {L"unknown_name+1", L"#NAME?"}, {L"NOSUCHFUNCTION(1)", L"#NAME?"},
    };
    for (const auto& c : cases)
        check(c);
}

TEST_F(LanguageTest, ReferencesInBothStylesAndOutsideTheSheet) {
    const Case cases[] = {
        {L"$A$1+A$1+$A1+a1", L"40"}, {L"SUM(B1:B3)", L"6"},        {L"SUM(B3:B1)", L"6"},
        {L"SUM(b1:C1)", L"5"},       {L"AA1", L"#REF!"},           {L"ZZZ1", L"#REF!"},
        {L"A101", L"#REF!"},         {L"SUM(A99:A101)", L"#REF!"},
    };
    for (const auto& c : cases)
        check(c);
    engine.setReferenceStyle(formula::ReferenceStyle::R1C1);
    const Case r1c1[] = {
        {L"R1C1*2", L"20"},    {L"R[-1]C[-5]", L"10"}, {L"SUM(R1C2:R3C2)", L"6"},
        {L"r[-1]c[-3]", L"4"}, {L"R[-5]C", L"#REF!"},
    };
    for (const auto& c : r1c1)
        check(c);
}

TEST_F(LanguageTest, RangeWhereOneValueIsNeededTakesTheFormulasRowOrColumn) {
    // B1:B3 in row 2 is B2; C1:E1 in column D is D1; elsewhere #VALUE!.
    check({L"B1:B3*10", L"20"}, 6, 2);
    check({L"B1:B3*10", L"#VALUE!"}, 6, 5);
    check({L"C1:E1+0", L"5"}, 4, 3);
    check({L"C1:E1+0", L"#VALUE!"}, 8, 3);
    check({L"B1:C3", L"#VALUE!"}, 6, 2);
}

}  // namespace

namespace {

TEST(LanguageLimits, NestingPastTheLimitGivesDepthErrorAndKeepsTheText) {
    formulatest::TestSheet sheet;
    formula::FormulaEngine engine(sheet);
    const std::wstring deep = std::wstring(300, L'(') + L"1" + std::wstring(300, L')');
    ASSERT_TRUE(engine.setFormula(1, 1, deep, true));
    EXPECT_EQ(*engine.result(1, 1), Value::error(formula::ErrorKind::TooDeep));
    EXPECT_EQ(engine.formulaText(1, 1), deep);
    const std::wstring fine = std::wstring(200, L'(') + L"1" + std::wstring(200, L')');
    ASSERT_TRUE(engine.setFormula(1, 2, fine, true));
    EXPECT_EQ(*engine.result(1, 2), Value::number(1));
}

}  // namespace

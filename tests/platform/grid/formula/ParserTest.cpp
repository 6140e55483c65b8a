// Parsing and printing: refusals with their messages, limits, the canonical
// printed form and the round trip between the A1 and R1C1 styles.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/Unicode.h"
#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"

namespace {

using formula::ParseErrorCode;
using formula::ReferenceStyle;

struct Refusal {
    const wchar_t* text;
    ParseErrorCode code;
    const wchar_t* message;
};

TEST(FormulaParser, RefusesTextThatDoesNotParseWithAReason) {
    const Refusal refusals[] = {
        {L"", ParseErrorCode::EmptyFormula, L"position 1: the formula is empty"},
        {L"   ", ParseErrorCode::EmptyFormula, L"position 1: the formula is empty"},
        {L"=A1", ParseErrorCode::UnexpectedToken, L"position 1: unexpected '='"},
        {L"1+", ParseErrorCode::UnexpectedEnd,
         L"position 3: the formula ends where an operand is expected"},
        {L"(1+2", ParseErrorCode::MissingCloseParen,
         L"position 5: expected ')' to close '(' at position 1"},
        {L"1+2)", ParseErrorCode::UnexpectedToken, L"position 4: unexpected ')'"},
        {L"\"abc", ParseErrorCode::UnterminatedText,
         L"position 1: a text without its closing quote"},
        {L"1 ? 2", ParseErrorCode::InvalidCharacter,
         L"position 3: a character that starts no token '?'"},
        {L"A1:3", ParseErrorCode::ExpectedReference,
         L"position 4: expected a cell reference after ':' '3'"},
        {L"ROUND()", ParseErrorCode::WrongArgumentCount,
         L"position 1: wrong number of arguments for ROUND (1 to 2 expected, 0 given)"},
        {L"pi(1)", ParseErrorCode::WrongArgumentCount,
         L"position 1: wrong number of arguments for PI (0 expected, 1 given)"},
        {L"SUM(1,)", ParseErrorCode::UnexpectedToken, L"position 7: unexpected ')'"},
        {L"SUM(1", ParseErrorCode::MissingCloseParen,
         L"position 6: expected ')' after the arguments of SUM"},
        {L"1 2", ParseErrorCode::UnexpectedToken, L"position 3: unexpected '2'"},
        {L"$A", ParseErrorCode::InvalidCharacter,
         L"position 1: a character that starts no token '$'"},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(unicode::toUtf8(r.text));
        formula::ParseError error;
        EXPECT_FALSE(formula::parseFormula(r.text, 1, 1, ReferenceStyle::A1, &error).has_value());
        EXPECT_EQ(error.code, r.code);
        EXPECT_EQ(unicode::toUtf8(error.message), unicode::toUtf8(r.message));
    }
}

TEST(FormulaParser, RefusesTextLongerThanTheLimitAndTooManyArguments) {
    formula::ParseError error;
    const std::wstring longText(formula::kMaxFormulaLength + 1, L'1');
    EXPECT_FALSE(formula::parseFormula(longText, 1, 1, ReferenceStyle::A1, &error));
    EXPECT_EQ(error.code, ParseErrorCode::TooLong);
    std::wstring manyArguments = L"SUM(1";
    for (int i = 0; i < 255; ++i)
        manyArguments += L",1";
    manyArguments += L")";
    EXPECT_FALSE(formula::parseFormula(manyArguments, 1, 1, ReferenceStyle::A1, &error));
    EXPECT_EQ(error.code, ParseErrorCode::TooManyArguments);
    EXPECT_TRUE(formula::parseFormula(std::wstring(formula::kMaxFormulaLength, L'1'), 1, 1,
                                      ReferenceStyle::A1));
}

TEST(FormulaParser, NestingPastTheLimitIsAcceptedAndKeepsItsText) {
    const int depth = formula::kMaxNestingDepth + 1;
    const std::wstring deep = std::wstring(depth, L'(') + L"1" + std::wstring(depth, L')');
    const auto parsed = formula::parseFormula(deep, 1, 1, ReferenceStyle::A1);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_TRUE(parsed->isTooDeep());
    EXPECT_EQ(formula::printFormula(*parsed, 1, 1, ReferenceStyle::R1C1), deep);
    // A long chain of operators is as deep as it is long.
    std::wstring chain = L"1";
    for (int i = 0; i < depth; ++i)
        chain += L"+1";
    EXPECT_TRUE(formula::parseFormula(chain, 1, 1, ReferenceStyle::A1)->isTooDeep());
    const std::wstring shallow = std::wstring(100, L'(') + L"1" + std::wstring(100, L')');
    EXPECT_FALSE(formula::parseFormula(shallow, 1, 1, ReferenceStyle::A1)->isTooDeep());
    // Signs are not nesting of the stack, but each one is a level of the tree.
    EXPECT_TRUE(formula::parseFormula(std::wstring(5000, L'-') + L"1", 1, 1, ReferenceStyle::A1)
                    ->isTooDeep());
}

struct Printed {
    const wchar_t* text;
    const wchar_t* a1;
    const wchar_t* r1c1;  // for the cell C4
};

TEST(FormulaPrinter, PrintsTheCanonicalFormInBothStyles) {
    const Printed cases[] = {
        {L"b3 + 1", L"B3+1", L"R[-1]C[-1]+1"},
        {L"$B$3*b$3/$b3", L"$B$3*B$3/$B3", L"R3C2*R3C[-1]/R[-1]C2"},
        {L"sum( A1 : c4 ; 2 )", L"SUM(A1:C4,2)", L"SUM(R[-3]C[-2]:RC,2)"},
        {L"SUM(B5:A1)", L"SUM(A1:B5)", L"SUM(R[-3]C[-2]:R[1]C[-1])"},
        {L".5+1E3+1e-7", L"0.5+1000+1E-07", L"0.5+1000+1E-07"},
        {L"\"say \"\"hi\"\"\"&true", L"\"say \"\"hi\"\"\"&TRUE", L"\"say \"\"hi\"\"\"&TRUE"},
        {L"-(-2)^2%", L"-(-2)^2%", L"-(-2)^2%"},
        {L"#n/a+#Div/0!", L"#N/A+#DIV/0!", L"#N/A+#DIV/0!"},
        {L"myFunc(1,a1)", L"MYFUNC(1,A1)", L"MYFUNC(1,R[-3]C[-2])"},
        {L"some_name*2", L"some_name*2", L"some_name*2"},
        {L"1<>2", L"1<>2", L"1<>2"},
        {L"C4", L"C4", L"RC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(unicode::toUtf8(c.text));
        const auto parsed = formula::parseFormula(c.text, 3, 4, ReferenceStyle::A1);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(unicode::toUtf8(formula::printFormula(*parsed, 3, 4, ReferenceStyle::A1)),
                  unicode::toUtf8(c.a1));
        EXPECT_EQ(unicode::toUtf8(formula::printFormula(*parsed, 3, 4, ReferenceStyle::R1C1)),
                  unicode::toUtf8(c.r1c1));
    }
}

TEST(FormulaPrinter, StylesRoundTripFromA1ToR1C1AndBack) {
    const wchar_t* formulas[] = {
        L"A1+$B$2*C$3-$D4", L"SUM(A1:B10)/COUNT($A$1:$A$10)",  L"IF(E5>0,ROUND(E5,2),\"-\")",
        L"ZZZ99999999+A1",  L"VLOOKUP(A1,$H$1:$K$20,3,FALSE)", L"-B7%^2&\"x\"",
    };
    for (const wchar_t* text : formulas) {
        SCOPED_TRACE(unicode::toUtf8(text));
        const auto a1 = formula::parseFormula(text, 5, 7, ReferenceStyle::A1);
        ASSERT_TRUE(a1.has_value());
        const std::wstring r1c1 = formula::printFormula(*a1, 5, 7, ReferenceStyle::R1C1);
        const auto back = formula::parseFormula(r1c1, 5, 7, ReferenceStyle::R1C1);
        ASSERT_TRUE(back.has_value()) << unicode::toUtf8(r1c1);
        EXPECT_EQ(formula::printFormula(*back, 5, 7, ReferenceStyle::A1), text);
        EXPECT_EQ(back->references(), a1->references());
    }
}

TEST(FormulaPrinter, R1C1TextMovedToAnotherCellKeepsItsRelativeMeaning) {
    const auto original = formula::parseFormula(L"A1+$A$1", 2, 2, ReferenceStyle::A1);
    const std::wstring r1c1 = formula::printFormula(*original, 2, 2, ReferenceStyle::R1C1);
    EXPECT_EQ(r1c1, L"R[-1]C[-1]+R1C1");
    const auto moved = formula::parseFormula(r1c1, 5, 10, ReferenceStyle::R1C1);
    EXPECT_EQ(formula::printFormula(*moved, 5, 10, ReferenceStyle::A1), L"D9+$A$1");
    // Moved so far up that the relative reference leaves the sheet.
    const auto outside = formula::parseFormula(L"R[-5]C+1", 1, 2, ReferenceStyle::R1C1);
    EXPECT_EQ(formula::printFormula(*outside, 1, 2, ReferenceStyle::A1), L"#REF!+1");
    EXPECT_EQ(formula::printFormula(*outside, 1, 2, ReferenceStyle::R1C1), L"R[-5]C+1");
}

TEST(FormulaParser, NamesFollowedByParenthesesAreFunctionsNotCells) {
    // LOG10( is the function, LOG10 alone the cell in column LOG.
    const auto call = formula::parseFormula(L"LOG10(100)+LOG10", 1, 1, ReferenceStyle::A1);
    ASSERT_TRUE(call.has_value());
    ASSERT_EQ(call->references().size(), 1u);
    EXPECT_EQ(call->references()[0].firstColumn, formula::columnFromLetters(L"LOG"));
    EXPECT_EQ(call->references()[0].firstRow, 10);
    // In the R1C1 style an A1 name is no reference, and R1C1 is no name.
    const auto r1c1 = formula::parseFormula(L"R2C3+A1", 1, 1, ReferenceStyle::R1C1);
    ASSERT_TRUE(r1c1.has_value());
    EXPECT_EQ(r1c1->references().size(), 1u);
    EXPECT_EQ(formula::printFormula(*r1c1, 1, 1, ReferenceStyle::A1), L"$C$2+A1");
}

}  // namespace

// The cache of parsed formulas gives what parsing and printing give, for the
// cell and style asked, and refuses what parsing refuses, every time.
#include "platform/grid/formula/parser/FormulaCache.h"

#include <gtest/gtest.h>

#include "platform/core/Unicode.h"
#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"

namespace {

using formula::FormulaCache;
using formula::ReferenceStyle;

struct Parse {
    const wchar_t* text;
    int column;
    int row;
    ReferenceStyle style;
};

// What parseFormula gives, printed in both styles for the cell ("" when refused).
std::wstring direct(const Parse& p, ReferenceStyle printStyle) {
    const auto parsed = formula::parseFormula(p.text, p.column, p.row, p.style);
    return parsed ? formula::printFormula(*parsed, p.column, p.row, printStyle) : L"";
}

std::wstring cached(FormulaCache& cache, const Parse& p, ReferenceStyle printStyle) {
    const auto parsed = cache.parse(p.text, p.column, p.row, p.style);
    const auto printed = cache.printed(p.text, p.column, p.row, p.style, printStyle);
    EXPECT_EQ(parsed != nullptr, printed != nullptr);
    const FormulaCache::Kept both =
        cache.parseAndPrint(p.text, p.column, p.row, p.style, printStyle);
    EXPECT_EQ(both.formula, parsed) << "one look-up gives the same kept formula";
    EXPECT_EQ(both.printed, printed);
    if (!parsed)
        return L"";
    EXPECT_EQ(formula::printFormula(*parsed, p.column, p.row, printStyle), *printed);
    return *printed;
}

TEST(FormulaCache, GivesWhatParsingGivesForEachCellAndStyle) {
    // The same texts for different cells and styles: relative references
    // resolve against the cell, so none may be served for another.
    const Parse parses[] = {
        {L"A1*2", 1, 1, ReferenceStyle::A1},
        {L"A1*2", 3, 7, ReferenceStyle::A1},
        {L"R[1]C*2", 3, 7, ReferenceStyle::R1C1},
        {L"R[1]C*2", 4, 7, ReferenceStyle::R1C1},
        {L"ROUNDTO(B9+12, 5)", 1, 13, ReferenceStyle::A1},
        {L"MYFUNC(\"a\";1)", 2, 2, ReferenceStyle::A1},
        {L"1+", 1, 1, ReferenceStyle::A1},
        {L"SUM($A$1:B2)", 5, 5, ReferenceStyle::A1},
    };
    FormulaCache cache;
    for (int round = 0; round < 2; ++round) {
        for (const Parse& p : parses) {
            SCOPED_TRACE(unicode::toUtf8(p.text) + " round " + std::to_string(round));
            for (ReferenceStyle printStyle : {ReferenceStyle::A1, ReferenceStyle::R1C1})
                EXPECT_EQ(cached(cache, p, printStyle), direct(p, printStyle));
        }
    }
}

TEST(FormulaCache, RefusesWithTheParsersErrorEveryTime) {
    FormulaCache cache;
    for (int round = 0; round < 2; ++round) {
        formula::ParseError error;
        EXPECT_FALSE(cache.parse(L"(1+2", 1, 1, ReferenceStyle::A1, &error));
        EXPECT_EQ(error.code, formula::ParseErrorCode::MissingCloseParen);
    }
}

TEST(FormulaCache, AFullCacheStartsAfresh) {
    FormulaCache cache;
    for (std::size_t i = 0; i <= FormulaCache::kMaxFormulas; ++i) {
        const std::wstring text = L"A1+" + std::to_wstring(i);
        ASSERT_TRUE(cache.parse(text, 1, 1, ReferenceStyle::A1));
    }
    EXPECT_EQ(*cache.printed(L"A1+0", 2, 2, ReferenceStyle::A1, ReferenceStyle::A1), L"A1+0");
}

TEST(FormulaCache, KeptFormulasAreSharedAndOutliveClearing) {
    FormulaCache cache;
    const auto first = cache.parse(L"SUM(A1:B2)*2", 3, 3, ReferenceStyle::A1);
    ASSERT_TRUE(first);
    EXPECT_EQ(cache.parse(L"SUM(A1:B2)*2", 3, 3, ReferenceStyle::A1), first)
        << "the same text for the same cell shares one parsed formula";
    EXPECT_NE(cache.parse(L"SUM(A1:B2)*2", 4, 3, ReferenceStyle::A1), first)
        << "another cell is another formula";
    cache.clear();
    EXPECT_EQ(formula::printFormula(*first, 3, 3, ReferenceStyle::R1C1),
              L"SUM(R[-2]C[-2]:R[-1]C[-1])*2");
}

}  // namespace

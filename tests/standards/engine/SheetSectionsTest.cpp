// The rows of the four sections of a standards sheet.
#include "standards/engine/SheetSections.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMissing = -1;

struct SectionsCase {
    const char* what;
    int input, output, local, calc;  // header rows
    int lastRow;
    // Expected first and last row of Input, Output, Local; 0, 0 when missing.
    int inputFirst, inputLast, outputFirst, outputLast, localFirst, localLast;
};

TEST(SheetSections, EachSectionRunsToTheNextHeaderBelowIt) {
    const SectionsCase cases[] = {
        {"headers every four rows", 1, 5, 9, 13, 20, 2, 5, 6, 9, 10, 13},
        {"the worked example", 1, 4, 7, 10, 13, 2, 4, 5, 7, 8, 10},
        {"Local lowest runs to the last row", 1, 3, 12, 6, 30, 2, 3, 4, 6, 13, 30},
        {"headers in any order", 10, 1, 20, 5, 25, 11, 20, 2, 5, 21, 25},
        {"no Local header", 1, 5, kMissing, 8, 10, 2, 5, 6, 8, 0, 0},
        {"no Calc header", 1, 5, 9, kMissing, 12, 2, 5, 6, 9, 10, 12},
        {"header on the last row", 1, 5, 9, 13, 9, 2, 5, 6, 9, 10, 9},
        {"sheet shorter than the next header", 1, 40, 50, 60, 30, 2, 30, 41, 30, 51, 30},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SheetSections sections;
        sections.setHeaderRow(SheetSection::Input, c.input);
        sections.setHeaderRow(SheetSection::Output, c.output);
        sections.setHeaderRow(SheetSection::Local, c.local);
        sections.setHeaderRow(SheetSection::Calc, c.calc);
        const auto check = [&](SheetSection section, int first, int last) {
            int firstRow = 0;
            int lastRow = 0;
            const bool found = sections.sectionRows(section, c.lastRow, firstRow, lastRow);
            EXPECT_EQ(found, first != 0);
            if (found) {
                EXPECT_EQ(firstRow, first);
                EXPECT_EQ(lastRow, last);
            }
        };
        check(SheetSection::Input, c.inputFirst, c.inputLast);
        check(SheetSection::Output, c.outputFirst, c.outputLast);
        check(SheetSection::Local, c.localFirst, c.localLast);
    }
}

TEST(SheetSections, HeaderTextsAndMissingHeaders) {
    EXPECT_EQ(sectionHeaderText(SheetSection::Input), L"Input");
    EXPECT_EQ(sectionHeaderText(SheetSection::Output), L"Output");
    EXPECT_EQ(sectionHeaderText(SheetSection::Local), L"Local");
    EXPECT_EQ(sectionHeaderText(SheetSection::Calc), L"Calc");
    SheetSections sections;
    EXPECT_FALSE(sections.hasHeader(SheetSection::Calc));
    sections.setHeaderRow(SheetSection::Calc, 0);
    EXPECT_EQ(sections.headerRow(SheetSection::Calc), -1);
    sections.setHeaderRow(SheetSection::Calc, 7);
    EXPECT_EQ(sections.headerRow(SheetSection::Calc), 7);
}

}  // namespace

TEST(SheetSections, OnlyTheExactHeaderTextNamesASection) {
    const struct {
        const wchar_t* text;
        std::optional<SheetSection> section;
    } cases[] = {
        {L"Input", SheetSection::Input},
        {L"Output", SheetSection::Output},
        {L"Local", SheetSection::Local},
        {L"Calc", SheetSection::Calc},
        {L"input", std::nullopt},
        {L"Calc ", std::nullopt},
        {L" Local", std::nullopt},
        {L"Inputs", std::nullopt},
        {L"", std::nullopt},
        {L"Double Input", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text " << c.text);
        EXPECT_EQ(sectionOfHeader(c.text), c.section);
    }
}

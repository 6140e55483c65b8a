// The text rules of cell types: what each type shows and what text it accepts.
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "platform/grid/CellText.h"

namespace grid {
namespace {

CellType numberType(int decimals, bool separator = false, double min = -kNumberRangeLimit,
                    double max = kNumberRangeLimit) {
    return *makeNumberType(decimals, min, max, separator);
}

struct WriteCase {
    const char* name;
    CellType type;
    const wchar_t* written;
    TextReading reading;
    std::optional<std::wstring> valueText;  // nothing: refused
    std::wstring displayText;
    int code;
};

TEST(CellTextTest, WritingTextFollowsTheCellType) {
    const CellType general;
    const CellType check = *makeCheckBoxType(0, L"", L"", L"");
    const CellType upper = *makeTextType(kStyleUpperCase, 5);
    const CellType password = *makeTextType(kStylePassword, 100);
    const CellType combo = *makeComboBoxType(0, L"Red\tGreen");
    const CellType editableCombo = *makeComboBoxType(kStyleEditable, L"Red\tGreen");
    const WriteCase cases[] = {
        {"general keeps typed digits as text", general, L"12.50", TextReading::AsTyped, L"12.50",
         L"12.50", 0},
        {"general reads a number value", general, L"12.50", TextReading::AsValue, L"12.5", L"12.5",
         16},
        {"general keeps padded number as text", general, L" 12", TextReading::AsValue, L" 12",
         L" 12", 0},
        {"general keeps an apostrophe", general, L"'007", TextReading::AsValue, L"'007", L"'007",
         0},
        {"general reads an exponent", general, L"1.5e3", TextReading::AsValue, L"1500", L"1500",
         16},
        {"empty text empties a number cell", numberType(2), L"", TextReading::AsTyped, L"", L"",
         14},
        {"number cell rounds to decimals", numberType(2), L"2.675", TextReading::AsTyped, L"2.68",
         L"2.68", 14},
        {"number cell accepts blanks", numberType(1), L"  -3.25 ", TextReading::AsTyped, L"-3.3",
         L"-3.3", 14},
        {"whole-number cell cuts the fraction", numberType(0), L"2.5", TextReading::AsValue, L"2",
         L"2", 10},
        {"number cell keeps a whole number", numberType(2), L"99999999999999", TextReading::AsValue,
         L"99999999999999.00", L"99999999999999.00", 14},
        {"number cell drops the sign of a negative zero", numberType(3), L"-0",
         TextReading::AsValue, L"0.000", L"0.000", 14},
        {"number cell rounds a fraction beyond its decimals", numberType(3), L"-1.00049",
         TextReading::AsValue, L"-1.000", L"-1.000", 14},
        {"whole-number cell cuts negative towards zero", numberType(0), L"-2.9",
         TextReading::AsValue, L"-2", L"-2", 10},
        {"number cell refuses a word", numberType(2), L"abc", TextReading::AsValue, std::nullopt,
         L"", 14},
        {"number cell refuses out of range", numberType(0, false, 0, 10), L"11",
         TextReading::AsValue, std::nullopt, L"", 10},
        {"separator groups the display", numberType(2, true), L"1234567.5", TextReading::AsTyped,
         L"1234567.50", L"1,234,567.50", 15},
        {"separator accepts commas", numberType(2, true), L"1,234.5", TextReading::AsTyped,
         L"1234.50", L"1,234.50", 15},
        {"separator on negative", numberType(0, true), L"-1234", TextReading::AsTyped, L"-1234",
         L"-1,234", 10},
        {"check box takes 1", check, L"1", TextReading::AsTyped, L"1", L"1", 12},
        {"check box takes 0", check, L"0", TextReading::AsValue, L"0", L"0", 12},
        {"check box empty reads 0", check, L"", TextReading::AsValue, L"0", L"0", 12},
        {"check box refuses yes", check, L"yes", TextReading::AsValue, std::nullopt, L"0", 12},
        {"text cell upper-cases", upper, L"abc", TextReading::AsTyped, L"ABC", L"ABC", 1},
        {"text cell refuses too long", upper, L"abcdef", TextReading::AsTyped, std::nullopt, L"",
         1},
        {"password shows stars", password, L"secret", TextReading::AsTyped, L"secret", L"******",
         1},
        {"combo takes an item", combo, L"Green", TextReading::AsTyped, L"Green", L"Green", 2},
        {"combo refuses another text", combo, L"Blue", TextReading::AsTyped, std::nullopt, L"", 2},
        {"editable combo takes any text", editableCombo, L"Blue", TextReading::AsTyped, L"Blue",
         L"Blue", 2},
        {"static text keeps digits as text", *makeStaticTextType(0), L"42", TextReading::AsValue,
         L"42", L"42", 8},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<CellValue> value = readCellText(c.type, c.written, c.reading);
        ASSERT_EQ(value.has_value(), c.valueText.has_value());
        const CellValue stored = value.value_or(CellValue{});
        if (c.valueText) {
            EXPECT_EQ(valueText(c.type, stored), *c.valueText);
        }
        EXPECT_EQ(displayText(c.type, stored), c.displayText);
        EXPECT_EQ(cellTypeCode(c.type, stored), c.code);
    }
}

TEST(CellTextTest, NumbersWrittenIntoCellsFollowTheCellType) {
    const CellType check = *makeCheckBoxType(0, L"", L"", L"");
    EXPECT_EQ(valueText(numberType(7), *readCellNumber(numberType(7), 0.1)), L"0.1000000");
    EXPECT_EQ(valueText(check, *readCellNumber(check, 5)), L"1");
    EXPECT_EQ(valueText(check, *readCellNumber(check, 0)), L"0");
    EXPECT_EQ(valueText(CellType{}, *readCellNumber(CellType{}, 1.0 / 3)), L"0.333333333333333");
    EXPECT_FALSE(readCellNumber(CellType{}, std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(readCellNumber(numberType(0, false, 0, 10), 11).has_value());
    const std::optional<CellValue> inText = readCellNumber(*makeTextType(0, 3), 1234);
    EXPECT_FALSE(inText.has_value()) << "four characters exceed a text cell of three";
}

TEST(CellTextTest, FormulaResultsShowByKind) {
    EXPECT_EQ(valueText(CellType{}, CellValue::logical(true)), L"TRUE");
    EXPECT_EQ(valueText(CellType{}, CellValue::error(L"#DIV/0!")), L"#DIV/0!");
    EXPECT_EQ(valueText(numberType(2), CellValue::error(L"#REF!")), L"#REF!");
    EXPECT_EQ(valueText(numberType(2), CellValue::number(-0.001)), L"0.00");
}

TEST(CellTextTest, NumberLiteralsFollowTheImportPattern) {
    struct Case {
        const wchar_t* text;
        bool isNumber;
    };
    const Case cases[] = {{L"12", true},     {L"-1.5", true},  {L"+.5", true},   {L"1.", true},
                          {L"1e5", true},    {L"1E-05", true}, {L".", false},    {L"1e", false},
                          {L" 1", false},    {L"1 ", false},   {L"0x10", false}, {L"", false},
                          {L"1,000", false}, {L"inf", false},  {L"nan", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        EXPECT_EQ(isNumberLiteral(c.text), c.isNumber);
    }
}

TEST(CellTextTest, BuildersRefuseParametersOutOfRange) {
    EXPECT_FALSE(makeTextType(kStyleUpperCase | kStyleLowerCase, 10));
    EXPECT_FALSE(makeTextType(0, 0));
    EXPECT_FALSE(makeTextType(0x8, 10)) << "undefined style bit";
    EXPECT_TRUE(makeTextType(0x110000, 200)) << "word wrap with ellipsis";
    EXPECT_FALSE(makeNumberType(16, 0, 1, false));
    EXPECT_FALSE(makeNumberType(2, 5, 1, false));
    EXPECT_FALSE(makeNumberType(2, -1e15, 1, false));
    EXPECT_FALSE(makeButtonType(1, L"..."));
    EXPECT_FALSE(makePictureType(0, L""));
    EXPECT_FALSE(makePictureType(kStyleKeepAspect, L"a.bmp"));
    EXPECT_FALSE(makeComboBoxType(2, L"a"));
}

TEST(CellTextTest, OnlyTypesTheirBuildersMakeAreValid) {
    struct Case {
        const char* name;
        CellType type;
        bool valid;
    };
    auto with = [](CellType type, auto change) {
        change(type);
        return type;
    };
    const CellType number = numberType(7);
    const CellType text = *makeTextType(kStyleUpperCase, 10);
    const CellType check = *makeCheckBoxType(kStyleCaptionLeft, L"On", L"#1", L"#2");
    const CellType combo = *makeComboBoxType(kStyleEditable, L"a\tb");
    const CellType button = *makeButtonType(0, L"Go");
    const CellType picture = *makePictureType(kStyleStretch, L"a.bmp");
    const Case cases[] = {
        {"general", CellType{}, true},
        {"general with a style", with(CellType{}, [](CellType& t) { t.style = 1; }), false},
        {"general with decimals", with(CellType{}, [](CellType& t) { t.decimals = 2; }), false},
        {"general with a text", with(CellType{}, [](CellType& t) { t.text = L"x"; }), false},
        {"text", text, true},
        {"text with decimals", with(text, [](CellType& t) { t.decimals = 3; }), false},
        {"text with both cases",
         with(text, [](CellType& t) { t.style = kStyleUpperCase | kStyleLowerCase; }), false},
        {"text of no length", with(text, [](CellType& t) { t.maxLength = 0; }), false},
        {"text with a caption", with(text, [](CellType& t) { t.text = L"x"; }), false},
        {"number", number, true},
        {"number with a style", with(number, [](CellType& t) { t.style = 1; }), false},
        {"number with a length", with(number, [](CellType& t) { t.maxLength = 5; }), false},
        {"number with too many decimals", with(number, [](CellType& t) { t.decimals = 16; }),
         false},
        {"number with the range reversed", with(number, [](CellType& t) { t.minimum = 1e14; }),
         false},
        {"number with a not-a-number bound",
         with(number, [](CellType& t) { t.maximum = std::numeric_limits<double>::quiet_NaN(); }),
         false},
        {"static text", *makeStaticTextType(kStyleWordWrap), true},
        {"static text with the password style",
         with(*makeStaticTextType(0), [](CellType& t) { t.style = kStylePassword; }), false},
        {"check box with pictures", check, true},
        {"check box with a separator",
         with(check, [](CellType& t) { t.thousandsSeparator = true; }), false},
        {"combo box", combo, true},
        {"combo box with a picture", with(combo, [](CellType& t) { t.pictureOn = L"#3"; }), false},
        {"button", button, true},
        {"button with a style", with(button, [](CellType& t) { t.style = 1; }), false},
        {"picture", picture, true},
        {"picture without its picture", with(picture, [](CellType& t) { t.text.clear(); }), false},
        {"picture keeping its aspect unstretched",
         with(picture, [](CellType& t) { t.style = kStyleKeepAspect; }), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isValidCellType(c.type), c.valid);
    }
}

}  // namespace
}  // namespace grid

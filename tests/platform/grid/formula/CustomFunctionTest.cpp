// Custom functions: registration, the value records of every argument kind,
// the flag for cell references, and how results and failures reach the cell.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestSheet.h"
#include "platform/core/Unicode.h"

namespace {

using formula::Value;
using formula::ValueRecord;

class CustomFunctionTest : public ::testing::Test {
  protected:
    CustomFunctionTest() : engine(sheet) {
        sheet.put(L"A1", Value::number(12));
        sheet.put(L"A2", Value::number(2.5));
        sheet.put(L"A3", Value::text(L"abc"));
        sheet.put(L"A5", Value::logical(true));
    }

    // Registers NAME that records its arguments and answers with `answer`.
    void addRecorder(const wchar_t* name, int minArguments, int maxArguments, unsigned flags,
                     ValueRecord answer, bool filled = true) {
        ASSERT_TRUE(engine.addCustomFunction(
            name, minArguments, maxArguments,
            [this, answer, filled](ValueRecord& result, std::span<const ValueRecord> arguments) {
                received.assign(arguments.begin(), arguments.end());
                ++calls;
                result = answer;
                return filled;
            },
            flags));
    }
    Value evaluate(const std::wstring& text) {
        formula::ParseError error;
        EXPECT_TRUE(engine.setFormula(3, 1, text, true, &error)) << unicode::toUtf8(error.message);
        return *engine.result(3, 1);
    }
    static ValueRecord number(double value) {
        ValueRecord record;
        record.status = formula::kValuePresent;
        record.type = formula::kDouble;
        record.number = value;
        return record;
    }

    formulatest::TestSheet sheet;
    formula::FormulaEngine engine;
    std::vector<ValueRecord> received;
    int calls = 0;
};

TEST_F(CustomFunctionTest, ArgumentsArriveAsValueRecordsOfTheirKind) {
    addRecorder(L"Probe", 0, 10, 0, number(1));
    EXPECT_EQ(evaluate(L"probe(7, 2.5, \"t\", A4, A1, 1/0, B1:B3, TRUE, A3, -3E9)"),
              Value::number(1));
    ASSERT_EQ(received.size(), 10u);
    struct Expected {
        std::uint8_t status;
        std::uint8_t type;
    };
    const Expected expected[] = {
        {formula::kValuePresent, formula::kWholeNumber},
        {formula::kValuePresent, formula::kDouble},
        {formula::kValuePresent, formula::kText},
        {formula::kValueMissing, formula::kWholeNumber},
        {formula::kValuePresent, formula::kWholeNumber},
        {formula::kValueFailed, formula::kWholeNumber},
        {formula::kValuePresent, formula::kRange},
        {formula::kValuePresent, formula::kWholeNumber},
        {formula::kValuePresent, formula::kText},
        {formula::kValuePresent, formula::kDouble},
    };
    for (std::size_t i = 0; i < received.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(received[i].status, expected[i].status);
        EXPECT_EQ(received[i].type, expected[i].type);
    }
    EXPECT_EQ(received[0].wholeNumber, 7);
    EXPECT_EQ(received[1].number, 2.5);
    EXPECT_EQ(received[2].text, L"t");
    EXPECT_EQ(received[4].wholeNumber, 12);
    EXPECT_EQ(received[6].column, 2);
    EXPECT_EQ(received[6].row, 1);
    EXPECT_EQ(received[6].lastColumn, 2);
    EXPECT_EQ(received[6].lastRow, 3);
    EXPECT_EQ(received[7].wholeNumber, 1);
    EXPECT_EQ(received[8].text, L"abc");
    EXPECT_EQ(received[9].number, -3E9);
}

TEST_F(CustomFunctionTest, BareReferenceArrivesAsTheSameValueAsAnExpression) {
    addRecorder(L"ROUNDTO", 2, 2, 0, number(0));
    evaluate(L"ROUNDTO(A2,5)");
    const ValueRecord bare = received[0];
    evaluate(L"ROUNDTO(A2+0,5)");
    EXPECT_EQ(bare.status, received[0].status);
    EXPECT_EQ(bare.type, received[0].type);
    EXPECT_EQ(bare.number, received[0].number);
    // Except that an empty cell stays empty where A4+0 is 0.
    evaluate(L"ROUNDTO(A4,5)");
    EXPECT_EQ(received[0].status, formula::kValueMissing);
    evaluate(L"ROUNDTO(A4+0,5)");
    EXPECT_EQ(received[0].status, formula::kValuePresent);
    EXPECT_EQ(received[0].wholeNumber, 0);
}

TEST_F(CustomFunctionTest, FlagPassesBareReferencesAsCells) {
    addRecorder(L"LOOKAT", 1, 3, formula::kPassReferencesAsCells, number(0));
    evaluate(L"LOOKAT(A3,(B7),A1+1)");
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].type, formula::kCellReference);
    EXPECT_EQ(received[0].column, 1);
    EXPECT_EQ(received[0].row, 3);
    EXPECT_EQ(received[1].type, formula::kCellReference);
    EXPECT_EQ(received[1].row, 7);
    EXPECT_EQ(received[2].type, formula::kWholeNumber);
    EXPECT_EQ(received[2].wholeNumber, 13);
    evaluate(L"LOOKAT(ZZZ1)");
    EXPECT_EQ(received[0].status, formula::kValueFailed);
}

TEST_F(CustomFunctionTest, ResultRecordsBecomeCellValues) {
    ValueRecord whole;
    whole.status = formula::kValuePresent;
    whole.type = formula::kWholeNumber;
    whole.wholeNumber = -4;
    ValueRecord text;
    text.status = formula::kValuePresent;
    text.type = formula::kText;
    text.text = L"result";
    ValueRecord cell;
    cell.status = formula::kValuePresent;
    cell.type = formula::kCellReference;
    cell.column = 1;
    cell.row = 3;
    ValueRecord outside = cell;
    outside.column = 999;
    ValueRecord range = cell;
    range.type = formula::kRange;
    ValueRecord failed;
    failed.status = formula::kValueFailed;
    ValueRecord missing;
    struct Case {
        const wchar_t* name;
        ValueRecord answer;
        bool filled;
        Value expected;
    };
    const Case cases[] = {
        {L"F_WHOLE", whole, true, Value::number(-4)},
        {L"F_DOUBLE", number(0.125), true, Value::number(0.125)},
        {L"F_TEXT", text, true, Value::text(L"result")},
        {L"F_CELL", cell, true, Value::text(L"abc")},
        {L"F_OUTSIDE", outside, true, Value::error(formula::ErrorKind::Reference)},
        {L"F_RANGE", range, true, Value::error(formula::ErrorKind::Value)},
        {L"F_FAILED", failed, true, Value::error(formula::ErrorKind::Value)},
        {L"F_MISSING", missing, true, Value::text(L"")},
        {L"F_REFUSED", number(1), false, Value::error(formula::ErrorKind::Value)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(unicode::toUtf8(c.name));
        addRecorder(c.name, 0, 0, 0, c.answer, c.filled);
        EXPECT_EQ(evaluate(std::wstring(c.name) + L"()"), c.expected);
    }
}

TEST_F(CustomFunctionTest, WrongArgumentCountGivesAnErrorWithoutCalling) {
    addRecorder(L"TWO", 2, 2, 0, number(1));
    EXPECT_EQ(evaluate(L"TWO(1)"), Value::error(formula::ErrorKind::Value));
    EXPECT_EQ(evaluate(L"TWO(1,2,3)"), Value::error(formula::ErrorKind::Value));
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(evaluate(L"TWO(1,2)+1"), Value::number(2));
    EXPECT_EQ(calls, 1);
}

TEST_F(CustomFunctionTest, UnknownNameResolvesOnceTheFunctionIsAdded) {
    EXPECT_EQ(evaluate(L"LATER(1)*2"), Value::error(formula::ErrorKind::Name));
    addRecorder(L"later", 1, 1, 0, number(21));
    EXPECT_EQ(*engine.result(3, 1), Value::number(42));
    // Adding it again replaces it.
    addRecorder(L"LATER", 1, 1, 0, number(5));
    EXPECT_EQ(*engine.result(3, 1), Value::number(10));
}

TEST_F(CustomFunctionTest, RegistrationRefusesBadNamesAndCounts) {
    auto callback = [](ValueRecord&, std::span<const ValueRecord>) { return true; };
    EXPECT_FALSE(engine.addCustomFunction(L"", 0, 1, callback, 0));
    EXPECT_FALSE(engine.addCustomFunction(L"1ABC", 0, 1, callback, 0));
    EXPECT_FALSE(engine.addCustomFunction(L"A B", 0, 1, callback, 0));
    EXPECT_FALSE(engine.addCustomFunction(L"round", 0, 1, callback, 0));
    EXPECT_FALSE(engine.addCustomFunction(L"F", 2, 1, callback, 0));
    EXPECT_FALSE(engine.addCustomFunction(L"F", -1, 1, callback, 0));
    EXPECT_FALSE(engine.addCustomFunction(L"F", 0, 256, callback, 0));
    EXPECT_FALSE(engine.addCustomFunction(L"F", 0, 1, nullptr, 0));
    EXPECT_TRUE(engine.addCustomFunction(L"_f.2", 0, 255, callback, 0));
}

TEST_F(CustomFunctionTest, ArgumentChangesRecomputeTheCall) {
    addRecorder(L"ECHO", 1, 1, 0, number(3));
    evaluate(L"ECHO(A1)");
    EXPECT_EQ(calls, 1);
    sheet.put(L"A1", Value::number(13));
    engine.cellChanged(1, 1);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(received[0].wholeNumber, 13);
}

TEST_F(CustomFunctionTest, NestedCallsAcrossSheetsStopAtTheNestingLimit) {
    // A function whose callback evaluates the same kind of call on a fresh sheet,
    // as a look-up in another sheet file would; it never ends by itself.
    int depth = 0;
    std::function<bool(ValueRecord&, std::span<const ValueRecord>)> nest;
    nest = [&](ValueRecord& result, std::span<const ValueRecord>) {
        ++depth;
        formulatest::TestSheet inner;
        formula::FormulaEngine innerEngine(inner);
        innerEngine.addCustomFunction(L"NEST", 0, 0, nest, 0);
        innerEngine.setFormula(1, 1, L"NEST()", true);
        const Value value = *innerEngine.result(1, 1);
        result.status = formula::kValuePresent;
        result.type = formula::kText;
        result.text =
            value.isError() ? std::wstring(formula::errorText(value.asError())) : value.asText();
        return true;
    };
    ASSERT_TRUE(engine.addCustomFunction(L"NEST", 0, 0, nest, 0));
    EXPECT_EQ(evaluate(L"NEST()"), Value::text(L"#DEPTH!"));
    EXPECT_EQ(depth, formula::kMaxCustomCallNesting);
}

}  // namespace

namespace {

// The way a standards sheet computes its equations: each equation becomes the
// formula of its cell, and its result is written into the target variable's
// cell, which later equations read through bare references.
TEST(CustomFunctionInEquations, RoundToReceivesTheVariableCellsValue) {
    formulatest::TestSheet sheet;
    formula::FormulaEngine engine(sheet);
    ASSERT_TRUE(engine.addCustomFunction(
        L"ROUNDTO", 2, 2,
        [](ValueRecord& result, std::span<const ValueRecord> arguments) {
            auto number = [](const ValueRecord& r) {
                return r.type == formula::kWholeNumber ? double(r.wholeNumber) : r.number;
            };
            if (arguments[0].status != formula::kValuePresent ||
                arguments[1].status != formula::kValuePresent) {
                return false;
            }
            const double step = number(arguments[1]);
            result.status = formula::kValuePresent;
            result.type = formula::kDouble;
            result.number = std::round(number(arguments[0]) / step) * step;
            return true;
        },
        0));
    sheet.put(L"A2", Value::number(10));  // Thickness from the macro
    // Tmp = Thickness*2 becomes A2*2 in the Calc cell A12; its result goes to A9.
    ASSERT_TRUE(engine.setFormula(1, 12, L"A2*2", true));
    sheet.put(L"A9", *engine.result(1, 12));
    engine.cellChanged(1, 9);
    // Width = ROUNDTO(Tmp+gen_Gap,5) with gen_Gap 12 becomes ROUNDTO(A9+12,5) in A13.
    ASSERT_TRUE(engine.setFormula(1, 13, L"ROUNDTO(A9+12,5)", true));
    EXPECT_EQ(*engine.result(1, 13), Value::number(30));
    // A Local variable used before its equation is empty: the function fails.
    ASSERT_TRUE(engine.setFormula(1, 14, L"ROUNDTO(A10,5)", true));
    EXPECT_EQ(*engine.result(1, 14), Value::error(formula::ErrorKind::Value));
}

}  // namespace

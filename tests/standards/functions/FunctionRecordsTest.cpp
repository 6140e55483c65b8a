// The standards functions as the grid calls them: value records in and out,
// and the functions registered with a sheet and used in its formulas.
#include "standards/functions/FunctionRecords.h"

#include <gtest/gtest.h>

#include "platform/core/GlobalMemory.h"
#include "standards/engine/SheetWindow.h"
#include "standards/functions/RegisterStandardsFunctions.h"

namespace {

SS_VALUE textRecord(const wchar_t* text, GlobalHandle& handle) {
    SS_VALUE record;
    record.Status = SS_VALUE_PRESENT;
    record.Type = SS_TYPE_STRING;
    handle = kNullGlobalHandle;
    setGlobalStr(handle, text);
    record.Text = handle;
    return record;
}

TEST(FunctionRecords, ArgumentsAreReadByStatusAndType) {
    SS_VALUE whole;
    whole.Status = SS_VALUE_PRESENT;
    whole.Type = SS_TYPE_LONG;
    whole.Long = 12;
    EXPECT_EQ(readFunctionArgument(whole).kind, FunctionArgument::Kind::Number);
    EXPECT_EQ(readFunctionArgument(whole).number, 12.0);
    SS_VALUE empty;
    EXPECT_TRUE(readFunctionArgument(empty).isEmpty());
    SS_VALUE failed;
    failed.Status = SS_VALUE_FAILED;
    EXPECT_EQ(readFunctionArgument(failed).kind, FunctionArgument::Kind::Other);
    SS_VALUE reference;
    reference.Status = SS_VALUE_PRESENT;
    reference.Type = SS_TYPE_CELL;
    EXPECT_EQ(readFunctionArgument(reference).kind, FunctionArgument::Kind::Other);

    struct Case {
        const wchar_t* text;
        const wchar_t* read;
    };
    const Case quoted[] = {{L"plain", L"plain"},         {L"\"quoted\"", L"quoted"},
                           {L"\"\"two\"\"", L"\"two\""}, {L"\"", L""},
                           {L"half\"", L"half"},         {L"", L""}};
    for (const auto& c : quoted) {
        SCOPED_TRACE(Tvx_String(c.text).toUtf8());
        GlobalHandle handle;
        const FunctionArgument argument = readFunctionArgument(textRecord(c.text, handle));
        EXPECT_TRUE(argument.isText());
        EXPECT_EQ(argument.text, Tvx_String(c.read));
        freeGlobalHandle(handle);
    }
    SS_VALUE lost = textRecord(L"x", whole.Text);
    freeGlobalHandle(lost.Text);
    EXPECT_EQ(readFunctionArgument(lost).kind, FunctionArgument::Kind::Other);
}

TEST(FunctionRecords, ResultsAreWrittenAsNumbersTextsOrNothing) {
    FunctionResult number;
    number.setNumber(2.5);
    SS_VALUE record;
    ASSERT_TRUE(writeFunctionResult(number, record));
    EXPECT_EQ(record.Status, SS_VALUE_PRESENT);
    EXPECT_EQ(record.Type, SS_TYPE_DOUBLE);
    EXPECT_EQ(record.Double, 2.5);

    FunctionResult text;
    text.setText(L"HEA-200");
    ASSERT_TRUE(writeFunctionResult(text, record));
    EXPECT_EQ(record.Status, SS_VALUE_PRESENT);
    EXPECT_EQ(record.Type, SS_TYPE_STRING);
    Tvx_String written;
    EXPECT_TRUE(getGlobalStr(record.Text, written));
    EXPECT_EQ(written, Tvx_String(L"HEA-200"));
    freeGlobalHandle(record.Text);

    FunctionResult emptyText;
    emptyText.setText(Tvx_String());
    ASSERT_TRUE(writeFunctionResult(emptyText, record));
    EXPECT_EQ(record.Status, SS_VALUE_EMPTY);

    // No memory for the text: the function fails and leaves no value.
    failNthGlobalAlloc(1);
    EXPECT_FALSE(writeFunctionResult(text, record));
    EXPECT_EQ(record.Status, SS_VALUE_EMPTY);
    EXPECT_EQ(record.Type, SS_TYPE_LONG);
}

TEST(FunctionRecords, TooFewArgumentsLeaveTheResultEmpty) {
    SS_VALUE result;
    result.Status = SS_VALUE_PRESENT;
    result.Type = SS_TYPE_DOUBLE;
    EXPECT_FALSE(runStandardsFunction(*findStandardsFunction(L"ROUNDTO"), &result, nullptr, 0));
    EXPECT_EQ(result.Status, SS_VALUE_EMPTY);
    EXPECT_EQ(result.Type, SS_TYPE_LONG);
}

TEST(FunctionRecords, RegisteredFunctionsWorkInTheSheetsFormulas) {
    standardstest::SheetWindow window(2, 12);
    Tvx_Spread& sheet = window.sheet();
    ASSERT_TRUE(registerStandardsFunctions(sheet));
    sheet.setCellValueText(1, 1, L"12");
    struct Case {
        const wchar_t* formula;
        const wchar_t* value;  // the value text, or null for an error
    };
    const Case cases[] = {
        {L"ROUNDTO(A1,5)", L"10"},
        {L"GETARRAYITEM(\"A;B;C\", 2)", L"B"},
        {L"GETARRAYITEM(\"\"\"A;B\"\"\", 1)", L"A"},
        {L"GETARRAYITEM(\"A;B\", 7)", L""},
        {L"ISNULL(B12)", L"1"},
        {L"ISNULL(A1)", L"0"},
        {L"TONUMBER(A1)", nullptr},
        {L"TONUMBER(\"4.5 mm\")", L"4.5"},
        {L"isPositive(-A1)", L"0"},
        {L"ROUNDTO(1)", nullptr},
    };
    int row = 2;
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.formula).toUtf8());
        ASSERT_TRUE(sheet.SetFormula(2, row, c.formula, TRUE));
        if (c.value)
            EXPECT_EQ(window.value(2, row), Tvx_String(c.value));
        else
            EXPECT_TRUE(sheet.IsCellError(2, row));
        ++row;
    }
}

}  // namespace

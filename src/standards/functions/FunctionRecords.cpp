// Reading and writing the grid's value records for the standards functions.
#include "standards/functions/FunctionRecords.h"

#include <utility>

namespace {

void removeSurroundingQuotes(Tvx_String& text) {
    if (!text.isEmpty() && text[0] == L'"')
        text.removeAt(0, 1);
    if (!text.isEmpty() && text[text.length() - 1] == L'"')
        text.removeAt(text.length() - 1, 1);
}

void clearResult(SS_VALUE& record) {
    record = SS_VALUE();
    record.Status = SS_VALUE_EMPTY;
    record.Type = SS_TYPE_LONG;
}

}  // namespace

FunctionArgument readFunctionArgument(const SS_VALUE& record) {
    if (record.Status == SS_VALUE_EMPTY)
        return FunctionArgument::empty();
    if (record.Status != SS_VALUE_PRESENT)
        return FunctionArgument::other();
    switch (record.Type) {
        case SS_TYPE_LONG:
            return FunctionArgument::ofNumber(static_cast<double>(record.Long));
        case SS_TYPE_DOUBLE:
            return FunctionArgument::ofNumber(record.Double);
        case SS_TYPE_STRING: {
            Tvx_String text;
            if (!getGlobalStr(record.Text, text))
                return FunctionArgument::other();
            removeSurroundingQuotes(text);
            return FunctionArgument::ofText(std::move(text));
        }
        default:
            return FunctionArgument::other();
    }
}

bool writeFunctionResult(const FunctionResult& result, SS_VALUE& record) {
    clearResult(record);
    switch (result.kind) {
        case FunctionResult::Kind::Number:
            record.Status = SS_VALUE_PRESENT;
            record.Type = SS_TYPE_DOUBLE;
            record.Double = result.number;
            return true;
        case FunctionResult::Kind::Text: {
            record.Type = SS_TYPE_STRING;
            if (result.text.isEmpty())
                return true;
            GlobalHandle handle = kNullGlobalHandle;
            if (!setGlobalStr(handle, result.text.str())) {
                clearResult(record);
                return false;
            }
            record.Status = SS_VALUE_PRESENT;
            record.Text = handle;
            return true;
        }
        case FunctionResult::Kind::None:
            break;
    }
    return true;
}

BOOL runStandardsFunction(const StandardsFunction& function, SS_VALUE* result,
                          const SS_VALUE* arguments, int count) {
    if (!result)
        return 0;
    clearResult(*result);
    FunctionArguments read;
    if (arguments && count > 0) {
        read.setLogicalLength(count);
        for (int i = 0; i < count; ++i)
            read[i] = readFunctionArgument(arguments[i]);
    }
    FunctionResult computed;
    if (!callStandardsFunction(function, read, computed))
        return 0;
    return writeFunctionResult(computed, *result) ? 1 : 0;
}

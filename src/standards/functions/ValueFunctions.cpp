// ROUNDTO and the small tests and conversions: GETARRAYITEM, TONUMBER, ISNULL
// and ISPOSITIVE.
#include <cmath>

#include "platform/core/ArrayText.h"
#include "platform/core/NumberText.h"
#include "platform/core/Rounding.h"
#include "standards/functions/FunctionBodies.h"

namespace {

double leadingNumber(const Tvx_String& text) {
    return numtext::parseLeadingDouble(text.str());
}

}  // namespace

bool roundToFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!arguments[0].isNumber() || !arguments[1].isNumber())
        return false;
    result.setNumber(ObjectExportRoundTo(arguments[0].number, arguments[1].number));
    return true;
}

bool getArrayItemFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!arguments[0].isText() || !arguments[1].isNumber())
        return false;
    const Tvx_StringArray items = strToArr(arguments[0].text, L';');
    const double position = std::trunc(arguments[1].number) - 1;
    if (position >= 0 && position < items.length())
        result.setText(items[static_cast<int>(position)]);
    else
        result.setText(Tvx_String());
    return true;
}

bool toNumberFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!arguments[0].isText())
        return false;
    result.setNumber(leadingNumber(arguments[0].text));
    return true;
}

bool isNullFunction(const FunctionArguments& arguments, FunctionResult& result) {
    const FunctionArgument& value = arguments[0];
    if (value.isEmpty())
        result.setNumber(1);
    else if (value.isNumber())
        result.setNumber(value.number == 0 ? 1 : 0);
    else if (value.isText())
        result.setNumber(value.text.isEmpty() ? 1 : 0);
    else
        return false;
    return true;
}

bool isPositiveFunction(const FunctionArguments& arguments, FunctionResult& result) {
    const FunctionArgument& value = arguments[0];
    if (value.isEmpty())
        result.setNumber(0);
    else if (value.isNumber())
        result.setNumber(value.number > 0 ? 1 : 0);
    else if (value.isText())
        result.setNumber(!value.text.isEmpty() && leadingNumber(value.text) > 0 ? 1 : 0);
    else
        return false;
    return true;
}

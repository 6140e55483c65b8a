// GETCELL and GETPROFCELL over tab-separated files, and SECTIONSIZE and
// GETSYSNAME over the section library.
#include <cmath>
#include <optional>
#include <utility>

#include "platform/core/NumberText.h"
#include "standards/functions/DataFileSearch.h"
#include "standards/functions/FunctionBodies.h"
#include "standards/functions/LookupTable.h"
#include "standards/functions/SectionAnswers.h"

namespace {

bool lookUp(const FunctionArguments& arguments, bool bySectionName, FunctionResult& result) {
    Tvx_String path;
    Tvx_String value;
    if (!arguments[0].isText() || !findDataFile(arguments[0].text, path) ||
        !lookUpCell(path, buildLookupKey(arguments, 1), bySectionName, value))
        return false;
    result.setText(value);
    return true;
}

}  // namespace

bool getCellFunction(const FunctionArguments& arguments, FunctionResult& result) {
    return lookUp(arguments, false, result);
}

bool getProfCellFunction(const FunctionArguments& arguments, FunctionResult& result) {
    return lookUp(arguments, true, result);
}

bool sectionSizeFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!arguments[0].isText() || !arguments[1].isNumber())
        return false;
    // Columns beyond any table fail like any unknown column.
    const double column = std::trunc(arguments[1].number) - 1;
    if (!(column >= 0 && column < 1e6))
        return false;
    const std::optional<Tvx_String> text =
        sectionAnswers().sectionValue(arguments[0].text, static_cast<int>(column));
    if (!text)
        return false;
    result.setNumber(numtext::parseLeadingDouble(text->str()));
    return true;
}

bool getSysNameFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!arguments[0].isText())
        return false;
    std::optional<Tvx_String> systemName = sectionAnswers().systemName(arguments[0].text);
    result.setText(systemName ? std::move(*systemName) : arguments[0].text);
    return true;
}

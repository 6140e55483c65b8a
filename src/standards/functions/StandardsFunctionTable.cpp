// The table of the standards sheet's own spreadsheet functions.
#include "standards/functions/StandardsFunctionTable.h"

#include <array>
#include <utility>

#include "standards/functions/FunctionBodies.h"

namespace {

constexpr std::array kFunctions = {
    StandardsFunction{L"ROUNDTO", 2, 2, &roundToFunction},
    StandardsFunction{L"GETCELL", 2, 7, &getCellFunction},
    StandardsFunction{L"GETPROFCELL", 2, 7, &getProfCellFunction},
    StandardsFunction{L"SECTIONSIZE", 2, 2, &sectionSizeFunction},
    StandardsFunction{L"GETSYSNAME", 1, 1, &getSysNameFunction},
    StandardsFunction{L"STDWIDTHWITHTOLERANCE", 6, 6, &stdWidthWithToleranceFunction},
    StandardsFunction{L"STDTHICKNESSWITHTOLERANCE", 5, 5, &stdThicknessWithToleranceFunction},
    StandardsFunction{L"STDSIZEWITHTOLERANCE", 5, 5, &stdSizeWithToleranceFunction},
    StandardsFunction{L"GETARRAYITEM", 2, 2, &getArrayItemFunction},
    StandardsFunction{L"TONUMBER", 1, 1, &toNumberFunction},
    StandardsFunction{L"ISNULL", 1, 1, &isNullFunction},
    StandardsFunction{L"ISPOSITIVE", 1, 1, &isPositiveFunction},
};

}  // namespace

std::span<const StandardsFunction> standardsFunctions() {
    return kFunctions;
}

const StandardsFunction* findStandardsFunction(const Tvx_String& name) {
    for (const StandardsFunction& function : kFunctions) {
        if (name == Tvx_String(function.name))
            return &function;
    }
    return nullptr;
}

bool callStandardsFunction(const StandardsFunction& function, const FunctionArguments& arguments,
                           FunctionResult& result) {
    result = FunctionResult();
    if (arguments.length() < function.minArguments || arguments.length() > function.maxArguments)
        return false;
    FunctionResult computed;
    if (!function.body(arguments, computed))
        return false;
    result = std::move(computed);
    return true;
}

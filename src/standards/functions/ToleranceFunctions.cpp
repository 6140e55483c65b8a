// STDWIDTHWITHTOLERANCE, STDTHICKNESSWITHTOLERANCE and STDSIZEWITHTOLERANCE.
#include <memory>

#include "platform/core/Tvx_String.h"
#include "standards/engine/StandardsWarnings.h"
#include "standards/functions/DataFileSearch.h"
#include "standards/functions/FunctionBodies.h"
#include "standards/functions/StandardSizes.h"

namespace {

// The numbers of a standard-size call after its file argument.
struct ToleranceRequest {
    double step = 0;
    double thickness = 0;
    double target = 0;
    double down = 0;
    double up = 0;
};

void warnOfInvalidTolerances(double down, double up) {
    showStandardsWarning(
        Tvx_String(L"Invalid tolerances provided.\n DownTolerance is :") + Tvx_String(down, 2) +
        Tvx_String(L"UpTolerance is :") + Tvx_String(up, 2) +
        Tvx_String(L"\nAdding both tolerances should result in a positive value."));
}

// The standard value for a request: a file that cannot be found or read
// offers no candidates, and the target is then rounded to the step.
bool chooseStandardValue(StandardSizeKind kind, const FunctionArgument& file,
                         const ToleranceRequest& request, FunctionResult& result) {
    if (!file.isText())
        return false;
    if (request.down + request.up <= 0)
        warnOfInvalidTolerances(request.down, request.up);
    std::shared_ptr<const StandardSizes> sizes;
    Tvx_String path;
    if (findDataFile(file.text, path))
        sizes = readStandardSizes(path);
    const Tvx_DoubleArray candidates =
        sizes ? standardSizeCandidates(kind, *sizes, request.thickness) : Tvx_DoubleArray();
    result.setNumber(standardValueWithTolerance(candidates, request.step, request.target,
                                                request.down, request.up));
    return true;
}

bool allNumbersFrom(const FunctionArguments& arguments, int first) {
    for (int i = first; i < arguments.length(); ++i) {
        if (!arguments[i].isNumber())
            return false;
    }
    return true;
}

}  // namespace

bool stdWidthWithToleranceFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!allNumbersFrom(arguments, 1))
        return false;
    ToleranceRequest request{arguments[1].number, arguments[2].number, arguments[3].number,
                             arguments[4].number, arguments[5].number};
    return chooseStandardValue(StandardSizeKind::Width, arguments[0], request, result);
}

bool stdThicknessWithToleranceFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!allNumbersFrom(arguments, 1))
        return false;
    ToleranceRequest request{arguments[1].number, 0, arguments[2].number, arguments[3].number,
                             arguments[4].number};
    return chooseStandardValue(StandardSizeKind::Thickness, arguments[0], request, result);
}

bool stdSizeWithToleranceFunction(const FunctionArguments& arguments, FunctionResult& result) {
    if (!allNumbersFrom(arguments, 1))
        return false;
    ToleranceRequest request{arguments[1].number, 0, arguments[2].number, arguments[3].number,
                             arguments[4].number};
    return chooseStandardValue(StandardSizeKind::Size, arguments[0], request, result);
}

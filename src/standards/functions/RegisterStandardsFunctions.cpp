// Registering the standards functions: one grid callback per table entry.
#include "standards/functions/RegisterStandardsFunctions.h"

#include <array>
#include <utility>

#include "spread/TSpread.h"
#include "standards/functions/FunctionRecords.h"

namespace {

constexpr std::size_t kFunctionCount = 12;

// The grid's callbacks carry no context, so each table entry gets its own.
template <std::size_t Index>
BOOL standardsFunctionCallback(SS_VALUE* result, const SS_VALUE* arguments, int count) {
    return runStandardsFunction(standardsFunctions()[Index], result, arguments, count);
}

template <std::size_t... Indices>
constexpr std::array<SS_CUSTFUNC, sizeof...(Indices)> makeCallbacks(
    std::index_sequence<Indices...>) {
    return {&standardsFunctionCallback<Indices>...};
}

constexpr auto kCallbacks = makeCallbacks(std::make_index_sequence<kFunctionCount>());

}  // namespace

bool registerStandardsFunctions(TSpread& sheet) {
    const auto functions = standardsFunctions();
    bool allAdded = functions.size() == kFunctionCount;
    for (std::size_t i = 0; i < functions.size() && i < kFunctionCount; ++i) {
        const StandardsFunction& function = functions[i];
        if (!sheet.AddCustomFunctionExt(function.name, function.minArguments, function.maxArguments,
                                        kCallbacks[i], 0))
            allAdded = false;
    }
    return allAdded;
}

// The registry of a sheet's custom functions.
#include "platform/grid/formula/CustomFunction.h"

#include "platform/core/Tvx_String.h"
#include "platform/grid/formula/functions/FunctionTable.h"
#include "platform/grid/formula/lexer/Lexer.h"

namespace formula {

bool CustomFunctionRegistry::add(std::wstring_view name, int minArguments, int maxArguments,
                                 CustomFunctionCallback callback, unsigned flags) {
    if (name.empty() || !isNameStart(name[0]) || !callback)
        return false;
    for (wchar_t c : name) {
        if (!isNameCharacter(c))
            return false;
    }
    if (minArguments < 0 || maxArguments < minArguments || maxArguments > kMaxArguments)
        return false;
    std::wstring upper(name);
    for (wchar_t& c : upper)
        c = upperCase(c);
    if (findFunction(upper))
        return false;
    CustomFunction function{upper, minArguments, maxArguments, std::move(callback), flags};
    ++version_;
    for (auto& existing : functions_) {
        if (existing.name == upper) {
            existing = std::move(function);
            return true;
        }
    }
    functions_.push_back(std::move(function));
    return true;
}

const CustomFunction* CustomFunctionRegistry::find(std::wstring_view upperName) const {
    for (const auto& function : functions_) {
        if (function.name == upperName)
            return &function;
    }
    return nullptr;
}

}  // namespace formula

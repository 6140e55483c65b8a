// The registry of a sheet's custom functions.
#include "platform/grid/formula/CustomFunction.h"

#include "platform/core/Tvx_String.h"
#include "platform/grid/formula/functions/FunctionTable.h"
#include "platform/grid/formula/lexer/Lexer.h"

namespace formula {

bool CustomFunction::isNamed(std::wstring_view other) const {
    if (other.size() != name.size())
        return false;
    for (std::size_t i = 0; i < other.size(); ++i) {
        if (upperCase(other[i]) != name[i])
            return false;
    }
    return true;
}

bool CustomFunctionRegistry::add(std::wstring_view name, int minArguments, int maxArguments,
                                 CustomFunctionCallback callback, unsigned flags,
                                 std::uintptr_t source) {
    if (name.empty() || !isNameStart(name[0]) || !callback)
        return false;
    for (wchar_t c : name) {
        if (!isNameCharacter(c))
            return false;
    }
    if (minArguments < 0 || maxArguments < minArguments || maxArguments > kMaxArguments)
        return false;
    if (findFunction(name))
        return false;
    for (auto& existing : functions_) {
        if (!existing.isNamed(name))
            continue;
        if (existing.isAddedAs(minArguments, maxArguments, flags, source))
            return true;
        existing.minArguments = minArguments;
        existing.maxArguments = maxArguments;
        existing.callback = std::move(callback);
        existing.flags = flags;
        existing.source = source;
        ++version_;
        return true;
    }
    std::wstring upper(name);
    for (wchar_t& c : upper)
        c = upperCase(c);
    functions_.push_back(
        {std::move(upper), minArguments, maxArguments, std::move(callback), flags, source});
    ++version_;
    return true;
}

const CustomFunction* CustomFunctionRegistry::find(std::wstring_view upperName) const {
    for (const auto& function : functions_) {
        if (function.name == upperName)
            return &function;
    }
    return nullptr;
}

const CustomFunction* CustomFunctionRegistry::findNamed(std::wstring_view name) const {
    for (const auto& function : functions_) {
        if (function.isNamed(name))
            return &function;
    }
    return nullptr;
}

}  // namespace formula

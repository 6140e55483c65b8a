// Reading variable declarations from cell texts.
#include "standards/engine/VarDeclaration.h"

#include <algorithm>
#include <string_view>

bool parseVarDeclaration(const Tvx_String& text, Tvx_String& name, VtValueType& valueType) {
    std::wstring_view declaration = text.str();
    declaration.remove_prefix(std::min(declaration.find_first_not_of(L' '), declaration.size()));
    const VtValueType type = valueTypeOfPrefix(declaration);
    if (type == eValueUndefined)
        return false;
    const size_t blank = declaration.find(L' ');
    name =
        blank == std::wstring_view::npos ? Tvx_String() : Tvx_String(declaration.substr(blank + 1));
    valueType = type;
    return true;
}

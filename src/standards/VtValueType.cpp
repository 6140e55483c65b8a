// Reading value types from text.
#include "standards/VtValueType.h"

#include <algorithm>

VtValueType valueTypeOfPrefix(std::wstring_view text) {
    if (text.starts_with(L"Int"))
        return eValueInt;
    if (text.starts_with(L"Double"))
        return eValueDouble;
    if (text.starts_with(L"String"))
        return eValueString;
    return eValueUndefined;
}

VtValueType valueTypeFromText(const Tvx_String& text) {
    // Blanks at the end cannot change which word a text begins with, so only
    // those at the start are skipped.
    std::wstring_view stripped = text.str();
    stripped.remove_prefix(std::min(stripped.find_first_not_of(L' '), stripped.size()));
    return valueTypeOfPrefix(stripped);
}

bool isNumericValueType(int valueType) {
    return valueType == eValueInt || valueType == eValueDouble;
}

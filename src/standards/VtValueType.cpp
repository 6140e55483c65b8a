// Reading value types from text.
#include "standards/VtValueType.h"

#include "platform/core/TextHelpers.h"

VtValueType valueTypeFromText(const Tvx_String& text) {
    const Tvx_String stripped = stripSymbols(text, Tvx_String(L" "));
    if (stripped.startsWith(Tvx_String(L"Int")))
        return eValueInt;
    if (stripped.startsWith(Tvx_String(L"Double")))
        return eValueDouble;
    if (stripped.startsWith(Tvx_String(L"String")))
        return eValueString;
    return eValueUndefined;
}

bool isNumericValueType(int valueType) {
    return valueType == eValueInt || valueType == eValueDouble;
}

// The type of a value moved between a spreadsheet and a macro: Int, Double,
// String or undefined.
#pragma once

#include <string_view>

#include "platform/core/Tvx_String.h"

enum VtValueType : int {
    eValueInt = 0,
    eValueDouble = 1,
    eValueString = 2,
    eValueUndefined = 3,
};

// The type a text names by its prefix once blanks at both ends are removed:
// "Int...", "Double...", "String..." (exact letter case); eValueUndefined for
// anything else.
VtValueType valueTypeFromText(const Tvx_String& text);
// The type a text names by its prefix as it stands, blanks not removed
// ("Double X" is Double, " Double X" undefined).
VtValueType valueTypeOfPrefix(std::wstring_view text);

// True for Int and Double.
bool isNumericValueType(int valueType);

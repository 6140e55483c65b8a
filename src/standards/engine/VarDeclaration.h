// The declaration of a variable in a cell of a standards sheet: a type word, a
// blank and the name, as in "Double Width".
#pragma once

#include "platform/core/Tvx_String.h"
#include "standards/VtValueType.h"

// Reads a cell's value text as a declaration:
// - blanks (spaces) before the type word are ignored;
// - the type is found by prefix, exact letter case: text beginning "Int" is
//   Int, "Double" Double, "String" String, so "Integer X" declares an Int X;
// - the name is everything after the first blank, unchanged (inner and
//   trailing blanks included); with no blank the name is empty and the
//   declaration still counts.
// False, with name and valueType untouched, when the text names no type
// ("Input", "", "Width").
bool parseVarDeclaration(const Tvx_String& text, Tvx_String& name, VtValueType& valueType);

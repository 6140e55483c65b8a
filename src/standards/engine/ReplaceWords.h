// Whole-word replacement of names by values in a text: how general variables
// become their values and variable names become cell references in equations.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

// Replaces, for each index i below the smaller of the two counts and in that
// order, every whole-word occurrence of names[i] in text by values[i]. Names
// are found without regard to letter case. An occurrence is a whole word when
// the character before it and the character after it (where there is one) are
// none of the ASCII letters, the digits 0-9 and "_": so gen_W is not found
// inside gen_Width, and A is found once in "A+AB+A_1".
//
// With quoteText set, a value that is not a number (isNumber) is put between
// double quotes, and each double quote inside it is doubled, as the formula
// language writes a quote inside a text; so a value holding quotes still
// yields a text the formula language reads back as that value.
//
// The search for a name goes on after each replacement, so a value that holds
// its own name is not replaced again. An empty name is skipped (it would match
// everywhere). At most 99999999 occurrences are examined per name. Returns
// whether anything was replaced; the text is left as it was otherwise.
bool replaceWords(Tvx_String& text, const Tvx_StringArray& names, const Tvx_StringArray& values,
                  bool quoteText);

// Whole-word replacement of names by values in a text: how general variables
// become their values and variable names become cell references in equations.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"
#include "platform/core/FoldedNameIndex.h"

// Replaces, for each index i below the smaller of the two counts and in that
// order, every whole-word occurrence of names[i] in text by values[i]. Names
// are found without regard to letter case. An occurrence is a whole word when
// the character before it and the character after it (where there is one) are
// none of the ASCII letters, the digits 0-9 and "_": so gen_W is not found
// inside gen_Width, and A is found once in "A+AB+A_1". Quoted texts inside the
// text are no exception.
//
// With quoteText set, a value that is not a number (isNumber) is put between
// double quotes, and each double quote inside it is doubled, as the formula
// language writes a quote inside a text; so a value holding quotes still
// yields a text the formula language reads back as that value.
//
// The search for a name goes on after each occurrence, so a value that holds
// its own name is not replaced again; a later name is found in the values put
// in for earlier ones. An empty name is skipped (it would match everywhere).
// At most 99999999 occurrences are examined per name. Returns whether
// anything was replaced; the text is left as it was otherwise.
bool replaceWords(Tvx_String& text, const Tvx_StringArray& names, const Tvx_StringArray& values,
                  bool quoteText);

// The same replacement prepared once for many texts (the equations of one
// calculation share their names and values).
class WordReplacer {
  public:
    WordReplacer() = default;
    WordReplacer(const Tvx_StringArray& names, const Tvx_StringArray& values, bool quoteText);

    // replaceWords with the names and values given at construction.
    bool replace(Tvx_String& text) const;
    // True when there is no name to replace (none given, or only empty ones):
    // replace then changes no text.
    bool isEmpty() const { return entries_.empty(); }

  private:
    struct Entry {
        std::wstring foldedName;
        std::wstring replacement;
    };
    // Name by name over the whole text, each name in turn.
    bool replaceNameByName(Tvx_String& text) const;
    // One pass over the words of the text: the same result when no name holds
    // a character outside words, no replacement holds a later name as a word,
    // and the text is ASCII (so that letter case folds within words); nothing,
    // and the text untouched, when the text holds a character outside ASCII.
    std::optional<bool> replaceWordByWord(Tvx_String& text) const;

    // Whether a word of the text could be one of the names, by its length and
    // its first letter: most words of an equation (function names, numbers)
    // are ruled out without looking them up.
    bool mayBeName(std::wstring_view word) const;
    void noteNameShape(const std::wstring& foldedName);

    std::vector<Entry> entries_;
    // Each name's first entry, for the word-by-word pass.
    FoldedNameIndex byName_;
    bool wordByWord_ = false;
    // The lengths of the names (bit n-1 for length n, up to 64) and whether
    // any name is longer; the folded first characters of the names (all ASCII
    // when the word-by-word pass is used).
    std::uint64_t nameLengths_ = 0;
    bool longNames_ = false;
    std::bitset<128> firstCharacters_;
};

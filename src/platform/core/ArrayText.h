// Texts split into lists and lists joined into texts, and name lists: the
// duplicates in a list and a name not yet in a list.
//
// Splitting rule shared by every function here: an empty text gives no parts;
// any other text with n separators gives n + 1 parts, empty ones included
// ("A;;B;" gives "A", "", "B", ""). Joining puts the separator between the
// items, so joining and splitting again give the same list, except that a
// list of one empty item comes back as an empty list.
#pragma once

#include "platform/core/Tvx_Array.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

// The parts of text between separators ("A;B;C" gives "A", "B", "C").
Tvx_StringArray strToArr(const Tvx_String& text, wchar_t separator = L';');
// The items joined with the separator between them.
Tvx_String arrToStr(const Tvx_StringArray& items, wchar_t separator = L';');

// Pair form: splits text at the first symbol into first (before it) and second
// (after it), and returns true. Without the symbol it returns false, first is
// the whole text and second empty. With flag set, blanks (space, tab) around
// both parts are removed, so "Width = A + 2" gives "Width" and "A + 2"; with
// flag clear the parts are kept exactly. The symbol is matched exactly (an "x"
// is not an "X").
bool splitStringAtSymbol(const Tvx_String& text, wchar_t symbol, Tvx_String& first,
                         Tvx_String& second, bool flag = false);
// List form: parts becomes the parts of text between the symbols (the
// splitting rule above), each stripped of blanks around it when flag is set
// ("\"Child\", A , B" with "," gives "\"Child\"", "A", "B").
void splitStringAtSymbol(const Tvx_String& text, wchar_t symbol, Tvx_StringArray& parts,
                         bool flag = false);

// One array per line, each line split at the separator (the splitting rule
// above: an empty line gives an empty array).
Tvx_StringArrArr arrToArrArr(const Tvx_StringArray& lines, wchar_t separator);
// One line per array, its items joined with the separator.
Tvx_StringArray arrArrToArr(const Tvx_StringArrArr& arrays, wchar_t separator);

// The indices, ascending, of every name equal to a name before it in the list
// (flag: match case; by default letter case is ignored, as variable names are
// looked up). The first occurrence of each name is not reported, so removing
// the reported indices (from the highest down) keeps the first of each name.
Tvx_IntArray getDuplicates(const Tvx_StringArray& names, bool flag = false);
// True when the list holds a name twice (the rule of getDuplicates).
// duplicates becomes each repeated name once, as written where it repeats
// first, in the order of those repetitions.
bool hasDuplicates(const Tvx_StringArray& names, Tvx_StringArray& duplicates, bool flag = false);

// A text not in names (flag: match case; by default letter case is ignored,
// because such names become file names and table keys):
// - the proposal itself when it is free;
// - otherwise, when the proposal ends in digits, that number counted up one at
//   a time, keeping at least as many digits ("100" gives "101", "Stock09"
//   gives "Stock10", "HEA7" "HEA8");
// - otherwise the proposal followed by 2, 3, ... ("Table" gives "Table2";
//   an empty proposal gives "1", "2", ...).
Tvx_String findNonExistingString(const Tvx_StringArray& names, const Tvx_String& proposal,
                                 bool flag = false);

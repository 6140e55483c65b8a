// Small operations on single texts: trimming, searching, comments, numbers
// inside texts, column letters, joining and random texts.
//
// "Blanks" are the space and the tab character.
#pragma once

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

enum class StripSide { Start, End, Both };

// The text without the characters of symbols at its start, its end or both
// ("  Double X " with " " and StripSide::Start gives "Double X "). An empty
// symbols text changes nothing.
Tvx_String stripSymbols(const Tvx_String& text, const Tvx_String& symbols,
                        StripSide side = StripSide::Both);

// True when text contains one of parts (flag: match case); index becomes the
// position in parts of the first one (in the order of parts) that it contains,
// -1 when none. Empty parts are never found.
bool hasASubstr(const Tvx_String& text, const Tvx_StringArray& parts, bool flag, int& index);

// True when the whole text, blanks at both ends allowed, is one decimal number
// ("12", "-1.5", " 2e3 ", ".5"); false for "", "12mm", "1,5", "inf", "nan".
bool isNumber(const Tvx_String& text);

// What follows the first occurrence of marker in text (flag: match case);
// empty when marker does not occur or ends the text. An empty marker gives
// the whole text.
Tvx_String getSubstrAfter(const Tvx_String& text, const Tvx_String& marker, bool flag = true);

// The text without its "//" comment: from the first "//" to the end, and the
// blanks that stood before it. A text without "//" is returned unchanged.
Tvx_String removeLineComment(const Tvx_String& text);

// The text without its block comments: every "/*" up to and including the next
// "*/", or to the end of the text when no "*/" follows. When anything was
// removed, blanks left at the end are removed too, so that a line holding only
// a comment becomes empty. A "*/" without "/*" stays.
Tvx_String removeComments(const Tvx_String& text);

// Spreadsheet column letters of a 1-based number: 1 "A", 26 "Z", 27 "AA",
// 52 "AZ", 703 "AAA". Empty for 0 and negative numbers.
Tvx_String getAlfabet(int number);

// Finds the first run of decimal digits (0-9) in text: position becomes the
// index of its first digit and digits the run ("HEA 100x8" gives 4 and "100").
// False, with position -1 and digits empty, when the text holds no digit.
bool findFirstNumbers(const Tvx_String& text, int& position, Tvx_String& digits);

// The text without the decimal digits at its end ("Stock12" gives "Stock").
Tvx_String stripNumbersAtEnd(const Tvx_String& text);

// Sets text to length characters drawn at random from the letters A-Z, a-z and
// the digits 0-9. A length of 0 or less gives the empty text.
void generateRandomString(int length, Tvx_String& text);

// The texts joined in order, without separator.
Tvx_String appStrs(const Tvx_String& a, const Tvx_String& b, const Tvx_String& c = {},
                   const Tvx_String& d = {}, const Tvx_String& e = {});

// The text followed by the whole number in decimal ("Value" and 2 give "Value2").
Tvx_String append(const Tvx_String& text, int number);

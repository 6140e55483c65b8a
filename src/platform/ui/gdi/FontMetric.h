// The one font metric of the drawing layer: how wide and high text is, the
// same for every face name, so that layouts and tests come out identical on
// every machine.
//
// A character's width is a number of units, 16 units being the font's height:
//    0  control characters (below U+0020, and U+007F)
//    4  ' ` . , : ; | ! i j l I and the blank
//    5  f r t ( ) [ ] { } " / \ - and the tab
//    7  the other lower-case Latin letters a-z
//    9  the other capitals A-Z
//    8  digits, and every character not listed elsewhere
//   11  m w
//   13  M W @ %
//   16  wide East Asian characters (Hangul, CJK, full-width forms)
// Bold (weight 600 and above) adds 1 unit per character. The width of a text
// is ceil(total units x height / 16) pixels; its height is the font height.
// Line breaks are not measured here (the caller splits lines).
//
// Example: "Width" at height 13 is 13 + 4 + 7 + 5 + 7 = 36 units, so
// ceil(36 x 13 / 16) = 30 pixels wide and 13 high.
#pragma once

#include <string>
#include <string_view>

#include "platform/ui/WinTypes.h"

// A font as the metric sees it. The face name is kept (so a picture can name
// it) but does not change the metric.
struct TextFont {
    std::wstring faceName = L"Sans";
    int height = 13;  // character height in pixels; 0 or less counts as 13
    int weight = 400;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const TextFont&, const TextFont&) = default;
};

// The width units of one character (table above).
int characterUnits(wchar_t c);

// The size of a single line of text in the font.
CSize textExtent(const TextFont& font, std::wstring_view text);

// The average and widest character widths and the ascent of the font, as a
// text metric query reports them: average = ceil(7 x height / 16) (+1 in
// bold); widest = height (+1 in bold); ascent = ceil(0.8 x height); descent
// is the rest of the height.
struct FontMeasures {
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int averageWidth = 0;
    int maxWidth = 0;
};
FontMeasures fontMeasures(const TextFont& font);

// Tvx_String operations (the position and case rules are in the header).
#include "platform/core/Tvx_String.h"

#include <algorithm>

#include "platform/core/NumberText.h"
#include "platform/core/Unicode.h"

namespace {

size_t clampPos(const std::wstring& text, int pos) {
    if (pos < 0)
        return 0;
    return std::min(static_cast<size_t>(pos), text.size());
}

// Whether two characters are equal ignoring case. Two different ASCII
// characters are equal only as the two cases of one letter, which needs no
// table; everything else goes through foldCase.
bool sameLetter(wchar_t a, wchar_t b) {
    if (a == b)
        return true;
    if (a < 0x80 && b < 0x80) {
        const wchar_t lower = a | 0x20;
        return (a ^ b) == 0x20 && lower >= L'a' && lower <= L'z';
    }
    return foldCase(a) == foldCase(b);
}

// Compares texts of equal length.
bool sameChars(std::wstring_view a, std::wstring_view b, bool matchCase) {
    if (matchCase)
        return a == b;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!sameLetter(a[i], b[i]))
            return false;
    }
    return true;
}

// The first position from `from` where needle (not empty, not longer than
// haystack) occurs ignoring case; firstMatches tells whether a character is
// the needle's first one ignoring case.
template <typename FirstMatches>
size_t findIgnoringCaseFrom(std::wstring_view haystack, size_t from, std::wstring_view needle,
                            FirstMatches firstMatches) {
    const std::wstring_view rest = needle.substr(1);
    for (size_t i = from; i + needle.size() <= haystack.size(); ++i) {
        if (firstMatches(haystack[i]) &&
            sameChars(haystack.substr(i + 1, rest.size()), rest, false))
            return i;
    }
    return std::wstring_view::npos;
}

// findIgnoringCaseFrom for a needle starting with an ASCII character, whose
// only forms are its lower and upper case: the next of each is found with
// the library's vectorised character search rather than character by
// character.
size_t findAsciiFirstIgnoringCaseFrom(std::wstring_view haystack, size_t from,
                                      std::wstring_view needle) {
    const wchar_t lower = foldCase(needle.front());
    const wchar_t upper = upperCase(needle.front());
    const std::wstring_view rest = needle.substr(1);
    const size_t last = haystack.size() - needle.size();
    size_t nextLower = haystack.find(lower, from);
    size_t nextUpper = lower == upper ? std::wstring_view::npos : haystack.find(upper, from);
    for (;;) {
        const size_t at = std::min(nextLower, nextUpper);
        if (at == std::wstring_view::npos || at > last)
            return std::wstring_view::npos;
        if (sameChars(haystack.substr(at + 1, rest.size()), rest, false))
            return at;
        if (at == nextLower)
            nextLower = haystack.find(lower, at + 1);
        else
            nextUpper = haystack.find(upper, at + 1);
    }
}

template <typename Convert>
Tvx_String convertEach(const std::wstring& text, Convert convert) {
    std::wstring out(text.size(), L'\0');
    for (size_t i = 0; i < text.size(); ++i)
        out[i] = convert(text[i]);
    return Tvx_String(std::move(out));
}

}  // namespace

// Letter case of the Latin, Greek and Cyrillic alphabets, independent of the
// process locale; other characters have no case here.
wchar_t foldCase(wchar_t c) {
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F)) {
        return static_cast<wchar_t>(c + 0x20);
    }
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<wchar_t>(c + 0x50);
    if (c == 0x178)  // the capital of 0xFF, amid the pairs below
        return 0xFF;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 &&
        c != 0x17F) {
        const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        const bool isUpper = oddPairs ? (c % 2 == 1) : (c % 2 == 0);
        return isUpper ? static_cast<wchar_t>(c + 1) : c;
    }
    return c;
}

wchar_t upperCase(wchar_t c) {
    if (c < 0x80)
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) ||
        (c >= 0x430 && c <= 0x44F)) {
        return static_cast<wchar_t>(c - 0x20);
    }
    if (c >= 0x450 && c <= 0x45F)
        return static_cast<wchar_t>(c - 0x50);
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x17F && foldCase(static_cast<wchar_t>(c - 1)) == c &&
        foldCase(c) == c) {
        return static_cast<wchar_t>(c - 1);
    }
    return c;
}

Tvx_String::Tvx_String(int value) : text_(std::to_wstring(value)) {}

Tvx_String::Tvx_String(double value, int decimals, bool trimZeros)
    : text_(numtext::formatFixed(value, decimals)) {
    if (trimZeros && text_.find(L'.') != std::wstring::npos) {
        while (text_.back() == L'0')
            text_.pop_back();
        if (text_.back() == L'.')
            text_.pop_back();
    }
}

Tvx_String Tvx_String::fromUtf8(std::string_view utf8) {
    return Tvx_String(unicode::fromUtf8(utf8));
}

std::string Tvx_String::toUtf8() const {
    return unicode::toUtf8(text_);
}

wchar_t Tvx_String::at(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= text_.size())
        return 0;
    return text_[static_cast<size_t>(i)];
}

Tvx_String& Tvx_String::append(const Tvx_String& text) {
    text_ += text.text_;
    return *this;
}

Tvx_String& Tvx_String::append(wchar_t c) {
    text_.push_back(c);
    return *this;
}

Tvx_String& Tvx_String::insertAt(int pos, const Tvx_String& text) {
    text_.insert(clampPos(text_, pos), text.text_);
    return *this;
}

Tvx_String& Tvx_String::removeAt(int pos, int count) {
    const size_t start = clampPos(text_, pos);
    const size_t n = count < 0 ? std::wstring::npos : static_cast<size_t>(count);
    text_.erase(start, n);
    return *this;
}

Tvx_String Tvx_String::getSubStringAt(int pos, int count) const {
    const size_t start = clampPos(text_, pos);
    const size_t n = count < 0 ? std::wstring::npos : static_cast<size_t>(count);
    return Tvx_String(text_.substr(start, n));
}

bool Tvx_String::contains(const Tvx_String& text, bool flag) const {
    int pos = 0;
    return findFirstFrom(0, text, flag, pos);
}

bool Tvx_String::startsWith(const Tvx_String& text, bool flag) const {
    if (text.text_.size() > text_.size())
        return false;
    return sameChars(std::wstring_view(text_).substr(0, text.text_.size()), text.text_, flag);
}

bool Tvx_String::endsWith(const Tvx_String& text, bool flag) const {
    if (text.text_.size() > text_.size())
        return false;
    return sameChars(std::wstring_view(text_).substr(text_.size() - text.text_.size()), text.text_,
                     flag);
}

bool Tvx_String::equal(const Tvx_String& other, bool flag) const {
    return text_.size() == other.text_.size() && sameChars(text_, other.text_, flag);
}

bool Tvx_String::findFirstFrom(int start, const Tvx_String& text, bool flag, int& pos) const {
    pos = -1;
    const size_t from = clampPos(text_, start);
    const std::wstring_view needle = text.text_;
    if (needle.size() > text_.size())
        return false;
    const std::wstring_view haystack = text_;
    if (flag || needle.empty()) {
        const size_t found = haystack.find(needle, from);
        if (found == std::wstring_view::npos)
            return false;
        pos = static_cast<int>(found);
        return true;
    }
    // Ignoring case: look for the first character, then compare the rest. No
    // character beyond ASCII folds into ASCII, so an ASCII first character
    // matches only its own two forms.
    const wchar_t first = needle.front();
    const size_t found =
        first < 0x80 ? findAsciiFirstIgnoringCaseFrom(haystack, from, needle)
                     : findIgnoringCaseFrom(haystack, from, needle,
                                            [first](wchar_t c) { return sameLetter(c, first); });
    if (found == std::wstring_view::npos)
        return false;
    pos = static_cast<int>(found);
    return true;
}

Tvx_String Tvx_String::toUpper() const {
    return convertEach(text_, upperCase);
}

Tvx_String Tvx_String::toLower() const {
    return convertEach(text_, foldCase);
}

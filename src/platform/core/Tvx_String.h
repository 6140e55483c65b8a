// Tvx_String: the wide text type of the product's core module.
//
// Positions and counts are in characters (code points; wchar_t is UTF-32 here).
// Bad positions never crash:
// - a negative position counts as 0, a position past the end as the end;
// - a negative count, or a count past the end, means "to the end".
// The `flag` of the comparisons means *match case*: set = exact comparison,
// clear = letters compared without regard to case (simple one-to-one case
// folding of each character).
#pragma once

#include <compare>
#include <functional>
#include <string>
#include <string_view>

class Tvx_String {
  public:
    Tvx_String() = default;
    Tvx_String(const wchar_t* text) : text_(text ? text : L"") {}
    Tvx_String(std::wstring text) : text_(std::move(text)) {}
    Tvx_String(std::wstring_view text) : text_(text) {}
    explicit Tvx_String(wchar_t c) : text_(1, c) {}
    explicit Tvx_String(int value);
    // The number with `decimals` fixed decimals (numtext::formatFixed); with
    // trimZeros set, trailing zeros of the decimals and a bare point are dropped
    // ("2.50" becomes "2.5", "3.00" becomes "3").
    Tvx_String(double value, int decimals, bool trimZeros = false);

    static Tvx_String fromUtf8(std::string_view utf8);
    std::string toUtf8() const;

    const wchar_t* c_str() const { return text_.c_str(); }
    const std::wstring& str() const { return text_; }
    // The text for writing in place: one Tvx_String filled again and again
    // keeps its room instead of allocating each time.
    std::wstring& str() { return text_; }
    // Empties the text, keeping its room.
    void clear() { text_.clear(); }
    int length() const { return static_cast<int>(text_.size()); }
    bool isEmpty() const { return text_.empty(); }

    wchar_t operator[](int i) const { return text_[static_cast<size_t>(i)]; }
    // The character at i, or 0 when i is outside the text.
    wchar_t at(int i) const;

    Tvx_String& append(const Tvx_String& text);
    Tvx_String& append(wchar_t c);
    // Inserts text before position pos.
    Tvx_String& insertAt(int pos, const Tvx_String& text);
    // Removes count characters from pos.
    Tvx_String& removeAt(int pos, int count = 1);
    // The count characters from pos (count < 0: to the end).
    Tvx_String getSubStringAt(int pos, int count = -1) const;

    bool contains(const Tvx_String& text, bool flag = true) const;
    bool startsWith(const Tvx_String& text, bool flag = true) const;
    bool endsWith(const Tvx_String& text, bool flag = true) const;
    bool equal(const Tvx_String& other, bool flag = true) const;
    // Searches text from position start; on a hit sets pos and returns true;
    // otherwise pos becomes -1. An empty text is found at start (when start is
    // within the text or at its end).
    bool findFirstFrom(int start, const Tvx_String& text, bool flag, int& pos) const;

    Tvx_String toUpper() const;
    Tvx_String toLower() const;

    Tvx_String& operator+=(const Tvx_String& text) { return append(text); }
    Tvx_String& operator+=(wchar_t c) { return append(c); }
    friend Tvx_String operator+(Tvx_String a, const Tvx_String& b) { return a.append(b); }
    friend bool operator==(const Tvx_String& a, const Tvx_String& b) { return a.text_ == b.text_; }
    friend std::strong_ordering operator<=>(const Tvx_String& a, const Tvx_String& b) {
        return a.text_.compare(b.text_) <=> 0;
    }

  private:
    std::wstring text_;
};

// The lower-case and upper-case forms of a letter (Latin, Greek, Cyrillic);
// foldCase is what the comparisons whose flag is clear compare.
wchar_t foldCase(wchar_t c);
wchar_t upperCase(wchar_t c);

template <>
struct std::hash<Tvx_String> {
    size_t operator()(const Tvx_String& s) const noexcept {
        return std::hash<std::wstring>{}(s.str());
    }
};

// Whole-word replacement of names by values.
#include "standards/engine/ReplaceWords.h"

#include <algorithm>
#include <string>

#include "platform/core/TextHelpers.h"

namespace {

constexpr int kMaxHitsPerName = 99999999;

bool isWordCharacter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
           c == L'_';
}

// The text that replaces a name: the value itself, or a quoted text literal.
std::wstring replacementFor(const Tvx_String& value, bool quoteText) {
    if (!quoteText || isNumber(value))
        return value.str();
    std::wstring quoted = L"\"";
    for (wchar_t c : value.str()) {
        quoted += c;
        if (c == L'"')
            quoted += L'"';
    }
    quoted += L'"';
    return quoted;
}

// The text with every character case-folded. Folding maps one character to
// one character, so positions in the folded text are positions in the text.
std::wstring folded(const std::wstring& text) {
    std::wstring out = text;
    for (wchar_t& c : out)
        c = foldCase(c);
    return out;
}

// Replaces the whole-word occurrences of one name (given folded) in text,
// whose folded form is foldedText; true when any was replaced, and then both
// texts hold the result.
bool replaceOneName(std::wstring& text, std::wstring& foldedText, const std::wstring& foldedName,
                    const std::wstring& replacement) {
    std::wstring result;
    size_t copiedUpTo = 0;
    size_t from = 0;
    bool replaced = false;
    for (int examined = 0; examined < kMaxHitsPerName; ++examined) {
        const size_t hit = foldedText.find(foldedName, from);
        if (hit == std::wstring::npos)
            break;
        const size_t end = hit + foldedName.size();
        const bool startsWord = hit == 0 || !isWordCharacter(text[hit - 1]);
        const bool endsWord = end == text.size() || !isWordCharacter(text[end]);
        if (startsWord && endsWord) {
            result.append(text, copiedUpTo, hit - copiedUpTo);
            result += replacement;
            copiedUpTo = end;
            replaced = true;
        }
        // Whether it counted or not, the search goes on after the occurrence.
        from = end;
    }
    if (!replaced)
        return false;
    result.append(text, copiedUpTo);
    text = std::move(result);
    foldedText = folded(text);
    return true;
}

}  // namespace

bool replaceWords(Tvx_String& text, const Tvx_StringArray& names, const Tvx_StringArray& values,
                  bool quoteText) {
    const int count = std::min(names.length(), values.length());
    std::wstring result = text.str();
    std::wstring foldedText = folded(result);
    bool replaced = false;
    for (int i = 0; i < count; ++i) {
        if (names[i].isEmpty())
            continue;
        if (replaceOneName(result, foldedText, folded(names[i].str()),
                           replacementFor(values[i], quoteText)))
            replaced = true;
    }
    if (replaced)
        text = Tvx_String(std::move(result));
    return replaced;
}

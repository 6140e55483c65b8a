// Whole-word replacement of names by values.
#include "standards/engine/ReplaceWords.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "platform/core/TextHelpers.h"

namespace {

constexpr int kMaxHitsPerName = 99999999;
// Name lengths up to this many characters are told apart by a bit each.
constexpr size_t kLengthBits = 64;

// The ASCII letters, the digits and "_", by character code.
constexpr std::array<bool, 0x80> kWordCharacters = [] {
    std::array<bool, 0x80> table{};
    for (int c = 0; c < 0x80; ++c)
        table[c] =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    return table;
}();

bool isAsciiCharacter(wchar_t c) {
    return static_cast<std::uint32_t>(c) < 0x80;
}

bool isWordCharacter(wchar_t c) {
    return isAsciiCharacter(c) && kWordCharacters[static_cast<size_t>(c)];
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

bool isAscii(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

bool isWord(const std::wstring& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isWordCharacter);
}

// Calls visit(start, length) for every maximal run of word characters.
template <typename Visit>
void forEachWord(const std::wstring& text, Visit visit) {
    size_t i = 0;
    while (i < text.size()) {
        if (!isWordCharacter(text[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < text.size() && isWordCharacter(text[i]))
            ++i;
        visit(start, i - start);
    }
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

WordReplacer::WordReplacer(const Tvx_StringArray& names, const Tvx_StringArray& values,
                           bool quoteText) {
    const int count = std::min(names.length(), values.length());
    wordByWord_ = true;
    for (int i = 0; i < count; ++i) {
        if (names[i].isEmpty())
            continue;
        Entry entry{folded(names[i].str()), replacementFor(values[i], quoteText)};
        if (!isWord(entry.foldedName) || !isAscii(entry.foldedName))
            wordByWord_ = false;
        byName_.add(entry.foldedName, static_cast<int>(entries_.size()));
        noteNameShape(entry.foldedName);
        entries_.push_back(std::move(entry));
    }
    // A replacement that holds a later name as a word would be found by that
    // name's turn; only the name-by-name pass gets that right.
    std::unordered_map<std::wstring, size_t> lastEntry;
    for (size_t i = 0; i < entries_.size(); ++i)
        lastEntry[entries_[i].foldedName] = i;
    for (size_t i = 0; wordByWord_ && i < entries_.size(); ++i) {
        const std::wstring foldedReplacement = folded(entries_[i].replacement);
        forEachWord(foldedReplacement, [&](size_t start, size_t length) {
            const auto found = lastEntry.find(foldedReplacement.substr(start, length));
            if (found != lastEntry.end() && found->second > i)
                wordByWord_ = false;
        });
    }
}

void WordReplacer::noteNameShape(const std::wstring& foldedName) {
    const size_t length = foldedName.size();
    if (length > kLengthBits)
        longNames_ = true;
    else
        nameLengths_ |= std::uint64_t{1} << (length - 1);
    if (foldedName[0] < 0x80)
        firstCharacters_.set(static_cast<size_t>(foldedName[0]));
}

bool WordReplacer::mayBeName(std::wstring_view word) const {
    const size_t length = word.size();
    const bool lengthFits =
        length > kLengthBits ? longNames_ : ((nameLengths_ >> (length - 1)) & 1) != 0;
    // The word-by-word pass sees ASCII texts only, so the first character
    // folds in line.
    const wchar_t first = word[0] >= L'A' && word[0] <= L'Z'
                              ? static_cast<wchar_t>(word[0] + (L'a' - L'A'))
                              : word[0];
    return lengthFits && firstCharacters_.test(static_cast<size_t>(first));
}

bool WordReplacer::replace(Tvx_String& text) const {
    if (entries_.empty())
        return false;
    if (wordByWord_) {
        if (const std::optional<bool> replaced = replaceWordByWord(text))
            return *replaced;
    }
    return replaceNameByName(text);
}

bool WordReplacer::replaceNameByName(Tvx_String& text) const {
    std::wstring result = text.str();
    std::wstring foldedText = folded(result);
    bool replaced = false;
    for (const Entry& entry : entries_) {
        if (replaceOneName(result, foldedText, entry.foldedName, entry.replacement))
            replaced = true;
    }
    if (replaced)
        text = Tvx_String(std::move(result));
    return replaced;
}

std::optional<bool> WordReplacer::replaceWordByWord(Tvx_String& text) const {
    const std::wstring& source = text.str();
    std::wstring result;
    size_t copiedUpTo = 0;
    bool replaced = false;
    size_t i = 0;
    while (i < source.size()) {
        if (!isAsciiCharacter(source[i]))
            return std::nullopt;
        if (!kWordCharacters[static_cast<size_t>(source[i])]) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < source.size() && isWordCharacter(source[i]))
            ++i;
        const std::wstring_view word = std::wstring_view(source).substr(start, i - start);
        if (!mayBeName(word))
            continue;
        const int found = byName_.find(word);
        if (found < 0)
            continue;
        if (!replaced)
            result.reserve(source.size() + entries_[static_cast<size_t>(found)].replacement.size());
        result.append(source, copiedUpTo, start - copiedUpTo);
        result += entries_[static_cast<size_t>(found)].replacement;
        copiedUpTo = i;
        replaced = true;
    }
    if (!replaced)
        return false;
    result.append(source, copiedUpTo);
    text = Tvx_String(std::move(result));
    return true;
}

bool replaceWords(Tvx_String& text, const Tvx_StringArray& names, const Tvx_StringArray& values,
                  bool quoteText) {
    return WordReplacer(names, values, quoteText).replace(text);
}

// Splitting, joining and name lists.
#include "platform/core/ArrayText.h"

#include <string>
#include <string_view>
#include <unordered_set>

#include "platform/core/TextHelpers.h"

namespace {

constexpr std::wstring_view kBlanks = L" \t";

// The part without blanks at both ends when trim is set.
std::wstring_view trimmedIf(std::wstring_view part, bool trim) {
    if (trim) {
        const size_t start = part.find_first_not_of(kBlanks);
        if (start == std::wstring_view::npos)
            return {};
        part = part.substr(start, part.find_last_not_of(kBlanks) + 1 - start);
    }
    return part;
}

// Hashing and comparing names by the case rule of the flag, without copies.
struct NameHash {
    bool matchCase;
    size_t operator()(const Tvx_String* name) const {
        if (matchCase)
            return std::hash<Tvx_String>{}(*name);
        size_t hash = 14695981039346656037ull;
        for (wchar_t c : name->str())
            hash = (hash ^ static_cast<size_t>(foldCase(c))) * 1099511628211ull;
        return hash;
    }
};

struct NameEqual {
    bool matchCase;
    bool operator()(const Tvx_String* a, const Tvx_String* b) const {
        return a->equal(*b, matchCase);
    }
};

// The decimal number in digits plus one ("099" gives "100", "9" gives "10").
std::wstring countUp(std::wstring digits) {
    for (size_t i = digits.size(); i > 0; --i) {
        if (digits[i - 1] != L'9') {
            ++digits[i - 1];
            return digits;
        }
        digits[i - 1] = L'0';
    }
    return L"1" + digits;
}

}  // namespace

Tvx_StringArray strToArr(const Tvx_String& text, wchar_t separator) {
    Tvx_StringArray parts;
    if (text.isEmpty())
        return parts;
    const std::wstring_view s = text.str();
    size_t start = 0;
    for (;;) {
        const size_t end = s.find(separator, start);
        parts.items().emplace_back(s.substr(start, end - start));
        if (end == std::wstring_view::npos)
            return parts;
        start = end + 1;
    }
}

Tvx_String arrToStr(const Tvx_StringArray& items, wchar_t separator) {
    std::wstring joined;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0)
            joined += separator;
        joined += items[i].str();
    }
    return Tvx_String(std::move(joined));
}

bool splitStringAtSymbol(const Tvx_String& text, wchar_t symbol, Tvx_String& first,
                         Tvx_String& second, bool flag) {
    // The parts are written over first and second, keeping their room. The
    // second part is written first, so text may be `first` itself; text
    // being `second` is split from a copy.
    if (&text == &second) {
        const Tvx_String copy = text;
        return splitStringAtSymbol(copy, symbol, first, second, flag);
    }
    const std::wstring_view whole = text.str();
    const size_t at = whole.find(symbol);
    if (at == std::wstring_view::npos) {
        const std::wstring_view part = trimmedIf(whole, flag);
        first.str().assign(part.data(), part.size());
        second.clear();
        return false;
    }
    const std::wstring_view before = trimmedIf(whole.substr(0, at), flag);
    const std::wstring_view after = trimmedIf(whole.substr(at + 1), flag);
    second.str().assign(after.data(), after.size());
    first.str().assign(before.data(), before.size());
    return true;
}

void splitStringAtSymbol(const Tvx_String& text, wchar_t symbol, Tvx_StringArray& parts,
                         bool flag) {
    parts.removeAll();
    const std::wstring_view whole = text.str();
    if (whole.empty())
        return;
    size_t start = 0;
    for (;;) {
        const size_t end = whole.find(symbol, start);
        parts.items().emplace_back(trimmedIf(whole.substr(start, end - start), flag));
        if (end == std::wstring_view::npos)
            return;
        start = end + 1;
    }
}

Tvx_StringArrArr arrToArrArr(const Tvx_StringArray& lines, wchar_t separator) {
    Tvx_StringArrArr arrays;
    for (const Tvx_String& line : lines)
        arrays.append(strToArr(line, separator));
    return arrays;
}

Tvx_StringArray arrArrToArr(const Tvx_StringArrArr& arrays, wchar_t separator) {
    Tvx_StringArray lines;
    for (const Tvx_StringArray& items : arrays)
        lines.append(arrToStr(items, separator));
    return lines;
}

Tvx_IntArray getDuplicates(const Tvx_StringArray& names, bool flag) {
    Tvx_IntArray duplicates;
    std::unordered_set<const Tvx_String*, NameHash, NameEqual> seen(
        static_cast<size_t>(names.length()), NameHash{flag}, NameEqual{flag});
    for (int i = 0; i < names.length(); ++i) {
        if (!seen.insert(&names[i]).second)
            duplicates.append(i);
    }
    return duplicates;
}

bool hasDuplicates(const Tvx_StringArray& names, Tvx_StringArray& duplicates, bool flag) {
    duplicates.removeAll();
    for (int index : getDuplicates(names, flag)) {
        int ignored = 0;
        if (!duplicates.find(names[index], ignored, flag))
            duplicates.append(names[index]);
    }
    return !duplicates.isEmpty();
}

Tvx_String findNonExistingString(const Tvx_StringArray& names, const Tvx_String& proposal,
                                 bool flag) {
    int ignored = 0;
    if (!names.find(proposal, ignored, flag))
        return proposal;
    const Tvx_String stem = stripNumbersAtEnd(proposal);
    std::wstring number = proposal.str().substr(static_cast<size_t>(stem.length()));
    if (number.empty())
        number = L"1";
    // At most names.length() candidates are taken, so this ends.
    for (;;) {
        number = countUp(number);
        const Tvx_String candidate = stem + Tvx_String(number);
        if (!names.find(candidate, ignored, flag))
            return candidate;
    }
}

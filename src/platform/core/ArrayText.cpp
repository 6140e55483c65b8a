// Splitting, joining and name lists.
#include "platform/core/ArrayText.h"

#include <string>
#include <unordered_set>

#include "platform/core/TextHelpers.h"

namespace {

const Tvx_String kBlanks(L" \t");

Tvx_String trimIf(const Tvx_String& text, bool trim) {
    return trim ? stripSymbols(text, kBlanks) : text;
}

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
    const std::wstring& s = text.str();
    size_t start = 0;
    for (;;) {
        const size_t end = s.find(separator, start);
        if (end == std::wstring::npos) {
            parts.append(Tvx_String(s.substr(start)));
            return parts;
        }
        parts.append(Tvx_String(s.substr(start, end - start)));
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
    const size_t at = text.str().find(symbol);
    if (at == std::wstring::npos) {
        first = trimIf(text, flag);
        second = Tvx_String();
        return false;
    }
    first = trimIf(Tvx_String(text.str().substr(0, at)), flag);
    second = trimIf(Tvx_String(text.str().substr(at + 1)), flag);
    return true;
}

void splitStringAtSymbol(const Tvx_String& text, wchar_t symbol, Tvx_StringArray& parts,
                         bool flag) {
    parts = strToArr(text, symbol);
    for (Tvx_String& part : parts)
        part = trimIf(part, flag);
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
    std::unordered_set<std::wstring> seen;
    for (int i = 0; i < names.length(); ++i) {
        std::wstring comparable = flag ? names[i].str() : names[i].toLower().str();
        if (!seen.insert(std::move(comparable)).second)
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

// Operations on single texts.
#include "platform/core/TextHelpers.h"

#include <random>
#include <string_view>

#include "platform/core/NumberText.h"

namespace {

constexpr std::wstring_view kBlanks = L" \t";

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

std::wstring withoutTrailingBlanks(std::wstring text) {
    const size_t end = text.find_last_not_of(kBlanks);
    text.erase(end == std::wstring::npos ? 0 : end + 1);
    return text;
}

}  // namespace

Tvx_String stripSymbols(const Tvx_String& text, const Tvx_String& symbols, StripSide side) {
    const std::wstring& s = text.str();
    const std::wstring& set = symbols.str();
    size_t start = 0;
    size_t end = s.size();
    if (side != StripSide::End) {
        while (start < end && set.find(s[start]) != std::wstring::npos)
            ++start;
    }
    if (side != StripSide::Start) {
        while (end > start && set.find(s[end - 1]) != std::wstring::npos)
            --end;
    }
    return Tvx_String(s.substr(start, end - start));
}

bool hasASubstr(const Tvx_String& text, const Tvx_StringArray& parts, bool flag, int& index) {
    for (index = 0; index < parts.length(); ++index) {
        if (!parts[index].isEmpty() && text.contains(parts[index], flag))
            return true;
    }
    index = -1;
    return false;
}

bool isNumber(const Tvx_String& text) {
    double ignored = 0;
    return numtext::parseWholeDouble(text.str(), ignored);
}

Tvx_String getSubstrAfter(const Tvx_String& text, const Tvx_String& marker, bool flag) {
    int pos = -1;
    if (!text.findFirstFrom(0, marker, flag, pos))
        return Tvx_String();
    return text.getSubStringAt(pos + marker.length());
}

Tvx_String removeLineComment(const Tvx_String& text) {
    const size_t comment = text.str().find(L"//");
    if (comment == std::wstring::npos)
        return text;
    return Tvx_String(withoutTrailingBlanks(text.str().substr(0, comment)));
}

Tvx_String removeComments(const Tvx_String& text) {
    const std::wstring& s = text.str();
    std::wstring out;
    size_t pos = 0;
    bool removed = false;
    while (pos < s.size()) {
        const size_t open = s.find(L"/*", pos);
        if (open == std::wstring::npos)
            break;
        out.append(s, pos, open - pos);
        const size_t close = s.find(L"*/", open + 2);
        pos = close == std::wstring::npos ? s.size() : close + 2;
        removed = true;
    }
    if (!removed)
        return text;
    out.append(s, pos, std::wstring::npos);
    return Tvx_String(withoutTrailingBlanks(std::move(out)));
}

Tvx_String getAlfabet(int number) {
    std::wstring letters;
    while (number > 0) {
        --number;
        letters.insert(letters.begin(), static_cast<wchar_t>(L'A' + number % 26));
        number /= 26;
    }
    return Tvx_String(std::move(letters));
}

bool findFirstNumbers(const Tvx_String& text, int& position, Tvx_String& digits) {
    const std::wstring& s = text.str();
    size_t start = 0;
    while (start < s.size() && !isDigit(s[start]))
        ++start;
    if (start == s.size()) {
        position = -1;
        digits = Tvx_String();
        return false;
    }
    size_t end = start;
    while (end < s.size() && isDigit(s[end]))
        ++end;
    position = static_cast<int>(start);
    digits = Tvx_String(s.substr(start, end - start));
    return true;
}

Tvx_String stripNumbersAtEnd(const Tvx_String& text) {
    std::wstring s = text.str();
    while (!s.empty() && isDigit(s.back()))
        s.pop_back();
    return Tvx_String(std::move(s));
}

void generateRandomString(int length, Tvx_String& text) {
    static constexpr std::wstring_view kAlphabet =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, kAlphabet.size() - 1);
    std::wstring out;
    for (int i = 0; i < length; ++i)
        out.push_back(kAlphabet[pick(generator)]);
    text = Tvx_String(std::move(out));
}

Tvx_String appStrs(const Tvx_String& a, const Tvx_String& b, const Tvx_String& c,
                   const Tvx_String& d, const Tvx_String& e) {
    return a + b + c + d + e;
}

Tvx_String append(const Tvx_String& text, int number) {
    return text + Tvx_String(number);
}

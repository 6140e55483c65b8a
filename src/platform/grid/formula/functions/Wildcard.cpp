// Matching of wildcard patterns with backtracking over the last "*" only, which
// keeps the cost at most the product of the two lengths.
#include "platform/grid/formula/functions/Wildcard.h"

#include <string>
#include <vector>

#include "platform/core/Tvx_String.h"

namespace formula {
namespace {

struct PatternItem {
    enum Kind { Literal, AnyOne, AnyRun } kind;
    wchar_t c;
};

std::vector<PatternItem> compile(std::wstring_view pattern) {
    std::vector<PatternItem> items;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const wchar_t c = pattern[i];
        if (c == L'~' && i + 1 < pattern.size()) {
            items.push_back({PatternItem::Literal, foldCase(pattern[++i])});
        } else if (c == L'*') {
            items.push_back({PatternItem::AnyRun, c});
        } else if (c == L'?') {
            items.push_back({PatternItem::AnyOne, c});
        } else {
            items.push_back({PatternItem::Literal, foldCase(c)});
        }
    }
    return items;
}

// Whether items match text exactly (whole text), classic two-pointer glob match.
bool matchItems(const std::vector<PatternItem>& items, std::wstring_view text) {
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t starItem = std::wstring::npos;
    std::size_t starText = 0;
    while (t < text.size()) {
        if (p < items.size() && items[p].kind != PatternItem::AnyRun &&
            (items[p].kind == PatternItem::AnyOne || items[p].c == foldCase(text[t]))) {
            ++p;
            ++t;
        } else if (p < items.size() && items[p].kind == PatternItem::AnyRun) {
            starItem = p++;
            starText = t;
        } else if (starItem != std::wstring::npos) {
            p = starItem + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < items.size() && items[p].kind == PatternItem::AnyRun)
        ++p;
    return p == items.size();
}

}  // namespace

bool wildcardMatches(std::wstring_view pattern, std::wstring_view text) {
    return matchItems(compile(pattern), text);
}

int wildcardFind(std::wstring_view pattern, std::wstring_view text, int start) {
    auto items = compile(pattern);
    items.push_back({PatternItem::AnyRun, L'*'});
    for (std::size_t at = static_cast<std::size_t>(start); at <= text.size(); ++at) {
        if (matchItems(items, text.substr(at)))
            return static_cast<int>(at);
    }
    return -1;
}

bool hasWildcards(std::wstring_view pattern) {
    return pattern.find_first_of(L"*?~") != std::wstring_view::npos;
}

}  // namespace formula

// Names found with letter case ignored.
#include "platform/core/FoldedNameIndex.h"

#include "platform/core/Tvx_String.h"

namespace {

// foldCase, with the ASCII letters (nearly every name) folded in line.
wchar_t folded(wchar_t c) {
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
    return foldCase(c);
}

}  // namespace

std::size_t FoldedNameIndex::FoldedHash::operator()(std::wstring_view name) const {
    // FNV-1a over the folded characters: equal names (letter case ignored)
    // hash alike.
    std::size_t hash = 14695981039346656037ull;
    for (wchar_t c : name) {
        hash ^= static_cast<std::size_t>(folded(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool FoldedNameIndex::FoldedEqual::operator()(std::wstring_view a, std::wstring_view b) const {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (folded(a[i]) != folded(b[i]))
            return false;
    }
    return true;
}

bool FoldedNameIndex::add(std::wstring_view name, int index) {
    if (indices_.find(name) != indices_.end())
        return false;
    indices_.emplace(std::wstring(name), index);
    return true;
}

int FoldedNameIndex::find(std::wstring_view name) const {
    const auto found = indices_.find(name);
    return found == indices_.end() ? -1 : found->second;
}

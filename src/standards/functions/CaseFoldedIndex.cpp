// The letter-case-blind row index of the look-up tables.
#include "standards/functions/CaseFoldedIndex.h"

#include "platform/core/Tvx_String.h"

std::size_t CaseFoldedIndex::FoldedHash::operator()(std::wstring_view text) const {
    // FNV-1a over the folded characters.
    std::size_t hash = 14695981039346656037ull;
    for (const wchar_t c : text) {
        hash ^= static_cast<std::size_t>(foldCase(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

bool CaseFoldedIndex::FoldedEqual::operator()(std::wstring_view a, std::wstring_view b) const {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i]))
            return false;
    }
    return true;
}

void CaseFoldedIndex::add(std::wstring_view key, int row) {
    if (rows_.find(key) == rows_.end())
        rows_.emplace(std::wstring(key), row);
}

int CaseFoldedIndex::find(std::wstring_view key) const {
    const auto found = rows_.find(key);
    return found == rows_.end() ? -1 : found->second;
}

// The library's cache of parsed and printed formulas.
#include "platform/grid/formula/parser/FormulaCache.h"

#include <functional>

#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"

namespace formula {

std::size_t FormulaCache::KeyHash::operator()(const Key& key) const noexcept {
    std::size_t hash = std::hash<std::wstring>()(key.text);
    for (std::size_t part :
         {static_cast<std::size_t>(key.column), static_cast<std::size_t>(key.row),
          static_cast<std::size_t>(key.style)}) {
        hash ^= part + 0x9e3779b97f4a7c15ULL + (hash << 6) + (hash >> 2);
    }
    return hash;
}

FormulaCache& FormulaCache::shared() {
    static FormulaCache cache;
    return cache;
}

FormulaCache::Entry* FormulaCache::entry(std::wstring_view text, int column, int row,
                                         ReferenceStyle style, ParseError* error) {
    Key key{std::wstring(text), column, row, style};
    const auto found = entries_.find(key);
    if (found != entries_.end())
        return &found->second;
    std::optional<Formula> parsed = parseFormula(text, column, row, style, error);
    if (!parsed)
        return nullptr;
    if (entries_.size() >= kMaxFormulas)
        entries_.clear();
    return &entries_.emplace(std::move(key), Entry{std::move(*parsed), {}}).first->second;
}

std::optional<Formula> FormulaCache::parse(std::wstring_view text, int column, int row,
                                           ReferenceStyle style, ParseError* error) {
    const Entry* kept = entry(text, column, row, style, error);
    if (!kept)
        return std::nullopt;
    return kept->formula;
}

std::optional<std::wstring> FormulaCache::printed(std::wstring_view text, int column, int row,
                                                  ReferenceStyle style, ReferenceStyle printStyle) {
    Entry* kept = entry(text, column, row, style, nullptr);
    if (!kept)
        return std::nullopt;
    std::optional<std::wstring>& printed = kept->printed[static_cast<std::size_t>(printStyle)];
    if (!printed)
        printed = printFormula(kept->formula, column, row, printStyle);
    return printed;
}

}  // namespace formula

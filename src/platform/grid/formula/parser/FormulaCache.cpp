// The library's cache of parsed and printed formulas.
#include "platform/grid/formula/parser/FormulaCache.h"

#include <functional>

#include "platform/grid/formula/parser/FormulaPrinter.h"
#include "platform/grid/formula/parser/Parser.h"

namespace formula {

std::size_t FormulaCache::KeyHash::operator()(const KeyView& key) const noexcept {
    std::size_t hash = std::hash<std::wstring_view>()(key.text);
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
    const auto found = entries_.find(KeyView{text, column, row, style});
    if (found != entries_.end())
        return &found->second;
    std::optional<Formula> parsed = parseFormula(text, column, row, style, error);
    if (!parsed)
        return nullptr;
    if (entries_.size() >= kMaxFormulas)
        entries_.clear();
    Entry entry{std::make_shared<const Formula>(std::move(*parsed)), {}};
    return &entries_.emplace(Key{std::wstring(text), column, row, style}, std::move(entry))
                .first->second;
}

std::shared_ptr<const Formula> FormulaCache::parse(std::wstring_view text, int column, int row,
                                                   ReferenceStyle style, ParseError* error) {
    const Entry* kept = entry(text, column, row, style, error);
    return kept ? kept->formula : nullptr;
}

const std::wstring& FormulaCache::printedIn(Entry& entry, int column, int row,
                                            ReferenceStyle printStyle) {
    std::optional<std::wstring>& printed = entry.printed[static_cast<std::size_t>(printStyle)];
    if (!printed)
        printed = printFormula(*entry.formula, column, row, printStyle);
    return *printed;
}

const std::wstring* FormulaCache::printed(std::wstring_view text, int column, int row,
                                          ReferenceStyle style, ReferenceStyle printStyle) {
    Entry* kept = entry(text, column, row, style, nullptr);
    return kept ? &printedIn(*kept, column, row, printStyle) : nullptr;
}

FormulaCache::Kept FormulaCache::parseAndPrint(std::wstring_view text, int column, int row,
                                               ReferenceStyle style, ReferenceStyle printStyle) {
    Entry* kept = entry(text, column, row, style, nullptr);
    if (!kept)
        return {};
    return {kept->formula, &printedIn(*kept, column, row, printStyle)};
}

}  // namespace formula

// Parsed formulas kept per text, so that a formula set again and again (the
// same equation at every evaluation of a standards sheet) is parsed and
// printed once.
//
// Parsing is a pure function of the text, the cell it is parsed for (relative
// references are resolved against it) and the reference style, so a kept
// result is exactly what parsing again would give. A parsed formula is never
// changed once kept, so engines share it instead of copying it. Texts that do not parse are
// not kept. At most kMaxFormulas results are kept; when one more is to be kept,
// all are dropped first. The cache is the formula library's own, shared by all
// engines; clear() empties it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/grid/formula/Reference.h"
#include "platform/grid/formula/parser/Formula.h"
#include "platform/grid/formula/parser/ParseError.h"

namespace formula {

class FormulaCache {
  public:
    static constexpr std::size_t kMaxFormulas = 4096;

    // The library's cache.
    static FormulaCache& shared();

    // parseFormula(text, column, row, style, error), kept; null when the text
    // does not parse. The formula stays valid while the caller holds it, even
    // after the cache is cleared.
    std::shared_ptr<const Formula> parse(std::wstring_view text, int column, int row,
                                         ReferenceStyle style, ParseError* error = nullptr);
    // printFormula(parse(...), column, row, printStyle), kept; null when the
    // text does not parse. Valid until the cache is next changed.
    const std::wstring* printed(std::wstring_view text, int column, int row, ReferenceStyle style,
                                ReferenceStyle printStyle);
    // Both at once, with one look-up: the kept formula (null when the text
    // does not parse) and its text printed in printStyle (null then too).
    struct Kept {
        std::shared_ptr<const Formula> formula;
        const std::wstring* printed = nullptr;
    };
    Kept parseAndPrint(std::wstring_view text, int column, int row, ReferenceStyle style,
                       ReferenceStyle printStyle);
    void clear() { entries_.clear(); }

  private:
    // A key is looked up by a view of the text, without copying it.
    struct KeyView {
        std::wstring_view text;
        int column;
        int row;
        ReferenceStyle style;
    };
    struct Key {
        std::wstring text;
        int column;
        int row;
        ReferenceStyle style;
        KeyView view() const { return {text, column, row, style}; }
    };
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(const KeyView& key) const noexcept;
        std::size_t operator()(const Key& key) const noexcept { return (*this)(key.view()); }
    };
    struct KeyEqual {
        using is_transparent = void;
        static bool same(const KeyView& a, const KeyView& b) {
            return a.column == b.column && a.row == b.row && a.style == b.style && a.text == b.text;
        }
        bool operator()(const Key& a, const Key& b) const { return same(a.view(), b.view()); }
        bool operator()(const KeyView& a, const Key& b) const { return same(a, b.view()); }
        bool operator()(const Key& a, const KeyView& b) const { return same(a.view(), b); }
    };
    struct Entry {
        std::shared_ptr<const Formula> formula;
        std::optional<std::wstring> printed[3];  // by print style
    };
    // The kept entry, parsed now when missing; null when the text does not parse.
    Entry* entry(std::wstring_view text, int column, int row, ReferenceStyle style,
                 ParseError* error);
    // The entry's formula printed in the style, printed now when missing.
    static const std::wstring& printedIn(Entry& entry, int column, int row,
                                         ReferenceStyle printStyle);

    std::unordered_map<Key, Entry, KeyHash, KeyEqual> entries_;
};

}  // namespace formula

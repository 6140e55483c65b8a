// Parsed formulas kept per text, so that a formula set again and again (the
// same equation at every evaluation of a standards sheet) is parsed and
// printed once.
//
// Parsing is a pure function of the text, the cell it is parsed for (relative
// references are resolved against it) and the reference style, so a kept
// result is exactly what parsing again would give. Texts that do not parse are
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

    // parseFormula(text, column, row, style, error), kept.
    std::optional<Formula> parse(std::wstring_view text, int column, int row, ReferenceStyle style,
                                 ParseError* error = nullptr);
    // printFormula(parse(...), column, row, printStyle), kept; nothing when
    // the text does not parse.
    std::optional<std::wstring> printed(std::wstring_view text, int column, int row,
                                        ReferenceStyle style, ReferenceStyle printStyle);
    void clear() { entries_.clear(); }

  private:
    struct Key {
        std::wstring text;
        int column;
        int row;
        ReferenceStyle style;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const noexcept;
    };
    struct Entry {
        Formula formula;
        std::optional<std::wstring> printed[3];  // by print style
    };
    // The kept entry, parsed now when missing; null when the text does not parse.
    Entry* entry(std::wstring_view text, int column, int row, ReferenceStyle style,
                 ParseError* error);

    std::unordered_map<Key, Entry, KeyHash> entries_;
};

}  // namespace formula

// Rows found by their key text without regard to letter case, by one hash
// probe instead of a comparison with every row.
//
// Keys are equal as Tvx_String::equal with its flag clear finds them equal:
// the same length and the same characters after foldCase. Of several rows
// with equal keys, the first one added is kept, so a probe gives the row a
// search from the top would find.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class CaseFoldedIndex {
  public:
    // Adds a row under key unless an equal key is held already.
    void add(std::wstring_view key, int row);
    // The row of the key equal to key; -1 when none.
    int find(std::wstring_view key) const;

  private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view text) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::wstring_view a, std::wstring_view b) const;
    };
    std::unordered_map<std::wstring, int, FoldedHash, FoldedEqual> rows_;
};

// FoldedNameIndex: names (variable names, the keys of look-up tables) found
// by one hash probe with letter case ignored (the comparison of
// Tvx_String::equal with its flag clear: the same length and the same
// characters after foldCase), keeping the first index given to each name, so
// that a probe gives what a search from the top would find; no folded key is
// built per look-up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class FoldedNameIndex {
  public:
    // Records name at index unless a name equal to it (letter case ignored) is
    // already recorded; false, the first index kept, in that case. Any name is
    // accepted, the empty one included.
    bool add(std::wstring_view name, int index);
    // The index recorded for name (letter case ignored); -1 when none.
    int find(std::wstring_view name) const;
    // Forgets every name.
    void clear() { indices_.clear(); }
    std::size_t size() const { return indices_.size(); }

  private:
    struct FoldedHash {
        using is_transparent = void;
        std::size_t operator()(std::wstring_view name) const;
    };
    struct FoldedEqual {
        using is_transparent = void;
        bool operator()(std::wstring_view a, std::wstring_view b) const;
    };
    std::unordered_map<std::wstring, int, FoldedHash, FoldedEqual> indices_;
};

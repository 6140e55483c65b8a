// Tvx_Array: the core module's growable array, indexed from 0 with int.
//
// Out-of-range positions never crash: insertAt clamps its position into
// [0, length], removeAt of a position outside the array does nothing and returns
// false. Indexing with operator[] requires a valid index (asserted).
#pragma once

#include <algorithm>
#include <cassert>
#include <initializer_list>
#include <type_traits>
#include <vector>

namespace tvx_array_detail {

// One bool in its own byte: std::vector<bool> packs bits and cannot hand out a
// bool&, which the array's indexing promises.
struct BoolSlot {
    bool value = false;
    BoolSlot() = default;
    BoolSlot(bool v) : value(v) {}
    operator bool() const { return value; }
    friend bool operator==(const BoolSlot&, const BoolSlot&) = default;
};

template <typename T>
using Stored = std::conditional_t<std::is_same_v<T, bool>, BoolSlot, T>;

inline bool& element(BoolSlot& slot) {
    return slot.value;
}
inline const bool& element(const BoolSlot& slot) {
    return slot.value;
}
template <typename T>
T& element(T& item) {
    return item;
}

}  // namespace tvx_array_detail

template <typename T>
class Tvx_Array {
  public:
    Tvx_Array() = default;
    Tvx_Array(std::initializer_list<T> items) : items_(items.begin(), items.end()) {}
    explicit Tvx_Array(const std::vector<T>& items) : items_(items.begin(), items.end()) {}

    int length() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }

    T& operator[](int i) {
        assert(i >= 0 && i < length() && "Tvx_Array index out of range");
        return tvx_array_detail::element(items_[static_cast<size_t>(i)]);
    }
    const T& operator[](int i) const {
        assert(i >= 0 && i < length() && "Tvx_Array index out of range");
        return tvx_array_detail::element(items_[static_cast<size_t>(i)]);
    }
    T& first() { return (*this)[0]; }
    T& last() { return (*this)[length() - 1]; }
    const T& first() const { return (*this)[0]; }
    const T& last() const { return (*this)[length() - 1]; }

    // Appends and returns the index of the new element.
    int append(const T& item) {
        items_.push_back(item);
        return length() - 1;
    }
    void append(const Tvx_Array& other) {
        items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    }
    void insertAt(int pos, const T& item) {
        pos = std::clamp(pos, 0, length());
        items_.insert(items_.begin() + pos, item);
    }
    bool removeAt(int pos) {
        if (pos < 0 || pos >= length())
            return false;
        items_.erase(items_.begin() + pos);
        return true;
    }
    // Grows with default values or shrinks to n elements (n < 0 counts as 0).
    void setLogicalLength(int n) { items_.resize(static_cast<size_t>(std::max(n, 0))); }
    void removeAll() { items_.clear(); }

    // Finds the first element equal to item from index start; sets index.
    bool find(const T& item, int& index, int start = 0) const {
        for (int i = std::max(start, 0); i < length(); ++i) {
            if (tvx_array_detail::element(items_[static_cast<size_t>(i)]) == item) {
                index = i;
                return true;
            }
        }
        return false;
    }
    bool contains(const T& item) const {
        int index = 0;
        return find(item, index);
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    const std::vector<tvx_array_detail::Stored<T>>& items() const { return items_; }
    std::vector<tvx_array_detail::Stored<T>>& items() { return items_; }

    friend bool operator==(const Tvx_Array& a, const Tvx_Array& b) { return a.items_ == b.items_; }

  private:
    std::vector<tvx_array_detail::Stored<T>> items_;
};

using Tvx_IntArray = Tvx_Array<int>;
using Tvx_DoubleArray = Tvx_Array<double>;
using Tvx_BoolArray = Tvx_Array<bool>;

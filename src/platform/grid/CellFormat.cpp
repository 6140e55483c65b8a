// Cell format settings: merging, masking, hashing and the interning table.
#include "platform/grid/CellFormat.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <functional>
#include <string_view>

namespace grid {
namespace {

template <typename T>
void takeIfPresent(std::optional<T>& target, const std::optional<T>& source) {
    if (source)
        target = source;
}

template <typename T, typename M>
void dropIfPresent(std::optional<T>& target, const std::optional<M>& mask) {
    if (mask)
        target.reset();
}

template <typename T, typename M>
std::optional<T> keepIfPresent(const std::optional<T>& value, const std::optional<M>& mask) {
    return mask ? value : std::nullopt;
}

bool holdsNothingButType(const CellFormat& format) {
    for (const auto& border : format.borders) {
        if (border)
            return false;
    }
    return !format.font && !format.alignment && !format.locked && !format.background &&
           !format.foreground;
}

// Mixes the fields of a format into one hash; cheap for the usual format of a
// few numbers and empty texts.
class HashMixer {
  public:
    void add(std::uint64_t value) {
        seed_ = (seed_ ^ value) * 0x100000001b3ULL;
        seed_ ^= seed_ >> 29;
    }
    // 0 and -0 are equal, so they hash alike.
    void add(double value) { add(std::bit_cast<std::uint64_t>(value == 0 ? 0.0 : value)); }
    void add(const std::wstring& text) {
        add(static_cast<std::uint64_t>(text.size()));
        if (!text.empty())
            add(static_cast<std::uint64_t>(std::hash<std::wstring_view>{}(text)));
    }
    size_t result() const { return static_cast<size_t>(seed_ ^ (seed_ >> 32)); }

  private:
    std::uint64_t seed_ = 0xcbf29ce484222325ULL;
};

}  // namespace

bool CellFormat::isEmpty() const {
    return !type && holdsNothingButType(*this);
}

bool CellFormat::holdsOnlyType() const {
    return type && holdsNothingButType(*this);
}

void CellFormat::overlay(const CellFormat& patch) {
    takeIfPresent(type, patch.type);
    takeIfPresent(font, patch.font);
    takeIfPresent(alignment, patch.alignment);
    takeIfPresent(locked, patch.locked);
    takeIfPresent(background, patch.background);
    takeIfPresent(foreground, patch.foreground);
    for (size_t i = 0; i < borders.size(); ++i)
        takeIfPresent(borders[i], patch.borders[i]);
}

void CellFormat::erase(const CellFormat& mask) {
    dropIfPresent(type, mask.type);
    dropIfPresent(font, mask.font);
    dropIfPresent(alignment, mask.alignment);
    dropIfPresent(locked, mask.locked);
    dropIfPresent(background, mask.background);
    dropIfPresent(foreground, mask.foreground);
    for (size_t i = 0; i < borders.size(); ++i)
        dropIfPresent(borders[i], mask.borders[i]);
}

CellFormat CellFormat::restrictedTo(const CellFormat& mask) const {
    CellFormat kept;
    kept.type = keepIfPresent(type, mask.type);
    kept.font = keepIfPresent(font, mask.font);
    kept.alignment = keepIfPresent(alignment, mask.alignment);
    kept.locked = keepIfPresent(locked, mask.locked);
    kept.background = keepIfPresent(background, mask.background);
    kept.foreground = keepIfPresent(foreground, mask.foreground);
    for (size_t i = 0; i < borders.size(); ++i) {
        kept.borders[i] = keepIfPresent(borders[i], mask.borders[i]);
    }
    return kept;
}

size_t CellFormatHash::operator()(const CellFormat& format) const noexcept {
    using U = std::uint64_t;
    HashMixer mix;
    // One word tells which settings are present, then the present ones follow,
    // the small ones packed together.
    U present = static_cast<U>(format.type.has_value()) |
                static_cast<U>(format.font.has_value()) << 1 |
                static_cast<U>(format.alignment.has_value()) << 2 |
                static_cast<U>(format.locked.has_value()) << 3 |
                static_cast<U>(format.background.has_value()) << 4 |
                static_cast<U>(format.foreground.has_value()) << 5;
    for (size_t i = 0; i < format.borders.size(); ++i)
        present |= static_cast<U>(format.borders[i].has_value()) << (6 + i);
    mix.add(present);
    if (const auto& t = format.type) {
        mix.add(static_cast<U>(t->kind) | static_cast<U>(t->style) << 8 |
                static_cast<U>(t->thousandsSeparator) << 40);
        mix.add(static_cast<U>(static_cast<std::uint32_t>(t->maxLength)) |
                static_cast<U>(static_cast<std::uint32_t>(t->decimals)) << 32);
        mix.add(t->minimum);
        mix.add(t->maximum);
        mix.add(t->text);
        mix.add(t->pictureOff);
        mix.add(t->pictureOn);
    }
    if (const auto& f = format.font) {
        mix.add(f->face);
        mix.add(static_cast<U>(static_cast<std::uint32_t>(f->height)) |
                static_cast<U>(static_cast<std::uint32_t>(f->weight)) << 32);
    }
    const Alignment alignment = format.alignment.value_or(Alignment{});
    mix.add(static_cast<U>(alignment.horizontal) | static_cast<U>(alignment.vertical) << 8 |
            static_cast<U>(format.locked.value_or(false)) << 16);
    mix.add(static_cast<U>(format.background.value_or(0)) |
            static_cast<U>(format.foreground.value_or(0)) << 32);
    for (const auto& border : format.borders) {
        if (border)
            mix.add(static_cast<U>(border->style) | static_cast<U>(border->color) << 8);
    }
    return mix.result();
}

FormatTable::FormatTable() {
    formats_.emplace_back();
    ids_.emplace(CellFormatHash{}(formats_.front()), 0);
}

std::uint32_t FormatTable::intern(const CellFormat& format) {
    const size_t hash = CellFormatHash{}(format);
    for (auto [kept, end] = ids_.equal_range(hash); kept != end; ++kept) {
        if (formats_[kept->second] == format)
            return kept->second;
    }
    const auto id = static_cast<std::uint32_t>(formats_.size());
    formats_.push_back(format);
    ids_.emplace(hash, id);
    return id;
}
std::uint32_t FormatTable::overlaid(std::uint32_t base, const CellFormat& patch) {
    assert(base < formats_.size());
    if (patch.holdsOnlyType())
        return withType(base, *patch.type);
    CellFormat format = formats_[base];
    format.overlay(patch);
    return intern(format);
}

std::uint32_t FormatTable::withType(std::uint32_t base, const CellType& type) {
    assert(base < formats_.size());
    for (const TypeAnswer& answer : typeAnswers_) {
        if (answer.base == base && answer.type == type)
            return answer.result;
    }
    CellFormat format = formats_[base];
    format.type = type;
    const std::uint32_t result = intern(format);
    TypeAnswer answer{base, result, type};
    if (typeAnswers_.size() < kTypeAnswers) {
        typeAnswers_.push_back(std::move(answer));
    } else {
        typeAnswers_[oldestTypeAnswer_] = std::move(answer);
        oldestTypeAnswer_ = (oldestTypeAnswer_ + 1) % kTypeAnswers;
    }
    return result;
}

}  // namespace grid

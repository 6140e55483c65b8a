// Cell format settings: merging, masking, hashing and the interning table.
#include "platform/grid/CellFormat.h"

#include <functional>

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

class HashMixer {
  public:
    template <typename T>
    void add(const T& value) {
        seed_ ^= std::hash<T>{}(value) + 0x9e3779b97f4a7c15ULL + (seed_ << 6) + (seed_ >> 2);
    }
    template <typename T, typename AddFields>
    void addOptional(const std::optional<T>& value, AddFields addFields) {
        add(value.has_value());
        if (value)
            addFields(*value);
    }
    size_t result() const { return seed_; }

  private:
    size_t seed_ = 0;
};

}  // namespace

bool CellFormat::isEmpty() const {
    for (const auto& border : borders) {
        if (border)
            return false;
    }
    return !type && !font && !alignment && !locked && !background && !foreground;
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
    HashMixer mix;
    mix.addOptional(format.type, [&](const CellType& t) {
        mix.add(static_cast<int>(t.kind));
        mix.add(t.style);
        mix.add(t.maxLength);
        mix.add(t.decimals);
        mix.add(t.minimum);
        mix.add(t.maximum);
        mix.add(t.thousandsSeparator);
        mix.add(t.text);
        mix.add(t.pictureOff);
        mix.add(t.pictureOn);
    });
    mix.addOptional(format.font, [&](const CellFont& f) {
        mix.add(f.face);
        mix.add(f.height);
        mix.add(f.weight);
    });
    mix.addOptional(format.alignment, [&](const Alignment& a) {
        mix.add(static_cast<int>(a.horizontal));
        mix.add(static_cast<int>(a.vertical));
    });
    mix.addOptional(format.locked, [&](bool locked) { mix.add(locked); });
    mix.addOptional(format.background, [&](Color c) { mix.add(c); });
    mix.addOptional(format.foreground, [&](Color c) { mix.add(c); });
    for (const auto& border : format.borders) {
        mix.addOptional(border, [&](const BorderLine& b) {
            mix.add(static_cast<int>(b.style));
            mix.add(b.color);
        });
    }
    return mix.result();
}

FormatTable::FormatTable() {
    formats_.emplace_back();
    ids_.emplace(CellFormat{}, 0);
}

std::uint32_t FormatTable::intern(const CellFormat& format) {
    const auto found = ids_.find(format);
    if (found != ids_.end())
        return found->second;
    const auto id = static_cast<std::uint32_t>(formats_.size());
    formats_.push_back(format);
    ids_.emplace(format, id);
    return id;
}

}  // namespace grid

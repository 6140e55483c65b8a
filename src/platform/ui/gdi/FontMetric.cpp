// The drawing layer's font metric (table in the header).
#include "platform/ui/gdi/FontMetric.h"

#include <cstdint>

namespace {

constexpr int kDefaultHeight = 13;

int effectiveHeight(const TextFont& font) {
    return font.height > 0 ? font.height : kDefaultHeight;
}

bool isBold(const TextFont& font) {
    return font.weight >= 600;
}

bool isWideEastAsian(wchar_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0x20000 && c <= 0x3FFFD);
}

int divideRoundingUp(std::int64_t value, std::int64_t divisor) {
    return static_cast<int>((value + divisor - 1) / divisor);
}

}  // namespace

int characterUnits(wchar_t c) {
    if (c < 0x20 && c != L'\t')
        return 0;
    if (c == 0x7F)
        return 0;
    if (std::wstring_view(L"'`.,:;|!ijlI ").find(c) != std::wstring_view::npos)
        return 4;
    if (std::wstring_view(L"frt()[]{}\"/\\-\t").find(c) != std::wstring_view::npos)
        return 5;
    if (c == L'm' || c == L'w')
        return 11;
    if (c == L'M' || c == L'W' || c == L'@' || c == L'%')
        return 13;
    if (c >= L'a' && c <= L'z')
        return 7;
    if (c >= L'A' && c <= L'Z')
        return 9;
    if (isWideEastAsian(c))
        return 16;
    return 8;
}

CSize textExtent(const TextFont& font, std::wstring_view text) {
    std::int64_t units = 0;
    const int extra = isBold(font) ? 1 : 0;
    for (const wchar_t c : text) {
        const int width = characterUnits(c);
        if (width > 0)
            units += width + extra;
    }
    const int height = effectiveHeight(font);
    return CSize(divideRoundingUp(units * height, 16), height);
}

FontMeasures fontMeasures(const TextFont& font) {
    const int height = effectiveHeight(font);
    const int extra = isBold(font) ? 1 : 0;
    FontMeasures m;
    m.height = height;
    m.ascent = divideRoundingUp(std::int64_t{height} * 4, 5);
    m.descent = height - m.ascent;
    m.averageWidth = divideRoundingUp(std::int64_t{height} * 7, 16) + extra;
    m.maxWidth = height + extra;
    return m;
}

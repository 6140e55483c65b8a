// Pixel access of in-memory pictures.
#include "platform/ui/gdi/PixelImage.h"

#include <algorithm>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

PixelImage::PixelImage(int width, int height, bool monochrome, COLORREF fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), monochrome_(monochrome) {
    if (monochrome_)
        fill = (fill & 0xFFFFFF) == kWhite ? kWhite : 0;
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill & 0xFFFFFF);
}

COLORREF PixelImage::getPixel(int x, int y) const {
    if (!contains(x, y))
        return CLR_INVALID;
    return pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
}

void PixelImage::setPixel(int x, int y, COLORREF colour) {
    if (!contains(x, y))
        return;
    colour &= 0xFFFFFF;
    if (monochrome_ && colour != kWhite)
        colour = 0;
    pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = colour;
}

void PixelImage::fillRect(const RECT& rect, COLORREF colour) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, width_);
    const int bottom = std::min(rect.bottom, height_);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x)
            setPixel(x, y, colour);
    }
}

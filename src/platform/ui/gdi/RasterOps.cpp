// Raster operations and block transfers between pictures.
#include "platform/ui/gdi/RasterOps.h"

#include <algorithm>

namespace {

constexpr COLORREF kAllBits = 0xFFFFFF;
constexpr COLORREF kWhite = RGB(255, 255, 255);

COLORREF toMonochrome(COLORREF colour, COLORREF background) {
    return (colour & kAllBits) == (background & kAllBits) ? kWhite : 0;
}

}  // namespace

COLORREF applyRop3(DWORD rop, COLORREF brush, COLORREF source, COLORREF destination) {
    const unsigned table = (rop >> 16) & 0xFF;
    COLORREF result = 0;
    for (unsigned combination = 0; combination < 8; ++combination) {
        if (!(table & (1u << combination)))
            continue;
        const COLORREF p = (combination & 4) ? brush : ~brush;
        const COLORREF s = (combination & 2) ? source : ~source;
        const COLORREF d = (combination & 1) ? destination : ~destination;
        result |= p & s & d;
    }
    return result & kAllBits;
}

void bitBlt(PixelImage& destination, int x, int y, int width, int height, const PixelImage* source,
            int sx, int sy, DWORD rop, const BlitColours& colours) {
    // Clip against the destination, then against the source.
    int left = std::max({0, x, source ? x - sx : 0});
    int top = std::max({0, y, source ? y - sy : 0});
    int right = std::min(x + width, destination.width());
    int bottom = std::min(y + height, destination.height());
    if (source) {
        right = std::min(right, x + (source->width() - sx));
        bottom = std::min(bottom, y + (source->height() - sy));
    }
    const COLORREF brush = destination.isMonochrome() ? toMonochrome(colours.brush, kWhite)
                                                      : (colours.brush & kAllBits);
    for (int dy = top; dy < bottom; ++dy) {
        for (int dx = left; dx < right; ++dx) {
            COLORREF s = 0;
            if (source) {
                s = source->getPixel(dx - x + sx, dy - y + sy);
                if (destination.isMonochrome() && !source->isMonochrome()) {
                    s = toMonochrome(s, colours.sourceBackground);
                } else if (!destination.isMonochrome() && source->isMonochrome()) {
                    s = s == kWhite ? colours.destinationBackground : colours.destinationText;
                }
            }
            destination.setPixel(dx, dy, applyRop3(rop, brush, s, destination.getPixel(dx, dy)));
        }
    }
}

PixelImage makeMonochromeMask(const PixelImage& picture, COLORREF transparent) {
    PixelImage mask(picture.width(), picture.height(), true);
    BlitColours colours;
    colours.sourceBackground = transparent;
    bitBlt(mask, 0, 0, picture.width(), picture.height(), &picture, 0, 0, SRCCOPY, colours);
    return mask;
}

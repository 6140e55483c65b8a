// The BMP reader and writer (layout in the header).
#include "platform/ui/gdi/BmpFormat.h"

#include <bit>
#include <cstdint>
#include <vector>

#include "platform/core/FileBytes.h"

namespace {

constexpr std::uint32_t kPlain = 0;
constexpr std::uint32_t kBitFields = 3;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

std::uint32_t u16(std::string_view b, size_t at) {
    return static_cast<std::uint8_t>(b[at]) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8;
}

std::uint32_t u32(std::string_view b, size_t at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// One channel of a bit-field pixel, scaled to 0..255.
std::uint32_t channel(std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t max = mask >> shift;
    return ((pixel & mask) >> shift) * 255 / max;
}

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    std::uint32_t bits = 0;
    std::uint32_t compression = kPlain;
    std::uint32_t colours = 0;
    std::uint32_t masks[3] = {0, 0, 0};
    size_t paletteAt = 0;
    size_t paletteEntrySize = 4;
};

bool fail(std::string* error, const char* why) {
    if (error)
        *error = why;
    return false;
}

std::optional<PixelImage> refuse(std::string* error, const char* why) {
    fail(error, why);
    return std::nullopt;
}

bool readHeader(std::string_view b, Header& h, std::string* error) {
    if (b.size() < 18 || b[0] != 'B' || b[1] != 'M')
        return fail(error, "not a BMP file");
    const std::uint32_t headerSize = u32(b, 14);
    if (headerSize == 12) {
        if (b.size() < 26)
            return fail(error, "BMP header cut short");
        h.width = u16(b, 18);
        h.height = u16(b, 20);
        h.bits = u16(b, 24);
        h.paletteAt = 26;
        h.paletteEntrySize = 3;
        return true;
    }
    if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124) {
        return fail(error, "unsupported BMP header size");
    }
    if (b.size() < 14 + static_cast<size_t>(headerSize))
        return fail(error, "BMP header cut short");
    h.width = static_cast<std::int32_t>(u32(b, 18));
    h.height = static_cast<std::int32_t>(u32(b, 22));
    h.bits = u16(b, 28);
    h.compression = u32(b, 30);
    h.colours = u32(b, 46);
    h.paletteAt = 14 + headerSize;
    if (h.compression == kBitFields) {
        size_t masksAt = 54;
        if (headerSize == 40) {
            if (b.size() < 66)
                return fail(error, "BMP bit-field masks cut short");
            h.paletteAt = 66;
        }
        for (int i = 0; i < 3; ++i)
            h.masks[i] = u32(b, masksAt + 4 * static_cast<size_t>(i));
    } else if (h.compression != kPlain) {
        return fail(error, "compressed BMP files are not supported");
    }
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    return true;
}

}  // namespace

std::optional<PixelImage> readBmp(std::string_view b, std::string* error) {
    Header h;
    if (!readHeader(b, h, error))
        return std::nullopt;
    if (h.width <= 0 || h.height <= 0)
        return refuse(error, "BMP picture has no pixels");
    if (h.width * h.height > kMaxPixels)
        return refuse(error, "BMP picture too large");
    const bool paletted = h.bits == 1 || h.bits == 4 || h.bits == 8;
    const bool supported = paletted || h.bits == 16 || h.bits == 24 || h.bits == 32;
    if (!supported || (h.compression == kBitFields && h.bits != 16 && h.bits != 32)) {
        return refuse(error, "unsupported BMP bits per pixel");
    }
    if (h.compression == kPlain && h.bits == 16) {
        h.masks[0] = 0x7C00;
        h.masks[1] = 0x03E0;
        h.masks[2] = 0x001F;
    }

    std::vector<COLORREF> palette;
    if (paletted) {
        const std::uint32_t count =
            h.colours == 0 || h.colours > (1u << h.bits) ? 1u << h.bits : h.colours;
        if (h.paletteAt + count * h.paletteEntrySize > b.size()) {
            return refuse(error, "BMP palette cut short");
        }
        for (std::uint32_t i = 0; i < count; ++i) {
            const size_t at = h.paletteAt + i * h.paletteEntrySize;
            palette.push_back(RGB(static_cast<std::uint8_t>(b[at + 2]),
                                  static_cast<std::uint8_t>(b[at + 1]),
                                  static_cast<std::uint8_t>(b[at])));
        }
    }
    const size_t stride = static_cast<size_t>((h.width * h.bits + 31) / 32) * 4;
    const size_t pixelsAt = u32(b, 10);
    if (pixelsAt > b.size() || (b.size() - pixelsAt) / stride < static_cast<size_t>(h.height)) {
        return refuse(error, "BMP pixel data cut short");
    }
    const bool monochrome = h.bits == 1 && palette.size() == 2 && palette[0] == RGB(0, 0, 0) &&
                            palette[1] == RGB(255, 255, 255);
    PixelImage image(static_cast<int>(h.width), static_cast<int>(h.height), monochrome);
    for (int row = 0; row < image.height(); ++row) {
        const size_t rowAt = pixelsAt + stride * static_cast<size_t>(row);
        const int y = h.topDown ? row : image.height() - 1 - row;
        for (int x = 0; x < image.width(); ++x) {
            COLORREF colour = 0;
            if (paletted) {
                const size_t bitPos = static_cast<size_t>(x) * h.bits;
                const std::uint8_t byte = static_cast<std::uint8_t>(b[rowAt + bitPos / 8]);
                const unsigned index = (byte >> (8 - h.bits - bitPos % 8)) & ((1u << h.bits) - 1);
                colour = index < palette.size() ? palette[index] : RGB(0, 0, 0);
            } else if (h.bits == 24) {
                const size_t at = rowAt + static_cast<size_t>(x) * 3;
                colour =
                    RGB(static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
                        static_cast<std::uint8_t>(b[at]));
            } else {
                const size_t at = rowAt + static_cast<size_t>(x) * (h.bits / 8);
                const std::uint32_t pixel = h.bits == 16 ? u16(b, at) : u32(b, at);
                if (h.compression == kPlain && h.bits == 32) {
                    colour = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
                } else {
                    colour = RGB(static_cast<int>(channel(pixel, h.masks[0])),
                                 static_cast<int>(channel(pixel, h.masks[1])),
                                 static_cast<int>(channel(pixel, h.masks[2])));
                }
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

std::string writeBmp(const PixelImage& image, int bitsPerPixel) {
    if (image.isEmpty() || (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32)) {
        return {};
    }
    const std::uint32_t paletteSize = bitsPerPixel == 1 ? 8 : 0;
    const std::uint32_t stride =
        static_cast<std::uint32_t>((image.width() * bitsPerPixel + 31) / 32) * 4;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(image.height());
    const std::uint32_t pixelsAt = 54 + paletteSize;
    std::string out = "BM";
    put32(out, pixelsAt + pixelBytes);
    put32(out, 0);
    put32(out, pixelsAt);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(image.width()));
    put32(out, static_cast<std::uint32_t>(image.height()));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    put32(out, kPlain);
    put32(out, pixelBytes);
    put32(out, 3780);
    put32(out, 3780);
    put32(out, bitsPerPixel == 1 ? 2 : 0);
    put32(out, 0);
    if (bitsPerPixel == 1) {
        put32(out, 0x000000);
        put32(out, 0xFFFFFF);
    }
    for (int y = image.height() - 1; y >= 0; --y) {
        std::string row;
        if (bitsPerPixel == 1) {
            row.assign(stride, '\0');
            for (int x = 0; x < image.width(); ++x) {
                if (image.getPixel(x, y) == RGB(255, 255, 255)) {
                    row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
                }
            }
        } else {
            for (int x = 0; x < image.width(); ++x) {
                const COLORREF c = image.getPixel(x, y);
                row += static_cast<char>(GetBValue(c));
                row += static_cast<char>(GetGValue(c));
                row += static_cast<char>(GetRValue(c));
                if (bitsPerPixel == 32)
                    row += static_cast<char>(0xFF);
            }
            row.resize(stride, '\0');
        }
        out += row;
    }
    return out;
}

std::optional<PixelImage> loadBmpFile(const Tvx_String& path, std::string* error) {
    const auto bytes = readFileBytes(path);
    if (!bytes) {
        if (error)
            *error = "cannot read file";
        return std::nullopt;
    }
    return readBmp(*bytes, error);
}

bool saveBmpFile(const Tvx_String& path, const PixelImage& image, int bitsPerPixel) {
    const std::string bytes = writeBmp(image, bitsPerPixel);
    return !bytes.empty() && writeFileBytes(path, bytes);
}

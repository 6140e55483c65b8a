// A small PNG writer with stored deflate blocks.
#include "platform/ui/render/PngEncoder.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

std::uint32_t crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char byte : bytes)
        c = table[(c ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t adler32(const std::string& bytes) {
    std::uint32_t a = 1, b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<std::uint8_t>(byte)) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void putBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    out += typed;
    putBigEndian(out, crc32(typed));
}

std::string zlibStored(const std::string& raw) {
    std::string out = "\x78\x01";
    size_t pos = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - pos, 65535);
        const bool last = pos + length == raw.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(raw, pos, length);
        pos += length;
    } while (pos < raw.size());
    putBigEndian(out, adler32(raw));
    return out;
}

}  // namespace

std::string encodePng(const PixelImage& picture, const RECT& rect) {
    const int left = std::max<int>(rect.left, 0);
    const int top = std::max<int>(rect.top, 0);
    const int right = std::min(rect.right, picture.width());
    const int bottom = std::min(rect.bottom, picture.height());
    if (left >= right || top >= bottom)
        return {};
    std::string rows;
    for (int y = top; y < bottom; ++y) {
        rows += '\0';  // filter: none
        for (int x = left; x < right; ++x) {
            const COLORREF c = picture.getPixel(x, y);
            rows += static_cast<char>(GetRValue(c));
            rows += static_cast<char>(GetGValue(c));
            rows += static_cast<char>(GetBValue(c));
        }
    }
    std::string header;
    putBigEndian(header, static_cast<std::uint32_t>(right - left));
    putBigEndian(header, static_cast<std::uint32_t>(bottom - top));
    header +=
        std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", zlibStored(rows));
    putChunk(png, "IEND", "");
    return png;
}

std::string encodePng(const PixelImage& picture) {
    return encodePng(picture, RECT{0, 0, picture.width(), picture.height()});
}

std::string base64(const std::string& bytes) {
    static const char* alphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const std::uint32_t n = static_cast<std::uint8_t>(bytes[i]) << 16 |
                                static_cast<std::uint8_t>(bytes[i + 1]) << 8 |
                                static_cast<std::uint8_t>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            out += alphabet[(n >> shift) & 63];
    }
    if (i < bytes.size()) {
        std::uint32_t n = static_cast<std::uint8_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            n |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
        out += alphabet[(n >> 18) & 63];
        out += alphabet[(n >> 12) & 63];
        out += i + 1 < bytes.size() ? alphabet[(n >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

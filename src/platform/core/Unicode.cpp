// UTF-8, UTF-16 and Windows-1252 decoding and UTF-8 encoding.
#include "platform/core/Unicode.h"

#include <array>
#include <cstdint>

namespace unicode {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

void appendUtf8(std::string& out, char32_t c) {
    if (!isScalarValue(c))
        c = kReplacement;
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at bytes[pos]; returns its length, or 0 when the
// bytes there are not a well-formed sequence.
size_t decodeUtf8At(std::string_view bytes, size_t pos, char32_t& out) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(bytes[i]); };
    const uint8_t lead = byte(pos);
    if (lead < 0x80) {
        out = lead;
        return 1;
    }
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > bytes.size())
        return 0;
    for (size_t i = 1; i < length; ++i) {
        const uint8_t next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || !isScalarValue(value))
        return 0;
    out = value;
    return length;
}

std::wstring decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    const auto unitAt = [&](size_t i) -> char32_t {
        const auto a = static_cast<uint8_t>(bytes[i]);
        const auto b = static_cast<uint8_t>(bytes[i + 1]);
        return bigEndian ? (a << 8) | b : (b << 8) | a;
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out.push_back(
                    static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
                i += 2;
                continue;
            }
        }
        out.push_back(static_cast<wchar_t>(isScalarValue(unit) ? unit : kReplacement));
    }
    return out;
}

// Code points of the bytes 0x80 to 0x9F in Windows-1252.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string toUtf8(std::wstring_view text) {
    // Paths and names are mostly ASCII: that part is copied byte for byte.
    size_t ascii = 0;
    while (ascii < text.size() && static_cast<char32_t>(text[ascii]) < 0x80)
        ++ascii;
    std::string out(ascii, '\0');
    for (size_t i = 0; i < ascii; ++i)
        out[i] = static_cast<char>(text[i]);
    if (ascii == text.size())
        return out;
    out.reserve(text.size() + (text.size() - ascii) * 3);
    for (wchar_t c : text.substr(ascii))
        appendUtf8(out, static_cast<char32_t>(c));
    return out;
}

std::wstring fromUtf8(std::string_view bytes) {
    size_t pos = 0;
    while (pos < bytes.size() && static_cast<uint8_t>(bytes[pos]) < 0x80)
        ++pos;
    std::wstring out(pos, L'\0');
    for (size_t i = 0; i < pos; ++i)
        out[i] = static_cast<wchar_t>(bytes[i]);
    if (pos == bytes.size())
        return out;
    out.reserve(bytes.size());
    while (pos < bytes.size()) {
        char32_t c = 0;
        const size_t length = decodeUtf8At(bytes, pos, c);
        if (length == 0) {
            out.push_back(static_cast<wchar_t>(kReplacement));
            ++pos;
        } else {
            out.push_back(static_cast<wchar_t>(c));
            pos += length;
        }
    }
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        char32_t c = 0;
        const size_t length = decodeUtf8At(bytes, pos, c);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

std::wstring fromWindows1252(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto byte = static_cast<uint8_t>(b);
        if (byte >= 0x80 && byte < 0xA0) {
            out.push_back(static_cast<wchar_t>(kWindows1252High[byte - 0x80]));
        } else {
            out.push_back(static_cast<wchar_t>(byte));
        }
    }
    return out;
}

std::wstring decodeText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (bytes.starts_with("\xFF\xFE"))
        return decodeUtf16(bytes.substr(2), false);
    else if (bytes.starts_with("\xFE\xFF"))
        return decodeUtf16(bytes.substr(2), true);
    if (isValidUtf8(bytes))
        return fromUtf8(bytes);
    return fromWindows1252(bytes);
}

}  // namespace unicode

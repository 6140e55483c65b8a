// Quoting, number and colour texts, and the line tokenizer of the sheet file.
#include "platform/grid/SheetFileSyntax.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/core/Unicode.h"

namespace grid::sheetfile {
namespace {

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool needsCodeEscape(wchar_t c) {
    const auto code = static_cast<std::uint32_t>(c);
    return code < 0x20 || code == 0x7F || (code >= 0x80 && code < 0xA0) ||
           (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF;
}

std::string narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) {
        if (static_cast<std::uint32_t>(c) > 0x7F)
            return {};
        out.push_back(static_cast<char>(c));
    }
    return out;
}

int hexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

// Reads a quoted text starting at text[pos] == '"'; leaves pos after the closing quote.
std::optional<std::wstring> readQuoted(std::wstring_view text, size_t& pos, std::string& error) {
    std::wstring value;
    ++pos;
    while (pos < text.size()) {
        const wchar_t c = text[pos++];
        if (c == L'"')
            return value;
        if (c != L'\\') {
            value += c;
            continue;
        }
        if (pos >= text.size())
            break;
        const wchar_t escape = text[pos++];
        switch (escape) {
            case L'"':
                value += L'"';
                break;
            case L'\\':
                value += L'\\';
                break;
            case L'n':
                value += L'\n';
                break;
            case L'r':
                value += L'\r';
                break;
            case L't':
                value += L'\t';
                break;
            case L'u': {
                if (pos >= text.size() || text[pos] != L'{') {
                    error = "expected '{' after \\u";
                    return std::nullopt;
                }
                ++pos;
                std::uint64_t code = 0;
                int digits = 0;
                for (; pos < text.size() && hexDigit(text[pos]) >= 0 && digits < 9;
                     ++pos, ++digits) {
                    code = code * 16 + static_cast<std::uint64_t>(hexDigit(text[pos]));
                }
                if (digits == 0 || digits > 8 || pos >= text.size() || text[pos] != L'}') {
                    error = "expected 1 to 8 hex digits and '}' in \\u{...}";
                    return std::nullopt;
                }
                ++pos;
                value += static_cast<wchar_t>(code);
                break;
            }
            default:
                error = "unknown escape '\\" + forMessage(std::wstring(1, escape)) + "'";
                return std::nullopt;
        }
    }
    error = "text in quotes is not closed";
    return std::nullopt;
}

size_t wordEnd(std::wstring_view text, size_t pos) {
    while (pos < text.size() && !isBlank(text[pos]) && text[pos] != L'=' && text[pos] != L'"')
        ++pos;
    return pos;
}

}  // namespace

std::wstring quote(std::wstring_view text) {
    std::wstring out = L"\"";
    for (wchar_t c : text) {
        switch (c) {
            case L'"':
                out += L"\\\"";
                break;
            case L'\\':
                out += L"\\\\";
                break;
            case L'\n':
                out += L"\\n";
                break;
            case L'\r':
                out += L"\\r";
                break;
            case L'\t':
                out += L"\\t";
                break;
            default:
                if (needsCodeEscape(c)) {
                    wchar_t buffer[16];
                    std::swprintf(buffer, 16, L"\\u{%X}", static_cast<unsigned>(c));
                    out += buffer;
                } else {
                    out += c;
                }
        }
    }
    out += L'"';
    return out;
}

std::wstring formatNumber(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::wstring(buffer, result.ptr);
}

std::wstring formatColor(std::uint32_t color) {
    wchar_t buffer[16];
    std::swprintf(buffer, 16, L"#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return buffer;
}

std::optional<ParsedLine> parseLine(std::wstring_view text, std::string& error) {
    ParsedLine line;
    size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
    };
    skipBlanks();
    size_t end = wordEnd(text, pos);
    line.keyword = text.substr(pos, end - pos);
    pos = end;
    for (skipBlanks(); pos < text.size(); skipBlanks()) {
        if (text[pos] == L'"' || text[pos] == L'=') {
            error = "expected a word or key=value, found '" + forMessage(text.substr(pos, 1)) + "'";
            return std::nullopt;
        }
        end = wordEnd(text, pos);
        std::wstring word(text.substr(pos, end - pos));
        pos = end;
        if (pos >= text.size() || text[pos] != L'=') {
            if (!line.attributes.empty()) {
                error = "word '" + forMessage(word) + "' after key=value attributes";
                return std::nullopt;
            }
            line.words.push_back(std::move(word));
            continue;
        }
        ++pos;
        Attribute attribute{std::move(word), L"", false};
        for (const Attribute& seen : line.attributes) {
            if (seen.key == attribute.key) {
                error = "key '" + forMessage(attribute.key) + "' given twice";
                return std::nullopt;
            }
        }
        if (pos < text.size() && text[pos] == L'"') {
            std::optional<std::wstring> value = readQuoted(text, pos, error);
            if (!value)
                return std::nullopt;
            attribute.value = std::move(*value);
            attribute.quoted = true;
        } else {
            end = wordEnd(text, pos);
            attribute.value = text.substr(pos, end - pos);
            pos = end;
        }
        if (pos < text.size() && !isBlank(text[pos])) {
            error = "expected a blank after the value of '" + forMessage(attribute.key) + "'";
            return std::nullopt;
        }
        line.attributes.push_back(std::move(attribute));
    }
    return line;
}

std::optional<int> readInt(std::wstring_view text) {
    const std::string digits = narrow(text);
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value);
    if (digits.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> readUnsigned(std::wstring_view text) {
    std::string digits = narrow(text);
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits = digits.substr(2);
        base = 16;
    }
    std::uint32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<double> readNumber(std::wstring_view text) {
    const std::string digits = narrow(text);
    double value = 0;
    const char* end = digits.data() + digits.size();
    const auto result = std::from_chars(digits.data(), end, value);
    if (digits.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::uint32_t> readColor(std::wstring_view text) {
    if (text.size() != 7 || text[0] != L'#')
        return std::nullopt;
    std::uint32_t rgb = 0;
    for (size_t i = 1; i < 7; ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0)
            return std::nullopt;
        rgb = rgb * 16 + static_cast<std::uint32_t>(digit);
    }
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::string forMessage(std::wstring_view text) {
    constexpr size_t kLongest = 40;
    std::string out = unicode::toUtf8(text.substr(0, kLongest));
    if (text.size() > kLongest)
        out += "...";
    return out;
}

}  // namespace grid::sheetfile

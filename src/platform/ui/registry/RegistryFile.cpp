// Reading and writing the registry stand-in's text file (format in the header).
#include "platform/ui/registry/RegistryFile.h"

#include <charconv>
#include <cstring>

#include "platform/core/Unicode.h"

namespace registry {
namespace {

constexpr std::string_view kVersionLine = "vtss-registry 1";
constexpr DWORD kStringType = 1;
constexpr DWORD kDwordType = 4;

std::string quote(std::wstring_view text) {
    std::string out = "\"";
    for (const char c : unicode::toUtf8(text)) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

// Reads a quoted text at line[pos]; moves pos past it. False when it is not one.
bool unquote(std::string_view line, size_t& pos, std::wstring& text) {
    if (pos >= line.size() || line[pos] != '"')
        return false;
    std::string bytes;
    for (size_t i = pos + 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            pos = i + 1;
            text = unicode::fromUtf8(bytes);
            return true;
        }
        if (c == '\\') {
            if (++i >= line.size())
                return false;
            switch (line[i]) {
                case 'n':
                    c = '\n';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case 't':
                    c = '\t';
                    break;
                case '\\':
                    c = '\\';
                    break;
                case '"':
                    c = '"';
                    break;
                default:
                    return false;
            }
        }
        bytes += c;
    }
    return false;
}

std::wstring stringOf(const RegistryValue& value) {
    std::wstring text(value.data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), value.data.data(), text.size() * sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

RegistryValue stringValue(const std::wstring& text) {
    RegistryValue value{kStringType, std::vector<BYTE>((text.size() + 1) * sizeof(wchar_t))};
    std::memcpy(value.data.data(), text.c_str(), value.data.size());
    return value;
}

std::string dataText(const RegistryValue& value) {
    if (value.type == kStringType && value.data.size() % sizeof(wchar_t) == 0) {
        return "sz:" + quote(stringOf(value));
    }
    if (value.type == kDwordType && value.data.size() == sizeof(DWORD)) {
        DWORD number = 0;
        std::memcpy(&number, value.data.data(), sizeof number);
        return "dword:" + std::to_string(number);
    }
    static const char* digits = "0123456789abcdef";
    std::string out = "hex(" + std::to_string(value.type) + "):";
    for (size_t i = 0; i < value.data.size(); ++i) {
        if (i > 0)
            out += ',';
        out += digits[value.data[i] >> 4];
        out += digits[value.data[i] & 15];
    }
    return out;
}

template <typename Number>
bool parseNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parseHexBytes(std::string_view text, std::vector<BYTE>& bytes) {
    while (!text.empty()) {
        const size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        unsigned byte = 0;
        if (item.size() != 2)
            return false;
        const auto [end, error] = std::from_chars(item.data(), item.data() + 2, byte, 16);
        if (error != std::errc() || end != item.data() + 2)
            return false;
        bytes.push_back(static_cast<BYTE>(byte));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (text.empty())
            return false;
    }
    return true;
}

bool parseData(std::string_view text, RegistryValue& value) {
    if (text.starts_with("sz:")) {
        size_t pos = 3;
        std::wstring content;
        if (!unquote(text, pos, content) || pos != text.size())
            return false;
        value = stringValue(content);
        return true;
    }
    if (text.starts_with("dword:")) {
        DWORD number = 0;
        if (!parseNumber(text.substr(6), number))
            return false;
        value.type = kDwordType;
        value.data.resize(sizeof number);
        std::memcpy(value.data.data(), &number, sizeof number);
        return true;
    }
    if (text.starts_with("hex(")) {
        const size_t close = text.find("):");
        if (close == std::string_view::npos)
            return false;
        value.data.clear();
        return parseNumber(text.substr(4, close - 4), value.type) &&
               parseHexBytes(text.substr(close + 2), value.data);
    }
    return false;
}

void setValue(RegistryKey& key, const std::wstring& name, RegistryValue value) {
    for (auto& [existing, stored] : key.values) {
        if (existing == name) {
            stored = std::move(value);
            return;
        }
    }
    key.values.emplace_back(name, std::move(value));
}

}  // namespace

std::string writeRegistryText(const std::vector<RegistryKey>& keys) {
    std::string text(kVersionLine);
    text += '\n';
    for (const RegistryKey& key : keys) {
        text += "[" + unicode::toUtf8(key.path) + "]\n";
        for (const auto& [name, value] : key.values) {
            text += quote(name) + "=" + dataText(value) + "\n";
        }
    }
    return text;
}

std::vector<RegistryKey> readRegistryText(std::string_view bytes) {
    std::vector<RegistryKey> keys;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line == kVersionLine)
            continue;
        if (line.front() == '[' && line.back() == ']' && line.size() > 2) {
            keys.push_back({unicode::fromUtf8(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        size_t pos = 0;
        std::wstring name;
        RegistryValue value;
        if (keys.empty() || !unquote(line, pos, name) || pos >= line.size() || line[pos] != '=' ||
            !parseData(line.substr(pos + 1), value)) {
            continue;
        }
        setValue(keys.back(), name, std::move(value));
    }
    return keys;
}

}  // namespace registry

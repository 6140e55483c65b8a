// The keyed properties list and its text file (format in the header).
#include "platform/core/Tvx_PropertiesList.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/core/PathText.h"
#include "platform/core/TextFile.h"

namespace {

constexpr std::wstring_view kIntWord = L"int";
constexpr std::wstring_view kDoubleWord = L"double";
constexpr std::wstring_view kStringWord = L"string";

bool isAllowedKey(const Tvx_String& key) {
    return !key.isEmpty() && key.str().find_first_of(L"=\n\r") == std::wstring::npos;
}

std::wstring escapeText(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text) {
        switch (c) {
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
                out += c;
        }
    }
    return out;
}

std::optional<std::wstring> unescapeText(std::wstring_view text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
            case L'\\':
                out += L'\\';
                break;
            case L'n':
                out += L'\n';
                break;
            case L'r':
                out += L'\r';
                break;
            case L't':
                out += L'\t';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::wstring formatDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::wstring(buffer, result.ptr);
}

// The value text as ASCII, or nothing when it holds anything else.
std::optional<std::string> asciiOf(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) {
        if (c <= 0 || c >= 0x80)
            return std::nullopt;
        out += static_cast<char>(c);
    }
    return out;
}

std::optional<int> parseInt(std::wstring_view text) {
    std::optional<std::string> ascii = asciiOf(text);
    if (!ascii || ascii->empty())
        return std::nullopt;
    const char* begin = ascii->data();
    if (*begin == '+') {
        if (ascii->size() == 1 || begin[1] == '-')
            return std::nullopt;
        ++begin;
    }
    const char* end = ascii->data() + ascii->size();
    int value = 0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<double> parseDouble(std::wstring_view text) {
    std::optional<std::string> ascii = asciiOf(text);
    if (!ascii || ascii->empty())
        return std::nullopt;
    const char* end = ascii->data() + ascii->size();
    double value = 0;
    const auto result = std::from_chars(ascii->data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

}  // namespace

bool Tvx_PropertiesList::set(const Tvx_String& key, std::variant<int, double, Tvx_String> value) {
    if (!isAllowedKey(key))
        return false;
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            entry.value = std::move(value);
            return true;
        }
    }
    entries_.push_back(Entry{key, std::move(value)});
    return true;
}

bool Tvx_PropertiesList::setInt(const Tvx_String& key, int value) {
    return set(key, value);
}

bool Tvx_PropertiesList::setDouble(const Tvx_String& key, double value) {
    return set(key, value);
}

bool Tvx_PropertiesList::setString(const Tvx_String& key, const Tvx_String& value) {
    return set(key, value);
}

const Tvx_PropertiesList::Entry* Tvx_PropertiesList::find(const Tvx_String& key) const {
    for (const Entry& entry : entries_) {
        if (entry.key == key)
            return &entry;
    }
    return nullptr;
}

bool Tvx_PropertiesList::getInt(const Tvx_String& key, int& value) const {
    const Entry* entry = find(key);
    if (entry == nullptr || !std::holds_alternative<int>(entry->value))
        return false;
    value = std::get<int>(entry->value);
    return true;
}

bool Tvx_PropertiesList::getDouble(const Tvx_String& key, double& value) const {
    const Entry* entry = find(key);
    if (entry == nullptr)
        return false;
    if (const int* whole = std::get_if<int>(&entry->value)) {
        value = *whole;
        return true;
    }
    if (const double* number = std::get_if<double>(&entry->value)) {
        value = *number;
        return true;
    }
    return false;
}

bool Tvx_PropertiesList::getString(const Tvx_String& key, Tvx_String& value) const {
    const Entry* entry = find(key);
    if (entry == nullptr || !std::holds_alternative<Tvx_String>(entry->value))
        return false;
    value = std::get<Tvx_String>(entry->value);
    return true;
}

bool Tvx_PropertiesList::hasKey(const Tvx_String& key) const {
    return find(key) != nullptr;
}

bool Tvx_PropertiesList::removeKey(const Tvx_String& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->key == key) {
            entries_.erase(it);
            return true;
        }
    }
    return false;
}

bool Tvx_PropertiesList::keyAt(int i, Tvx_String& key, ValueType& type) const {
    if (i < 0 || i >= length())
        return false;
    const Entry& entry = entries_[static_cast<size_t>(i)];
    key = entry.key;
    type = static_cast<ValueType>(entry.value.index());
    return true;
}

Tvx_String Tvx_PropertiesList::toText() const {
    std::wstring text;
    for (const Entry& entry : entries_) {
        if (const int* whole = std::get_if<int>(&entry.value)) {
            text +=
                std::wstring(kIntWord) + L' ' + entry.key.str() + L'=' + std::to_wstring(*whole);
        } else if (const double* number = std::get_if<double>(&entry.value)) {
            text +=
                std::wstring(kDoubleWord) + L' ' + entry.key.str() + L'=' + formatDouble(*number);
        } else {
            text += std::wstring(kStringWord) + L' ' + entry.key.str() + L'=' +
                    escapeText(std::get<Tvx_String>(entry.value).str());
        }
        text += L'\n';
    }
    return Tvx_String(std::move(text));
}

bool Tvx_PropertiesList::readFromText(const Tvx_String& text, const Tvx_String& sourceName,
                                      Tvx_String* error) {
    return readFromLines(splitLines(text.str()), sourceName, error);
}

bool Tvx_PropertiesList::readFromLines(const Tvx_StringArray& lines, const Tvx_String& sourceName,
                                       Tvx_String* error) {
    Tvx_PropertiesList read;
    for (int number = 1; number <= lines.length(); ++number) {
        const std::wstring& line = lines[number - 1].str();
        if (line.find_first_not_of(L" \t") == std::wstring::npos || line.front() == L'#')
            continue;
        std::optional<std::wstring> problem;
        const size_t space = line.find(L' ');
        const size_t equals = line.find(L'=');
        const std::wstring_view type = std::wstring_view(line).substr(0, space);
        if (space == std::wstring::npos ||
            (type != kIntWord && type != kDoubleWord && type != kStringWord)) {
            problem = L"expected \"int\", \"double\" or \"string\" before the key";
        } else if (equals == std::wstring::npos || equals < space) {
            problem = L"expected '=' after the key";
        } else if (equals == space + 1) {
            problem = L"expected a key before '='";
        } else {
            const Tvx_String key(line.substr(space + 1, equals - space - 1));
            const std::wstring_view value = std::wstring_view(line).substr(equals + 1);
            const std::wstring keyName = L" '" + key.str() + L"'";
            if (type == kIntWord) {
                const std::optional<int> whole = parseInt(value);
                if (whole)
                    read.setInt(key, *whole);
                else
                    problem = L"expected a whole number for key" + keyName;
            } else if (type == kDoubleWord) {
                const std::optional<double> number = parseDouble(value);
                if (number)
                    read.setDouble(key, *number);
                else
                    problem = L"expected a number for key" + keyName;
            } else {
                const std::optional<std::wstring> unescaped = unescapeText(value);
                if (unescaped)
                    read.setString(key, Tvx_String(*unescaped));
                else
                    problem = L"unknown escape sequence in the text of key" + keyName;
            }
        }
        if (problem) {
            if (error != nullptr) {
                *error = sourceName + Tvx_String(L":" + std::to_wstring(number) + L": " + *problem);
            }
            return false;
        }
    }
    *this = std::move(read);
    return true;
}

bool Tvx_PropertiesList::readFromFile(const Tvx_String& path, Tvx_String* error) {
    Tvx_String fileName;
    getFileName(path, fileName);
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        if (error != nullptr)
            *error = fileName + Tvx_String(L": cannot be read");
        return false;
    }
    return readFromLines(lines, fileName, error);
}

bool Tvx_PropertiesList::writeToFile(const Tvx_String& path) const {
    return ObjectExportWriteFile(path, splitLines(toText().str()));
}

bool operator==(const Tvx_PropertiesList& a, const Tvx_PropertiesList& b) {
    if (a.entries_.size() != b.entries_.size())
        return false;
    for (size_t i = 0; i < a.entries_.size(); ++i) {
        const auto& x = a.entries_[i];
        const auto& y = b.entries_[i];
        if (x.key != y.key || x.value.index() != y.value.index())
            return false;
        if (const double* number = std::get_if<double>(&x.value)) {
            const double other = std::get<double>(y.value);
            const bool sameNumber =
                (std::isnan(*number) && std::isnan(other)) ||
                std::bit_cast<std::uint64_t>(*number) == std::bit_cast<std::uint64_t>(other);
            if (!sameNumber)
                return false;
        } else if (x.value != y.value) {
            return false;
        }
    }
    return true;
}

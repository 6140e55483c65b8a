// Tvx_SimplePropsList: typed entries, their text form and their file form.
#include "sheeteditor/Tvx_SimplePropsList.h"

#include <algorithm>
#include <limits>
#include <string>
#include <unordered_map>

#include "platform/core/FileBytes.h"
#include "platform/core/NumberText.h"
#include "platform/core/Unicode.h"

namespace {

constexpr wchar_t kFieldEnd = L'\u00A4';
constexpr char kFileFieldEnd = '\xA4';

// The atol rule: leading blanks, an optional sign, the digits that follow;
// 0 when there are none, saturating beyond the range.
std::int64_t parseLeadingLong(std::wstring_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-'))
        negative = text[i++] == L'-';
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        const int digit = text[i] - L'0';
        if (magnitude > (kMax - digit) / 10)
            return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
        magnitude = magnitude * 10 + digit;
    }
    return negative ? -magnitude : magnitude;
}

// Wide text as Windows-1252 bytes, the reverse of unicode::fromWindows1252;
// characters the code page lacks become '?'.
std::string toWindows1252(const std::wstring& text) {
    static const std::unordered_map<wchar_t, char> table = [] {
        std::unordered_map<wchar_t, char> map;
        for (int byte = 0; byte < 256; ++byte) {
            const std::string one(1, static_cast<char>(byte));
            map.emplace(unicode::fromWindows1252(one).at(0), static_cast<char>(byte));
        }
        return map;
    }();
    std::string bytes;
    bytes.reserve(text.size());
    for (wchar_t c : text) {
        const auto it = table.find(c);
        bytes.push_back(it == table.end() ? '?' : it->second);
    }
    return bytes;
}

Tvx_String valueText(const std::variant<double, int, std::int64_t, Tvx_String>& value) {
    switch (value.index()) {
        case 0:
            return Tvx_String(numtext::formatFixed(std::get<double>(value), 2));
        case 1:
            return Tvx_String(std::to_wstring(std::get<int>(value)));
        case 2:
            return Tvx_String(std::to_wstring(std::get<std::int64_t>(value)));
        default:
            return std::get<Tvx_String>(value);
    }
}

}  // namespace

void Tvx_SimplePropsList::set(const Tvx_String& key, Value value) {
    for (Entry& entry : entries_) {
        if (entry.key == key) {
            entry.value = std::move(value);
            return;
        }
    }
    entries_.push_back(Entry{key, std::move(value)});
}

void Tvx_SimplePropsList::setDouble(const Tvx_String& key, double value) {
    set(key, value);
}
void Tvx_SimplePropsList::setInt(const Tvx_String& key, int value) {
    set(key, value);
}
void Tvx_SimplePropsList::setBool(const Tvx_String& key, bool value) {
    set(key, value ? 1 : 0);
}
void Tvx_SimplePropsList::setLong(const Tvx_String& key, std::int64_t value) {
    set(key, value);
}
void Tvx_SimplePropsList::setString(const Tvx_String& key, const Tvx_String& value) {
    set(key, value);
}

void Tvx_SimplePropsList::setAll(const Tvx_SimplePropsList& other) {
    for (const Entry& entry : other.entries_)
        set(entry.key, entry.value);
}

const Tvx_SimplePropsList::Entry* Tvx_SimplePropsList::find(const Tvx_String& key) const {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& e) { return e.key == key; });
    return it == entries_.end() ? nullptr : &*it;
}

template <typename T>
bool Tvx_SimplePropsList::get(const Tvx_String& key, T& value) const {
    const Entry* entry = find(key);
    if (entry == nullptr || !std::holds_alternative<T>(entry->value)) {
        value = T{};
        return false;
    }
    value = std::get<T>(entry->value);
    return true;
}

bool Tvx_SimplePropsList::getDouble(const Tvx_String& key, double& value) const {
    return get(key, value);
}
bool Tvx_SimplePropsList::getInt(const Tvx_String& key, int& value) const {
    return get(key, value);
}
bool Tvx_SimplePropsList::getBool(const Tvx_String& key, bool& value) const {
    int number = 0;
    const bool found = get(key, number);
    value = number != 0;
    return found;
}
bool Tvx_SimplePropsList::getLong(const Tvx_String& key, std::int64_t& value) const {
    return get(key, value);
}
bool Tvx_SimplePropsList::getString(const Tvx_String& key, Tvx_String& value) const {
    return get(key, value);
}

bool Tvx_SimplePropsList::hasKey(const Tvx_String& key) const {
    return find(key) != nullptr;
}

bool Tvx_SimplePropsList::removeKey(const Tvx_String& key) {
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const Entry& e) { return e.key == key; });
    if (it == entries_.end())
        return false;
    entries_.erase(it);
    return true;
}

bool Tvx_SimplePropsList::keyAt(int i, Tvx_String& key, Type& type) const {
    if (i < 0 || i >= length())
        return false;
    const Entry& entry = entries_[static_cast<size_t>(i)];
    key = entry.key;
    type = static_cast<Type>(entry.value.index() + 1);
    return true;
}

void Tvx_SimplePropsList::addFields(const Tvx_String& key, const Tvx_String& type,
                                    const Tvx_String& value) {
    switch (numtext::parseLeadingInt(type.str())) {
        case kDouble:
            set(key, numtext::parseLeadingDouble(value.str()));
            break;
        case kInt:
            set(key, numtext::parseLeadingInt(value.str()));
            break;
        case kLong:
            set(key, parseLeadingLong(value.str()));
            break;
        case kString:
            set(key, value);
            break;
        default:
            break;
    }
}

Tvx_String Tvx_SimplePropsList::toText() const {
    std::wstring text;
    for (const Entry& entry : entries_) {
        text += entry.key.str();
        text += kFieldEnd;
        text += std::to_wstring(entry.value.index() + 1);
        text += kFieldEnd;
        text += valueText(entry.value).str();
        text += kFieldEnd;
    }
    return Tvx_String(std::move(text));
}

void Tvx_SimplePropsList::fromText(const Tvx_String& text) {
    entries_.clear();
    std::vector<Tvx_String> fields;
    size_t start = 0;
    const std::wstring& chars = text.str();
    for (size_t end = chars.find(kFieldEnd); end != std::wstring::npos;
         end = chars.find(kFieldEnd, start)) {
        fields.emplace_back(chars.substr(start, end - start));
        start = end + 1;
        if (fields.size() == 3) {
            addFields(fields[0], fields[1], fields[2]);
            fields.clear();
        }
    }
}

bool Tvx_SimplePropsList::writeToFile(const Tvx_String& path) const {
    std::string bytes;
    for (const Entry& entry : entries_) {
        for (const std::wstring& field : {entry.key.str(), std::to_wstring(entry.value.index() + 1),
                                          valueText(entry.value).str()}) {
            bytes += toWindows1252(field);
            bytes += kFileFieldEnd;
        }
    }
    return writeFileBytes(path, bytes);
}

bool Tvx_SimplePropsList::readFromFile(const Tvx_String& path) {
    entries_.clear();
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return false;
    std::vector<Tvx_String> fields;
    std::string field;
    for (size_t i = 0; i < bytes->size(); ++i) {
        const char byte = (*bytes)[i];
        if (byte == '\r' && i + 1 < bytes->size() && (*bytes)[i + 1] == '\n')
            continue;
        if (byte != kFileFieldEnd) {
            field.push_back(byte);
            continue;
        }
        fields.emplace_back(unicode::fromWindows1252(field));
        field.clear();
        if (fields.size() == 3) {
            addFields(fields[0], fields[1], fields[2]);
            fields.clear();
        }
    }
    return true;
}

// VtSSSettings: the editor's page and print settings and their stored forms.
#include "sheeteditor/VtSSSettings.h"

#include <algorithm>
#include <string>
#include <variant>

#include "platform/core/Tvx_Settings.h"
#include "spread/TSpread.h"

namespace {

constexpr const wchar_t* kVarNamesKey = L"varNames";
constexpr const wchar_t* kVarValuesKey = L"varValues";

Tvx_String indexedKey(const wchar_t* key, int index) {
    return Tvx_String(key) + Tvx_String(std::to_wstring(index));
}

// True for the key followed by one or more decimal digits.
bool isIndexedKey(const Tvx_String& text, const wchar_t* key) {
    const Tvx_String prefix(key);
    if (!text.startsWith(prefix) || text.length() == prefix.length())
        return false;
    for (int i = prefix.length(); i < text.length(); ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return false;
    }
    return true;
}

// Reads list entries key0, key1, ... up to the first missing or non-string one.
Tvx_StringArray readIndexedList(const Tvx_SimplePropsList& list, const wchar_t* key) {
    Tvx_StringArray values;
    Tvx_String value;
    while (list.getString(indexedKey(key, values.length()), value))
        values.append(value);
    return values;
}

void writeIndexedList(Tvx_SimplePropsList& list, const wchar_t* key,
                      const Tvx_StringArray& values) {
    for (int i = 0; i < values.length(); ++i)
        list.setString(indexedKey(key, i), values[i]);
}

}  // namespace

// One keyed field: its key, the member it fills and that member's default.
struct VtSSSettings::KeyedField {
    const wchar_t* key;
    std::variant<Tvx_String VtSSSettings::*, int VtSSSettings::*, bool VtSSSettings::*> field;
    std::variant<const wchar_t*, int, bool> defaultValue;
};

const VtSSSettings::KeyedField VtSSSettings::kKeyedFields[] = {
    {L"headerFile", &VtSSSettings::headerFile_, L""},
    {L"footerFile", &VtSSSettings::footerFile_, L""},
    {L"defaultFont", &VtSSSettings::fontName_, L"Tahoma"},
    {L"defaultTextHeight", &VtSSSettings::textHeight_, 13},
    {L"marginLeft", &VtSSSettings::marginLeft_, 9},
    {L"marginRight", &VtSSSettings::marginRight_, 5},
    {L"marginTop", &VtSSSettings::marginTop_, 5},
    {L"marginBottom", &VtSSSettings::marginBottom_, 5},
    {L"smartPrint", &VtSSSettings::smartPrint_, true},
    {L"colors", &VtSSSettings::colors_, true},
    {L"colHeader", &VtSSSettings::colHeader_, true},
    {L"rowHeader", &VtSSSettings::rowHeader_, true},
    {L"cellSeperators", &VtSSSettings::cellSeparators_, true},
    {L"border", &VtSSSettings::border_, true},
};

VtSSSettings::VtSSSettings() {
    setDefaults();
}

VtSSSettings::~VtSSSettings() = default;

void VtSSSettings::setDefaults() {
    for (const KeyedField& keyed : kKeyedFields) {
        if (auto text = std::get_if<Tvx_String VtSSSettings::*>(&keyed.field)) {
            this->** text = Tvx_String(std::get<const wchar_t*>(keyed.defaultValue));
        } else if (auto number = std::get_if<int VtSSSettings::*>(&keyed.field)) {
            this->** number = std::get<int>(keyed.defaultValue);
        } else {
            this->*std::get<bool VtSSSettings::*>(keyed.field) = std::get<bool>(keyed.defaultValue);
        }
    }
    varNames_.removeAll();
    varValues_.removeAll();
    unknownKeys_.removeAll();
}

Tvx_SimplePropsList VtSSSettings::toList() const {
    Tvx_SimplePropsList list;
    for (const KeyedField& keyed : kKeyedFields) {
        if (auto text = std::get_if<Tvx_String VtSSSettings::*>(&keyed.field)) {
            list.setString(keyed.key, this->**text);
        } else if (auto number = std::get_if<int VtSSSettings::*>(&keyed.field)) {
            list.setInt(keyed.key, this->**number);
        } else {
            list.setBool(keyed.key, this->*std::get<bool VtSSSettings::*>(keyed.field));
        }
    }
    writeIndexedList(list, kVarNamesKey, varNames_);
    writeIndexedList(list, kVarValuesKey, varValues_);
    list.setAll(unknownKeys_);
    return list;
}

void VtSSSettings::readList(const Tvx_SimplePropsList& list) {
    setDefaults();
    for (const KeyedField& keyed : kKeyedFields) {
        if (auto text = std::get_if<Tvx_String VtSSSettings::*>(&keyed.field)) {
            Tvx_String value;
            if (list.getString(keyed.key, value))
                this->** text = value;
        } else if (auto number = std::get_if<int VtSSSettings::*>(&keyed.field)) {
            int value = 0;
            if (list.getInt(keyed.key, value))
                this->** number = value;
        } else {
            bool value = false;
            if (list.getBool(keyed.key, value))
                this->*std::get<bool VtSSSettings::*>(keyed.field) = value;
        }
    }
    varNames_ = readIndexedList(list, kVarNamesKey);
    varValues_ = readIndexedList(list, kVarValuesKey);
    const int count = std::min(varNames_.length(), varValues_.length());
    varNames_.setLogicalLength(count);
    varValues_.setLogicalLength(count);

    unknownKeys_ = list;
    for (const KeyedField& keyed : kKeyedFields)
        unknownKeys_.removeKey(keyed.key);
    Tvx_String key;
    Tvx_SimplePropsList::Type type;
    for (int i = 0; unknownKeys_.keyAt(i, key, type);) {
        if (isIndexedKey(key, kVarNamesKey) || isIndexedKey(key, kVarValuesKey)) {
            unknownKeys_.removeKey(key);
        } else {
            ++i;
        }
    }
}

Tvx_String VtSSSettings::textForm() const {
    return toList().toText();
}

void VtSSSettings::readTextForm(const Tvx_String& text) {
    Tvx_SimplePropsList list;
    list.fromText(text);
    readList(list);
}

bool VtSSSettings::readFromSheet(const TSpread& sheet) {
    Tvx_String tag;
    if (!sheet.GetCellTag(0, 0, tag))
        return false;
    valid_ = true;
    sheetWindow_ = sheet.GetSafeHwnd();
    readTextForm(tag);
    return true;
}

bool VtSSSettings::writeToSheet(TSpread& sheet) const {
    return valid_ && sheet.SetCellTag(0, 0, textForm());
}

Tvx_String VtSSSettings::filePath(const Tvx_String& name) {
    return gSettings.tvxDir() + name + Tvx_String(L".vtd");
}

bool VtSSSettings::load(const Tvx_String& name) {
    setDefaults();
    valid_ = true;
    Tvx_SimplePropsList list;
    if (!list.readFromFile(filePath(name)) || list.isEmpty())
        return false;
    readList(list);
    return true;
}

bool VtSSSettings::save(const Tvx_String& name) const {
    return valid_ && toList().writeToFile(filePath(name));
}

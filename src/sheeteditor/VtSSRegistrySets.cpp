// VtSSRegistrySets: the editor's language and default settings file in the
// registry.
#include "sheeteditor/VtSSRegistrySets.h"

#include <vector>

#include "platform/ui/registry/WinRegistry.h"

namespace {

constexpr const wchar_t* kEditorKey = L"Software\\Veltrane\\Spreadsheet Editor v1.0";
constexpr const wchar_t* kLanguageValue = L"Language";
constexpr const wchar_t* kDefaultSettingsValue = L"Default Settings";

// Closes a registry key when it goes out of scope.
class OpenKey {
  public:
    OpenKey() = default;
    ~OpenKey() {
        if (handle != nullptr)
            RegCloseKey(handle);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY handle = nullptr;
};

bool readString(HKEY key, const wchar_t* name, Tvx_String& value) {
    std::vector<wchar_t> buffer(VtSSRegistrySets::kMaxValueLength + 1, L'\0');
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return false;
    const size_t units = size / sizeof(wchar_t);
    value = Tvx_String(std::wstring(buffer.data(), wcsnlen(buffer.data(), units)));
    return true;
}

bool writeString(HKEY key, const wchar_t* name, const Tvx_String& value) {
    if (value.length() > VtSSRegistrySets::kMaxValueLength)
        return false;
    const DWORD size = static_cast<DWORD>((value.length() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          size) == ERROR_SUCCESS;
}

}  // namespace

VtSSRegistrySets::VtSSRegistrySets() = default;

VtSSRegistrySets::~VtSSRegistrySets() = default;

bool VtSSRegistrySets::read() {
    OpenKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kEditorKey, 0, KEY_READ, &key.handle) != ERROR_SUCCESS)
        return false;
    const bool languageRead = readString(key.handle, kLanguageValue, language_);
    const bool defaultRead = readString(key.handle, kDefaultSettingsValue, defaultSettings_);
    return languageRead && defaultRead;
}

bool VtSSRegistrySets::write() const {
    OpenKey key;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kEditorKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key.handle, nullptr) != ERROR_SUCCESS)
        return false;
    const bool languageWritten = writeString(key.handle, kLanguageValue, language_);
    const bool defaultWritten = writeString(key.handle, kDefaultSettingsValue, defaultSettings_);
    return languageWritten && defaultWritten;
}

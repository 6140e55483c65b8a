// Dialog sizes and on/off settings kept in the registry stand-in.
#include "platform/ui/registry/DialogMemory.h"

#include <climits>

#include "platform/ui/registry/WinRegistry.h"

namespace {

constexpr const wchar_t* kDialogsKey = L"Software\\vtss\\Dialogs\\";

std::optional<DWORD> readDword(const Tvx_String& dlgKey, const wchar_t* name) {
    if (dlgKey.isEmpty() || !name || !*name)
        return std::nullopt;
    HKEY key = nullptr;
    const std::wstring path = kDialogsKey + dlgKey.str();
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<LPBYTE>(&value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

bool writeDwords(const Tvx_String& dlgKey,
                 std::initializer_list<std::pair<const wchar_t*, DWORD>> values) {
    if (dlgKey.isEmpty())
        return false;
    HKEY key = nullptr;
    const std::wstring path = kDialogsKey + dlgKey.str();
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    bool ok = true;
    for (const auto& [name, value] : values) {
        ok = ok && RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                  sizeof value) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return ok;
}

}  // namespace

bool readDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& name, bool defaultValue) {
    const auto value = readDword(dlgKey, name.c_str());
    return value ? *value != 0 : defaultValue;
}

bool writeDlgRegBool(const Tvx_String& dlgKey, const Tvx_String& name, bool value) {
    if (name.isEmpty())
        return false;
    return writeDwords(dlgKey, {{name.c_str(), value ? 1u : 0u}});
}

namespace registry {

std::optional<CSize> readDialogSize(const Tvx_String& dlgKey) {
    const auto width = readDword(dlgKey, L"Width");
    const auto height = readDword(dlgKey, L"Height");
    if (!width || !height || *width == 0 || *height == 0 || *width > INT_MAX || *height > INT_MAX) {
        return std::nullopt;
    }
    return CSize(static_cast<int>(*width), static_cast<int>(*height));
}

bool writeDialogSize(const Tvx_String& dlgKey, const CSize& size) {
    if (size.cx <= 0 || size.cy <= 0)
        return false;
    return writeDwords(dlgKey, {{L"Width", static_cast<DWORD>(size.cx)},
                                {L"Height", static_cast<DWORD>(size.cy)}});
}

}  // namespace registry

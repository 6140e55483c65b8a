// The system registry functions over the registry stand-in's store.
#include "platform/ui/registry/WinRegistry.h"

#include <cstring>
#include <map>
#include <string>

#include "platform/ui/registry/RegistryStore.h"

namespace {

struct OpenKey {
    std::wstring path;
    REGSAM access = 0;
};

std::map<HKEY, OpenKey>& openKeys() {
    static std::map<HKEY, OpenKey> keys;
    return keys;
}

const wchar_t* rootName(HKEY key) {
    if (key == HKEY_CLASSES_ROOT)
        return L"HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER)
        return L"HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE)
        return L"HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS)
        return L"HKEY_USERS";
    return nullptr;
}

// The key a handle stands for, with the access it was opened with; roots may
// be read and written.
const OpenKey* resolve(HKEY key) {
    static std::map<HKEY, OpenKey> roots;
    if (const wchar_t* root = rootName(key)) {
        auto [entry, inserted] = roots.try_emplace(key, OpenKey{root, KEY_ALL_ACCESS});
        return &entry->second;
    }
    const auto found = openKeys().find(key);
    return found == openKeys().end() ? nullptr : &found->second;
}

std::wstring childPath(const OpenKey& parent, LPCWSTR subKey) {
    if (!subKey || !*subKey)
        return parent.path;
    return parent.path + L"\\" + subKey;
}

HKEY newHandle(std::wstring path, REGSAM access) {
    static std::uintptr_t next = 0x1000;
    const HKEY handle = reinterpret_cast<HKEY>(next);
    next += 4;
    openKeys()[handle] = OpenKey{std::move(path), access};
    return handle;
}

std::wstring valueName(LPCWSTR name) {
    return name ? std::wstring(name) : std::wstring();
}

}  // namespace

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD, REGSAM access, PHKEY result) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    const OpenKey* parent = resolve(key);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    const std::wstring path = childPath(*parent, subKey);
    const bool isRoot = rootName(key) && path == parent->path;
    if (!isRoot && !registry::keyExists(path))
        return ERROR_FILE_NOT_FOUND;
    *result = newHandle(path, access);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD, LPWSTR, DWORD, REGSAM access, void*,
                     PHKEY result, LPDWORD disposition) {
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    const OpenKey* parent = resolve(key);
    if (!parent)
        return ERROR_INVALID_HANDLE;
    const std::wstring path = childPath(*parent, subKey);
    const bool existed = registry::keyExists(path);
    if (!existed && !registry::createKey(path))
        return ERROR_WRITE_FAULT;
    if (disposition)
        *disposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *result = newHandle(path, access);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (rootName(key))
        return ERROR_SUCCESS;
    return openKeys().erase(key) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    const OpenKey* open = resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    const auto value = registry::queryValue(open->path, valueName(name));
    if (!value)
        return ERROR_FILE_NOT_FOUND;
    if (type)
        *type = value->type;
    const DWORD needed = static_cast<DWORD>(value->data.size());
    if (!data) {
        if (size)
            *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (needed > 0)
        std::memcpy(data, value->data.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, LPCWSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
    const OpenKey* open = resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (!(open->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (!data && size > 0)
        return ERROR_INVALID_PARAMETER;
    registry::RegistryValue value{type, std::vector<BYTE>(data, data + size)};
    if (type == REG_SZ) {
        value.data.resize(value.data.size() - value.data.size() % sizeof(wchar_t));
        wchar_t last = L'\0';
        if (!value.data.empty()) {
            std::memcpy(&last, value.data.data() + value.data.size() - sizeof(wchar_t),
                        sizeof(wchar_t));
        }
        if (value.data.empty() || last != L'\0')
            value.data.resize(value.data.size() + sizeof(wchar_t), 0);
    }
    return registry::setValue(open->path, valueName(name), value) ? ERROR_SUCCESS
                                                                  : ERROR_WRITE_FAULT;
}

LONG RegDeleteValueW(HKEY key, LPCWSTR name) {
    const OpenKey* open = resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (!(open->access & KEY_SET_VALUE))
        return ERROR_ACCESS_DENIED;
    if (!registry::queryValue(open->path, valueName(name)))
        return ERROR_FILE_NOT_FOUND;
    return registry::deleteValue(open->path, valueName(name)) ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey) {
    const OpenKey* open = resolve(key);
    if (!open)
        return ERROR_INVALID_HANDLE;
    if (!subKey || !*subKey)
        return ERROR_INVALID_PARAMETER;
    const std::wstring path = childPath(*open, subKey);
    if (!registry::keyExists(path))
        return ERROR_FILE_NOT_FOUND;
    return registry::deleteKey(path) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

// The system registry functions the module calls, over the registry stand-in's
// store (RegistryStore.h).
//
// Differences from the original platform, by design of this stand-in:
// - string data is wchar_t units, so sizes in bytes count sizeof(wchar_t) per
//   character, terminating null included;
// - key handles are never given out twice; a closed or unknown handle gives
//   ERROR_INVALID_HANDLE;
// - a key opened without KEY_SET_VALUE access refuses changes with
//   ERROR_ACCESS_DENIED.
// Every function returns ERROR_SUCCESS or an error code, never throws.
#pragma once

#include "platform/ui/WinTypes.h"

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;

inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000});
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});
inline HKEY const HKEY_USERS = reinterpret_cast<HKEY>(std::uintptr_t{0x80000003});

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_FAULT = 29;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;
inline constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

// Opens an existing key below an open key (or a root key); a null or empty
// sub-key opens the key itself again. ERROR_FILE_NOT_FOUND when it does not
// exist; ERROR_INVALID_PARAMETER when result is null.
LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result);
// Opens a key, creating it and its missing parents first; disposition (may be
// null) tells which happened. ERROR_WRITE_FAULT when the store cannot be written.
LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR keyClass, DWORD options,
                     REGSAM access, void* security, PHKEY result, LPDWORD disposition);
LONG RegCloseKey(HKEY key);
// Reads a value (a null name is the default value). type and data may be null.
// With data null, size receives the size needed. When size is smaller than the
// value, size receives the size needed and ERROR_MORE_DATA is returned with
// nothing copied. ERROR_FILE_NOT_FOUND for a value that does not exist.
LONG RegQueryValueExW(HKEY key, LPCWSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size);
// Stores a value of size bytes (data may be null only with size 0). A REG_SZ
// value whose data has no terminating null gets one.
LONG RegSetValueExW(HKEY key, LPCWSTR name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size);
LONG RegDeleteValueW(HKEY key, LPCWSTR name);
// Deletes a sub-key that has no sub-keys of its own (ERROR_ACCESS_DENIED when
// it has some).
LONG RegDeleteKeyW(HKEY key, LPCWSTR subKey);

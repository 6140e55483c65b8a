// The text file that holds the registry stand-in's keys and values.
//
// Format (UTF-8, one item per line, version line first):
//
//   vtss-registry 1
//   [HKEY_LOCAL_MACHINE\Software\Veltrane\Spreadsheet Editor v1.0]
//   "Language"=sz:"EN"
//   "Count"=dword:12
//   "Blob"=hex(3):00,ff,10
//
// - "[path]" starts a key: the root key's name, then the sub-keys separated by
//   "\"; a key is listed even when it holds no value, so empty keys survive.
// - "name"=type:data is a value of the key above it; the name may be empty (the
//   key's default value). sz data is a quoted text; dword data a decimal number
//   from 0 to 4294967295; hex(N) data the bytes of a value of type N as two-digit
//   hexadecimal numbers separated by ",".
// - In quoted texts \\ is a backslash, \" a quote, \n, \r and \t the controls.
// - Empty lines are skipped.
// Reading is tolerant: a missing or wrong version line, a value before any key,
// and any line that does not parse are skipped with what follows still read;
// the last of two equal value names wins.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/WinTypes.h"

namespace registry {

// A value as the registry functions see it: its type and its bytes (a string
// value holds its wchar_t units with the terminating null).
struct RegistryValue {
    DWORD type = 0;
    std::vector<BYTE> data;
    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

struct RegistryKey {
    std::wstring path;  // as first created, e.g. HKEY_CURRENT_USER\Software
    std::vector<std::pair<std::wstring, RegistryValue>> values;  // in the order first set
    friend bool operator==(const RegistryKey&, const RegistryKey&) = default;
};

// The file's text for keys in the order given.
std::string writeRegistryText(const std::vector<RegistryKey>& keys);
// The keys of a file's bytes (see the tolerance rules above).
std::vector<RegistryKey> readRegistryText(std::string_view bytes);

}  // namespace registry

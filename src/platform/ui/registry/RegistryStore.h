// The registry stand-in's store: keys and values kept in one small file and
// written through on every change.
//
// Where the file lives: the folder set with setRegistryFolder; else the
// environment variable VTSS_CONFIG_DIR; else $XDG_CONFIG_HOME/vtss/; else
// $HOME/.config/vtss/. The file is "registry.txt" in that folder (format in
// RegistryFile.h); the folder is created on the first change. With none of
// these set the store lives in memory only.
//
// Key paths and value names are compared without regard to letter case (the
// registry's rule); a key keeps the spelling it was created with. Every change
// is written at once, atomically (a temporary file renamed over the old one);
// when that write fails the change is undone and reported as failed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/registry/RegistryFile.h"

namespace registry {

// Points the store at a folder (tests use a temporary one) and forgets what was
// read from the previous place; an empty path returns to the environment.
void setRegistryFolder(const std::filesystem::path& folder);
// The file the store reads and writes; empty when it lives in memory only.
std::filesystem::path registryFilePath();

// Operations on full key paths ("HKEY_CURRENT_USER\\Software\\..."). Paths are
// taken as given apart from doubled, leading and trailing "\\", which are
// dropped.
bool keyExists(const std::wstring& path);
// Creates the key and its missing parents; false only when the file cannot be
// written (nothing is then created).
bool createKey(const std::wstring& path);
// Deletes a key with its values; false when it does not exist, still has
// sub-keys, or the file cannot be written.
bool deleteKey(const std::wstring& path);
std::optional<RegistryValue> queryValue(const std::wstring& path, const std::wstring& name);
// Sets a value of an existing key; false when the key does not exist or the
// file cannot be written.
bool setValue(const std::wstring& path, const std::wstring& name, const RegistryValue& value);
// False when the key or the value does not exist or the file cannot be written.
bool deleteValue(const std::wstring& path, const std::wstring& name);

}  // namespace registry

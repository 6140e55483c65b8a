// The registry stand-in's keys in memory, loaded from and written through to its file.
#include "platform/ui/registry/RegistryStore.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/core/FileBytes.h"

namespace registry {
namespace {

std::wstring folded(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out)
        c = foldCase(c);
    return out;
}

std::wstring cleanPath(std::wstring_view path) {
    std::wstring out;
    for (const wchar_t c : path) {
        if (c == L'\\' && (out.empty() || out.back() == L'\\'))
            continue;
        out += c;
    }
    if (!out.empty() && out.back() == L'\\')
        out.pop_back();
    return out;
}

std::wstring parentOf(const std::wstring& path) {
    const size_t cut = path.rfind(L'\\');
    return cut == std::wstring::npos ? std::wstring() : path.substr(0, cut);
}

class Store {
  public:
    void setFolder(std::filesystem::path folder) {
        chosenFolder_ = std::move(folder);
        loaded_ = false;
    }

    std::filesystem::path filePath() const {
        if (!chosenFolder_.empty())
            return chosenFolder_ / "registry.txt";
        if (const char* dir = std::getenv("VTSS_CONFIG_DIR"); dir && *dir) {
            return std::filesystem::path(dir) / "registry.txt";
        }
        if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
            return std::filesystem::path(xdg) / "vtss" / "registry.txt";
        }
        if (const char* home = std::getenv("HOME"); home && *home) {
            return std::filesystem::path(home) / ".config" / "vtss" / "registry.txt";
        }
        return {};
    }

    std::vector<RegistryKey>& keys() {
        const std::filesystem::path path = filePath();
        if (!loaded_ || path != loadedFrom_) {
            keys_.clear();
            if (!path.empty()) {
                if (auto bytes = readFileBytes(Tvx_String(path.wstring()))) {
                    keys_ = readRegistryText(*bytes);
                }
            }
            loaded_ = true;
            loadedFrom_ = path;
        }
        return keys_;
    }

    RegistryKey* find(const std::wstring& path) {
        const std::wstring wanted = folded(cleanPath(path));
        auto& all = keys();
        const auto found = std::find_if(all.begin(), all.end(), [&](const RegistryKey& key) {
            return folded(key.path) == wanted;
        });
        return found == all.end() ? nullptr : &*found;
    }

    // Runs a change and writes the file; a failed write undoes the change.
    template <typename Change>
    bool change(Change&& apply) {
        std::vector<RegistryKey> before = keys();
        apply(keys_);
        if (save())
            return true;
        keys_ = std::move(before);
        return false;
    }

  private:
    bool save() {
        const std::filesystem::path path = filePath();
        if (path.empty())
            return true;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        return writeFileBytes(Tvx_String(path.wstring()), writeRegistryText(keys_));
    }

    std::filesystem::path chosenFolder_;
    std::filesystem::path loadedFrom_;
    bool loaded_ = false;
    std::vector<RegistryKey> keys_;
};

Store& store() {
    static Store instance;
    return instance;
}

RegistryKey* findKey(std::vector<RegistryKey>& keys, const std::wstring& path) {
    const std::wstring wanted = folded(path);
    for (RegistryKey& key : keys) {
        if (folded(key.path) == wanted)
            return &key;
    }
    return nullptr;
}

auto findValue(RegistryKey& key, const std::wstring& name) {
    const std::wstring wanted = folded(name);
    return std::find_if(key.values.begin(), key.values.end(),
                        [&](const auto& entry) { return folded(entry.first) == wanted; });
}

}  // namespace

void setRegistryFolder(const std::filesystem::path& folder) {
    store().setFolder(folder);
}

std::filesystem::path registryFilePath() {
    return store().filePath();
}

bool keyExists(const std::wstring& path) {
    return store().find(path) != nullptr;
}

bool createKey(const std::wstring& path) {
    const std::wstring clean = cleanPath(path);
    if (clean.empty())
        return false;
    if (store().find(clean))
        return true;
    return store().change([&](std::vector<RegistryKey>& keys) {
        std::vector<std::wstring> missing;
        for (std::wstring p = clean; !p.empty() && !findKey(keys, p); p = parentOf(p)) {
            missing.push_back(p);
        }
        for (auto it = missing.rbegin(); it != missing.rend(); ++it)
            keys.push_back({*it, {}});
    });
}

bool deleteKey(const std::wstring& path) {
    const std::wstring clean = folded(cleanPath(path));
    if (!store().find(clean))
        return false;
    const std::wstring prefix = clean + L"\\";
    for (const RegistryKey& key : store().keys()) {
        if (folded(key.path).starts_with(prefix))
            return false;
    }
    return store().change([&](std::vector<RegistryKey>& keys) {
        std::erase_if(keys, [&](const RegistryKey& key) { return folded(key.path) == clean; });
    });
}

std::optional<RegistryValue> queryValue(const std::wstring& path, const std::wstring& name) {
    RegistryKey* key = store().find(cleanPath(path));
    if (!key)
        return std::nullopt;
    const auto found = findValue(*key, name);
    if (found == key->values.end())
        return std::nullopt;
    return found->second;
}

bool setValue(const std::wstring& path, const std::wstring& name, const RegistryValue& value) {
    const std::wstring clean = cleanPath(path);
    if (!store().find(clean))
        return false;
    return store().change([&](std::vector<RegistryKey>& keys) {
        RegistryKey& key = *findKey(keys, clean);
        const auto found = findValue(key, name);
        if (found != key.values.end()) {
            found->second = value;
        } else {
            key.values.emplace_back(name, value);
        }
    });
}

bool deleteValue(const std::wstring& path, const std::wstring& name) {
    const std::wstring clean = cleanPath(path);
    RegistryKey* key = store().find(clean);
    if (!key || findValue(*key, name) == key->values.end())
        return false;
    return store().change([&](std::vector<RegistryKey>& keys) {
        RegistryKey& target = *findKey(keys, clean);
        target.values.erase(findValue(target, name));
    });
}

}  // namespace registry

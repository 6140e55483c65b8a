// Folder, file name and extension of the module's path texts.
#include "platform/core/PathText.h"

#include <string_view>

namespace {

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool isAsciiLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

// Length of the folder part (where the file name starts).
size_t fileNameStart(const std::wstring& path) {
    for (size_t i = path.size(); i > 0; --i) {
        if (isSeparator(path[i - 1]))
            return i;
    }
    if (path.size() >= 2 && isAsciiLetter(path[0]) && path[1] == L':')
        return 2;
    return 0;
}

// Position of the extension's "." in path, or npos.
size_t extensionDot(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    if (dot == std::wstring::npos || dot < fileNameStart(path))
        return std::wstring::npos;
    return dot;
}

}  // namespace

Tvx_String getPath(const Tvx_String& path) {
    return Tvx_String(path.str().substr(0, fileNameStart(path.str())));
}

void getFileName(const Tvx_String& path, Tvx_String& fileName) {
    fileName = Tvx_String(path.str().substr(fileNameStart(path.str())));
}

Tvx_String removeExtension(const Tvx_String& path) {
    return Tvx_String(path.str().substr(0, extensionDot(path.str())));
}

Tvx_String changeExtension(const Tvx_String& path, const Tvx_String& extension) {
    std::wstring_view ext = extension.str();
    if (!ext.empty() && ext.front() == L'.')
        ext.remove_prefix(1);
    std::wstring result = removeExtension(path).str();
    if (!ext.empty()) {
        result += L'.';
        result += ext;
    }
    return Tvx_String(std::move(result));
}

Tvx_String ensureNoStartBSlash(const Tvx_String& text) {
    size_t start = 0;
    while (start < text.str().size() && isSeparator(text.str()[start]))
        ++start;
    return Tvx_String(text.str().substr(start));
}

bool hasInvalidFileNameChars(const Tvx_String& text) {
    constexpr std::wstring_view kInvalid = L"\\/:*?\"<>|";
    for (wchar_t c : text.str()) {
        if (c < 0x20 || kInvalid.find(c) != std::wstring_view::npos)
            return true;
    }
    return false;
}

// Text files read and written as lines.
#include "platform/core/TextFile.h"

#include <optional>
#include <string>

#include "platform/core/FileBytes.h"
#include "platform/core/Unicode.h"

Tvx_StringArray splitLines(const std::wstring& text) {
    Tvx_StringArray lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        const size_t next = end == std::wstring::npos ? text.size() : end + 1;
        if (end == std::wstring::npos)
            end = text.size();
        if (end > start && text[end - 1] == L'\r' && end < text.size())
            --end;
        lines.append(Tvx_String(text.substr(start, end - start)));
        start = next;
    }
    return lines;
}

bool ObjectExportReadFile(const Tvx_String& path, Tvx_StringArray& lines) {
    lines.removeAll();
    const std::optional<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return false;
    lines = splitLines(unicode::decodeText(*bytes));
    return true;
}

bool ObjectExportWriteFile(const Tvx_String& path, const Tvx_StringArray& lines) {
    std::string bytes;
    for (const Tvx_String& line : lines) {
        bytes += line.toUtf8();
        bytes += '\n';
    }
    return writeFileBytes(path, bytes);
}

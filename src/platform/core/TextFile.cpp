// Text files read and written as lines.
#include "platform/core/TextFile.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/core/FileBytes.h"
#include "platform/core/ParsedFileCache.h"
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

namespace {

// Files of up to this size are kept as lines while unchanged on disk.
constexpr std::uint64_t kMaxKeptFileBytes = 1 << 20;

ParsedFileCache<Tvx_StringArray>& textFiles() {
    static ParsedFileCache<Tvx_StringArray> cache(64, kMaxKeptFileBytes);
    return cache;
}

}  // namespace

std::shared_ptr<const Tvx_StringArray> readTextFileLines(const Tvx_String& path) {
    return textFiles().get(path, [](std::string_view bytes) {
        return std::make_shared<const Tvx_StringArray>(splitLines(unicode::decodeText(bytes)));
    });
}

bool ObjectExportReadFile(const Tvx_String& path, Tvx_StringArray& lines) {
    lines.removeAll();
    const std::shared_ptr<const Tvx_StringArray> read = readTextFileLines(path);
    if (!read)
        return false;
    lines = *read;
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

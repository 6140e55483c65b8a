// Tab-separated table files.
#include "platform/core/TableFile.h"

#include "platform/core/PathText.h"
#include "platform/core/TextFile.h"

namespace {

Tvx_StringArray splitCells(const Tvx_String& line) {
    Tvx_StringArray cells;
    if (line.isEmpty())
        return cells;
    const std::wstring& text = line.str();
    size_t start = 0;
    for (;;) {
        const size_t tab = text.find(L'\t', start);
        cells.append(Tvx_String(text.substr(start, tab == std::wstring::npos ? tab : tab - start)));
        if (tab == std::wstring::npos)
            return cells;
        start = tab + 1;
    }
}

Tvx_String joinCells(const Tvx_StringArray& cells) {
    std::wstring line;
    for (int i = 0; i < cells.length(); ++i) {
        if (i > 0)
            line += L'\t';
        for (wchar_t c : cells[i].str()) {
            line += (c == L'\t' || c == L'\n' || c == L'\r') ? L' ' : c;
        }
    }
    return Tvx_String(std::move(line));
}

}  // namespace

bool readFile(const Tvx_String& path, Tvx_String& name, Tvx_StringArrArr& rows) {
    name = Tvx_String();
    rows.removeAll();
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines))
        return false;
    for (const Tvx_String& line : lines)
        rows.append(splitCells(line));
    getFileName(path, name);
    name = removeExtension(name);
    return true;
}

bool writeFile(const Tvx_String& path, const Tvx_StringArrArr& rows) {
    Tvx_StringArray lines;
    for (const Tvx_StringArray& row : rows)
        lines.append(joinCells(row));
    return ObjectExportWriteFile(path, lines);
}

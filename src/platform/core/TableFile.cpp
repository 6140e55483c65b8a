// Tab-separated table files.
#include "platform/core/TableFile.h"

#include "platform/core/ArrayText.h"
#include "platform/core/PathText.h"
#include "platform/core/TextFile.h"

namespace {

// The cell's text with the characters that would break the file's structure
// replaced by blanks.
Tvx_String storableCell(const Tvx_String& cell) {
    std::wstring text = cell.str();
    for (wchar_t& c : text) {
        if (c == L'\t' || c == L'\n' || c == L'\r')
            c = L' ';
    }
    return Tvx_String(std::move(text));
}

}  // namespace

bool readFile(const Tvx_String& path, Tvx_String& name, Tvx_StringArrArr& rows) {
    name = Tvx_String();
    rows.removeAll();
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines))
        return false;
    rows = arrToArrArr(lines, L'\t');
    getFileName(path, name);
    name = removeExtension(name);
    return true;
}

bool writeFile(const Tvx_String& path, const Tvx_StringArrArr& rows) {
    Tvx_StringArrArr storable = rows;
    for (Tvx_StringArray& row : storable) {
        for (Tvx_String& cell : row)
            cell = storableCell(cell);
    }
    return ObjectExportWriteFile(path, arrArrToArr(storable, L'\t'));
}

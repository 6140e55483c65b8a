// Reading tab-separated look-up files.
#include "standards/functions/LookupTable.h"

#include "platform/core/ArrayText.h"
#include "platform/core/TextFile.h"
#include "platform/core/TextHelpers.h"
#include "platform/core/macro/Tvx_SectionTables.h"

Tvx_String buildLookupKey(const FunctionArguments& arguments, int first) {
    Tvx_StringArray parts;
    for (int i = first; i < arguments.length(); ++i) {
        const FunctionArgument& argument = arguments[i];
        if (argument.isNumber())
            parts.append(Tvx_String(argument.number, 6));
        else if (argument.isText())
            parts.append(argument.text);
        else
            break;
    }
    return arrToStr(parts, L';');
}

bool lookUpCell(const Tvx_String& path, const Tvx_String& key, bool bySectionName,
                Tvx_String& value) {
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines))
        return false;
    Tvx_StringArray kept;
    for (const Tvx_String& line : lines) {
        const Tvx_String withoutComment = removeLineComment(line);
        if (!withoutComment.isEmpty())
            kept.append(withoutComment);
    }
    const Tvx_StringArrArr rows = arrToArrArr(kept, L'\t');
    if (rows.isEmpty())
        return false;
    Tvx_StringArray keys;
    for (const Tvx_StringArray& row : rows) {
        if (row.isEmpty())
            break;
        Tvx_String rowKey = row[0];
        if (bySectionName)
            gSectionTables.getSystemName(row[0], rowKey);
        keys.append(rowKey);
    }
    int found = -1;
    if (!keys.find(key, found, false) || rows[found].length() < 2)
        return false;
    value = rows[found][1];
    return true;
}

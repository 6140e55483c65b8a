// Reading tab-separated look-up files.
#include "standards/functions/LookupTable.h"

#include <memory>
#include <optional>
#include <vector>

#include "platform/core/ArrayText.h"
#include "platform/core/TextFile.h"
#include "platform/core/TextHelpers.h"
#include "platform/core/macro/Tvx_SectionTables.h"
#include "standards/functions/DataFileCache.h"

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

namespace {

// A look-up file as read: its rows of fields, and the number of rows that
// have a key (up to the first row without fields). Keys read as section names
// are looked up in the section library only as far as a search goes, and kept.
struct LookupRows {
    Tvx_StringArrArr rows;
    int keyedRows = 0;
    bool bySectionName = false;
    mutable std::vector<std::optional<Tvx_String>> sectionKeys;

    const Tvx_String& key(int row) const {
        if (!bySectionName)
            return rows[row][0];
        std::optional<Tvx_String>& key = sectionKeys[static_cast<size_t>(row)];
        if (!key) {
            key = rows[row][0];
            gSectionTables.getSystemName(rows[row][0], *key);
        }
        return *key;
    }
    // The first keyed row whose key equals key, letter case ignored; -1 when none.
    int find(const Tvx_String& wanted) const {
        for (int row = 0; row < keyedRows; ++row) {
            if (key(row).equal(wanted, false))
                return row;
        }
        return -1;
    }
};

// Reads and parses a look-up file; null when it cannot be read.
std::shared_ptr<const LookupRows> readLookupRows(const Tvx_String& path, bool bySectionName) {
    Tvx_StringArray lines;
    if (!ObjectExportReadFile(path, lines))
        return nullptr;
    Tvx_StringArray kept;
    for (const Tvx_String& line : lines) {
        const Tvx_String withoutComment = removeLineComment(line);
        if (!withoutComment.isEmpty())
            kept.append(withoutComment);
    }
    auto parsed = std::make_shared<LookupRows>();
    parsed->rows = arrToArrArr(kept, L'\t');
    while (parsed->keyedRows < parsed->rows.length() && !parsed->rows[parsed->keyedRows].isEmpty())
        ++parsed->keyedRows;
    parsed->bySectionName = bySectionName;
    parsed->sectionKeys.resize(static_cast<size_t>(parsed->keyedRows));
    return parsed;
}

// The parsed file, from the evaluation's cache when it has read it before.
std::shared_ptr<const LookupRows> lookupRows(const Tvx_String& path, bool bySectionName) {
    DataFileCache* cache = DataFileCache::active();
    const int reading = bySectionName ? 1 : 0;
    if (cache) {
        if (auto kept = cache->find<LookupRows>(path, reading))
            return kept;
    }
    auto parsed = readLookupRows(path, bySectionName);
    if (cache && parsed)
        cache->keep(path, reading, parsed);
    return parsed;
}

}  // namespace

bool lookUpCell(const Tvx_String& path, const Tvx_String& key, bool bySectionName,
                Tvx_String& value) {
    const std::shared_ptr<const LookupRows> table = lookupRows(path, bySectionName);
    if (!table || table->rows.isEmpty())
        return false;
    const int found = table->find(key);
    if (found < 0 || table->rows[found].length() < 2)
        return false;
    value = table->rows[found][1];
    return true;
}

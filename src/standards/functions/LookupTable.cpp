// Reading tab-separated look-up files.
#include "standards/functions/LookupTable.h"

#include <memory>
#include <optional>

#include "platform/core/ArrayText.h"
#include "platform/core/FoldedNameIndex.h"
#include "platform/core/TextHelpers.h"
#include "standards/functions/DataFileCache.h"
#include "standards/functions/KeptTextFileParses.h"
#include "standards/functions/SectionAnswers.h"
#include "standards/functions/SectionLibraryState.h"

Tvx_String buildLookupKey(const FunctionArguments& arguments, int first) {
    Tvx_String key;
    for (int i = first; i < arguments.length(); ++i) {
        const FunctionArgument& argument = arguments[i];
        if (!argument.isNumber() && !argument.isText())
            break;
        if (i > first)
            key += L';';
        if (argument.isNumber())
            key += Tvx_String(argument.number, 6);
        else
            key += argument.text;
    }
    return key;
}

namespace {

// The rows under their section names, as the section library named them in
// the state kept with them.
struct SectionNamedRows {
    SectionLibraryState state;
    FoldedNameIndex index;
};

// A look-up file's rows of fields, the number of rows that have a key (up to
// the first row without fields) and those rows by key. The rows by section
// name are made when first asked for and made again when the section library
// has changed since.
struct LookupRows {
    Tvx_StringArrArr rows;
    int keyedRows = 0;
    FoldedNameIndex byKey;
    mutable std::shared_ptr<const SectionNamedRows> bySectionName;

    // Each keyed row under its first field replaced by its section name when
    // the section library knows it; the first row of equal names wins.
    std::shared_ptr<const SectionNamedRows> sectionNamedRows() const {
        const SectionLibraryState before = currentSectionLibraryState();
        if (bySectionName && bySectionName->state == before)
            return bySectionName;
        auto named = std::make_shared<SectionNamedRows>();
        for (int row = 0; row < keyedRows; ++row) {
            const std::optional<Tvx_String> name = sectionAnswers().systemName(rows[row][0]);
            named->index.add((name ? *name : rows[row][0]).str(), row);
        }
        // Naming may read tables into the library: what was named holds for
        // the state it leaves.
        named->state = currentSectionLibraryState();
        bySectionName = named->state.keepable() ? named : nullptr;
        return named;
    }
};

std::shared_ptr<const LookupRows> parseLookupRows(const Tvx_StringArray& lines) {
    Tvx_StringArray kept;
    for (const Tvx_String& line : lines) {
        Tvx_String withoutComment = removeLineComment(line);
        if (!withoutComment.isEmpty())
            kept.append(std::move(withoutComment));
    }
    auto parsed = std::make_shared<LookupRows>();
    parsed->rows = arrToArrArr(kept, L'\t');
    while (parsed->keyedRows < parsed->rows.length() &&
           !parsed->rows[parsed->keyedRows].isEmpty()) {
        parsed->byKey.add(parsed->rows[parsed->keyedRows][0].str(), parsed->keyedRows);
        ++parsed->keyedRows;
    }
    return parsed;
}

KeptTextFileParses<LookupRows>& keptLookupRows() {
    static KeptTextFileParses<LookupRows> kept(&parseLookupRows);
    return kept;
}

// A look-up file as one evaluation reads it: its rows and the index its keys
// are found by (the file's first fields, or their section names as the
// section library named them when the evaluation first asked).
struct LookupReading {
    std::shared_ptr<const LookupRows> table;
    std::shared_ptr<const SectionNamedRows> sectionNamed;

    int find(const Tvx_String& key) const {
        return sectionNamed ? sectionNamed->index.find(key.str()) : table->byKey.find(key.str());
    }
};

// Reads a look-up file; null when it cannot be read.
std::shared_ptr<const LookupReading> readLookup(const Tvx_String& path, bool bySectionName) {
    std::shared_ptr<const LookupRows> table = keptLookupRows().get(path);
    if (!table)
        return nullptr;
    auto reading = std::make_shared<LookupReading>();
    if (bySectionName)
        reading->sectionNamed = table->sectionNamedRows();
    reading->table = std::move(table);
    return reading;
}

// The file as read, from the evaluation's cache when it has read it before.
std::shared_ptr<const LookupReading> lookupReading(const Tvx_String& path, bool bySectionName) {
    DataFileCache* cache = DataFileCache::active();
    const DataFileReading reading =
        bySectionName ? DataFileReading::LookupBySectionName : DataFileReading::Lookup;
    if (cache) {
        if (auto kept = cache->find<LookupReading>(path, reading))
            return kept;
    }
    auto read = readLookup(path, bySectionName);
    if (cache && read)
        cache->keep(path, reading, read);
    return read;
}

}  // namespace

bool lookUpCell(const Tvx_String& path, const Tvx_String& key, bool bySectionName,
                Tvx_String& value) {
    const std::shared_ptr<const LookupReading> reading = lookupReading(path, bySectionName);
    if (!reading || reading->table->rows.isEmpty())
        return false;
    const int found = reading->find(key);
    const Tvx_StringArrArr& rows = reading->table->rows;
    if (found < 0 || rows[found].length() < 2)
        return false;
    value = rows[found][1];
    return true;
}

// Reading tab-separated look-up files.
#include "standards/functions/LookupTable.h"

#include <map>
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

// A look-up file's rows of fields, and the number of rows that have a key (up
// to the first row without fields).
struct LookupRows {
    Tvx_StringArrArr rows;
    int keyedRows = 0;
};

// The rows parsed from each look-up file, kept with the lines they were parsed
// from. The text-file cache gives the same lines object while a file is
// unchanged on disk, and another one when it changed (or is not kept), so
// rows kept with the same object are the rows parsing would give again. It
// needs no reset of its own: clearing the text-file cache gives new lines
// objects, and so rows parsed afresh. At most kCapacity files are kept; when
// one more is to be kept, all are dropped first.
class KeptLookupRows {
  public:
    std::shared_ptr<const LookupRows> rowsOf(const Tvx_String& path) {
        std::shared_ptr<const Tvx_StringArray> lines = readTextFileLines(path);
        if (!lines)
            return nullptr;
        const auto kept = entries_.find(path);
        if (kept != entries_.end() && kept->second.lines == lines)
            return kept->second.rows;
        auto rows = parse(*lines);
        if (kept == entries_.end() && entries_.size() >= kCapacity)
            entries_.clear();
        entries_[path] = Entry{std::move(lines), rows};
        return rows;
    }

  private:
    static constexpr std::size_t kCapacity = 64;
    struct Entry {
        std::shared_ptr<const Tvx_StringArray> lines;
        std::shared_ptr<const LookupRows> rows;
    };

    static std::shared_ptr<const LookupRows> parse(const Tvx_StringArray& lines) {
        Tvx_StringArray kept;
        for (const Tvx_String& line : lines) {
            const Tvx_String withoutComment = removeLineComment(line);
            if (!withoutComment.isEmpty())
                kept.append(withoutComment);
        }
        auto parsed = std::make_shared<LookupRows>();
        parsed->rows = arrToArrArr(kept, L'\t');
        while (parsed->keyedRows < parsed->rows.length() &&
               !parsed->rows[parsed->keyedRows].isEmpty())
            ++parsed->keyedRows;
        return parsed;
    }

    std::map<Tvx_String, Entry> entries_;
};

KeptLookupRows& keptLookupRows() {
    static KeptLookupRows kept;
    return kept;
}

// A look-up file as one evaluation reads it: its rows, and for a reading by
// section name the keys looked up in the section library only as far as a
// search goes, kept for this evaluation (the library may change between
// evaluations).
struct LookupReading {
    std::shared_ptr<const LookupRows> table;
    bool bySectionName = false;
    mutable std::vector<std::optional<Tvx_String>> sectionKeys;

    const Tvx_String& key(int row) const {
        if (!bySectionName)
            return table->rows[row][0];
        std::optional<Tvx_String>& key = sectionKeys[static_cast<size_t>(row)];
        if (!key) {
            key = table->rows[row][0];
            gSectionTables.getSystemName(table->rows[row][0], *key);
        }
        return *key;
    }
    // The first keyed row whose key equals key, letter case ignored; -1 when none.
    int find(const Tvx_String& wanted) const {
        for (int row = 0; row < table->keyedRows; ++row) {
            if (key(row).equal(wanted, false))
                return row;
        }
        return -1;
    }
};

// Reads a look-up file; null when it cannot be read.
std::shared_ptr<const LookupReading> readLookup(const Tvx_String& path, bool bySectionName) {
    std::shared_ptr<const LookupRows> table = keptLookupRows().rowsOf(path);
    if (!table)
        return nullptr;
    auto reading = std::make_shared<LookupReading>();
    reading->table = std::move(table);
    reading->bySectionName = bySectionName;
    if (bySectionName)
        reading->sectionKeys.resize(static_cast<size_t>(reading->table->keyedRows));
    return reading;
}

// The file as read, from the evaluation's cache when it has read it before.
std::shared_ptr<const LookupReading> lookupReading(const Tvx_String& path, bool bySectionName) {
    DataFileCache* cache = DataFileCache::active();
    const int reading = bySectionName ? 1 : 0;
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

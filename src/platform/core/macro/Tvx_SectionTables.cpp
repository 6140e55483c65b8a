// The section table manager: tables read on demand from "prof", and the
// look-ups of section names, user names and dimensions.
#include "platform/core/macro/Tvx_SectionTables.h"

#include <algorithm>

#include "platform/core/FileOperations.h"
#include "platform/core/PathMapping.h"
#include "platform/core/PathText.h"
#include "platform/core/TableFile.h"
#include "platform/core/Tvx_Settings.h"

Tvx_SectionTables gSectionTables;

namespace {

const Tvx_String kExtension(L".pr");
const Tvx_String kSectionSeparator(L"-");
constexpr int kUsualLanguages = 4;
constexpr int kKoreanColumn = 5;  // the sixth column of the kept layout

// The table name without ".pr".
Tvx_String bareTableName(const Tvx_String& tableName) {
    return tableName.endsWith(kExtension, false)
               ? tableName.getSubStringAt(0, tableName.length() - kExtension.length())
               : tableName;
}

Tvx_String tableKey(const Tvx_String& tableName) {
    return bareTableName(tableName).toUpper();
}

Tvx_String libraryProfFolder() {
    return gSettings.libDir() + Tvx_String(L"prof\\");
}

}  // namespace

int Tvx_SectionTables::Table::firstDimension() const {
    const bool korean = columns.length() > kKoreanColumn &&
                        columns[kKoreanColumn].equal(Tvx_String(L"Korean"), false);
    return std::min(1 + (korean ? kUsualLanguages + 1 : kUsualLanguages), columns.length());
}

const Tvx_StringArray* Tvx_SectionTables::Table::findRow(const Tvx_String& systemName) const {
    if (systemName.isEmpty())
        return nullptr;
    for (const Tvx_StringArray& row : rows) {
        if (row[0].equal(systemName, false))
            return &row;
    }
    return nullptr;
}

void Tvx_SectionTables::followLibraryFolder() {
    const Tvx_String folder = gSettings.libDir();
    if (folder == libraryFolder_)
        return;
    libraryFolder_ = folder;
    if (std::erase_if(tables_, [](const auto& entry) { return entry.second.fromFile; }) > 0)
        ++revision_;
}

bool Tvx_SectionTables::readTable(const Tvx_String& path, Table& table) {
    Tvx_String ignoredName;
    Tvx_StringArrArr lines;
    if (!readFile(path, ignoredName, lines) || lines.length() < 2)
        return false;
    const auto withoutInUseColumn = [](Tvx_StringArray cells) {
        cells.removeAt(1);
        return cells;
    };
    // The name as the file on disk spells it, whatever case the caller used.
    table.name = Tvx_String::fromUtf8(mapPath(path).stem().string());
    table.shape = lines[0].isEmpty() ? Tvx_String() : lines[0][0];
    table.columns = withoutInUseColumn(lines[1]);
    if (table.columns.isEmpty())
        return false;
    table.rows.removeAll();
    for (int i = 2; i < lines.length(); ++i) {
        if (lines[i].isEmpty() || lines[i][0].isEmpty())
            continue;
        table.rows.append(withoutInUseColumn(lines[i]));
    }
    table.fromFile = true;
    return true;
}

const Tvx_SectionTables::Table* Tvx_SectionTables::table(const Tvx_String& tableName) {
    followLibraryFolder();
    if (tableName.isEmpty() || hasInvalidFileNameChars(tableName))
        return nullptr;
    const Tvx_String key = tableKey(tableName);
    if (key.isEmpty())
        return nullptr;
    if (auto found = tables_.find(key); found != tables_.end())
        return &found->second;
    Table read;
    if (!readTable(libraryProfFolder() + bareTableName(tableName) + kExtension, read))
        return nullptr;
    ++revision_;
    return &tables_.emplace(key, std::move(read)).first->second;
}

void Tvx_SectionTables::readAllTables() {
    Tvx_StringArray paths;
    if (!ObjectExportFindFiles(libraryProfFolder(), Tvx_String(L"*.pr"), paths))
        return;
    for (const Tvx_String& path : paths) {
        Tvx_String fileName;
        getFileName(path, fileName);
        table(fileName);
    }
}

bool Tvx_SectionTables::findSection(const Tvx_String& sectionName, Section& section) {
    // A table name may itself hold "-": try every split, from the left.
    int position = -1;
    int from = 0;
    while (sectionName.findFirstFrom(from, kSectionSeparator, true, position)) {
        const Table* candidate = table(sectionName.getSubStringAt(0, position));
        const Tvx_StringArray* row =
            candidate ? candidate->findRow(sectionName.getSubStringAt(position + 1)) : nullptr;
        if (row) {
            section = Section{candidate, row};
            return true;
        }
        from = position + 1;
    }
    return false;
}

ErrorStatus Tvx_SectionTables::getSystemName(const Tvx_String& name, Tvx_String& systemName) {
    Section section;
    if (findSection(name, section)) {
        systemName = section.table->name + kSectionSeparator + (*section.row)[0];
        return eOk;
    }
    if (name.isEmpty())
        return eInvalidInput;
    readAllTables();
    for (const auto& [key, candidate] : tables_) {
        const int languagesEnd = candidate.firstDimension();
        for (const Tvx_StringArray& row : candidate.rows) {
            for (int column = 1; column < std::min(languagesEnd, row.length()); ++column) {
                if (row[column].equal(name, false)) {
                    systemName = candidate.name + kSectionSeparator + row[0];
                    return eOk;
                }
            }
        }
    }
    return eInvalidInput;
}

ErrorStatus Tvx_SectionTables::getUserName(const Tvx_String& sectionName, Tvx_String& userName) {
    Section section;
    if (!findSection(sectionName, section) || section.table->firstDimension() < 2 ||
        section.row->length() < 2 || (*section.row)[1].isEmpty()) {
        return eInvalidInput;
    }
    userName = (*section.row)[1];
    return eOk;
}

ErrorStatus Tvx_SectionTables::getSectionName(const Tvx_String& tableName,
                                              const Tvx_String& systemName,
                                              Tvx_String& sectionName) {
    const Table* found = table(tableName);
    const Tvx_StringArray* row = found ? found->findRow(systemName) : nullptr;
    if (!row)
        return eInvalidInput;
    sectionName = found->name + kSectionSeparator + (*row)[0];
    return eOk;
}

ErrorStatus Tvx_SectionTables::getSectionValue(const Tvx_String& sectionName, int column,
                                               Tvx_String& value) {
    Section section;
    if (column < 0 || !findSection(sectionName, section))
        return eInvalidInput;
    const int index = section.table->firstDimension() + column;
    if (index >= section.table->columns.length() || index >= section.row->length()) {
        return eInvalidInput;
    }
    value = (*section.row)[index];
    return eOk;
}

ErrorStatus Tvx_SectionTables::getSectionColumnNames(const Tvx_String& sectionName,
                                                     Tvx_StringArray& names) {
    names.removeAll();
    Section section;
    if (!findSection(sectionName, section))
        return eInvalidInput;
    const Tvx_StringArray& columns = section.table->columns;
    for (int i = section.table->firstDimension(); i < columns.length(); ++i)
        names.append(columns[i]);
    return eOk;
}

bool Tvx_SectionTables::hasTable(const Tvx_String& tableName) {
    return table(tableName) != nullptr;
}

ErrorStatus Tvx_SectionTables::removeTable(const Tvx_String& tableName) {
    followLibraryFolder();
    if (tables_.erase(tableKey(tableName)) == 0)
        return eInvalidInput;
    ++revision_;
    return eOk;
}

ErrorStatus Tvx_SectionTables::addSectionTable(const Tvx_String& tableName, const Tvx_String& shape,
                                               const Tvx_StringArray& columns,
                                               const Tvx_StringArrArr& rows) {
    followLibraryFolder();
    const Tvx_String key = tableKey(tableName);
    if (key.isEmpty() || hasInvalidFileNameChars(tableName) || columns.isEmpty() ||
        tables_.count(key) > 0) {
        return eInvalidInput;
    }
    Table added;
    added.name = bareTableName(tableName);
    added.shape = shape;
    added.columns = columns;
    for (const Tvx_StringArray& row : rows) {
        if (!row.isEmpty() && !row[0].isEmpty())
            added.rows.append(row);
    }
    tables_.emplace(key, std::move(added));
    ++revision_;
    return eOk;
}

// The section table manager: the sizes of every section type of the library,
// one table per type, read on demand from the library's "prof" folder.
//
// A table named N is the file libDir + "prof\\" + N + ".pr" (Tvx_ProfValuesTable
// writes it): line 1 holds the section type, line 2 the column headers
// ("SysName", "I/O", the language names, the dimension names), and every
// further line one size. The manager keeps each table without its "I/O" column:
// the system name, L language columns (5 when the sixth kept header is "Korean",
// else 4) and the dimension columns. A section name is the table name, "-",
// and the system name ("HEA-200"); its user name is the text of its first
// language column ("HEA 200").
//
// Reading is lenient where a file is ragged: lines without a system name are
// skipped, a row shorter than the header simply lacks the values it does not
// hold (asking for one fails), cells beyond the header are ignored. A file of
// fewer than two lines is no table.
//
// Names: table names are compared without their ".pr" extension and without
// regard to letter case, system and user names without regard to letter case.
// A table name holding a character no file name may hold names no table.
// Tables read from files are forgotten when the library folder changes; tables
// added with addSectionTable stay until removed.
//
// The revision counts the changes of the tables held (a table read from its
// file, added, removed, or tables forgotten), so that a caller keeping
// answers can tell when the manager may answer differently; tables still to
// be read from the folder are the caller's to watch.
#pragma once

#include <cstdint>
#include <map>

#include "platform/core/ErrorStatus.h"
#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

class Tvx_SectionTables {
  public:
    // The section name of `name`, which is either a section name or the user
    // name (in any language) of a size of a table in the "prof" folder.
    // eInvalidInput (systemName untouched) when no table knows it.
    ErrorStatus getSystemName(const Tvx_String& name, Tvx_String& systemName);
    // The user name of a section; eInvalidInput when the section is unknown or
    // its user name is empty.
    ErrorStatus getUserName(const Tvx_String& sectionName, Tvx_String& userName);
    // The section name of size `systemName` of table `tableName`, spelled as
    // the table spells both; eInvalidInput when the table has no such size.
    ErrorStatus getSectionName(const Tvx_String& tableName, const Tvx_String& systemName,
                               Tvx_String& sectionName);
    // Dimension `column` (from 0, in header order) of a section as text;
    // eInvalidInput when the section is unknown, the column does not exist or
    // the section's row does not reach it.
    ErrorStatus getSectionValue(const Tvx_String& sectionName, int column, Tvx_String& value);
    // The dimension names of a section's table; eInvalidInput (names empty)
    // when the section is unknown.
    ErrorStatus getSectionColumnNames(const Tvx_String& sectionName, Tvx_StringArray& names);

    // True when the table is registered or can be read from its file.
    bool hasTable(const Tvx_String& tableName);
    // Forgets a table (a table read from a file is read again when next
    // needed); eInvalidInput when it is not held.
    ErrorStatus removeTable(const Tvx_String& tableName);
    // Registers a table in the manager's layout (system name first, no "I/O"
    // column). `shape` is the section type. eInvalidInput when the name is
    // empty or invalid, a table of that name is already held, or there are no
    // columns.
    ErrorStatus addSectionTable(const Tvx_String& tableName, const Tvx_String& shape,
                                const Tvx_StringArray& columns, const Tvx_StringArrArr& rows);

    // Changes whenever the tables held change (the rule above); never fails.
    std::uint64_t revision() const { return revision_; }

  private:
    struct Table {
        Tvx_String name;
        Tvx_String shape;
        Tvx_StringArray columns;
        Tvx_StringArrArr rows;
        bool fromFile = false;
        int firstDimension() const;
        const Tvx_StringArray* findRow(const Tvx_String& systemName) const;
    };
    struct Section {
        const Table* table = nullptr;
        const Tvx_StringArray* row = nullptr;
    };

    // The table (read from its file when not held yet), or null.
    const Table* table(const Tvx_String& tableName);
    bool findSection(const Tvx_String& sectionName, Section& section);
    // Forgets the tables read from files when the library folder changed.
    void followLibraryFolder();
    // Reads every table of the "prof" folder that is not held yet.
    void readAllTables();
    static bool readTable(const Tvx_String& path, Table& table);

    std::map<Tvx_String, Table> tables_;  // keyed by the upper-case table name
    Tvx_String libraryFolder_;
    std::uint64_t revision_ = 0;
};

extern Tvx_SectionTables gSectionTables;

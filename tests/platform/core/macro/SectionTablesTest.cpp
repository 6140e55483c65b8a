// The section table manager over ".pr" tables of a library folder: section,
// system and user names, dimensions, ragged files and registered tables.
#include "platform/core/macro/Tvx_SectionTables.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/core/Tvx_Settings.h"
#include "platform/core/macro/MacroTestData.h"
#include "support/TempDir.h"

namespace {

Tvx_String T(const char* utf8) {
    return Tvx_String::fromUtf8(utf8);
}

// Points the library folder somewhere for one test, and back afterwards.
class SectionTablesTest : public testing::Test {
  protected:
    void useLibrary(const std::string& folder) { gSettings.setLibDir(T(folder.c_str())); }
    void TearDown() override { gSettings.setLibDir(Tvx_String()); }
    Tvx_SectionTables tables;
};

TEST_F(SectionTablesTest, ReadsDimensionsOfASectionFromItsTable) {
    useLibrary(macrotest::macroDataFolder());
    Tvx_StringArray names;
    EXPECT_EQ(tables.getSectionColumnNames(T("HEA-200"), names), eOk);
    EXPECT_EQ(names, (Tvx_StringArray{T("h"), T("b"), T("tw"), T("tf"), T("r")}));
    struct Case {
        const char* section;
        int column;
        ErrorStatus status;
        const char* value;
    };
    const Case cases[] = {
        {"HEA-200", 0, eOk, "190"},        {"hea-200", 2, eOk, "6.5"},
        {"HEA-220", 4, eOk, "18"},         {"IPE-300", 1, eOk, "150"},
        {"HEA-200", 5, eInvalidInput, ""}, {"HEA-200", -1, eInvalidInput, ""},
        {"HEA-999", 0, eInvalidInput, ""}, {"HEB-200", 0, eInvalidInput, ""},
        {"HEA200", 0, eInvalidInput, ""},  {"", 0, eInvalidInput, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.section << " column " << c.column);
        Tvx_String value;
        EXPECT_EQ(tables.getSectionValue(T(c.section), c.column, value), c.status);
        EXPECT_EQ(value, T(c.value));
    }
    EXPECT_EQ(tables.getSectionColumnNames(T("HEA-999"), names), eInvalidInput);
    EXPECT_TRUE(names.isEmpty());
}

TEST_F(SectionTablesTest, TranslatesBetweenSectionSystemAndUserNames) {
    useLibrary(macrotest::macroDataFolder());
    Tvx_String text;
    EXPECT_EQ(tables.getSystemName(T("hea-180"), text), eOk);
    EXPECT_EQ(text, T("HEA-180"));
    EXPECT_EQ(tables.getSystemName(T("IPE 300"), text), eOk);
    EXPECT_EQ(text, T("IPE-300"));
    text = T("kept");
    EXPECT_EQ(tables.getSystemName(T("HEA 999"), text), eInvalidInput);
    EXPECT_EQ(text, T("kept"));
    EXPECT_EQ(tables.getUserName(T("HEA-200"), text), eOk);
    EXPECT_EQ(text, T("HEA 200"));
    EXPECT_EQ(tables.getSectionName(T("hea"), T("220"), text), eOk);
    EXPECT_EQ(text, T("HEA-220"));
    EXPECT_EQ(tables.getSectionName(T("HEA"), T("230"), text), eInvalidInput);
}

TEST_F(SectionTablesTest, ReadsRaggedTablesAsFarAsTheyAreSound) {
    testsupport::TempDir library;
    library.write("prof/RAG.pr",
                  "7\n"
                  "SysName\tI/O\tEnglish\tDutch\tGerman\tFrench\tKorean\th\tb\n"
                  "\n"
                  "short\t1\tRAG short\n"
                  "\t1\tno system name\tx\tx\tx\tx\t1\t2\n"
                  "full\t1\tRAG full\tx\tx\tx\tx\t10\t20\textra\n");
    library.write("prof/ONE.pr", "1\n");
    library.write("prof/IPE-A.pr",
                  "1\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n"
                  "300\t1\tIPE A 300\t\t\t\t297\n");
    useLibrary(library.path().string());

    Tvx_StringArray names;
    // The seventh file column is "Korean": five languages before the dimensions.
    EXPECT_EQ(tables.getSectionColumnNames(T("RAG-full"), names), eOk);
    EXPECT_EQ(names, (Tvx_StringArray{T("h"), T("b")}));
    Tvx_String value;
    EXPECT_EQ(tables.getSectionValue(T("RAG-full"), 1, value), eOk);
    EXPECT_EQ(value, T("20"));
    EXPECT_EQ(tables.getSectionValue(T("RAG-full"), 2, value), eInvalidInput);
    EXPECT_EQ(tables.getSectionValue(T("RAG-short"), 0, value), eInvalidInput);
    EXPECT_EQ(tables.getUserName(T("RAG-short"), value), eOk);
    EXPECT_EQ(value, T("RAG short"));
    EXPECT_EQ(tables.getSystemName(T("no system name"), value), eInvalidInput);
    EXPECT_FALSE(tables.hasTable(T("ONE")));

    // A table name holding "-".
    EXPECT_EQ(tables.getSectionValue(T("IPE-A-300"), 0, value), eOk);
    EXPECT_EQ(value, T("297"));
    EXPECT_EQ(tables.getSystemName(T("IPE A 300"), value), eOk);
    EXPECT_EQ(value, T("IPE-A-300"));
}

TEST_F(SectionTablesTest, RegisteredTablesComeBeforeFilesUntilRemoved) {
    useLibrary(macrotest::macroDataFolder());
    EXPECT_TRUE(tables.hasTable(T("HEA")));
    EXPECT_TRUE(tables.hasTable(T("hea.pr")));
    const Tvx_StringArray columns{T("SysName"), T("English"), T("Dutch"),
                                  T("German"),  T("French"),  T("h")};
    const Tvx_StringArrArr rows{{T("200"), T("HEA 200"), T(""), T(""), T(""), T("191")}};

    EXPECT_EQ(tables.addSectionTable(T("HEA.pr"), T("1"), columns, rows), eInvalidInput);
    EXPECT_EQ(tables.removeTable(T("HEA")), eOk);
    EXPECT_EQ(tables.addSectionTable(T("HEA.pr"), T("1"), columns, rows), eOk);
    Tvx_String value;
    EXPECT_EQ(tables.getSectionValue(T("HEA-200"), 0, value), eOk);
    EXPECT_EQ(value, T("191"));
    EXPECT_EQ(tables.getSectionValue(T("HEA-180"), 0, value), eInvalidInput);

    // Removing the registered table makes the file's come back.
    EXPECT_EQ(tables.removeTable(T("hea.pr")), eOk);
    EXPECT_EQ(tables.getSectionValue(T("HEA-180"), 0, value), eOk);
    EXPECT_EQ(value, T("171"));

    EXPECT_EQ(tables.removeTable(T("NONE")), eInvalidInput);
    EXPECT_EQ(tables.addSectionTable(T(""), T("1"), columns, rows), eInvalidInput);
    EXPECT_EQ(tables.addSectionTable(T("X"), T("1"), {}, rows), eInvalidInput);
    EXPECT_EQ(tables.addSectionTable(T("..\\HEA"), T("1"), columns, rows), eInvalidInput);
    EXPECT_FALSE(tables.hasTable(T("..\\macro\\prof\\HEA")));
}

TEST_F(SectionTablesTest, ForgetsFileTablesWhenTheLibraryFolderChanges) {
    testsupport::TempDir first;
    testsupport::TempDir second;
    first.write("prof/T.pr",
                "1\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n1\t1\tT 1\t\t\t\t10\n");
    second.write("prof/T.pr",
                 "1\nSysName\tI/O\tEnglish\tDutch\tGerman\tFrench\th\n1\t1\tT 1\t\t\t\t20\n");
    const Tvx_StringArray columns{T("SysName"), T("English"), T("h")};
    Tvx_String value;
    useLibrary(first.path().string());
    EXPECT_EQ(tables.getSectionValue(T("T-1"), 0, value), eOk);
    EXPECT_EQ(value, T("10"));
    ASSERT_EQ(tables.addSectionTable(T("Mine"), T("1"), columns, {{T("A"), T("Mine A")}}), eOk);
    useLibrary(second.path().string());
    EXPECT_EQ(tables.getSectionValue(T("T-1"), 0, value), eOk);
    EXPECT_EQ(value, T("20"));
    EXPECT_TRUE(tables.hasTable(T("Mine")));
}

TEST_F(SectionTablesTest, RevisionChangesExactlyWhenTheTablesHeldChange) {
    useLibrary(macrotest::macroDataFolder());
    const Tvx_StringArray columns{T("SysName"), T("English"), T("h")};
    Tvx_String value;
    struct Step {
        const char* what;
        std::function<void()> act;
        bool changes;
    };
    const Step steps[] = {
        {"reading a table", [&] { tables.getSectionValue(T("HEA-200"), 0, value); }, true},
        {"asking a held table", [&] { tables.getSectionValue(T("HEA-180"), 0, value); }, false},
        {"asking for a table that does not exist", [&] { tables.hasTable(T("NONE")); }, false},
        {"adding a table",
         [&] {
             tables.addSectionTable(T("Mine"), T("1"), columns, {{T("A"), T("Mine A")}});
         },
         true},
        {"adding it again", [&] { tables.addSectionTable(T("Mine"), T("1"), columns, {}); }, false},
        {"removing it", [&] { tables.removeTable(T("Mine")); }, true},
        {"removing it again", [&] { tables.removeTable(T("Mine")); }, false},
        {"another library folder", [&] { useLibrary(testsupport::TempDir().path().string()); },
         false},
        {"asking in it", [&] { tables.hasTable(T("HEA")); }, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        const std::uint64_t before = tables.revision();
        step.act();
        EXPECT_EQ(tables.revision() != before, step.changes);
    }
}

}  // namespace

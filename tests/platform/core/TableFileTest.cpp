// Tab-separated table files (the section value tables).
#include "platform/core/TableFile.h"

#include <gtest/gtest.h>

#include "platform/core/FileBytes.h"
#include "platform/core/PathMapping.h"
#include "support/TempDir.h"

namespace {

class TableFileTest : public testing::Test {
  protected:
    void SetUp() override { setDriveRoot(temp.path()); }
    void TearDown() override {
        setDriveRoot({});
        failNthFileWrite(0);
    }
    testsupport::TempDir temp;
};

Tvx_StringArray row(std::initializer_list<Tvx_String> cells) {
    return Tvx_StringArray(cells);
}

TEST_F(TableFileTest, ReadsCellsBetweenTabsAndTheNameWithoutExtension) {
    temp.write("prof/HEA.pr", "1\n\nSysName\tI/O\tEnglish\n100\t1\tHEA 100\n120\t0\t\n");
    Tvx_String name;
    Tvx_StringArrArr rows;
    ASSERT_TRUE(readFile(L"c:\\Prof\\hea.pr", name, rows));
    EXPECT_EQ(name.str(), L"hea");
    const Tvx_StringArrArr expected{row({L"1"}), row({}), row({L"SysName", L"I/O", L"English"}),
                                    row({L"100", L"1", L"HEA 100"}), row({L"120", L"0", L""})};
    EXPECT_EQ(rows, expected);
}

TEST_F(TableFileTest, WritesAndReadsBackTheSameRows) {
    const Tvx_StringArrArr rows{row({L"c:\\user\\Section.dwg"}), row({L"SysName", L"I/O"}),
                                row({L"a", L"", L"\u00C4\u2022"}), row({})};
    ASSERT_TRUE(writeFile(L"c:\\T.pr", rows));
    EXPECT_EQ(temp.read("T.pr"),
              "c:\\user\\Section.dwg\nSysName\tI/O\na\t\t\xC3\x84\xE2\x80\xA2\n\n");
    Tvx_String name;
    Tvx_StringArrArr read;
    ASSERT_TRUE(readFile(L"c:\\T.pr", name, read));
    EXPECT_EQ(name.str(), L"T");
    EXPECT_EQ(read, rows);
}

TEST_F(TableFileTest, TabsAndLineBreaksInCellsBecomeBlanks) {
    ASSERT_TRUE(writeFile(L"c:\\T.pr", Tvx_StringArrArr{row({L"a\tb", L"c\nd\r"})}));
    EXPECT_EQ(temp.read("T.pr"), "a b\tc d \n");
}

TEST_F(TableFileTest, MissingFileAndFailedWrite) {
    Tvx_String name(L"stale");
    Tvx_StringArrArr rows{row({L"stale"})};
    EXPECT_FALSE(readFile(L"c:\\none.pr", name, rows));
    EXPECT_TRUE(name.isEmpty());
    EXPECT_EQ(rows.length(), 0);

    temp.write("T.pr", "old\n");
    failNthFileWrite(1);
    EXPECT_FALSE(writeFile(L"c:\\T.pr", Tvx_StringArrArr{row({L"new"})}));
    EXPECT_EQ(temp.read("T.pr"), "old\n");
}

}  // namespace

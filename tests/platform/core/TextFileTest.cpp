// Text files as lines: encodings on reading, UTF-8 on writing, atomic writes.
#include "platform/core/TextFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/core/FileBytes.h"
#include "platform/core/PathMapping.h"
#include "support/TempDir.h"

namespace {

class TextFileTest : public testing::Test {
  protected:
    void SetUp() override { setDriveRoot(temp.path()); }
    void TearDown() override {
        setDriveRoot({});
        failNthFileWrite(0);
    }
    // The files of the temporary folder, to prove no temporary file is left.
    int fileCount() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(temp.path())) {
            count += entry.is_regular_file() ? 1 : 0;
        }
        return count;
    }
    testsupport::TempDir temp;
};

Tvx_StringArray lines(std::initializer_list<Tvx_String> items) {
    return Tvx_StringArray(items);
}

TEST_F(TextFileTest, ReadsEveryEncodingAndLineEnd) {
    struct Case {
        const char* what;
        std::string bytes;
        Tvx_StringArray expected;
    };
    const Case cases[] = {
        {"utf8 lf", "Mapping version 1.0\nA=x\xC2\xBFy\n",
         lines({L"Mapping version 1.0", L"A=x\u00BFy"})},
        {"utf8 with mark, crlf",
         "\xEF\xBB\xBF"
         "a\r\nb\r\n",
         lines({L"a", L"b"})},
        {"no final line feed", "a\nb", lines({L"a", L"b"})},
        {"empty lines kept", "a\n\n\nb\n\n", lines({L"a", L"", L"", L"b", L""})},
        {"lone carriage return stays", "a\rb\r", lines({L"a\rb\r"})},
        {"utf16 le with mark",
         std::string("\xFF\xFE"
                     "a\0\r\0\n\0\x92\x01\n\0",
                     12),
         lines({L"a", L"\u0192"})},
        {"utf16 be with mark", std::string("\xFE\xFF\0x\0\n\0y", 8), lines({L"x", L"y"})},
        {"windows-1252 fallback",
         "Gr\xF6\xDF"
         "e\n\xA4\x95\n",
         lines({L"Gr\u00F6\u00DFe", L"\u00A4\u2022"})},
        {"empty file", "", lines({})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        temp.write("in.txt", c.bytes);
        Tvx_StringArray read;
        ASSERT_TRUE(ObjectExportReadFile(L"c:\\in.txt", read));
        EXPECT_EQ(read, c.expected);
    }
}

TEST_F(TextFileTest, WritesUtf8WithoutMarkAndReadsBackTheSameLines) {
    const Tvx_StringArray written =
        lines({L"Mapping version 1.0", L"", L"a\u2022b\u0192c\u00BF", L"\u00A4 end"});
    ASSERT_TRUE(ObjectExportWriteFile(L"c:\\out.map", written));
    EXPECT_EQ(temp.read("out.map"),
              "Mapping version 1.0\n\na\xE2\x80\xA2"
              "b\xC6\x92"
              "c\xC2\xBF\n\xC2\xA4 end\n");
    Tvx_StringArray read;
    ASSERT_TRUE(ObjectExportReadFile(L"C:\\OUT.MAP", read));
    EXPECT_EQ(read, written);

    ASSERT_TRUE(ObjectExportWriteFile(L"c:\\out.map", lines({})));
    EXPECT_EQ(temp.read("out.map"), "");
    EXPECT_EQ(fileCount(), 1);
}

TEST_F(TextFileTest, MissingOrUnreadableFileGivesFalseAndNoLines) {
    temp.write("folder/x.txt", "x");
    Tvx_StringArray read = lines({L"stale"});
    EXPECT_FALSE(ObjectExportReadFile(L"c:\\missing.txt", read));
    EXPECT_EQ(read.length(), 0);
    read = lines({L"stale"});
    EXPECT_FALSE(ObjectExportReadFile(L"c:\\folder", read));
    EXPECT_EQ(read.length(), 0);
    EXPECT_FALSE(ObjectExportReadFile(L"", read));
}

// A file read again gives its lines as they now stand: written over, edited
// in place with a new time, or removed.
TEST_F(TextFileTest, AFileReadAgainGivesItsCurrentLines) {
    namespace fs = std::filesystem;
    const auto settle = [&] {
        fs::last_write_time(temp.path() / "data.txt",
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    };
    temp.write("data.txt", "M20\t22\n");
    settle();
    Tvx_StringArray read;
    ASSERT_TRUE(ObjectExportReadFile(L"c:\\data.txt", read));
    EXPECT_EQ(read, lines({L"M20\t22"}));
    read.append(L"changed by the caller");
    ASSERT_TRUE(ObjectExportReadFile(L"c:\\data.txt", read));
    EXPECT_EQ(read, lines({L"M20\t22"}));

    ASSERT_TRUE(ObjectExportWriteFile(L"c:\\data.txt", lines({L"M24\t26", L"M27\t30"})));
    settle();
    ASSERT_TRUE(ObjectExportReadFile(L"c:\\data.txt", read));
    EXPECT_EQ(read, lines({L"M24\t26", L"M27\t30"}));

    temp.write("data.txt", "M30\t33\nM36\t39\n");  // same size, in place
    ASSERT_TRUE(ObjectExportReadFile(L"c:\\data.txt", read));
    EXPECT_EQ(read, lines({L"M30\t33", L"M36\t39"}));

    fs::remove(temp.path() / "data.txt");
    EXPECT_FALSE(ObjectExportReadFile(L"c:\\data.txt", read));
    EXPECT_EQ(read.length(), 0);
}

TEST_F(TextFileTest, InterruptedWriteLeavesTheOldFile) {
    ASSERT_TRUE(ObjectExportWriteFile(L"c:\\keep.txt", lines({L"old 1", L"old 2"})));
    const std::string before = temp.read("keep.txt");
    failNthFileWrite(2);
    EXPECT_TRUE(ObjectExportWriteFile(L"c:\\other.txt", lines({L"first write succeeds"})));
    EXPECT_FALSE(
        ObjectExportWriteFile(L"c:\\keep.txt", lines({L"a much longer new content", L"x"})));
    EXPECT_EQ(temp.read("keep.txt"), before);
    EXPECT_EQ(fileCount(), 2);  // no temporary file left behind
    EXPECT_TRUE(ObjectExportWriteFile(L"c:\\keep.txt", lines({L"new"})));  // the fault fired once
    EXPECT_EQ(temp.read("keep.txt"), "new\n");
}

TEST_F(TextFileTest, ReplacedFileKeepsItsPermissions) {
    namespace fs = std::filesystem;
    const fs::path file = temp.write("private.txt", "old\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ObjectExportWriteFile(L"c:\\private.txt", lines({L"new"})));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(temp.read("private.txt"), "new\n");
}

TEST_F(TextFileTest, WriteIntoMissingFolderOrOverFolderFails) {
    temp.write("sub/x", "");
    EXPECT_FALSE(ObjectExportWriteFile(L"c:\\no such folder\\a.txt", lines({L"a"})));
    EXPECT_FALSE(ObjectExportWriteFile(L"c:\\sub", lines({L"a"})));
    EXPECT_FALSE(ObjectExportWriteFile(L"", lines({L"a"})));
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "sub"));
}

}  // namespace

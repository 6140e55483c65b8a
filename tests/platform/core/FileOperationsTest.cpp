// Finding, creating, timing, copying and deleting files through the path mapping.
#include "platform/core/FileOperations.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/core/FileBytes.h"
#include "platform/core/PathMapping.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class FileOperationsTest : public testing::Test {
  protected:
    void SetUp() override { setDriveRoot(temp.path()); }
    void TearDown() override {
        setDriveRoot({});
        failNthFileWrite(0);
    }
    testsupport::TempDir temp;
};

std::vector<std::wstring> texts(const Tvx_StringArray& array) {
    std::vector<std::wstring> out;
    for (const Tvx_String& s : array)
        out.push_back(s.str());
    return out;
}

TEST(FilePattern, StarAndQuestionMarkIgnoringCase) {
    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
        bool matches;
    };
    const Case cases[] = {
        {L"Stock1.shp", L"*.shp", true},
        {L"Stock1.SHP", L"*.shp", true},
        {L"Stock1.shpx", L"*.shp", false},
        {L"Stock12.buy", L"Stock*.buy", true},
        {L"a.b.c", L"*.c", true},
        {L"abc", L"a?c", true},
        {L"ac", L"a?c", false},
        {L"noext", L"*.*", true},
        {L"x", L"*", true},
        {L"", L"*", true},
        {L"", L"", true},
        {L"x", L"", false},
        {L"aXbXc", L"a*b*c", true},
        {L"aXbX", L"a*b*c", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.name).toUtf8() + " ~ " + Tvx_String(c.pattern).toUtf8());
        EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.matches);
    }
}

TEST_F(FileOperationsTest, FindFilesListsMatchingFilesWithTheFolderAsWritten) {
    temp.write("lib/Cutting Stock/A/Stock2.shp", "");
    temp.write("lib/Cutting Stock/A/Stock10.SHP", "");
    temp.write("lib/Cutting Stock/A/Stock1.buy", "");
    temp.write("lib/Cutting Stock/A/sub.shp/inner.shp", "");
    Tvx_StringArray paths;
    ASSERT_TRUE(ObjectExportFindFiles(L"c:\\LIB\\cutting stock\\A\\", L"*.shp", paths));
    EXPECT_EQ(texts(paths), (std::vector<std::wstring>{L"c:\\LIB\\cutting stock\\A\\Stock10.SHP",
                                                       L"c:\\LIB\\cutting stock\\A\\Stock2.shp"}));
    ASSERT_TRUE(ObjectExportFindFiles(L"c:\\lib\\Cutting Stock\\A", L"*.buy", paths));
    EXPECT_EQ(texts(paths), (std::vector<std::wstring>{L"c:\\lib\\Cutting Stock\\A\\Stock1.buy"}));
    ASSERT_TRUE(ObjectExportFindFiles(L"c:\\lib\\Cutting Stock\\A", L"*.dat", paths));
    EXPECT_EQ(paths.length(), 0);
    paths.append(L"stale");
    EXPECT_FALSE(ObjectExportFindFiles(L"c:\\lib\\missing", L"*", paths));
    EXPECT_EQ(paths.length(), 0);
}

TEST_F(FileOperationsTest, FindFilesRecursiveVisitsSubFoldersAfterTheFolderItself) {
    temp.write("root/b.txt", "");
    temp.write("root/Sub2/c.txt", "");
    temp.write("root/Sub1/Deep/d.txt", "");
    temp.write("root/Sub1/a.TXT", "");
    temp.write("root/Sub1/a.bmp", "");
    Tvx_StringArray paths;
    ASSERT_TRUE(ObjectExportFindFilesRecursive(L"c:\\root\\", L"*.txt", paths));
    EXPECT_EQ(texts(paths), (std::vector<std::wstring>{L"c:\\root\\b.txt", L"c:\\root\\Sub1\\a.TXT",
                                                       L"c:\\root\\Sub1\\Deep\\d.txt",
                                                       L"c:\\root\\Sub2\\c.txt"}));
    EXPECT_FALSE(ObjectExportFindFilesRecursive(L"c:\\nothing", L"*.txt", paths));
}

TEST_F(FileOperationsTest, FindFilesSeesEveryChangeOfAFolderListedBefore) {
    // Folders last changed a while ago, as a library's folders are.
    const auto settle = [&](const char* folder, std::chrono::minutes age) {
        fs::last_write_time(temp.path() / folder, fs::file_time_type::clock::now() - age);
    };
    const auto find = [](const wchar_t* folder) {
        Tvx_StringArray paths;
        EXPECT_TRUE(ObjectExportFindFiles(folder, L"*.pr", paths));
        return texts(paths);
    };
    temp.write("prof/HEA.pr", "");
    temp.write("prof/IPE.pr", "");
    settle("prof", std::chrono::minutes(60));
    for (int search = 0; search < 2; ++search)
        EXPECT_EQ(find(L"c:\\prof"),
                  (std::vector<std::wstring>{L"c:\\prof\\HEA.pr", L"c:\\prof\\IPE.pr"}));

    temp.write("prof/HEB.pr", "");
    settle("prof", std::chrono::minutes(50));
    EXPECT_EQ(
        find(L"c:\\prof"),
        (std::vector<std::wstring>{L"c:\\prof\\HEA.pr", L"c:\\prof\\HEB.pr", L"c:\\prof\\IPE.pr"}));
    fs::remove(temp.path() / "prof/IPE.pr");
    settle("prof", std::chrono::minutes(40));
    EXPECT_EQ(find(L"c:\\prof"),
              (std::vector<std::wstring>{L"c:\\prof\\HEA.pr", L"c:\\prof\\HEB.pr"}));
    EXPECT_EQ(find(L"c:\\PROF\\"),
              (std::vector<std::wstring>{L"c:\\PROF\\HEA.pr", L"c:\\PROF\\HEB.pr"}));

    // A link's target may change without the folder noticing.
    temp.write("elsewhere/UPN.pr", "");
    fs::create_symlink(temp.path() / "elsewhere/UPN.pr", temp.path() / "prof/UPN.pr");
    settle("prof", std::chrono::minutes(30));
    EXPECT_EQ(
        find(L"c:\\prof"),
        (std::vector<std::wstring>{L"c:\\prof\\HEA.pr", L"c:\\prof\\HEB.pr", L"c:\\prof\\UPN.pr"}));
    fs::remove(temp.path() / "elsewhere/UPN.pr");
    EXPECT_EQ(find(L"c:\\prof"),
              (std::vector<std::wstring>{L"c:\\prof\\HEA.pr", L"c:\\prof\\HEB.pr"}));

    fs::remove_all(temp.path() / "prof");
    Tvx_StringArray paths;
    EXPECT_FALSE(ObjectExportFindFiles(L"c:\\prof", L"*.pr", paths));
}

TEST_F(FileOperationsTest, CreateDirectoryExistsAndDelete) {
    EXPECT_FALSE(ObjectExportFolderExists(L"c:\\Lib\\Cutting Stock\\E1"));
    EXPECT_TRUE(ObjectExportCreateDirectory(L"c:\\Lib\\Cutting Stock\\E1\\"));
    EXPECT_TRUE(fs::is_directory(temp.path() / "Lib/Cutting Stock/E1"));
    EXPECT_TRUE(ObjectExportCreateDirectory(L"c:\\lib\\cutting stock\\e1"));  // exists already
    EXPECT_TRUE(ObjectExportFolderExists(L"C:\\LIB\\CUTTING STOCK\\E1"));
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\Lib\\Cutting Stock\\E1"));
    EXPECT_FALSE(ObjectExportCreateDirectory(L""));

    temp.write("Lib/f.txt", "x");
    EXPECT_FALSE(ObjectExportCreateDirectory(L"c:\\Lib\\f.txt"));
    EXPECT_TRUE(ObjectExportFileExists(L"c:\\lib\\F.TXT"));
    EXPECT_FALSE(deleteFile(L"c:\\Lib\\Cutting Stock\\E1"));  // folders are not deleted
    EXPECT_TRUE(deleteFile(L"c:\\lib\\F.TXT"));
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\lib\\f.txt"));
    EXPECT_FALSE(deleteFile(L"c:\\lib\\f.txt"));
}

TEST_F(FileOperationsTest, FileTimeIsTheModificationTime) {
    const fs::path file = temp.write("t.shp", "x");
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(48);
    fs::last_write_time(file, stamp);
    Tvx_FileTime time{};
    ASSERT_TRUE(ObjectExportGetFileTime(L"c:\\T.SHP", time));
    const auto expected = std::chrono::file_clock::to_sys(stamp);
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::microseconds>(time.time_since_epoch()),
              std::chrono::duration_cast<std::chrono::microseconds>(expected.time_since_epoch()));

    const Tvx_FileTime untouched = time;
    EXPECT_FALSE(ObjectExportGetFileTime(L"c:\\missing.shp", time));
    EXPECT_EQ(time, untouched);
}

TEST_F(FileOperationsTest, CopyKeepsBytesAndTimeAndRespectsOverwrite) {
    const fs::path source = temp.write("icons/src.bmp", std::string("BM\0\x01\xFF", 5));
    const auto stamp = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(source, stamp);
    ASSERT_TRUE(ObjectExportCopyFile(L"c:\\Icons\\SRC.bmp", L"c:\\icons\\dst.bmp", false));
    EXPECT_EQ(temp.read("icons/dst.bmp"), std::string("BM\0\x01\xFF", 5));
    EXPECT_EQ(fs::last_write_time(temp.path() / "icons/dst.bmp"), stamp);

    temp.write("icons/src.bmp", "new");
    EXPECT_FALSE(ObjectExportCopyFile(L"c:\\icons\\src.bmp", L"c:\\icons\\dst.bmp", false));
    EXPECT_EQ(temp.read("icons/dst.bmp"), std::string("BM\0\x01\xFF", 5));
    failNthFileWrite(1);
    EXPECT_FALSE(ObjectExportCopyFile(L"c:\\icons\\src.bmp", L"c:\\icons\\dst.bmp", true));
    EXPECT_EQ(temp.read("icons/dst.bmp"), std::string("BM\0\x01\xFF", 5));
    EXPECT_TRUE(ObjectExportCopyFile(L"c:\\icons\\src.bmp", L"c:\\icons\\dst.bmp", true));
    EXPECT_EQ(temp.read("icons/dst.bmp"), "new");
    EXPECT_FALSE(ObjectExportCopyFile(L"c:\\icons\\missing.bmp", L"c:\\icons\\x.bmp", true));
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\icons\\x.bmp"));
}

}  // namespace

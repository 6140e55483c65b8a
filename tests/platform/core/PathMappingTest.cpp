// The mapping of the module's paths onto the file system: separators, drive
// prefixes and letter case.
#include "platform/core/PathMapping.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/core/FileStatus.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class PathMappingTest : public testing::Test {
  protected:
    void SetUp() override { setDriveRoot(temp.path()); }
    void TearDown() override { setDriveRoot({}); }
    testsupport::TempDir temp;
};

TEST_F(PathMappingTest, DrivePrefixAndBackslashesMapUnderTheRoot) {
    temp.write("lib/prof/HEA.pr", "x");
    struct Case {
        const wchar_t* path;
        fs::path expected;
    };
    const Case cases[] = {
        {L"c:\\lib\\prof\\HEA.pr", temp.path() / "lib/prof/HEA.pr"},
        {L"D:/lib/prof/HEA.pr", temp.path() / "lib/prof/HEA.pr"},
        {L"c:lib\\prof", temp.path() / "lib/prof"},
        {L"c:\\\\lib\\prof", temp.path() / "lib/prof"},
        {L"c:\\lib\\new folder\\new.txt", temp.path() / "lib/new folder/new.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.path).toUtf8());
        EXPECT_EQ(mapPath(c.path), c.expected);
    }
}

TEST_F(PathMappingTest, LetterCaseMismatchFindsTheExistingNames) {
    temp.write("Library/Connection Standards/Base Plate.vts", "x");
    struct Case {
        const wchar_t* path;
        fs::path expected;
    };
    const Case cases[] = {
        {L"c:\\library\\connection standards\\BASE PLATE.VTS",
         temp.path() / "Library/Connection Standards/Base Plate.vts"},
        {L"c:\\LIBRARY\\Connection Standards\\", temp.path() / "Library/Connection Standards/"},
        // The first missing component and the rest stay as written.
        {L"c:\\library\\connection standards\\Childs\\New.vts",
         temp.path() / "Library/Connection Standards/Childs/New.vts"},
        {L"c:\\library\\NEW.map", temp.path() / "Library/NEW.map"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Tvx_String(c.path).toUtf8());
        EXPECT_EQ(mapPath(c.path), c.expected);
    }
}

TEST_F(PathMappingTest, ExactNameWinsOverOthersDifferingInCase) {
    temp.write("dir/Name.txt", "1");
    temp.write("dir/NAME.txt", "2");
    temp.write("dir/other/x", "");
    EXPECT_EQ(mapPath(L"c:\\dir\\NAME.txt"), temp.path() / "dir/NAME.txt");
    EXPECT_EQ(mapPath(L"c:\\DIR\\name.txt"), temp.path() / "dir/NAME.txt");  // sorts first
}

// Folders listed for a look-up are kept, yet every change of a folder's
// entries is seen by the next look-up.
TEST_F(PathMappingTest, ChangesOfAListedFolderAreSeen) {
    const auto settle = [&](const char* folder) {
        fs::last_write_time(temp.path() / folder,
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    };
    temp.write("lib/data/Bolts.txt", "x");
    settle("lib/data");
    EXPECT_EQ(mapPath(L"c:\\lib\\data\\BOLTS.TXT"), temp.path() / "lib/data/Bolts.txt");
    EXPECT_EQ(mapPath(L"c:\\lib\\data\\plates.txt"), temp.path() / "lib/data/plates.txt");

    temp.write("lib/data/Plates.txt", "x");  // added
    EXPECT_EQ(mapPath(L"c:\\lib\\data\\plates.txt"), temp.path() / "lib/data/Plates.txt");
    settle("lib/data");
    EXPECT_EQ(mapPath(L"c:\\lib\\data\\PLATES.txt"), temp.path() / "lib/data/Plates.txt");

    fs::rename(temp.path() / "lib/data/Bolts.txt", temp.path() / "lib/data/BOLTS.dat");  // renamed
    EXPECT_EQ(mapPath(L"c:\\lib\\data\\bolts.txt"), temp.path() / "lib/data/bolts.txt");
    EXPECT_EQ(mapPath(L"c:\\lib\\data\\bolts.dat"), temp.path() / "lib/data/BOLTS.dat");
    settle("lib/data");
    fs::remove(temp.path() / "lib/data/BOLTS.dat");  // removed
    EXPECT_EQ(mapPath(L"c:\\lib\\data\\bolts.dat"), temp.path() / "lib/data/bolts.dat");
}

// Sets the working folder for one test.
class WorkingFolder {
  public:
    explicit WorkingFolder(const fs::path& folder) : saved_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() { fs::current_path(saved_); }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

  private:
    fs::path saved_;
};

// The exact text of each mapping, the same with statuses remembered or not:
// a doubled or trailing separator before the name is dropped as the
// component walk drops it.
TEST_F(PathMappingTest, MissesGiveTheSameTextWithOrWithoutAScope) {
    temp.write("Lib/Data/Bolts.txt", "x");
    const WorkingFolder working(temp.path() / "Lib");
    const std::string root = temp.path().native();
    struct Case {
        const wchar_t* path;
        std::string expected;
    };
    const Case cases[] = {
        {L"c:\\lib\\data\\BOLTS.TXT", root + "/Lib/Data/Bolts.txt"},
        {L"c:\\Lib\\Data\\bolts.txt", root + "/Lib/Data/Bolts.txt"},
        {L"c:\\Lib\\Data\\New.txt", root + "/Lib/Data/New.txt"},
        {L"c:\\Lib\\\\Data\\bolts.txt", root + "/Lib/Data/Bolts.txt"},
        {L"c:\\Lib\\Data\\\\new.txt", root + "/Lib/Data/new.txt"},
        {L"c:\\Lib\\Nothing\\new.txt", root + "/Lib/Nothing/new.txt"},
        {L"data\\bolts.TXT", "Data/Bolts.txt"},
        {L"DATA", "Data"},
        {L"nothing.txt", "nothing.txt"},
        {L"./data/BOLTS.txt", "./Data/Bolts.txt"},
    };
    for (const bool remembered : {false, true}) {
        std::optional<FileStatusScope> scope;
        if (remembered)
            scope.emplace();
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << Tvx_String(c.path).toUtf8() << " " << remembered);
            EXPECT_EQ(mapPathText(c.path), c.expected);
            EXPECT_EQ(mapPath(c.path).native(), c.expected);
        }
    }
}

TEST_F(PathMappingTest, PathsWithoutDriveStayRelativeOrAbsolute) {
    EXPECT_EQ(mapPath(L""), fs::path());
    EXPECT_EQ(mapPath(L"no\\such\\file.txt"), fs::path("no/such/file.txt"));
    const Tvx_String absolute = Tvx_String::fromUtf8(temp.path().string()) + L"\\a\\b.txt";
    EXPECT_EQ(mapPath(absolute), temp.path() / "a/b.txt");
}

TEST(PathMapping, DriveRootComesFromSetterThenEnvironmentThenSlash) {
    const char* saved = std::getenv("VTSS_DRIVE_ROOT");
    const std::string savedValue = saved ? saved : "";
    ::unsetenv("VTSS_DRIVE_ROOT");
    setDriveRoot({});
    EXPECT_EQ(driveRoot(), fs::path("/"));
    EXPECT_EQ(mapPath(L"c:\\no-such-folder-here\\x"), fs::path("/no-such-folder-here/x"));
    ::setenv("VTSS_DRIVE_ROOT", "/srv/drive", 1);
    EXPECT_EQ(driveRoot(), fs::path("/srv/drive"));
    setDriveRoot("/opt/other");
    EXPECT_EQ(driveRoot(), fs::path("/opt/other"));
    setDriveRoot({});
    if (saved) {
        ::setenv("VTSS_DRIVE_ROOT", savedValue.c_str(), 1);
    } else {
        ::unsetenv("VTSS_DRIVE_ROOT");
    }
}

}  // namespace

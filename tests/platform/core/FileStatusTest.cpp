// File status remembered for the length of a scope, and forgotten at every
// change made through the core's file functions.
#include "platform/core/FileStatus.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/FileBytes.h"
#include "platform/core/FileOperations.h"
#include "platform/core/FileStamp.h"
#include "platform/core/PathMapping.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

class FileStatusTest : public testing::Test {
  protected:
    void SetUp() override { setDriveRoot(temp.path()); }
    void TearDown() override { setDriveRoot({}); }
    testsupport::TempDir temp;
};

TEST_F(FileStatusTest, NothingIsRememberedOutsideAScope) {
    EXPECT_FALSE(fileStatusRemembered());
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\a.txt"));
    temp.write("a.txt", "one");
    EXPECT_TRUE(ObjectExportFileExists(L"c:\\a.txt"));
    const std::optional<FileStamp> before = fileStampOf(temp.path() / "a.txt");
    temp.write("a.txt", "three");
    const std::optional<FileStamp> after = fileStampOf(temp.path() / "a.txt");
    ASSERT_TRUE(before && after);
    EXPECT_EQ(after->size, 5u);
    fs::remove(temp.path() / "a.txt");
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\a.txt"));
}

TEST_F(FileStatusTest, AScopeLooksOncePerPath) {
    FileStatusScope scope;
    EXPECT_TRUE(fileStatusRemembered());
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\a.txt"));
    temp.write("a.txt", "made by another program");
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\a.txt"));
    EXPECT_EQ(pathStatus(temp.path() / "a.txt").kind, PathKind::Missing);
}

TEST_F(FileStatusTest, AFileCreatedOrChangedBetweenScopesIsSeen) {
    {
        FileStatusScope scope;
        EXPECT_FALSE(ObjectExportFileExists(L"c:\\Data\\A.txt"));
    }
    temp.write("data/a.txt", "one");
    std::optional<FileStamp> first;
    {
        FileStatusScope scope;
        EXPECT_TRUE(ObjectExportFileExists(L"c:\\Data\\A.txt"));
        first = fileStampOf(mapPath(L"c:\\Data\\A.txt"));
    }
    temp.write("data/a.txt", "four");
    FileStatusScope scope;
    const std::optional<FileStamp> second = fileStampOf(mapPath(L"c:\\Data\\A.txt"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->size, 3u);
    EXPECT_EQ(second->size, 4u);
}

TEST_F(FileStatusTest, AnInnerScopeKeepsTheOuterMemo) {
    FileStatusScope outer;
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\a.txt"));
    { FileStatusScope inner; }
    EXPECT_TRUE(fileStatusRemembered());
    temp.write("a.txt", "x");
    EXPECT_FALSE(ObjectExportFileExists(L"c:\\a.txt"));
}

// Each change through the core is seen at once inside a scope, also by a path
// written in another letter case (its mapping is made afresh).
TEST_F(FileStatusTest, ChangesThroughTheCoreAreSeenAtOnce) {
    struct Case {
        const char* name;
        std::function<void(const testsupport::TempDir&)> prepare;
        std::function<bool()> change;
        std::function<bool()> seen;
    };
    const auto nothing = [](const testsupport::TempDir&) {};
    const Case cases[] = {
        {"write", nothing, [] { return writeFileBytes(L"c:\\Out.txt", "new"); },
         [] { return ObjectExportFileExists(L"c:\\OUT.TXT"); }},
        {"rewrite", [](const testsupport::TempDir& t) { t.write("out.txt", "old"); },
         [] { return writeFileBytes(L"c:\\out.txt", "longer"); },
         [] {
             const std::optional<FileStamp> stamp = fileStampOf(mapPath(L"c:\\OUT.txt"));
             return stamp && stamp->size == 6u;
         }},
        {"copy", [](const testsupport::TempDir& t) { t.write("in.txt", "abc"); },
         [] { return ObjectExportCopyFile(L"c:\\in.txt", L"c:\\copy.txt", false); },
         [] { return ObjectExportFileExists(L"c:\\Copy.txt"); }},
        {"delete", [](const testsupport::TempDir& t) { t.write("gone.txt", "abc"); },
         [] { return deleteFile(L"c:\\gone.txt"); },
         [] { return !ObjectExportFileExists(L"c:\\GONE.txt"); }},
        {"folder", nothing, [] { return ObjectExportCreateDirectory(L"c:\\New\\Sub"); },
         [] { return ObjectExportFolderExists(L"c:\\new\\sub"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir root;
        setDriveRoot(root.path());
        c.prepare(root);
        FileStatusScope scope;
        (void)c.seen();  // remembers the status before the change
        ASSERT_TRUE(c.change());
        EXPECT_TRUE(c.seen());
    }
}

TEST_F(FileStatusTest, LinksAreFollowedOrNotAsAsked) {
    temp.write("target.txt", "abc");
    fs::create_symlink(temp.path() / "target.txt", temp.path() / "link.txt");
    fs::create_symlink(temp.path() / "none.txt", temp.path() / "dangling.txt");
    for (const bool remembered : {false, true}) {
        SCOPED_TRACE(remembered);
        std::optional<FileStatusScope> scope;
        if (remembered)
            scope.emplace();
        EXPECT_EQ(pathStatus(temp.path() / "link.txt").kind, PathKind::File);
        EXPECT_EQ(pathLinkStatus(temp.path() / "link.txt").kind, PathKind::Link);
        EXPECT_EQ(pathStatus(temp.path() / "link.txt").stamp.size, 3u);
        EXPECT_EQ(pathLinkStatus(temp.path() / "dangling.txt").kind, PathKind::Link);
        EXPECT_EQ(pathStatus(temp.path() / "dangling.txt").kind, PathKind::Missing);
        EXPECT_EQ(pathStatus(temp.path()).kind, PathKind::Folder);
        EXPECT_EQ(pathStatus(fs::path()).kind, PathKind::Missing);
    }
}

TEST_F(FileStatusTest, AWatchedMemoOutlivesItsScope) {
    temp.write("data/a.txt", "one");
    const fs::path file = temp.path() / "data" / "a.txt";
    const fs::path missing = temp.path() / "data" / "none.txt";
    {
        FileStatusScope scope;
        EXPECT_EQ(pathStatus(file).kind, PathKind::File);
        EXPECT_EQ(pathStatus(missing).kind, PathKind::Missing);
    }
    EXPECT_FALSE(fileStatusRemembered());
    // Any change in a folder above (other programs, tests running beside
    // this one, write into the temporary folder's parent) rightly forgets
    // the memo, so a scope that asks nothing is waited for.
    bool askedNothing = false;
    for (int attempt = 0; attempt < 100 && !askedNothing; ++attempt) {
        FileStatusScope scope;
        const std::uint64_t asked = fileStatusQuestions();
        EXPECT_EQ(pathStatus(file).stamp.size, 3u);
        EXPECT_EQ(pathStatus(missing).kind, PathKind::Missing);
        askedNothing = fileStatusQuestions() == asked;
    }
    EXPECT_TRUE(askedNothing);
}

// Whatever another program changes between two evaluations is seen by the
// second, however far up the change is made.
TEST_F(FileStatusTest, ChangesMadeElsewhereBetweenScopesAreSeen) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> change;
        PathKind kind;
        std::uintmax_t size;
    };
    const Case cases[] = {
        {"rewritten",
         [](const fs::path& root) { std::ofstream(root / "lib/data/a.txt") << "longer"; },
         PathKind::File, 6},
        {"deleted", [](const fs::path& root) { fs::remove(root / "lib/data/a.txt"); },
         PathKind::Missing, 0},
        {"touched",
         [](const fs::path& root) {
             fs::last_write_time(root / "lib/data/a.txt",
                                 fs::file_time_type::clock::now() - std::chrono::hours(1));
         },
         PathKind::File, 3},
        {"folder renamed", [](const fs::path& root) { fs::rename(root / "lib", root / "old"); },
         PathKind::Missing, 0},
        {"folder replaced",
         [](const fs::path& root) {
             fs::rename(root / "lib", root / "old");
             fs::create_directories(root / "lib/data");
             std::ofstream(root / "lib/data/a.txt") << "ab";
         },
         PathKind::File, 2},
        {"link pointed elsewhere",
         [](const fs::path& root) {
             fs::create_directories(root / "other/data");
             std::ofstream(root / "other/data/a.txt") << "abcd";
             fs::remove(root / "link");
             fs::create_directory_symlink(root / "other", root / "link");
         },
         PathKind::File, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempDir root;
        root.write("lib/data/a.txt", "one");
        fs::create_directory_symlink(root.path() / "lib", root.path() / "link");
        const bool throughLink = std::string_view(c.name).starts_with("link");
        const fs::path file = root.path() / (throughLink ? "link" : "lib") / "data" / "a.txt";
        FileStamp before;
        {
            FileStatusScope scope;
            before = pathStatus(file).stamp;
        }
        c.change(root.path());
        FileStatusScope scope;
        const PathStatus after = pathStatus(file);
        EXPECT_EQ(after.kind, c.kind);
        if (c.kind == PathKind::File) {
            EXPECT_EQ(after.stamp.size, c.size);
            EXPECT_NE(after.stamp, before);
        }
    }
}

// A file written keeps the folders watched: what happens to the folders
// afterwards is still seen.
TEST_F(FileStatusTest, ChangesAfterAFileChangeAreSeenToo) {
    temp.write("lib/data/a.txt", "one");
    const fs::path file = temp.path() / "lib" / "data" / "a.txt";
    const auto sizeInANewScope = [&] {
        FileStatusScope scope;
        const PathStatus status = pathStatus(file);
        return status.kind == PathKind::File ? static_cast<int>(status.stamp.size) : -1;
    };
    EXPECT_EQ(sizeInANewScope(), 3);
    std::ofstream(file) << "three";
    EXPECT_EQ(sizeInANewScope(), 5);
    fs::rename(temp.path() / "lib", temp.path() / "old");
    EXPECT_EQ(sizeInANewScope(), -1);
    fs::create_directories(temp.path() / "lib" / "data");
    std::ofstream(file) << "ab";
    EXPECT_EQ(sizeInANewScope(), 2);
    std::ofstream(file) << "abcd";
    EXPECT_EQ(sizeInANewScope(), 4);
}

TEST_F(FileStatusTest, AFileAppearingInAMissingFolderIsSeen) {
    const fs::path file = temp.path() / "new" / "deeper" / "a.txt";
    {
        FileStatusScope scope;
        EXPECT_EQ(pathStatus(file).kind, PathKind::Missing);
    }
    temp.write("new/deeper/a.txt", "x");
    FileStatusScope scope;
    EXPECT_EQ(pathStatus(file).kind, PathKind::File);
}

TEST_F(FileStatusTest, RelativePathsFollowTheWorkingFolder) {
    testsupport::TempDir first;
    testsupport::TempDir second;
    first.write("a.txt", "one");
    second.write("a.txt", "three");
    const fs::path saved = fs::current_path();
    fs::current_path(first.path());
    {
        FileStatusScope scope;
        EXPECT_EQ(pathStatus(std::string("a.txt")).stamp.size, 3u);
    }
    fs::current_path(second.path());
    {
        FileStatusScope scope;
        EXPECT_EQ(pathStatus(std::string("a.txt")).stamp.size, 5u);
    }
    fs::current_path(saved);
}

// What a link leads to lies outside the watched folders: its status is asked
// again at every evaluation.
TEST_F(FileStatusTest, LinksAreAskedAgainAtEveryScope) {
    temp.write("target.txt", "abc");
    fs::create_symlink(temp.path() / "target.txt", temp.path() / "link.txt");
    for (int scopes = 0; scopes < 2; ++scopes) {
        FileStatusScope scope;
        const std::uint64_t asked = fileStatusQuestions();
        EXPECT_EQ(pathStatus(temp.path() / "link.txt").kind, PathKind::File);
        EXPECT_GT(fileStatusQuestions(), asked);
    }
}

}  // namespace

// Files parsed once and kept while unchanged on disk: edits, replacements,
// new files and files that cannot be read.
#include "platform/core/ParsedFileCache.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// A parse that counts its runs and keeps the bytes as they are; text starting
// with "bad" does not parse.
struct CountingParse {
    int* runs;
    std::shared_ptr<const std::string> operator()(std::string_view bytes) const {
        ++*runs;
        if (bytes.starts_with("bad"))
            return nullptr;
        return std::make_shared<const std::string>(bytes);
    }
};

class ParsedFileCacheTest : public testing::Test {
  protected:
    // Writes a file whose modification time lies an hour back, so that its
    // stamp counts as settled.
    Tvx_String writeSettled(std::string_view name, std::string_view bytes,
                            std::chrono::hours age = std::chrono::hours(1)) {
        const fs::path path = temp.write(name, bytes);
        fs::last_write_time(path, fs::file_time_type::clock::now() - age);
        return Tvx_String::fromUtf8(path.string());
    }
    // Rewrites a file in place (same inode) and gives it back a modification time.
    void rewriteInPlace(const Tvx_String& path, std::string_view bytes, fs::file_time_type time) {
        std::ofstream out(path.toUtf8(), std::ios::binary | std::ios::trunc);
        out << bytes;
        out.close();
        fs::last_write_time(path.toUtf8(), time);
    }
    std::string read(const Tvx_String& path) {
        const auto parsed = cache.get(path, CountingParse{&runs});
        return parsed ? *parsed : std::string("<none>");
    }

    testsupport::TempDir temp;
    ParsedFileCache<std::string> cache;
    int runs = 0;
};

TEST_F(ParsedFileCacheTest, AnUnchangedFileIsParsedOnce) {
    const Tvx_String path = writeSettled("a.txt", "alpha");
    EXPECT_EQ(read(path), "alpha");
    EXPECT_EQ(read(path), "alpha");
    EXPECT_EQ(runs, 1);
}

TEST_F(ParsedFileCacheTest, AnEditedFileIsReadAgain) {
    struct Case {
        const char* what;
        const char* edited;
        std::chrono::hours age;
    };
    const Case cases[] = {
        {"longer, new time", "alpha and more", std::chrono::hours(0)},
        {"same size, new time", "omega", std::chrono::hours(0)},
        {"same size, older time", "omega", std::chrono::hours(5)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Tvx_String path = writeSettled("a.txt", "alpha");
        EXPECT_EQ(read(path), "alpha");
        rewriteInPlace(path, c.edited, fs::file_time_type::clock::now() - c.age);
        EXPECT_EQ(read(path), c.edited);
    }
}

TEST_F(ParsedFileCacheTest, AFileReplacedByAnotherIsReadAgain) {
    const Tvx_String path = writeSettled("a.txt", "alpha");
    const fs::file_time_type time = fs::last_write_time(path.toUtf8());
    EXPECT_EQ(read(path), "alpha");
    // A new file of the same size and time renamed over the old one, as
    // atomic writers do.
    writeSettled("a.new", "omega");
    fs::last_write_time(temp.path() / "a.new", time);
    fs::rename(temp.path() / "a.new", path.toUtf8());
    EXPECT_EQ(read(path), "omega");
}

TEST_F(ParsedFileCacheTest, TheStampIsTheKeyNotTheContent) {
    // An in-place change that keeps size, inode and time is not seen: this is
    // what a stamp can tell, and the reason only settled files are kept.
    const Tvx_String path = writeSettled("a.txt", "alpha");
    const fs::file_time_type time = fs::last_write_time(path.toUtf8());
    EXPECT_EQ(read(path), "alpha");
    rewriteInPlace(path, "omega", time);
    EXPECT_EQ(read(path), "alpha");
    cache.clear();
    EXPECT_EQ(read(path), "omega");
}

TEST_F(ParsedFileCacheTest, AFreshlyWrittenFileIsReadEveryTime) {
    const Tvx_String path = Tvx_String::fromUtf8(temp.write("new.txt", "alpha").string());
    EXPECT_EQ(read(path), "alpha");
    EXPECT_EQ(read(path), "alpha");
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(cache.size(), 0u);
}

TEST_F(ParsedFileCacheTest, MissingUnreadableAndUnparsedFilesGiveNothing) {
    const Tvx_String missing = Tvx_String::fromUtf8((temp.path() / "missing.txt").string());
    EXPECT_EQ(read(missing), "<none>");
    fs::create_directories(temp.path() / "folder.txt");
    EXPECT_EQ(read(Tvx_String::fromUtf8((temp.path() / "folder.txt").string())), "<none>");
    EXPECT_EQ(runs, 0);
    const Tvx_String bad = writeSettled("bad.txt", "bad bytes");
    EXPECT_EQ(read(bad), "<none>");
    EXPECT_EQ(read(bad), "<none>");
    EXPECT_EQ(runs, 2);
    // A kept file that disappears is no longer given.
    const Tvx_String gone = writeSettled("gone.txt", "alpha");
    EXPECT_EQ(read(gone), "alpha");
    fs::remove(gone.toUtf8());
    EXPECT_EQ(read(gone), "<none>");
}

TEST_F(ParsedFileCacheTest, AFullCacheStartsAfresh) {
    ParsedFileCache<std::string> small(2);
    const Tvx_String a = writeSettled("a.txt", "a");
    const Tvx_String b = writeSettled("b.txt", "b");
    const Tvx_String c = writeSettled("c.txt", "c");
    for (const Tvx_String& path : {a, b, c, c})
        EXPECT_TRUE(small.get(path, CountingParse{&runs}));
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(small.size(), 1u);
}

}  // namespace

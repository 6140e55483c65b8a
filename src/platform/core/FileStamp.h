// What tells one version of a file from another without reading it: the
// identity of the file, its size and its modification time. Readers that keep
// what they parsed (ParsedFileCache.h) compare stamps to know when a file on
// disk has changed.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;  // since the epoch

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the file at a file-system path (already mapped, PathMapping.h);
// nothing when the path names no regular file. Asked through FileStatus.h, so
// remembered while a FileStatusScope is open.
std::optional<FileStamp> fileStampOf(const std::filesystem::path& path);
// The same for a folder (its time changes when entries are added, removed or
// renamed); nothing when the path names no folder.
std::optional<FileStamp> folderStampOf(const std::filesystem::path& path);
// The same for a folder given as its text (what path.native() holds), so
// that a caller holding only the text builds no path object.
std::optional<FileStamp> folderStampOf(const std::string& path);

// Whether two stamps are of one file-system object (the same device and
// inode), whatever its size and time.
inline bool sameObject(const FileStamp& a, const FileStamp& b) {
    return a.device == b.device && a.inode == b.inode;
}

// Whether a stamp will change with the file's next edit. File systems keep
// modification times in coarse ticks, so a file written again within the tick
// of its last write could keep its stamp; a file is trusted only once its
// modification time lies kSettledAfter in the past.
bool isSettled(const FileStamp& stamp);
inline constexpr std::int64_t kSettledAfterNanoseconds = 2'000'000'000;

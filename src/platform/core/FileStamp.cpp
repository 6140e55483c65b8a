// File stamps from the file system.
#include "platform/core/FileStamp.h"

#include <sys/stat.h>

#include <chrono>

namespace {

std::optional<FileStamp> stampOf(const std::filesystem::path& path, mode_t type) {
    struct stat status {};
    if (path.empty() || ::stat(path.c_str(), &status) != 0 || (status.st_mode & S_IFMT) != type)
        return std::nullopt;
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(status.st_dev);
    stamp.inode = static_cast<std::uint64_t>(status.st_ino);
    stamp.size = static_cast<std::uint64_t>(status.st_size);
    stamp.modifiedNanoseconds =
        static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    return stamp;
}

}  // namespace

std::optional<FileStamp> fileStampOf(const std::filesystem::path& path) {
    return stampOf(path, S_IFREG);
}

std::optional<FileStamp> folderStampOf(const std::filesystem::path& path) {
    return stampOf(path, S_IFDIR);
}

bool isSettled(const FileStamp& stamp) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    return stamp.modifiedNanoseconds <= now - kSettledAfterNanoseconds;
}

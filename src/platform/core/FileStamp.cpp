// File stamps from the file status (FileStatus.h).
#include "platform/core/FileStamp.h"

#include <chrono>

#include "platform/core/FileStatus.h"

namespace {

std::optional<FileStamp> stampOf(const std::string& path, PathKind kind) {
    const PathStatus status = pathStatus(path);
    if (status.kind != kind)
        return std::nullopt;
    return status.stamp;
}

}  // namespace

std::optional<FileStamp> fileStampOf(const std::filesystem::path& path) {
    return stampOf(path.native(), PathKind::File);
}

std::optional<FileStamp> folderStampOf(const std::filesystem::path& path) {
    return stampOf(path.native(), PathKind::Folder);
}

std::optional<FileStamp> folderStampOf(const std::string& path) {
    return stampOf(path, PathKind::Folder);
}

bool isSettled(const FileStamp& stamp) {
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    return stamp.modifiedNanoseconds <= now - kSettledAfterNanoseconds;
}

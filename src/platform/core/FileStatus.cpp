// File status from the file system, remembered while a FileStatusScope is open.
#include "platform/core/FileStatus.h"

#include <sys/stat.h>

#include <optional>
#include <string>
#include <unordered_map>

namespace {

// What is known of one path: with and without following a link at its end.
struct Known {
    std::optional<PathStatus> followed;
    std::optional<PathStatus> unfollowed;
};

struct Memo {
    int openScopes = 0;
    std::uint64_t generation = 0;
    std::unordered_map<std::string, Known> paths;

    void forget() {
        paths.clear();
        ++generation;
    }
};

Memo& memo() {
    static Memo kept;
    return kept;
}

PathKind kindOf(mode_t mode) {
    switch (mode & S_IFMT) {
        case S_IFREG:
            return PathKind::File;
        case S_IFDIR:
            return PathKind::Folder;
        case S_IFLNK:
            return PathKind::Link;
        default:
            return PathKind::Other;
    }
}

PathStatus ask(const std::string& path, bool followLink) {
    PathStatus status;
    struct stat info {};
    if (path.empty())
        return status;
    const int failed = followLink ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (failed != 0)
        return status;
    status.kind = kindOf(info.st_mode);
    status.permissions = static_cast<unsigned>(info.st_mode & 07777);
    status.stamp.device = static_cast<std::uint64_t>(info.st_dev);
    status.stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    status.stamp.size = static_cast<std::uint64_t>(info.st_size);
    status.stamp.modifiedNanoseconds =
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return status;
}

}  // namespace

PathStatus pathStatus(const std::filesystem::path& path) {
    return pathStatus(path.native());
}

PathStatus pathLinkStatus(const std::filesystem::path& path) {
    return pathLinkStatus(path.native());
}

PathStatus pathStatus(const std::string& path) {
    Memo& kept = memo();
    if (kept.openScopes == 0 || path.empty())
        return ask(path, true);
    Known& known = kept.paths[path];
    if (!known.followed) {
        // What is not a link is the same followed or not, so one question
        // answers both for all but links.
        if (!known.unfollowed)
            known.unfollowed = ask(path, false);
        if (known.unfollowed->kind != PathKind::Link)
            known.followed = known.unfollowed;
        else
            known.followed = ask(path, true);
    }
    return *known.followed;
}

PathStatus pathLinkStatus(const std::string& path) {
    Memo& kept = memo();
    if (kept.openScopes == 0 || path.empty())
        return ask(path, false);
    Known& known = kept.paths[path];
    if (!known.unfollowed)
        known.unfollowed = ask(path, false);
    return *known.unfollowed;
}

FileStatusScope::FileStatusScope() {
    ++memo().openScopes;
}

FileStatusScope::~FileStatusScope() {
    Memo& kept = memo();
    if (--kept.openScopes == 0)
        kept.forget();
}

void forgetFileStatus() {
    memo().forget();
}

bool fileStatusRemembered() {
    return memo().openScopes > 0;
}

std::uint64_t fileStatusGeneration() {
    return memo().generation;
}

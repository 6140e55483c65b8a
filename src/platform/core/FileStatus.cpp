// File status from the file system, remembered while a FileStatusScope is open.
#include "platform/core/FileStatus.h"

#include <sys/stat.h>

#include <optional>
#include <string>
#include <unordered_map>

#include "platform/core/FolderWatch.h"

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
    // Whether paths are watched: from the second outermost scope on, so that
    // a process that evaluates once does not pay for setting the watches.
    bool scopedBefore = false;
    bool watching = false;
    // Whether every path remembered is watched for changes, so that the memo
    // can outlive the scope.
    bool allWatched = true;
    // The working folder the memo's relative paths were asked in.
    std::optional<FileStamp> workingFolder;
    std::uint64_t questions = 0;

    void forget() {
        paths.clear();
        allWatched = true;
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
    ++memo().questions;
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

// The memo's entry for path, made when missing. A new path is watched before
// it is first asked about, so that no change after the answer goes unnoticed.
Known& knownOf(Memo& kept, const std::string& path) {
    const auto [known, added] = kept.paths.try_emplace(path);
    if (added && kept.allWatched && !(kept.watching && FolderWatch::instance().watchPath(path)))
        kept.allWatched = false;
    return known->second;
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
    Known& known = knownOf(kept, path);
    if (!known.followed) {
        // What is not a link is the same followed or not, so one question
        // answers both for all but links.
        if (!known.unfollowed)
            known.unfollowed = ask(path, false);
        if (known.unfollowed->kind != PathKind::Link) {
            known.followed = known.unfollowed;
        } else {
            // What a link leads to lies outside the watched folders.
            kept.allWatched = false;
            known.followed = ask(path, true);
        }
    }
    return *known.followed;
}

PathStatus pathLinkStatus(const std::string& path) {
    Memo& kept = memo();
    if (kept.openScopes == 0 || path.empty())
        return ask(path, false);
    Known& known = knownOf(kept, path);
    if (!known.unfollowed)
        known.unfollowed = ask(path, false);
    return *known.unfollowed;
}

FileStatusScope::FileStatusScope() {
    Memo& kept = memo();
    if (kept.openScopes++ > 0)
        return;
    kept.watching = kept.scopedBefore;
    kept.scopedBefore = true;
    if (!kept.watching)
        return;
    // Statuses kept from the last scope hold while nothing watched changed
    // and relative paths still start in the same working folder.
    const FileStamp workingFolder = ask(".", true).stamp;
    if (FolderWatch::instance().takeChanges() || !kept.workingFolder ||
        !sameObject(*kept.workingFolder, workingFolder))
        kept.forget();
    kept.workingFolder = workingFolder;
}

FileStatusScope::~FileStatusScope() {
    Memo& kept = memo();
    if (--kept.openScopes == 0 && !kept.allWatched)
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

std::uint64_t fileStatusQuestions() {
    return memo().questions;
}

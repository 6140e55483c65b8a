// Notice of changes in folders through inotify.
#include "platform/core/FolderWatch.h"

#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// A folder's own entries: added, removed, renamed, or their attributes or
// contents changed; and the folder itself renamed or deleted.
constexpr std::uint32_t kContentsMask = IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                                        IN_DELETE_SELF | IN_MODIFY | IN_MOVE_SELF | IN_MOVED_FROM |
                                        IN_MOVED_TO;
// A folder on the way to a path: entries added, removed, renamed or their
// attributes changed (permissions on the way decide whether a path can be
// reached); and the folder itself renamed or deleted.
constexpr std::uint32_t kEntriesMask =
    IN_ATTRIB | IN_CREATE | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF | IN_MOVED_FROM | IN_MOVED_TO;

// File systems whose every change, made by any program on this machine,
// reaches inotify. Network and user-space file systems are left out: a change
// made on another machine, or behind the user-space server, sends no notice.
bool isLocalFileSystem(const std::string& folder) {
    struct statfs info {};
    if (::statfs(folder.c_str(), &info) != 0)
        return false;
    switch (static_cast<unsigned long>(info.f_type)) {
        case EXT4_SUPER_MAGIC:  // also ext2 and ext3
        case XFS_SUPER_MAGIC:
        case BTRFS_SUPER_MAGIC:
        case TMPFS_MAGIC:
        case RAMFS_MAGIC:
        case F2FS_SUPER_MAGIC:
        case OVERLAYFS_SUPER_MAGIC:
        case 0x2FC12FC1:  // zfs
        case 0x3153464A:  // jfs
        case 0x52654973:  // reiserfs
        case 0xCA451A4E:  // bcachefs
            return true;
        default:
            return false;
    }
}

// The folder holding path, on its text: "a/b" gives "a", "b" the working
// folder ".", "/b" the root; the root and "." have none (empty).
std::string folderOf(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    if (path == "/" || path == "." || path.empty())
        return {};
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return ".";
    std::string_view folder = path.substr(0, slash);
    while (folder.size() > 1 && folder.back() == '/')
        folder.remove_suffix(1);
    return folder.empty() ? std::string("/") : std::string(folder);
}

}  // namespace

FolderWatch& FolderWatch::instance() {
    static FolderWatch watch;
    return watch;
}

FolderWatch::FolderWatch() {
    open();
}

FolderWatch::~FolderWatch() {
    close();
}

void FolderWatch::open() {
    descriptor_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
}

void FolderWatch::close() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
    descriptor_ = -1;
    watched_.clear();
    foldersOf_.clear();
}

FolderWatch::Watched FolderWatch::watchFolder(const std::string& folder, Depth depth, int& watch) {
    const std::uint32_t mask = (depth == Depth::Contents ? kContentsMask : kEntriesMask);
    watch = ::inotify_add_watch(descriptor_, folder.c_str(), mask | IN_ONLYDIR | IN_MASK_ADD);
    if (watch >= 0)
        return Watched::Yes;
    // Not there, or not a folder: the folder above is watched for its
    // entries, which is where it would appear.
    return errno == ENOENT || errno == ENOTDIR ? Watched::Missing : Watched::Refused;
}

void FolderWatch::enter(const std::string& folder, Depth depth, int watch) {
    const auto [kept, added] = watched_.try_emplace(folder, depth);
    if (depth == Depth::Contents)
        kept->second = Depth::Contents;
    if (added)
        foldersOf_[watch].push_back(folder);
}

bool FolderWatch::watchPath(const std::string& path) {
    if (descriptor_ < 0 || path.empty() || !watchFromFolder(folderOf(path)))
        return false;
    // The path itself, when it is a folder: its entries make its stamp.
    const auto known = watched_.find(path);
    if (known != watched_.end() && known->second == Depth::Contents)
        return true;
    int watch = -1;
    switch (watchFolder(path, Depth::Contents, watch)) {
        case Watched::Refused:
            return false;
        case Watched::Missing:
            return true;
        case Watched::Yes:
            enter(path, Depth::Contents, watch);
            return true;
    }
    return false;
}

bool FolderWatch::watchFromFolder(std::string first) {
    struct Added {
        std::string folder;
        Depth depth;
        int watch;
    };
    std::vector<Added> added;
    Depth depth = Depth::Contents;
    for (std::string folder = std::move(first); !folder.empty(); folder = folderOf(folder)) {
        const auto known = watched_.find(folder);
        if (known != watched_.end() &&
            (known->second == Depth::Contents || depth == Depth::Entries))
            break;  // this folder and every one above are watched already
        int watch = -1;
        const Watched watched = watchFolder(folder, depth, watch);
        if (watched == Watched::Refused)
            return false;
        if (watched == Watched::Missing)
            continue;
        if (depth == Depth::Contents) {
            if (!isLocalFileSystem(folder))
                return false;
            // Reached through a link: the folders above its target decide
            // whether the target stays where it is.
            if (char* real = ::realpath(folder.c_str(), nullptr)) {
                const std::string target = real;
                std::free(real);
                if (target != folder && !watchFromFolder(target))
                    return false;
            }
        }
        added.push_back({folder, depth, watch});
        depth = Depth::Entries;
    }
    if (watched_.size() + added.size() > kMaxFolders)
        return false;
    for (const Added& folder : added)
        enter(folder.folder, folder.depth, folder.watch);
    return true;
}

bool FolderWatch::movesWatchedFolder(const inotify_event& event) const {
    if (event.mask & (IN_Q_OVERFLOW | IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT))
        return true;
    if (!(event.mask & (IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO)) || event.len == 0)
        return false;
    const auto folders = foldersOf_.find(event.wd);
    if (folders == foldersOf_.end())
        return false;
    const std::string_view name(event.name);
    for (const std::string& folder : folders->second) {
        std::string entry;
        if (folder != ".")
            entry = folder == "/" ? "/" : folder + "/";
        entry.append(name);
        if (watched_.count(entry) != 0)
            return true;
    }
    return false;
}

bool FolderWatch::takeChanges() {
    if (descriptor_ < 0)
        return false;
    alignas(inotify_event) char buffer[4096];
    bool changed = false;
    bool moved = false;
    for (;;) {
        const ssize_t read = ::read(descriptor_, buffer, sizeof buffer);
        if (read < 0 && errno == EINTR)
            continue;
        if (read <= 0)
            break;  // nothing more (EAGAIN), or the queue cannot be read
        changed = true;
        for (ssize_t at = 0; at + static_cast<ssize_t>(sizeof(inotify_event)) <= read;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            moved = moved || movesWatchedFolder(*event);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (moved) {
        close();
        open();
    }
    return changed;
}

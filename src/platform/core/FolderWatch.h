// Notice of changes in folders, from the kernel (inotify): what lets the file
// statuses of one evaluation be kept for the next (FileStatus.h).
//
// Rules:
// - watchPath(path) asks for notice of every change that could alter what
//   path names: its own entries when it is a folder; the entries of the folder
//   holding it (a file written, touched, created, deleted or renamed there);
//   and the entries of every folder above, up to the root (a folder on the way
//   renamed, replaced or deleted, a link on the way pointed elsewhere). Where
//   the path's folder, or a folder above, does not exist, the nearest one
//   that does is watched, so that the missing one appearing is noticed. Where
//   the folders are reached through a link, the folders above the one it
//   leads to are watched as well.
// - watchPath returns false, and nothing about the path may be kept, when its
//   nearest existing folder is on a file system not known to be local (on a
//   network or user-space file system a change made elsewhere sends no
//   notice), when the kernel refuses a watch, or when more than kMaxFolders
//   folders would be watched.
// - takeChanges() reads every notice that arrived since it was last called,
//   without waiting; true when there was any (or the kernel's queue ran
//   over): something watched may have changed. When a notice tells of a
//   watched folder itself, or of an entry of a watched folder that is itself
//   watched, being created, deleted or renamed (or the queue ran over), every
//   watch is dropped, since a folder renamed or replaced leaves watches on
//   what its path no longer names; paths are then watched afresh as they are
//   asked about again. Notices of files changing keep the watches, which are
//   costly to set on a busy folder. A change is noticed as soon as the call
//   making it returns, in this process or any other.
// - Watches last as long as the process. The module's one thread uses this.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

struct inotify_event;

class FolderWatch {
  public:
    static constexpr std::size_t kMaxFolders = 1024;

    static FolderWatch& instance();

    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    // Path as given to the file system (relative to the working folder, or
    // absolute).
    bool watchPath(const std::string& path);
    bool takeChanges();

  private:
    enum class Depth { Entries, Contents };
    enum class Watched { Yes, Missing, Refused };

    FolderWatch();
    ~FolderWatch();

    void open();
    void close();
    // Watches folder (when it exists) for the changes of depth; watch is
    // then the kernel's number of the watch.
    Watched watchFolder(const std::string& folder, Depth depth, int& watch);
    // Watches folder (the nearest existing one, for the changes that alter
    // what lies below it) and every folder above it, up to the root.
    bool watchFromFolder(std::string folder);
    void enter(const std::string& folder, Depth depth, int watch);
    // Whether the notice tells of a watched folder moving or going (the
    // folder itself, or its entry in a watched folder).
    bool movesWatchedFolder(const inotify_event& event) const;

    int descriptor_ = -1;
    // What each folder (by its text) is watched for. A folder is entered only
    // once the folders above it are watched.
    std::unordered_map<std::string, Depth> watched_;
    // The texts of the folders each watch stands for (a folder reached by two
    // texts, "." and its full path, has one watch).
    std::unordered_map<int, std::vector<std::string>> foldersOf_;
};

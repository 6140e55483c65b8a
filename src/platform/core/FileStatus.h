// The one place where the module asks the file system whether a path exists,
// what it names and its stamp, with a memo that serves the evaluations.
//
// Rule: within one evaluation the file system is looked at once per path, and
// between evaluations only when something may have changed.
// - While a FileStatusScope is open, the status of a path is asked of the
//   file system the first time and remembered. Scopes nest and share one memo
//   for the whole process, so an evaluation and the child sheets it starts
//   see one consistent picture.
// - When the outermost scope closes, the memo is kept if every path in it is
//   watched for changes (FolderWatch.h: the path's folder and the folders
//   above it, on a local file system) and none is a symbolic link; otherwise
//   it is forgotten. Paths are watched from the second outermost scope of
//   the process on: setting watches costs more than asking once, so a
//   process that evaluates once does not pay for them. When the next
//   outermost scope opens, the memo is forgotten if any change was noticed
//   in the watched folders since, or if the working folder is another one.
// - Every change made through the core's own file functions (a write, a
//   rename, a copy, a delete, a new folder: FileBytes.h, FileOperations.h)
//   forgets everything remembered, so the module sees its own changes at once.
// - Outside any scope nothing is remembered: every call asks the file system.
// - A change made by another program while a scope is open is seen once the
//   outermost scope has closed.
// Paths are remembered exactly as given (already mapped, PathMapping.h), so
// "a/b" and "a//b" are asked about separately. The memo is meant for the
// module's one thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/core/FileStamp.h"

enum class PathKind { Missing, File, Folder, Link, Other };

struct PathStatus {
    // Missing also when the path is empty or cannot be examined (no access).
    PathKind kind = PathKind::Missing;
    FileStamp stamp;           // unset when Missing
    unsigned permissions = 0;  // the permission bits (07777); 0 when Missing
};

// What path names, following a symbolic link at its end (Link never results).
PathStatus pathStatus(const std::filesystem::path& path);
// What path names without following a symbolic link at its end: Link for a
// link, also one whose target is missing.
PathStatus pathLinkStatus(const std::filesystem::path& path);
// The same for a path given as its text (what path.native() holds), so that a
// caller holding only the text builds no path object.
PathStatus pathStatus(const std::string& path);
PathStatus pathLinkStatus(const std::string& path);

// Keeps statuses while it lives (the rule above).
class FileStatusScope {
  public:
    FileStatusScope();
    ~FileStatusScope();
    FileStatusScope(const FileStatusScope&) = delete;
    FileStatusScope& operator=(const FileStatusScope&) = delete;
};

// Forgets every status remembered; called by the core's functions that change
// files or folders.
void forgetFileStatus();

// True while a FileStatusScope is open.
bool fileStatusRemembered();
// A number that changes whenever remembered statuses are dropped. Memos built
// on the statuses (the path mapping) keep what they made with this number and
// drop it when the number changes.
std::uint64_t fileStatusGeneration();
// How many times the file system has been asked for a status, for tests and
// measurements.
std::uint64_t fileStatusQuestions();

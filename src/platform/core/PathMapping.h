// The one place where a path of the module becomes a path of this file system.
//
// The module builds paths the way its original platform does: "\\" separators,
// drive prefixes such as "c:", and names in any letter case. mapPath turns such
// a text into a file-system path:
// 1. every "\\" becomes "/";
// 2. a drive prefix (one ASCII letter and ':' at the start) is replaced by the
//    drive root, so "c:\\lib\\x.txt" becomes <root>/lib/x.txt; the rest of the
//    path is always taken from the root, also when it lacks a separator
//    ("c:lib" is <root>/lib);
// 3. when the resulting path does not exist, each component is looked up in
//    its folder ignoring letter case (the case rule of Tvx_String's flag clear);
//    the first component with no match ends the search and it and the rest are
//    kept as written, so a new file in an existing folder keeps the name the
//    caller gave it. When several names of one folder differ only in case, an
//    exact match wins, else the one that sorts first.
// Relative paths stay relative (to the process's working folder).
// The folders listed for step 3 are kept while they do not change
// (FolderNames.h), so a path that misses again costs a look-up, not a listing.
// Every existence check goes through FileStatus.h. While a FileStatusScope is
// open the mapping of each text is remembered as well, and dropped with the
// remembered statuses (the rule of FileStatus.h); setDriveRoot drops it too,
// and a change of VTSS_DRIVE_ROOT is seen once the outermost scope has closed.
//
// The drive root is, in this order: the value of setDriveRoot, the environment
// variable VTSS_DRIVE_ROOT when set and not empty, and "/".
#pragma once

#include <filesystem>
#include <string>

#include "platform/core/Tvx_String.h"

// The file-system path for a path of the module. An empty text gives an empty
// path (which names no file).
std::filesystem::path mapPath(const Tvx_String& path);
// The text of mapPath(path) (what its native() holds), for callers that only
// hand it on to the file system: no path object is built.
std::string mapPathText(const Tvx_String& path);

// Sets the folder that drive prefixes map to; an empty path returns to the
// environment variable or "/".
void setDriveRoot(const std::filesystem::path& root);
std::filesystem::path driveRoot();

// Forgets the folder listings kept for letter-case look-ups.
void clearPathMappingCache();

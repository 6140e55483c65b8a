// Files and folders through the path mapping (PathMapping.h): existence,
// finding files, creating folders, file times, copying and deleting.
//
// Finding files: a pattern is a file name in which "*" stands for any run of
// characters and "?" for one character, compared ignoring letter case, as file
// names are on the module's original platform; "*.*" matches every name. Only
// files are listed, never folders. Each result is the folder exactly as the
// caller wrote it, a "\\" when it does not end in a separator, and the file's
// name as it is on disk ("c:\\lib\\Cutting Stock\\A" with "*.shp" gives
// "c:\\lib\\Cutting Stock\\A\\Stock1.shp"). Results are sorted by name
// (code-point order) within each folder.
#pragma once

#include <chrono>

#include "platform/core/Tvx_String.h"
#include "platform/core/Tvx_StringArray.h"

// A file's last modification time.
using Tvx_FileTime = std::chrono::system_clock::time_point;

// True when path names an existing file (not a folder).
bool ObjectExportFileExists(const Tvx_String& path);
// True when path names an existing folder.
bool ObjectExportFolderExists(const Tvx_String& path);

// Fills paths (replacing their content) with the files of folder whose names
// match pattern. False, with paths empty, when the folder does not exist or
// cannot be listed; true with an empty list when nothing matches.
bool ObjectExportFindFiles(const Tvx_String& folder, const Tvx_String& pattern,
                           Tvx_StringArray& paths);

// As ObjectExportFindFiles, also searching every sub-folder at any depth. The
// files of a folder come before those of its sub-folders; sub-folders are
// visited in name order and appear in the results with "\\" separators
// ("root\\sub\\a.txt"). Links to folders are not followed.
bool ObjectExportFindFilesRecursive(const Tvx_String& folder, const Tvx_String& pattern,
                                    Tvx_StringArray& paths);

// True when the text matches the pattern (the rule above).
bool matchesFilePattern(const Tvx_String& name, const Tvx_String& pattern);

// Creates the folder and any missing parent folders. True when the folder
// exists afterwards (also when it existed before); false for an empty path or
// when a file is in the way.
bool ObjectExportCreateDirectory(const Tvx_String& folder);

// Sets time to the last modification time of the file or folder at path.
// False, leaving time untouched, when it cannot be read.
bool ObjectExportGetFileTime(const Tvx_String& path, Tvx_FileTime& time);

// Copies the file from source to target, keeping its modification time, as an
// atomic write of the target (FileBytes.h). False when the source is not a
// readable file, when the target exists and overwrite is false, or when the
// target cannot be written (an existing target then stays as it was).
bool ObjectExportCopyFile(const Tvx_String& source, const Tvx_String& target, bool overwrite);

// Deletes the file at path. False when there is no such file (folders are
// never deleted) or it cannot be removed.
bool deleteFile(const Tvx_String& path);

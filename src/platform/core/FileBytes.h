// Whole-file reads and atomic whole-file writes, the layer under every file
// format of the core module, with a fault hook for tests of interrupted writes.
//
// A write goes to a temporary file in the target's folder (".vtss-write-" and
// two numbers; a replaced file's permissions carry over), is flushed to disk
// and renamed over the target. Until the rename the old file is untouched, so a failure at any
// point leaves it exactly as it was, and the temporary file is removed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/core/Tvx_String.h"

// The bytes of the file at path (mapped by mapPath). Nothing when the path is
// empty, names no regular file, or cannot be read.
std::optional<std::string> readFileBytes(const Tvx_String& path);
// The same for a path already mapped to the file system.
std::optional<std::string> readFileBytesAt(const std::filesystem::path& mapped);

// Replaces the file at path with bytes. False when the folder does not exist or
// is not writable, the path names a folder, or writing fails; the old file is
// then left as it was. The folder is not created.
bool writeFileBytes(const Tvx_String& path, std::string_view bytes);

// Fault injection for tests: the nth call of writeFileBytes from now on
// (1 = the next one) fails after half of its bytes reached the temporary file,
// as if the process had been interrupted. n <= 0 cancels a pending fault.
void failNthFileWrite(int n);

// Reading whole files, and writing them so that a failure never leaves a
// half-written file behind.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace grid {

// The bytes of a file; nothing when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// Writes the bytes to a temporary file in the target's folder and renames it
// over the target. On failure returns false with the reason in `error`, removes
// the temporary file and leaves any old target untouched.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& error);

}  // namespace grid

// A temporary folder for one test, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace testsupport {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes bytes to a file under the folder (creating sub-folders) and returns its path.
    std::filesystem::path write(std::string_view relative, std::string_view bytes) const;
    // The bytes of a file under the folder, empty when it does not exist.
    std::string read(std::string_view relative) const;

private:
    std::filesystem::path path_;
};

}  // namespace testsupport

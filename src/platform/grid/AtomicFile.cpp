// Whole-file reads and atomic writes (temporary file plus rename).
#include "platform/grid/AtomicFile.h"

#include <atomic>
#include <fstream>
#include <sstream>
#include <system_error>

#include <unistd.h>

namespace grid {

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return bytes.str();
}

bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string& error) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path temporary =
        path.parent_path() / ("." + path.filename().string() + ".tmp" + std::to_string(::getpid()) +
                              "-" + std::to_string(counter++));
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot create a file in the folder of " + path.string();
            return false;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            error = "cannot write " + path.string();
            return false;
        }
    }
    std::error_code renameError;
    std::filesystem::rename(temporary, path, renameError);
    if (renameError) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        error = "cannot replace " + path.string() + ": " + renameError.message();
        return false;
    }
    return true;
}

}  // namespace grid

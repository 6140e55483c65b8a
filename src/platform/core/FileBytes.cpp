// Whole-file reads, and writes through a temporary file renamed over the target.
#include "platform/core/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/core/FileStatus.h"
#include "platform/core/PathMapping.h"

namespace fs = std::filesystem;

namespace {

int gWritesBeforeFault = 0;  // 0: no fault pending
int gTemporaryCounter = 0;

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Creates a new temporary file in target's folder, with the permissions of
// the file it will replace; -1 when the folder refuses it.
int createTemporary(const fs::path& target, fs::path& temporary) {
    const PathStatus existing = pathStatus(target);
    const bool replacing = existing.kind != PathKind::Missing;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.parent_path() / (".vtss-write-" + std::to_string(::getpid()) + "-" +
                                            std::to_string(++gTemporaryCounter));
        const int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 && replacing)
            (void)::fchmod(descriptor, existing.permissions);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

bool takeInjectedFault() {
    if (gWritesBeforeFault <= 0)
        return false;
    return --gWritesBeforeFault == 0;
}

}  // namespace

std::optional<std::string> readFileBytes(const Tvx_String& path) {
    return readFileBytesAt(mapPath(path));
}

std::optional<std::string> readFileBytesAt(const fs::path& mapped) {
    if (pathStatus(mapped).kind != PathKind::File)
        return std::nullopt;
    std::ifstream in(mapped, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return bytes;
}

bool writeFileBytes(const Tvx_String& path, std::string_view bytes) {
    const bool injectedFault = takeInjectedFault();
    const fs::path target = mapPath(path);
    if (target.empty() || !target.has_filename() || pathStatus(target).kind == PathKind::Folder)
        return false;

    fs::path temporary;
    const int descriptor = createTemporary(target, temporary);
    if (descriptor < 0)
        return false;
    bool written = false;
    if (injectedFault) {
        (void)writeAll(descriptor, bytes.substr(0, bytes.size() / 2));
    } else {
        written = writeAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    }
    if (::close(descriptor) != 0)
        written = false;
    if (written)
        written = ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!written)
        ::unlink(temporary.c_str());
    forgetFileStatus();
    return written;
}

void failNthFileWrite(int n) {
    gWritesBeforeFault = n > 0 ? n : 0;
}

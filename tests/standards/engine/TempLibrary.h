// A library folder for one test: a temporary folder made the library folder
// (gSettings.libDir) while the test runs, with helpers to put files into it.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/Tvx_Settings.h"
#include "platform/core/Tvx_String.h"
#include "support/TempDir.h"

namespace standardstest {

class TempLibrary {
  public:
    TempLibrary() { gSettings.setLibDir(Tvx_String::fromUtf8(folder_.path().string() + "/")); }
    ~TempLibrary() { gSettings.setLibDir(Tvx_String()); }
    TempLibrary(const TempLibrary&) = delete;
    TempLibrary& operator=(const TempLibrary&) = delete;

    // Writes a file under the library folder ("/" separators) and returns the
    // module's path of it (libDir + the relative path with "\\" separators).
    Tvx_String write(std::string_view relative, std::string_view bytes) const {
        folder_.write(relative, bytes);
        return modulePath(relative);
    }
    Tvx_String modulePath(std::string_view relative) const {
        std::string path(relative);
        for (char& c : path) {
            if (c == '/')
                c = '\\';
        }
        return gSettings.libDir() + Tvx_String::fromUtf8(path);
    }
    const std::filesystem::path& path() const { return folder_.path(); }

  private:
    testsupport::TempDir folder_;
};

}  // namespace standardstest

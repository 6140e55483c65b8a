// Tvx_Settings: the product's settings object, gSettings: where the library
// and the product's own files are, and the drawing's standards-warning flag.
//
// libDir, the library folder, is in this order: the folder given to setLibDir
// (the driver's --library), the environment variable VTSS_LIBRARY when set and
// not empty, and the bundled sample library compiled in. tvxDir, the product
// folder (numbered texts, icons), is the installed resources folder compiled
// in, or the folder given to setTvxDir. Both always end in a separator: when
// the folder as given does not, the separator it uses last is added ("/" when
// it holds a "/" after its last "\\", else "\\"), so that callers append names
// directly: libDir() + "Connection Standards\\" + name.
//
// Both are returned by reference to the settings object's own text: it stays
// valid for as long as the settings live, and reads the new folder after a
// change of setLibDir/setTvxDir or of VTSS_LIBRARY. The folder taken from the
// environment or compiled in is made once and again only when its source text
// changes.
//
// standardsWarnings is the drawing's flag that makes the standards engine show
// its warnings (variable not retrieved or not set, equation failed, invalid
// tolerances). It is off until set, so that an unattended evaluation is never
// held up by a message box.
#pragma once

#include <string>

#include "platform/core/Tvx_String.h"

class Tvx_Settings {
  public:
    const Tvx_String& libDir() const;
    // An empty folder returns to the environment variable and the bundled one.
    void setLibDir(const Tvx_String& folder);

    const Tvx_String& tvxDir() const;
    // An empty folder returns to the compiled-in one.
    void setTvxDir(const Tvx_String& folder);

    bool standardsWarnings() const { return standardsWarnings_; }
    void setStandardsWarnings(bool on) { standardsWarnings_ = on; }

  private:
    // A folder text made from a source text (the environment or the one
    // compiled in), kept until the source changes.
    struct Derived {
        std::string source;
        Tvx_String folder;
        bool made = false;
        const Tvx_String& from(const char* text);
    };
    Tvx_String libDir_;
    Tvx_String tvxDir_;
    mutable Derived defaultLibDir_;
    mutable Derived defaultTvxDir_;
    bool standardsWarnings_ = false;
};

extern Tvx_Settings gSettings;

// The folder with a separator at its end (the rule above); empty stays empty.
Tvx_String withFolderSeparator(const Tvx_String& folder);

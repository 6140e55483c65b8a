// VtSSRegistrySets: the spreadsheet editor's two machine-wide settings, the
// interface language and the name of the default settings file, kept as the
// string values "Language" and "Default Settings" under
// HKEY_LOCAL_MACHINE\Software\Veltrane\Spreadsheet Editor v1.0.
//
// A value reads only when it is a string of at most 256 bytes as the original
// platform counts them: 128 two-byte characters, the terminating null
// included, so at most 127 characters of text. (The registry stand-in counts
// four bytes per character; the limit is kept in characters.)
#pragma once

#include "platform/core/Tvx_String.h"

class VtSSRegistrySets {
  public:
    // Characters a value may hold, without its terminating null.
    static constexpr int kMaxValueLength = 127;

    VtSSRegistrySets();
    virtual ~VtSSRegistrySets();

    // Reads both values. False when the key or any value is missing, not a
    // string, or too long; a value that fails keeps its old content.
    bool read();
    // Writes both values, creating the key when needed. False when any value
    // cannot be written, or is longer than kMaxValueLength (it could not be
    // read back); the other value is still written.
    bool write() const;

    const Tvx_String& language() const { return language_; }
    void setLanguage(const Tvx_String& language) { language_ = language; }
    const Tvx_String& defaultSettings() const { return defaultSettings_; }
    void setDefaultSettings(const Tvx_String& name) { defaultSettings_ = name; }

  private:
    Tvx_String language_ = L"EN";
    Tvx_String defaultSettings_;
};

// The host's command line: acutPrintf appends formatted wide text to a log that
// the driver echoes and tests read.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/Tvx_String.h"

// Formats like the host's wide printf (directives in WideFormat.h) and appends
// the text to the command line. Returns the number of characters appended; a
// null format appends nothing and returns 0.
int acutPrintf(const wchar_t* format, ...);

namespace host {

// Everything printed on the command line since the start or the last clear.
class CommandLine {
  public:
    // Appends text as it stands (no formatting) and hands it to the echo.
    void append(const std::wstring& text);
    // The whole log.
    const std::wstring& text() const { return text_; }
    // The log split at line breaks; a last line without its break is included,
    // an empty log has no lines.
    std::vector<Tvx_String> lines() const;
    void clear() { text_.clear(); }
    // Receives every appended piece of text as it arrives (the driver prints it);
    // an empty function switches the echo off.
    void setEcho(std::function<void(const std::wstring&)> echo) { echo_ = std::move(echo); }

  private:
    std::wstring text_;
    std::function<void(const std::wstring&)> echo_;
};

// The host's one command line.
CommandLine& commandLine();

}  // namespace host

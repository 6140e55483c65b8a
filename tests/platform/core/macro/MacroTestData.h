// The macro fixtures of tests/data/macro for the tests of the macro model and
// of the modules built on it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

#include "platform/core/Tvx_String.h"
#include "platform/core/macro/MacroFile.h"
#include "platform/core/macro/Tvx_Macro.h"

// Readable failure messages for texts.
inline void PrintTo(const Tvx_String& text, std::ostream* out) {
    *out << '"' << text.toUtf8() << '"';
}

namespace macrotest {

// The folder tests/data/macro/ (with its "prof" tables it serves as a library
// folder), with a trailing separator.
inline std::string macroDataFolder() {
    const char* root = std::getenv("VTSS_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/macro/";
}

// The end-plate macro: general variables, two base profiles, a plate module
// with cuts and flex/fix buttons, a bolt module with two patterns and a profile
// module with placements.
inline Tvx_Macro endPlateMacro() {
    Tvx_Macro macro;
    MacroFileError error;
    const Tvx_String path = Tvx_String::fromUtf8(macroDataFolder() + "EndPlate.json");
    EXPECT_TRUE(readMacroFile(path, macro, error)) << error.describe(path).toUtf8();
    return macro;
}

}  // namespace macrotest

// Readable failure messages for texts in the window-system tests.
#pragma once

#include <ostream>

#include "platform/core/Tvx_String.h"

inline void PrintTo(const Tvx_String& text, std::ostream* out) {
    *out << '"' << text.toUtf8() << '"';
}

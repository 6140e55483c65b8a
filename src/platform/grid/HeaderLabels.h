// The labels a header cell shows when it holds no text of its own.
#pragma once

#include <string>

namespace grid {

// Column letters: 1 "A", 26 "Z", 27 "AA", 16384 "XFD"; empty below 1.
std::wstring columnLabel(int column);
// Row numbers in decimal; empty below 1.
std::wstring rowLabel(int row);

}  // namespace grid

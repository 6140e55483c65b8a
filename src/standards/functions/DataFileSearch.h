// Where the data files of the look-up and standard-size functions are found.
#pragma once

#include "platform/core/Tvx_String.h"

// Finds the data file named by a function's file argument; the first of these
// that is an existing file wins:
//   1. the argument itself (an absolute path, or relative to the working folder);
//   2. libDir + "Connection Standards\\Data\\" + the argument;
//   3. libDir + "Connection Standards\\" + the argument;
//   4. libDir + the argument.
// False, with path untouched, when none exists (an empty argument names none).
bool findDataFile(const Tvx_String& argument, Tvx_String& path);

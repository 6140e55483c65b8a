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
//
// Whether a candidate exists is a matter of its folder's entries, and a
// folder's stamp (FileStamp.h) changes whenever an entry is added, removed or
// renamed. So a search's outcome is kept with the stamps of the folders it
// looked in, and holds while they have those stamps (and the library folder
// is the same): the next search then looks at those folders, not at every
// candidate. Outcomes are kept only when every stamp is settled. A candidate
// that is a link whose target disappears is noticed once its folder changes.
bool findDataFile(const Tvx_String& argument, Tvx_String& path);

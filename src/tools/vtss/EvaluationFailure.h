// Why an evaluation failed, as far as the driver can tell from the outside:
// the evaluation itself reports failure only as false.
#pragma once

#include <string>

#include "platform/core/Tvx_String.h"

namespace vtss {

// A one-line reason for a failed evaluation of sheet (as given to
// --sheet): the sheet file missing, a sheet file that does not load (with
// its line), a sheet without its Input, Output or Calc header; otherwise a
// general statement pointing at the messages (--warnings shows them).
std::string describeEvaluationFailure(const Tvx_String& sheet);

}  // namespace vtss

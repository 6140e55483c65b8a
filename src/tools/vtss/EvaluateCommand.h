// `vtss evaluate`: evaluates a macro against its standards sheet exactly as
// the module's callers do (StartDlgStandardsSS), with the module loaded into
// the host for the length of the command.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vtss {

// Runs `vtss evaluate` with the arguments after the command name. Exit codes:
// 0 the evaluation succeeded; 1 it returned false (the reason on err); 2 bad
// usage, or a macro file that is missing or does not parse.
int runEvaluateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vtss

// The vtss command-line driver: dispatches a command line to its command.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vtss {

// Exit codes shared by every command.
enum ExitCode {
    kExitOk = 0,
    kExitFailed = 1,  // the work itself failed
    kExitUsage = 2,   // bad usage, or an input file missing or unreadable
};

// Runs vtss with the arguments after the program name; writes to out and err.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vtss

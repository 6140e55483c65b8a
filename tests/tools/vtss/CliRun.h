// Runs the vtss command line in this process and keeps its exit code and what
// it printed, for the command tests.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "tools/vtss/Cli.h"

namespace vtss::clitest {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

inline Outcome runVtss(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(args, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace vtss::clitest

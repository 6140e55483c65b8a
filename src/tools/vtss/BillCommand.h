// The `vtss bill` command: the rows of a CSV file written as a bill sheet
// through the bill output, so that a bill spreadsheet can be made from any list.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vtss {

// Runs `vtss bill` with the arguments after "bill"; returns the exit code.
int runBillCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vtss

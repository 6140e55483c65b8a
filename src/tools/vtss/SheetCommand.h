// The `vtss sheet` commands: CSV import and export of sheet files, showing a
// sheet file as a text table, recalculating it into CSV, and reading it through
// the module's sheet reader.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vtss {

// Runs `vtss sheet` with the arguments after "sheet"; returns the exit code.
int runSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vtss

// Command dispatch and the top-level usage text of vtss.
#include "tools/vtss/Cli.h"

#include "tools/vtss/BillCommand.h"
#include "tools/vtss/EvaluateCommand.h"
#include "tools/vtss/SheetCommand.h"

namespace vtss {
namespace {

constexpr const char* kUsage =
    "usage: vtss COMMAND [ARGS...]\n"
    "\n"
    "Connection-standards spreadsheet engine and its tools.\n"
    "\n"
    "Commands:\n"
    "  help        show this text\n"
    "  evaluate    evaluate a macro against its standards sheet (the main job)\n"
    "  sheet       import, export, show, calculate and read sheet files\n"
    "  bill        write the rows of a CSV file as a bill sheet\n"
    "\n"
    "Run 'vtss COMMAND --help' for the usage of one command.\n"
    "Exit codes: 0 done, 1 the work failed, 2 bad usage or unreadable input.\n";

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return kExitUsage;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return kExitOk;
    }
    if (command == "evaluate")
        return runEvaluateCommand({args.begin() + 1, args.end()}, out, err);
    if (command == "sheet")
        return runSheetCommand({args.begin() + 1, args.end()}, out, err);
    if (command == "bill")
        return runBillCommand({args.begin() + 1, args.end()}, out, err);
    err << "vtss: unknown command '" << command << "' (see 'vtss --help')\n";
    return kExitUsage;
}

}  // namespace vtss

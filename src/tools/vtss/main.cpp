// Entry point of the vtss command-line driver.
#include <iostream>
#include <string>
#include <vector>

#include "tools/vtss/Cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vtss::runCli(args, std::cout, std::cerr);
}

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_command.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return zt::cli::runCli(args, std::cout, std::cerr);
}

#include "cli_test_support.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/cli_command.h"

namespace zt::test {

CliRun runTool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.exitCode = cli::runCli(args, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::string fileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zt::test

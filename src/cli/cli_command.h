#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace zt::cli {

// One subcommand of ztedit-cli. configure() declares its options on the tool's parser; run()
// does the work after parsing, writing results to `out`. Failures throw zt::Error.
class CliCommand {
public:
    virtual ~CliCommand() = default;
    virtual void configure(CLI::App& app) = 0;
    virtual void run(std::ostream& out) = 0;

    // The parsed subcommand this command registered, set by configure().
    CLI::App* subcommand() const { return m_subcommand; }

protected:
    CLI::App* m_subcommand = nullptr;
};

std::vector<std::unique_ptr<CliCommand>> makeCommands();

// Runs the tool on its arguments (without the program name): 0 on success, 1 when the command
// failed (its message on `err`), 2 on a usage error.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace zt::cli

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <ostream>

#include "cli/cli_command.h"
#include "league/error.h"

namespace zt::cli {

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"ztedit-cli: reads, checks and writes Zantrip leagues without a window", "ztedit-cli"};
    app.require_subcommand(1);
    auto commands = makeCommands();
    for (const auto& command : commands) {
        command->configure(app);
    }

    // An unknown first word is a command the user misremembered: say so and list the real ones,
    // also when --help follows it (the general help would hide the mistake).
    if (!args.empty() && !args.front().empty() && args.front().front() != '-') {
        const auto subcommands = app.get_subcommands([](const CLI::App*) { return true; });
        const bool known = std::any_of(
            subcommands.begin(), subcommands.end(), [&](const CLI::App* c) { return c->get_name() == args.front(); });
        if (!known) {
            err << "unknown command '" << args.front() << "'\nCommands:\n";
            for (const CLI::App* c : subcommands) {
                err << "  " << c->get_name() << "  " << c->get_description() << '\n';
            }
            return 2;
        }
    }

    std::vector<const char*> argv{"ztedit-cli"};
    for (const auto& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? 0 : 2;
    }

    for (const auto& command : commands) {
        if (command->subcommand() != nullptr && command->subcommand()->parsed()) {
            try {
                command->run(out);
                return 0;
            } catch (const zt::Error& e) {
                err << e.what() << '\n';
                return 1;
            } catch (const std::exception& e) {
                err << "Unexpected failure: " << e.what() << '\n';
                return 1;
            }
        }
    }
    return 2;
}

}  // namespace zt::cli

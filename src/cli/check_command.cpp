#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/league_argument.h"
#include "league/error.h"
#include "league/league.h"
#include "rosters/league_check.h"

namespace zt::cli {

namespace {

// "check LEAGUE": the integrity report, one line a finding on stdout; exit 1 when anything was
// found, so scripts can stop before they publish a broken league.
class CheckCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("check", "Check a league's integrity and list what does not hold together");
        m_league.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        const std::vector<LeagueFinding> findings = checkLeague(*m_league.open());
        for (const LeagueFinding& finding : findings) {
            out << finding.kind << ": " << finding.text << '\n';
        }
        if (!findings.empty()) {
            throw Error(std::to_string(findings.size()) + (findings.size() == 1 ? " problem" : " problems") +
                        " found in " + m_league.path());
        }
        out << "No problem found\n";
    }

private:
    LeagueArgument m_league;
};

}  // namespace

std::unique_ptr<CliCommand> makeCheckCommand() {
    return std::make_unique<CheckCommand>();
}

}  // namespace zt::cli

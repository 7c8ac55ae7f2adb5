#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/commands.h"
#include "league/league.h"
#include "league/league_io.h"
#include "rosters/league_diff.h"

namespace zt::cli {

namespace {

// "diff LEAGUE_A LEAGUE_B [--json]": what changed from the first league to the second, one line
// a difference (nothing when they are the same), or one JSON array. Reads only.
class DiffCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("diff", "List what differs between two leagues");
        m_subcommand->add_option("LEAGUE_A", m_before, "The league as it was (.sea, .pla or players.zt)")->required();
        m_subcommand->add_option("LEAGUE_B", m_after, "The league as it is now")->required();
        m_subcommand->add_flag("--json", m_json, "One JSON array of {kind, subject, item, before, after}");
    }

    void run(std::ostream& out) override {
        const std::unique_ptr<League> before = openLeague(m_before);
        const std::unique_ptr<League> after = openLeague(m_after);
        const std::vector<LeagueDifference> differences = diffLeagues(*before, *after);
        if (!m_json) {
            for (const LeagueDifference& d : differences) {
                out << differenceLine(d) << '\n';
            }
            return;
        }
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const LeagueDifference& d : differences) {
            list.push_back(
                {{"kind", d.kind}, {"subject", d.subject}, {"item", d.item}, {"before", d.before}, {"after", d.after}});
        }
        out << list.dump(2) << '\n';
    }

private:
    std::string m_before;
    std::string m_after;
    bool m_json = false;
};

}  // namespace

std::unique_ptr<CliCommand> makeDiffCommand() {
    return std::make_unique<DiffCommand>();
}

}  // namespace zt::cli

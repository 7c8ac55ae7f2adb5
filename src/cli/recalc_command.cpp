// ztedit-cli recalc LEAGUE (--batters|--pitchers) [--team N]: recomputes split ratings from the
// performance data with the editor's league constants, and saves the league.
#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/data_dir_option.h"
#include "cli/league_argument.h"
#include "league/error.h"
#include "league/league.h"
#include "league/league_io.h"
#include "ratings/split_recalculation.h"

namespace zt::cli {

namespace {

class RecalcCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand =
            app.add_subcommand("recalc", "Recompute the batters' or pitchers' split ratings and save the league");
        m_league.addTo(*m_subcommand);
        auto* batters =
            m_subcommand->add_flag("--batters", m_batters, "The batting splits from the batting performance data");
        auto* pitchers =
            m_subcommand->add_flag("--pitchers", m_pitchers, "The pitches' splits from the pitching performance data");
        batters->excludes(pitchers);
        m_subcommand->add_option("--team", m_team, "Only the players of this team number (255: free agents)")
            ->check(CLI::Range(0, 255));
        m_dataDir.addTo(*m_subcommand);
        m_subcommand->callback([this] {
            if (!m_batters && !m_pitchers) {
                throw CLI::RequiredError("--batters or --pitchers");
            }
        });
    }

    void run(std::ostream& out) override {
        // The constants first: a missing data directory must not cost the time of opening a league.
        const LeagueConstants constants = m_dataDir.constants();
        auto league = m_league.open();
        const SplitKind kind = m_batters ? SplitKind::Batters : SplitKind::Pitchers;
        const RecalculationCount count = recalculateSplits(*league, kind, m_team, constants);
        saveLeague(*league);
        out << "Recalculated the " << (m_batters ? "batting" : "pitching") << " splits of " << count.selected
            << " players (" << count.changed << " changed)\n";
        out << "Saved " << league->leagueDir.string() << '\n';
    }

private:
    LeagueArgument m_league;
    DataDirOption m_dataDir;
    bool m_batters = false;
    bool m_pitchers = false;
    std::optional<int> m_team;
};

}  // namespace

std::unique_ptr<CliCommand> makeRecalcCommand() {
    return std::make_unique<RecalcCommand>();
}

}  // namespace zt::cli

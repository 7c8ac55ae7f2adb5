#include <CLI/CLI.hpp>
#include <functional>
#include <map>
#include <ostream>

#include "cli/commands.h"
#include "cli/league_argument.h"
#include "cli/league_json.h"
#include "league/league.h"

namespace zt::cli {

namespace {

const std::map<std::string, std::function<Json(const League&)>>& documents() {
    static const std::map<std::string, std::function<Json(const League&)>> kDocuments = {
        {"players", playersJson},
        {"history", historyJson},
        {"season", seasonJson},
        {"scores", scoresJson},
        {"playoffs", playoffsJson},
    };
    return kDocuments;
}

class DumpCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("dump", "Write one part of a league as a JSON document");
        std::vector<std::string> kinds;
        for (const auto& [kind, unused] : documents()) {
            kinds.push_back(kind);
        }
        m_subcommand->add_option("WHAT", m_what, "players, history, season, scores or playoffs")
            ->required()
            ->check(CLI::IsMember(kinds));
        m_league.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override {
        const auto league = m_league.open();
        out << documents().at(m_what)(*league).dump() << '\n';
    }

private:
    std::string m_what;
    LeagueArgument m_league;
};

}  // namespace

std::unique_ptr<CliCommand> makeDumpCommand() {
    return std::make_unique<DumpCommand>();
}

}  // namespace zt::cli

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/commands.h"
#include "cli/league_argument.h"
#include "league/league.h"

namespace zt::cli {

namespace {

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

void writeInfo(const League& league, std::ostream& out) {
    const auto& header = league.seasonHeader;
    std::size_t freeAgents = 0;
    for (const auto& player : league.players) {
        freeAgents += player->teamIndex() == kFreeAgentTeam ? 1 : 0;
    }
    std::size_t playedGames = 0;
    for (const auto& day : league.gameScores) {
        for (const auto& game : day.games) {
            playedGames += game.get(gr::homeTeam) >= 0 && game.get(gr::homeRuns) >= 0 ? 1 : 0;
        }
    }
    out << "leagueDir: " << league.leagueDir.string() << '\n'
        << "seasonVersion: " << header.get(sh::seasonVersion) << '\n'
        << "seasonYear: " << header.get(sh::seasonYear) << '\n'
        << "seasonDay: " << header.get(sh::seasonDay) << '\n'
        << "seasonGames: " << static_cast<int>(header.get(sh::seasonGames)) << '\n'
        << "inningsRule: " << header.get(sh::inningsRule) << '\n'
        << "dhRule: " << header.get(sh::dhRule) << '\n'
        << "customSeason: " << static_cast<int>(header.get(sh::customSeason)) << '\n'
        << "leagueCount: " << header.get(sh::leagueCount) << '\n'
        << "divisionsPerLeague: " << header.get(sh::divisionsPerLeague) << '\n'
        << "playoffBestOf: " << header.playoffBestOf(0) << ' ' << header.playoffBestOf(1) << ' '
        << header.playoffBestOf(2) << '\n'
        << "teamCount: " << league.teamCount() << '\n'
        << "players: " << league.players.size() << '\n'
        << "freeAgents: " << freeAgents << '\n'
        << "statsLoaded: " << yesNo(league.statsLoaded) << '\n'
        << "playerHistories: " << league.playerHistories.size() << '\n'
        << "teamHistories: " << league.teamHistories.size() << '\n'
        << "scoresLoaded: " << yesNo(league.scoresLoaded) << '\n'
        << "scheduleDays: " << league.gameScores.size() << '\n'
        << "playedGames: " << playedGames << '\n'
        << "playoffsLoaded: " << yesNo(league.playoffsLoaded) << '\n'
        << "netLeagueName: " << league.netInfo.leagueName << '\n';
}

class InfoCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("info", "Print a league's counts and season settings");
        m_league.addTo(*m_subcommand);
    }

    void run(std::ostream& out) override { writeInfo(*m_league.open(), out); }

private:
    LeagueArgument m_league;
};

}  // namespace

std::unique_ptr<CliCommand> makeInfoCommand() {
    return std::make_unique<InfoCommand>();
}

}  // namespace zt::cli

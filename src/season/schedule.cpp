#include "season/schedule.h"

#include "league/error.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/numbers.h"

namespace zt::season {

namespace {

void checkGame(const League& league, int day, int game) {
    if (day < 1 || day > static_cast<int>(league.gameScores.size()) || game < 1 || game > kScheduleGames) {
        throw Error("There is no game " + std::to_string(game) + " on day " + std::to_string(day) +
                    " of the schedule (days 1 to " + std::to_string(league.gameScores.size()) + ", games 1 to " +
                    std::to_string(kScheduleGames) + ")");
    }
}

template <class L>
auto& gameOf(L& league, int day, int game) {
    checkGame(league, day, game);
    return league.gameScores[static_cast<std::size_t>(day - 1)].games[static_cast<std::size_t>(game - 1)];
}

std::string fullName(const PlayerRecord& player) {
    return leagueTextToUtf8(player.get(pf::firstName) + " " + player.get(pf::lastName));
}

}  // namespace

void requireSchedule(const League& league) {
    if (!league.scoresLoaded || league.gameScores.empty()) {
        throw Error(std::string(kNoScheduleMessage));
    }
}

std::vector<std::string> scheduleTeamItems(const League& league) {
    std::vector<std::string> items = {"N/A"};
    for (int team = 0; team < league.teamCount(); ++team) {
        items.push_back(league.teamAbbrev(team));
    }
    items.emplace_back("AL A-S");
    items.emplace_back("NL A-S");
    return items;
}

int scheduleTeamItem(const League& league, int value) {
    const int item = value + 1;
    return item >= 0 && item < league.teamCount() + 3 ? item : -1;
}

int scheduledTeam(const League& league, int day, int game, Side side) {
    const GameResult& result = gameOf(league, day, game);
    return side == Side::Home ? result.get(gr::homeTeam) : result.get(gr::visitingTeam);
}

void setScheduledTeam(League& league, int day, int game, Side side, int item) {
    if (item < 0 || item >= league.teamCount() + 3) {
        throw Error("Item " + std::to_string(item) + " is not a team of the schedule");
    }
    GameResult& result = gameOf(league, day, game);
    const std::int32_t value = item - 1;
    if (scheduledTeam(league, day, game, side) == value) {
        return;
    }
    if (side == Side::Home) {
        result.set(gr::homeTeam, value);
    } else {
        result.set(gr::visitingTeam, value);
    }
    league.markChanged();
}

std::string scoreText(int runs) {
    return runs < 0 ? std::string() : std::to_string(runs);
}

std::optional<std::string> gameSummary(const League& league, int day, int game) {
    const GameResult& result = gameOf(league, day, game);
    if (result.get(gr::homeRuns) <= 0 && result.get(gr::visitorRuns) <= 0) {
        return std::nullopt;
    }
    std::string win, loss, save;
    // Every player with the id counts, the last in list order giving the line.
    for (const auto& entry : league.players) {
        const PlayerRecord& player = *entry;
        const auto id = static_cast<std::int32_t>(player.playerId());
        if (id == result.get(gr::winningPitcher)) {
            win = "Win: " + fullName(player) + " (" + shortestFloatText(result.get(gr::winnerWins)) + "-" +
                  shortestFloatText(result.get(gr::winnerLosses)) + ")";
        }
        if (id == result.get(gr::losingPitcher)) {
            loss = "Loss: " + fullName(player) + " (" + shortestFloatText(result.get(gr::loserWins)) + "-" +
                   shortestFloatText(result.get(gr::loserLosses)) + ")";
        }
        if (id == result.get(gr::savingPitcher)) {
            save = "Save: " + fullName(player) + " (" + shortestFloatText(result.get(gr::saverSaves)) + ")";
        }
    }
    std::string summary = win + "\n" + loss;
    if (!save.empty()) {
        summary += "\n" + save;
    }
    return summary;
}

}  // namespace zt::season

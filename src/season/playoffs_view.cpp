#include "season/playoffs_view.h"

#include <charconv>

#include "league/error.h"
#include "league/league.h"

namespace zt::season {

namespace {

GameResult& gameOf(League& league, int series, int game) {
    if (series < 0 || series >= kPlayoffSeriesCount || game < 0 || game >= PlayoffSeries::kGames) {
        throw Error("There is no game " + std::to_string(game + 1) + " in playoff series " +
                    std::to_string(series + 1));
    }
    return league.playoffSeries[static_cast<std::size_t>(series)].games[static_cast<std::size_t>(game)];
}

}  // namespace

void requirePlayoffs(const League& league) {
    if (!league.playoffsLoaded) {
        throw Error(std::string(kNoPlayoffsMessage));
    }
}

const std::array<std::string_view, 7>& playoffSeriesNames() {
    static constexpr std::array<std::string_view, 7> kNames = {"National Series 1",
                                                               "National Series 2",
                                                               "American Series 1",
                                                               "American Series 2",
                                                               "National Championship",
                                                               "American Championship",
                                                               "World Series"};
    return kNames;
}

const std::array<std::string_view, kPlayoffTeamItems>& playoffTeamItems() {
    static constexpr std::array<std::string_view, kPlayoffTeamItems> kItems = {
        "N/A",   "BAL", "BOS", "NY(A)", "TOR", "TBA", "CHI(A)", "CLE",   "DET",  "KAN",    "MIN",
        "ANA  ", "OAK", "SEA", "TEX",   "ATL", "FLO", "MON",    "NY(N)", "PHI",  "CHI(N)", "CIN",
        "HOU",   "MIL", "PIT", "STL",   "ARI", "COL", "LA",     "SAND",  "SANF", "FA "};
    return kItems;
}

int playoffTeamItem(const GameResult& game, bool visitor) {
    const std::int32_t home = game.get(gr::homeTeam);
    const std::int32_t visiting = game.get(gr::visitingTeam);
    if (visitor ? visiting == -1 : home == -1) {
        return 0;
    }
    if (home == 0 || visiting == 0) {
        return 0;
    }
    const std::int64_t item = static_cast<std::int64_t>(visitor ? visiting : home) + 1;
    return item >= 0 && item < kPlayoffTeamItems ? static_cast<int>(item) : -1;
}

std::string playoffRunsText(int runs) {
    return runs == -1 ? std::string() : std::to_string(runs);
}

void setPlayoffTeam(League& league, int series, int game, bool visitor, int item) {
    if (item < 0 || item >= kPlayoffTeamItems) {
        throw Error("Item " + std::to_string(item) + " is not a team of the playoffs");
    }
    GameResult& result = gameOf(league, series, game);
    const std::int32_t value = item - 1;
    if ((visitor ? result.get(gr::visitingTeam) : result.get(gr::homeTeam)) == value) {
        return;
    }
    if (visitor) {
        result.set(gr::visitingTeam, value);
    } else {
        result.set(gr::homeTeam, value);
    }
    league.markChanged();
}

bool setPlayoffRuns(League& league, int series, int game, bool visitor, std::string_view text) {
    std::int32_t runs = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), runs);
    if (text.empty() || parsed.ec != std::errc() || parsed.ptr != text.data() + text.size()) {
        return false;
    }
    GameResult& result = gameOf(league, series, game);
    if ((visitor ? result.get(gr::visitorRuns) : result.get(gr::homeRuns)) != runs) {
        if (visitor) {
            result.set(gr::visitorRuns, runs);
        } else {
            result.set(gr::homeRuns, runs);
        }
        league.markChanged();
    }
    return true;
}

}  // namespace zt::season

#include "reports/win_chart.h"

#include "league/league.h"
#include "league/numbers.h"

namespace zt::reports {

WinSeries winningSeries(const League& league, int team) {
    WinSeries series;
    int wins = 0;
    for (std::size_t day = 0; day < league.gameScores.size(); ++day) {
        for (const GameResult& game : league.gameScores[day].games) {
            const int home = game.get(gr::homeRuns);
            const int visitors = game.get(gr::visitorRuns);
            if (home <= 0 && visitors <= 0) {
                continue;
            }
            if (game.get(gr::homeTeam) == team) {
                wins += visitors < home ? 1 : 0;
            } else if (game.get(gr::visitingTeam) == team) {
                wins += home < visitors ? 1 : 0;
            } else {
                continue;
            }
            ++series.games;
            series.points.push_back({static_cast<int>(day), static_cast<double>(wins) / series.games});
        }
    }
    return series;
}

std::string winningSeriesCsv(const League& league, const std::vector<int>& teams) {
    std::string csv = "Team,Game,Day,Pct\r\n";
    for (const int team : teams) {
        const WinSeries series = winningSeries(league, team);
        int game = 0;
        for (const WinPoint& point : series.points) {
            csv += league.teamAbbrev(team) + "," + std::to_string(++game) + "," + std::to_string(point.day) + "," +
                   FormatRate(point.percentage) + "\r\n";
        }
    }
    return csv;
}

}  // namespace zt::reports

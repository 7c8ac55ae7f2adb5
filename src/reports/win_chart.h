#pragma once

#include <string>
#include <vector>

namespace zt {
class League;
}

namespace zt::reports {

// One point of a team's winning percentage: the day (index of the scores record) of a game and
// the wins over the games played up to and including it.
struct WinPoint {
    int day = 0;
    double percentage = 0;
};

struct WinSeries {
    std::vector<WinPoint> points;
    int games = 0;
};

// The team's course through the season, game by game; slots with no runs on either side are
// games not played. A tie counts as a game without a win.
WinSeries winningSeries(const League& league, int team);

// The series of several teams as CSV: "Team,Game,Day,Pct" and one line per point.
std::string winningSeriesCsv(const League& league, const std::vector<int>& teams);

}  // namespace zt::reports

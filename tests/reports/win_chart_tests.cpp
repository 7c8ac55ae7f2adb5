// Winning percentage series: a point per game at its day, two games on one day, ties, unplayed
// slots and a team without games.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/win_chart.h"

namespace zt::reports {
namespace {

TEST(WinChart, APointPerGameAtTheDayOfItsScoresRecord) {
    test::ReportLeague league;
    league.team("Boston", "Beans", "BOS").team("Chicago", "Winds", "CHI").team("Denver", "Peaks", "DEN");
    league.game(0, 1, 5, 3);  // day 0: Boston wins at home
    league.game(1, 0, 2, 2);  // a tie: a game without a win
    league.game(0, 1, 0, 0);  // no runs: not played
    for (int slot = 3; slot < GameScore::kGames; ++slot) {
        league.game(1, 1, 0, 0);
    }
    league.game(1, 0, 1, 4);  // day 1: Boston wins away
    const WinSeries boston = winningSeries(*league, 0);
    ASSERT_EQ(boston.games, 3);
    EXPECT_EQ(boston.points[0].day, 0);
    EXPECT_EQ(boston.points[1].day, 0);  // two games on one day share the day
    EXPECT_EQ(boston.points[2].day, 1);
    EXPECT_DOUBLE_EQ(boston.points[0].percentage, 1.0);
    EXPECT_DOUBLE_EQ(boston.points[1].percentage, 0.5);
    EXPECT_DOUBLE_EQ(boston.points[2].percentage, 2.0 / 3.0);
    const WinSeries chicago = winningSeries(*league, 1);
    EXPECT_EQ(chicago.games, 3);
    EXPECT_DOUBLE_EQ(chicago.points[2].percentage, 0.0);
    const WinSeries denver = winningSeries(*league, 2);
    EXPECT_EQ(denver.games, 0);
    EXPECT_TRUE(denver.points.empty());
    EXPECT_EQ(winningSeriesCsv(*league, {0, 2}),
              "Team,Game,Day,Pct\r\nBOS,1,0,1.000\r\nBOS,2,0,.500\r\nBOS,3,1,.667\r\n");
}

}  // namespace
}  // namespace zt::reports

// Standings: the counting of each game, last ten, run-ratio ranks, division order and games
// behind, and the table with its division blocks.
#include <gtest/gtest.h>

#include "report_fixture.h"
#include "reports/standings.h"
#include "reports/table_writers.h"

namespace zt::reports {
namespace {

// The counters a game changes, as one comparable record.
struct Counts {
    int homeWins, awayWins, homeLosses, awayLosses, streak, runsFor, runsAgainst, oneRunWins, oneRunLosses,
        divisionWins, divisionLosses, tenRunGames, tenRunGamesAllowed, beenShutOut, shutouts;
    bool operator==(const Counts&) const = default;
};

Counts countsOf(const tteamstats& t) {
    return {t.homeWins,
            t.awayWins,
            t.homeLosses,
            t.awayLosses,
            t.streak,
            t.runsFor,
            t.runsAgainst,
            t.oneRunWins,
            t.oneRunLosses,
            t.divisionWins,
            t.divisionLosses,
            t.tenRunGames,
            t.tenRunGamesAllowed,
            t.beenShutOut,
            t.shutouts};
}

void PrintTo(const Counts& c, std::ostream* os) {
    *os << "hw" << c.homeWins << " aw" << c.awayWins << " hl" << c.homeLosses << " al" << c.awayLosses << " st"
        << c.streak << " r" << c.runsFor << "-" << c.runsAgainst << " 1r" << c.oneRunWins << "-" << c.oneRunLosses
        << " div" << c.divisionWins << "-" << c.divisionLosses << " 10r" << c.tenRunGames << "/" << c.tenRunGamesAllowed
        << " so" << c.beenShutOut << "/" << c.shutouts;
}

struct GameCase {
    const char* name;
    int h, v;
    bool sameDivision;
    Counts home, visitors;
};

class StandingsGame : public testing::TestWithParam<GameCase> {};

TEST_P(StandingsGame, UpdatesBothTeams) {
    const GameCase& c = GetParam();
    tteamstats home, visitors;
    visitors.divisionIndex = c.sameDivision ? 0 : 1;
    updateStandings(home, visitors, c.h, c.v);
    EXPECT_EQ(countsOf(home), c.home);
    EXPECT_EQ(countsOf(visitors), c.visitors);
    EXPECT_EQ(home.games, 1);
    EXPECT_EQ(visitors.games, 1);
}

// Counts: homeW awayW homeL awayL streak RF RA 1runW 1runL divW divL 10R E10R beenSO SO
INSTANTIATE_TEST_SUITE_P(Games,
                         StandingsGame,
                         testing::Values(GameCase{"HomeWinByOne",
                                                  3,
                                                  2,
                                                  true,
                                                  {1, 0, 0, 0, 1, 3, 2, 1, 0, 1, 0, 0, 0, 0, 0},
                                                  {0, 0, 0, 1, -1, 2, 3, 0, 1, 0, 1, 0, 0, 0, 0}},
                                         GameCase{"HomeShutOut",
                                                  0,
                                                  4,
                                                  false,
                                                  {0, 0, 1, 0, -1, 0, 4, 0, 0, 0, 0, 0, 0, 1, 0},
                                                  {0, 1, 0, 0, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
                                         GameCase{"TenRunsByTheHomeTeamOnly",
                                                  10,
                                                  9,
                                                  false,
                                                  {1, 0, 0, 0, 1, 10, 9, 1, 0, 0, 0, 1, 0, 0, 0},
                                                  {0, 0, 0, 1, -1, 9, 10, 0, 1, 0, 0, 0, 1, 0, 0}},
                                         GameCase{"VisitorsWinInTheirDivision",
                                                  2,
                                                  3,
                                                  true,
                                                  {0, 0, 1, 0, -1, 2, 3, 0, 1, 0, 1, 0, 0, 0, 0},
                                                  {0, 1, 0, 0, 1, 3, 2, 1, 0, 1, 0, 0, 0, 0, 0}},
                                         GameCase{"ATieIsCreditedToTheHomeTeam",
                                                  5,
                                                  5,
                                                  false,
                                                  {1, 0, 0, 0, 1, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0},
                                                  {0, 0, 0, 1, -1, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StandingsStreaks, GrowAndTurnAndLastTenKeepsTheTenLatest) {
    tteamstats a, b;
    // a wins the first eight, loses the next four.
    for (int game = 0; game < 12; ++game) {
        updateStandings(a, b, game < 8 ? 5 : 1, game < 8 ? 1 : 5);
        if (game == 7) {
            EXPECT_EQ(a.streak, 8);
            EXPECT_EQ(b.streak, -8);
        }
    }
    EXPECT_EQ(a.streak, -4);
    EXPECT_EQ(b.streak, 4);
    EXPECT_EQ(a.lastTen, (std::array<int, 10>{1, 1, 1, 1, 1, 1, -1, -1, -1, -1}));
}

test::ReportLeague divisionLeague() {
    test::ReportLeague l;
    l.team("Boston", "Beans", "BOS", 0, 0, 3, 1)
        .team("Chicago", "Winds", "CHI", 0, 0, 1, 3)
        .team("Denver", "Peaks", "DEN", 0, 0, 0, 0)
        .team("Atlanta", "Peaches", "ATL", 1, 2, 2, 2);
    return l;
}

TEST(StandingsCount, SkipsUnplayedSlotsAndGamesOfTeamsTheLeagueDoesNotHave) {
    auto l = divisionLeague();
    l.game(0, 1, 4, 2).game(1, 0, -1, -1).game(0, 1, 0, 0).game(0, 9, 3, 1).game(-1, 1, 2, 0);
    const auto teams = computeStandings(*l);
    EXPECT_EQ(teams[0].games, 1);
    EXPECT_EQ(teams[1].games, 1);
    EXPECT_EQ(teams[0].runsFor, 4);
}

TEST(StandingsRank, EqualRunRatiosKeepTeamOrder) {
    std::vector<tteamstats> teams(4);
    const int runs[4][2] = {{10, 10}, {30, 10}, {5, 5}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
        teams[static_cast<std::size_t>(i)].runsFor = runs[i][0];
        teams[static_cast<std::size_t>(i)].runsAgainst = runs[i][1];
    }
    rankByRunRatio(teams);
    EXPECT_EQ(teams[1].runRatioRank, 1);
    EXPECT_EQ(teams[0].runRatioRank, 2);
    EXPECT_EQ(teams[2].runRatioRank, 3);
    EXPECT_EQ(teams[3].runRatioRank, 4);
}

// The order follows the season record per counted game; games behind follow the counted results,
// so a team ahead on counted results shows no games behind.
TEST(StandingsDivision, OrderUsesTheSeasonRecordAndGamesBehindTheCountedResults) {
    auto l = divisionLeague();
    // Chicago wins both counted games against Boston; Boston's season record is still better.
    l.game(0, 1, 1, 2).game(1, 0, 6, 1).game(3, 0, 2, 1);
    const ReportTable table = standingsTable(*l, computeStandings(*l), defaultStandingsOptions());
    ASSERT_EQ(table.rowCount(), 7);
    EXPECT_EQ(table.text(0, 0), "East (AL)");
    EXPECT_EQ(table.text(1, 0), "<A HREF=BOS.html TARGET=\"_parent\">Boston</A>");
    EXPECT_EQ(table.text(2, 0), "<A HREF=CHI.html TARGET=\"_parent\">Chicago</A>");
    EXPECT_EQ(table.text(3, 0), "<A HREF=DEN.html TARGET=\"_parent\">Denver</A>");
    EXPECT_EQ(table.text(1, 4), "-");  // the leader
    EXPECT_EQ(table.text(2, 4), "-");  // ahead of the leader on counted results
    EXPECT_EQ(table.text(3, 4), "-");
    // Denver has no counted game.
    const std::vector<std::string> denver = {"0", "0", "-", "-", "L0", "0-0", "0-0", "4"};
    for (std::size_t i = 0; i < denver.size(); ++i) {
        EXPECT_EQ(table.text(3, static_cast<int>(i) + 1), denver[i]) << standingsCaptions()[i + 1];
    }
    EXPECT_TRUE(table.text(4, 0).empty());  // the row between blocks
    EXPECT_EQ(table.text(5, 0), "South (NL)");
    EXPECT_TRUE(table.format(5, 3).bold);
    EXPECT_EQ(table.format(5, 3).background, 0x008000u);
    EXPECT_FALSE(table.format(6, 3).bold);
}

struct CellCase {
    const char* caption;
    int wins, losses, games, runsFor, runsAgainst;
    float gamesBehind;
    const char* expected;
};

class StandingsCell : public testing::TestWithParam<CellCase> {};

TEST_P(StandingsCell, IsFormattedFromTheTeamsFigures) {
    const CellCase& c = GetParam();
    test::ReportLeague l;
    l.team("Boston", "Beans", "BOS", 0, 0, c.wins, c.losses);
    std::vector<tteamstats> teams = computeStandings(*l);
    teams[0].games = c.games;
    teams[0].runsFor = c.runsFor;
    teams[0].runsAgainst = c.runsAgainst;
    StandingsOptions options = defaultStandingsOptions();
    options.links = false;
    ReportTable table = standingsTable(*l, teams, options);
    const auto& captions = standingsCaptions();
    const auto column = std::find(captions.begin(), captions.end(), c.caption) - captions.begin();
    EXPECT_EQ(table.text(1, static_cast<int>(column)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cells,
                         StandingsCell,
                         testing::Values(CellCase{"Pct", 1, 1, 2, 0, 0, 0, ".500"},
                                         CellCase{"Pct", 5, 0, 5, 0, 0, 0, "1.000"},
                                         CellCase{"Pct", 2, 1, 3, 0, 0, 0, ".667"},
                                         CellCase{"Pct", 1, 7, 8, 0, 0, 0, ".125"},
                                         CellCase{"Pct", 0, 0, 3, 0, 0, 0, "-"},  // no record to divide by
                                         CellCase{"AvgRunsF", 0, 0, 100, 453, 0, 0, "4.53"},
                                         CellCase{"AvgRunsF", 0, 0, 2, 10, 0, 0, "5"},
                                         CellCase{"AvgRunsA", 0, 0, 8, 0, 1, 0, "0.13"},
                                         CellCase{"AvgRunsA", 0, 0, 0, 0, 1, 0, "-"}));

TEST(StandingsTable, LeavesAnEmptyFirstDivisionOutButKeepsItsEmptyRow) {
    test::ReportLeague l;
    l.team("Boston", "Beans", "BOS", 0, 1).team("Chicago", "Winds", "CHI", 0, 1);
    StandingsOptions options = defaultStandingsOptions();
    options.listedBy = TeamsListedBy::Both;
    options.links = false;
    const ReportTable table = standingsTable(*l, computeStandings(*l), options);
    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_TRUE(table.text(0, 0).empty());
    EXPECT_EQ(table.text(1, 0), "Central (AL)");
    EXPECT_EQ(table.text(2, 0), "Boston Beans");
}

TEST(StandingsTable, ColumnsFollowTheCaptionOrderAndTheShownBoxes) {
    auto l = divisionLeague();
    StandingsOptions options = defaultStandingsOptions();
    moveCaption(options.captions, 8, 1);                 // "RS" first after "Team"
    options.shown = {"RS", "Wins", "Extra", "Shutout"};  // "Extra" can never be shown
    const ReportTable table = standingsTable(*l, computeStandings(*l), options);
    std::vector<std::string> visible;
    for (const int c : table.visibleColumns()) {
        visible.push_back(table.text(0, c));
    }
    EXPECT_EQ(visible, (std::vector<std::string>{"East (AL)", "RS", "Wins", "Shutout"}));
    EXPECT_EQ(table.text(1, 1), "1");  // Boston's rank under "RS" (no game: team order)
}

TEST(StandingsHtml, AddsTheRunRatioNoteToEachExportOnce) {
    auto l = divisionLeague();
    const ReportTable table = standingsTable(*l, computeStandings(*l), defaultStandingsOptions());
    HtmlExportSettings settings = standingsHtmlSettings();
    const std::string first = standingsHtml(table, settings);
    const std::string second = standingsHtml(table, settings);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first.ends_with("</table><p>\r\n<br>RS = Ranking System based on RunsF/RunsA ratio\r\n"));
    EXPECT_TRUE(first.starts_with("<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\" Width=\"100%\">"));
    settings.suffixTags = "<hr>";
    EXPECT_NE(standingsHtml(table, settings).find("<hr><br>RS = "), std::string::npos);
}

}  // namespace
}  // namespace zt::reports

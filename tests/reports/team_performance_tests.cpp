// Team performance: one team's results against each opponent, in eight-bit counters, and the
// one-team and all-teams exports.
#include <gtest/gtest.h>

#include "league/progress.h"
#include "report_fixture.h"
#include "reports/table_writers.h"
#include "reports/team_performance.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::reports {
namespace {

test::ReportLeague fourTeams() {
    test::ReportLeague l;
    l.team("Boston", "Beans", "BOS")
        .team("Chicago", "Winds", "CHI")
        .team("Denver", "Peaks", "DEN")
        .team("Atlanta", "Peaches", "ATL");
    return l;
}

struct RecordCase {
    const char* name;
    int home, visitors, h, v;
    int opponent;  // of team 0
    int wins, losses, runsFor, runsAgainst;
};

class PerformanceGame : public testing::TestWithParam<RecordCase> {};

TEST_P(PerformanceGame, CountsForTheSelectedTeam) {
    const RecordCase& c = GetParam();
    auto l = fourTeams();
    l.game(c.home, c.visitors, c.h, c.v);
    const auto records = countTeamPerformance(*l, 0);
    const OpponentRecord& r = records[static_cast<std::size_t>(c.opponent)];
    EXPECT_EQ((std::array<int, 4>{r.wins, r.losses, r.runsFor, r.runsAgainst}),
              (std::array<int, 4>{c.wins, c.losses, c.runsFor, c.runsAgainst}));
}

INSTANTIATE_TEST_SUITE_P(Games,
                         PerformanceGame,
                         testing::Values(RecordCase{"HomeWin", 0, 1, 5, 3, 1, 1, 0, 5, 3},
                                         RecordCase{"AwayLoss", 2, 0, 4, 2, 2, 0, 1, 2, 4},
                                         RecordCase{"TieAtHomeIsALoss", 0, 3, 0, 0, 3, 0, 1, 0, 0},
                                         RecordCase{"TieAwayIsAWin", 3, 0, 2, 2, 3, 1, 0, 2, 2},
                                         RecordCase{"UnplayedSlot", 0, 1, -1, -1, 1, 0, 0, 0, 0},
                                         RecordCase{"OtherTeamsGame", 1, 2, 9, 0, 1, 0, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PerformanceCounters, AreEightBitsWide) {
    auto l = fourTeams();
    for (int game = 0; game < 30; ++game) {
        l.game(0, 1, 10, 1);  // 300 runs for: 44 after wrapping
    }
    const auto r = countTeamPerformance(*l, 0)[1];
    EXPECT_EQ(r.wins, 30);
    EXPECT_EQ(r.runsFor, 300 % 256);
    EXPECT_EQ(r.runsAgainst, 30);
}

TEST(PerformanceTable, ListsEveryOpponentSortedByGamesWithTotalsLast) {
    auto l = fourTeams();
    l.game(0, 1, 5, 3).game(2, 0, 4, 2).game(0, 2, 1, 2).game(2, 0, 1, 7);
    const ReportTable table = teamPerformanceTable(*l, 0);
    ASSERT_EQ(table.rowCount(), 5);
    const std::vector<std::vector<std::string>> expected = {
        {"Against", "Games", "Wins", "Losses", "RunsFor", "RunsOpp", "AvgFor", "AvgOpp"},
        {"Denver", "3", "1", "2", "10", "7", "3.33", "2.33"},
        {"Chicago", "1", "1", "0", "5", "3", "5", "3"},
        {"Atlanta", "0", "0", "0", "0", "0", "0", "0"},  // never met
        {"Totals", "4", "2", "2", "15", "10", "3.75", "2.5"}};
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < kPerformanceColumns; ++c) {
            EXPECT_EQ(table.text(r, c), expected[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)])
                << "row " << r << " column " << c;
        }
    }
    EXPECT_TRUE(table.fixedRow);
    EXPECT_TRUE(table.fixedColumn);
}

TEST(PerformanceTable, TheGamesTotalIsEightBitsWide) {
    auto l = fourTeams();
    for (int game = 0; game < 300; ++game) {
        l.game(0, 1 + game % 3, 3, 2);  // 100 games against each opponent
    }
    const ReportTable table = teamPerformanceTable(*l, 0);
    EXPECT_EQ(table.text(1, 1), "100");
    EXPECT_EQ(table.text(4, 1), "44");   // 300 games in eight bits
    EXPECT_EQ(table.text(4, 2), "300");  // the other totals are plain sums
    EXPECT_EQ(table.text(4, 6), "3");    // 132 runs (3 x 300 wrapped per opponent) over 44 games
}

TEST(PerformanceExports, AllTeamsCsvHoldsEveryTeamsTitleAndTable) {
    auto l = fourTeams();
    l.game(0, 1, 5, 3);
    NoProgress progress;
    const std::string csv = allTeamsPerformanceCsv(*l, "Chart", progress);
    std::string expected;
    for (int team = 0; team < 4; ++team) {
        expected += teamPerformanceTitle(*l, team, "Chart") + "\r\n" + tableCsv(teamPerformanceTable(*l, team));
    }
    EXPECT_EQ(csv, expected);
    EXPECT_TRUE(csv.starts_with("Boston Beans Chart\r\nAgainst,Games,"));
}

TEST(PerformanceExports, AllTeamsHtmlHasTheHeaderFirstEachTitleAndTheFooterOnce) {
    test::TempDir dir;
    test::writeText(dir / "head.htm", "<html><body>");
    test::writeText(dir / "foot.htm", "</body></html>");
    auto l = fourTeams();
    l->teams[2].record.set(tf::completeName, "Denver <Peaks> & \"Co\"");
    HtmlExportSettings settings = teamPerformanceHtmlSettings();
    settings.headerFile = dir / "head.htm";
    settings.footerFile = dir / "foot.htm";
    NoProgress progress;
    const std::string page = allTeamsPerformanceHtml(*l, settings, "Performance Chart", progress);
    EXPECT_TRUE(page.starts_with("<html><body>\r\n<font size=\"4\">Boston Beans Performance Chart</font> </p>\r\n"));
    EXPECT_TRUE(page.ends_with("</table><p>\r\n</body></html>"));
    EXPECT_EQ(page.find("</body></html>"), page.size() - 14);
    EXPECT_NE(page.find("<font size=\"4\">Denver &lt;Peaks&gt; &amp; &quot;Co&quot; Performance Chart</font>"),
              std::string::npos);
    std::size_t tables = 0;
    for (std::size_t at = page.find("<table "); at != std::string::npos; at = page.find("<table ", at + 1)) {
        ++tables;
    }
    EXPECT_EQ(tables, 4u);
}

}  // namespace
}  // namespace zt::reports

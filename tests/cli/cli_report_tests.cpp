// ztedit-cli report: usage errors, failures, the table printed without --out, and the options
// that change what the pages hold.
#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "league/league_io.h"
#include "reports/column_order.h"
#include "reports/league_index.h"
#include "reports/report_names.h"
#include "reports/rosters_pages.h"
#include "reports/standings.h"
#include "reports/table_writers.h"
#include "sample/sample_league.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class CliReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::SampleOptions options;
        options.playersPerTeam = 72;
        options.freeAgents = 10;
        options.years = 2;
        options.days = 20;
        m_sea = sample::generateSampleLeague(m_dir.path(), options).string();
    }

    CliRun report(std::vector<std::string> args) {
        args.insert(args.begin() + 1, m_sea);
        args.insert(args.begin(), "report");
        return runTool(args);
    }

    TempDir m_dir;
    std::string m_sea;
};

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* named;  // a word the message names
};

class CliReportUsage : public CliReportTest, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliReportUsage, IsAUsageError) {
    const CliRun run = report(GetParam().args);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(GetParam().named), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments,
    CliReportUsage,
    testing::Values(UsageCase{"UnknownOption", {"standings", "--colour", "red"}, "--colour"},
                    UsageCase{"UnknownTeamsBy", {"standings", "--teams-by", "nickname"}, "nickname"},
                    UsageCase{"BothTeamChoices", {"team-performance", "--team", "1", "--all-teams"}, "--all-teams"},
                    UsageCase{"LevelWithPages", {"rosters", "--team", "1", "--level", "2", "--out", "x"}, "--out"},
                    UsageCase{"LevelOutOfRange", {"rosters", "--team", "1", "--level", "5"}, "--level"},
                    UsageCase{"UnknownSortItem", {"rosters", "--team", "1", "--batting-sort", "Speed"}, "Speed"},
                    UsageCase{"TemplateAndStat", {"leaders", "--template", "a.lea", "--stat", "HR"}, "--stat"},
                    UsageCase{"LeadersLevel", {"leaders", "--stat", "HR", "--level", "7"}, "--level"},
                    UsageCase{"CardsTeamAndAll", {"cards", "--team", "1", "--all", "--out", "x"}, "--all"},
                    UsageCase{"WinChartWithoutTeams", {"win-chart"}, "--teams"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class CliReportFailure : public CliReportTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(CliReportFailure, ExitsWithOneAndTheMessage) {
    std::vector<std::string> args = GetParam().args;
    for (auto& arg : args) {
        if (arg.starts_with("DIR/")) {
            arg = (m_dir / arg.substr(4)).string();
        }
    }
    const CliRun run = report(args);
    EXPECT_EQ(run.exitCode, 1);
    std::string message = GetParam().message;
    if (message.find("DIR/") != std::string::npos) {
        message.replace(message.find("DIR/"), 4, m_dir.path().string() + "/");
    }
    EXPECT_EQ(run.err, message + "\n");
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Commands,
    CliReportFailure,
    testing::Values(
        FailureCase{
            "TeamOutOfRange", {"team-performance", "--team", "30"}, "Team 30 is not a team of this league (0 to 29)"},
        FailureCase{"NoTeam", {"rosters"}, "Name the team with --team N or ask for --all-teams"},
        FailureCase{"AllTeamsWithoutFolder",
                    {"rosters", "--all-teams"},
                    "--all-teams writes pages: give the folder with --out"},
        FailureCase{"BadYears", {"rosters", "--team", "2", "--years", "last"}, "'last' is not a valid integer value"},
        FailureCase{"UnwritableTarget",
                    {"standings", "--out", "DIR/none/standings.html"},
                    "Cannot Create file DIR/none/standings.html"},
        FailureCase{"UnknownCategory", {"leaders", "--stat", "Speed"}, "'Speed' is not a batting category"},
        FailureCase{"PitchingCategory", {"leaders", "--stat", "Avg", "--pitching"}, "'Avg' is not a pitching category"},
        FailureCase{"LeadersYear", {"leaders", "--stat", "HR", "--years", "20x6"}, "Invalid year"},
        FailureCase{"LeadersTeam",
                    {"leaders", "--stat", "HR", "--team", "31"},
                    "'31' is not a team of this league (0 to 29, fa or totals)"},
        FailureCase{"TemplateWithoutPage",
                    {"leaders", "--template", "DIR/a.lea"},
                    "A template writes a page: give its file with --out"},
        FailureCase{
            "NoCards", {"cards", "--out", "DIR/cards"}, "Name the cards with --team N, --all or --player INDEX"},
        FailureCase{"CardsTeam",
                    {"cards", "--team", "fb", "--out", "DIR/cards"},
                    "'fb' is not a team of this league (0 to 29 or fa)"},
        FailureCase{
            "ScoutingColumn", {"scouting", "--columns", "Age,Speed"}, "'Speed' is not a column of the scouting report"},
        FailureCase{
            "ChartPicture",
            {"win-chart", "--teams", "0", "--out", "DIR/chart.png"},
            "Pictures of the chart are saved from the \"Winning % Chart\" window; the tool writes the series as "
            "CSV"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliReportTest, WithoutOutThePrintedTableIsTheWindowsTable) {
    const auto league = openLeague(m_sea);
    const std::string expected = reports::tableCsv(
        reports::standingsTable(*league, reports::computeStandings(*league), reports::defaultStandingsOptions()));
    const CliRun run = report({"standings"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");

    const CliRun rosters = report({"rosters", "--team", "4", "--level", "1"});
    EXPECT_EQ(rosters.exitCode, 0);
    EXPECT_TRUE(rosters.out.starts_with("Name,Pos,G,Avg,Obp,Slg,Ab,H,2B,3B,Hr,R,Rbi,BB,K,Sb,Cs\r\n")) << rosters.out;
    EXPECT_NE(rosters.out.find("\r\n\r\nName,ERA,W,L,S,BS,G,GS,"), std::string::npos);
}

TEST_F(CliReportTest, AllTeamsWritesEveryTeamsPageIntoTheFolder) {
    const fs::path folder = m_dir / "pages" / "new";
    ASSERT_EQ(report({"rosters", "--all-teams", "--out", folder.string()}).exitCode, 0);
    const auto league = openLeague(m_sea);
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().extension(), ".html");
        ++pages;
    }
    EXPECT_EQ(pages, 30);
    const fs::path single = m_dir / "single.html";
    ASSERT_EQ(report({"rosters", "--team", "7", "--out", single.string()}).exitCode, 0);
    EXPECT_EQ(fileContents(folder / reports::TeamPageName(league->teams[7].record)), fileContents(single));
}

TEST_F(CliReportTest, ColumnOrderFilesAndHeaderFilesShapeThePage) {
    const fs::path data = m_dir / "data";
    fs::create_directories(data);
    reports::Captions order = reports::battingCaptions();
    reports::moveCaption(order, 3, 6);
    reports::writeColumnOrder(data / "BatStOrder.ini", order);
    writeText(m_dir / "head.txt", "<h1>Top of page</h1>");
    const fs::path page = m_dir / "page.html";
    ASSERT_EQ(report({"rosters",
                      "--team",
                      "0",
                      "--data-dir",
                      data.string(),
                      "--header",
                      (m_dir / "head.txt").string(),
                      "--out",
                      page.string()})
                  .exitCode,
              0);
    const std::string text = fileContents(page);
    EXPECT_TRUE(text.starts_with("<h1>Top of page</h1><HTML>"));
    EXPECT_NE(text.find("Name                        Pos   G   Obp   Slg   Ab   Avg   H"), std::string::npos);
}

}  // namespace
}  // namespace zt::test

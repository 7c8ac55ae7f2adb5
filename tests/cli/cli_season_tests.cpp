// schedule, boxscore, manager, shift-years and report league-scores: what they print, write and
// save, the questions they need answered, and failures that change nothing.
#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "sample/sample_league.h"
#include "season/manager_profile.h"
#include "season/schedule_csv.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class CliSeasonTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::SampleOptions options;
        options.playersPerTeam = 72;
        options.freeAgents = 5;
        options.years = 1;
        options.days = 4;
        m_sea = sample::generateSampleLeague(m_dir.path(), options).string();
        m_folder = m_dir / "SampleSeason";
    }

    std::unique_ptr<League> reopen() const { return openLeague(m_sea); }

    TempDir m_dir;
    std::string m_sea;
    fs::path m_folder;
};

TEST_F(CliSeasonTest, ScheduleExportWritesTheCoresCsv) {
    const fs::path csv = m_dir / "schedule.csv";
    const CliRun run = runTool({"schedule", "export", m_sea, csv.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Done\n");
    EXPECT_EQ(fileContents(csv), season::scheduleCsv(*reopen()));
}

TEST_F(CliSeasonTest, ScheduleImportSavesTheTeamsAndABadLineChangesNothing) {
    const fs::path csv = m_dir / "schedule.csv";
    writeText(csv, "Day,Game,Home Team,Vis Team\r\n1,1,4,5\r\n6,2,31,30\r\n");
    CliRun run = runTool({"schedule", "import", m_sea, csv.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto league = reopen();
    ASSERT_EQ(league->gameScores.size(), 6u);
    EXPECT_EQ(league->gameScores[0].games[0].get(gr::homeTeam), 4);
    EXPECT_EQ(league->gameScores[5].games[1].get(gr::homeTeam), 31);
    EXPECT_EQ(league->gameScores[0].games[1].get(gr::homeTeam), -1);

    writeText(csv, "Day,Game,Home Team,Vis Team\r\n1,1,4,5\r\n1,2,32,0\r\n");
    const auto before = snapshotFolder(m_dir.path());
    run = runTool({"schedule", "import", m_sea, csv.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "Line 3 of " + csv.string() +
                  ": the home team 32 is not a team of this league (0 to 29, 30 and 31 for the All-Star "
                  "teams, -1 for none). The schedule was not changed.\n");
    EXPECT_EQ(snapshotFolder(m_dir.path()), before);
}

TEST_F(CliSeasonTest, BoxScorePrintsTheWindowsTextOrSaysItIsNotFound) {
    const auto league = reopen();
    const GameResult& game = league->gameScores[0].games[0];
    const std::string home = std::to_string(game.get(gr::homeTeam));
    const std::string visitor = std::to_string(game.get(gr::visitingTeam));
    CliRun run = runTool({"boxscore", m_sea, "--day", "1", "--home", home, "--visitor", visitor});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\r\nSUMMARY\r\n"), std::string::npos);
    EXPECT_EQ(run.out.find("END"), std::string::npos) << "the marker's line is dropped";
    const CliRun summary =
        runTool({"boxscore", m_sea, "--day", "1", "--home", home, "--visitor", visitor, "--until", "SUMMARY"});
    EXPECT_EQ(run.out.substr(0, summary.out.size()), summary.out);
    EXPECT_LT(summary.out.size(), run.out.size());

    run = runTool({"boxscore", m_sea, "--day", "4", "--home", home, "--visitor", visitor});
    EXPECT_EQ(run.exitCode, 1) << "day 4 is not played yet";
    EXPECT_EQ(run.err, "Bosxcore not found\n");
    fs::remove(m_folder / "BoxScores.txt");
    run = runTool({"boxscore", m_sea, "--day", "1", "--home", home, "--visitor", visitor});
    EXPECT_EQ(run.err, "Bosxcore not found\n");
}

TEST_F(CliSeasonTest, ManagerProfilesTravelThroughFilesAndTheQuestionNeedsAnAnswer) {
    const fs::path file = m_dir / "team2.mps";
    {
        auto league = openLeague(m_sea);
        season::setManagerProfile(
            *league, 2, {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, -0.1f, -0.2f, -0.3f, -0.4f, -0.5f, 0.9f, -0.9f, 0.25f});
        saveLeague(*league);
    }
    ASSERT_EQ(runTool({"manager", "export", m_sea, "--team", "2", file.string()}).exitCode, 0);
    EXPECT_EQ(readBytes(file), season::serialiseManagerProfile(season::managerProfileOf(reopen()->team(2).record)));

    const auto before = snapshotFolder(m_dir.path());
    CliRun run = runTool({"manager", "import", m_sea, "--team", "5", file.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "The command asks \"Do you want to apply these settings to all teams ?\": answer with --yes or --no. "
              "Nothing was changed.\n");
    EXPECT_EQ(snapshotFolder(m_dir.path()), before);

    run = runTool({"manager", "import", m_sea, "--team", "5", file.string(), "--no"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    auto league = reopen();
    EXPECT_EQ(season::managerProfileOf(league->team(5).record), season::managerProfileOf(league->team(2).record));
    EXPECT_NE(season::managerProfileOf(league->team(6).record), season::managerProfileOf(league->team(2).record));

    ASSERT_EQ(runTool({"manager", "import", m_sea, "--team", "5", file.string(), "--yes"}).exitCode, 0);
    league = reopen();
    EXPECT_EQ(season::managerProfileOf(league->team(29).record), season::managerProfileOf(league->team(2).record));
}

TEST_F(CliSeasonTest, ShiftYearsSavesOnYesAndRefusesYearsTheLinesCannotHold) {
    const int year = decodeBattingLine(reopen()->teamHistories[0]->batting[0]).year;
    CliRun run = runTool({"shift-years", m_sea, "--by", "-10", "--yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("history lines shifted by -10 years"), std::string::npos) << run.out;
    EXPECT_EQ(decodeBattingLine(reopen()->teamHistories[0]->batting[0]).year, year - 10);

    const auto before = snapshotFolder(m_dir.path());
    run = runTool({"shift-years", m_sea, "--by", "100", "--yes"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("would become"), std::string::npos) << run.err;
    EXPECT_EQ(snapshotFolder(m_dir.path()), before);
    run = runTool({"shift-years", m_sea, "--by", "5", "--no"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(snapshotFolder(m_dir.path()), before);
}

TEST_F(CliSeasonTest, LeagueScoresNeedsDatesOfTheSeasonAndAScheduleFile) {
    const fs::path page = m_dir / "scores.htm";
    CliRun run = runTool(
        {"report", "league-scores", m_sea, "--from", "2026-04-01", "--to", "2026-04-05", "--out", page.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The date 2026-04-05 is not a day of the season (2026-04-01 to 2026-04-04)\n");
    run =
        runTool({"report", "league-scores", m_sea, "--from", "April 1", "--to", "2026-04-02", "--out", page.string()});
    EXPECT_EQ(run.exitCode, 1);
    run = runTool({"report",
                   "league-scores",
                   m_sea,
                   "--from",
                   "2026-04-01",
                   "--to",
                   "2026-04-02",
                   "--out",
                   page.string(),
                   "--boxscores",
                   "weekly"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(fs::exists(page));

    fs::remove(m_folder / "scores.zt");
    run = runTool(
        {"report", "league-scores", m_sea, "--from", "2026-04-01", "--to", "2026-04-02", "--out", page.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "No schedule file found or corrupted file\n");
}

}  // namespace
}  // namespace zt::test

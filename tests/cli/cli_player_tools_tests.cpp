// history, export-players, import-players, export-rosters and import-rosters: output, exit codes,
// the files written, and a question without --yes/--no changing nothing.
#include <gtest/gtest.h>

#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "players/history_lines.h"
#include "players/transfer_file.h"
#include "reports/history_report.h"
#include "rosters/rosters_file.h"
#include "sample/sample_league.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class CliPlayerToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        sample::SampleOptions options;
        options.playersPerTeam = 72;
        options.freeAgents = 10;
        options.years = 2;
        options.days = 6;
        m_sea = sample::generateSampleLeague(m_dir / "one", options).string();
        options.seed = 4;
        m_other = sample::generateSampleLeague(m_dir / "two", options).string();
        m_folder = m_dir / "one" / "SampleSeason";
    }

    TempDir m_dir;
    std::string m_sea;
    std::string m_other;
    fs::path m_folder;
};

TEST_F(CliPlayerToolsTest, HistoryPrintsTheSummaryGridOfTheKindAsked) {
    auto league = openLeague(m_sea);
    const PlayerRecord& player = *league->players[0];
    const StatHistory* block = findHistory(league->playerHistories, player.playerId());
    ASSERT_NE(block, nullptr);

    const CliRun text = runTool({"history", m_sea, "--player", std::to_string(player.playerId())});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Year  Lev  Team  Split  G", 0), 0U) << text.out;
    EXPECT_EQ(static_cast<std::size_t>(std::count(text.out.begin(), text.out.end(), '\n')),
              1 + std::max<std::size_t>(1, block->batting.size()));

    const CliRun csv =
        runTool({"history", m_sea, "--player", std::to_string(player.playerId()), "--kind", "pitching", "--csv"});
    ASSERT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_EQ(csv.out, historyCsvText(player, historySummaryTable(*league, block, HistoryKind::Pitching)));
    EXPECT_EQ(csv.out.rfind(player.get(pf::firstName) + " " + player.get(pf::lastName) + " history stats\r\nYear,", 0),
              0U);
}

TEST_F(CliPlayerToolsTest, HistoryRefusesAnUnknownPlayerOrKind) {
    EXPECT_EQ(runTool({"history", m_sea, "--player", "65000"}).exitCode, 1);
    const CliRun kind = runTool({"history", m_sea, "--player", "1", "--kind", "running"});
    EXPECT_EQ(kind.exitCode, 2);
    EXPECT_NE(kind.err.find("running"), std::string::npos);
}

TEST_F(CliPlayerToolsTest, PlayersTravelFromOneLeagueToAnother) {
    const fs::path file = m_dir / "p.plr";
    const CliRun out = runTool({"export-players", m_sea, "--ids", "3,1,2", "--out", file.string()});
    ASSERT_EQ(out.exitCode, 0) << out.err;
    EXPECT_EQ(out.out, "3 players exported successfully\n");
    const std::vector<TransferEntry> entries = readTransferFile(file);
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].player.playerId(), 3);

    const auto before = openLeague(m_other);
    const CliRun in = runTool({"import-players", m_other, file.string(), "--to", "255"});
    ASSERT_EQ(in.exitCode, 0) << in.err;
    EXPECT_EQ(in.out.rfind("3 player(s) imported successfully\nSaved ", 0), 0U) << in.out;
    const auto after = openLeague(m_other);
    ASSERT_EQ(after->players.size(), before->players.size() + 3);
    for (std::size_t i = 0; i < 3; ++i) {
        const PlayerRecord& imported = *after->players[before->players.size() + i];
        EXPECT_EQ(imported.teamIndex(), 255);
        EXPECT_EQ(findHistory(after->playerHistories, imported.playerId())->batting, entries[i].history.batting);
    }
}

TEST_F(CliPlayerToolsTest, AQuestionWithoutAnAnswerFailsAndChangesNothing) {
    // Team 2's file with a hole in a rotation: its import asks.
    const auto league = openLeague(m_sea);
    std::vector<std::uint8_t> bytes = rostersFileBytes(*league, 2);
    storeLE<std::int32_t>(&bytes[tf::rotations.offset], -1);
    const fs::path file = m_dir / "t2.ssr";
    writeBytes(file, bytes);
    const auto saved = snapshotFolder(m_dir / "one");

    const CliRun unanswered = runTool({"import-rosters", m_sea, file.string()});
    EXPECT_EQ(unanswered.exitCode, 1);
    EXPECT_NE(unanswered.err.find("It looks like there is an error in the imported lineups or rotations"),
              std::string::npos)
        << unanswered.err;
    EXPECT_EQ(snapshotFolder(m_dir / "one"), saved);

    // No undoes the import: nothing to save, nothing written.
    const CliRun no = runTool({"import-rosters", m_sea, file.string(), "--no"});
    EXPECT_EQ(no.exitCode, 0) << no.err;
    EXPECT_EQ(snapshotFolder(m_dir / "one"), saved);

    const CliRun yes = runTool({"import-rosters", m_sea, file.string(), "--yes"});
    EXPECT_EQ(yes.exitCode, 0) << yes.err;
    EXPECT_EQ(openLeague(m_sea)->team(2).record.rotationSlot(0, 0), -1);
}

TEST_F(CliPlayerToolsTest, ExportRostersAsksBeforeWritingIncompleteLineups) {
    auto league = openLeague(m_sea);
    league->team(2).record.setRotationSlot(1, 1, -1);
    saveLeague(*league);
    const fs::path file = m_dir / "t2.ssr";
    const CliRun plain = runTool({"export-rosters", m_sea, "--team", "2", "--out", file.string()});
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_NE(plain.err.find(kExportLineupsQuestion), std::string::npos) << plain.err;
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(runTool({"export-rosters", m_sea, "--team", "2", "--out", file.string(), "--force"}).exitCode, 0);
    EXPECT_TRUE(fs::exists(file));
}

TEST_F(CliPlayerToolsTest, ImportRostersChecksEveryFileBeforeImportingAny) {
    const fs::path good = m_dir / "t2.ssr";
    ASSERT_EQ(runTool({"export-rosters", m_sea, "--team", "2", "--out", good.string(), "--force"}).exitCode, 0);
    const fs::path bad = m_dir / "bad.ssr";
    writeBytes(bad, std::vector<std::uint8_t>(1728 + 7, 0));
    const auto saved = snapshotFolder(m_dir / "one");
    const CliRun run = runTool({"import-rosters", m_sea, good.string(), bad.string(), "--yes"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(bad.string()), std::string::npos);
    EXPECT_EQ(snapshotFolder(m_dir / "one"), saved);
}

}  // namespace
}  // namespace zt::test

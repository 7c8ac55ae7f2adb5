// ztedit-cli import-csv, import-team and generate-database.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "ratings/league_constants.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

class CliCsvImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto run = runTool({"generate", (m_dir / "league").string(), "--seed", "9"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        m_sea = m_dir / "league" / "Sample.sea";
        fs::create_directories(m_dir / "data");
        writeLeagueConstants(m_dir / "data" / "constants.ini", LeagueConstants::defaults());
        fs::copy_file(fs::path(ZT_SOURCE_DATA_DIR) / "csvcols.txt", m_dir / "data" / "csvcols.txt");
    }

    std::string dataDir() const { return (m_dir / "data").string(); }

    TempDir m_dir;
    fs::path m_sea;
};

TEST_F(CliCsvImportTest, ImportCsvCreatesAndUpdatesAndSaves) {
    const auto before = openLeague(m_sea);
    // A player whose names no one else has: the row finds him and nobody else.
    std::size_t index = 0;
    auto sameNames = [&](std::size_t a, std::size_t b) {
        return before->players[a]->get(pf::firstName) == before->players[b]->get(pf::firstName) &&
               before->players[a]->get(pf::lastName) == before->players[b]->get(pf::lastName);
    };
    for (bool unique = false; !unique; ++index) {
        unique = true;
        for (std::size_t other = 0; other < before->players.size(); ++other) {
            unique = unique && (other == index || !sameNames(index, other));
        }
    }
    --index;
    const PlayerRecord& first = *before->players[index];
    writeText(m_dir / "players.csv",
              "FirstName,LastName,H,Position\n" + first.get(pf::firstName) + "," + first.get(pf::lastName) +
                  ",77,*2/S\nNew,Comer,12,O\nOther,Comer,13,P\n");
    const auto run = runTool({"import-csv",
                              m_sea.string(),
                              (m_dir / "players.csv").string(),
                              "--data-dir",
                              dataDir(),
                              "--lahman-positions",
                              "--dest",
                              "1",
                              "--yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto after = openLeague(m_sea);
    // Questions of the lineup checks, answered Yes, come first.
    EXPECT_TRUE(run.out.ends_with("Processed lines : 1  Created players: 2\nSaved " + after->leagueDir.string() + "\n"))
        << run.out;
    ASSERT_EQ(after->players.size(), before->players.size() + 2);
    EXPECT_EQ(after->players[index]->get(pf::batHits), 77.0f);
    EXPECT_EQ(after->players[index]->get(pf::position), 4);
    const PlayerRecord& created = *after->players[before->players.size()];
    EXPECT_EQ(created.get(pf::lastName), "Comer");
    EXPECT_EQ(created.teamIndex(), 1);
    EXPECT_TRUE(after->isOnRoster(created, 1));
}

TEST_F(CliCsvImportTest, FailedImportSavesNothing) {
    const auto snapshot = snapshotFolder(m_dir / "league");
    writeText(m_dir / "players.csv", "FirstName,LastName,H\nNew,Comer,12\nBad,Row,x1\n");
    const auto run = runTool({"import-csv", m_sea.string(), (m_dir / "players.csv").string(), "--data-dir", dataDir()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "x1 is not a valid value for H (players.csv, line 3)\n");
    EXPECT_EQ(snapshotFolder(m_dir / "league"), snapshot);
}

TEST_F(CliCsvImportTest, GeneratedDatabaseTeamImport) {
    auto run =
        runTool({"generate-database", (m_dir / "db").string(), "--seed", "3", "--teams", "2", "--years", "1990-1992"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Database written: " + (m_dir / "db").string() + "\n");
    const auto before = openLeague(m_sea);
    run = runTool({"import-team",
                   m_sea.string(),
                   "--database",
                   (m_dir / "db").string(),
                   "--team",
                   "ZT02",
                   "--year",
                   "1991",
                   "--data-dir",
                   dataDir(),
                   "--dest",
                   "2",
                   "--yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), "40 players created");
    const auto after = openLeague(m_sea);
    EXPECT_EQ(after->players.size(), before->players.size() + 40);
    EXPECT_EQ(after->seasonHeader.get(sh::seasonDay), 12);

    run = runTool({"import-team",
                   m_sea.string(),
                   "--database",
                   (m_dir / "db").string(),
                   "--team",
                   "ZT02",
                   "--year",
                   "1989",
                   "--data-dir",
                   dataDir()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Invalid year for this team\n");
    run = runTool({"generate-database", (m_dir / "db2").string(), "--years", "1990"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "'1990' is not a span of years FIRST-LAST\n");
}

}  // namespace
}  // namespace zt::test

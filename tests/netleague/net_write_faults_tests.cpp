// The downloads, the league update and the mailed rosters file, run with each of their file operations failing in turn.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "league/net_info.h"
#include "support/fault_sweep.h"
#include "support/league_builder.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"
#include "update_fixture.h"
#include "zip_fixture.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

WriteAttempt cliAttempt(std::vector<std::string> args) {
    return [args = std::move(args)]() -> std::string {
        const CliRun run = runTool(args);
        if (run.exitCode == 0) {
            return {};
        }
        return run.err.empty() ? "exit " + std::to_string(run.exitCode) + " without a message" : run.err;
    };
}

// The league files are the old ones or the published ones; only the downloaded archive may be
// new when its extraction failed.
TEST(NetWriteFaults, LeagueUpdateLeavesTheOldLeagueFilesOrTheNewOnes) {
    TempDir root;
    const fs::path sea = writeLeagueFolder(*buildLeague(), root / "mine");
    const fs::path season = sea.parent_path() / "SampleSeason";
    LeagueShape shape;
    shape.teams = 4;
    const fs::path published = writeLeagueFolder(*buildLeague(shape), root / "director");
    fs::create_directories(root / "www");
    zipFolder(root / "www" / "league.zip", published.parent_path() / "SampleSeason", "");
    LoopbackServer server(LoopbackServer::Kind::Http, root / "www");
    NetLeagueInfo info = readNetInfo(season / "net.txt");
    info.leagueFilesUrl = server.url("/league.zip");
    writeNetInfo(season / "net.txt", info);

    const FaultSweep sweep =
        sweepWriteFaults({season}, cliAttempt({"update-league", sea.string(), "--yes"}), 120, {"league.zip"});
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_GT(sweep.failedRuns, 0U);
}

TEST(NetWriteFaults, UpdateDownloadKeepsTheEditorFolderWholeOrNew) {
    TempDir root;
    fs::create_directories(root / "www");
    LoopbackServer server(LoopbackServer::Kind::Http, root / "www");
    publishEditorUpdate(root / "www", server);
    const fs::path editor = root / "editor";
    fs::create_directories(editor);
    writeText(editor / "new.rtf", "old notes");
    writeText(editor / "patch.exe", "MZ old patch");

    const FaultSweep sweep =
        sweepWriteFaults({editor},
                         cliAttempt({"check-update", "--server", server.url(""), "--download", editor.string()}),
                         120,
                         // The release notes are shown before the patch is fetched.
                         {"new.rtf"});
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_GT(sweep.failedRuns, 0U);
}

// The rosters file is written whole before it is mailed; a failed write sends nothing.
TEST(NetWriteFaults, SendRostersWritesItsFileWholeOrNotAtAll) {
    TempDir root;
    const fs::path sea = writeLeagueFolder(*buildLeague(), root / "mine");
    const fs::path season = sea.parent_path() / "SampleSeason";
    fs::create_directories(root / "inbox");
    fs::create_directories(root / "out");
    LoopbackServer server(LoopbackServer::Kind::Smtp, root / "inbox");
    NetLeagueInfo info = readNetInfo(season / "net.txt");
    info.smtpServer = server.hostPort();
    info.leagueEmail = "director@example.org";
    info.userEmail = "pat@example.org";
    writeNetInfo(season / "net.txt", info);

    const FaultSweep sweep = sweepWriteFaults(
        {root / "out"},
        cliAttempt(
            {"send-rosters", sea.string(), "--team", "1", "--yes", "--out", (root / "out" / "team.ssr").string()}));
    EXPECT_TRUE(sweep.problems.empty()) << problemList(sweep);
    EXPECT_EQ(sweep.failedRuns, sweep.operations);
    // One mail for the run without fault and one for the last run, none for the failed ones.
    EXPECT_TRUE(waitForPath(root / "inbox" / "mail-2"));
    EXPECT_FALSE(fs::exists(root / "inbox" / "mail-3"));
}

}  // namespace
}  // namespace zt::test

// ztedit-cli update-league, send-rosters and check-update against servers on 127.0.0.1.
#include <gtest/gtest.h>

#include "cli/cli_test_support.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/net_info.h"
#include "netleague/league_update.h"
#include "netleague/rosters_mail.h"
#include "netleague/version_file.h"
#include "support/league_builder.h"
#include "support/loopback_server.h"
#include "support/temp_dir.h"
#include "update_fixture.h"
#include "zip_fixture.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class CliNetLeague : public testing::Test {
protected:
    void SetUp() override {
        m_sea = writeLeagueFolder(*buildLeague(), m_root / "mine");
        m_dir = m_sea.parent_path() / "SampleSeason";
        LeagueShape shape;
        shape.teams = 4;
        const fs::path published = writeLeagueFolder(*buildLeague(shape), m_root / "director");
        fs::create_directories(m_root / "www");
        zipFolder(m_root / "www" / "league.zip", published.parent_path() / "SampleSeason", "");
    }

    void setNetInfo(const std::string& url, const std::string& smtp = {}) {
        NetLeagueInfo info = readNetInfo(m_dir / "net.txt");
        info.leagueFilesUrl = url;
        info.smtpServer = smtp;
        info.leagueEmail = "director@example.org,deputy@example.org";
        info.userName = "Pat";
        info.userEmail = "pat@example.org";
        writeNetInfo(m_dir / "net.txt", info);
        m_before = snapshotFolder(m_dir);
    }

    TempDir m_root;
    fs::path m_sea;
    fs::path m_dir;
    std::map<std::string, std::vector<std::uint8_t>> m_before;
};

TEST_F(CliNetLeague, UpdateLeagueDownloadsExtractsAndLoads) {
    LoopbackServer server(LoopbackServer::Kind::Http, m_root / "www");
    setNetInfo(server.url("/league.zip"));

    const CliRun refused = runTool({"update-league", m_sea.string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(contains(refused.err, kUpdateLeagueQuestion)) << refused.err;
    EXPECT_EQ(snapshotFolder(m_dir), m_before);

    const CliRun run = runTool({"update-league", m_sea.string(), "--yes"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_TRUE(contains(run.out, "extracted 6 files")) << run.out;
    EXPECT_TRUE(contains(run.out, std::string(kReloadLeagueQuestion) + " Yes")) << run.out;
    EXPECT_TRUE(contains(run.out, ": 4 teams")) << run.out;
    EXPECT_EQ(openLeague(m_sea)->teamCount(), 4);
}

TEST_F(CliNetLeague, UpdateLeagueFailuresNameTheirCauseAndChangeNoLeagueFile) {
    setNetInfo("");
    CliRun run = runTool({"update-league", m_sea.string(), "--yes"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, std::string(kNoLeagueUrlMessage) + "\n");

    LoopbackServer server(LoopbackServer::Kind::Http, m_root / "www");
    writeText(m_root / "www" / "damaged.zip", "not an archive");
    const std::pair<const char*, const char*> cases[] = {{"/missing.zip", "404"},
                                                         {"/damaged.zip", kExtractErrorMessage}};
    for (const auto& [path, message] : cases) {
        setNetInfo(server.url(path));
        run = runTool({"update-league", m_sea.string(), "--yes"});
        EXPECT_EQ(run.exitCode, 1) << path;
        EXPECT_TRUE(contains(run.err, message)) << run.err;
        auto after = snapshotFolder(m_dir);
        after.erase("league.zip");
        m_before.erase("league.zip");
        EXPECT_EQ(after, m_before) << path;
    }
}

TEST_F(CliNetLeague, SendRostersMailsTheExportedFileToEveryRecipient) {
    LoopbackServer server(LoopbackServer::Kind::Smtp, m_root / "inbox");
    fs::create_directories(m_root / "inbox");
    setNetInfo("", server.hostPort());

    const CliRun run = runTool({"send-rosters", m_sea.string(), "--team", "1", "--yes", "--comments", "Trade done"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const fs::path exported = m_sea.parent_path() / "Boston.ssr";
    EXPECT_TRUE(contains(run.out, "Sent " + exported.string() + " to director@example.org, deputy@example.org"))
        << run.out;
    const fs::path mail = m_root / "inbox" / "mail-1";
    ASSERT_TRUE(waitForPath(mail));
    EXPECT_EQ(fileContents(mail / "envelope.txt"),
              "from: pat@example.org\nto: director@example.org\nto: deputy@example.org\n");
    EXPECT_TRUE(contains(fileContents(mail / "headers.txt"), "Subject: Boston rosters management\n"));
    EXPECT_EQ(fileContents(mail / "body.txt"), std::string("Trade done\r\n\r\n") + kMailClosingLine + "\r\n");
    EXPECT_EQ(fileContents(mail / "attachments" / "Boston.ssr"), fileContents(exported));
}

TEST_F(CliNetLeague, CheckUpdateReportsTheEntryAndDownloadsOnlyACompletePatch) {
    LoopbackServer server(LoopbackServer::Kind::Http, m_root / "www");
    const std::string base = publishEditorUpdate(m_root / "www", server);

    CliRun run = runTool({"check-update", "--server", server.url("")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              std::string(kNewVersionMessage) + "\nPatch entry: *1.05-1.09\nRelease notes: " + base +
                  "notes.rtf\nPatch: " + base + "patch.exe (8 bytes)\n");

    const fs::path editor = m_root / "editor";
    fs::create_directories(editor);
    run = runTool({"check-update", "--server", server.url(""), "--download", editor.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(fileContents(editor / "patch.exe"), "MZ patch");
    EXPECT_EQ(fileContents(editor / "new.rtf"), "{\\rtf1 notes}");

    writeText(m_root / "www" / "velmora" / "vmedit" / "version2003Editor.txt", "1.05\n");
    run = runTool({"check-update", "--server", server.url("")});
    EXPECT_EQ(run.out, std::string(kLatestVersionMessage) + "\n");
}

}  // namespace
}  // namespace zt::test

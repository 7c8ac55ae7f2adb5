// The league files update against a real HTTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <random>

#include "league/league.h"
#include "league/league_io.h"
#include "league/net_info.h"
#include "netleague/league_update.h"
#include "recording_observer.h"
#include "support/league_builder.h"
#include "support/loopback_server.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "zip_fixture.h"

namespace zt {
namespace {

namespace fs = std::filesystem;
using test::LoopbackServer;
using test::RecordingObserver;

std::string noise(std::size_t size) {
    std::mt19937 random(7);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random());
    }
    return bytes;
}

class LeagueUpdate : public testing::Test {
protected:
    void SetUp() override {
        // The user's league: three teams. The director's: four teams, published under a folder.
        m_sea = test::writeLeagueFolder(*test::buildLeague(), m_root / "mine");
        m_dir = m_sea.parent_path() / "SampleSeason";
        test::LeagueShape shape;
        shape.teams = 4;
        const fs::path published = test::writeLeagueFolder(*test::buildLeague(shape), m_root / "director");
        m_published = published.parent_path() / "SampleSeason";
        fs::create_directories(m_www);
        test::zipFolder(m_www / "league.zip", m_published, "SampleSeason/");
        // An archive big enough to take seconds from the slow path: pattern bytes do not compress.
        test::writeZip(m_www / "big.zip", {{"players.zt", noise(400000), test::ZipItem::Kind::File, true}});
        test::writeText(m_www / "damaged.zip", "PK\x03\x04 this is not what it claims to be");
        m_before = test::snapshotFolder(m_dir);
        m_before.erase("league.zip");
    }

    std::map<std::string, std::vector<std::uint8_t>> leagueFiles() const {
        auto files = test::snapshotFolder(m_dir);
        files.erase("league.zip");
        return files;
    }

    LeagueUpdateResult update(const std::string& path) {
        return updateLeagueFiles(m_dir, m_server.url(path), m_observer);
    }

    test::TempDir m_root;
    fs::path m_www = m_root / "www";
    fs::path m_sea;
    fs::path m_dir;
    fs::path m_published;
    std::map<std::string, std::vector<std::uint8_t>> m_before;
    LoopbackServer m_server{LoopbackServer::Kind::Http, m_root / "www"};
    RecordingObserver m_observer;
};

TEST(LeagueUpdateConfirm, AnEmptyUrlIsRefusedBeforeAnyQuestion) {
    test::ScriptedInteraction interaction;
    EXPECT_FALSE(confirmLeagueUpdate(NetLeagueInfo{}, interaction));
    EXPECT_EQ(interaction.texts(), std::vector<std::string>{kNoLeagueUrlMessage});
}

TEST(LeagueUpdateConfirm, TheOverwriteQuestionDecides) {
    NetLeagueInfo info;
    info.leagueFilesUrl = "http://127.0.0.1/league.zip";
    for (const bool answer : {true, false}) {
        test::ScriptedInteraction interaction;
        interaction.answerYesNo(answer);
        EXPECT_EQ(confirmLeagueUpdate(info, interaction), answer);
        EXPECT_EQ(interaction.texts(), std::vector<std::string>{kUpdateLeagueQuestion});
    }
}

TEST_F(LeagueUpdate, AFullUpdateReplacesTheFilesAndTheLeagueOpensWithThem) {
    const LeagueUpdateResult result = update("/league.zip");

    ASSERT_EQ(result.outcome, LeagueUpdateOutcome::Extracted) << result.message;
    const auto archiveSize = static_cast<std::int64_t>(fs::file_size(m_www / "league.zip"));
    EXPECT_EQ(result.bytes, archiveSize);
    EXPECT_EQ(m_observer.expected, archiveSize);
    EXPECT_EQ(m_observer.starts, 1);
    ASSERT_FALSE(m_observer.progress.empty());
    EXPECT_EQ(m_observer.progress.back(), archiveSize);
    EXPECT_TRUE(std::is_sorted(m_observer.progress.begin(), m_observer.progress.end()));
    EXPECT_EQ(m_observer.statuses, (std::vector<std::string>{kUpdateStatusContacting, kUpdateStatusTransferring}));
    for (const auto& [name, bytes] : test::snapshotFolder(m_published)) {
        EXPECT_EQ(test::readBytes(m_dir / name), bytes) << name;
    }
    EXPECT_EQ(test::readBytes(m_dir / "league.zip"), test::readBytes(m_www / "league.zip"));
    EXPECT_EQ(openLeague(m_sea)->teamCount(), 4);
}

TEST_F(LeagueUpdate, CancelMidTransferExtractsNothing) {
    m_observer.cancelAfterBytes = 1;
    const LeagueUpdateResult result = update("/slow/big.zip");

    EXPECT_EQ(result.outcome, LeagueUpdateOutcome::Cancelled);
    EXPECT_EQ(result.message, kTransferCancelledMessage);
    EXPECT_EQ(leagueFiles(), m_before);
    // A cancelled download leaves no partial archive behind, nor its temporary.
    EXPECT_FALSE(fs::exists(m_dir / "league.zip"));
    for (const auto& entry : fs::directory_iterator(m_dir)) {
        EXPECT_EQ(entry.path().filename().string().find(".ztedit-"), std::string::npos) << entry.path();
    }
}

TEST_F(LeagueUpdate, FailedTransfersShowTheirErrorAndReplaceNothing) {
    struct Case {
        const char* path;
        const char* expected;
    };
    for (const Case& c : {Case{"/missing.zip", "404"}, Case{"/truncated/big.zip", "bytes"}}) {
        SCOPED_TRACE(c.path);
        m_observer = {};
        const LeagueUpdateResult result = update(c.path);
        EXPECT_EQ(result.outcome, LeagueUpdateOutcome::TransferFailed);
        EXPECT_NE(result.message.find(c.expected), std::string::npos) << result.message;
        ASSERT_FALSE(m_observer.statuses.empty());
        EXPECT_EQ(m_observer.statuses.back(), result.message);
        EXPECT_EQ(leagueFiles(), m_before);
    }
}

TEST_F(LeagueUpdate, AnUnreachableServerIsATransferError) {
    const std::string url = m_server.url("/league.zip");
    m_server.stop();
    const LeagueUpdateResult result = updateLeagueFiles(m_dir, url, m_observer);
    EXPECT_EQ(result.outcome, LeagueUpdateOutcome::TransferFailed);
    EXPECT_NE(result.message.find("127.0.0.1"), std::string::npos) << result.message;
    EXPECT_EQ(leagueFiles(), m_before);
}

TEST_F(LeagueUpdate, ADamagedArchiveIsAnExtractErrorAndReplacesNothing) {
    const LeagueUpdateResult result = update("/damaged.zip");
    EXPECT_EQ(result.outcome, LeagueUpdateOutcome::ExtractFailed);
    EXPECT_NE(result.message.find("league.zip"), std::string::npos) << result.message;
    EXPECT_EQ(leagueFiles(), m_before);
}

}  // namespace
}  // namespace zt

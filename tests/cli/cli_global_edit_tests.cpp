#include <gtest/gtest.h>

#include <filesystem>

#include "cli_test_support.h"
#include "globaledit/gbe_file.h"
#include "globaledit/global_edit_messages.h"
#include "league/league.h"
#include "league/league_io.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;
using globaledit::GlobalEditSettings;
using globaledit::Mode;

constexpr int kAgeItem = 0;
constexpr int kArmRatingItem = 26;
constexpr int kStarRatingItem = 46;

GlobalEditSettings edit(int field, Mode mode, std::string modifier) {
    GlobalEditSettings settings;
    settings.field = field;
    settings.mode = mode;
    settings.modifier = std::move(modifier);
    return settings;
}

class CliGlobalEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto run = runTool({"generate",
                                  m_dir.path().string(),
                                  "--seed",
                                  "5",
                                  "--players-per-team",
                                  "72",
                                  "--free-agents",
                                  "20",
                                  "--years",
                                  "1",
                                  "--days",
                                  "12"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        m_sea = m_dir / "Sample.sea";
        m_players = m_dir / "SampleSeason" / "players.zt";
    }

    CliRun globalEdit(std::vector<std::string> options = {}) {
        std::vector<std::string> args = {"global-edit", m_sea.string(), m_gbe.string()};
        args.insert(args.end(), options.begin(), options.end());
        return runTool(args);
    }

    void expectLeagueUnchanged(const std::map<std::string, std::vector<std::uint8_t>>& before) {
        EXPECT_EQ(snapshotFolder(m_dir / "SampleSeason"), before);
    }

    TempDir m_dir;
    fs::path m_sea;
    fs::path m_players;
    fs::path m_gbe = m_dir / "edits.gbe";
};

TEST_F(CliGlobalEditTest, RunsEveryRecordReportsItAndSavesTheLeague) {
    const auto before = openLeague(m_sea);
    int pitchers = 0;
    for (const auto& player : before->players) {
        pitchers += player->get(pf::position) == 1 ? 1 : 0;
    }
    globaledit::saveGbeFile(m_gbe, edit(kAgeItem, Mode::ConstantVariation, "1"));
    auto stars = edit(kStarRatingItem, Mode::UniqueValue, "4.5");
    stars.position = globaledit::kPitchersOnly;
    globaledit::appendGbeFile(m_gbe, stars);

    const auto run = globalEdit();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string expected = "1. Age: " + std::to_string(before->players.size()) + " players counted\n" +
                                 "2. Star Rating: " + std::to_string(pitchers) + " players counted\n" + "Saved " +
                                 before->leagueDir.string() + "\n";
    EXPECT_EQ(run.out, expected);

    const auto after = openLeague(m_sea);
    ASSERT_EQ(after->players.size(), before->players.size());
    for (std::size_t i = 0; i < after->players.size(); ++i) {
        const auto& was = *before->players[i];
        const auto& now = *after->players[i];
        EXPECT_EQ(now.get(pf::age), static_cast<std::uint8_t>(was.get(pf::age) + 1));
        EXPECT_EQ(now.get(pf::starRating), was.get(pf::position) == 1 ? 4.5f : was.get(pf::starRating));
    }
}

TEST_F(CliGlobalEditTest, TheSameSeedDrawsTheSameRandomValues) {
    globaledit::saveGbeFile(m_gbe, edit(kArmRatingItem, Mode::Random, "1/9"));
    const auto original = fileContents(m_players);
    ASSERT_EQ(globalEdit({"--seed", "42"}).exitCode, 0);
    const auto first = fileContents(m_players);
    writeBytes(m_players, std::vector<std::uint8_t>(original.begin(), original.end()));
    ASSERT_EQ(globalEdit({"--seed", "42"}).exitCode, 0);
    EXPECT_EQ(fileContents(m_players), first);
    writeBytes(m_players, std::vector<std::uint8_t>(original.begin(), original.end()));
    ASSERT_EQ(globalEdit({"--seed", "43"}).exitCode, 0);
    EXPECT_NE(fileContents(m_players), first);
    EXPECT_NE(first, original);
}

TEST_F(CliGlobalEditTest, CurrentTeamRecordsNeedTheCurrentTeam) {
    auto settings = edit(kAgeItem, Mode::UniqueValue, "30");
    settings.team = globaledit::kCurrentTeam;
    globaledit::saveGbeFile(m_gbe, settings);
    const auto before = snapshotFolder(m_dir / "SampleSeason");

    auto run = globalEdit();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "The file's records keep the current team only: name it with --current-team\n");
    run = globalEdit({"--current-team", "40"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "--current-team 40 is not a team of the league (0 to 29, or 255 for the free agents)\n");
    expectLeagueUnchanged(before);

    const auto was = openLeague(m_sea);
    run = globalEdit({"--current-team", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto now = openLeague(m_sea);
    for (std::size_t i = 0; i < now->players.size(); ++i) {
        const auto& player = *now->players[i];
        const std::uint8_t expected = player.teamIndex() == 3 ? 30 : was->players[i]->get(pf::age);
        EXPECT_EQ(player.get(pf::age), expected);
    }
}

TEST_F(CliGlobalEditTest, ARefusedRecordIsSkippedWithItsMessage) {
    globaledit::saveGbeFile(m_gbe, edit(kAgeItem, Mode::MinMax, "30"));
    globaledit::appendGbeFile(m_gbe, edit(kStarRatingItem, Mode::UniqueValue, "1"));
    const auto run = globalEdit();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find("2.")),
              "1. Age: skipped\n   Minimum and maximum values must be separated by a \"/\"\n");
    const auto league = openLeague(m_sea);
    for (const auto& player : league->players) {
        EXPECT_EQ(player->get(pf::starRating), 1.0f);
    }
}

TEST_F(CliGlobalEditTest, RepeatedMessagesAreCounted) {
    globaledit::saveGbeFile(m_gbe, edit(31, Mode::Percentage, "50"));  // Batting Stance
    const auto run = globalEdit();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto count = std::to_string(openLeague(m_sea)->players.size());
    EXPECT_NE(run.out.find("1. Batting Stance: " + count + " players counted\n   " +
                           globaledit::kPercentageRefusedMessage + " (" + count + " times)\n"),
              std::string::npos)
        << run.out;
}

TEST_F(CliGlobalEditTest, ARunThatStopsSavesNothing) {
    globaledit::saveGbeFile(m_gbe, edit(kAgeItem, Mode::UniqueValue, "30"));
    globaledit::appendGbeFile(m_gbe, edit(kStarRatingItem, Mode::Formula, "age/0"));
    const auto before = snapshotFolder(m_dir / "SampleSeason");
    const auto run = globalEdit();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(run.out, "1. Age: " + std::to_string(openLeague(m_sea)->players.size()) + " players counted\n");
    expectLeagueUnchanged(before);
}

TEST_F(CliGlobalEditTest, AFileInAnOlderFormatChangesNothing) {
    writeBytes(m_gbe, std::vector<std::uint8_t>(8 + 154, 0));
    const auto before = snapshotFolder(m_dir / "SampleSeason");
    const auto run = globalEdit();
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, std::string(globaledit::kOlderFormatMessage) + "\n");
    expectLeagueUnchanged(before);
}

TEST_F(CliGlobalEditTest, TheFileIsRequired) {
    EXPECT_EQ(runTool({"global-edit", m_sea.string()}).exitCode, 2);
}

}  // namespace
}  // namespace zt::test

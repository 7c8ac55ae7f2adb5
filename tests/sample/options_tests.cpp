#include <gtest/gtest.h>

#include <cctype>

#include "league/error.h"
#include "sample/organisation.h"
#include "sample/sample_league.h"
#include "support/temp_dir.h"

namespace zt::sample {
namespace {

struct BadOption {
    const char* name;
    SampleOptions options;
    const char* mentioned;  // part of the message that names the option
};

void PrintTo(const BadOption& bad, std::ostream* os) {
    *os << bad.name;
}

SampleOptions with(void (*change)(SampleOptions&)) {
    SampleOptions options;
    change(options);
    return options;
}

class SampleBadOptions : public ::testing::TestWithParam<BadOption> {};

TEST_P(SampleBadOptions, AreRefusedWithAMessageNamingThem) {
    const BadOption& bad = GetParam();
    try {
        buildSampleLeague(bad.options);
        FAIL() << "no error for " << bad.name;
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(bad.mentioned), std::string::npos) << e.what();
    }
}

TEST_P(SampleBadOptions, WriteNothing) {
    test::TempDir dir;
    EXPECT_THROW(generateSampleLeague(dir / "league", GetParam().options), Error);
    EXPECT_FALSE(std::filesystem::exists(dir / "league"));
}

INSTANTIATE_TEST_SUITE_P(
    Options,
    SampleBadOptions,
    ::testing::Values(
        BadOption{"negative players", with([](SampleOptions& o) { o.playersPerTeam = -1; }), "Players per team"},
        BadOption{"absurd team size", with([](SampleOptions& o) { o.playersPerTeam = 2001; }), "Players per team"},
        BadOption{"negative free agents", with([](SampleOptions& o) { o.freeAgents = -1; }), "Free agents"},
        BadOption{"ids beyond 16 bits", with([](SampleOptions& o) { o.freeAgents = 70000; }), "Free agents"},
        BadOption{"negative years", with([](SampleOptions& o) { o.years = -1; }), "Years"},
        BadOption{"absurd years", with([](SampleOptions& o) { o.years = 1000; }), "Years"},
        BadOption{"negative days", with([](SampleOptions& o) { o.days = -5; }), "Days"},
        BadOption{"days beyond a byte", with([](SampleOptions& o) { o.days = 256; }), "Days"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(SampleOptionLimits, SmallestValuesStillMakeALeague) {
    SampleOptions options;
    options.playersPerTeam = 0;
    options.freeAgents = 0;
    options.years = 0;
    options.days = 0;
    const SampleLeague sample = buildSampleLeague(options);
    const League& league = *sample.league;
    // Every level still gets its lineup and rotation, so each team has the full minimum.
    EXPECT_EQ(league.players.size(), static_cast<std::size_t>(30 * kMinimumPlayersPerTeam));
    EXPECT_TRUE(league.gameScores.empty());
    EXPECT_TRUE(sample.boxScores.empty());
    EXPECT_EQ(league.seasonHeader.get(sh::seasonDay), 1);
    // No past seasons and no game played: nobody has a history yet.
    EXPECT_TRUE(league.playerHistories.empty());
    ASSERT_EQ(league.teamHistories.size(), 30u);
    for (const auto& block : league.teamHistories) {
        EXPECT_TRUE(block->batting.empty() && block->pitching.empty() && block->fielding.empty());
    }
}

TEST(SampleOptionLimits, FullRostersUseAllHundredTwentySlots) {
    SampleOptions options;
    options.playersPerTeam = 120;
    options.freeAgents = 0;
    options.years = 1;
    options.days = 6;
    const SampleLeague sample = buildSampleLeague(options);
    const League& league = *sample.league;
    ASSERT_EQ(league.players.size(), 30u * 120u);
    for (const Team& team : league.teams) {
        EXPECT_GT(team.record.rosterId(119), 0);
    }
}

// A team larger than its 120 roster places keeps the others as its hidden players: on the team,
// at a minor level, on no roster and in no lineup or rotation.
TEST(SampleOptionLimits, PlayersBeyondTheRosterAreHiddenPlayersOfTheTeam) {
    SampleOptions options;
    options.playersPerTeam = 200;
    options.freeAgents = 10;
    options.years = 1;
    options.days = 4;
    const SampleLeague sample = buildSampleLeague(options);
    const League& league = *sample.league;
    ASSERT_EQ(league.players.size(), 30u * 200u + 10u);
    std::vector<int> hiddenPerTeam(30, 0);
    for (const auto& player : league.players) {
        const int t = player->teamIndex();
        if (t == kFreeAgentTeam || league.isOnRoster(*player, t)) {
            continue;
        }
        ++hiddenPerTeam[static_cast<std::size_t>(t)];
        EXPECT_GE(player->level(), 1);
        EXPECT_LE(player->level(), 3);
        const TeamRecord& record = league.teams[static_cast<std::size_t>(t)].record;
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            for (int slot = 0; slot < kLineupSlots; ++slot) {
                EXPECT_NE(record.lineupSlot(static_cast<LineupKind>(kind), slot).playerId, player->playerId());
            }
        }
        for (int level = 0; level < kRotationLevels; ++level) {
            for (int slot = 0; slot < kRotationSlots; ++slot) {
                EXPECT_NE(record.rotationSlot(level, slot), player->playerId());
            }
        }
    }
    for (int t = 0; t < 30; ++t) {
        EXPECT_EQ(hiddenPerTeam[static_cast<std::size_t>(t)], 80) << "team " << t;
        EXPECT_GT(league.teams[static_cast<std::size_t>(t)].record.rosterId(119), 0);
    }
}

TEST(SampleOptionLimits, AskedNumbersAreWhatTheLeagueHolds) {
    SampleOptions options;
    options.seed = 3;
    options.playersPerTeam = 90;
    options.freeAgents = 37;
    options.years = 4;
    options.days = 40;
    const SampleLeague sample = buildSampleLeague(options);
    const League& league = *sample.league;
    EXPECT_EQ(league.players.size(), 30u * 90u + 37u);
    EXPECT_EQ(league.gameScores.size(), 40u);
    EXPECT_EQ(league.seasonHeader.get(sh::seasonDay), 40 * 3 / 5 + 1);
    EXPECT_EQ(league.seasonHeader.get(sh::seasonGames), 40);
}

}  // namespace
}  // namespace zt::sample

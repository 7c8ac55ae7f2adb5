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
        BadOption{
            "more players than a roster", with([](SampleOptions& o) { o.playersPerTeam = 121; }), "Players per team"},
        BadOption{"large league of 600", with([](SampleOptions& o) { o.playersPerTeam = 600; }), "120"},
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

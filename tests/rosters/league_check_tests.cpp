// The integrity check: each kind of fault, made on purpose, is found once; generated leagues are
// clean.
#include <cmath>
#include <functional>
#include <limits>

#include "league/league_io.h"
#include "roster_fixture.h"
#include "rosters/league_check.h"
#include "sample/sample_league.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

// The fixture's builders, open to the fault makers below.
class FaultyLeague : public RosterTest {
public:
    // A player whose codes are all in range (the builder leaves patterns in fields it does not set).
    PlayerRecord& addSound(const PlayerShape& shape) {
        PlayerRecord& p = add(shape);
        p.set(pf::bats, std::uint8_t{1});
        p.set(pf::throws, std::uint8_t{0});
        return p;
    }
    using RosterTest::player;
    using RosterTest::setLineup;
    using RosterTest::setRotation;
    using RosterTest::team;
};

struct FaultCase {
    const char* name;
    std::string_view kind;
    std::function<void(FaultyLeague&, League&)> make;
};

std::ostream& operator<<(std::ostream& os, const FaultCase& c) {
    return os << c.name;
}

class LeagueCheckTest : public FaultyLeague, public ::testing::WithParamInterface<FaultCase> {
protected:
    void SetUp() override {
        FaultyLeague::SetUp();
        addSound({.id = 10, .team = 0, .level = 0});
        addSound({.id = 11, .team = 1, .level = 1});
    }
};

TEST_P(LeagueCheckTest, FindsTheFaultOnce) {
    ASSERT_EQ(checkLeague(*m_league), std::vector<LeagueFinding>{});
    GetParam().make(*this, *m_league);
    const auto findings = checkLeague(*m_league);
    ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findings.front().text);
    EXPECT_EQ(findings[0].kind, GetParam().kind) << findings[0].text;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds,
    LeagueCheckTest,
    ::testing::Values(
        FaultCase{"DuplicateId",
                  finding::duplicateId,
                  [](FaultyLeague& t, League&) { t.addSound({.id = 10, .team = 255, .onRoster = false}); }},
        FaultCase{"TeamOutOfRange",
                  finding::teamOutOfRange,
                  [](FaultyLeague& t, League&) { t.addSound({.id = 12, .team = 40, .onRoster = false}); }},
        FaultCase{"LevelOutOfRange",
                  finding::valueOutOfRange,
                  [](FaultyLeague& t, League&) { t.player(10).set(pf::level, std::uint8_t{5}); }},
        FaultCase{
            "RatingNotANumber",
            finding::valueOutOfRange,
            [](FaultyLeague& t, League&) { t.player(11).set(pf::armRating, std::numeric_limits<float>::quiet_NaN()); }},
        FaultCase{"RosterOfNoPlayer",
                  finding::rosterOfNoPlayer,
                  [](FaultyLeague& t, League&) { t.team(2).setRosterId(7, 999); }},
        FaultCase{"RosterOfOtherTeam",
                  finding::rosterOfOtherTeam,
                  [](FaultyLeague& t, League&) {
                      t.team(1).setRosterId(t.team(1).rosterId(0) == 11 ? 1 : 0, -1);
                      t.player(11).set(pf::teamIndex, std::uint8_t{255});
                  }},
        FaultCase{"OnTwoRosters",
                  finding::onTwoRosters,
                  [](FaultyLeague& t, League&) {
                      t.team(2).setRosterId(3, 10);
                      t.player(10).set(pf::teamIndex, std::uint8_t{0});
                  }},
        FaultCase{"LineupOfOtherTeam",
                  finding::lineupOtherTeam,
                  [](FaultyLeague& t, League&) { t.setLineup(0, LineupKind::MajorVsL, 2, 11, 3); }},
        FaultCase{"RotationWrongLevel",
                  finding::lineupWrongLevel,
                  [](FaultyLeague& t, League&) { t.setRotation(1, 0, 0, 11); }},
        FaultCase{"HistoryWithoutOwner",
                  finding::historyWithoutOwner,
                  [](FaultyLeague&, League& league) {
                      auto block = std::make_unique<StatHistory>();
                      block->key = 4321;
                      league.playerHistories.push_back(std::move(block));
                  }},
        FaultCase{"ScheduleUnknownTeam",
                  finding::scheduleUnknownTeam,
                  [](FaultyLeague&, League& league) {
                      GameScore day;
                      day.games.fill(GameResult::filler());
                      day.games[4].set(gr::homeTeam, 1);
                      day.games[4].set(gr::visitingTeam, 17);
                      league.gameScores.push_back(day);
                  }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeagueCheck, GeneratedLeaguesAreClean) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        TempDir dir;
        sample::SampleOptions options;
        options.seed = seed;
        options.playersPerTeam = 72;
        options.freeAgents = 40;
        options.years = 2;
        options.days = 20;
        const auto league = openLeague(sample::generateSampleLeague(dir.path(), options));
        const auto findings = checkLeague(*league);
        EXPECT_TRUE(findings.empty()) << seed << ": " << findings.front().text;
    }
}

}  // namespace
}  // namespace zt::test

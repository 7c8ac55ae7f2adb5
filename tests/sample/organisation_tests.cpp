#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "league/codes.h"
#include "sample/name_lists.h"
#include "sample/organisation.h"
#include "sample_fixtures.h"

namespace zt::sample {
namespace {

using test::playersById;

struct LeagueCase {
    const char* name;
    const SampleLeague& (*league)();
    int playersPerTeam;  // what each team must hold
    int years;
};

void PrintTo(const LeagueCase& c, std::ostream* os) {
    *os << c.name;
}

const SampleLeague& smallLeague() {
    static const SampleLeague league = [] {
        SampleOptions options;
        options.seed = 77;
        options.playersPerTeam = 80;
        options.freeAgents = 0;
        options.years = 3;
        options.days = 20;
        return buildSampleLeague(options);
    }();
    return league;
}

class SampleOrganisation : public ::testing::TestWithParam<LeagueCase> {
protected:
    const League& league() const { return *GetParam().league().league; }
};

INSTANTIATE_TEST_SUITE_P(Leagues,
                         SampleOrganisation,
                         ::testing::Values(LeagueCase{"standard", &test::standardLeague, kMinimumPlayersPerTeam, 10},
                                           LeagueCase{"small", &smallLeague, 80, 3},
                                           LeagueCase{"large", &test::largeLeague, 120, 40}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(SampleOrganisation, IdsRunFromOneUpwardInListOrder) {
    const auto& players = league().players;
    for (std::size_t i = 0; i < players.size(); ++i) {
        ASSERT_EQ(players[i]->playerId(), i + 1);
    }
}

TEST_P(SampleOrganisation, EveryTeamPlayerIsOnHisRosterAndNoOtherOne) {
    const League& l = league();
    std::map<std::int32_t, int> rosterOf;
    int teamsWithZeroSlots = 0;
    for (int t = 0; t < l.teamCount(); ++t) {
        const TeamRecord& record = l.teams[static_cast<std::size_t>(t)].record;
        std::set<std::int32_t> emptyValues;
        for (int slot = 0; slot < kRosterSize; ++slot) {
            const std::int32_t id = record.rosterId(slot);
            if (id <= 0) {
                emptyValues.insert(id);
                continue;
            }
            EXPECT_TRUE(emptyValues.empty()) << "team " << t << " has a player after an empty slot";
            EXPECT_TRUE(rosterOf.emplace(id, t).second) << "player " << id << " is on two rosters";
        }
        EXPECT_LE(emptyValues.size(), 1u) << "team " << t << " mixes 0 and -1 in empty slots";
        teamsWithZeroSlots += emptyValues.count(0) > 0 ? 1 : 0;
    }
    if (GetParam().playersPerTeam < kRosterSize) {
        EXPECT_GE(teamsWithZeroSlots, 1);
        EXPECT_LE(teamsWithZeroSlots, 2);
    }
    std::vector<int> perTeam(30, 0);
    for (const auto& p : l.players) {
        const auto it = rosterOf.find(p->playerId());
        if (p->teamIndex() == kFreeAgentTeam) {
            EXPECT_EQ(it, rosterOf.end()) << "free agent " << p->playerId() << " is on a roster";
            EXPECT_LE(p->level(), 3);
        } else {
            ASSERT_NE(it, rosterOf.end()) << "player " << p->playerId() << " is on no roster";
            EXPECT_EQ(it->second, p->teamIndex());
            ++perTeam[p->teamIndex()];
        }
    }
    for (const int count : perTeam) {
        EXPECT_EQ(count, GetParam().playersPerTeam);
    }
}

TEST_P(SampleOrganisation, LevelsAreStaffedLikeABallClub) {
    const League& l = league();
    struct Count {
        int hitters = 0, catchers = 0, pitchers = 0, starters = 0, closers = 0;
    };
    std::vector<std::array<Count, 8>> counts(30);
    std::vector<int> disabled(30, 0);
    for (const auto& p : l.players) {
        if (p->teamIndex() == kFreeAgentTeam) {
            EXPECT_NE(p->get(pf::role), 4) << "a free agent closer";
            continue;
        }
        const int level = p->level();
        ASSERT_TRUE(level <= 3 || level == 7) << "level " << level;
        if (level == 7) {
            ++disabled[p->teamIndex()];
            EXPECT_GT(p->get(pf::daysOut), 0);
        }
        Count& c = counts[p->teamIndex()][static_cast<std::size_t>(level)];
        const bool pitcher = p->get(pf::position) == 1;
        c.hitters += pitcher ? 0 : 1;
        c.catchers += p->get(pf::position) == 2 ? 1 : 0;
        c.pitchers += pitcher ? 1 : 0;
        c.starters += pitcher && p->get(pf::role) == 1 ? 1 : 0;
        c.closers += p->get(pf::role) == 4 ? 1 : 0;
    }
    for (int t = 0; t < 30; ++t) {
        const auto& major = counts[static_cast<std::size_t>(t)][0];
        EXPECT_EQ(major.hitters, 13);
        EXPECT_GE(major.catchers, 2);
        EXPECT_EQ(major.pitchers, 12);
        EXPECT_EQ(major.starters, 5);
        EXPECT_GE(disabled[static_cast<std::size_t>(t)], 2);
        for (int level = 0; level <= 3; ++level) {
            const auto& c = counts[static_cast<std::size_t>(t)][static_cast<std::size_t>(level)];
            EXPECT_EQ(c.closers, 1) << "team " << t << " level " << level;
            EXPECT_GE(c.hitters, 9);
            EXPECT_GE(c.starters, 5);
        }
    }
}

// The players of a lineup or rotation must belong to that team and level.
void expectOfTeamAndLevel(const PlayerRecord* p, int team, int level, const std::string& where) {
    ASSERT_NE(p, nullptr) << where << ": unknown id";
    EXPECT_EQ(p->teamIndex(), team) << where;
    EXPECT_EQ(p->level(), level) << where;
}

TEST_P(SampleOrganisation, LineupsCoverEveryPositionOnceWithPlayersOfTheirLevel) {
    const League& l = league();
    const auto byId = playersById(l);
    for (int t = 0; t < l.teamCount(); ++t) {
        const TeamRecord& record = l.teams[static_cast<std::size_t>(t)].record;
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            const std::string where = "team " + std::to_string(t) + " lineup " + std::to_string(kind);
            const int level = kind <= 3 ? 0 : kind - 3;
            int empty = 0;
            int designated = 0;
            std::multiset<int> positions;
            std::set<std::int32_t> ids;
            for (int slot = 0; slot < kLineupSlots; ++slot) {
                const LineupSlot s = record.lineupSlot(static_cast<LineupKind>(kind), slot);
                if (s.playerId == -1) {
                    EXPECT_EQ(s.position, 1) << where;
                    ++empty;
                    continue;
                }
                expectOfTeamAndLevel(byId[static_cast<std::size_t>(s.playerId)], t, level, where);
                EXPECT_NE(byId[static_cast<std::size_t>(s.playerId)]->get(pf::position), 1) << where << ": a pitcher";
                EXPECT_TRUE(ids.insert(s.playerId).second) << where << ": a player twice";
                if (s.position == 10) {
                    ++designated;
                } else {
                    positions.insert(s.position);
                }
            }
            EXPECT_EQ(empty, kind <= 1 ? 1 : 0) << where;
            EXPECT_EQ(designated, kind <= 1 ? 0 : 1) << where;
            for (int position = 2; position <= 9; ++position) {
                EXPECT_EQ(positions.count(position), 1u) << where << " position " << position;
            }
        }
    }
}

TEST_P(SampleOrganisation, RotationsHoldFiveStartersOfTheirLevel) {
    const League& l = league();
    const auto byId = playersById(l);
    for (int t = 0; t < l.teamCount(); ++t) {
        const TeamRecord& record = l.teams[static_cast<std::size_t>(t)].record;
        const int next = record.get(tf::nextStarter);
        EXPECT_GE(next, 0);
        EXPECT_LE(next, 4);
        for (int level = 0; level < kRotationLevels; ++level) {
            std::set<std::int32_t> ids;
            for (int slot = 0; slot < kRotationSlots; ++slot) {
                const std::string where = "team " + std::to_string(t) + " rotation " + std::to_string(level);
                const std::int32_t id = record.rotationSlot(level, slot);
                ASSERT_GT(id, 0) << where;
                const PlayerRecord* p = byId[static_cast<std::size_t>(id)];
                expectOfTeamAndLevel(p, t, level, where);
                EXPECT_EQ(p->get(pf::role), 1) << where;
                EXPECT_EQ(p->get(pf::position), 1) << where;
                EXPECT_TRUE(ids.insert(id).second) << where;
            }
        }
    }
}

// Each rating stays in the range the game's screens work with.
TEST_P(SampleOrganisation, RatingsStayInTheirRanges) {
    int photos = 0;
    int rightHandedPitchers = 0;
    int pitchers = 0;
    for (const auto& p : league().players) {
        const std::string who = "player " + std::to_string(p->playerId());
        const bool pitcher = p->get(pf::position) == 1;
        EXPECT_GE(p->get(pf::age), 19) << who;
        EXPECT_LE(p->get(pf::age), 40) << who;
        EXPECT_GE(p->get(pf::complexion), 1) << who;
        EXPECT_LE(p->get(pf::complexion), 3) << who;
        EXPECT_LE(p->get(pf::bats), 2) << who;
        EXPECT_LE(p->get(pf::throws), 1) << who;
        EXPECT_GE(p->get(pf::position), 1) << who;
        EXPECT_LE(p->get(pf::position), 10) << who;
        EXPECT_GE(p->get(pf::secondPosition), 1) << who;
        EXPECT_LE(p->get(pf::secondPosition), 10) << who;
        EXPECT_GE(p->get(pf::role), 1) << who;
        EXPECT_LE(p->get(pf::role), 4) << who;
        EXPECT_LE(p->get(pf::delivery), 8) << who;
        EXPECT_LE(p->get(pf::battingStance), 21) << who;
        EXPECT_GE(p->get(pf::uniformNumber), 1) << who;
        EXPECT_LE(p->get(pf::uniformNumber), 99) << who;
        EXPECT_TRUE(p->get(pf::fromStretch) == 0 || p->get(pf::fromStretch) == -1) << who;
        EXPECT_GE(p->get(pf::height), 66) << who;
        EXPECT_LE(p->get(pf::height), 82) << who;
        for (const float avg : {p->get(pf::avgVsL), p->get(pf::avgVsR)}) {
            EXPECT_GE(avg, pitcher ? 0.11f : 0.2f) << who;
            EXPECT_LE(avg, pitcher ? 0.19f : 0.33f) << who;
        }
        if (!pitcher) {
            EXPECT_NEAR(p->get(pf::obpVsR) - p->get(pf::avgVsR), 0.075, 0.026) << who;
            EXPECT_NEAR(p->get(pf::slgVsR) - p->get(pf::avgVsR), 0.18, 0.11) << who;
        }
        EXPECT_NEAR(p->get(pf::pullPct) + p->get(pf::middlePct) + p->get(pf::oppFieldPct), 1.0, 1e-5) << who;
        EXPECT_GE(p->get(pf::fatigue), 0.0f) << who;
        EXPECT_LE(p->get(pf::fatigue), 0.3f) << who;
        for (const float rating : {p->get(pf::armRating),
                                   p->get(pf::runSpeed),
                                   p->get(pf::endurance),
                                   p->get(pf::outfieldRange),
                                   p->get(pf::infieldRange)}) {
            EXPECT_GE(rating, 0.0f) << who;
            EXPECT_LE(rating, 10.0f) << who;
        }
        EXPECT_GE(p->get(pf::fieldingPct), 0.95f) << who;
        EXPECT_LE(p->get(pf::fieldingPct), 0.995f) << who;
        for (int i = 0; i < pf::kFamiliarityCount; ++i) {
            EXPECT_GE(p->familiarity(i), 0.0f) << who;
            EXPECT_LE(p->familiarity(i), 1.0f) << who;
        }
        if (p->get(pf::position) <= 9) {
            EXPECT_GE(p->familiarity(p->get(pf::position) - 1), 0.9f) << who << " is a stranger at his own position";
        }
        photos += p->get(pf::photoIndex) >= 0 ? 1 : 0;
        EXPECT_GE(p->get(pf::photoIndex), -1) << who;
        pitchers += pitcher ? 1 : 0;
        rightHandedPitchers += pitcher && p->get(pf::throws) == 1 ? 1 : 0;
    }
    EXPECT_GT(photos, 0);
    EXPECT_LT(photos * 10, static_cast<int>(league().players.size()));
    EXPECT_GT(rightHandedPitchers * 10, pitchers * 6);
}

TEST_P(SampleOrganisation, PitchersHaveARepertoireAndHittersNone) {
    for (const auto& p : league().players) {
        const std::string who = "player " + std::to_string(p->playerId());
        const int count = p->get(pf::pitchCount);
        if (p->get(pf::position) != 1) {
            EXPECT_EQ(count, 0) << who;
            continue;
        }
        EXPECT_GE(count, 2) << who;
        EXPECT_LE(count, 5) << who;
        std::set<int> types;
        for (int slot = 0; slot < pf::kPitchSlots; ++slot) {
            const PitchSlot pitch = p->pitch(slot);
            if (slot >= count) {
                EXPECT_EQ(pitch, PitchSlot{}) << who << " slot " << slot << " is not empty";
                continue;
            }
            const int type = pitch.get(ps::pitchType);
            EXPECT_GE(type, 1) << who;
            EXPECT_LE(type, 9) << who;
            EXPECT_TRUE(types.insert(type).second) << who << " has pitch " << type << " twice";
            EXPECT_GE(pitch.get(ps::quality), 0.3f) << who;
            EXPECT_LE(pitch.get(ps::quality), 0.9f) << who;
            for (const float avg : {pitch.get(ps::avgVsL), pitch.get(ps::avgVsR)}) {
                EXPECT_GE(avg, 0.215f) << who;
                EXPECT_LE(avg, 0.295f) << who;
            }
            EXPECT_GT(pitch.get(ps::obpVsL), pitch.get(ps::avgVsL)) << who;
            EXPECT_GT(pitch.get(ps::slgVsR), pitch.get(ps::avgVsR)) << who;
        }
    }
}

TEST_P(SampleOrganisation, PerformanceRecordsMatchTheRatings) {
    for (const auto& p : league().players) {
        const std::string who = "player " + std::to_string(p->playerId());
        const float ab = p->get(pf::batAB);
        const float hits = p->get(pf::batHits);
        EXPECT_EQ(ab, static_cast<float>(static_cast<int>(ab))) << who << ": a fraction of an at bat";
        EXPECT_LE(hits, ab) << who;
        EXPECT_LE(p->get(pf::batDoubles) + p->get(pf::batTriples) + p->get(pf::batHomeRuns), hits) << who;
        if (ab >= 300) {
            const float rating = 0.3f * p->get(pf::avgVsL) + 0.7f * p->get(pf::avgVsR);
            EXPECT_NEAR(hits / ab, rating, 0.075) << who;
        }
        EXPECT_LE(p->get(pf::pitHits), p->get(pf::pitAB)) << who;
        if (p->get(pf::position) != 1) {
            EXPECT_EQ(p->get(pf::pitAB), 0.0f) << who;
        }
    }
}

TEST_P(SampleOrganisation, TeamsAreTheThirtyStandardClubsInTheirLeagues) {
    const League& l = league();
    ASSERT_EQ(l.teamCount(), 30);
    std::set<std::string> abbreviations;
    for (int t = 0; t < 30; ++t) {
        const TeamRecord& r = l.teams[static_cast<std::size_t>(t)].record;
        EXPECT_EQ(r.get(tf::teamNumber), t);
        EXPECT_EQ(r.get(tf::city), builtInTeamNames()[static_cast<std::size_t>(t)]);
        const std::string name = r.get(tf::name);
        EXPECT_FALSE(name.empty());
        EXPECT_EQ(r.get(tf::completeName), r.get(tf::city) + " " + name);
        const std::string abbreviation = r.get(tf::abbreviation);
        EXPECT_TRUE(abbreviation.size() == 3 || abbreviation.size() == 4) << abbreviation;
        EXPECT_TRUE(std::all_of(abbreviation.begin(), abbreviation.end(), [](char c) { return c >= 'A' && c <= 'Z'; }));
        EXPECT_TRUE(abbreviations.insert(abbreviation).second) << abbreviation;
        const int expectedLeague = t < 14 ? 0 : 1;
        const int expectedDivision = t < 14 ? (t < 5 ? 0 : (t < 10 ? 1 : 2)) : (t < 19 ? 0 : (t < 25 ? 1 : 2));
        EXPECT_EQ(r.get(tf::leagueIndex), expectedLeague) << t;
        EXPECT_EQ(r.get(tf::divisionIndex), expectedDivision) << t;
        EXPECT_EQ(r.get(tf::humanControlled), t == 0 ? 1 : 0);
        EXPECT_EQ(r.get(tf::entryCount),
                  static_cast<std::int32_t>(l.teams[static_cast<std::size_t>(t)].entries.size()));
        EXPECT_GE(l.teams[static_cast<std::size_t>(t)].entries.size(), 2u);
        EXPECT_LE(l.teams[static_cast<std::size_t>(t)].entries.size(), 4u);
        for (int i = 0; i < kManagerProfileValues; ++i) {
            EXPECT_GE(r.managerProfile(i), -0.9f);
            EXPECT_LE(r.managerProfile(i), 0.3f);
        }
    }
    EXPECT_EQ(l.leagueNames[0].get(LeagueNames::name), "American League");
    EXPECT_EQ(l.leagueNames[0].get(LeagueNames::abbreviation), "AL");
    EXPECT_EQ(l.leagueNames[1].get(LeagueNames::name), "National League");
    EXPECT_EQ(l.leagueNames[1].get(LeagueNames::abbreviation), "NL");
    for (const auto& names : l.leagueNames) {
        EXPECT_EQ(names.divisionName(0), "East");
        EXPECT_EQ(names.divisionName(1), "Central");
        EXPECT_EQ(names.divisionName(2), "West");
    }
}

TEST_P(SampleOrganisation, AchievementsAddUpAcrossTheLeague) {
    const League& l = league();
    const int years = GetParam().years;
    int champions = 0, pennants = 0, firstPlaces = 0, wildCards = 0, wins = 0, losses = 0;
    for (const Team& team : l.teams) {
        const TeamRecord& r = team.record;
        EXPECT_EQ(r.get(tf::completedSeasons), years);
        EXPECT_LE(r.get(tf::worldSeriesWon), r.get(tf::leagueTitles));
        EXPECT_LE(r.get(tf::leagueTitles), r.get(tf::divisionTitles) + r.get(tf::wildCardsWon));
        EXPECT_LE(r.get(tf::divisionFirstPlaces) + r.get(tf::wildCardsWon), years);
        EXPECT_EQ(r.get(tf::regularSeasonWins) + r.get(tf::regularSeasonLosses), 162 * years);
        champions += r.get(tf::worldSeriesWon);
        pennants += r.get(tf::leagueTitles);
        firstPlaces += r.get(tf::divisionFirstPlaces);
        wildCards += r.get(tf::wildCardsWon);
        wins += r.get(tf::postSeasonWins);
        losses += r.get(tf::postSeasonLosses);
    }
    EXPECT_EQ(champions, years);
    EXPECT_EQ(pennants, 2 * years);
    EXPECT_EQ(firstPlaces, 6 * years);
    EXPECT_EQ(wildCards, 2 * years);
    EXPECT_EQ(wins, losses);
}

TEST(SampleNames, ListsAreLongPlainAndFitTheFields) {
    ASSERT_GE(firstNames().size(), 150u);
    ASSERT_GE(lastNames().size(), 150u);
    bool fullWidth = false;
    for (const auto list : {firstNames(), lastNames()}) {
        std::set<std::string_view> unique(list.begin(), list.end());
        EXPECT_EQ(unique.size(), list.size()) << "a name is listed twice";
        for (const std::string_view name : list) {
            EXPECT_LE(name.size(), 16u) << name;
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(name[0]))) << name;
            EXPECT_TRUE(std::any_of(name.begin(), name.end(), [](char c) {
                return std::islower(static_cast<unsigned char>(c));
            })) << name;
            EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
                return std::isalpha(static_cast<unsigned char>(c));
            })) << name;
        }
    }
    for (const std::string_view name : lastNames()) {
        fullWidth = fullWidth || name.size() == 16;
    }
    EXPECT_TRUE(fullWidth);
    for (const auto& club : clubIdentities()) {
        EXPECT_LE(club.name.size(), 16u) << club.name;
    }
}

TEST(SampleNames, AFullWidthLastNameIsStoredWithoutTerminator) {
    const League& l = *test::largeLeague().league;
    const auto it = std::find_if(
        l.players.begin(), l.players.end(), [](const auto& p) { return p->get(pf::lastName).size() == 16; });
    ASSERT_NE(it, l.players.end());
    // The first-name field follows directly: the 16 bytes of the last name have no NUL.
    const auto& bytes = (*it)->bytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.begin() + 16, 0), 0);
}

}  // namespace
}  // namespace zt::sample

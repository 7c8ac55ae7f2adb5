#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "sample/stat_totals.h"
#include "sample_fixtures.h"

namespace zt::sample {
namespace {

using test::playersById;

constexpr int kSeasonYear = 2026;
constexpr int kStreakYear = 3;

struct HistoryCase {
    const char* name;
    const SampleLeague& (*league)();
    int years;
};

void PrintTo(const HistoryCase& c, std::ostream* os) {
    *os << c.name;
}

class SampleHistory : public ::testing::TestWithParam<HistoryCase> {
protected:
    const League& league() const { return *GetParam().league().league; }
};

INSTANTIATE_TEST_SUITE_P(Leagues,
                         SampleHistory,
                         ::testing::Values(HistoryCase{"standard", &test::standardLeague, 10},
                                           HistoryCase{"large", &test::largeLeague, 40}),
                         [](const auto& info) { return std::string(info.param.name); });

// A value sitting at its field's maximum means it was clamped: the generator's totals did not
// fit. Realistic seasons never come near the limits, team totals included.
template <class Data>
void expectNoFieldAtItsLimit(const Data& d, const std::string& where) {
    visitLineFields(d, [&](std::string_view name, const auto& member, const BitSpot& spot) {
        if (name != "team" && spot.width < 16) {
            EXPECT_LT(static_cast<std::uint32_t>(member), spot.maximum()) << where << ": " << name << " at its limit";
        }
    });
}

void expectNoFieldAtItsLimit(const HistoryList& list, const std::string& kind) {
    for (const auto& block : list) {
        const std::string where = kind + " " + std::to_string(block->key);
        for (const auto& line : block->batting) {
            expectNoFieldAtItsLimit(decodeBattingLine(line), where);
        }
        for (const auto& line : block->pitching) {
            expectNoFieldAtItsLimit(decodePitchingLine(line), where);
        }
        for (const auto& line : block->fielding) {
            expectNoFieldAtItsLimit(decodeFieldingLine(line), where);
        }
    }
}

TEST_P(SampleHistory, EveryValueFitsItsBitField) {
    expectNoFieldAtItsLimit(league().playerHistories, "player");
    expectNoFieldAtItsLimit(league().teamHistories, "team");
}

TEST_P(SampleHistory, SeasonLinesAreConsistentCounts) {
    const int firstYear = kSeasonYear - GetParam().years;
    std::size_t lines = 0;
    for (const auto& block : league().playerHistories) {
        const std::string who = "player " + std::to_string(block->key);
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year == kStreakYear) {
                continue;
            }
            ++lines;
            EXPECT_GE(d.year, firstYear) << who;
            EXPECT_LE(d.year, kSeasonYear) << who;
            EXPECT_LE(d.level, 3) << who;
            EXPECT_LE(d.split, 1) << who;
            EXPECT_TRUE(d.team < 30 || d.team == 255) << who;
            EXPECT_LE(d.hits, d.atBats) << who;
            EXPECT_LE(d.doubles + d.triples + d.homeRuns, d.hits) << who;
            EXPECT_LE(d.runs, d.hits + d.walks + d.hitByPitch + d.atBats) << who;
            EXPECT_LE(d.intentionalWalks, d.walks) << who;
            EXPECT_LE(d.pinchBaseHits, d.pinchAtBats) << who;
            EXPECT_LE(d.pinchAtBats, d.atBats) << who;
            EXPECT_LE(d.strikeouts + d.gidp, d.atBats - d.hits) << who;
        }
        for (const auto& line : block->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            if (d.year == kStreakYear) {
                continue;
            }
            ++lines;
            EXPECT_GE(d.year, firstYear) << who;
            EXPECT_LE(d.split, 1) << who;
            EXPECT_LE(d.earnedRuns, d.runs) << who;
            EXPECT_LE(d.homeRuns + d.doubles + d.triples, d.hits) << who;
            EXPECT_LE(d.gamesStarted, d.games) << who;
            EXPECT_LE(d.wins + d.losses, d.games) << who;
            EXPECT_LE(d.saves, d.games - d.gamesStarted) << who;
            EXPECT_LE(d.completeGames, d.gamesStarted) << who;
            EXPECT_LE(d.shutouts, d.completeGames) << who;
            EXPECT_LE(d.qualityStarts, d.gamesStarted) << who;
            EXPECT_LE(d.strikeouts, d.outsPitched) << who;
        }
        for (const auto& line : block->fielding) {
            const FieldingLineData d = decodeFieldingLine(line);
            ++lines;
            EXPECT_GE(d.position, 1) << who;
            EXPECT_LE(d.position, 9) << who;
            EXPECT_GT(d.games, 0) << who;
            EXPECT_LE(d.outsPlayed, d.games * 27 * 3) << who;  // extra innings allow more than 27 a game
        }
    }
    EXPECT_GT(lines, league().players.size() * 3);
}

TEST_P(SampleHistory, EachPlayerHasOneStreakRecord) {
    const auto byId = playersById(league());
    std::set<std::int32_t> keys;
    for (const auto& block : league().playerHistories) {
        ASSERT_GT(block->key, 0);
        const PlayerRecord* p = byId[static_cast<std::size_t>(block->key)];
        ASSERT_NE(p, nullptr) << "history of an unknown player " << block->key;
        EXPECT_TRUE(keys.insert(block->key).second) << "two histories for " << block->key;
        int battingStreaks = 0;
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year == kStreakYear) {
                ++battingStreaks;
                EXPECT_GE(d.hits, 1);
                EXPECT_LE(d.hits, 30);
            }
        }
        int pitchingStreaks = 0;
        PitchingLineData streak;
        std::map<int, std::pair<int, int>> decisions;
        for (const auto& line : block->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            if (d.year == kStreakYear) {
                ++pitchingStreaks;
                streak = d;
                EXPECT_GE(d.wins, 1);
                EXPECT_LE(d.wins, 30);
                EXPECT_GE(d.losses, 1);
                EXPECT_LE(d.losses, 30);
            } else {
                decisions[d.year].first += d.wins;
                decisions[d.year].second += d.losses;
            }
        }
        // w wins among l losses hold a run of at least ceil(w / (l + 1)) wins, and the same for losses.
        for (const auto& [year, wl] : decisions) {
            EXPECT_GE(streak.wins * (wl.second + 1), std::min(30 * (wl.second + 1), wl.first))
                << block->key << " " << year;
            EXPECT_GE(streak.losses * (wl.first + 1), std::min(30 * (wl.first + 1), wl.second))
                << block->key << " " << year;
        }
        EXPECT_EQ(battingStreaks, 1) << block->key;
        EXPECT_EQ(pitchingStreaks, p->get(pf::position) == 1 ? 1 : 0) << block->key;
    }
    // Some players (free agents who never played) have no history at all.
    EXPECT_LT(keys.size(), league().players.size());
    EXPECT_GT(keys.size() * 10, league().players.size() * 9);
}

TEST_P(SampleHistory, CareersStartAtNineteenAndClimbTowardTheMajors) {
    const auto byId = playersById(league());
    int climbed = 0;
    for (const auto& block : league().playerHistories) {
        const PlayerRecord* p = byId[static_cast<std::size_t>(block->key)];
        const int birthYear = kSeasonYear - p->get(pf::age);
        std::map<int, int> levelOfYear;
        for (const auto& line : block->fielding) {
            const FieldingLineData d = decodeFieldingLine(line);
            EXPECT_GE(d.year - birthYear, 19) << "player " << block->key << " played at " << d.year - birthYear;
            levelOfYear[d.year] = d.level;
        }
        int previous = 3;
        for (const auto& [year, level] : levelOfYear) {
            EXPECT_LE(level, previous) << "player " << block->key << " went down a level in " << year;
            previous = level;
        }
        if (levelOfYear.size() >= 2 && levelOfYear.begin()->second > levelOfYear.rbegin()->second) {
            ++climbed;
        }
    }
    EXPECT_GT(climbed, 100);
}

TEST_P(SampleHistory, RegularsBatLikeFullTimeMajorLeaguers) {
    // Past major-league seasons with a club: the most at bats per player-season, and the share
    // against left-handers.
    std::map<std::pair<std::int32_t, int>, int> atBats;
    long vsLeft = 0;
    long total = 0;
    for (const auto& block : league().playerHistories) {
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year == kStreakYear || d.year == kSeasonYear || d.level != 0 || d.team >= 30) {
                continue;
            }
            atBats[{block->key, d.year}] += d.atBats;
            vsLeft += d.split == 0 ? d.atBats : 0;
            total += d.atBats;
        }
    }
    int most = 0;
    int fullTime = 0;
    for (const auto& [key, ab] : atBats) {
        most = std::max(most, ab);
        fullTime += ab >= 500 ? 1 : 0;
    }
    EXPECT_GE(most, 550);
    EXPECT_LE(most, 720);
    EXPECT_GT(fullTime, 50);
    EXPECT_NEAR(static_cast<double>(vsLeft) / total, 0.28, 0.06);
}

TEST_P(SampleHistory, PlayersMostlyPlayedForTheirCurrentClub) {
    const auto byId = playersById(league());
    int ownClub = 0, otherClub = 0, noClub = 0;
    for (const auto& block : league().playerHistories) {
        const PlayerRecord* p = byId[static_cast<std::size_t>(block->key)];
        if (p->teamIndex() == kFreeAgentTeam) {
            continue;
        }
        for (const auto& line : block->fielding) {
            const FieldingLineData d = decodeFieldingLine(line);
            if (d.year < kSeasonYear) {
                ownClub += d.team == p->teamIndex() ? 1 : 0;
                otherClub += d.team != p->teamIndex() && d.team < 30 ? 1 : 0;
                noClub += d.team == kFreeAgentTeam ? 1 : 0;
            }
        }
    }
    EXPECT_GT(ownClub, 2 * (otherClub + noClub));
    EXPECT_GT(otherClub, 0);
    EXPECT_GT(noClub, 0);
}

TEST_P(SampleHistory, PitchersBatLittle) {
    const auto byId = playersById(league());
    std::map<std::pair<std::int32_t, int>, int> atBats;
    for (const auto& block : league().playerHistories) {
        if (byId[static_cast<std::size_t>(block->key)]->get(pf::position) != 1) {
            continue;
        }
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year != kStreakYear) {
                atBats[{block->key, d.year}] += d.atBats;
            }
        }
    }
    ASSERT_FALSE(atBats.empty());
    for (const auto& [key, ab] : atBats) {
        EXPECT_LE(ab, 110) << "pitcher " << key.first << " in " << key.second;
    }
}

// Team totals recomputed here from the player lines, by team, year, level and split (position
// for fielding).
TEST_P(SampleHistory, TeamLinesAreTheSumsOfTheirPlayersLines) {
    using Key = std::tuple<int, int, int, int>;
    std::map<Key, BattingTotals> batting;
    std::map<Key, PitchingTotals> pitching;
    std::map<Key, FieldingTotals> fielding;
    for (const auto& block : league().playerHistories) {
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year != kStreakYear && d.team < 30) {
                addLine(batting[{d.team, d.year, d.level, d.split}], d);
            }
        }
        for (const auto& line : block->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            if (d.year != kStreakYear && d.team < 30) {
                addLine(pitching[{d.team, d.year, d.level, d.split}], d);
            }
        }
        for (const auto& line : block->fielding) {
            const FieldingLineData d = decodeFieldingLine(line);
            if (d.team < 30) {
                addLine(fielding[{d.team, d.year, d.level, d.position}], d);
            }
        }
    }
    const auto& teams = league().teamHistories;
    ASSERT_EQ(teams.size(), 30u);
    std::size_t battingLines = 0, pitchingLines = 0, fieldingLines = 0;
    for (int t = 0; t < 30; ++t) {
        const StatHistory& block = *teams[static_cast<std::size_t>(t)];
        EXPECT_EQ(block.key, t);
        for (const auto& line : block.batting) {
            const BattingLineData d = decodeBattingLine(line);
            EXPECT_EQ(d.team, t);
            BattingTotals stored;
            addLine(stored, d);
            const BattingTotals& expected = batting[{t, d.year, d.level, d.split}];
            for (const auto& [name, member] : BattingTotals::fields()) {
                EXPECT_EQ(stored.*member, expected.*member) << "team " << t << " " << d.year << " " << name;
            }
            ++battingLines;
        }
        for (const auto& line : block.pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            PitchingTotals stored;
            addLine(stored, d);
            const PitchingTotals& expected = pitching[{t, d.year, d.level, d.split}];
            for (const auto& [name, member] : PitchingTotals::fields()) {
                EXPECT_EQ(stored.*member, expected.*member) << "team " << t << " " << d.year << " " << name;
            }
            ++pitchingLines;
        }
        for (const auto& line : block.fielding) {
            const FieldingLineData d = decodeFieldingLine(line);
            FieldingTotals stored;
            addLine(stored, d);
            const FieldingTotals& expected = fielding[{t, d.year, d.level, d.position}];
            for (const auto& [name, member] : FieldingTotals::fields()) {
                EXPECT_EQ(stored.*member, expected.*member) << "team " << t << " " << d.year << " " << name;
            }
            ++fieldingLines;
        }
    }
    // Every group of player lines has its team line.
    EXPECT_EQ(battingLines, batting.size());
    EXPECT_EQ(pitchingLines, pitching.size());
    EXPECT_EQ(fieldingLines, fielding.size());
}

TEST_P(SampleHistory, TeamSeasonsLookLikeBaseballSeasons) {
    const int seasonGames = 162;
    for (const auto& block : league().teamHistories) {
        std::map<std::pair<int, int>, PitchingTotals> perSeason;
        for (const auto& line : block->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            addLine(perSeason[{d.year, d.level}], d);
        }
        for (const auto& [key, t] : perSeason) {
            const std::string where = "team " + std::to_string(block->key) + " " + std::to_string(key.first);
            // One starter per team game at most, and no more outs than the games hold.
            EXPECT_LE(t.gamesStarted, seasonGames) << where;
            EXPECT_LE(t.outsPitched, seasonGames * 27 + 200) << where;
            EXPECT_LE(t.wins, seasonGames) << where;
        }
    }
}

}  // namespace
}  // namespace zt::sample

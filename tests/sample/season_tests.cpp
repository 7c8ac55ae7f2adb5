#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "sample/stat_totals.h"
#include "sample_fixtures.h"

namespace zt::sample {
namespace {

using test::playedDays;
using test::playersById;

constexpr int kSeasonYear = 2026;

class SampleSeason : public ::testing::Test {
protected:
    const League& league = *test::standardLeague().league;
};

TEST_F(SampleSeason, HeaderDescribesASeasonInProgress) {
    const SeasonHeader& h = league.seasonHeader;
    EXPECT_EQ(h.get(sh::seasonVersion), "4.0.09");
    EXPECT_EQ(h.get(sh::teamCount), 30);
    EXPECT_EQ(h.get(sh::leagueCount), 2);
    EXPECT_EQ(h.get(sh::divisionsPerLeague), 3);
    EXPECT_EQ(h.playoffBestOf(0), 5);
    EXPECT_EQ(h.playoffBestOf(1), 7);
    EXPECT_EQ(h.playoffBestOf(2), 7);
    EXPECT_EQ(h.get(sh::inningsRule), 9);
    EXPECT_EQ(h.get(sh::dhRule), 1);
    EXPECT_EQ(h.get(sh::dhRuleCopy), 1);
    EXPECT_EQ(h.get(sh::seasonGames), 162);
    EXPECT_EQ(h.get(sh::customSeason), 0);
    EXPECT_EQ(h.get(sh::seasonYear), kSeasonYear);
    EXPECT_EQ(h.get(sh::seasonDay), 162 * 3 / 5 + 1);
}

TEST_F(SampleSeason, EveryTeamPlaysOnceEveryDay) {
    ASSERT_EQ(league.gameScores.size(), 162u);
    int divisionGames = 0;
    int games = 0;
    std::vector<int> homeGames(30, 0);
    for (std::size_t d = 0; d < league.gameScores.size(); ++d) {
        std::multiset<int> teams;
        for (const GameResult& g : league.gameScores[d].games) {
            const int home = g.get(gr::homeTeam);
            const int visitor = g.get(gr::visitingTeam);
            teams.insert(home);
            teams.insert(visitor);
            ++homeGames[static_cast<std::size_t>(home)];
            const TeamRecord& a = league.teams[static_cast<std::size_t>(home)].record;
            const TeamRecord& b = league.teams[static_cast<std::size_t>(visitor)].record;
            divisionGames +=
                a.get(tf::leagueIndex) == b.get(tf::leagueIndex) && a.get(tf::divisionIndex) == b.get(tf::divisionIndex)
                    ? 1
                    : 0;
            ++games;
        }
        for (int t = 0; t < 30; ++t) {
            EXPECT_EQ(teams.count(t), 1u) << "team " << t << " on day " << d + 1;
        }
    }
    // Division rivals meet far more often than a random draw (4 or 5 of 29 opponents) makes them.
    EXPECT_GT(divisionGames * 100, games * 30);
    for (const int home : homeGames) {
        EXPECT_NEAR(home, 81, 6);
    }
}

TEST_F(SampleSeason, PlayedGamesHaveAWinnerAndPitchersOfRecord) {
    const auto byId = playersById(league);
    const int played = playedDays(league);
    std::map<std::int32_t, std::pair<int, int>> record;  // wins and losses so far
    std::map<std::int32_t, int> saves;
    int savesSeen = 0;
    for (int d = 0; d < played; ++d) {
        for (const GameResult& g : league.gameScores[static_cast<std::size_t>(d)].games) {
            const std::string where = "day " + std::to_string(d + 1);
            const int home = g.get(gr::homeTeam);
            const int visitor = g.get(gr::visitingTeam);
            const int homeRuns = g.get(gr::homeRuns);
            const int visitorRuns = g.get(gr::visitorRuns);
            ASSERT_GE(homeRuns, 0) << where;
            ASSERT_GE(visitorRuns, 0) << where;
            ASSERT_NE(homeRuns, visitorRuns) << where << ": a tie";
            const int winnerTeam = homeRuns > visitorRuns ? home : visitor;
            const int loserTeam = homeRuns > visitorRuns ? visitor : home;

            const PlayerRecord* winner = byId[static_cast<std::size_t>(g.get(gr::winningPitcher))];
            const PlayerRecord* loser = byId[static_cast<std::size_t>(g.get(gr::losingPitcher))];
            ASSERT_NE(winner, nullptr) << where;
            ASSERT_NE(loser, nullptr) << where;
            EXPECT_EQ(winner->teamIndex(), winnerTeam) << where;
            EXPECT_EQ(loser->teamIndex(), loserTeam) << where;
            EXPECT_EQ(winner->get(pf::position), 1) << where;
            EXPECT_EQ(winner->level(), 0) << where;

            auto& w = record[winner->playerId()];
            auto& l = record[loser->playerId()];
            ++w.first;
            ++l.second;
            EXPECT_EQ(g.get(gr::winnerWins), static_cast<float>(w.first)) << where;
            EXPECT_EQ(g.get(gr::winnerLosses), static_cast<float>(w.second)) << where;
            EXPECT_EQ(g.get(gr::loserWins), static_cast<float>(l.first)) << where;
            EXPECT_EQ(g.get(gr::loserLosses), static_cast<float>(l.second)) << where;

            const std::int32_t saver = g.get(gr::savingPitcher);
            if (saver == -1) {
                EXPECT_EQ(g.get(gr::saverSaves), 0.0f) << where;
            } else {
                const PlayerRecord* s = byId[static_cast<std::size_t>(saver)];
                ASSERT_NE(s, nullptr) << where;
                EXPECT_EQ(s->teamIndex(), winnerTeam) << where;
                EXPECT_NE(saver, g.get(gr::winningPitcher)) << where;
                EXPECT_EQ(g.get(gr::saverSaves), static_cast<float>(++saves[saver])) << where;
                ++savesSeen;
            }
        }
    }
    EXPECT_GT(savesSeen, played * 15 / 6);
}

TEST_F(SampleSeason, UnplayedDaysHoldOnlyTheTeams) {
    const GameResult filler = GameResult::filler();
    for (std::size_t d = static_cast<std::size_t>(playedDays(league)); d < league.gameScores.size(); ++d) {
        for (const GameResult& g : league.gameScores[d].games) {
            for (int value = 2; value < GameResult::kValues; ++value) {
                EXPECT_EQ(g.intValue(value), filler.intValue(value)) << "day " << d + 1 << " value " << value;
            }
        }
    }
}

TEST_F(SampleSeason, TeamRecordsCountThePlayedGames) {
    const int played = playedDays(league);
    std::vector<int> wins(30, 0);
    for (int d = 0; d < played; ++d) {
        for (const GameResult& g : league.gameScores[static_cast<std::size_t>(d)].games) {
            const bool homeWon = g.get(gr::homeRuns) > g.get(gr::visitorRuns);
            ++wins[static_cast<std::size_t>(homeWon ? g.get(gr::homeTeam) : g.get(gr::visitingTeam))];
        }
    }
    for (int t = 0; t < 30; ++t) {
        const TeamRecord& r = league.teams[static_cast<std::size_t>(t)].record;
        EXPECT_EQ(r.get(tf::wins) + r.get(tf::losses), played) << t;
        EXPECT_EQ(r.get(tf::wins), wins[static_cast<std::size_t>(t)]) << t;
        // Every team plays every day, so the rotation has turned once a day.
        EXPECT_EQ(r.get(tf::nextStarter), played % 5) << t;
    }
}

// This season's major-league lines come from the same games as the scores.
TEST_F(SampleSeason, MajorLeagueLinesAgreeWithTheScores) {
    const int played = playedDays(league);
    std::vector<int> runsScored(30, 0);
    for (int d = 0; d < played; ++d) {
        for (const GameResult& g : league.gameScores[static_cast<std::size_t>(d)].games) {
            runsScored[static_cast<std::size_t>(g.get(gr::homeTeam))] += g.get(gr::homeRuns);
            runsScored[static_cast<std::size_t>(g.get(gr::visitingTeam))] += g.get(gr::visitorRuns);
        }
    }
    std::vector<BattingTotals> batting(30);
    std::vector<PitchingTotals> pitching(30);
    for (const auto& block : league.playerHistories) {
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year == kSeasonYear && d.level == 0) {
                addLine(batting[d.team], d);
            }
        }
        for (const auto& line : block->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            if (d.year == kSeasonYear && d.level == 0) {
                addLine(pitching[d.team], d);
            }
        }
    }
    for (int t = 0; t < 30; ++t) {
        const TeamRecord& r = league.teams[static_cast<std::size_t>(t)].record;
        EXPECT_EQ(batting[static_cast<std::size_t>(t)].runs, runsScored[static_cast<std::size_t>(t)]) << t;
        EXPECT_EQ(pitching[static_cast<std::size_t>(t)].wins, r.get(tf::wins)) << t;
        EXPECT_EQ(pitching[static_cast<std::size_t>(t)].losses, r.get(tf::losses)) << t;
        EXPECT_EQ(pitching[static_cast<std::size_t>(t)].gamesStarted, played) << t;
        EXPECT_GE(pitching[static_cast<std::size_t>(t)].outsPitched, played * 24) << t;
    }
}

TEST_F(SampleSeason, TheLeagueHitsAndPitchesLikeAMajorLeague) {
    BattingTotals batting;
    PitchingTotals pitching;
    for (const auto& block : league.playerHistories) {
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year == kSeasonYear && d.level == 0) {
                addLine(batting, d);
            }
        }
        for (const auto& line : block->pitching) {
            const PitchingLineData d = decodePitchingLine(line);
            if (d.year == kSeasonYear && d.level == 0) {
                addLine(pitching, d);
            }
        }
    }
    const double average = static_cast<double>(batting.hits) / batting.atBats;
    const double era = 27.0 * pitching.earnedRuns / pitching.outsPitched;
    EXPECT_GT(average, 0.240);
    EXPECT_LT(average, 0.280);
    EXPECT_GT(era, 3.0);
    EXPECT_LT(era, 5.5);
    const int plateAppearances =
        batting.atBats + batting.walks + batting.hitByPitch + batting.sacFlies + batting.sacHits;
    EXPECT_NEAR(static_cast<double>(batting.homeRuns) / plateAppearances, 0.03, 0.012);
    EXPECT_NEAR(static_cast<double>(batting.strikeouts) / plateAppearances, 0.2, 0.05);
    EXPECT_NEAR(static_cast<double>(batting.walks) / plateAppearances, 0.085, 0.025);
    // Both sides of the ball count the same events.
    EXPECT_EQ(batting.hits, pitching.hits);
    EXPECT_EQ(batting.homeRuns, pitching.homeRuns);
    EXPECT_EQ(batting.strikeouts, pitching.strikeouts);
    EXPECT_EQ(batting.runs, pitching.runs);
}

TEST_F(SampleSeason, PitchersBatOnlyWithoutTheDesignatedHitter) {
    const auto byId = playersById(league);
    std::array<int, 2> pitcherAtBats{};
    for (const auto& block : league.playerHistories) {
        const PlayerRecord* p = byId[static_cast<std::size_t>(block->key)];
        if (p->get(pf::position) != 1 || p->teamIndex() >= 30) {
            continue;
        }
        const int leagueIndex = league.teams[p->teamIndex()].record.get(tf::leagueIndex);
        for (const auto& line : block->batting) {
            const BattingLineData d = decodeBattingLine(line);
            if (d.year == kSeasonYear && d.level == 0) {
                pitcherAtBats[static_cast<std::size_t>(leagueIndex)] += d.atBats;
            }
        }
    }
    // League 0 uses the DH at home, so its pitchers bat only in road games in the other league.
    EXPECT_GT(pitcherAtBats[1], 4 * pitcherAtBats[0]);
    EXPECT_GT(pitcherAtBats[0], 0);
}

TEST_F(SampleSeason, NoPlayoffGameIsPlayedYet) {
    const GameResult filler = GameResult::filler();
    int headerBytesSet = 0;
    for (const PlayoffSeries& series : league.playoffSeries) {
        for (const GameResult& g : series.games) {
            EXPECT_EQ(g, filler);
        }
        headerBytesSet +=
            static_cast<int>(std::count_if(series.header.begin(), series.header.end(), [](auto b) { return b != 0; }));
    }
    EXPECT_GT(headerBytesSet, 7 * 24 / 2);
}

}  // namespace
}  // namespace zt::sample

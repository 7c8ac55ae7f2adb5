#include <gtest/gtest.h>

#include "sample/box_score.h"
#include "sample/organisation.h"
#include "sample/season_book.h"
#include "sample_fixtures.h"

namespace zt::sample {
namespace {

using test::findBoxScore;
using test::playedDays;
using test::playersById;

std::size_t occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

class SampleBoxScores : public ::testing::Test {
protected:
    const League& league = *test::standardLeague().league;
    const std::string& text = test::standardLeague().boxScores;
};

TEST_F(SampleBoxScores, EveryPlayedGameIsFoundByItsKeys) {
    const auto byId = playersById(league);
    const int played = playedDays(league);
    for (int d = 0; d < played; ++d) {
        for (const GameResult& g : league.gameScores[static_cast<std::size_t>(d)].games) {
            const int day = d + 1;
            const int home = g.get(gr::homeTeam);
            const int visitor = g.get(gr::visitingTeam);
            const std::string box = findBoxScore(text, day, home, visitor);
            const std::string where = "day " + std::to_string(day) + " m" + std::to_string(home);
            ASSERT_FALSE(box.empty()) << where;
            const std::vector<std::string> lines = linesOf(box);
            ASSERT_GE(lines.size(), 10u) << where;
            EXPECT_NE(lines[0].find(boxScoreKey(home, day)), std::string::npos) << where;
            EXPECT_NE(lines[0].find(boxScoreKey(visitor, day)), std::string::npos) << where;
            EXPECT_EQ(lines.back(), "END") << where;
            EXPECT_EQ(occurrences(box, "SUMMARY"), 1u) << where;

            // The result line names both clubs with their runs, visitors first.
            const auto nameOf = [&](int team) {
                return league.teams[static_cast<std::size_t>(team)].record.get(tf::completeName);
            };
            EXPECT_EQ(lines[1],
                      nameOf(visitor) + " " + std::to_string(g.get(gr::visitorRuns)) + ", " + nameOf(home) + " " +
                          std::to_string(g.get(gr::homeRuns)))
                << where;

            const PlayerRecord* winner = byId[static_cast<std::size_t>(g.get(gr::winningPitcher))];
            const std::string winLine = "Win: " + winner->get(pf::firstName) + " " + winner->get(pf::lastName) + " (" +
                                        std::to_string(static_cast<int>(g.get(gr::winnerWins))) + "-" +
                                        std::to_string(static_cast<int>(g.get(gr::winnerLosses))) + ")";
            EXPECT_NE(std::find(lines.begin(), lines.end(), winLine), lines.end()) << where << " lacks " << winLine;
            const bool saveLine =
                std::any_of(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("Save: ", 0) == 0; });
            EXPECT_EQ(saveLine, g.get(gr::savingPitcher) >= 0) << where;
        }
    }
}

TEST_F(SampleBoxScores, TotalsMatchTheResult) {
    const int played = playedDays(league);
    for (int d = 0; d < played; d += 7) {
        for (const GameResult& g : league.gameScores[static_cast<std::size_t>(d)].games) {
            const std::string box = findBoxScore(text, d + 1, g.get(gr::homeTeam), g.get(gr::visitingTeam));
            std::vector<int> totalRuns;
            for (const std::string& line : linesOf(box)) {
                if (line.rfind("Totals", 0) == 0) {
                    int ab = 0;
                    int runs = 0;
                    ASSERT_EQ(std::sscanf(line.c_str() + 6, "%d %d", &ab, &runs), 2) << line;
                    totalRuns.push_back(runs);
                }
            }
            ASSERT_EQ(totalRuns.size(), 2u);
            EXPECT_EQ(totalRuns[0], g.get(gr::visitorRuns));
            EXPECT_EQ(totalRuns[1], g.get(gr::homeRuns));
        }
    }
}

TEST_F(SampleBoxScores, MarkersOccurOnlyAsMarkerLines) {
    const std::size_t games = static_cast<std::size_t>(playedDays(league)) * GameScore::kGames;
    EXPECT_EQ(occurrences(text, "END"), games);
    EXPECT_EQ(occurrences(text, "SUMMARY"), games);
    EXPECT_EQ(occurrences(text, "\r\nEND\r\n"), games);
    EXPECT_EQ(occurrences(text, "\r\nSUMMARY\r\n"), games);
}

TEST_F(SampleBoxScores, LinesEndWithCarriageReturnAndLineFeed) {
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(occurrences(text, "\n"), occurrences(text, "\r\n"));
    EXPECT_EQ(occurrences(text, "\r"), occurrences(text, "\r\n"));
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST_F(SampleBoxScores, NamesAreWrittenInMixedCase) {
    const std::string box = findBoxScore(
        text, 1, league.gameScores[0].games[0].get(gr::homeTeam), league.gameScores[0].games[0].get(gr::visitingTeam));
    const PlayerRecord* winner =
        playersById(league)[static_cast<std::size_t>(league.gameScores[0].games[0].get(gr::winningPitcher))];
    EXPECT_NE(box.find(winner->get(pf::lastName) + ", " + winner->get(pf::firstName).substr(0, 1)), std::string::npos);
}

// A club or player whose name holds a marker must not end the box score early.
TEST(SampleBoxScoreMarkers, NamesHoldingAMarkerAreWrittenDifferently) {
    Random rng(5, Stream::Organisation);
    const Organisation org = buildOrganisation(2, 0, 0, rng);
    SeasonBook book(org);
    GameLog game;
    game.day = 4;
    for (int side = 0; side < 2; ++side) {
        const TeamPlan& plan = org.teams[static_cast<std::size_t>(side)];
        TeamBox& box = game.sides[static_cast<std::size_t>(side)];
        box.team = side;
        BatterGame batter;
        batter.player = plan.majorHitters[0];
        batter.position = 2;
        batter.bySplit[1].atBats = 4;
        batter.bySplit[1].homeRuns = 1;
        batter.bySplit[1].hits = 1;
        box.batters.push_back(batter);
        PitcherGame pitcher;
        pitcher.player = plan.rotations[0][0];
        pitcher.bySplit[1].outsPitched = 27;
        box.pitchers.push_back(pitcher);
        box.inningRuns = {side, 0, 0, 0, 0, 0, 0, 0, 0};
        box.runs = side;
    }
    game.winner = org.teams[1].rotations[0][0];
    game.loser = org.teams[0].rotations[0][0];
    GameLog added = game;
    added.sides[1].pitchers[0].bySplit[1].wins = 1;
    added.sides[0].pitchers[0].bySplit[1].losses = 1;
    book.addGame(added);
    const std::vector<TeamLabel> labels = {{"Bend SUMMARY Club", "XEND"}, {"WEEKEND Nine", "END"}};

    std::string text;
    appendBoxScore(text, game, org, book, labels);
    EXPECT_EQ(occurrences(text, "END"), 1u) << text;
    EXPECT_EQ(occurrences(text, "SUMMARY"), 1u) << text;
    EXPECT_EQ(findBoxScore(text, 4, 1, 0), text.substr(0, text.rfind("END") + 3));
    EXPECT_NE(text.find("WEEKEnd Nine"), std::string::npos) << text;
}

}  // namespace
}  // namespace zt::sample

// History deletion by year and level range, and the two split recalculations.
#include <gtest/gtest.h>

#include "global_edit_fixture.h"
#include "globaledit/global_edit_messages.h"
#include "ratings/rating_computation.h"

namespace zt::test {
namespace {

using globaledit::HistoryKinds;
using globaledit::HistoryRange;

struct YearLevel {
    int year;
    int level;
    bool operator==(const YearLevel&) const = default;
};

std::ostream& operator<<(std::ostream& os, const YearLevel& y) {
    return os << y.year << "/" << y.level;
}

BattingLine battingLine(int year, int level) {
    BattingLineData data;
    data.year = static_cast<std::uint16_t>(year);
    data.level = static_cast<std::uint8_t>(level);
    data.hits = 17;
    BattingLine line;
    encodeBattingLine(data, line);
    return line;
}

PitchingLine pitchingLine(int year, int level) {
    PitchingLineData data;
    data.year = static_cast<std::uint16_t>(year);
    data.level = static_cast<std::uint8_t>(level);
    PitchingLine line;
    encodePitchingLine(data, line);
    return line;
}

FieldingLine fieldingLine(int year, int level) {
    FieldingLineData data;
    data.year = static_cast<std::uint16_t>(year);
    data.level = static_cast<std::uint8_t>(level);
    FieldingLine line;
    encodeFieldingLine(data, line);
    return line;
}

template <class Line, class Decode>
std::vector<YearLevel> remaining(const std::vector<Line>& lines, Decode decode) {
    std::vector<YearLevel> left;
    for (const auto& line : lines) {
        const auto data = decode(line);
        left.push_back({data.year, data.level});
    }
    return left;
}

class HistoryDeletionTest : public GlobalEditTest {
protected:
    // A player with lines for 1999 to 2002 at each level 0 to 3, in every kind.
    StatHistory& addPlayerWithHistory() {
        const PlayerRecord& player = addPlayer();
        auto history = std::make_unique<StatHistory>();
        history->key = player.playerId();
        for (int year = 1999; year <= 2002; ++year) {
            for (int level = 0; level <= 3; ++level) {
                history->batting.push_back(battingLine(year, level));
                history->pitching.push_back(pitchingLine(year, level));
                history->fielding.push_back(fieldingLine(year, level));
            }
        }
        m_league.playerHistories.push_back(std::move(history));
        return *m_league.playerHistories.back();
    }

    globaledit::RunReport erase(HistoryKinds kinds, HistoryRange range) {
        return globaledit::runHistoryDeletion(m_league, {}, kinds, range, m_context);
    }
};

std::vector<YearLevel> allLinesExcept(const std::vector<YearLevel>& removed) {
    std::vector<YearLevel> kept;
    for (int year = 1999; year <= 2002; ++year) {
        for (int level = 0; level <= 3; ++level) {
            const YearLevel line{year, level};
            if (std::find(removed.begin(), removed.end(), line) == removed.end()) {
                kept.push_back(line);
            }
        }
    }
    return kept;
}

TEST_F(HistoryDeletionTest, RemovesTheLinesOfTheYearAndLevelRangeOnly) {
    StatHistory& history = addPlayerWithHistory();
    const auto report = erase(HistoryKinds::all(), {2000, 2001, 1, 0});
    const auto expected = allLinesExcept({{2000, 0}, {2000, 1}, {2001, 0}, {2001, 1}});
    EXPECT_EQ(remaining(history.batting, decodeBattingLine), expected);
    EXPECT_EQ(remaining(history.pitching, decodePitchingLine), expected);
    EXPECT_EQ(remaining(history.fielding, decodeFieldingLine), expected);
    EXPECT_EQ(report.playersCounted, 1);
    EXPECT_EQ(messages(), std::vector<std::string>{"1 players modified"});
    EXPECT_TRUE(m_league.changed());
}

TEST_F(HistoryDeletionTest, RemovesOnlyTheChosenKind) {
    StatHistory& history = addPlayerWithHistory();
    erase({false, true, false}, {1999, 2002, 3, 0});
    EXPECT_EQ(history.batting.size(), 16u);
    EXPECT_TRUE(history.pitching.empty());
    EXPECT_EQ(history.fielding.size(), 16u);
}

TEST_F(HistoryDeletionTest, KeepsTheRemainingLinesByteForByte) {
    StatHistory& history = addPlayerWithHistory();
    const auto before = history.fielding;
    erase({false, false, true}, {2002, 2002, 3, 3});
    ASSERT_EQ(history.fielding.size(), 15u);
    EXPECT_TRUE(std::equal(history.fielding.begin(), history.fielding.end(), before.begin()));
}

TEST_F(HistoryDeletionTest, AReversedLevelRangeRemovesNothingButCountsThePlayer) {
    StatHistory& history = addPlayerWithHistory();
    EXPECT_EQ(erase(HistoryKinds::all(), {1999, 2002, 0, 3}).playersCounted, 1);
    EXPECT_EQ(history.batting.size(), 16u);
}

TEST_F(HistoryDeletionTest, PlayersWithoutHistoryAreNotCounted) {
    addPlayer();
    EXPECT_EQ(erase(HistoryKinds::all(), {}).playersCounted, 0);
    EXPECT_EQ(messages(), std::vector<std::string>{globaledit::kNoPlayerMessage});
    EXPECT_FALSE(m_league.changed());
}

TEST_F(HistoryDeletionTest, FollowsTheSelection) {
    StatHistory& kept = addPlayerWithHistory();
    m_league.players.back()->set(pf::position, std::uint8_t{1});
    StatHistory& emptied = addPlayerWithHistory();
    globaledit::GlobalEditSettings settings;
    settings.position = globaledit::kFieldersOnly;
    globaledit::runHistoryDeletion(m_league, settings, HistoryKinds::all(), {1999, 2002, 3, 0}, m_context);
    EXPECT_EQ(kept.batting.size(), 16u);
    EXPECT_TRUE(emptied.batting.empty());
}

// ---------------------------------------------------------------------------------------------

TEST_F(GlobalEditTest, RecalculationAppliesTheRatingComputationToEverySelectedPlayer) {
    const auto constants = LeagueConstants::defaults();
    PlayerRecord& batter = addPlayer(0, 5);
    batter.set(pf::bats, std::uint8_t{0});
    batter.set(pf::batAB, 500.0f);
    batter.set(pf::batHits, 150.0f);
    batter.set(pf::batDoubles, 30.0f);
    batter.set(pf::batTriples, 5.0f);
    batter.set(pf::batHomeRuns, 20.0f);
    batter.set(pf::batWalks, 50.0f);
    PlayerRecord& pitcher = addPlayer(0, 1);
    pitcher.set(pf::batAB, 100.0f);
    pitcher.set(pf::batHits, 10.0f);
    const auto pitcherBefore = pitcher.bytes();
    PlayerRecord expected = batter;
    ComputeBatterSplits(expected, constants);

    globaledit::GlobalEditSettings settings;
    settings.position = globaledit::kFieldersOnly;
    const auto report =
        globaledit::runRecalculation(m_league, settings, globaledit::Recalculation::BatterSplits, constants, m_context);
    EXPECT_EQ(report.playersCounted, 1);
    EXPECT_EQ(batter.bytes(), expected.bytes());
    EXPECT_FLOAT_EQ(batter.get(pf::avgVsL), 0.273f);
    EXPECT_EQ(pitcher.bytes(), pitcherBefore);
    EXPECT_EQ(messages(), std::vector<std::string>{"1 players modified"});
}

TEST_F(GlobalEditTest, PitcherRecalculationLeavesAPitcherWithoutAtBatsUnchangedButCounted) {
    PlayerRecord& pitcher = addPlayer(0, 1);
    pitcher.set(pf::pitchCount, std::uint8_t{1});
    pitcher.set(pf::pitHits, 30.0f);
    const auto before = pitcher.bytes();
    const auto report = globaledit::runRecalculation(
        m_league, {}, globaledit::Recalculation::PitcherSplits, LeagueConstants::defaults(), m_context);
    EXPECT_EQ(report.playersCounted, 1);
    EXPECT_EQ(pitcher.bytes(), before);
}

TEST_F(GlobalEditTest, PitcherRecalculationDistributesOverThePitches) {
    const auto constants = LeagueConstants::defaults();
    PlayerRecord& pitcher = addPlayer(0, 1);
    pitcher.set(pf::throws, std::uint8_t{1});
    pitcher.set(pf::pitchCount, std::uint8_t{2});
    pitcher.set(pf::pitAB, 800.0f);
    pitcher.set(pf::pitHits, 200.0f);
    pitcher.set(pf::pitWalks, 60.0f);
    PitchSlot slot;
    slot.set(ps::quality, 0.7f);
    pitcher.setPitch(0, slot);
    PlayerRecord expected = pitcher;
    ComputePitcherSplits(expected, constants);
    ASSERT_NE(expected.bytes(), pitcher.bytes());
    globaledit::runRecalculation(m_league, {}, globaledit::Recalculation::PitcherSplits, constants, m_context);
    EXPECT_EQ(pitcher.bytes(), expected.bytes());
}

}  // namespace
}  // namespace zt::test

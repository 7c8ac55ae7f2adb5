// Moving players between levels and swapping the majors with a minor level.
#include <gtest/gtest.h>

#include "roster_fixture.h"
#include "rosters/level_commands.h"
#include "rosters/roster_rules.h"

namespace zt::test {
namespace {

using LevelTest = RosterTest;

TEST_F(LevelTest, MoveToItemsCarryTheirLevelsCaptionsAndShortcuts) {
    const auto& items = moveToItems();
    const std::vector<std::tuple<int, std::string_view, int>> expected = {
        {0, "ML", 1}, {1, "AAA", 2}, {2, "AA", 3}, {3, "Rookie", 4}, {7, "Disabled List", 5}, {6, "Inactive List", 6}};
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].level, std::get<0>(expected[i]));
        EXPECT_EQ(items[i].caption, std::get<1>(expected[i]));
        EXPECT_EQ(items[i].shortcutDigit, std::get<2>(expected[i]));
    }
}

TEST_F(LevelTest, MovedPlayersLeaveTheLineupsOfTheLevelTheyLeft) {
    add({.id = 10, .team = 0, .level = 0, .position = 6});
    add({.id = 11, .team = 0, .level = 0, .position = 1, .role = 1});
    add({.id = 12, .team = 0, .level = 0, .position = 4});
    setLineup(0, LineupKind::MajorVsL, 5, 10, 6);
    setRotation(0, 0, 0, 11);
    setLineup(0, LineupKind::MajorVsR, 3, 12, 4);
    m_league->currentPlayer = &player(12);

    const std::vector<int> selection = {indexOf(10), indexOf(11)};
    const LineupCheckResult result = moveToLevel(*m_league, selection, 7, m_ask);
    EXPECT_EQ(player(10).level(), 7);
    EXPECT_EQ(player(11).level(), 7);
    EXPECT_EQ(player(12).level(), 0);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsL, 5).playerId, -1);
    EXPECT_EQ(team(0).rotationSlot(0, 0), -1);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsR, 3).playerId, 12);
    EXPECT_EQ(result.changes.size(), 2u);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(LevelTest, FreeAgentsChangeLevelWithoutALineupCheck) {
    add({.id = 10, .team = 255, .level = 0, .position = 1, .role = 1});
    add({.id = 20, .team = 0, .level = 0, .position = 1, .role = 1});  // would become a reliever
    m_league->currentPlayer = &player(10);
    const std::vector<int> selection = {indexOf(10)};
    const LineupCheckResult result = moveToLevel(*m_league, selection, 2, m_ask);
    EXPECT_EQ(player(10).level(), 2);
    EXPECT_FALSE(result.modified);
    EXPECT_EQ(player(20).get(pf::role), 1);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(LevelTest, ALevelWithoutAMoveToItemChangesNothing) {
    add({.id = 10, .team = 0, .level = 0});
    m_league->currentPlayer = &player(10);
    const std::vector<int> selection = {indexOf(10)};
    for (const int level : {4, 5, 8, -1, 300}) {
        moveToLevel(*m_league, selection, level, m_ask);
    }
    EXPECT_EQ(player(10).level(), 0);
    EXPECT_FALSE(m_league->changed());
}

struct SwapCase {
    int level;
    const char* question;
};

class SwapLevelsTest : public RosterTest, public ::testing::WithParamInterface<SwapCase> {};

TEST_P(SwapLevelsTest, SwappingTwiceRestoresLevelsAndRotationsButNotTheOtherMajorLineups) {
    const int x = GetParam().level;
    add({.id = 10, .team = 0, .level = 0});
    add({.id = 11, .team = 0, .level = x});
    add({.id = 12, .team = 0, .level = 7});
    add({.id = 13, .team = 1, .level = 0});
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        for (int kind = 0; kind < kLineupKinds; ++kind) {
            setLineup(0, static_cast<LineupKind>(kind), slot, 100 * kind + slot, slot + 1);
        }
    }
    for (int slot = 0; slot < kRotationSlots; ++slot) {
        for (int level = 0; level < kRotationLevels; ++level) {
            setRotation(0, level, slot, 1000 * (level + 1) + slot);
        }
    }
    const TeamRecord before = team(0);

    m_ask.answerYesNo(true);
    ASSERT_TRUE(swapLevels(*m_league, 0, x, m_ask));
    EXPECT_EQ(player(10).level(), x);
    EXPECT_EQ(player(11).level(), 0);
    EXPECT_EQ(player(12).level(), 7);
    EXPECT_EQ(player(13).level(), 0);
    const LineupKind minor = minorLineup(x);
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        for (int kind = 0; kind <= 3; ++kind) {
            EXPECT_EQ(team(0).lineupSlot(static_cast<LineupKind>(kind), slot), before.lineupSlot(minor, slot));
        }
        EXPECT_EQ(team(0).lineupSlot(minor, slot), before.lineupSlot(LineupKind::MajorVsL, slot));
    }
    for (int slot = 0; slot < kRotationSlots; ++slot) {
        EXPECT_EQ(team(0).rotationSlot(0, slot), before.rotationSlot(x, slot));
        EXPECT_EQ(team(0).rotationSlot(x, slot), before.rotationSlot(0, slot));
    }

    m_ask.answerYesNo(true);
    ASSERT_TRUE(swapLevels(*m_league, 0, x, m_ask));
    EXPECT_EQ(player(10).level(), 0);
    EXPECT_EQ(player(11).level(), x);
    for (int level = 0; level < kRotationLevels; ++level) {
        for (int slot = 0; slot < kRotationSlots; ++slot) {
            EXPECT_EQ(team(0).rotationSlot(level, slot), before.rotationSlot(level, slot));
        }
    }
    // The four major-league lineups are all the former one against left-handers.
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        for (int kind = 0; kind <= 3; ++kind) {
            EXPECT_EQ(team(0).lineupSlot(static_cast<LineupKind>(kind), slot),
                      before.lineupSlot(LineupKind::MajorVsL, slot));
        }
    }
    EXPECT_EQ(m_ask.texts(), (std::vector<std::string>{GetParam().question, GetParam().question}));
}

INSTANTIATE_TEST_SUITE_P(Levels,
                         SwapLevelsTest,
                         ::testing::Values(SwapCase{1, "Swap Majors rosters with AAA rosters ?"},
                                           SwapCase{2, "Swap Majors rosters with AA rosters ?"},
                                           SwapCase{3, "Swap Majors rosters with A rosters ?"}),
                         [](const auto& info) { return "Level" + std::to_string(info.param.level); });

TEST_F(LevelTest, ASwapAnsweredNoOrForNoTeamChangesNothing) {
    add({.id = 10, .team = 0, .level = 0});
    add({.id = 11, .team = 255, .level = 0});
    const auto before = team(0).bytes();
    m_ask.answerYesNo(false);
    EXPECT_FALSE(swapLevels(*m_league, 0, 1, m_ask));
    EXPECT_FALSE(swapLevels(*m_league, 255, 1, m_ask));  // the free agents: not even asked
    EXPECT_FALSE(swapLevels(*m_league, 0, 0, m_ask));
    EXPECT_EQ(m_ask.texts().size(), 1u);
    EXPECT_EQ(player(10).level(), 0);
    EXPECT_EQ(player(11).level(), 0);
    EXPECT_EQ(team(0).bytes(), before);
    EXPECT_FALSE(m_league->changed());
}

}  // namespace
}  // namespace zt::test

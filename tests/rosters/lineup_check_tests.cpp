// The lineup check: which players keep their slots, in which order, and what it asks.
#include <gtest/gtest.h>

#include "roster_fixture.h"
#include "rosters/lineup_check.h"
#include "rosters/roster_rules.h"

namespace zt::test {
namespace {

using LineupCheckTest = RosterTest;

const std::string kInjuredQuestion =
    "An injured player (Last10 , First10) has been put in the lineup or rotation. Do you accept this move ?";

TEST_F(LineupCheckTest, TheLastSlotCheckedGivesThePositionPlayed) {
    add({.id = 10, .team = 0, .position = 6});
    // Batting order 1 of "VsR DH" is checked before batting order 2 of "VsL".
    setLineup(0, LineupKind::MajorVsRWithDH, 0, 10, 7);
    setLineup(0, LineupKind::MajorVsL, 1, 10, 3);
    // Within batting order 4 the lineups go from "VsL" to "VsR DH".
    add({.id = 11, .team = 0, .position = 4});
    setLineup(0, LineupKind::MajorVsRWithDH, 3, 11, 9);
    setLineup(0, LineupKind::MajorVsL, 3, 11, 5);

    const LineupCheckResult result = checkLineups(*m_league, 0, m_ask);
    EXPECT_TRUE(result.changes.empty());
    EXPECT_EQ(player(10).get(pf::secondPosition), 3);
    EXPECT_EQ(player(11).get(pf::secondPosition), 9);
    EXPECT_TRUE(result.modified);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(LineupCheckTest, PitchersStartInTheRotationOfTheirLevelAndRelieveOtherwise) {
    add({.id = 10, .team = 0, .level = 0, .position = 1, .role = 2});  // in the majors' rotation
    add({.id = 11, .team = 0, .level = 1, .position = 1, .role = 1});  // starter without a rotation place
    add({.id = 12, .team = 0, .level = 0, .position = 1, .role = 4});  // closer
    add({.id = 13, .team = 0, .level = 2, .position = 1, .role = 4});  // closer put in his rotation
    add({.id = 14, .team = 0, .level = 0, .position = 6, .role = 2});  // a shortstop keeps his role
    add({.id = 15, .team = 1, .level = 0, .position = 1, .role = 1});  // another team's pitcher
    setRotation(0, 0, 2, 10);
    setRotation(0, 2, 0, 13);
    setLineup(0, LineupKind::MajorVsL, 0, 14, 6);

    checkLineups(*m_league, 0, m_ask);
    EXPECT_EQ(player(10).get(pf::role), kRoleStarter);
    EXPECT_EQ(player(10).get(pf::secondPosition), 1);
    EXPECT_EQ(player(11).get(pf::role), kRoleRelief);
    EXPECT_EQ(player(12).get(pf::role), kRoleCloser);
    EXPECT_EQ(player(13).get(pf::role), kRoleStarter);
    EXPECT_EQ(player(14).get(pf::role), 2);
    EXPECT_EQ(player(15).get(pf::role), kRoleStarter);
}

TEST_F(LineupCheckTest, PlayersWhoMayNotStandThereLeaveTheirSlotsInCheckingOrder) {
    add({.id = 10, .team = 0, .level = 1});                 // AAA player in a majors lineup
    add({.id = 11, .team = 1, .level = 0});                 // player of another team
    add({.id = 12, .team = 0, .level = 2});                 // stays in the AA lineup
    add({.id = 13, .team = 0, .level = 7, .position = 1});  // on the disabled list
    setLineup(0, LineupKind::MajorVsR, 0, 10, 2);
    setLineup(0, LineupKind::A, 0, 11, 2);
    setLineup(0, LineupKind::AA, 0, 12, 2);
    setLineup(0, LineupKind::MajorVsL, 5, 4321, 8);  // an id no player has
    setRotation(0, 1, 0, 13);

    const LineupCheckResult result = checkLineups(*m_league, 0, m_ask);
    const std::vector<LineupSlotChange> expected = {
        {SlotGroup::Lineup, 1, 0, 10, -1},
        {SlotGroup::Lineup, 6, 0, 11, -1},
        {SlotGroup::Rotation, 1, 0, 13, -1},
        {SlotGroup::Lineup, 0, 5, 4321, -1},
    };
    EXPECT_EQ(result.changes, expected);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsL, 5), (LineupSlot{-1, 8}));  // the position stays
    EXPECT_EQ(team(0).lineupSlot(LineupKind::AA, 0).playerId, 12);
    EXPECT_TRUE(m_ask.shown().empty());
}

TEST_F(LineupCheckTest, AConsistentTeamIsLeftUnchanged) {
    add({.id = 10, .team = 0, .position = 1, .role = 1});
    add({.id = 11, .team = 0, .position = 5});
    setRotation(0, 0, 0, 10);
    setLineup(0, LineupKind::MajorVsL, 2, 11, 5);
    player(11).set(pf::secondPosition, std::uint8_t{5});
    player(10).set(pf::secondPosition, std::uint8_t{1});
    const auto before = team(0).bytes();

    const LineupCheckResult result = checkLineups(*m_league, 0, m_ask);
    EXPECT_TRUE(result.changes.empty());
    EXPECT_FALSE(result.modified);
    EXPECT_FALSE(m_league->changed());
    EXPECT_EQ(team(0).bytes(), before);
}

TEST_F(LineupCheckTest, NumbersThatAreNoTeamAreNotChecked) {
    add({.id = 10, .team = 255, .position = 1, .role = 1});
    for (const int number : {3, 200, 201, 255}) {
        const LineupCheckResult result = checkLineups(*m_league, number, m_ask);
        EXPECT_TRUE(result.changes.empty());
        EXPECT_FALSE(result.modified);
    }
    EXPECT_EQ(player(10).get(pf::role), 1);
    EXPECT_FALSE(m_league->changed());
}

TEST_F(LineupCheckTest, AnInjuredPlayerAcceptedOnceIsHealedAndKeptEverywhere) {
    add({.id = 10, .team = 0, .position = 7, .daysOut = 12});
    setLineup(0, LineupKind::MajorVsL, 0, 10, 7);
    setLineup(0, LineupKind::MajorVsR, 0, 10, 7);
    setLineup(0, LineupKind::MajorVsLWithDH, 3, 10, 10);
    m_ask.answerYesNo(true);

    const LineupCheckResult result = checkLineups(*m_league, 0, m_ask);
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{kInjuredQuestion});
    EXPECT_TRUE(result.changes.empty());
    EXPECT_EQ(player(10).get(pf::daysOut), 0);
    EXPECT_EQ(player(10).get(pf::secondPosition), 10);
}

TEST_F(LineupCheckTest, AnInjuredPlayerRefusedIsAskedAboutAndRemovedSlotBySlot) {
    add({.id = 10, .team = 0, .position = 1, .daysOut = 12});
    setLineup(0, LineupKind::MajorVsL, 0, 10, 7);
    setRotation(0, 0, 0, 10);
    m_ask.answerYesNo(false);
    m_ask.answerYesNo(false);

    const LineupCheckResult result = checkLineups(*m_league, 0, m_ask);
    EXPECT_EQ(m_ask.texts(), (std::vector<std::string>{kInjuredQuestion, kInjuredQuestion}));
    EXPECT_EQ(result.changes.size(), 2u);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsL, 0).playerId, -1);
    EXPECT_EQ(team(0).rotationSlot(0, 0), -1);
    EXPECT_EQ(player(10).get(pf::daysOut), 12);
    EXPECT_TRUE(m_ask.scriptExhausted());
}

TEST_F(LineupCheckTest, AnInjuredPlayerWhoLeavesAnywayIsNotAskedAboutNorHealed) {
    add({.id = 10, .team = 0, .level = 7, .daysOut = 12});  // on the disabled list
    add({.id = 11, .team = 1, .level = 0, .daysOut = 5});   // of another team
    setLineup(0, LineupKind::MajorVsL, 0, 10, 7);
    setLineup(0, LineupKind::MajorVsL, 1, 11, 8);

    const LineupCheckResult result = checkLineups(*m_league, 0, m_ask);
    EXPECT_TRUE(m_ask.shown().empty());
    EXPECT_EQ(result.changes.size(), 2u);
    EXPECT_EQ(player(10).get(pf::daysOut), 12);
    EXPECT_EQ(player(11).get(pf::daysOut), 5);
}

TEST_F(LineupCheckTest, WithTwoPlayersOfOneIdTheLastInListOrderDecides) {
    add({.id = 10, .team = 0, .level = 0, .position = 3});
    add({.id = 10, .team = 1, .level = 0, .position = 3});  // a duplicate id on another team
    setLineup(0, LineupKind::MajorVsL, 0, 10, 3);
    EXPECT_EQ(validateSlot(*m_league, 10, 0, 3, 0, m_ask), -1);
    EXPECT_EQ(validateSlot(*m_league, 10, 0, 3, 1, m_ask), 10);
    EXPECT_EQ(validateSlot(*m_league, -1, 0, 3, 0, m_ask), -1);
    EXPECT_EQ(validateSlot(*m_league, 70000, 0, 3, 0, m_ask), -1);
}

TEST_F(LineupCheckTest, SlotGroupsHaveReadableNames) {
    EXPECT_EQ(slotGroupName(SlotGroup::Lineup, 0), "Majors VsL");
    EXPECT_EQ(slotGroupName(SlotGroup::Lineup, 3), "Majors VsR DH");
    EXPECT_EQ(slotGroupName(SlotGroup::Lineup, 6), "A");
    EXPECT_EQ(slotGroupName(SlotGroup::Rotation, 1), "AAA rotation");
}

}  // namespace
}  // namespace zt::test

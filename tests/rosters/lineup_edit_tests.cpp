// Edits of the lineup page: drops, exchanges, clearing, positions, completeness.
#include <gtest/gtest.h>

#include "roster_fixture.h"
#include "rosters/lineup_edit.h"
#include "rosters/lineup_view.h"
#include "rosters/roster_rules.h"

namespace zt::test {
namespace {

using LineupEditTest = RosterTest;

// Every lineup and rotation slot of team 0 filled with ids 1000 + n.
void fillAll(TeamRecord& record) {
    int next = 1000;
    for (int kind = 0; kind < kLineupKinds; ++kind) {
        for (int slot = 0; slot < kLineupSlots; ++slot) {
            record.setLineupSlot(static_cast<LineupKind>(kind), slot, {next++, slot + 2});
        }
    }
    for (int level = 0; level < kRotationLevels; ++level) {
        for (int slot = 0; slot < kRotationSlots; ++slot) {
            record.setRotationSlot(level, slot, next++);
        }
    }
}

struct CompletenessCase {
    const char* name;
    std::vector<std::pair<LineupKind, int>> emptyLineupSlots;
    int emptyRotationLevel;  // -1: none
    bool complete;
};

class LineupsCompleteTest : public RosterTest, public ::testing::WithParamInterface<CompletenessCase> {};

TEST_P(LineupsCompleteTest, OnlyTheMajorLineupsWithoutDHMayMissThePitchersTurn) {
    fillAll(team(0));
    for (const auto& [kind, slot] : GetParam().emptyLineupSlots) {
        setLineup(0, kind, slot, -1, 1);
    }
    if (GetParam().emptyRotationLevel >= 0) {
        setRotation(0, GetParam().emptyRotationLevel, 4, -1);
    }
    EXPECT_EQ(lineupsComplete(*m_league, 0), GetParam().complete);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    LineupsCompleteTest,
    ::testing::Values(
        CompletenessCase{"AllFull", {}, -1, true},
        CompletenessCase{"VsLOneEmpty", {{LineupKind::MajorVsL, 8}}, -1, true},
        CompletenessCase{"BothWithoutDHOneEmpty", {{LineupKind::MajorVsL, 8}, {LineupKind::MajorVsR, 0}}, -1, true},
        CompletenessCase{"VsLTwoEmpty", {{LineupKind::MajorVsL, 8}, {LineupKind::MajorVsL, 2}}, -1, false},
        CompletenessCase{"VsRTwoEmpty", {{LineupKind::MajorVsR, 8}, {LineupKind::MajorVsR, 2}}, -1, false},
        CompletenessCase{"DHOneEmpty", {{LineupKind::MajorVsRWithDH, 4}}, -1, false},
        CompletenessCase{"MinorOneEmpty", {{LineupKind::AA, 0}}, -1, false},
        CompletenessCase{"RotationOneEmpty", {}, 3, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineupEditTest, NoTeamIsNeverComplete) {
    EXPECT_FALSE(lineupsComplete(*m_league, 255));
    EXPECT_FALSE(lineupsComplete(*m_league, 3));
}

TEST_F(LineupEditTest, ChangingAPositionShownElsewhereExchangesBothSlotsAndPlayers) {
    add({.id = 10, .team = 0, .position = 6});
    add({.id = 11, .team = 0, .position = 4});
    setLineup(0, LineupKind::MajorVsR, 2, 10, 6);  // slot 3: SS
    setLineup(0, LineupKind::MajorVsR, 4, 11, 4);  // slot 5: 2B
    const LineupView view = lineupView(*m_league, 0, 0, 1);
    SlotPositions positions;
    for (int slot = 0; slot < kLineupSlots; ++slot) {
        positions.shown[static_cast<std::size_t>(slot)] = view.lineup[static_cast<std::size_t>(slot)].positionIndex;
    }
    positions.old = positions.shown;

    // Slot 3 becomes 2B (item 3): slot 5 takes SS.
    EXPECT_EQ(changeSlotPosition(*m_league, 0, LineupKind::MajorVsR, 2, 3, positions), 4);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsR, 2), (LineupSlot{10, 4}));
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsR, 4), (LineupSlot{11, 6}));
    EXPECT_EQ(player(10).get(pf::secondPosition), 4);
    EXPECT_EQ(player(11).get(pf::secondPosition), 6);
    EXPECT_EQ(positions.shown[2], 3);
    EXPECT_EQ(positions.shown[4], 5);
    EXPECT_TRUE(m_league->changed());

    // Slot 5 (now SS) becomes CF, which slot 1 shows: slot 1 takes SS, not the 2B slot 5 had
    // before, so no position is held twice.
    setLineup(0, LineupKind::MajorVsR, 0, -1, 8);
    positions.shown[0] = 7;
    positions.old[0] = 7;
    EXPECT_EQ(changeSlotPosition(*m_league, 0, LineupKind::MajorVsR, 4, 7, positions), 0);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsR, 0), (LineupSlot{-1, 6}));
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsR, 4), (LineupSlot{11, 8}));
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsR, 2), (LineupSlot{10, 4}));
}

TEST_F(LineupEditTest, APositionNoOtherSlotShowsChangesOnlyThatSlotAndItsPlayer) {
    add({.id = 10, .team = 0, .position = 6});
    add({.id = 11, .team = 0, .position = 4});
    setLineup(0, LineupKind::AAA, 2, 10, 6);
    setLineup(0, LineupKind::AAA, 4, 11, 4);
    SlotPositions positions;
    positions.shown = {0, 0, 5, 0, 3, 0, 0, 0, 0};
    positions.old = positions.shown;
    EXPECT_EQ(changeSlotPosition(*m_league, 0, LineupKind::AAA, 2, 8, positions), std::nullopt);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::AAA, 2), (LineupSlot{10, 9}));
    EXPECT_EQ(team(0).lineupSlot(LineupKind::AAA, 4), (LineupSlot{11, 4}));
    EXPECT_EQ(player(10).get(pf::secondPosition), 9);
    EXPECT_EQ(player(11).get(pf::secondPosition), 4);
}

TEST_F(LineupEditTest, ANonPitcherDroppedOnTheRotationStartsThere) {
    PlayerRecord& shortstop = add({.id = 10, .team = 0, .level = 1, .position = 6, .role = 2});
    PlayerRecord& pitcher = add({.id = 11, .team = 0, .level = 1, .position = 1, .role = 1});
    PlayerRecord& closer = add({.id = 12, .team = 0, .level = 1, .position = 1, .role = 4});
    PlayerRecord& majors = add({.id = 13, .team = 0, .level = 0, .position = 1, .role = 2});
    setRotation(0, 0, 0, 13);

    ASSERT_TRUE(acceptsGridPlayer(shortstop, 0, 1));
    putInRotation(*m_league, 0, 1, 3, shortstop);
    EXPECT_EQ(team(0).rotationSlot(1, 3), 10);
    EXPECT_EQ(shortstop.get(pf::role), kRoleStarter);
    EXPECT_EQ(pitcher.get(pf::role), kRoleRelief);  // not in his rotation
    EXPECT_EQ(closer.get(pf::role), kRoleCloser);
    EXPECT_EQ(majors.get(pf::role), kRoleStarter);  // in the majors' rotation
    EXPECT_TRUE(m_league->changed());
}

TEST_F(LineupEditTest, APitcherDroppedOnTheCloserPanelIsTheOnlyCloserOfHisLevel) {
    PlayerRecord& newCloser = add({.id = 10, .team = 0, .level = 2, .position = 1, .role = 3});
    PlayerRecord& oldCloser = add({.id = 11, .team = 0, .level = 2, .position = 1, .role = 4});
    PlayerRecord& otherLevel = add({.id = 12, .team = 0, .level = 0, .position = 1, .role = 4});
    PlayerRecord& otherTeam = add({.id = 13, .team = 1, .level = 2, .position = 1, .role = 4});

    makeCloser(*m_league, 0, newCloser);
    EXPECT_EQ(newCloser.get(pf::role), kRoleCloser);
    EXPECT_EQ(oldCloser.get(pf::role), kRoleRelief);
    EXPECT_EQ(otherLevel.get(pf::role), kRoleCloser);
    EXPECT_EQ(otherTeam.get(pf::role), kRoleCloser);
    EXPECT_EQ(lineupView(*m_league, 0, 2, 0).closer.text, "Last10 , First10");
}

TEST_F(LineupEditTest, DropsAndExchangesOfLineupSlots) {
    PlayerRecord& batter = add({.id = 10, .team = 0, .position = 3});
    add({.id = 11, .team = 0, .position = 8});
    setLineup(0, LineupKind::MajorVsLWithDH, 1, -1, 10);
    setLineup(0, LineupKind::MajorVsLWithDH, 6, 11, 8);

    putInLineup(*m_league, 0, LineupKind::MajorVsLWithDH, 1, batter);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsLWithDH, 1), (LineupSlot{10, 10}));
    EXPECT_EQ(batter.get(pf::secondPosition), 10);
    EXPECT_TRUE(m_league->changed());

    exchangeLineupSlots(*m_league, 0, LineupKind::MajorVsLWithDH, 1, 6);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsLWithDH, 1), (LineupSlot{11, 8}));
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsLWithDH, 6), (LineupSlot{10, 10}));
}

TEST_F(LineupEditTest, ClearingASlotMarksTheLeagueChanged) {
    add({.id = 10, .team = 0, .position = 3});
    setLineup(0, LineupKind::A, 4, 10, 3);
    clearLineupSlot(*m_league, 0, LineupKind::A, 4);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::A, 4), (LineupSlot{-1, 1}));
    EXPECT_TRUE(m_league->changed());
}

TEST_F(LineupEditTest, RotationSlotsExchangeTheirPlayersAndKeepRoles) {
    PlayerRecord& a = add({.id = 10, .team = 0, .position = 1, .role = 1});
    PlayerRecord& b = add({.id = 11, .team = 0, .position = 1, .role = 4});
    setRotation(0, 0, 0, 10);
    setRotation(0, 0, 4, 11);
    exchangeRotationSlots(*m_league, 0, 0, 0, 4);
    EXPECT_EQ(team(0).rotationSlot(0, 0), 11);
    EXPECT_EQ(team(0).rotationSlot(0, 4), 10);
    EXPECT_EQ(a.get(pf::role), 1);
    EXPECT_EQ(b.get(pf::role), 4);
}

TEST_F(LineupEditTest, GridPlayersAreAcceptedAtTheirOwnLevelAndTeamOnly) {
    const PlayerRecord& player = add({.id = 10, .team = 1, .level = 2});
    EXPECT_TRUE(acceptsGridPlayer(player, 1, 2));
    EXPECT_FALSE(acceptsGridPlayer(player, 1, 0));
    EXPECT_FALSE(acceptsGridPlayer(player, 0, 2));
}

TEST_F(LineupEditTest, TheViewNamesSlotsAndMarksTheEmptyOnes) {
    add({.id = 10, .team = 0, .level = 3, .position = 1, .role = 4});
    add({.id = 11, .team = 0, .level = 3, .position = 5});
    setLineup(0, LineupKind::A, 0, 11, 5);
    setLineup(0, LineupKind::A, 1, 999, 7);
    setRotation(0, 3, 2, 10);
    team(0).set(tf::nextStarter, 3);

    const LineupView view = lineupView(*m_league, 0, 3, 2);
    EXPECT_EQ(view.kind, LineupKind::A);
    EXPECT_EQ(view.lineup[0].text, "Last11 , First11");
    EXPECT_FALSE(view.lineup[0].unfilled);
    EXPECT_EQ(view.lineup[0].positionIndex, 4);
    EXPECT_EQ(view.lineup[1].text, "Unknown player #999");
    EXPECT_FALSE(view.lineup[1].unfilled);
    EXPECT_EQ(view.lineup[2].text, "Pitcher Slot or Empty spot");
    EXPECT_TRUE(view.lineup[2].unfilled);
    EXPECT_EQ(view.rotation[2].text, "Last10 , First10");
    EXPECT_EQ(view.rotation[0].text, "EMPTY");
    EXPECT_TRUE(view.rotation[0].unfilled);
    EXPECT_EQ(view.closer.text, "Last10 , First10");
    EXPECT_EQ(view.nextStarterSlot, 3);

    const LineupView majors = lineupView(*m_league, 0, 0, 3);
    EXPECT_EQ(majors.kind, LineupKind::MajorVsRWithDH);
    EXPECT_EQ(majors.closer.text, "EMPTY");
    EXPECT_TRUE(majors.closer.unfilled);
    team(0).set(tf::nextStarter, 9);
    EXPECT_EQ(lineupView(*m_league, 0, 0, 0).nextStarterSlot, -1);
}

}  // namespace
}  // namespace zt::test

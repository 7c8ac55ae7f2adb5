// Transfers between teams and to the free agents, and the roster-membership toggle.
#include <gtest/gtest.h>

#include "league/codes.h"
#include "roster_fixture.h"
#include "rosters/roster_rules.h"
#include "rosters/team_commands.h"
#include "rosters/transfers.h"

namespace zt::test {
namespace {

using TransferTest = RosterTest;

TEST_F(TransferTest, ThreePlayersToARosterWithTwoPlacesMoveTheFirstTwo) {
    add({.id = 10, .team = 0});
    add({.id = 11, .team = 0});
    add({.id = 12, .team = 0});
    fillRoster(1);
    team(1).setRosterId(40, -1);
    team(1).setRosterId(90, 0);

    const std::vector<int> selection = {indexOf(10), indexOf(11), indexOf(12)};
    const TransferResult result = transferPlayers(*m_league, selection, 1, m_ask);

    EXPECT_EQ(result.moved, (std::vector<int>{indexOf(10), indexOf(11)}));
    EXPECT_EQ(result.refused, (std::vector<int>{indexOf(12)}));
    EXPECT_EQ(result.lastOldTeam, 0);
    EXPECT_EQ(team(1).rosterId(40), 10);
    EXPECT_EQ(team(1).rosterId(90), 11);
    EXPECT_EQ(player(10).teamIndex(), 1);
    EXPECT_EQ(player(11).teamIndex(), 1);
    // The third found no room: still on his team and its roster.
    EXPECT_EQ(player(12).teamIndex(), 0);
    EXPECT_EQ(rosterCount(0, 12), 1);
    EXPECT_EQ(rosterCount(0, 10), 0);
}

TEST_F(TransferTest, AFullRosterRefusesAndChangesNothing) {
    PlayerRecord& moving = add({.id = 10, .team = 0, .role = 4});
    fillRoster(1);
    const auto before = team(1).bytes();
    moving.set(pf::teamIndex, std::uint8_t{1});

    EXPECT_FALSE(transferPlayer(*m_league, moving, 0, 1, m_ask));
    EXPECT_EQ(moving.teamIndex(), 0);
    EXPECT_EQ(moving.get(pf::role), 4);
    EXPECT_EQ(team(1).bytes(), before);
    EXPECT_EQ(rosterCount(0, 10), 1);
    EXPECT_FALSE(m_league->changed());
}

struct CloserCase {
    const char* name;
    int destination;
    int roleAfter;
};

class CloserTransferTest : public RosterTest, public ::testing::WithParamInterface<CloserCase> {};

TEST_P(CloserTransferTest, ACloserArrivesAsARelieverButKeepsHisRoleAsAFreeAgent) {
    add({.id = 10, .team = 0, .position = 1, .role = 4});
    const std::vector<int> selection = {indexOf(10)};
    transferPlayers(*m_league, selection, GetParam().destination, m_ask);
    EXPECT_EQ(player(10).teamIndex(), GetParam().destination);
    EXPECT_EQ(player(10).get(pf::role), GetParam().roleAfter);
    EXPECT_EQ(rosterCount(0, 10), 0);
    EXPECT_TRUE(m_league->changed());
}

INSTANTIATE_TEST_SUITE_P(Destinations,
                         CloserTransferTest,
                         ::testing::Values(CloserCase{"OtherTeam", 1, 3}, CloserCase{"FreeAgents", 255, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, ASlotHoldingZeroTakesATransferButNotARosterInsert) {
    // The transfer takes the 0 at slot 0 before the -1 at slot 1.
    team(1).setRosterId(0, 0);
    PlayerRecord& moving = add({.id = 10, .team = 0});
    moving.set(pf::teamIndex, std::uint8_t{1});
    ASSERT_TRUE(transferPlayer(*m_league, moving, 0, 1, m_ask));
    EXPECT_EQ(team(1).rosterId(0), 10);

    // The insert skips the 0 at slot 0 and takes the -1 after it.
    team(2).setRosterId(0, 0);
    PlayerRecord& hidden = add({.id = 20, .team = 2, .onRoster = false});
    EXPECT_EQ(toggleRosterMembership(*m_league, hidden), RosterToggle::Inserted);
    EXPECT_EQ(team(2).rosterId(0), 0);
    EXPECT_EQ(team(2).rosterId(1), 20);
}

TEST_F(TransferTest, AnInsertIntoARosterWithoutMinusOneDoesNothing) {
    PlayerRecord& hidden = add({.id = 20, .team = 2, .onRoster = false});
    for (int slot = 0; slot < kRosterSize; ++slot) {
        team(2).setRosterId(slot, slot % 2 == 0 ? 0 : 5000 + slot);  // zeros, but no -1
    }
    const auto before = team(2).bytes();
    EXPECT_EQ(toggleRosterMembership(*m_league, hidden), RosterToggle::Unchanged);
    EXPECT_EQ(team(2).bytes(), before);
    EXPECT_FALSE(m_league->changed());
}

TEST_F(TransferTest, RemovingFromTheRosterAndInsertingAgainFollowTheCaption) {
    PlayerRecord& member = add({.id = 10, .team = 0});
    EXPECT_EQ(rosterToggleCaption(*m_league, member), "Remove from Team roster");
    EXPECT_EQ(toggleRosterMembership(*m_league, member), RosterToggle::Removed);
    EXPECT_EQ(rosterCount(0, 10), 0);
    EXPECT_TRUE(m_league->changed());
    EXPECT_EQ(rosterToggleCaption(*m_league, member), "Insert in Team roster");
    EXPECT_EQ(toggleRosterMembership(*m_league, member), RosterToggle::Inserted);
    EXPECT_EQ(team(0).rosterId(0), 10);

    PlayerRecord& freeAgent = add({.id = 11, .team = 255});
    EXPECT_EQ(rosterToggleCaption(*m_league, freeAgent), "Insert in Team roster");
    EXPECT_EQ(toggleRosterMembership(*m_league, freeAgent), RosterToggle::Unchanged);
}

struct OwnTeamCase {
    const char* name;
    bool onRoster;
    int countAfter;
};

class OwnTeamTransferTest : public RosterTest, public ::testing::WithParamInterface<OwnTeamCase> {};

TEST_P(OwnTeamTransferTest, ATransferToTheOwnTeamKeepsMembershipAsItWas) {
    add({.id = 5, .team = 0});
    add({.id = 6, .team = 0});
    PlayerRecord& moving = add({.id = 10, .team = 0, .onRoster = GetParam().onRoster});
    add({.id = 7, .team = 0});
    team(0).setRosterId(0, -1);  // a free place before his own
    const std::vector<int> selection = {indexOf(10)};
    const TransferResult result = transferPlayers(*m_league, selection, 0, m_ask);
    EXPECT_EQ(result.moved.size(), 1u);
    EXPECT_EQ(moving.teamIndex(), 0);
    EXPECT_EQ(rosterCount(0, 10), GetParam().countAfter);
    EXPECT_EQ(team(0).rosterId(0), -1);
}

INSTANTIATE_TEST_SUITE_P(Membership,
                         OwnTeamTransferTest,
                         ::testing::Values(OwnTeamCase{"RosterMember", true, 1}, OwnTeamCase{"HiddenPlayer", false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TransferTest, TheTeamLeftBehindLosesHimFromItsLineupsAndTheNewTeamIsChecked) {
    add({.id = 10, .team = 0, .position = 6});
    add({.id = 11, .team = 0, .position = 1, .role = 1});
    setLineup(0, LineupKind::MajorVsL, 2, 10, 6);
    setLineup(0, LineupKind::MajorVsRWithDH, 4, 10, 6);
    setRotation(0, 0, 1, 11);
    // Team 1's lineup names a player who is not one of its own: its check clears the slot.
    add({.id = 20, .team = 2});
    setLineup(1, LineupKind::AAA, 0, 20, 3);

    const std::vector<int> selection = {indexOf(10)};
    transferPlayers(*m_league, selection, 1, m_ask);

    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsL, 2), (LineupSlot{-1, 6}));
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsRWithDH, 4), (LineupSlot{-1, 6}));
    EXPECT_EQ(team(0).rotationSlot(0, 1), 11);  // the others stay
    EXPECT_EQ(team(1).lineupSlot(LineupKind::AAA, 0).playerId, -1);
    EXPECT_TRUE(m_ask.shown().empty());
}

TEST_F(TransferTest, ReleasedPlayersLeaveTheLineupsOfTheirTeam) {
    add({.id = 10, .team = 0, .position = 1, .role = 1});
    setRotation(0, 0, 0, 10);
    const std::vector<int> selection = {indexOf(10)};
    transferPlayers(*m_league, selection, kFreeAgentTeam, m_ask);
    EXPECT_EQ(player(10).teamIndex(), kFreeAgentTeam);
    EXPECT_EQ(team(0).rotationSlot(0, 0), -1);
}

TEST_F(TransferTest, ADestinationThatIsNoTeamIsRefused) {
    PlayerRecord& moving = add({.id = 10, .team = 0});
    for (const int destination : {3, 31, 200, 254}) {
        SCOPED_TRACE(destination);
        EXPECT_FALSE(isTransferDestination(*m_league, destination));
        const std::vector<int> selection = {indexOf(10)};
        const TransferResult result = transferPlayers(*m_league, selection, destination, m_ask);
        EXPECT_TRUE(result.moved.empty());
        EXPECT_EQ(moving.teamIndex(), 0);
        EXPECT_EQ(rosterCount(0, 10), 1);
    }
    EXPECT_FALSE(m_league->changed());
}

TEST_F(TransferTest, AFreeAgentSignedByATeamTakesTheFirstFreeSlot) {
    add({.id = 5, .team = 1});
    PlayerRecord& signing = add({.id = 10, .team = 255});
    signing.set(pf::teamIndex, std::uint8_t{1});
    EXPECT_TRUE(transferPlayer(*m_league, signing, kFreeAgentTeam, 1, m_ask));
    EXPECT_EQ(team(1).rosterId(0), 5);
    EXPECT_EQ(team(1).rosterId(1), 10);
    EXPECT_TRUE(m_league->isOnRoster(signing, 1));
}

}  // namespace
}  // namespace zt::test

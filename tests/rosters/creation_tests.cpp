// Creating players by cloning, deleting them, and the season fix.
#include <gtest/gtest.h>

#include "league/error.h"
#include "roster_fixture.h"
#include "rosters/player_creation.h"

namespace zt::test {
namespace {

using CreationTest = RosterTest;

TEST_F(CreationTest, ACloneGetsTheLargestIdPlusOneAndJoinsTheFreeAgents) {
    add({.id = 3, .team = 0});
    add({.id = 40, .team = 1, .level = 2, .position = 1, .role = 4});
    add({.id = 7, .team = 0});
    m_league->currentPlayer = &player(40);
    const std::size_t histories = m_league->playerHistories.size();
    m_ask.answerPrompt(std::string("Nolan"));
    m_ask.answerPrompt(std::string("Ryanson"));

    const std::optional<int> index = clonePlayer(*m_league, m_ask);
    ASSERT_TRUE(index.has_value());
    ASSERT_EQ(*index, 3);
    const PlayerRecord& clone = *m_league->players[3];
    EXPECT_EQ(clone.playerId(), 41);
    EXPECT_EQ(clone.teamIndex(), 255);
    EXPECT_EQ(clone.level(), 2);
    EXPECT_EQ(clone.get(pf::role), 4);
    EXPECT_EQ(clone.get(pf::firstName), "Nolan");
    EXPECT_EQ(clone.get(pf::lastName), "Ryanson");
    // Everything else is the source's bytes.
    PlayerRecord expected = player(40);
    expected.set(pf::teamIndex, std::uint8_t{255});
    expected.set(pf::playerId, std::uint16_t{41});
    expected.set(pf::firstName, "Nolan");
    expected.set(pf::lastName, "Ryanson");
    EXPECT_EQ(clone.bytes(), expected.bytes());

    ASSERT_EQ(m_league->playerHistories.size(), histories + 1);
    const StatHistory& history = *m_league->playerHistories.back();
    EXPECT_EQ(history.key, 41);
    EXPECT_TRUE(history.batting.empty() && history.pitching.empty() && history.fielding.empty());
    EXPECT_EQ(m_ask.texts(),
              (std::vector<std::string>{"New player first name: Enter the new player first name",
                                        "New player last name: Enter the new player last name",
                                        "A new player named Nolan Ryanson has been added to the free agents list"}));
    EXPECT_TRUE(m_league->changed());
}

TEST_F(CreationTest, CancelledPromptsKeepTheNamesAndLongAnswersAreCut) {
    add({.id = 5, .team = 0});
    m_league->currentPlayer = &player(5);
    m_ask.answerPrompt(std::nullopt);
    m_ask.answerPrompt(std::nullopt);
    clonePlayer(*m_league, m_ask);
    EXPECT_EQ(m_league->players.back()->get(pf::firstName), "First5");
    EXPECT_EQ(m_league->players.back()->get(pf::lastName), "Last5");
    EXPECT_EQ(m_ask.texts().back(), "A new player named First5 Last5 has been added to the free agents list");

    m_league->currentPlayer = &player(5);
    m_ask.answerPrompt(std::string("ABCDEFGHIJKLMNOPQRST"));
    m_ask.answerPrompt(std::string("abcdefghijklmnopqrst"));
    clonePlayer(*m_league, m_ask);
    EXPECT_EQ(m_league->players.back()->playerId(), 7);
    EXPECT_EQ(m_league->players.back()->get(pf::firstName), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(m_league->players.back()->get(pf::lastName), "abcdefghijklmnop");
}

TEST_F(CreationTest, NoCloneWhenTheLargestIdIsTaken) {
    add({.id = 65535, .team = 0});
    m_league->currentPlayer = &player(65535);
    const std::size_t players = m_league->players.size();
    EXPECT_THROW(clonePlayer(*m_league, m_ask), Error);
    EXPECT_EQ(m_league->players.size(), players);
    EXPECT_TRUE(m_ask.shown().empty());
    EXPECT_FALSE(m_league->changed());

    m_league->currentPlayer = nullptr;
    EXPECT_EQ(clonePlayer(*m_league, m_ask), std::nullopt);
}

TEST_F(CreationTest, DeletingAPlayerClearsHisRosterSlotHistoryAndLineups) {
    add({.id = 10, .team = 0});
    add({.id = 11, .team = 0, .position = 5});
    add({.id = 12, .team = 0});
    setLineup(0, LineupKind::MajorVsL, 4, 11, 5);
    m_league->currentPlayer = &player(11);
    m_league->currentHistory = findHistory(m_league->playerHistories, 11);

    m_ask.answerYesNo(false);
    EXPECT_FALSE(deletePlayer(*m_league, indexOf(11), m_ask).deleted);
    EXPECT_EQ(m_league->players.size(), 3u);
    EXPECT_FALSE(m_league->changed());

    m_ask.answerYesNo(true);
    const DeleteResult result = deletePlayer(*m_league, indexOf(11), m_ask);
    EXPECT_TRUE(result.deleted);
    EXPECT_EQ(result.team, 0);
    EXPECT_EQ(m_ask.texts(),
              (std::vector<std::string>{"Are you sure you want to delete First11 Last11 ?",
                                        "Are you sure you want to delete First11 Last11 ?"}));
    EXPECT_EQ(indexOf(11), -1);
    EXPECT_EQ(m_league->players.size(), 2u);
    EXPECT_EQ(team(0).rosterId(1), -1);
    EXPECT_EQ(team(0).rosterId(2), 12);
    EXPECT_EQ(findHistory(m_league->playerHistories, 11), nullptr);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::MajorVsL, 4).playerId, -1);
    EXPECT_EQ(m_league->currentPlayer, nullptr);
    EXPECT_EQ(m_league->currentHistory, nullptr);
    EXPECT_EQ(m_league->loadedPlayerCount, 2);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(CreationTest, DeletingAFreeAgentTouchesNoRoster) {
    add({.id = 10, .team = 0});
    add({.id = 20, .team = 255});
    std::vector<TeamRecord> before;
    for (int t = 0; t < m_league->teamCount(); ++t) {
        before.push_back(team(t));
    }
    m_ask.answerYesNo(true);
    EXPECT_TRUE(deletePlayer(*m_league, indexOf(20), m_ask).deleted);
    for (int t = 0; t < m_league->teamCount(); ++t) {
        EXPECT_EQ(team(t).bytes(), before[static_cast<std::size_t>(t)].bytes());
    }
}

TEST_F(CreationTest, ADeletedPlayerLeavesTheExportPoolWithHisHistory) {
    add({.id = 10, .team = 0});
    add({.id = 11, .team = 255});
    add({.id = 12, .team = 1});
    for (const std::uint16_t id : {10, 11, 12}) {
        m_league->exportPool.push_back({&player(id), findHistory(m_league->playerHistories, id)});
    }
    m_ask.answerYesNo(true);
    deletePlayer(*m_league, indexOf(11), m_ask);
    ASSERT_EQ(m_league->exportPool.size(), 2u);
    EXPECT_EQ(m_league->exportPool[0].player, &player(10));
    EXPECT_EQ(m_league->exportPool[1].player, &player(12));
    EXPECT_EQ(m_league->exportPool[0].history->key, 10);
    EXPECT_EQ(m_league->exportPool[1].history->key, 12);
}

TEST_F(CreationTest, APoolMemberSharingTheDeletedIdKeepsAHistoryOfHisId) {
    add({.id = 10, .team = 0});
    add({.id = 10, .team = 255});  // the same id: both pool entries name the first block
    StatHistory* shared = findHistory(m_league->playerHistories, 10);
    m_league->exportPool = {{m_league->players[1].get(), shared}};
    m_ask.answerYesNo(true);
    deletePlayer(*m_league, 0, m_ask);
    ASSERT_EQ(m_league->exportPool.size(), 1u);
    // The block the pool named went with the first player; the member now names the block
    // his id finds.
    EXPECT_EQ(m_league->exportPool[0].history, findHistory(m_league->playerHistories, 10));
    ASSERT_NE(m_league->exportPool[0].history, nullptr);
}

TEST_F(CreationTest, DeletingAllTheGridRemovesThePlayersFromTheHighestIndexDown) {
    for (std::uint16_t id = 10; id < 16; ++id) {
        add({.id = id, .team = 0, .position = 3});
    }
    add({.id = 30, .team = 1});
    setLineup(0, LineupKind::AA, 2, 13, 3);
    setLineup(0, LineupKind::AA, 3, 14, 3);
    // The grid's rows in any order: 1, 3, 5 (players 11, 13, 15) and 4 (player 14).
    const std::vector<int> rows = {3, 1, 5, 4};
    m_ask.answerYesNo(true);
    EXPECT_EQ(deleteAllInGrid(*m_league, rows, m_ask), 4);
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{"Are you sure you want to delete ALL the players in the grid ?"});

    std::vector<int> remaining;
    for (const auto& p : m_league->players) {
        remaining.push_back(p->playerId());
    }
    EXPECT_EQ(remaining, (std::vector<int>{10, 12, 30}));
    for (const int id : {11, 13, 14, 15}) {
        EXPECT_EQ(rosterCount(0, id), 0);
        EXPECT_EQ(findHistory(m_league->playerHistories, id), nullptr);
    }
    EXPECT_EQ(team(0).rosterId(1), -1);
    EXPECT_EQ(team(0).rosterId(2), 12);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::AA, 2).playerId, -1);
    EXPECT_EQ(team(0).lineupSlot(LineupKind::AA, 3).playerId, -1);
    EXPECT_EQ(rosterCount(1, 30), 1);
}

TEST_F(CreationTest, DeletingAllAnsweredNoKeepsEveryone) {
    add({.id = 10, .team = 0});
    m_ask.answerYesNo(false);
    const std::vector<int> rows = {0};
    EXPECT_EQ(deleteAllInGrid(*m_league, rows, m_ask), 0);
    EXPECT_EQ(m_league->players.size(), 1u);
    EXPECT_FALSE(m_league->changed());
}

TEST_F(CreationTest, TheConvertedSeasonFixSetsDayTwelve) {
    m_league->seasonHeader.set(sh::seasonDay, std::uint16_t{300});
    convertedSeasonFix(*m_league, m_ask);
    EXPECT_EQ(m_league->seasonHeader.get(sh::seasonDay), 12);
    EXPECT_EQ(m_ask.texts(), std::vector<std::string>{"Done"});
    EXPECT_TRUE(m_league->changed());
}

}  // namespace
}  // namespace zt::test

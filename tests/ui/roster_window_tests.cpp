// The roster commands of the main window: the grid's pop-up menu, creating and deleting
// players, the human-team box and the default team, and what a save keeps of them.
#include <QCheckBox>
#include <QLabel>
#include <QMenu>

#include "league/league_io.h"
#include "league/ui/qt_text.h"
#include "players/player_grid.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "roster_window_fixture.h"

namespace zt::test {
namespace {

using RosterWindowCommandsTest = RosterWindowTest;

QStringList itemTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* item : menu->actions()) {
        if (!item->isSeparator()) {
            texts << item->text();
        }
    }
    return texts;
}

TEST_F(RosterWindowCommandsTest, ThePopUpMenuLeadsWithTheRosterCommandsInOrder) {
    const QStringList texts = itemTexts(m_window->gridPopup());
    const QStringList expected = {QStringLiteral("Remove from Team roster"),
                                  QStringLiteral("Move to"),
                                  QStringLiteral("Transfer To"),
                                  QStringLiteral("Level swap"),
                                  QStringLiteral("New Player Clone"),
                                  QStringLiteral("Delete Player"),
                                  QStringLiteral("Delete ALL players in the grid")};
    ASSERT_GE(texts.size(), expected.size());
    EXPECT_EQ(texts.mid(0, expected.size()), expected);
    EXPECT_EQ(itemTexts(child<QMenu>("MoveTo1")),
              (QStringList{QStringLiteral("ML"),
                           QStringLiteral("AAA"),
                           QStringLiteral("AA"),
                           QStringLiteral("Rookie"),
                           QStringLiteral("Disabled List"),
                           QStringLiteral("Inactive List")}));
    EXPECT_EQ(action("MoveIL1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_6));
    EXPECT_EQ(action("MoveML1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_1));
    EXPECT_EQ(itemTexts(child<QMenu>("LevelSwap1")),
              (QStringList{QStringLiteral("Majors-AAA"), QStringLiteral("Majors-AA"), QStringLiteral("Majors-A")}));
    EXPECT_EQ(action("CreatePlayer1")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(action("DeletePlayer1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_TRUE(action("CreatePlayer1")->isEnabled());
    EXPECT_TRUE(action("ConvertedSeasonFix1")->isEnabled());
}

TEST_F(RosterWindowCommandsTest, TheFirstItemFollowsTheCurrentRowAndTogglesMembership) {
    showTeam(4);
    const int member =
        findPlayer([&](const PlayerRecord& p) { return p.teamIndex() == 4 && league().isOnRoster(p, 4); });
    ASSERT_GE(member, 0);
    selectRows({member});
    QAction* toggle = action("RosterMembership1");
    EXPECT_EQ(toggle->text(), QStringLiteral("Remove from Team roster"));
    toggle->trigger();
    EXPECT_FALSE(league().isOnRoster(playerAt(member), 4));
    EXPECT_EQ(toggle->text(), QStringLiteral("Insert in Team roster"));
    EXPECT_EQ(grid().model()->index(grid().model()->rowOfPlayer(member), kGridRosterColumn).data().toString(),
              QStringLiteral("N"));
    toggle->trigger();
    EXPECT_TRUE(league().isOnRoster(playerAt(member), 4));
    EXPECT_TRUE(league().changed());
}

TEST_F(RosterWindowCommandsTest, SelectedRowsMoveToALevelAndTheirRowsShowIt) {
    showTeam(1);
    const std::vector<int> listed = listedPlayers();
    ASSERT_GE(listed.size(), 5u);
    const std::vector<int> chosen = {listed[1], listed[3], listed[4]};
    const int untouchedLevel = playerAt(listed[2]).level();
    selectRows(chosen);
    ASSERT_EQ(grid().selectedPlayerIndexes().size(), 3u);
    action("MoveDL1")->trigger();
    for (const int index : chosen) {
        EXPECT_EQ(playerAt(index).level(), 7);
        const int row = grid().model()->rowOfPlayer(index);
        EXPECT_EQ(grid().model()->index(row, kGridLevelColumn).data().toString(), QStringLiteral("DL"));
        // No lineup or rotation of the majors keeps a player on the disabled list.
        for (int kind = 0; kind < 4; ++kind) {
            for (int slot = 0; slot < kLineupSlots; ++slot) {
                EXPECT_NE(league().teams[1].record.lineupSlot(static_cast<LineupKind>(kind), slot).playerId,
                          playerAt(index).playerId());
            }
        }
    }
    EXPECT_EQ(playerAt(listed[2]).level(), untouchedLevel);
    EXPECT_TRUE(league().changed());
}

TEST_F(RosterWindowCommandsTest, TransferredPlayersLeaveTheListedTeam) {
    showTeam(6);
    EXPECT_TRUE(action("TFreeAgents1")->isEnabled());
    const std::vector<int> listed = listedPlayers();
    ASSERT_GE(listed.size(), 3u);
    const std::vector<int> chosen = {listed[0], listed[2]};
    selectRows(chosen);
    action("TTeam9")->trigger();
    for (const int index : chosen) {
        EXPECT_EQ(playerAt(index).teamIndex(), 9);
        EXPECT_TRUE(league().isOnRoster(playerAt(index), 9));
        EXPECT_EQ(grid().model()->rowOfPlayer(index), -1);
    }
    EXPECT_EQ(grid().shownTeam(), 6);

    selectRows({listedPlayers().front()});
    const int released = listedPlayers().front();
    action("TFreeAgents1")->trigger();
    EXPECT_EQ(playerAt(released).teamIndex(), kFreeAgentTeam);

    action("FreeAgents1")->trigger();
    EXPECT_FALSE(action("TFreeAgents1")->isEnabled());
    EXPECT_TRUE(action("TTeam9")->isEnabled());
}

TEST_F(RosterWindowCommandsTest, CreatePlayerAddsANamedCloneFirstAmongTheFreeAgents) {
    showTeam(3);
    const PlayerRecord source = *league().currentPlayer;
    const std::size_t players = league().players.size();
    m_interaction.answerPrompt(std::string("Jean"));
    m_interaction.answerPrompt(std::nullopt);
    action("CreatePlayer1")->trigger();

    ASSERT_EQ(league().players.size(), players + 1);
    const PlayerRecord& clone = *league().players.back();
    EXPECT_EQ(clone.get(pf::firstName), "Jean");
    EXPECT_EQ(clone.get(pf::lastName), source.get(pf::lastName));
    EXPECT_EQ(clone.teamIndex(), kFreeAgentTeam);
    EXPECT_EQ(m_interaction.texts().back(),
              "A new player named Jean " + source.get(pf::lastName) + " has been added to the free agents list");
    EXPECT_EQ(child<QLabel>("lblteam")->text(), QStringLiteral("Free Agents"));
    EXPECT_EQ(grid().currentPlayerIndex(), static_cast<int>(players));
    EXPECT_EQ(listedPlayers().front(), static_cast<int>(players));
    EXPECT_EQ(league().currentPlayer, &clone);
}

TEST_F(RosterWindowCommandsTest, DeletePlayerAsksAndRefreshesTheTeam) {
    showTeam(5);
    const int index = grid().currentPlayerIndex();
    ASSERT_GE(index, 0);
    const std::uint16_t id = playerAt(index).playerId();
    const std::string question = "Are you sure you want to delete " + playerAt(index).get(pf::firstName) + " " +
                                 playerAt(index).get(pf::lastName) + " ?";
    const std::size_t rows = listedPlayers().size();

    m_interaction.answerYesNo(false);
    action("DeletePlayer1")->trigger();
    EXPECT_EQ(league().findPlayerById(id), &playerAt(index));

    m_interaction.answerYesNo(true);
    action("PopupDeletePlayer1")->trigger();
    EXPECT_EQ(m_interaction.texts(), (std::vector<std::string>{question, question}));
    EXPECT_EQ(league().findPlayerById(id), nullptr);
    EXPECT_EQ(listedPlayers().size(), rows - 1);
    EXPECT_EQ(grid().shownTeam(), 5);
    ASSERT_NE(league().currentPlayer, nullptr);
    EXPECT_EQ(league().currentPlayer->teamIndex(), 5);
}

TEST_F(RosterWindowCommandsTest, APlayerDeletedFromTheExportPoolLeavesIt) {
    const std::vector<int> members = {3, 40, 77};
    for (const int index : members) {
        league().exportPool.push_back(
            {&playerAt(index), findHistory(league().playerHistories, playerAt(index).playerId())});
    }
    m_window->showExportPool();
    ASSERT_TRUE(grid().showsExportPool());
    selectRows({40});
    const std::uint16_t id = playerAt(40).playerId();
    m_interaction.answerYesNo(true);
    action("PopupDeletePlayer1")->trigger();

    EXPECT_EQ(league().findPlayerById(id), nullptr);
    ASSERT_EQ(league().exportPool.size(), 2u);
    EXPECT_EQ(league().exportPool[1].history->key, league().exportPool[1].player->playerId());
    EXPECT_TRUE(grid().showsExportPool());
    EXPECT_EQ(listedPlayers().size(), 2u);
}

TEST_F(RosterWindowCommandsTest, DeleteAllEmptiesTheGridAndShowsTheFreeAgents) {
    showTeam(8);
    grid().setLevelFilterIndex(2);  // "AAA"
    action("Team8")->trigger();
    std::vector<std::uint16_t> ids;
    for (const int index : listedPlayers()) {
        ids.push_back(playerAt(index).playerId());
    }
    ASSERT_FALSE(ids.empty());
    m_interaction.answerYesNo(true);
    action("DeleteAllPlayers1")->trigger();
    for (const std::uint16_t id : ids) {
        EXPECT_EQ(league().findPlayerById(id), nullptr);
        for (int slot = 0; slot < kRosterSize; ++slot) {
            EXPECT_NE(league().teams[8].record.rosterId(slot), id);
        }
    }
    EXPECT_EQ(child<QLabel>("lblteam")->text(), QStringLiteral("Free Agents"));
    EXPECT_EQ(grid().shownTeam(), kFreeAgentTeam);
    EXPECT_FALSE(action("TFreeAgents1")->isEnabled());
}

TEST_F(RosterWindowCommandsTest, TheHumanBoxStoresTheFlagForTeamsOnly) {
    showTeam(2);
    auto* box = child<QCheckBox>("humanbox");
    box->click();
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(league().teams[2].record.get(tf::humanControlled), 1);
    EXPECT_TRUE(league().changed());

    action("FreeAgents1")->trigger();
    box->click();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(league().teams[2].record.get(tf::humanControlled), 1);

    showTeam(2);
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_EQ(league().teams[2].record.get(tf::humanControlled), 0);
}

TEST_F(RosterWindowCommandsTest, MakeThisTeamDefaultKeepsTheTeamAndItsCaption) {
    showTeam(7);
    action("MakeDefault1")->trigger();
    EXPECT_EQ(m_window->settings().defaultTeam, 7);
    EXPECT_EQ(m_window->settings().defaultTeamName, ui::toLeagueText(child<QLabel>("lblteam")->text()));
    EXPECT_TRUE(action("MakeDefault1")->isChecked());
    showTeam(1);
    EXPECT_FALSE(action("MakeDefault1")->isChecked());
}

TEST_F(RosterWindowCommandsTest, SwapAndFixReachTheFilesAfterASave) {
    showTeam(3);
    const std::int32_t majorsStarter = league().teams[3].record.rotationSlot(0, 0);
    const std::int32_t aaaStarter = league().teams[3].record.rotationSlot(1, 0);
    m_interaction.answerYesNo(true);
    action("SwapAAA1")->trigger();
    EXPECT_EQ(m_interaction.texts().back(), "Swap Majors rosters with AAA rosters ?");
    action("ConvertedSeasonFix1")->trigger();
    EXPECT_EQ(m_interaction.texts().back(), "Done");
    showTeam(6);
    selectRows({listedPlayers().at(1)});
    const std::uint16_t traded = league().currentPlayer->playerId();
    action("TTeam0")->trigger();

    action("Save1")->trigger();
    const auto reopened = openLeague(league().selectedFile);
    const TeamRecord& team = reopened->teams[3].record;
    EXPECT_EQ(team.rotationSlot(0, 0), aaaStarter);
    EXPECT_EQ(team.rotationSlot(1, 0), majorsStarter);
    EXPECT_EQ(reopened->seasonHeader.get(sh::seasonDay), 12);
    EXPECT_EQ(reopened->findPlayerById(traded)->teamIndex(), 0);
    EXPECT_TRUE(reopened->isOnRoster(*reopened->findPlayerById(traded), 0));
    for (std::size_t i = 0; i < reopened->players.size(); ++i) {
        EXPECT_EQ(reopened->players[i]->bytes(), league().players[i]->bytes());
    }
    EXPECT_EQ(team.bytes(), league().teams[3].record.bytes());
}

}  // namespace
}  // namespace zt::test

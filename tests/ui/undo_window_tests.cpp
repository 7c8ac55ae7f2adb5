// Edit > Undo and Redo in the main window, over a sequence of the commands that change a league.
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <map>

#include "app/season_commands.h"
#include "league/undo_stack.h"
#include "players/ui/player_grid_panel.h"
#include "roster_window_fixture.h"
#include "season/ui/team_info_window.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

class UndoWindowTest : public RosterWindowTest {
protected:
    std::filesystem::path leagueFolder() { return league().leagueDir; }
    void save() { action("Save1")->trigger(); }
    std::size_t undoAll() {
        std::size_t steps = 0;
        while (action("Undo1")->isEnabled()) {
            action("Undo1")->trigger();
            ++steps;
        }
        return steps;
    }
    std::size_t redoAll() {
        std::size_t steps = 0;
        while (action("Redo1")->isEnabled()) {
            action("Redo1")->trigger();
            ++steps;
        }
        return steps;
    }

    // Each command below changes the league once, as a user would.
    void runEditingSequence() {
        showTeam(1);
        std::vector<int> listed = listedPlayers();
        selectRows({listed[1]});
        type("editnom", QStringLiteral("Undoable"));
        apply();  // APPLY
        selectRows({listed[2], listed[3]});
        action("MoveDL1")->trigger();  // a level move
        selectRows({listed[4]});
        action("TTeam9")->trigger();  // a transfer
        selectRows({listed[5]});
        action("RosterMembership1")->trigger();                 // a roster toggle
        auto* teamInfo = app::createTeamInfoWindow(*m_window);  // a team edit
        ASSERT_NE(teamInfo, nullptr);
        teamInfo->show();
        teamInfo->findChild<QLineEdit*>(QStringLiteral("Edit5"))->setText(QStringLiteral("97"));
        teamInfo->findChild<QPushButton*>(QStringLiteral("btok"))->click();
        delete teamInfo;
        m_interaction.answerPrompt(std::string("Clone"));
        m_interaction.answerPrompt(std::nullopt);
        action("CreatePlayer1")->trigger();  // a creation (shows the free agents)
        selectRows({listedPlayers()[1]});
        m_interaction.answerYesNo(true);
        action("DeletePlayer1")->trigger();  // a deletion
    }
};

TEST_F(UndoWindowTest, UndoingEveryCommandSavesTheOriginalFilesAndRedoingSavesTheEditedOnes) {
    const auto original = snapshotWithoutBackups(leagueFolder());
    EXPECT_FALSE(action("Undo1")->isEnabled());
    runEditingSequence();
    ASSERT_TRUE(league().changed());
    save();
    const auto edited = snapshotWithoutBackups(leagueFolder());
    ASSERT_NE(edited, original);

    EXPECT_EQ(undoAll(), 7u) << "one step per command";
    EXPECT_TRUE(league().changed()) << "the files hold the edited league";
    save();
    EXPECT_EQ(snapshotWithoutBackups(leagueFolder()), original);

    EXPECT_EQ(redoAll(), 7u);
    save();
    EXPECT_EQ(snapshotWithoutBackups(leagueFolder()), edited);
}

TEST_F(UndoWindowTest, UndoBackToTheOpenedLeagueLeavesItUnchangedAndTheViewsFollow) {
    showTeam(3);
    selectRows({listedPlayers()[2]});
    const int player = grid().currentPlayerIndex();
    const QString name = text("editnom");
    type("editnom", QStringLiteral("Changed"));
    apply();
    ASSERT_TRUE(league().changed());

    action("Undo1")->trigger();
    EXPECT_FALSE(league().changed());
    EXPECT_EQ(text("editnom"), name) << "the editor shows the player as he was";
    EXPECT_EQ(grid().shownTeam(), 3);
    EXPECT_EQ(grid().currentPlayerIndex(), player);
    EXPECT_TRUE(action("Redo1")->isEnabled());
    EXPECT_EQ(m_window->statusBar()->currentMessage(), QStringLiteral("Undone"));

    action("Redo1")->trigger();
    EXPECT_EQ(text("editnom"), QStringLiteral("Changed"));
    EXPECT_TRUE(league().changed());
}

TEST_F(UndoWindowTest, UndoOfACreationDropsThePlayerTheEditorShowed) {
    showTeam(4);
    const std::size_t players = league().players.size();
    m_interaction.answerPrompt(std::string("Temp"));
    m_interaction.answerPrompt(std::nullopt);
    action("CreatePlayer1")->trigger();
    ASSERT_EQ(league().players.size(), players + 1);
    ASSERT_EQ(league().currentPlayer, league().players.back().get());

    action("Undo1")->trigger();
    EXPECT_EQ(league().players.size(), players);
    ASSERT_NE(league().currentPlayer, nullptr) << "another player is shown";
    EXPECT_NE(text("editprenom"), QStringLiteral("Temp"));
}

TEST_F(UndoWindowTest, TheKeysCollideWithNoOtherShortcut) {
    EXPECT_EQ(action("Undo1")->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    EXPECT_EQ(action("Redo1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(action("DeletePlayer1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    // The same command in the menu and in the grid's pop-up may share its key; nothing else.
    std::map<QString, QString> commands;
    for (const QAction* item : m_window->findChildren<QAction*>()) {
        for (const QKeySequence& key : item->shortcuts()) {
            const auto [owner, fresh] = commands.emplace(key.toString(), item->text());
            EXPECT_TRUE(fresh || owner->second == item->text())
                << key.toString().toStdString() << " is both " << owner->second.toStdString() << " and "
                << item->text().toStdString();
        }
    }
}

}  // namespace
}  // namespace zt::test

// Rosters in the main window: the grid's pop-up commands (roster membership, "Move to",
// "Transfer To", "Level swap", cloning and deleting), the Edit menu's player commands, the
// human-team box, the default team, and the lineup page with its checks.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QVBoxLayout>

#include "app/command_modules.h"
#include "app/main_window.h"
#include "app/team_menus.h"
#include "league/codes.h"
#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/player_grid.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"
#include "rosters/level_commands.h"
#include "rosters/lineup_check.h"
#include "rosters/player_creation.h"
#include "rosters/roster_rules.h"
#include "rosters/roster_status.h"
#include "rosters/team_commands.h"
#include "rosters/transfers.h"
#include "rosters/ui/lineup_page.h"

namespace zt::app {

namespace {

constexpr char kInjuredDragMessage[] = "You can't put an injured player in the starting lineup";

// The state the roster commands share; a child of the window, so it lives as long as the menus.
class RosterCommands final : public QObject {
public:
    explicit RosterCommands(TForm1& window) : QObject(&window), m_window(window) {}

    void install();

private:
    League* league() const { return m_window.league(); }
    ui::PlayerGridPanel* grid() const { return m_window.gridPanel(); }
    Interaction& interaction() const { return m_window.interaction(); }
    QAction* transferFreeAgents() const { return m_window.menu().transferFreeAgents; }

    void buildPopup();
    void connectWindow();
    // Runs a command on the open league (none: nothing to do) through the window's boundary.
    template <class Command>
    void guarded(Command command);

    void toggleRoster();
    void moveTo(int level);
    void transfer(int destination);
    void swap(int level);
    void clone();
    void deleteCurrent();
    void deleteAll();
    void makeDefault();
    void humanBoxClicked(bool checked);
    void playerApplied(PlayerRecord* player);
    void teamShown(int team);

    void updateRosterCaption();
    // The current player shown again in the editor and his row, after a command changed him.
    void reselectCurrent();
    // The editor's role and "Tr. Pos." follow the current player after a lineup edit.
    void showEditedRoles();
    void refreshRows(const std::vector<int>& playerIndexes);
    // Lists a team again after its players changed; the export pool stays the pool.
    void redisplay(int team);

    TForm1& m_window;
    ui::LineupPage* m_page = nullptr;
    QAction* m_rosterToggle = nullptr;
};

template <class Command>
void RosterCommands::guarded(Command command) {
    if (league() == nullptr) {
        return;
    }
    ui::runCommand(interaction(), [&] { command(*league()); });
}

void RosterCommands::install() {
    QWidget* container = m_window.playerEditor()->lineupPage();
    auto* layout = qobject_cast<QVBoxLayout*>(container->layout());
    if (layout == nullptr) {
        layout = new QVBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    m_page = new ui::LineupPage(container);
    layout->addWidget(m_page);
    m_page->setInteraction([this] { return &interaction(); });

    buildPopup();
    connectWindow();
}

void RosterCommands::buildPopup() {
    QMenu* popup = m_window.gridPopup();
    // The roster commands lead the pop-up menu, whatever other modules added before.
    QAction* before = popup->actions().isEmpty() ? nullptr : popup->actions().first();
    const auto addItem = [&](QMenu* menu, const char* name, const QString& caption) {
        auto* item = new QAction(caption, menu);
        item->setObjectName(QString::fromLatin1(name));
        if (menu == popup) {
            popup->insertAction(before, item);
        } else {
            menu->addAction(item);
        }
        m_window.addLeagueCommand(item);
        return item;
    };
    const auto addSubMenu = [&](const char* name, const QString& caption) {
        auto* menu = new QMenu(caption, popup);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(menu->objectName());
        popup->insertMenu(before, menu);
        return menu;
    };

    m_rosterToggle = addItem(popup, "RosterMembership1", QStringLiteral("Insert in Team roster"));
    connect(m_rosterToggle, &QAction::triggered, this, m_window.command([this] { toggleRoster(); }));

    QMenu* moveMenu = addSubMenu("MoveTo1", QStringLiteral("Move to"));
    static constexpr std::array<const char*, kMoveToItemCount> kMoveNames = {
        "MoveML1", "MoveAAA1", "MoveAA1", "MoveRookie1", "MoveDL1", "MoveIL1"};
    for (std::size_t i = 0; i < moveToItems().size(); ++i) {
        const MoveToItem& move = moveToItems()[i];
        QAction* item = addItem(moveMenu, kMoveNames[i], ui::fromLeagueText(move.caption));
        item->setShortcut(QKeyCombination(Qt::ControlModifier, static_cast<Qt::Key>(Qt::Key_0 + move.shortcutDigit)));
        // The shortcut works while the pop-up menu is closed, too.
        m_window.addAction(item);
        const int level = move.level;
        connect(item, &QAction::triggered, this, m_window.command([this, level] { moveTo(level); }));
    }

    popup->insertMenu(before, m_window.transferMenu());
    connect(transferFreeAgents(), &QAction::triggered, this, m_window.command([this] { transfer(kFreeAgentTeam); }));
    connect(&m_window, &TForm1::transferRequested, this, m_window.command([this](int team) { transfer(team); }));

    QMenu* swapMenu = addSubMenu("LevelSwap1", QStringLiteral("Level swap"));
    static constexpr std::array<const char*, kLevelSwapItemCount> kSwapNames = {"SwapAAA1", "SwapAA1", "SwapA1"};
    for (std::size_t i = 0; i < levelSwapItems().size(); ++i) {
        const int level = levelSwapItems()[i].level;
        QAction* item = addItem(swapMenu, kSwapNames[i], ui::fromLeagueText(levelSwapItems()[i].caption));
        connect(item, &QAction::triggered, this, m_window.command([this, level] { swap(level); }));
    }

    QAction* cloneItem = addItem(popup, "NewPlayerClone1", QStringLiteral("New Player Clone"));
    connect(cloneItem, &QAction::triggered, this, m_window.command([this] { clone(); }));
    QAction* deleteItem = addItem(popup, "PopupDeletePlayer1", QStringLiteral("Delete Player"));
    connect(deleteItem, &QAction::triggered, this, m_window.command([this] { deleteCurrent(); }));
    QAction* deleteAllItem = addItem(popup, "DeleteAllPlayers1", QStringLiteral("Delete ALL players in the grid"));
    connect(deleteAllItem, &QAction::triggered, this, m_window.command([this] { deleteAll(); }));
}

void RosterCommands::connectWindow() {
    const MainMenu& menu = m_window.menu();
    for (QAction* action : {menu.createPlayer, menu.deletePlayer, menu.convertedSeasonFix, menu.makeDefaultTeam}) {
        m_window.addLeagueCommand(action);
    }
    connect(menu.createPlayer, &QAction::triggered, this, m_window.command([this] { clone(); }));
    connect(menu.deletePlayer, &QAction::triggered, this, m_window.command([this] { deleteCurrent(); }));
    connect(menu.convertedSeasonFix, &QAction::triggered, this, m_window.command([this] {
        guarded([this](League& league) { convertedSeasonFix(league, interaction()); });
    }));
    connect(menu.makeDefaultTeam, &QAction::triggered, this, m_window.command([this] { makeDefault(); }));
    connect(menu.colorUnfilled, &QAction::triggered, m_page, m_window.command([this] { m_page->refresh(); }));

    connect(&m_window, &TForm1::leagueOpened, this, [this] { m_page->setLeague(league(), &m_window.settings()); });
    connect(&m_window, &TForm1::leagueClosed, this, [this] { m_page->setLeague(nullptr, &m_window.settings()); });
    connect(&m_window, &TForm1::teamShown, this, m_window.command([this](int team) { teamShown(team); }));
    connect(grid(), &ui::PlayerGridPanel::playerSelected, this, m_window.command([this] { updateRosterCaption(); }));
    connect(grid(), &ui::PlayerGridPanel::humanBoxToggled, this, m_window.command([this](bool checked) {
        humanBoxClicked(checked);
    }));
    connect(m_window.playerEditor(),
            &ui::PlayerEditor::playerApplied,
            this,
            m_window.command([this](PlayerRecord* player) { playerApplied(player); }));
    connect(m_page, &ui::LineupPage::lineupsChecked, this, m_window.command([this] { reselectCurrent(); }));
    connect(m_page, &ui::LineupPage::playersEdited, this, m_window.command([this] { showEditedRoles(); }));
    connect(m_page, &ui::LineupPage::dropRefused, this, [this](const QString& why) {
        m_window.showStatus(why.toStdString());
    });

    // An injured player is stopped while dragged over the grid; the message waits until the
    // drag has ended.
    grid()->view()->setDragRefusal([this](int playerIndex) {
        const League* open = league();
        return open != nullptr && playerIndex >= 0 && static_cast<std::size_t>(playerIndex) < open->players.size() &&
               open->players[static_cast<std::size_t>(playerIndex)]->get(pf::daysOut) != 0;
    });
    connect(grid()->view(),
            &ui::PlayerGridView::playerDragRefused,
            this,
            m_window.command([this] { interaction().information(kInjuredDragMessage); }),
            Qt::QueuedConnection);
}

void RosterCommands::teamShown(int team) {
    // Players of a team may go to the free agents and to any team; free agents to any team.
    if (team < kFirstNonTeamView || team == kFreeAgentTeam) {
        for (QAction* item : m_window.teamMenus().transferTeamActions()) {
            item->setEnabled(true);
        }
        transferFreeAgents()->setEnabled(team != kFreeAgentTeam);
    }
    if (team < kFirstNonTeamView) {
        m_page->showLineups(team);
    }
}

void RosterCommands::updateRosterCaption() {
    const League* open = league();
    if (open != nullptr && open->currentPlayer != nullptr) {
        m_rosterToggle->setText(ui::fromLeagueText(rosterToggleCaption(*open, *open->currentPlayer)));
    }
}

void RosterCommands::reselectCurrent() {
    const League* open = league();
    if (open == nullptr || open->currentPlayer == nullptr) {
        return;
    }
    m_window.playerEditor()->loadPlayer(*open->currentPlayer);
    grid()->refreshCurrentRow();
    grid()->repaintRows();
    updateRosterCaption();
}

void RosterCommands::showEditedRoles() {
    const League* open = league();
    if (open == nullptr || open->currentPlayer == nullptr) {
        return;
    }
    // Only these two combos: other pending edits in the editor stay as typed, and APPLY then
    // stores the role and position the drop gave rather than the ones shown before.
    m_window.playerEditor()->showRoleAndSecondPosition(*open->currentPlayer);
}

void RosterCommands::refreshRows(const std::vector<int>& playerIndexes) {
    ui::PlayerGridModel* model = grid()->model();
    for (const int index : playerIndexes) {
        const int row = model->rowOfPlayer(index);
        if (row < 0 || static_cast<std::size_t>(index) >= league()->players.size()) {
            continue;
        }
        PlayerGridRow fresh = playerGridRow(*league(), index);
        if (model->levelColumnHoldsValues()) {
            fresh.texts[kGridLevelColumn] = model->rowAt(row)->texts[kGridLevelColumn];
        }
        model->replaceRow(row, std::move(fresh));
    }
}

void RosterCommands::redisplay(int team) {
    if (grid()->showsExportPool()) {
        m_window.showExportPool();
    } else {
        m_window.fillGrid(team, grid()->levelFilter());
    }
}

void RosterCommands::toggleRoster() {
    guarded([this](League& league) {
        if (league.currentPlayer == nullptr) {
            return;
        }
        toggleRosterMembership(league, *league.currentPlayer);
        grid()->repaintRows();
        updateRosterCaption();
    });
}

void RosterCommands::moveTo(int level) {
    guarded([this, level](League& league) {
        const std::vector<int> selection = grid()->selectedPlayerIndexes();
        if (selection.empty()) {
            return;
        }
        moveToLevel(league, selection, level, interaction());
        m_window.showStatus(moveStatus(static_cast<int>(selection.size()), level));
        // Under a level filter the moved players no longer belong in the list: list it again.
        if (grid()->levelFilter() != kAllLevels && !grid()->inSearchMode() && !grid()->showsExportPool()) {
            m_window.fillGrid(grid()->shownTeam(), grid()->levelFilter());
            return;
        }
        refreshRows(selection);
        reselectCurrent();
        if (league.currentPlayer != nullptr && league.currentPlayer->teamIndex() < kFirstNonTeamView) {
            m_page->refresh();
        }
    });
}

void RosterCommands::transfer(int destination) {
    guarded([this, destination](League& league) {
        const std::vector<int> selection = grid()->selectedPlayerIndexes();
        if (selection.empty()) {
            return;
        }
        const TransferResult result = transferPlayers(league, selection, destination, interaction());
        m_window.showStatus(transferStatus(league, result, destination));
        if (result.lastOldTeam >= 0) {
            redisplay(result.lastOldTeam);
        }
    });
}

void RosterCommands::swap(int level) {
    guarded([this, level](League& league) {
        if (league.currentPlayer == nullptr) {
            return;
        }
        const int team = league.currentPlayer->teamIndex();
        if (swapLevels(league, team, level, interaction())) {
            m_window.fillGrid(team, grid()->levelFilter());
        }
    });
}

void RosterCommands::clone() {
    guarded([this](League& league) {
        if (league.currentPlayer == nullptr) {
            return;
        }
        const int team = league.currentPlayer->teamIndex();
        for (QAction* item : m_window.teamMenus().transferTeamActions()) {
            if (item->data().toInt() == team) {
                item->setEnabled(true);
            }
        }
        if (!clonePlayer(league, interaction())) {
            return;
        }
        // The free agents, newest first, with the new player selected.
        m_window.showFreeAgents();
        grid()->sortBy(kGridIndexColumn, SortOrder::Descending);
        grid()->view()->selectOnlyRow(0);
    });
}

void RosterCommands::deleteCurrent() {
    guarded([this](League& league) {
        const int index = grid()->currentPlayerIndex();
        if (index < 0) {
            return;
        }
        const DeleteResult result = deletePlayer(league, index, interaction());
        if (result.deleted) {
            redisplay(isTransferDestination(league, result.team) ? result.team : grid()->shownTeam());
        }
    });
}

void RosterCommands::deleteAll() {
    guarded([this](League& league) {
        std::vector<int> indexes;
        for (const PlayerGridRow& row : grid()->model()->rows()) {
            indexes.push_back(row.playerIndex);
        }
        if (indexes.empty()) {
            return;
        }
        if (deleteAllInGrid(league, indexes, interaction()) == 0) {
            return;
        }
        grid()->sortBy(kGridIndexColumn, SortOrder::Descending);
        m_window.showFreeAgents();
    });
}

void RosterCommands::makeDefault() {
    guarded([this](League& league) {
        const bool checked = makeDefaultTeam(m_window.settings(), league, ui::toLeagueText(grid()->teamCaption()));
        m_window.menu().makeDefaultTeam->setChecked(checked);
    });
}

void RosterCommands::humanBoxClicked(bool checked) {
    guarded([this, checked](League& league) {
        if (!applyHumanFlag(league, ui::toLeagueText(grid()->teamCaption()), checked)) {
            grid()->setHumanChecked(false);
        }
    });
}

void RosterCommands::playerApplied(PlayerRecord* player) {
    guarded([this, player](League& league) {
        if (player == nullptr || player->teamIndex() > kFirstNonTeamView) {
            return;
        }
        const int team = player->teamIndex();
        checkLineups(league, team, interaction());
        reselectCurrent();
        if (team == m_page->shownTeam()) {
            m_page->refresh();
        }
    });
}

}  // namespace

void installRosterCommands(TForm1& window) {
    auto* commands = new RosterCommands(window);
    commands->install();
}

}  // namespace zt::app

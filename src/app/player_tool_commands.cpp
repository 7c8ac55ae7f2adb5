// Player tools in the main window: the history page of the player editor, the export pool marks
// of the grid (pop-up, Ctrl+E, double-click), File > Import Players and Export Players, Edit >
// Free Export Pool and Create missing stats entries, and Net League > Export / Import team
// rosters management.
#include "app/player_tool_commands.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QVBoxLayout>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/main_window.h"
#include "app/report_commands.h"
#include "league/codes.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/export_pool.h"
#include "players/history_editing.h"
#include "players/player_grid.h"
#include "players/transfer_file.h"
#include "players/ui/history_page.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_model.h"
#include "players/ui/player_grid_panel.h"
#include "rosters/player_import.h"
#include "rosters/rosters_file.h"
#include "season/ui/import_destination_dialog.h"

namespace zt::app {

namespace {

constexpr char kTransferDialogFilter[] = "All files (*)";
constexpr char kRostersFilter[] = "ZEVive Rosters files (*.ssr)";
constexpr char kExportCaption[] = "Export team rosters";
constexpr char kImportCaption[] = "Import team rosters";

class PlayerToolCommands final : public QObject {
public:
    explicit PlayerToolCommands(TForm1& window) : QObject(&window), m_window(window) {
        setObjectName(QStringLiteral("playerToolCommands"));
    }

    void install();

    ImportDestinationChooser chooser = &chooseImportDestination;
    ui::HistoryPage* page = nullptr;

private:
    League* league() const { return m_window.league(); }
    ui::PlayerGridPanel* grid() const { return m_window.gridPanel(); }
    Interaction& interaction() const { return m_window.interaction(); }
    QString caption(const char* text) const { return QString::fromLatin1(text); }

    void installHistoryPage();
    void buildPopup();
    void connectMenu();
    QAction* addPopupItem(const char* name, const QString& text);

    void toggleMark();
    void toggleMarkAll();
    void markDoubleClicked(int playerIndex);
    void refreshRows();
    void exportPlayersCommand();
    void importPlayersCommand();
    void freeExportPoolCommand();
    void createMissingCommand();
    void exportRostersCommand();
    void importRostersCommand();
    // The grid lists its team again with the current player selected (after a lineup check).
    void reselectCurrent();

    TForm1& m_window;
};

void PlayerToolCommands::install() {
    installHistoryPage();
    buildPopup();
    connectMenu();
}

void PlayerToolCommands::installHistoryPage() {
    QWidget* container = m_window.playerEditor()->historyPage();
    auto* layout = qobject_cast<QVBoxLayout*>(container->layout());
    if (layout == nullptr) {
        layout = new QVBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    page = new ui::HistoryPage(container);
    layout->addWidget(page);
    page->setServices([this] { return &reportServices(m_window); });

    connect(&m_window, &TForm1::leagueOpened, this, [this] { page->setLeague(league()); });
    connect(&m_window, &TForm1::leagueClosed, this, [this] { page->setLeague(nullptr); });
    // Every row selection shows the player's history (the panel has found or created his block).
    connect(grid(), &ui::PlayerGridPanel::playerSelected, this, m_window.command([this] { page->showHistory(); }));
}

QAction* PlayerToolCommands::addPopupItem(const char* name, const QString& text) {
    auto* item = new QAction(text, m_window.gridPopup());
    item->setObjectName(QString::fromLatin1(name));
    m_window.gridPopup()->addAction(item);
    m_window.addLeagueCommand(item);
    return item;
}

void PlayerToolCommands::buildPopup() {
    m_window.gridPopup()->addSeparator();
    QAction* mark = addPopupItem("MarkForExport1", QStringLiteral("Mark for exportation"));
    mark->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    // The shortcut works while the pop-up menu is closed, too.
    m_window.addAction(mark);
    connect(mark, &QAction::triggered, this, m_window.command([this] { toggleMark(); }));
    QAction* all = addPopupItem("SelectAllForExport1", QStringLiteral("Select ALL for exportation"));
    connect(all, &QAction::triggered, this, m_window.command([this] { toggleMarkAll(); }));
    connect(grid(), &ui::PlayerGridPanel::rowDoubleClicked, this, m_window.command([this](int playerIndex) {
        markDoubleClicked(playerIndex);
    }));
}

void PlayerToolCommands::connectMenu() {
    const MainMenu& menu = m_window.menu();
    const auto on = [this](QAction* action, auto handler) {
        m_window.addLeagueCommand(action);
        connect(action, &QAction::triggered, this, m_window.command(std::move(handler)));
    };
    on(menu.importPlayers, [this] { importPlayersCommand(); });
    on(menu.exportPlayers, [this] { exportPlayersCommand(); });
    on(menu.freeExportPool, [this] { freeExportPoolCommand(); });
    on(menu.createMissingStats, [this] { createMissingCommand(); });
    on(menu.exportRosters, [this] { exportRostersCommand(); });
    on(menu.importRosters, [this] { importRostersCommand(); });
}

void PlayerToolCommands::refreshRows() {
    ui::PlayerGridModel* model = grid()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const PlayerGridRow* old = model->rowAt(row);
        if (old == nullptr || old->playerIndex < 0 ||
            static_cast<std::size_t>(old->playerIndex) >= league()->players.size()) {
            continue;
        }
        const bool member = league()->inExportPool(*league()->players[static_cast<std::size_t>(old->playerIndex)]);
        if (member == old->inExportPool) {
            continue;
        }
        // Only the mark changes: the other cells stay as listed (a search's values among them).
        PlayerGridRow fresh = *old;
        fresh.inExportPool = member;
        fresh.texts[kGridNumberColumn] = playerGridRow(*league(), old->playerIndex).texts[kGridNumberColumn];
        model->replaceRow(row, std::move(fresh));
    }
}

void PlayerToolCommands::toggleMark() {
    if (league() == nullptr || league()->currentPlayer == nullptr) {
        return;
    }
    toggleExportMark(*league(), *league()->currentPlayer);
    refreshRows();
}

void PlayerToolCommands::toggleMarkAll() {
    if (league() == nullptr) {
        return;
    }
    std::vector<int> indexes;
    for (const PlayerGridRow& row : grid()->model()->rows()) {
        indexes.push_back(row.playerIndex);
    }
    toggleExportMarkAll(*league(), indexes);
    refreshRows();
}

void PlayerToolCommands::markDoubleClicked(int playerIndex) {
    // The first click made the row current, unless the user chose to stay with edits not applied.
    if (league() == nullptr || grid()->currentPlayerIndex() != playerIndex) {
        return;
    }
    toggleMark();
}

void PlayerToolCommands::exportPlayersCommand() {
    if (league() == nullptr) {
        return;
    }
    const QString file =
        m_window.dialogs().saveFileName(&m_window, caption(kExportCaption), {}, caption(kTransferDialogFilter), {});
    if (file.isEmpty()) {
        return;
    }
    exportPlayers(*league(), ui::toPath(file), interaction());
}

void PlayerToolCommands::importPlayersCommand() {
    if (league() == nullptr || !m_window.confirmPendingEdits()) {
        return;
    }
    const QString file =
        m_window.dialogs().openFileName(&m_window, caption(kImportCaption), {}, caption(kTransferDialogFilter));
    if (file.isEmpty()) {
        return;
    }
    const std::optional<int> destination = chooser(&m_window, *league());
    if (!destination) {
        return;
    }
    const PlayerImportResult result = importPlayers(*league(), ui::toPath(file), *destination, interaction());
    m_window.showFreeAgents();
    m_window.gridPanel()->setTeamCaption(QStringLiteral("Free Agents Roster"));
    if (!result.playerIndexes.empty()) {
        const PlayerRecord& last = *league()->players[static_cast<std::size_t>(result.playerIndexes.back())];
        m_window.menu().makeDefaultTeam->setChecked(last.teamIndex() == m_window.settings().defaultTeam);
    }
}

void PlayerToolCommands::freeExportPoolCommand() {
    if (league() == nullptr || !m_window.confirmPendingEdits()) {
        return;
    }
    if (freeExportPool(*league(), interaction())) {
        m_window.showDefaultTeam();
        // The caption kept with the default team, when one was kept (else the one just shown).
        if (!m_window.settings().defaultTeamName.empty()) {
            m_window.gridPanel()->setTeamCaption(ui::fromLeagueText(m_window.settings().defaultTeamName));
        }
    }
}

void PlayerToolCommands::createMissingCommand() {
    if (league() == nullptr) {
        return;
    }
    createMissingHistories(*league(), interaction());
    page->showHistory();
}

void PlayerToolCommands::reselectCurrent() {
    League* open = league();
    if (open == nullptr || open->currentPlayer == nullptr) {
        return;
    }
    if (!grid()->inSearchMode() && !grid()->showsExportPool() && grid()->shownTeam() >= 0) {
        // Lists the team again: the lineup page and the editor show what the check left.
        m_window.fillGrid(grid()->shownTeam(), grid()->levelFilter());
        return;
    }
    grid()->refreshCurrentRow();
    m_window.playerEditor()->loadPlayer(*open->currentPlayer);
}

void PlayerToolCommands::exportRostersCommand() {
    League* open = league();
    if (open == nullptr || open->currentPlayer == nullptr || !open->isTeam(open->currentPlayer->teamIndex())) {
        return;  // nothing for a free agent
    }
    // The check may change roles and positions: edits not applied would be shown over them.
    if (!m_window.confirmPendingEdits()) {
        return;
    }
    const int team = open->currentPlayer->teamIndex();
    const bool goOn = prepareRostersExport(*open, team, interaction());
    reselectCurrent();
    if (!goOn) {
        return;
    }
    const QString file = m_window.dialogs().saveFileName(
        &m_window, caption(kExportCaption), {}, caption(kRostersFilter), QStringLiteral("ssr"));
    if (file.isEmpty()) {
        return;
    }
    writeRostersFile(*open, team, ui::toPath(file));
}

void PlayerToolCommands::importRostersCommand() {
    if (league() == nullptr || !m_window.confirmPendingEdits()) {
        return;
    }
    const QStringList files =
        m_window.dialogs().openFileNames(&m_window, caption(kImportCaption), {}, caption(kRostersFilter));
    const auto showImported = [this](int team) {
        const std::string_view name = builtInTeamNames()[static_cast<std::size_t>(team)];
        grid()->setTeamCaption(ui::fromLeagueText(name) + QStringLiteral(" Roster"));
        m_window.fillGrid(team, grid()->levelFilter());
        m_window.menu().makeDefaultTeam->setChecked(team == m_window.settings().defaultTeam);
    };
    // Each file is read, imported, checked and answered for before the next is read; a file that
    // is refused says so and the others still come in.
    for (const QString& file : files) {
        ui::runCommand(interaction(), [&] {
            const RostersFile rosters = readRostersFile(ui::toPath(file), *league());
            const RostersImportResult result = importRosters(*league(), rosters, interaction(), showImported);
            // Listed again: the lineup page and the editor show what the lineup check left.
            m_window.fillGrid(result.team, grid()->levelFilter());
        });
    }
}

PlayerToolCommands* commandsOf(const TForm1& window) {
    return window.findChild<PlayerToolCommands*>(QStringLiteral("playerToolCommands"), Qt::FindDirectChildrenOnly);
}

}  // namespace

std::optional<int> chooseImportDestination(QWidget* parent, const League& league) {
    return season::ui::chooseImportDestination(league, parent);
}

void setImportDestinationChooser(TForm1& window, ImportDestinationChooser chooser) {
    commandsOf(window)->chooser = chooser ? std::move(chooser) : ImportDestinationChooser(&chooseImportDestination);
}

ui::HistoryPage* historyPage(const TForm1& window) {
    return commandsOf(window)->page;
}

void installPlayerToolCommands(TForm1& window) {
    auto* commands = new PlayerToolCommands(window);
    commands->install();
}

}  // namespace zt::app

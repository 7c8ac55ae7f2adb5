#include "app/main_window.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/folder_memory.h"
#include "app/team_menus.h"
#include "league/league.h"
#include "league/ui/qt_interaction.h"
#include "league/undo_stack.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/player_grid_view.h"

namespace zt::app {

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      m_undo(std::make_unique<UndoStack>()),
      m_ownInteraction(std::make_unique<ui::QtInteraction>(this)),
      m_ownDialogs(std::make_unique<QtAppDialogs>()),
      m_folderMemory(std::make_unique<FolderMemory>(
          [this]() -> AppDialogs& { return *m_dialogs; },
          [this] { return m_league ? QFileInfo(m_selectedFile).absolutePath() : QString(); })) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kStartCaption));
    m_interaction = m_ownInteraction.get();
    m_dialogs = m_ownDialogs.get();

    m_menu = buildMainMenu(*this);
    // The grid's pop-up menu; the command modules fill it. "Transfer To" holds the free agents
    // and, while a league is open, its teams by league and division.
    m_gridPopup = new QMenu(this);
    m_gridPopup->setObjectName(QStringLiteral("GridPopup"));
    m_transferMenu = new QMenu(QStringLiteral("Transfer To"), this);
    m_transferMenu->setObjectName(QStringLiteral("TransferTo1"));
    m_menu.transferFreeAgents = m_transferMenu->addAction(QStringLiteral("Free Agents"));
    m_menu.transferFreeAgents->setObjectName(QStringLiteral("TFreeAgents1"));
    m_menu.transferFreeAgents->setEnabled(false);
    m_teamMenus = std::make_unique<TeamMenus>(m_menu.teamsMenu, m_transferMenu);

    buildLayout();
    connectMenu();
    connectPanels();
    installCommandModules(*this);
    enableLeagueCommands(false);
    ui::setCommandFinishedObserver([this] { recordUndoStep(); });
    resize(1100, 720);
}

TForm1::~TForm1() {
    ui::setCommandFinishedObserver({});
    shutDown();
}

void TForm1::setInteraction(Interaction* interaction) {
    m_interaction = interaction != nullptr ? interaction : m_ownInteraction.get();
    m_editor->setInteraction(m_interaction);
}

void TForm1::setDialogs(AppDialogs* dialogs) {
    m_dialogs = dialogs != nullptr ? dialogs : m_ownDialogs.get();
}

Interaction& TForm1::interaction() const {
    return *m_interaction;
}
AppDialogs& TForm1::dialogs() const {
    return *m_folderMemory;
}

void TForm1::buildLayout() {
    statusBar()->setObjectName(QStringLiteral("statusbar"));
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_gridPanel = new ui::PlayerGridPanel(m_splitter);
    // The right half scrolls rather than grows: with the search panel over the editor it is
    // taller than a small screen, and a window taller than the screen cannot be used.
    auto* rightScroll = new QScrollArea(m_splitter);
    rightScroll->setObjectName(QStringLiteral("rightscroll"));
    rightScroll->setWidgetResizable(true);
    rightScroll->setFrameShape(QFrame::NoFrame);
    m_rightHalf = new QWidget;
    auto* rightLayout = new QVBoxLayout(m_rightHalf);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    m_editor = new ui::PlayerEditor(m_rightHalf);
    m_editor->setInteraction(m_interaction);
    rightLayout->addWidget(m_editor, 1);
    rightScroll->setWidget(m_rightHalf);
    m_splitter->addWidget(m_gridPanel);
    m_splitter->addWidget(rightScroll);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);
}

void TForm1::connectMenu() {
    const auto on = [this](QAction* action, auto handler) {
        connect(action, &QAction::triggered, this, command(std::move(handler)));
    };
    on(m_menu.open, [this] { openCommand(); });
    on(m_menu.save, [this] { saveCommand(); });
    on(m_menu.saveAs, [this] { saveAsCommand(); });
    on(m_menu.restoreSave, [this] { restorePreviousSaveCommand(); });
    on(m_menu.undo, [this] { undoCommand(); });
    on(m_menu.redo, [this] { redoCommand(); });
    for (int i = 0; i < static_cast<int>(m_menu.recent.size()); ++i) {
        on(m_menu.recent[static_cast<std::size_t>(i)], [this, i] { openRecent(i); });
    }
    on(m_menu.exit, [this] {
        activateWindow();
        close();
    });
    on(m_menu.launchGame, [this] { launchGame(); });
    on(m_menu.freeAgents, [this] {
        if (confirmPendingEdits()) {
            showFreeAgents();
        }
    });
    on(m_menu.exportPool, [this] {
        if (confirmPendingEdits()) {
            m_gridPanel->setHumanChecked(false);
            showExportPool();
        }
    });
    const std::pair<QAction*, StoredColor EditorSettings::*> colours[] = {
        {m_menu.colorMajors, &EditorSettings::majorColor},
        {m_menu.colorAAA, &EditorSettings::aaaColor},
        {m_menu.colorAA, &EditorSettings::aaColor},
        {m_menu.colorA, &EditorSettings::aColor},
        {m_menu.colorDL, &EditorSettings::dlColor},
        {m_menu.colorRoster, &EditorSettings::rosterColor},
        {m_menu.colorNonRoster, &EditorSettings::nonRosterColor},
        {m_menu.colorUnfilled, &EditorSettings::emptyColor},
    };
    for (const auto& [action, colour] : colours) {
        on(action, [this, colour] { chooseColor(colour); });
    }
    on(m_menu.allBlack, [this] { allBlack(); });
    connect(m_menu.showHidden, &QAction::toggled, this, command([this](bool checked) { toggleShowHidden(checked); }));
    on(m_menu.about, [this] { showAbout(); });
    on(m_menu.donate, [this] { openDonationPage(); });
}

void TForm1::connectPanels() {
    QTableView* view = m_gridPanel->view();
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& position) {
        if (m_league && !m_gridPopup->isEmpty()) {
            m_gridPopup->popup(view->viewport()->mapToGlobal(position));
        }
    });
    // The user's own moves to another player ask first about edits not yet applied.
    m_gridPanel->setLeaveGuard([this] {
        bool mayLeave = false;
        ui::runCommand(interaction(), [&] { mayLeave = confirmPendingEdits(); });
        return mayLeave;
    });
    connect(m_gridPanel, &ui::PlayerGridPanel::playerSelected, this, command([this](int index) {
                onPlayerSelected(index);
            }));
    connect(m_gridPanel, &ui::PlayerGridPanel::levelFilterChanged, this, command([this](int level) {
                onLevelFilterChanged(level);
            }));
    connect(m_editor, &ui::PlayerEditor::playerApplied, this, command([this](PlayerRecord* player) {
                onPlayerApplied(player);
            }));
}

void TForm1::addLeagueCommand(QAction* action) {
    m_menu.league << action;
    action->setEnabled(m_league != nullptr);
}

void TForm1::addPanelAboveEditor(QWidget* panel) {
    auto* layout = static_cast<QVBoxLayout*>(m_rightHalf->layout());
    layout->insertWidget(0, panel);
    panel->hide();
}

void TForm1::addLeagueWidget(QWidget* widget) {
    m_leagueWidgets << widget;
    widget->setEnabled(m_league != nullptr);
}

void TForm1::enableLeagueCommands(bool open) {
    for (QAction* action : std::as_const(m_menu.league)) {
        action->setEnabled(open);
    }
    for (QWidget* widget : std::as_const(m_leagueWidgets)) {
        widget->setEnabled(open);
    }
    for (QMenu* menu : std::as_const(m_menu.leagueMenus)) {
        menu->setEnabled(open);
    }
    m_gridPanel->setEnabled(open);
    m_editor->setEnabled(open);
    updateUndoItems();
}

}  // namespace zt::app

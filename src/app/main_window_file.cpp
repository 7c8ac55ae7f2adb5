// Opening, saving and closing leagues from the main window.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QMenu>

#include "app/app_dialogs.h"
#include "app/main_window.h"
#include "app/team_menus.h"
#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/league_io.h"
#include "league/league_text.h"
#include "league/ui/busy_cursor.h"
#include "league/ui/qt_text.h"
#include "league/undo_stack.h"
#include "players/player_grid.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"

namespace zt::app {

std::string pendingEditsQuestion(const PlayerRecord& player) {
    return "Apply the changes made to " + leagueTextToUtf8(player.get(pf::firstName)) + " " +
           leagueTextToUtf8(player.get(pf::lastName)) + " before going on ?";
}

bool TForm1::confirmPendingEdits() {
    if (!m_league || !m_editor->hasPendingEdits() || m_league->currentPlayer == nullptr) {
        return true;
    }
    const PlayerRecord& player = *m_league->currentPlayer;
    switch (interaction().askYesNoCancel(pendingEditsQuestion(player))) {
        case Answer::Yes:
            return m_editor->applyToCurrent();  // a box that does not convert keeps the user here
        case Answer::No:
            m_editor->discardEdits();
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

bool TForm1::confirmDiscardOrSave(bool& saved) {
    saved = false;
    if (!confirmPendingEdits()) {
        return false;
    }
    if (!m_league || !m_league->changed()) {
        return true;
    }
    switch (interaction().askYesNoCancel(kUnsavedQuestion)) {
        case Answer::Yes:
            saved = saveCommand();
            return saved;
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

void TForm1::openCommand() {
    bool saved = false;
    if (!confirmDiscardOrSave(saved) || saved) {
        return;  // cancelled, or the league was saved instead
    }
    const QString directory = m_gameDirectory.isEmpty() ? QString() : m_gameDirectory + QStringLiteral("Stats/Saves/");
    const QString file =
        dialogs().openFileName(this, QStringLiteral("Open"), directory, QString::fromLatin1(kOpenFilter));
    if (!file.isEmpty()) {
        openLeagueFile(file);
    }
}

void TForm1::openRecent(int item) {
    const QString path = ui::fromPath(m_settings.recentFiles.items[static_cast<std::size_t>(item)]);
    if (path.isEmpty()) {
        return;
    }
    bool saved = false;
    if (!confirmDiscardOrSave(saved) || saved) {
        return;
    }
    openLeagueFile(path);
}

void TForm1::closeLeague() {
    const bool wasOpen = m_league != nullptr;
    m_teamMenus->clear();
    m_gridPanel->setLeague(nullptr, &m_settings);
    m_editor->setLeague(nullptr);
    m_undo->reset(nullptr);
    m_league.reset();
    enableLeagueCommands(false);
    if (wasOpen) {
        Q_EMIT leagueClosed();
    }
}

bool TForm1::openLeagueFile(const QString& selectedFile) {
    // The league open before is closed first, so a failed open leaves no league open.
    closeLeague();
    std::unique_ptr<League> league;
    if (!ui::runCommand(
            interaction(), [&] { league = openLeague(ui::toPath(selectedFile)); }, ui::CommandCursor::Busy)) {
        return false;
    }
    m_league = std::move(league);
    m_undo->reset(m_league.get());
    m_selectedFile = selectedFile;

    m_editor->setLeague(m_league.get());
    m_editor->setHistoryPageEnabled(m_league->statsLoaded);
    m_gridPanel->setLeague(m_league.get(), &m_settings);
    m_gridPanel->setLevelFilterIndex(0);
    enableLeagueCommands(true);
    updateRecentFiles(selectedFile);
    setWindowTitle(QString::fromLatin1(kOpenCaption) + selectedFile);

    buildTeamMenus();
    Q_EMIT leagueOpened();
    showDefaultTeam();
    return true;
}

void TForm1::buildTeamMenus() {
    m_teamMenus->build(*m_league,
                       command([this](int team) {
                           if (confirmPendingEdits()) {
                               showTeam(team);
                           }
                       }),
                       [this](int team) { Q_EMIT transferRequested(team); });
}

void TForm1::showDefaultTeam() {
    // A default team this league does not have (the free agents among them) shows team 0.
    int team = m_settings.defaultTeam;
    if (const Team* shown = m_league->findTeam(team)) {
        m_gridPanel->setHumanChecked(shown->record.get(tf::humanControlled) == 1);
    } else {
        team = 0;
    }
    fillGrid(team, kAllLevels);
    const Team* shown = m_league->findTeam(team);
    m_gridPanel->setTeamCaption(ui::fromLeagueText(shown != nullptr ? shown->record.get(tf::city) : std::string()) +
                                QStringLiteral(" roster"));
    updateDefaultTeamCheck();
}

bool TForm1::saveCommand() {
    if (!m_league) {
        return false;
    }
    if (!ui::runCommand(
            interaction(), [this] { saveLeague(*m_league); }, ui::CommandCursor::Busy)) {
        return false;
    }
    if (m_league->currentPlayer != nullptr) {
        m_editor->loadPlayer(*m_league->currentPlayer);
    }
    updateRecentFiles(m_selectedFile);
    showStatus("Saved " + ui::toPath(m_selectedFile));
    return true;
}

void TForm1::saveAsCommand() {
    if (!m_league) {
        return;
    }
    const QString file = dialogs().saveFileName(
        this, QStringLiteral("Save as"), QString(), QString::fromLatin1(kSaveAsFilter), QStringLiteral("sea"));
    if (file.isEmpty()) {
        return;
    }
    if (!ui::runCommand(
            interaction(), [&] { saveLeagueAs(*m_league, ui::toPath(file)); }, ui::CommandCursor::Busy)) {
        return;
    }
    m_selectedFile = file;
    setWindowTitle(QString::fromLatin1(kStartCaption) + file);
    updateRecentFiles(file);
    showStatus("Saved " + ui::toPath(file));
}

void TForm1::restorePreviousSaveCommand() {
    if (!m_league || !confirmPendingEdits()) {
        return;
    }
    const QString selected = m_selectedFile;
    if (!hasPreviousSave(ui::toPath(selected))) {
        interaction().information(kNothingToRestoreMessage);
        return;
    }
    if (!interaction().askYesNo(kRestoreQuestion, DefaultButton::No)) {
        return;
    }
    if (ui::runCommand(
            interaction(), [&] { restorePreviousSave(ui::toPath(selected)); }, ui::CommandCursor::Busy)) {
        openLeagueFile(selected);
        showStatus("Restored the previous save of " + ui::toPath(selected));
    }
}

void TForm1::updateRecentFiles(const QString& path) {
    m_settings.recentFiles.update(ui::toPath(path));
    refreshRecentItems();
}

void TForm1::refreshRecentItems() {
    for (std::size_t i = 0; i < m_menu.recent.size(); ++i) {
        const QString path = ui::fromPath(m_settings.recentFiles.items[i]);
        m_menu.recent[i]->setText(path);
        m_menu.recent[i]->setVisible(!path.isEmpty());
    }
    m_menu.recentSeparator->setVisible(!m_settings.recentFiles.items[0].empty());
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool saved = false;
    if (!confirmDiscardOrSave(saved)) {
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
}

}  // namespace zt::app

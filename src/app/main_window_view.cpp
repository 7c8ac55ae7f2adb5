// What the main window shows: teams in the player grid, the selected player in the editor,
// and the display options.
#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "app/app_dialogs.h"
#include "app/main_window.h"
#include "app/team_menus.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/player_grid.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"

namespace zt::app {

void TForm1::showStatus(const std::string& message) {
    statusBar()->showMessage(ui::fromMessage(message));
}

void TForm1::fillGrid(int team, int levelFilter) {
    m_gridPanel->fillTeam(team, levelFilter);
    // Teams have lineups; the free agents and other lists do not.
    if (team >= kFirstNonTeamView) {
        m_editor->showGeneralPage();
        m_editor->setLineupPageVisible(false);
    } else {
        m_editor->setLineupPageVisible(true);
    }
    Q_EMIT teamShown(team);
}

void TForm1::showTeam(int teamNumber) {
    const Team* team = m_league ? m_league->findTeam(teamNumber) : nullptr;
    if (team == nullptr) {
        return;
    }
    const auto& record = team->record;
    m_gridPanel->setTeamCaption(ui::fromLeagueText(record.get(tf::city)) + QStringLiteral(" Roster"));
    m_gridPanel->setHumanChecked(record.get(tf::humanControlled) == 1);
    fillGrid(teamNumber, m_gridPanel->levelFilter());
    updateDefaultTeamCheck();
}

void TForm1::showFreeAgents() {
    if (!m_league) {
        return;
    }
    m_gridPanel->setTeamCaption(QStringLiteral("Free Agents"));
    m_gridPanel->setHumanChecked(false);
    m_gridPanel->setLevelFilterIndex(0);
    fillGrid(kFreeAgentTeam, kAllLevels);
    updateDefaultTeamCheck();
}

void TForm1::showExportPool() {
    if (!m_league) {
        return;
    }
    if (m_league->exportPool.empty()) {
        showDefaultTeam();
        return;
    }
    m_gridPanel->fillExportPool();
    m_editor->showGeneralPage();
    m_editor->setLineupPageVisible(false);
    m_gridPanel->setTeamCaption(QStringLiteral("Export Pool"));
}

void TForm1::onPlayerSelected(int playerIndex) {
    if (!m_league || playerIndex < 0 || playerIndex >= static_cast<int>(m_league->players.size())) {
        return;
    }
    // The panel has made the player current (and found his history) before signalling.
    if (m_league->currentPlayer != nullptr) {
        m_editor->loadPlayer(*m_league->currentPlayer);
    }
}

void TForm1::onLevelFilterChanged(int levelCode) {
    if (!m_league) {
        return;
    }
    const int team =
        m_league->currentPlayer != nullptr ? m_league->currentPlayer->teamIndex() : m_gridPanel->shownTeam();
    fillGrid(team, levelCode);
}

void TForm1::onPlayerApplied(PlayerRecord*) {
    m_gridPanel->refreshCurrentRow();
}

void TForm1::updateDefaultTeamCheck() {
    const bool isDefault = m_league && m_league->currentPlayer != nullptr &&
                           m_league->currentPlayer->teamIndex() == m_settings.defaultTeam;
    m_menu.makeDefaultTeam->setChecked(isDefault);
}

void TForm1::chooseColor(StoredColor EditorSettings::*color) {
    const auto chosen = dialogs().chooseColor(this, ui::toQColor(m_settings.*color));
    if (chosen) {
        m_settings.*color = ui::toStoredColor(*chosen);
    }
    repaintGrid();
}

void TForm1::allBlack() {
    for (auto color : {&EditorSettings::majorColor,
                       &EditorSettings::aaaColor,
                       &EditorSettings::aaColor,
                       &EditorSettings::aColor,
                       &EditorSettings::dlColor}) {
        m_settings.*color = kBlack;
    }
    repaintGrid();
}

void TForm1::toggleShowHidden(bool checked) {
    m_settings.showHidden = checked;
    if (m_league) {
        onLevelFilterChanged(m_gridPanel->levelFilter());
    }
}

void TForm1::repaintGrid() {
    if (m_league) {
        m_gridPanel->repaintRows();
    }
}

}  // namespace zt::app

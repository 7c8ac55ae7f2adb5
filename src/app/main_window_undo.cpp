// Edit > Undo and Redo in the main window: every command that changes the league is one step.
#include <QAction>

#include "app/main_window.h"
#include "league/league.h"
#include "league/undo_stack.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"

namespace zt::app {

void TForm1::recordUndoStep() {
    m_undo->record();
    updateUndoItems();
}

void TForm1::updateUndoItems() {
    m_menu.undo->setEnabled(m_league != nullptr && m_undo->canUndo());
    m_menu.redo->setEnabled(m_league != nullptr && m_undo->canRedo());
}

void TForm1::undoCommand() {
    if (!m_league || !confirmPendingEdits()) {
        return;
    }
    m_undo->record();  // edits just applied are the step undone
    if (!m_undo->canUndo()) {
        return;
    }
    m_undo->undo();
    showUndoneLeague("Undone");
}

void TForm1::redoCommand() {
    if (!m_league || !confirmPendingEdits()) {
        return;
    }
    m_undo->record();
    if (!m_undo->canRedo()) {
        return;
    }
    m_undo->redo();
    showUndoneLeague("Redone");
}

void TForm1::showUndoneLeague(const char* status) {
    // Team names and abbreviations may have come back too: the menus and lists follow.
    m_editor->setLeague(m_league.get());
    buildTeamMenus();
    Q_EMIT leagueOpened();
    showLeagueAgain();
    updateUndoItems();
    showStatus(status);
}

void TForm1::showLeagueAgain() {
    if (!m_league) {
        return;
    }
    if (m_gridPanel->showsExportPool()) {
        showExportPool();
    } else if (m_gridPanel->shownTeam() >= 0) {
        fillGrid(m_gridPanel->shownTeam(), m_gridPanel->levelFilter());
    } else {
        showDefaultTeam();
    }
    if (m_league->currentPlayer != nullptr) {
        m_editor->loadPlayer(*m_league->currentPlayer);
    }
}

}  // namespace zt::app

// Player search: Edit > "Advanced Search" shows the search panel over the player editor; its
// buttons list the players found in the grid.
#include <QAction>
#include <utility>

#include "app/command_modules.h"
#include "app/main_window.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/player_search.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"
#include "players/ui/search_panel.h"

namespace zt::app {

namespace {

// The grid lists the players found in list order; it stays in search mode until a team or
// the pool is listed again.
void listResults(TForm1& window, SearchResults results) {
    ui::PlayerGridPanel* grid = window.gridPanel();
    grid->setTeamCaption(ui::fromLeagueText(kSearchResultsCaption));
    grid->showSearchResults(std::move(results.rows), ui::fromLeagueText(results.columnHeader), results.numericColumn);
}

void launchSimpleSearch(TForm1& window, const ui::SearchPanel& panel) {
    const League* league = window.league();
    if (league == nullptr) {
        return;
    }
    if (!window.confirmPendingEdits()) {
        return;
    }
    SearchResults results = simpleSearch(*league, panel.lastNameText());
    // A name nobody has leaves the grid as it was, without a message.
    if (!results.rows.empty()) {
        listResults(window, std::move(results));
    }
}

void launchAdvancedSearch(TForm1& window, const ui::SearchPanel& panel) {
    const League* league = window.league();
    if (league == nullptr) {
        return;
    }
    if (!window.confirmPendingEdits()) {
        return;
    }
    SearchResults results = runAdvancedSearch(*league, panel.criteria(), window.interaction());
    // Nothing found was reported and leaves the grid as it was.
    if (!results.rows.empty()) {
        listResults(window, std::move(results));
    }
}

}  // namespace

void installSearchCommands(TForm1& window) {
    auto* panel = new ui::SearchPanel(&window);
    window.addPanelAboveEditor(panel);
    window.addLeagueWidget(panel);

    QAction* advancedSearch = window.menu().advancedSearch;
    window.addLeagueCommand(advancedSearch);
    QObject::connect(advancedSearch, &QAction::triggered, panel, window.command([&window, panel] {
        window.playerEditor()->showGeneralPage();
        panel->showWithNameFocus();
    }));
    QObject::connect(panel, &ui::SearchPanel::simpleSearchRequested, panel, window.command([&window, panel] {
        launchSimpleSearch(window, *panel);
    }));
    QObject::connect(panel, &ui::SearchPanel::advancedSearchRequested, panel, window.command([&window, panel] {
        launchAdvancedSearch(window, *panel);
    }));
    // A search needs a league; the panel goes with the league it searched.
    QObject::connect(&window, &TForm1::leagueClosed, panel, &QWidget::hide);
}

}  // namespace zt::app

// File > "CSV Data Import" opens the CSV import window modally, centred on the main window.
#include "app/csv_import_commands.h"

#include <QAction>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/editor_data_dir.h"
#include "app/main_window.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"
#include "ratings/ui/csv_import_window.h"

namespace zt::app {

namespace {

// The birth-year reference and the first id of the last "Import Team" hold while the editor runs.
CsvImportMemory& importMemory() {
    static CsvImportMemory memory;
    return memory;
}

void showLeagueAgain(TForm1& window) {
    League* league = window.league();
    if (league == nullptr) {
        return;
    }
    ui::PlayerGridPanel* grid = window.gridPanel();
    if (grid->showsExportPool()) {
        window.showExportPool();
    } else if (grid->shownTeam() >= 0) {
        window.fillGrid(grid->shownTeam(), grid->levelFilter());
    }
    if (league->currentPlayer != nullptr) {
        window.playerEditor()->loadPlayer(*league->currentPlayer);
    }
}

}  // namespace

ui::Tcsvimportfrm* createCsvImportWindow(TForm1& window) {
    const QString dataDirectory = editorDataDirectory(ui::fromPath(window.settings().dataPath));
    auto* form = new ui::Tcsvimportfrm(
        *window.league(), window.constants(), ui::toPath(dataDirectory), importMemory(), window.interaction(), &window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setFileChooser([&window, form] {
        return window.dialogs().openFileName(
            form, QStringLiteral("Open"), QString(), QStringLiteral("CSV Files (*.csv)"));
    });
    QObject::connect(form, &ui::Tcsvimportfrm::imported, &window, [&window] { showLeagueAgain(window); });
    return form;
}

void installCsvImportCommands(TForm1& window) {
    QAction* action = window.menu().csvDataImport;
    QObject::connect(action, &QAction::triggered, &window, [&window] {
        if (window.league() != nullptr) {
            ui::Tcsvimportfrm* form = createCsvImportWindow(window);
            form->adjustSize();
            form->move(window.geometry().center() - form->rect().center());
            form->exec();
        }
    });
    window.addLeagueCommand(action);
}

}  // namespace zt::app

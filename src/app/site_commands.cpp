// Reports > "Build league web site...": the whole league as pages in a folder the user picks.
#include <QAction>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/main_window.h"
#include "league/league.h"
#include "league/ui/photo_progress.h"
#include "league/ui/qt_text.h"
#include "reports/card_photos.h"
#include "reports/league_site.h"
#include "reports/report_files.h"

namespace zt::app {

void installSiteCommands(TForm1& window) {
    QAction* action = window.menu().buildSite;
    window.addLeagueCommand(action);
    QObject::connect(action, &QAction::triggered, &window, window.command([&window] {
        const League* league = window.league();
        if (league == nullptr) {
            return;
        }
        const QString folder = window.dialogs().chooseFolder(
            &window, QStringLiteral("Folder of the league web site"), ui::fromPath(league->leagueDir.string()));
        if (folder.isEmpty()) {
            return;
        }
        reports::LeagueSiteOptions options;
        options.dataDirectory = ui::toPath(window.dataDirectory());
        options.headerFile = reports::leagueHeaderFile(*league);
        options.footerFile = reports::leagueFooterFile(*league);
        options.cardPhotos = reports::albumCardPhotos(ui::toPath(window.gameFolder()));
        ui::Tphotoprogress progress(&window);
        progress.setWindowTitle(QStringLiteral("Building the league web site"));
        progress.showCentredOn(&window);
        const auto index =
            reports::writeLeagueSite(*league, options, ui::toPath(folder), window.interaction(), progress);
        progress.close();
        window.showStatus("Wrote " + index.string());
    }));
}

}  // namespace zt::app

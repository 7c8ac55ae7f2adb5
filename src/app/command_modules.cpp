#include "app/command_modules.h"

namespace zt::app {

void installCommandModules(TForm1& window) {
    // One line per module, in menu order.
    installSearchCommands(window);
    installRosterCommands(window);
    installGlobalEditCommands(window);
    installLeagueCheckCommands(window);
    installRatingCommands(window);
    installReportCommands(window);
    installSiteCommands(window);
    installSeasonCommands(window);
    installPlayerToolCommands(window);
    installCsvImportCommands(window);
    installMediaCommands(window);
    installNetLeagueCommands(window);
}

}  // namespace zt::app

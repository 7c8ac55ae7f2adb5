#pragma once

namespace zt::reports::ui {
class ReportSaveDialog;
struct ReportServices;
class Tfrmstats;
class Tstandfrm;
class Tteamperffrm;
class Tleaguescoresfrm;
class Tleadersfrm;
class Tcardfrm;
class TScoutfrm;
class TProYearsfrm;
class Twinchartfrm;
}  // namespace zt::reports::ui

namespace zt::app {

class TForm1;

// The report windows over the main window, placed as report windows are: their messages, files,
// folders and colours go through the main window's interaction and dialogs. Each deletes itself
// when closed; the menu commands run them modally, tests show them.
reports::ui::Tfrmstats* createRostersStatsWindow(TForm1& window);
reports::ui::Tstandfrm* createStandingsWindow(TForm1& window);
reports::ui::Tteamperffrm* createTeamPerformanceWindow(TForm1& window);
// Refuses a league without a schedule with zt::Error.
reports::ui::Tleaguescoresfrm* createLeagueScoresWindow(TForm1& window);
reports::ui::Tleadersfrm* createLeadersWindow(TForm1& window);
// The card of a player (by index in the player list).
reports::ui::Tcardfrm* createCardWindow(TForm1& window, int playerIndex);
reports::ui::TScoutfrm* createScoutingWindow(TForm1& window);
reports::ui::TProYearsfrm* createProYearsWindow(TForm1& window);
reports::ui::Twinchartfrm* createWinChartWindow(TForm1& window);

// The main window's one "Save report file" dialog.
const reports::ui::ReportSaveDialog& reportSaveDialog(const TForm1& window);
// What report windows use of the main window (its interaction as it is now), for other exports
// through the report writers: the history page's.
reports::ui::ReportServices& reportServices(TForm1& window);

}  // namespace zt::app

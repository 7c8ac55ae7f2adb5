#pragma once

#include <QList>
#include <array>

class QAction;
class QMenu;
class QMainWindow;

namespace zt::app {

// Every command of the main menu. Items whose command the editor does not offer yet exist and
// stay disabled; `league` lists those enabled while a league is open.
struct MainMenu {
    // File
    QMenu* fileMenu = nullptr;
    QAction* open = nullptr;
    QAction* save = nullptr;
    QAction* saveAs = nullptr;
    QAction* checkLeague = nullptr;  // our own: the integrity report
    QAction* restoreSave = nullptr;  // our own: the league files of the previous save
    QAction* buildSite = nullptr;    // our own: the league web site
    QAction* importPlayers = nullptr;
    QAction* exportPlayers = nullptr;
    QAction* csvDataImport = nullptr;
    QAction* soundEditor = nullptr;
    QAction* unpacker = nullptr;
    QAction* modRepacker = nullptr;
    QAction* albRepacker = nullptr;
    QMenu* patchesMenu = nullptr;
    QAction* facesPatch = nullptr;
    QAction* stancesPatch = nullptr;
    QAction* stylesPatch = nullptr;
    QAction* recentSeparator = nullptr;
    std::array<QAction*, 3> recent{};
    QAction* exit = nullptr;
    QAction* launchGame = nullptr;  // hidden: only its shortcut reaches it

    // Edit
    QMenu* editMenu = nullptr;
    QAction* advancedSearch = nullptr;
    QAction* createPlayer = nullptr;
    QAction* deletePlayer = nullptr;
    QAction* convertedSeasonFix = nullptr;
    QAction* globalEditing = nullptr;
    QAction* freeExportPool = nullptr;
    QAction* seasonSchedule = nullptr;
    QAction* playoffs = nullptr;
    QAction* createMissingStats = nullptr;
    // Our own, last in the menu: Ctrl+Z is "Delete Player", so undo takes Ctrl+Alt+Z.
    QAction* undo = nullptr;
    QAction* redo = nullptr;

    // Team and Teams
    QMenu* teamMenu = nullptr;
    QAction* teamInfo = nullptr;
    QAction* managerProfile = nullptr;
    QMenu* teamsMenu = nullptr;
    QAction* freeAgents = nullptr;
    QAction* exportPool = nullptr;
    QAction* transferFreeAgents = nullptr;  // first item of the grid's "Transfer To" menu

    // Options
    QMenu* optionsMenu = nullptr;
    QAction* makeDefaultTeam = nullptr;
    QMenu* colorsMenu = nullptr;
    QAction* colorMajors = nullptr;
    QAction* colorAAA = nullptr;
    QAction* colorAA = nullptr;
    QAction* colorA = nullptr;
    QAction* colorDL = nullptr;
    QAction* colorRoster = nullptr;
    QAction* colorNonRoster = nullptr;
    QAction* allBlack = nullptr;
    QAction* colorUnfilled = nullptr;
    QAction* showHidden = nullptr;
    QAction* constants = nullptr;

    // Season and Net League
    QMenu* seasonMenu = nullptr;
    QAction* seasonInfo = nullptr;
    QMenu* netLeagueMenu = nullptr;
    QAction* leagueInfo = nullptr;
    QAction* updateLeagueFiles = nullptr;
    QAction* exportRosters = nullptr;
    QAction* importRosters = nullptr;
    QAction* exportAndSend = nullptr;

    // Reports, Web Update, Help
    QMenu* reportsMenu = nullptr;
    QAction* cards = nullptr;
    QAction* proYears = nullptr;
    QAction* scouting = nullptr;
    QAction* teamsCharts = nullptr;
    QAction* rostersStats = nullptr;
    QAction* standings = nullptr;
    QAction* leaders = nullptr;
    QAction* leagueScores = nullptr;
    QAction* winningChart = nullptr;
    QAction* lineupsReport = nullptr;  // hidden
    QAction* teamScores = nullptr;     // hidden
    QMenu* webUpdateMenu = nullptr;
    QAction* checkUpdate = nullptr;
    QMenu* helpMenu = nullptr;
    QAction* about = nullptr;
    QAction* donate = nullptr;

    // Commands this version offers, enabled while a league is open.
    QList<QAction*> league;
    // Menus enabled while a league is open.
    QList<QMenu*> leagueMenus;
};

MainMenu buildMainMenu(QMainWindow& window);

}  // namespace zt::app

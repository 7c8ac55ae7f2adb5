#include "app/main_menu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace zt::app {

namespace {

// Captions follow the menu conventions: "&&" shows one "&".
QAction* item(QMenu* menu, const char* name, const char* caption, const QKeySequence& shortcut = {}) {
    auto* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QMenu* submenu(QMenu* parent, const char* name, const char* caption) {
    auto* menu = parent->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* topMenu(QMainWindow& window, const char* name, const char* caption) {
    auto* menu = window.menuBar()->addMenu(QString::fromLatin1(caption));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void buildFileMenu(QMainWindow& window, MainMenu& m) {
    m.fileMenu = topMenu(window, "File1", "&File");
    m.open = item(m.fileMenu, "Open1", "Open", QKeySequence(Qt::CTRL | Qt::Key_O));
    m.save = item(m.fileMenu, "Save1", "Save", QKeySequence(Qt::CTRL | Qt::Key_S));
    m.saveAs = item(m.fileMenu, "Saveas1", "Save as");
    m.restoreSave = item(m.fileMenu, "RestoreSave1", "Restore previous save");
    m.checkLeague = item(m.fileMenu, "CheckLeague1", "Check League Integrity");
    m.fileMenu->addSeparator();
    m.importPlayers = item(m.fileMenu, "ImportPlayers1", "Import Players");
    m.exportPlayers = item(m.fileMenu, "ExportPlayers1", "Export Players");
    m.csvDataImport = item(m.fileMenu, "CSVDataImport1", "CSV Data Import");
    m.fileMenu->addSeparator();
    m.soundEditor = item(m.fileMenu, "SoundEditor1", "Sound Editor");
    m.unpacker = item(m.fileMenu, "Unpacker1", "Alb/Amd/Mod Unpacker");
    m.modRepacker = item(m.fileMenu, "ModRepacker1", "Amd/Mod Repacker");
    m.albRepacker = item(m.fileMenu, "AlbRepacker1", "Alb Repacker");
    m.patchesMenu = submenu(m.fileMenu, "Patches1", "Patches");
    m.facesPatch = item(m.patchesMenu, "FacesPatch1", "Faces patch");
    m.stancesPatch = item(m.patchesMenu, "BattingStancesPatch1", "Batting stances patch");
    m.stylesPatch = item(m.patchesMenu, "PitchingStylesPatch1", "Pitching styles patch");
    m.recentSeparator = m.fileMenu->addSeparator();
    m.recentSeparator->setObjectName(QStringLiteral("RecentSeparator"));
    for (std::size_t i = 0; i < m.recent.size(); ++i) {
        m.recent[i] = m.fileMenu->addAction(QString());
        m.recent[i]->setObjectName(QStringLiteral("Recent%1").arg(i + 1));
    }
    m.fileMenu->addSeparator();
    m.exit = item(m.fileMenu, "Exit1", "Exit", QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Hidden from the menu; a window action keeps its shortcut alive.
    m.launchGame = new QAction(QStringLiteral("Exit and Lauch SSZT"), &window);
    m.launchGame->setObjectName(QStringLiteral("LaunchGame1"));
    m.launchGame->setShortcut(QKeySequence(Qt::Key_F4));
    window.addAction(m.launchGame);
}

void buildEditMenus(QMainWindow& window, MainMenu& m) {
    m.editMenu = topMenu(window, "Edit1", "&Edit");
    m.advancedSearch = item(m.editMenu, "AdvancedSearch1", "Advanced Search", QKeySequence(Qt::Key_F1));
    m.createPlayer = item(m.editMenu, "CreatePlayer1", "Create Player", QKeySequence(Qt::Key_F2));
    m.deletePlayer = item(m.editMenu, "DeletePlayer1", "Delete Player", QKeySequence(Qt::CTRL | Qt::Key_Z));
    m.convertedSeasonFix = item(m.editMenu, "ConvertedSeasonFix1", "Converted Season Fix (BETA)");
    m.editMenu->addSeparator();
    m.globalEditing = item(m.editMenu, "GlobalEditing1", "Global Editing", QKeySequence(Qt::Key_F3));
    m.freeExportPool = item(m.editMenu, "FreeExportPool1", "Free Export Pool");
    m.editMenu->addSeparator();
    m.seasonSchedule = item(m.editMenu, "SeasonSchedule1", "Season Schedule", QKeySequence(Qt::Key_F6));
    m.playoffs = item(m.editMenu, "Playoffs1", "Playoffs", QKeySequence(Qt::Key_F7));
    m.createMissingStats = item(m.editMenu, "CreateMissingStats1", "Create missing stats entries");
    m.editMenu->addSeparator();
    m.undo = item(m.editMenu, "Undo1", "Undo", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    m.redo = item(m.editMenu, "Redo1", "Redo", QKeySequence(Qt::CTRL | Qt::Key_Y));
    m.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});

    m.teamMenu = topMenu(window, "Team1", "&Team");
    m.teamInfo = item(m.teamMenu, "TeamInfo1", "Team Info");
    m.managerProfile = item(m.teamMenu, "ManagerProfile1", "Manager Profile");

    m.teamsMenu = topMenu(window, "Teams1", "Tea&ms");
    m.freeAgents = item(m.teamsMenu, "FreeAgents1", "Free Agents", QKeySequence(Qt::CTRL | Qt::Key_F));
    m.exportPool = item(m.teamsMenu, "ExportPool1", "Export pool");
}

void buildOptionsMenus(QMainWindow& window, MainMenu& m) {
    m.optionsMenu = topMenu(window, "Options1", "&Options");
    m.makeDefaultTeam = item(m.optionsMenu, "MakeDefault1", "Make this team default");
    m.makeDefaultTeam->setCheckable(true);
    m.colorsMenu = submenu(m.optionsMenu, "Colors1", "Colors");
    m.colorMajors = item(m.colorsMenu, "ColorMajors1", "Majors");
    m.colorAAA = item(m.colorsMenu, "ColorAAA1", "AAA");
    m.colorAA = item(m.colorsMenu, "ColorAA1", "AA");
    m.colorA = item(m.colorsMenu, "ColorA1", "A");
    m.colorDL = item(m.colorsMenu, "ColorDL1", "DL");
    m.colorRoster = item(m.colorsMenu, "ColorRoster1", "Players in team roster");
    m.colorNonRoster = item(m.colorsMenu, "ColorNonRoster1", "Players not in team roster");
    m.allBlack = item(m.colorsMenu, "AllBlack1", "All black");
    m.colorUnfilled = item(m.colorsMenu, "ColorUnfilled1", "Unfilled spots");
    m.showHidden = item(m.optionsMenu, "ShowHidden1", "Show hidden players");
    m.showHidden->setCheckable(true);
    m.constants = item(m.optionsMenu, "Constants1", "Constants");

    m.seasonMenu = topMenu(window, "Season1", "&Season");
    m.seasonInfo = item(m.seasonMenu, "SeasonInfo1", "Season Info && Options");

    m.netLeagueMenu = topMenu(window, "NetLeague1", "&Net League");
    m.leagueInfo = item(m.netLeagueMenu, "LeagueInfo1", "League Info and HTML settings");
    m.updateLeagueFiles = item(m.netLeagueMenu, "UpdateLeagueFiles1", "Update league files");
    m.netLeagueMenu->addSeparator();
    m.exportRosters = item(m.netLeagueMenu, "ExportRosters1", "Export team rosters management");
    m.importRosters = item(m.netLeagueMenu, "ImportRosters1", "Import team rosters management");
    m.exportAndSend = item(m.netLeagueMenu, "ExportSend1", "Export && Send");
}

void buildReportMenus(QMainWindow& window, MainMenu& m) {
    m.reportsMenu = topMenu(window, "Reports1", "&Reports");
    m.cards = item(m.reportsMenu, "Cards1", "Baseball card(s)", QKeySequence(Qt::Key_F8));
    m.proYears = item(m.reportsMenu, "ProYears1", "Pro Years Report");
    m.scouting = item(m.reportsMenu, "Scouting1", "Scouting Reports", QKeySequence(Qt::Key_F9));
    m.teamsCharts = item(m.reportsMenu, "TeamsCharts1", "Teams Charts");
    m.rostersStats = item(m.reportsMenu, "RostersStats1", "Rosters Stats", QKeySequence(Qt::Key_F10));
    m.standings = item(m.reportsMenu, "Standings1", "Standings", QKeySequence(Qt::Key_F11));
    m.leaders = item(m.reportsMenu, "Leaders1", "Leaders", QKeySequence(Qt::Key_F12));
    m.leagueScores = item(m.reportsMenu, "LeagueScores1", "League Scores");
    m.winningChart = item(m.reportsMenu, "WinningChart1", "Winning % Chart");
    m.lineupsReport = item(m.reportsMenu, "LineupsReport1", "Lineups && Rotations");
    m.lineupsReport->setVisible(false);
    m.teamScores = item(m.reportsMenu, "TeamScores1", "Team Scores");
    m.teamScores->setVisible(false);
    m.reportsMenu->addSeparator();
    m.buildSite = item(m.reportsMenu, "BuildSite1", "Build league web site...");

    m.webUpdateMenu = topMenu(window, "WebUpdate1", "&Web Update");
    m.checkUpdate = item(m.webUpdateMenu, "Check1", "Check");

    m.helpMenu = topMenu(window, "Help1", "&Help");
    m.about = item(m.helpMenu, "About1", "About");
    m.donate = item(m.helpMenu, "Donate1", "How to donate");
}

}  // namespace

MainMenu buildMainMenu(QMainWindow& window) {
    MainMenu m;
    buildFileMenu(window, m);
    buildEditMenus(window, m);
    buildOptionsMenus(window, m);
    buildReportMenus(window, m);

    // What this version offers; everything else in the tree waits, disabled, for its command.
    m.league = {m.save, m.saveAs, m.restoreSave, m.freeAgents, m.exportPool};
    m.leagueMenus = {m.editMenu, m.teamMenu, m.teamsMenu, m.optionsMenu, m.seasonMenu, m.netLeagueMenu, m.reportsMenu};
    const QList<QAction*> offeredAlways = {m.open,
                                           m.exit,
                                           m.launchGame,
                                           m.colorMajors,
                                           m.colorAAA,
                                           m.colorAA,
                                           m.colorA,
                                           m.colorDL,
                                           m.colorRoster,
                                           m.colorNonRoster,
                                           m.allBlack,
                                           m.colorUnfilled,
                                           m.showHidden,
                                           m.about,
                                           m.donate};
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->menu() == nullptr && !offeredAlways.contains(action) &&
                !m.league.contains(action) && !action->objectName().startsWith(QLatin1String("Recent"))) {
                action->setEnabled(false);
            }
        }
    }
    return m;
}

}  // namespace zt::app

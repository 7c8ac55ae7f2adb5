#pragma once

namespace zt::app {

class TForm1;

// Each command module connects its menu items, pop-up items and panels to the main window.
// The window calls them once, after its menus and panels exist; each module adds the commands
// that need an open league with TForm1::addLeagueCommand.
void installCommandModules(TForm1& window);

// Edit > Advanced Search and the search panel.
void installSearchCommands(TForm1& window);

// The grid's roster commands, the Edit menu's player commands, the human-team box, the default
// team and the editor's lineup page.
void installRosterCommands(TForm1& window);

// The player editor's calculator buttons and Options > Constants.
void installRatingCommands(TForm1& window);

// File > "Check League Integrity".
void installLeagueCheckCommands(TForm1& window);

// Edit > Global Editing and its window.
void installGlobalEditCommands(TForm1& window);

// The history page, the export pool marks, File > Import Players and Export Players, Edit > Free
// Export Pool and Create missing stats entries, and Net League's rosters management files.
void installPlayerToolCommands(TForm1& window);

// File > CSV Data Import and its window.
void installCsvImportCommands(TForm1& window);
// Net League > League Info and HTML settings, Update league files, Export & Send; Web Update > Check.
void installNetLeagueCommands(TForm1& window);

// Reports > "Build league web site...".
void installSiteCommands(TForm1& window);

// Reports > Rosters Stats, Standings, Teams Charts and League Scores and their windows.
void installReportCommands(TForm1& window);

// Season Schedule, Playoffs, Team Info, Manager Profile and Season Info & Options.
void installSeasonCommands(TForm1& window);

// The photo box, File > Patches, Sound Editor, the unpacker and the two repackers.
void installMediaCommands(TForm1& window);

}  // namespace zt::app

#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <string>

#include "app/main_menu.h"
#include "league/ui/command_boundary.h"
#include "players/editor_settings.h"
#include "ratings/league_constants.h"

class QMenu;
class QSplitter;

namespace zt {
class Interaction;
class League;
class PlayerRecord;
class UndoStack;
}  // namespace zt

namespace zt::ui {
class PlayerEditor;
class PlayerGridPanel;
class QtInteraction;
}  // namespace zt::ui

namespace zt::app {

class AppDialogs;
class TeamMenus;

inline constexpr char kStartCaption[] = "Zantrip 2003 Editor 1.05  Beta";
inline constexpr char kOpenCaption[] = "Zantrip 2003 Editor 1.05 ";
inline constexpr char kVersionText[] = "Version 1.05";
inline constexpr char kUnsavedQuestion[] = "Changes have been made. Do you want to save the league ?";
inline constexpr char kOpenFilter[] = "ZT Season Files (*.sea);;Players Files (players.zt)";
inline constexpr char kSaveAsFilter[] = "ZT Season Files (*.sea)";
inline constexpr char kDonationPage[] = "https://ztedit.org/donate";
inline constexpr char kRestoreQuestion[] =
    "Bring back the league files as they were before the last save ? Changes not saved are lost; the "
    "files of now are kept, so restoring again undoes this.";
inline constexpr char kNothingToRestoreMessage[] = "There is no previous save of this league to restore.";

// The question asked before edits not yet applied would be lost.
std::string pendingEditsQuestion(const PlayerRecord& player);

// The main window: owns the open league, the editor settings and the league constants, and
// wires the menus to the commands of the core.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Reads the settings and constants.ini, and opens the league named by the first argument.
    void startUp(const QStringList& arguments);

    // Seams for tests: who answers questions and file choices.
    void setInteraction(Interaction* interaction);
    void setDialogs(AppDialogs* dialogs);

    League* league() const { return m_league.get(); }
    const EditorSettings& settings() const { return m_settings; }
    EditorSettings& settings() { return m_settings; }
    const LeagueConstants& constants() const { return m_constants; }
    LeagueConstants& constants() { return m_constants; }
    const MainMenu& menu() const { return m_menu; }
    ui::PlayerGridPanel* gridPanel() const { return m_gridPanel; }
    ui::PlayerEditor* playerEditor() const { return m_editor; }
    Interaction& interaction() const;
    AppDialogs& dialogs() const;
    // The game's install folder and the editor's data folder, each ending in "/" (the game folder
    // is empty when unknown).
    QString gameFolder() const { return m_gameDirectory; }
    QString dataDirectory() const;

    // A slot that runs `handler` as a command of this window: failures are shown through its
    // interaction and never reach the event loop. Every menu item, button and panel signal that
    // starts a command connects through it.
    template <class Handler>
    auto command(Handler handler) const {
        return ui::commandSlot([this]() -> Interaction& { return interaction(); }, std::move(handler));
    }

    // For the command modules (rosters, search, ratings, ...): the grid's pop-up menu, the
    // "Transfer To" menu in it, and commands enabled only while a league is open.
    QMenu* gridPopup() const { return m_gridPopup; }
    QMenu* transferMenu() const { return m_transferMenu; }
    const TeamMenus& teamMenus() const { return *m_teamMenus; }
    void addLeagueCommand(QAction* action);
    void addLeagueWidget(QWidget* widget);
    // Places a panel over the player editor in the right half (hidden until its command shows it).
    void addPanelAboveEditor(QWidget* panel);

    // Lists a team (or 255, the free agents) at a level filter in the grid; the editor shows
    // the lineup page for teams only. Emits teamShown.
    void fillGrid(int team, int levelFilter);
    // Shows the default team at all levels, as after an open.
    void showDefaultTeam();

    // Says in the status bar what just happened (UTF-8, like every message). Never a box.
    void showStatus(const std::string& message);

    // Before another player is shown over edits the user has not applied: asks whether to apply
    // them (Yes applies, No drops them, Cancel stays). True when the caller may go on.
    bool confirmPendingEdits();

    // Commands, also reached from the menus.
    void openCommand();
    void openRecent(int item);
    bool openLeagueFile(const QString& selectedFile);
    bool saveCommand();
    void saveAsCommand();
    // File > "Restore previous save": the league files before the last save come back (after a
    // question) and the league is opened again from them.
    void restorePreviousSaveCommand();
    void showTeam(int teamNumber);
    void showFreeAgents();
    void showExportPool();
    // Lists again what the grid showed and reloads the current player, after a command changed
    // players behind the views' backs.
    void showLeagueAgain();

    // Edit > Undo and Redo: the last command that changed the league is taken back, or done
    // again, exactly; every view shows the league afresh.
    void undoCommand();
    void redoCommand();
    const UndoStack& undoStack() const { return *m_undo; }
    void launchGame();

Q_SIGNALS:
    // startUp has read the settings and opened the league of the command line.
    void startedUp();
    // A league was opened, or undo or redo changed what the open league holds: views take it
    // afresh.
    void leagueOpened();
    void leagueClosed();
    // The grid now lists this team (or a view number of 200 or more).
    void teamShown(int team);
    // A team item of the "Transfer To" menu was chosen.
    void transferRequested(int team);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Construction
    void buildLayout();
    void connectMenu();
    void connectPanels();

    // League lifecycle
    void closeLeague();
    void buildTeamMenus();
    // After each command: what it changed becomes a step of undo.
    void recordUndoStep();
    void updateUndoItems();
    void showUndoneLeague(const char* status);
    void enableLeagueCommands(bool open);
    void updateRecentFiles(const QString& path);
    void refreshRecentItems();
    bool confirmDiscardOrSave(bool& saved);

    // Views
    void onPlayerSelected(int playerIndex);
    void onLevelFilterChanged(int levelCode);
    void onPlayerApplied(PlayerRecord* player);
    void updateDefaultTeamCheck();
    void chooseColor(StoredColor EditorSettings::*color);
    void allBlack();
    void toggleShowHidden(bool checked);
    void repaintGrid();

    // Start and end
    void shutDown();
    void showAbout();
    void openDonationPage();

    std::unique_ptr<League> m_league;
    std::unique_ptr<UndoStack> m_undo;
    EditorSettings m_settings;
    LeagueConstants m_constants;
    QString m_gameDirectory;
    QString m_selectedFile;
    bool m_shutDown = false;

    MainMenu m_menu;
    QMenu* m_gridPopup = nullptr;
    QMenu* m_transferMenu = nullptr;
    QList<QWidget*> m_leagueWidgets;
    std::unique_ptr<TeamMenus> m_teamMenus;
    QSplitter* m_splitter = nullptr;
    QWidget* m_rightHalf = nullptr;
    ui::PlayerGridPanel* m_gridPanel = nullptr;
    ui::PlayerEditor* m_editor = nullptr;

    std::unique_ptr<ui::QtInteraction> m_ownInteraction;
    std::unique_ptr<AppDialogs> m_ownDialogs;
    std::unique_ptr<AppDialogs> m_folderMemory;  // what dialogs() hands out, over m_dialogs
    Interaction* m_interaction = nullptr;
    AppDialogs* m_dialogs = nullptr;
};

}  // namespace zt::app

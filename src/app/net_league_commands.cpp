// Net League > League Info and HTML settings, Update league files and Export & Send, and
// Web Update > Check.
#include <QAction>
#include <QProcess>
#include <cstdlib>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/editor_data_dir.h"
#include "app/main_window.h"
#include "app/player_tool_commands.h"
#include "league/file_io.h"
#include "league/interaction.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "netleague/league_update.h"
#include "netleague/rosters_mail.h"
#include "netleague/ui/check_update_window.h"
#include "netleague/ui/net_info_window.h"
#include "netleague/ui/send_rosters_window.h"
#include "netleague/ui/update_league_window.h"
#include "players/ui/history_page.h"
#include "players/ui/player_grid_panel.h"
#include "rosters/rosters_file.h"

namespace zt::app {

namespace {

constexpr char kRostersFilter[] = "ZEVive Rosters files (*.ssr)";
constexpr char kExportCaption[] = "Export team rosters";
// The update server when ZTEDIT_UPDATE_SERVER names none.
constexpr char kDefaultUpdateServer[] = "https://ztedit.org";

class NetLeagueCommands final : public QObject {
public:
    explicit NetLeagueCommands(TForm1& window) : QObject(&window), m_window(window) {}

    void install() {
        const MainMenu& menu = m_window.menu();
        const auto on = [this](QAction* action, auto handler) {
            connect(action, &QAction::triggered, this, m_window.command(std::move(handler)));
        };
        m_window.addLeagueCommand(menu.leagueInfo);
        m_window.addLeagueCommand(menu.updateLeagueFiles);
        m_window.addLeagueCommand(menu.exportAndSend);
        on(menu.leagueInfo, [this] { leagueInfoCommand(); });
        on(menu.updateLeagueFiles, [this] { updateLeagueFilesCommand(); });
        on(menu.exportAndSend, [this] { exportAndSendCommand(); });
        // The editor's own update needs no league.
        menu.checkUpdate->setEnabled(true);
        on(menu.checkUpdate, [this] { checkUpdateCommand(); });
    }

private:
    League* league() const { return m_window.league(); }
    Interaction& interaction() const { return m_window.interaction(); }

    void leagueInfoCommand();
    void updateLeagueFilesCommand();
    void exportAndSendCommand();
    void checkUpdateCommand();

    TForm1& m_window;
};

void NetLeagueCommands::leagueInfoCommand() {
    League* open = league();
    if (open == nullptr) {
        return;
    }
    const auto chooseFile = [this](const QString& current) {
        return m_window.dialogs().openFileName(
            &m_window, QStringLiteral("Open"), current, QString::fromLatin1(ui::kHtmlFilesFilter));
    };
    // The history grid takes the new header and footer files as its HTML settings.
    const auto closed = [this] {
        if (ui::HistoryPage* page = historyPage(m_window)) {
            page->useLeagueHtmlFiles();
        }
    };
    ui::TNetInfoForm form(
        open->netInfo, leagueFilePath(open->leagueDir, "net.txt"), interaction(), chooseFile, closed, &m_window);
    form.exec();
}

void NetLeagueCommands::updateLeagueFilesCommand() {
    League* open = league();
    if (open == nullptr || !confirmLeagueUpdate(open->netInfo, interaction())) {
        return;
    }
    bool reload = false;
    const QString selectedFile = ui::fromPath(open->selectedFile.string());
    {
        ui::TUpdateLeagueForm form(
            open->leagueDir, open->netInfo.leagueFilesUrl, interaction(), [&reload] { reload = true; }, &m_window);
        form.exec();
    }
    // Opened again once the window is gone: the open replaces the league the window was given.
    if (reload) {
        m_window.openLeagueFile(selectedFile);
    }
}

void NetLeagueCommands::exportAndSendCommand() {
    League* open = league();
    if (open == nullptr || open->currentPlayer == nullptr || !open->isTeam(open->currentPlayer->teamIndex())) {
        return;  // nothing for a free agent
    }
    // The lineup check may change roles and positions: edits not applied would be shown over them.
    if (!m_window.confirmPendingEdits()) {
        return;
    }
    const int team = open->currentPlayer->teamIndex();
    const bool goOn = prepareRostersExport(*open, team, interaction());
    ui::PlayerGridPanel* grid = m_window.gridPanel();
    if (!grid->inSearchMode() && !grid->showsExportPool() && grid->shownTeam() >= 0) {
        m_window.fillGrid(grid->shownTeam(), grid->levelFilter());
    }
    if (!goOn) {
        return;
    }
    const QString proposal = ui::fromPath(rostersExportProposal(open->selectedFile, team).string());
    const QString file = m_window.dialogs().saveFileName(&m_window,
                                                         QString::fromLatin1(kExportCaption),
                                                         proposal,
                                                         QString::fromLatin1(kRostersFilter),
                                                         QStringLiteral("ssr"));
    if (file.isEmpty()) {
        return;
    }
    const std::filesystem::path exported = ui::toPath(file);
    writeRostersFile(*open, team, exported);
    ui::TSendRostersForm form(rostersMail(open->netInfo, {}, {}, exported),
                              rostersMailSubject(team),
                              rostersMailComments(team),
                              interaction(),
                              &m_window);
    form.exec();
}

void NetLeagueCommands::checkUpdateCommand() {
    const char* configured = std::getenv("ZTEDIT_UPDATE_SERVER");
    const std::string server = configured != nullptr && *configured != '\0' ? configured : kDefaultUpdateServer;
    const std::filesystem::path editorDir = ui::toPath(editorDataDirectory(ui::fromPath(m_window.settings().dataPath)));
    const auto startPatch = [this](const std::filesystem::path& patch,
                                   const std::vector<std::string>& arguments,
                                   const std::filesystem::path& folder) {
        QStringList parameters;
        for (const std::string& argument : arguments) {
            parameters << ui::fromPath(argument);
        }
        if (!QProcess::startDetached(ui::fromPath(patch.string()), parameters, ui::fromPath(folder.string()))) {
            return false;
        }
        // The installer replaces the editor's files: the editor ends (asking about unsaved changes).
        m_window.close();
        return true;
    };
    ui::TCheckUpdateForm form(server, editorDir, interaction(), startPatch, &m_window);
    form.exec();
}

}  // namespace

void installNetLeagueCommands(TForm1& window) {
    auto* commands = new NetLeagueCommands(window);
    commands->install();
}

}  // namespace zt::app

// Reports: "Rosters Stats" (F10), "Standings" (F11) and "Teams Charts" open their windows modally.
#include "app/report_commands.h"

#include <QAction>
#include <QObject>
#include <algorithm>
#include <filesystem>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/editor_data_dir.h"
#include "app/main_window.h"
#include "league/error.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/player_grid.h"
#include "players/ui/player_grid_panel.h"
#include "reports/card_photos.h"
#include "reports/ui/card_window.h"
#include "reports/ui/leaders_window.h"
#include "reports/ui/league_scores_window.h"
#include "reports/ui/report_placement.h"
#include "reports/ui/report_save_dialog.h"
#include "reports/ui/report_services.h"
#include "reports/ui/rosters_stats_window.h"
#include "reports/ui/scouting_window.h"
#include "reports/ui/standings_window.h"
#include "reports/ui/team_performance_window.h"
#include "reports/ui/win_chart_window.h"

namespace zt::app {

namespace {

// What the report windows use of the main window, for as long as it lives.
class ReportCommands : public QObject {
public:
    explicit ReportCommands(TForm1& window)
        : QObject(&window),
          m_window(window),
          m_saveDialog([&window](QWidget* parent,
                                 const QString& caption,
                                 const QString& directory,
                                 const QString& filter,
                                 const QString& suffix) {
              return window.dialogs().saveFileName(parent, caption, directory, filter, suffix);
          }) {
        setObjectName(QStringLiteral("reportCommands"));
        m_services.saveDialog = &m_saveDialog;
        m_services.chooseFolder = [&window](QWidget* parent, const QString& caption, const QString& directory) {
            return window.dialogs().chooseFolder(parent, caption, directory);
        };
        m_services.openFile =
            [&window](QWidget* parent, const QString& caption, const QString& directory, const QString& filter) {
                return window.dialogs().openFileName(parent, caption, directory, filter);
            };
        m_services.saveFile = [&window](QWidget* parent,
                                        const QString& caption,
                                        const QString& directory,
                                        const QString& filter,
                                        const QString& suffix) {
            return window.dialogs().saveFileName(parent, caption, directory, filter, suffix);
        };
        m_services.chooseColor = [&window](QWidget* parent, const QColor& initial) {
            return window.dialogs().chooseColor(parent, initial);
        };
        m_services.openDocument = [&window](const QString& file) { return window.dialogs().shellOpen(file, {}, {}); };
        m_services.openPlayer = [this](int playerIndex) { showPlayer(playerIndex); };
        // Photos come from the album of the game folder of the moment (the user may change it).
        m_services.cardPhoto = [&window](const PlayerRecord& player, const std::filesystem::path& folder) {
            return reports::albumCardPhotos(ui::toPath(window.gameFolder()))(player, folder);
        };
        // A name link opens the card over the report that holds the link, and closes with it.
        m_services.openCard = [this](QWidget* report, int playerIndex) {
            League* league = m_window.league();
            if (league == nullptr || playerIndex < 0 || playerIndex >= static_cast<int>(league->players.size())) {
                return false;
            }
            auto* card = prepare(new reports::ui::Tcardfrm(
                *league, playerIndex, cardDataDirectory(), services(), report != nullptr ? report : &m_window));
            card->setWindowModality(Qt::WindowModal);
            card->show();
            return true;
        };

        add(window.menu().rostersStats, [&window] { return createRostersStatsWindow(window); });
        add(window.menu().standings, [&window] { return createStandingsWindow(window); });
        add(window.menu().teamsCharts, [&window] { return createTeamPerformanceWindow(window); });
        add(window.menu().leagueScores, [&window] { return createLeagueScoresWindow(window); });
        add(window.menu().leaders, [&window] { return createLeadersWindow(window); });
        add(window.menu().scouting, [&window] { return createScoutingWindow(window); });
        add(window.menu().proYears, [&window] { return createProYearsWindow(window); });
        add(window.menu().winningChart, [&window] { return createWinChartWindow(window); });
        add(window.menu().cards, [&window]() -> reports::ui::Tcardfrm* {
            const League& league = *window.league();
            const auto& players = league.players;
            const auto current = std::find_if(
                players.begin(), players.end(), [&](const auto& p) { return p.get() == league.currentPlayer; });
            if (current == players.end()) {
                throw Error("Choose a player in the list first");
            }
            return createCardWindow(window, static_cast<int>(current - players.begin()));
        });
    }

    // The interaction is read when a window opens: tests and the window may replace it.
    reports::ui::ReportServices& services() {
        m_services.interaction = &m_window.interaction();
        return m_services;
    }
    const reports::ui::ReportSaveDialog& saveDialog() const { return m_saveDialog; }

    std::filesystem::path cardDataDirectory() const {
        return ui::toPath(editorDataDirectory(ui::fromPath(m_window.settings().dataPath)));
    }

    template <class Window>
    Window* prepare(Window* form) {
        form->setAttribute(Qt::WA_DeleteOnClose);
        reports::ui::placeReportWindowWhenShown(*form, m_window);
        return form;
    }

private:
    template <class Create>
    void add(QAction* action, Create create) {
        // Opening may be refused (League Scores without a schedule): the message is shown.
        QObject::connect(action, &QAction::triggered, &m_window, m_window.command([this, create] {
            if (m_window.league() != nullptr) {
                create()->exec();
            }
        }));
        m_window.addLeagueCommand(action);
    }

    // A name link: the player's team (or the free agents) in the grid, with the player current.
    void showPlayer(int playerIndex) {
        League* league = m_window.league();
        if (league == nullptr || playerIndex < 0 || playerIndex >= static_cast<int>(league->players.size())) {
            return;
        }
        const int team = league->players[static_cast<std::size_t>(playerIndex)]->teamIndex();
        if (league->isTeam(team)) {
            m_window.showTeam(team);
        } else {
            m_window.showFreeAgents();
        }
        if (!m_window.gridPanel()->selectPlayerRow(playerIndex)) {
            m_window.fillGrid(team, kAllLevels);
            m_window.gridPanel()->selectPlayerRow(playerIndex);
        }
    }

    TForm1& m_window;
    reports::ui::ReportSaveDialog m_saveDialog;
    reports::ui::ReportServices m_services;
};

ReportCommands& commandsOf(const TForm1& window) {
    return *window.findChild<ReportCommands*>(QStringLiteral("reportCommands"), Qt::FindDirectChildrenOnly);
}

// Closing the rosters statistics shows the grid's list again.
void refreshGrid(TForm1& window) {
    ui::PlayerGridPanel* grid = window.gridPanel();
    if (window.league() != nullptr && grid->shownTeam() >= 0 && !grid->showsExportPool()) {
        window.fillGrid(grid->shownTeam(), grid->levelFilter());
    }
}

}  // namespace

reports::ui::Tfrmstats* createRostersStatsWindow(TForm1& window) {
    const QString dataDirectory = editorDataDirectory(ui::fromPath(window.settings().dataPath));
    auto* form = new reports::ui::Tfrmstats(
        *window.league(), window.settings(), ui::toPath(dataDirectory), commandsOf(window).services(), &window);
    QObject::connect(form, &QDialog::finished, &window, [&window] { refreshGrid(window); });
    return commandsOf(window).prepare(form);
}

reports::ui::Tstandfrm* createStandingsWindow(TForm1& window) {
    return commandsOf(window).prepare(
        new reports::ui::Tstandfrm(*window.league(), commandsOf(window).services(), &window));
}

reports::ui::Tteamperffrm* createTeamPerformanceWindow(TForm1& window) {
    return commandsOf(window).prepare(
        new reports::ui::Tteamperffrm(*window.league(), commandsOf(window).services(), &window));
}

reports::ui::Tleaguescoresfrm* createLeagueScoresWindow(TForm1& window) {
    return commandsOf(window).prepare(
        new reports::ui::Tleaguescoresfrm(*window.league(), commandsOf(window).services(), &window));
}

reports::ui::Tleadersfrm* createLeadersWindow(TForm1& window) {
    return commandsOf(window).prepare(
        new reports::ui::Tleadersfrm(*window.league(), window.settings(), commandsOf(window).services(), &window));
}

reports::ui::Tcardfrm* createCardWindow(TForm1& window, int playerIndex) {
    ReportCommands& commands = commandsOf(window);
    return commands.prepare(new reports::ui::Tcardfrm(
        *window.league(), playerIndex, commands.cardDataDirectory(), commands.services(), &window));
}

reports::ui::TScoutfrm* createScoutingWindow(TForm1& window) {
    return commandsOf(window).prepare(
        new reports::ui::TScoutfrm(*window.league(), commandsOf(window).services(), &window));
}

reports::ui::TProYearsfrm* createProYearsWindow(TForm1& window) {
    return commandsOf(window).prepare(
        new reports::ui::TProYearsfrm(*window.league(), commandsOf(window).services(), &window));
}

reports::ui::Twinchartfrm* createWinChartWindow(TForm1& window) {
    return commandsOf(window).prepare(
        new reports::ui::Twinchartfrm(*window.league(), commandsOf(window).services(), &window));
}

const reports::ui::ReportSaveDialog& reportSaveDialog(const TForm1& window) {
    return commandsOf(window).saveDialog();
}

reports::ui::ReportServices& reportServices(TForm1& window) {
    return commandsOf(window).services();
}

void installReportCommands(TForm1& window) {
    new ReportCommands(window);
}

}  // namespace zt::app

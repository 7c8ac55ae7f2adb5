// Edit > Season Schedule (F6) and Playoffs (F7), Team > Team Info and Manager Profile, and
// Season > Season Info & Options open their windows modally.
#include "app/season_commands.h"

#include <QAction>
#include <QObject>
#include <optional>

#include "app/app_dialogs.h"
#include "app/command_modules.h"
#include "app/main_window.h"
#include "league/league.h"
#include "league/ui/qt_text.h"
#include "players/ui/player_editor.h"
#include "players/ui/player_grid_panel.h"
#include "reports/ui/report_placement.h"
#include "season/ui/manager_profile_window.h"
#include "season/ui/playoffs_window.h"
#include "season/ui/schedule_window.h"
#include "season/ui/season_options_window.h"
#include "season/ui/season_services.h"
#include "season/ui/team_info_window.h"

namespace zt::app {

namespace {

// What the season windows use of the main window, for as long as it lives.
class SeasonCommands : public QObject {
public:
    explicit SeasonCommands(TForm1& window) : QObject(&window), m_window(window) {
        setObjectName(QStringLiteral("seasonCommands"));
        m_services.openFile = [&window](QWidget* parent, const QString& caption, const QString& filter) {
            return window.dialogs().openFileName(parent, caption, QString(), filter);
        };
        m_services.saveFile =
            [&window](QWidget* parent, const QString& caption, const QString& filter, const QString& suffix) {
                return window.dialogs().saveFileName(parent, caption, QString(), filter, suffix);
            };
        const MainMenu& menu = window.menu();
        add(menu.seasonSchedule, [&window] { return createScheduleWindow(window); });
        add(menu.playoffs, [&window] { return createPlayoffsWindow(window); });
        add(menu.teamInfo, [&window] { return createTeamInfoWindow(window); });
        add(menu.managerProfile, [&window] { return createManagerProfileWindow(window); });
        add(menu.seasonInfo, [&window] { return createSeasonOptionsWindow(window); });
    }

    // The interaction is read when a window opens: tests and the window may replace it.
    season::ui::SeasonServices& services() {
        m_services.interaction = &m_window.interaction();
        return m_services;
    }

    template <class Window>
    Window* prepare(Window* form) {
        form->setAttribute(Qt::WA_DeleteOnClose);
        return form;
    }

    // The current player's team; none for a free agent or without a current player.
    std::optional<int> currentTeam() const {
        const League* league = m_window.league();
        if (league == nullptr || league->currentPlayer == nullptr ||
            !league->isTeam(league->currentPlayer->teamIndex())) {
            return std::nullopt;
        }
        return league->currentPlayer->teamIndex();
    }

private:
    template <class Create>
    void add(QAction* action, Create create) {
        QObject::connect(action, &QAction::triggered, this, m_window.command([this, create] {
            if (m_window.league() == nullptr) {
                return;
            }
            if (auto* form = create()) {
                form->exec();
            }
        }));
        m_window.addLeagueCommand(action);
    }

    TForm1& m_window;
    season::ui::SeasonServices m_services;
};

SeasonCommands& commandsOf(const TForm1& window) {
    return *window.findChild<SeasonCommands*>(QStringLiteral("seasonCommands"), Qt::FindDirectChildrenOnly);
}

// After Team Info: the roster caption shows the team's new name when the grid lists that team, and
// the editor shows the current player again, so its team box takes the new abbreviation.
void teamInfoStored(TForm1& window, int team) {
    League* league = window.league();
    if (league == nullptr) {
        return;
    }
    if (window.gridPanel()->shownTeam() == team) {
        window.gridPanel()->setTeamCaption(ui::fromLeagueText(league->teamName(team)));
    }
    if (league->currentPlayer != nullptr) {
        window.gridPanel()->refreshCurrentRow();
        window.playerEditor()->loadPlayer(*league->currentPlayer);
    }
}

}  // namespace

season::ui::Tteaminfofrm* createTeamInfoWindow(TForm1& window) {
    SeasonCommands& commands = commandsOf(window);
    const auto team = commands.currentTeam();
    if (!team) {
        return nullptr;
    }
    auto* form = new season::ui::Tteaminfofrm(*window.league(), *team, commands.services(), &window);
    QObject::connect(form, &QDialog::accepted, &window, [&window, team = *team] { teamInfoStored(window, team); });
    return commands.prepare(form);
}

season::ui::Tmanagerfrm* createManagerProfileWindow(TForm1& window) {
    SeasonCommands& commands = commandsOf(window);
    const auto team = commands.currentTeam();
    if (!team) {
        return nullptr;
    }
    return commands.prepare(new season::ui::Tmanagerfrm(*window.league(), *team, commands.services(), &window));
}

season::ui::Tseasonfrm* createSeasonOptionsWindow(TForm1& window) {
    SeasonCommands& commands = commandsOf(window);
    auto* form = commands.prepare(new season::ui::Tseasonfrm(*window.league(), commands.services(), &window));
    // Centred vertically on the main window, as the report windows are.
    reports::ui::placeReportWindowWhenShown(*form, window);
    return form;
}

season::ui::Tschedulefrm* createScheduleWindow(TForm1& window) {
    SeasonCommands& commands = commandsOf(window);
    return commands.prepare(new season::ui::Tschedulefrm(*window.league(), commands.services(), &window));
}

season::ui::Tplayoffsfrm* createPlayoffsWindow(TForm1& window) {
    SeasonCommands& commands = commandsOf(window);
    return commands.prepare(new season::ui::Tplayoffsfrm(*window.league(), commands.services(), &window));
}

void installSeasonCommands(TForm1& window) {
    new SeasonCommands(window);
}

}  // namespace zt::app

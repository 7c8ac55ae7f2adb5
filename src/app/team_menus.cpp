#include "app/team_menus.h"

#include <QAction>
#include <QMenu>

#include "league/league.h"
#include "league/team_menu.h"
#include "league/ui/qt_text.h"

namespace zt::app {

TeamMenus::TeamMenus(QMenu* teamsMenu, QMenu* transferMenu) : m_teamsMenu(teamsMenu), m_transferMenu(transferMenu) {}

void TeamMenus::build(const League& league, const TeamHandler& showTeam, const TeamHandler& transferTo) {
    clear();
    struct Target {
        QMenu* menu;
        QString prefix;
        const TeamHandler* handler;
    };
    const Target targets[] = {{m_teamsMenu, QString(), &showTeam}, {m_transferMenu, QStringLiteral("T"), &transferTo}};
    for (const auto& target : targets) {
        for (const auto& leagueMenu : buildTeamMenus(league)) {
            const QString n = QString::number(leagueMenu.league);
            QAction* top = target.menu->addSeparator();
            top->setObjectName(target.prefix + QStringLiteral("TopLine") + n);
            QAction* name = target.menu->addAction(ui::fromLeagueText(leagueMenu.caption));
            // A heading in looks only: an ordinary item that does nothing when chosen.
            name->setObjectName(target.prefix + QStringLiteral("Lmenu") + n);
            QAction* bottom = target.menu->addSeparator();
            bottom->setObjectName(target.prefix + QStringLiteral("BottomLine") + n);
            m_added << top << name << bottom;

            for (const auto& division : leagueMenu.divisions) {
                QMenu* divisionMenu = target.menu->addMenu(ui::fromLeagueText(division.caption));
                divisionMenu->setObjectName(target.prefix + QStringLiteral("D%1L%2").arg(division.division).arg(n));
                divisionMenu->menuAction()->setObjectName(divisionMenu->objectName());
                m_added << divisionMenu->menuAction();
                for (const auto& team : division.teams) {
                    QAction* teamItem = divisionMenu->addAction(ui::fromLeagueText(team.city));
                    teamItem->setObjectName(target.prefix + QStringLiteral("Team%1").arg(team.teamNumber));
                    teamItem->setData(team.teamNumber);
                    const TeamHandler handler = *target.handler;
                    const int number = team.teamNumber;
                    QObject::connect(teamItem, &QAction::triggered, teamItem, [handler, number] {
                        if (handler) {
                            handler(number);
                        }
                    });
                    if (target.menu == m_transferMenu) {
                        m_transferTeams << teamItem;
                    }
                }
            }
        }
    }
}

void TeamMenus::clear() {
    // Deleted at once, so a league opened next never meets a menu of the one before.
    for (QAction* action : std::as_const(m_added)) {
        for (QMenu* menu : {m_teamsMenu, m_transferMenu}) {
            menu->removeAction(action);
        }
        if (QMenu* division = action->menu()) {
            delete division;  // with its own action and its team items
        } else {
            delete action;
        }
    }
    m_added.clear();
    m_transferTeams.clear();
}

}  // namespace zt::app

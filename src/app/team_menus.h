#pragma once

#include <QList>
#include <functional>

class QAction;
class QMenu;

namespace zt {
class League;
}

namespace zt::app {

// The per-league part of the Teams menu and of the "Transfer To" menu: for each league a
// separator "TopLine"n, the league name "Lmenu"n and a separator "BottomLine"n, then one sub-menu
// per division ("D"i"L"n) holding the teams sorted by city ("Team"t, data = team number). The
// "Transfer To" copy uses the same names prefixed with "T". Built at open, removed at close.
class TeamMenus {
public:
    using TeamHandler = std::function<void(int teamNumber)>;

    TeamMenus(QMenu* teamsMenu, QMenu* transferMenu);

    void build(const League& league, const TeamHandler& showTeam, const TeamHandler& transferTo);
    void clear();

    // The team items of the "Transfer To" menu, to enable or disable them together.
    const QList<QAction*>& transferTeamActions() const { return m_transferTeams; }

private:
    QMenu* m_teamsMenu;
    QMenu* m_transferMenu;
    QList<QAction*> m_added;  // every item and sub-menu action added at build
    QList<QAction*> m_transferTeams;
};

}  // namespace zt::app

#pragma once

#include <string>
#include <vector>

namespace zt {

class League;

// The Teams and "Transfer To" menus as data: each league with its divisions, each division with
// its teams sorted by city. The window turns it into menu items.
struct TeamMenuTeam {
    int teamNumber = 0;
    std::string city;
    bool operator==(const TeamMenuTeam&) const = default;
};

struct TeamMenuDivision {
    int division = 0;
    std::string caption;  // division name + " (" + league abbreviation + ")"
    std::vector<TeamMenuTeam> teams;
};

struct TeamMenuLeague {
    int league = 0;
    std::string caption;  // the league name
    std::vector<TeamMenuDivision> divisions;
};

// Leagues 0 .. leagueCount - 1 with divisions 0 .. divisionsPerLeague - 1. Teams are placed by
// their league and division index, cities compared without regard to case; the two All-Star
// teams ("AL All Stars", "NL All Stars") and teams whose indexes name no menu get no entry.
std::vector<TeamMenuLeague> buildTeamMenus(const League& league);

}  // namespace zt

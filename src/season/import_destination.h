#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zt {
class League;
}

namespace zt::season {

// Where Import Players puts the players it reads: the team each record carries, the free agents
// or a team of the league.
inline constexpr int kKeepImportedTeam = 999;
inline constexpr std::string_view kImportDestinationCaption = "Imported Players Destination Team";
inline constexpr std::string_view kImportDestinationLabel = "Select the destination tean";
inline constexpr std::string_view kImportDestinationNote =
    "Note:\nIf there is no place on the destnation team, \nthe players will be imported in the\nFree Agents list.";

// "Imported player team", then the team name list ("Free Agents" and every team in team order).
std::vector<std::string> importDestinationItems(const League& league);
// The destination of an item: 999, 255 for the free agents, else the team's number. No item
// (or one beyond the list) has none: -1.
int importDestinationCode(const League& league, int item);

}  // namespace zt::season

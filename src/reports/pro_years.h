#pragma once

#include <string>

namespace zt {
class League;
class PlayerRecord;
}  // namespace zt

namespace zt::reports {

class LeagueIndex;

// What makes a season an official pro year at ML, and who is listed.
struct ProYearsRequirements {
    int atBats = 150;     // batters
    double innings = 55;  // pitchers: innings ...
    int games = 15;       // ... or games
    int minimumYears = 0;
};

// The seasons from 1900 to 2200 in which the player reached the requirement at ML: a pitcher by
// his pitching lines, anyone else by his batting lines.
int proYears(const PlayerRecord& player, const LeagueIndex& index, const ProYearsRequirements& requirements);

// "Firstname,Lastname,Pos,Team,Level,Pro Years" and a line per player with enough pro years.
std::string proYearsCsv(const League& league, const LeagueIndex& index, const ProYearsRequirements& requirements);

}  // namespace zt::reports

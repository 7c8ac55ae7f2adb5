#pragma once

#include <string>

namespace zt {
class Interaction;
class League;
}  // namespace zt

namespace zt::season {

// The history lines keep their year in 11 bits.
inline constexpr int kLastStoredYear = 2047;
// A line of this year holds a player's streak records, not a season.
inline constexpr int kStreakYear = 3;

std::string yearShiftQuestion(int years);

// "Historical Stats Adjustment": adds `years` to the year of every batting, pitching and fielding
// line of every player and team, except the streak lines. Every line is checked first: when a year
// would leave 0..2047, or a season line would take the streak lines' year, nothing changes and
// zt::Error names the player or team, the line and the year. Returns the number of lines shifted;
// marks the league changed when there were any.
int shiftHistoryYears(League& league, int years);

// The command: asks first (No changes nothing and returns -1), then shifts. Shifting by 0 asks
// nothing and changes nothing.
int adjustHistoricalStats(League& league, int years, Interaction& interaction);

}  // namespace zt::season

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zt {
class League;
}

namespace zt::season {

inline constexpr std::string_view kScheduleCaption = "Velmora Zantrip 2002 Editor Schedule Module";
inline constexpr std::string_view kNoScheduleMessage = "No schedule file found or corrupted file";
inline constexpr int kScheduleGames = 15;

// The schedule windows and the league scores need the days of scores.zt: without the file, or
// with a file holding no day, they refuse with kNoScheduleMessage.
void requireSchedule(const League& league);

enum class Side { Home, Visitor };

// Items of the team combos: "N/A", the abbreviation of every team in team order, then "AL A-S"
// and "NL A-S". Item k stands for the stored value k - 1: -1 (no team), the teams, and the two
// All-Star teams numbered teamCount and teamCount + 1.
std::vector<std::string> scheduleTeamItems(const League& league);
// The item of a stored value; -1 (no item) for a value the items do not hold.
int scheduleTeamItem(const League& league, int value);

// The stored team of a game (day 1-based, game 1..15).
int scheduledTeam(const League& league, int day, int game, Side side);
// A team combo's change: the item's value becomes the home or visiting team of the game. Marks
// the league changed when the value changed.
void setScheduledTeam(League& league, int day, int game, Side side, int item);
// A score edit's text: empty for a negative (not played) value.
std::string scoreText(int runs);

// "Left click on the ? button": the winning, losing and saving pitchers of a played game (home or
// visitors' runs above 0), one line each, the save line only when a pitcher is credited with it.
// None for a game not played.
std::optional<std::string> gameSummary(const League& league, int day, int game);

}  // namespace zt::season

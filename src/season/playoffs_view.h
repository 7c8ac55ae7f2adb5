#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zt {
class GameResult;
class League;
}  // namespace zt

namespace zt::season {

inline constexpr std::string_view kPlayoffsCaption = "RA2vIvav Playoffs Edition";
inline constexpr std::string_view kNoPlayoffsMessage = "No playoffs file found or corrupted file";
inline constexpr int kPlayoffTeamItems = 32;

// The window needs playoffs.zt: without it, kNoPlayoffsMessage.
void requirePlayoffs(const League& league);

// Items of `cbseries`: item i is series i + 1.
const std::array<std::string_view, 7>& playoffSeriesNames();
// The team combos' fixed items: "N/A", the game's thirty standard abbreviations, "FA " (the
// blanks belong to the items). Item k stands for team value k - 1, whatever the open league's
// teams are.
const std::array<std::string_view, kPlayoffTeamItems>& playoffTeamItems();

// The item a team combo shows for a game: the team's item when the visiting team is not -1 and
// neither team is 0, else item 0 ("N/A"); -1 (no item) for a value the items do not hold.
int playoffTeamItem(const GameResult& game, bool visitor);
// A runs edit's text: empty for -1.
std::string playoffRunsText(int runs);

// Series 0..6, game 0..6 as in the league's playoffSeries. Each marks the league changed when the
// stored value changed.
// A team combo's change: item - 1 becomes the visiting or home team.
void setPlayoffTeam(League& league, int series, int game, bool visitor, int item);
// A runs edit's change: stored only when the whole text is a whole number; returns whether it was.
bool setPlayoffRuns(League& league, int series, int game, bool visitor, std::string_view text);

}  // namespace zt::season

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"
#include "players/editor_settings.h"

namespace zt {

// Level filter value that lists every level of a team.
inline constexpr int kAllLevels = 99;
// View number of the export pool: beyond every team number and the free agents, so code that
// treats views from 200 on as no team roster treats it so too.
inline constexpr int kExportPoolView = 256;

// Columns of the player grid. The first four are shown; the last three are kept for the
// commands that act on grid rows and stay hidden.
inline constexpr int kGridNumberColumn = 0;    // uniform number, "*" in front for export-pool players
inline constexpr int kGridNameColumn = 1;      // "last , first"
inline constexpr int kGridPositionColumn = 2;  // "P" .. "DH"
inline constexpr int kGridLevelColumn = 3;     // level text, or a searched field's value
inline constexpr int kGridIndexColumn = 4;     // index in League::players: the row key
inline constexpr int kGridPoolColumn = 5;      // "O" for export-pool players
inline constexpr int kGridRosterColumn = 6;    // "R" on the team roster, "N" otherwise (worked out when painting)
inline constexpr int kGridColumnCount = 7;
inline constexpr int kGridTextColumns = 4;

// One player row of the grid.
struct PlayerGridRow {
    std::array<std::string, kGridTextColumns> texts;  // columns 0 to 3
    int playerIndex = -1;                             // column 4
    bool inExportPool = false;                        // column 5

    bool operator==(const PlayerGridRow&) const = default;
};

// What a fill produced: the rows in list order and the level they were taken at.
struct PlayerGridContent {
    std::vector<PlayerGridRow> rows;
    int levelShown = kAllLevels;  // the level asked for, or kAllLevels after a fall-back
    bool fellBack = false;        // the level asked for had no player, so every level is listed
};

// The row of one player as a team fill writes it. `playerIndex` must be a valid index.
PlayerGridRow playerGridRow(const League& league, int playerIndex);

// The players of `team` (255: the free agents) at `levelFilter` (a level code or kAllLevels),
// in list order. A team's hidden players (its players whose id is not on its roster) are
// listed only when `showHidden` is set; free agents are always listed, as they have no roster.
// When the level has no player the team is listed at every level instead, so the user never
// faces an empty grid for a team that has players.
PlayerGridContent playerGridRows(const League& league, int team, int levelFilter, bool showHidden);

// The export pool in pool order. Every row carries the pool mark, so the grid shows these
// players as pool members and a toggle of the mark removes them. A member that is no longer
// one of the league's players is left out rather than read.
std::vector<PlayerGridRow> exportPoolRows(const League& league);

// The team a view falls back to when it has nothing else to show: the default team of the
// settings when the league has it (or the free agents), else team 0, else the free agents.
int defaultGridTeam(const League& league, const EditorSettings& settings);
// The team label for that team: the caption kept with the default team when it is the one
// shown, else "Free Agents" or the team's city followed by " Roster".
std::string defaultGridCaption(const League& league, const EditorSettings& settings);

// The roster filter: its item texts and the level code each stands for.
inline constexpr int kRosterFilterItemCount = 7;
const std::array<std::string_view, kRosterFilterItemCount>& rosterFilterItems();
// Level code of an item; kAllLevels for an index outside the list.
int rosterFilterLevel(int itemIndex);
// Item showing a level code; -1 when no item does.
int rosterFilterIndex(int levelCode);

// How a row is drawn. An empty colour means the grid's default.
struct RowPaint {
    std::optional<StoredColor> font;
    std::optional<StoredColor> background;
    bool onRoster = false;  // column 6: "R" when set, "N" otherwise
};

// Font: maroon for export-pool players, else the colour of the level text; red for players
// added since the league was read, whatever else applies. Background: while the grid is
// enabled and the current player belongs to a team, the roster colour for players on their
// own team's roster and the non-roster colour for the others; no background otherwise.
RowPaint paintRow(const League& league, const PlayerGridRow& row, const EditorSettings& settings, bool gridEnabled);

enum class SortOrder { Ascending, Descending };

// Whether a column sorts by number: the uniform number and the row key always, the level
// column only while it holds searched values.
bool sortsNumerically(int column, bool levelColumnHoldsValues);

// Stable order of `rows` by one column. Numbers compare by value (a leading "*" is ignored;
// texts that are no number come first in ascending order); texts compare without regard to
// the case of ASCII letters. Rows that compare equal keep their order, in either direction.
// Returns the permutation applied: result[newRow] = oldRow.
std::vector<int> sortRows(std::vector<PlayerGridRow>& rows,
                          int column,
                          SortOrder order,
                          bool levelColumnHoldsValues = false);

// Makes the player at `playerIndex` the current player. When the league read a stats file the
// player's history block (the first with his id) becomes the current history; a player
// without one gets an empty block appended to the list, so his history can be edited and is
// written by the next save. Selecting is not a change of the league. Returns the current
// history (nullptr without stats), or nullptr and changes nothing for an invalid index.
StatHistory* selectPlayer(League& league, int playerIndex);

}  // namespace zt

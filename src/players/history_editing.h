#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "players/history_lines.h"

namespace zt {

class Interaction;
class League;
class PlayerRecord;

inline constexpr char kDeleteHistoryLineQuestion[] = "Are you sure you want to delete this stats entry ?";
inline constexpr char kNoStatEntryMissing[] = "No stat entry was missing.";
inline constexpr char kNoStatsFileForEntries[] =
    "This league has no stats file (stats.zt), so it keeps no stats entries: none were created.";

// "Confirm changes": the edit grid's value cells (in column order, league text as bytes) are read
// into line `line` of that kind and stored. Every cell is read before anything is stored, so a
// cell that does not convert, or holds a value the line cannot store, ends the command with
// zt::Error naming it and the line stays as it was. The league is marked changed first, as the
// editor always did, even when nothing could be stored.
//
// Reading back: the level text ("ML", "AAA", "AA", "A", "Inactive List", "DL", any case) gives its
// code, and a cell that names none (the empty cell of levels 4 to 6) keeps the line's level; the
// team abbreviation gives its team, "FA" or an empty cell 255, an unknown text keeps the team;
// "VsR" gives split 1, "VsS" 2, an empty cell keeps the split and any other text gives 0; a
// position text gives its code, anything else keeps the position; IP and Inn are innings, stored
// as whole outs (6.1 -> 18, 6.2 -> 19); the pitching value no grid shows (`extra`) becomes 0.
//
// Returns the cells now shown for the stored line, or nothing when the list of that kind is
// empty or `line` is not one of its lines (nothing is stored then).
std::optional<std::vector<std::string>> confirmHistoryLine(
    League& league, StatHistory& history, HistoryKind kind, int line, std::span<const std::string> cells);

// "Add an history stats row": a line of zero bytes for the player's team (a fielding line also
// for his position) at the end of that kind's list. Marks the league changed; returns its index.
int addHistoryLine(League& league, StatHistory& history, HistoryKind kind, const PlayerRecord& player);

// "Remove history stats row": after the question is answered Yes (No is its default), line
// `line` of that kind goes. Returns whether the user agreed; the league is then marked changed,
// even when there was no such line to remove.
bool deleteHistoryLine(League& league, StatHistory& history, HistoryKind kind, int line, Interaction& interaction);

// "Create missing stats entries": every player without a history block (by id) gets an empty
// one, appended in player order; the league is marked changed when any was created and the
// message says how many. A league without stats.zt keeps no history and is left alone, saying so.
// Returns the number created.
int createMissingHistories(League& league, Interaction& interaction);

// "N stats entries were missing. They have been created" or kNoStatEntryMissing.
std::string missingHistoriesMessage(int created);

}  // namespace zt

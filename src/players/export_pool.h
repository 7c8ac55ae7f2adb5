#pragma once

#include <span>

namespace zt {

class Interaction;
class League;
class PlayerRecord;
struct StatHistory;

inline constexpr char kFreeExportPoolQuestion[] = "Do you really want to remove all players in the export pool ?";

// The history block that goes into the export pool with a player: his own (the first block
// with his id; a league that read stats.zt gets an empty one appended for a player without
// any, as selecting him would). Without stats.zt there is none and the transfer file gets an
// empty block for him.
StatHistory* exportHistoryOf(League& league, const PlayerRecord& player);

// "Mark for exportation" (Ctrl+E, a double-click on his row): a member of the pool (by identity)
// leaves it with his history, anyone else joins it at the end with exportHistoryOf. Marking is
// not a change of the league. Returns whether the player is now in the pool.
bool toggleExportMark(League& league, PlayerRecord& player);

// "Select ALL for exportation": the mark of every player at these list indexes (the grid's rows
// from the top) is toggled as toggleExportMark does: members leave, the others join. Indexes
// outside the list are skipped. Returns how many are in the pool afterwards.
int toggleExportMarkAll(League& league, std::span<const int> playerIndexes);

// "Free Export Pool": after the question is answered Yes (No is its default) the pool is
// emptied. Returns whether it was.
bool freeExportPool(League& league, Interaction& interaction);

}  // namespace zt

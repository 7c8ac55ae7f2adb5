#pragma once

#include <optional>
#include <span>

#include "rosters/lineup_check.h"

namespace zt {

class Interaction;
class League;

// "Create Player" / "New Player Clone": a copy of the league's current player joins the free
// agents under the next free id (largest id + 1) with an empty history. The first and the last
// name are asked for, preset with the copied ones (cancelling keeps the preset; answers are cut
// to 16 characters); a message names the new player. Returns his index in the player list, or
// nothing without a current player. Throws zt::Error, adding nothing, when the largest id is
// already the largest a player record can hold.
std::optional<int> clonePlayer(League& league, Interaction& interaction);

struct DeleteResult {
    bool deleted = false;
    int team = -1;  // the deleted player's team
    LineupCheckResult check;
};

// "Delete Player": after the question is answered Yes, the player at `playerIndex` leaves his
// team's roster (first slot with his id becomes -1), his history (first block with his id) and
// the export pool go with him, he is removed from the list and the lineup check runs for his
// team. References to him or his history (current player, export pool) are dropped.
DeleteResult deletePlayer(League& league, int playerIndex, Interaction& interaction);

// "Delete ALL players in the grid": after the question is answered Yes, the players at these
// indexes are removed as by deletePlayer, from the highest index down so the others stay
// valid, without a lineup check; their ids leave their teams' lineups and rotations instead.
// Returns how many were deleted.
int deleteAllInGrid(League& league, std::span<const int> playerIndexes, Interaction& interaction);

// "Converted Season Fix (BETA)": the season's current day becomes 12; says "Done".
void convertedSeasonFix(League& league, Interaction& interaction);

inline constexpr int kCloneNameWidth = 16;

}  // namespace zt

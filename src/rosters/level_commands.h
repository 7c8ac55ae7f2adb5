#pragma once

#include <cstdint>
#include <span>

#include "rosters/lineup_check.h"

namespace zt {

class Interaction;
class League;

// "Move to": the players at these list indexes (the grid's selection) get level `level` (one of
// the "Move to" levels; anything else changes nothing). Then the lineup check runs for the team
// of the league's current player, which takes a moved player out of the lineups and rotation
// of a level he left. Marks the league changed when a player was moved. Indexes outside the
// list are skipped.
LineupCheckResult moveToLevel(League& league, std::span<const int> playerIndexes, int level, Interaction& interaction);

// "Level swap": after the question of `level` (1 AAA, 2 AA, 3 A) is answered Yes, the players
// of `team` at the majors and at that level exchange levels, the four major-league lineups all
// become the lineup of that level while it gets the former major-league lineup against
// left-handers, and the two rotations are exchanged. Returns whether the swap was made; a
// number that is no team of the league, or another level, changes nothing and asks nothing.
bool swapLevels(League& league, int team, int level, Interaction& interaction);

}  // namespace zt

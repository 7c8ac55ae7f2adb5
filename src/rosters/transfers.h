#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "rosters/lineup_check.h"

namespace zt {

class Interaction;
class League;
class PlayerRecord;

// Whether `team` is a place players may be transferred to: a team of the league or the free
// agents (255).
bool isTransferDestination(const League& league, int team);

// The transfer of one player who already carries the new team in teamIndex. A team destination
// needs a free roster slot (-1 or 0, first from slot 0): he takes it and a closer arrives as a
// reliever. Without a free slot, or for a destination that is neither a team of the league nor
// the free agents, he gets `oldTeam` back and false is returned with nothing changed.
// Otherwise the league is marked changed; when he left a team, the first roster slot of that
// team holding his id becomes -1, his id leaves that team's lineups and rotations (when he
// left it for another place), and the lineup check runs for his team as it now stands.
// Transferring a player to his own team keeps a roster member on the roster exactly once and
// a hidden player hidden.
bool transferPlayer(League& league, PlayerRecord& player, int oldTeam, int newTeam, Interaction& interaction);

struct TransferResult {
    std::vector<int> moved;    // player indexes transferred, in the order given
    std::vector<int> refused;  // player indexes left where they were (no room)
    int lastOldTeam = -1;      // the team the last player processed came from; -1 when none
};

// Transfers the players at these list indexes (the grid's selection, top to bottom) to
// `destination` (a team, or 255 for the free agents). Indexes outside the list are skipped.
TransferResult transferPlayers(League& league,
                               std::span<const int> playerIndexes,
                               int destination,
                               Interaction& interaction);

}  // namespace zt

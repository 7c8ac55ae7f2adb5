#pragma once

#include <array>
#include <optional>

#include "league/season_records.h"

namespace zt {

class League;
class PlayerRecord;

// The edits of the lineup page. `team` is the team the page shows; every function does nothing
// for a number that is no team of the league or a slot outside the lineup or rotation. Every
// edit marks the league changed.

// Whether a player dragged from the grid may be dropped on the page: he belongs to the team
// shown and plays at the level shown.
bool acceptsGridPlayer(const PlayerRecord& player, int team, int shownLevel);

// A player from the grid dropped on lineup slot `slot` (0 to 8): he takes the slot and plays
// its position (secondPosition).
void putInLineup(League& league, int team, LineupKind kind, int slot, PlayerRecord& player);
// Lineup slots dragged onto each other exchange player and position.
void exchangeLineupSlots(League& league, int team, LineupKind kind, int slotA, int slotB);
// The right button on a lineup slot: {-1, P}.
void clearLineupSlot(League& league, int team, LineupKind kind, int slot);

// A player from the grid dropped on rotation slot `slot` (0 to 4) of `level`: he becomes a
// starter and takes the slot; then every pitcher of the team at a playing level is a starter
// when his own level's rotation holds him, else a reliever (closers stay closers).
void putInRotation(League& league, int team, int level, int slot, PlayerRecord& player);
// A player from the grid dropped on the closer panel: the same role pass, then he is the one
// closer of his team and level; a closer before him becomes a reliever.
void makeCloser(League& league, int team, PlayerRecord& player);
// Rotation slots dragged onto each other exchange their players; roles stay.
void exchangeRotationSlots(League& league, int team, int level, int slotA, int slotB);

// The position combos of the nine slots as shown, and the items remembered as their old
// positions (both position - 1).
struct SlotPositions {
    std::array<int, kLineupSlots> shown{};
    std::array<int, kLineupSlots> old{};
};

// A new position item `item` chosen for lineup slot `slot`. A slot that showed that position
// takes the slot's old position in exchange (the last such slot when several did); both slots
// and their players (secondPosition) follow. Returns the slot that gave way. `positions` is
// updated: the combos to show and the old positions of both slots.
std::optional<int> changeSlotPosition(
    League& league, int team, LineupKind kind, int slot, int item, SlotPositions& positions);

// Whether the team could play: every lineup with DH and every minor-league lineup is full, the
// two major-league lineups without DH miss at most their pitcher's turn, the four rotations are
// full. False for a number that is no team.
bool lineupsComplete(const League& league, int team);

}  // namespace zt

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zt {

class Interaction;
class League;
class PlayerRecord;

// A lineup slot or a rotation slot of a team.
enum class SlotGroup { Lineup, Rotation };

struct LineupSlotChange {
    SlotGroup group = SlotGroup::Lineup;
    int index = 0;  // the LineupKind of a lineup, the level 0 to 3 of a rotation
    int slot = 0;   // 0 to 8 in a lineup, 0 to 4 in a rotation
    std::int32_t before = -1;
    std::int32_t after = -1;
    bool operator==(const LineupSlotChange&) const = default;
};

// What a lineup check did.
struct LineupCheckResult {
    std::vector<LineupSlotChange> changes;  // slots that changed, in the order they were checked
    bool modified = false;                  // any slot or player changed (roles, positions, injuries)
};

// The lineup check of a team ("Check"). Pitchers of the team become relievers unless they are
// closers; then, batting order by batting order, every slot of the seven lineups and (for the
// first five) of the four rotations keeps its player only when he belongs to the team, plays
// at the slot's level and is not injured; he then plays the slot's position (secondPosition),
// and a player in a rotation or at the pitcher's position becomes a starter. Every other slot
// becomes empty (-1). The order fixes the result: a player's secondPosition is the position of
// the last slot checked for him.
//
// An injured player whom the slot would otherwise keep raises the question of
// injuredPlayerQuestion(); Yes heals him (daysOut 0) and keeps him, No removes him from that
// slot. Players who leave the slot anyway are not asked about, so an answer never heals a
// player who is removed regardless.
//
// Nothing happens for a number that is no team of the league (the free agents among them).
// The league is marked changed when anything changed.
LineupCheckResult checkLineups(League& league, int team, Interaction& interaction);

// The check of one slot: the id when a player with it may stand there (his secondPosition then
// becomes `position`, and `position` 1 makes him a starter), else -1. With several players of
// the same id the last one in list order decides. Asks as checkLineups does.
std::int32_t validateSlot(
    League& league, std::int32_t playerId, int level, int position, int team, Interaction& interaction);

// "An injured player (last , first) has been put in the lineup or rotation. Do you accept this move ?"
std::string injuredPlayerQuestion(const PlayerRecord& player);

// A readable name of a lineup ("Majors VsL", ..., "AAA", "AA", "A") or a rotation ("Majors
// rotation", ..., "A rotation").
std::string slotGroupName(SlotGroup group, int index);

// Removes a player id from every lineup and rotation of a team (the slots become -1, lineup
// positions stay). Returns the slots that changed. Nothing for a number that is no team.
std::vector<LineupSlotChange> removeFromLineups(League& league, int team, std::int32_t playerId);

}  // namespace zt

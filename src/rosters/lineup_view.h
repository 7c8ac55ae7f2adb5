#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "league/season_records.h"

namespace zt {

class League;

inline constexpr char kEmptyLineupText[] = "Pitcher Slot or Empty spot";
inline constexpr char kEmptyRotationText[] = "EMPTY";

// One panel of the lineup page.
struct SlotView {
    std::int32_t playerId = -1;
    std::string text;       // "last , first", or the empty text
    bool unfilled = true;   // drawn in the unfilled-spots colour
    int positionIndex = 0;  // lineup slots: position - 1, the item of the position combo
};

// What the lineup page shows for one team and level.
struct LineupView {
    int team = 0;
    int level = 0;
    LineupKind kind = LineupKind::MajorVsL;
    std::array<SlotView, kLineupSlots> lineup;
    std::array<SlotView, kRotationSlots> rotation;
    SlotView closer;
    int nextStarterSlot = -1;  // 0 to 4, -1 when the team's value names no slot
};

// The lineup shown for a level (0 majors, 1 to 3 the minors) and, in the majors, the item of
// the "VsL" "VsR" "VsL DH" "VsR DH" selector.
LineupKind shownLineupKind(int level, int majorLineup);

// The view of `team` (a team of the league) at `level` with the lineup `majorLineup` of the
// majors. A slot holding an id shows the name of the last player in list order with that id;
// an id that no player has shows "Unknown player #id". The closer is the last player of the
// team at the level whose role is Closer. One pass over the players.
LineupView lineupView(const League& league, int team, int level, int majorLineup);

}  // namespace zt

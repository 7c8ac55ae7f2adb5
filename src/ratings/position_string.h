#pragma once

#include <string_view>

namespace zt {

class PlayerRecord;

// Applies a position string of the historical databases ("*2/S", "O13", "P"): the first position
// taken becomes the player's `position` with familiarity 1, the next six add familiarity 0.6
// down to 0.1. "*" and "/" mark the character after them (both are consumed); "H", "R", "M"
// and "/" are taken but change nothing, "D" is the designated hitter and has no familiarity.
// Characters beyond the seventh taken change nothing.
void applyPositionString(PlayerRecord& player, std::string_view positions);

}  // namespace zt

#pragma once

#include <array>
#include <span>
#include <string>

#include "league/player_record.h"
#include "ratings/rating_computation.h"

namespace zt {

// The editor's performance-data boxes Ab, Hits, 2B, 3B, Hr, Walks (a seventh, So, is not read),
// converted in that order. The first box that does not hold a number throws zt::Error with the
// conversion message naming its text.
PerformanceData performanceDataFromTexts(std::span<const std::string> boxes);

// All six pitch slots of a player, in use or not: what the pitching calculator's Undo restores.
using PitchSlots = std::array<PitchSlot, pf::kPitchSlots>;
PitchSlots pitchSlots(const PlayerRecord& player);
void setPitchSlots(PlayerRecord& player, const PitchSlots& slots);

}  // namespace zt

#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "league/stat_lines.h"

namespace zt {

// The statistical history of one player (keyed by playerId) or one team (keyed by team
// number). Each list holds its stored lines contiguously, in file order.
struct StatHistory {
    std::int32_t key = 0;
    std::vector<BattingLine> batting;
    std::vector<PitchingLine> pitching;
    std::vector<FieldingLine> fielding;

    bool operator==(const StatHistory&) const = default;
};

// Owning list; blocks keep their address while others are added or removed, so a selected
// player's history can be referred to.
using HistoryList = std::vector<std::unique_ptr<StatHistory>>;

}  // namespace zt

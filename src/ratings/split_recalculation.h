#pragma once

#include <optional>

#include "league/league.h"
#include "ratings/league_constants.h"

namespace zt {

enum class SplitKind {
    Batters,   // ComputeBatterSplits
    Pitchers,  // ComputePitcherSplits
};

struct RecalculationCount {
    int selected = 0;  // players of the chosen team, or all players
    int changed = 0;   // of those, the players whose record changed
};

// Recomputes the split ratings of every player, or of the players of one team (`teamIndex`),
// from their performance data. Players without at-bats of that kind are left as they are.
// Marks the league changed when a record changed.
RecalculationCount recalculateSplits(League& league,
                                     SplitKind kind,
                                     std::optional<int> team,
                                     const LeagueConstants& constants);

}  // namespace zt

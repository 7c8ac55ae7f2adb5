#pragma once

#include <array>

#include "sample/player_profile.h"
#include "sample/random.h"
#include "sample/stat_totals.h"

namespace zt::sample {

// Seasons that were not simulated game by game (past years, the minor leagues) are drawn from
// the player's ratings: the counts follow the rates a player of those ratings produces, with the
// spread of a real season. `form` scales his ratings for that year (age, luck): above 1 the
// batter hits better, the pitcher allows more.

// Batting of `plateAppearances` in `games`, split against left- (0) and right-handed (1)
// pitchers, about 30/70; `pinchShare` of his at bats come as a pinch hitter.
std::array<BattingTotals, 2> battingSeason(
    const Profile& p, int plateAppearances, int games, double form, double pinchShare, Random& rng);

struct PitchingUsage {
    int outs = 0;
    int games = 0;
    int starts = 0;
};

// Pitching, split by the batters' hand; each game (with its decision) counts in one split.
std::array<PitchingTotals, 2> pitchingSeason(const Profile& p, const PitchingUsage& usage, double form, Random& rng);

// Fielding at one position over `games` games and `outs` outs in the field.
FieldingTotals fieldingSeason(const Profile& p, int position, int games, int outs, Random& rng);

}  // namespace zt::sample

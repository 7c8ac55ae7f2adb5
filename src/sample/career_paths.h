#pragma once

#include <vector>

#include "sample/player_profile.h"
#include "sample/random.h"

namespace zt::sample {

// One season of a player's career: where he played.
struct Stint {
    int year = 0;
    int level = 0;  // 0 ML .. 3 A
    int team = 0;   // 0..29, or 255
};

// The player's past seasons (seasonYear - years .. seasonYear - 1), oldest first: he climbs
// from the lower levels to where he is now as he gets older, plays mostly for his current
// team and now and then for another one or for none (255). No season before he was 19 or
// before he turned professional; a season may be missing (injured, out of baseball).
std::vector<Stint> pastCareer(const Profile& p, int seasonYear, int years, int teamCount, Random& rng);

}  // namespace zt::sample

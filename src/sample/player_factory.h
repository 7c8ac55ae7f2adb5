#pragma once

#include "sample/player_profile.h"
#include "sample/random.h"

namespace zt::sample {

// The calibre a player is generated for: the four playing levels, or the free-agent pool.
enum class Calibre { Major = 0, AAA = 1, AA = 2, A = 3, FreeAgent = 4 };

struct PlayerRequest {
    bool pitcher = false;
    int position = 1;  // 2-10 for hitters; pitchers are always 1
    int role = role::Bench;
    Calibre calibre = Calibre::Major;
};

// A complete player of that kind: name, body, handedness, ratings, repertoire, familiarity and
// the record of last season. Team, level and id are the caller's.
Profile makePlayer(const PlayerRequest& request, Random& rng);

}  // namespace zt::sample

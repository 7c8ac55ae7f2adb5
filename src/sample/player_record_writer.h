#pragma once

#include "league/player_record.h"
#include "sample/player_profile.h"
#include "sample/random.h"

namespace zt::sample {

// The player's record of players.zt. Bytes no field covers get pseudo-random values from
// `filler`, so a round trip that loses any byte shows.
PlayerRecord makePlayerRecord(const Profile& profile, Random& filler);

}  // namespace zt::sample

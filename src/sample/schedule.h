#pragma once

#include <array>
#include <vector>

#include "sample/random.h"

namespace zt::sample {

struct ScheduledGame {
    int home = 0;
    int visitor = 0;
};

inline constexpr int kGamesPerDay = 15;
using ScheduleDay = std::array<ScheduledGame, kGamesPerDay>;

struct TeamPlace {
    int league = 0;
    int division = 0;
};

// `days` days on which every one of the thirty teams plays once. Opponents meet in series of
// three days at one ballpark; division rivals meet most often, then league rivals.
std::vector<ScheduleDay> makeSchedule(const std::vector<TeamPlace>& places, int days, Random& rng);

}  // namespace zt::sample

#pragma once

#include <vector>

#include "sample/random.h"
#include "sample/schedule.h"

namespace zt::sample {

// What a club achieved in the seasons before this one.
struct Achievements {
    int completedSeasons = 0;
    int wildCardsWon = 0;
    int divisionFirstPlaces = 0;
    int divisionTitles = 0;
    int leagueTitles = 0;
    int worldSeriesWon = 0;
    int regularSeasonWins = 0;
    int regularSeasonLosses = 0;
    int postSeasonWins = 0;
    int postSeasonLosses = 0;
};

// Plays `years` past seasons coarsely: records that add up across the league, one first place
// per division, a wild card per league, and playoff rounds of the given lengths, so that every
// count is consistent with the others (one champion a year, titles no more than seasons).
std::vector<Achievements> pastAchievements(
    const std::vector<TeamPlace>& places, int years, int seasonGames, const std::array<int, 3>& bestOf, Random& rng);

}  // namespace zt::sample

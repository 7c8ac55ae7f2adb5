#pragma once

#include <vector>

#include "league/league.h"
#include "sample/organisation.h"
#include "sample/random.h"
#include "sample/schedule.h"
#include "sample/season_simulator.h"

namespace zt::sample {

inline constexpr int kSeasonYear = 2026;
inline constexpr int kDesignatedHitterLeague = 0;  // dhRule 1: the DH in league 0 only

// League and division of the thirty teams in the game's standard order: teams 0-13 in league 0
// (East 0-4, Central 5-9, West 10-13), teams 14-29 in league 1 (East 14-18, Central 19-24,
// West 25-29).
std::vector<TeamPlace> standardPlaces();

struct SeasonFacts {
    int years = 0;
    int days = 0;
    int playedDays = 0;
    std::vector<TeamPlace> places;
};

// The season header, the teams with their rosters, lineups, rotations, records and
// achievements, and the trailer of season.zt; the league names of players.zt; the playoff
// series (none played yet); the kept words of players.zt and stats.zt.
void fillSeason(League& league,
                const Organisation& org,
                const PlayedSeason& season,
                const SeasonFacts& facts,
                Random& rng,
                Random& filler);

}  // namespace zt::sample

#pragma once

#include "sample/game_log.h"
#include "sample/organisation.h"
#include "sample/random.h"
#include "sample/season_book.h"

namespace zt::sample {

// What major-league pitchers allow on average, per batter hand; a matchup compares batter and
// pitcher against it, so the league's batting level follows the batters' ratings.
struct LeagueNorms {
    Pair avg{}, obp{}, slg{};
};

LeagueNorms majorLeagueNorms(const Organisation& org);

struct GameSetup {
    int day = 1;  // 1-based
    int home = 0;
    int visitor = 0;
    bool designatedHitter = false;
    int homeStarter = -1;  // player indices of the starting pitchers
    int visitorStarter = -1;
};

// Plays one major-league game plate appearance by plate appearance with the teams' lineups,
// rotation and bullpen. The season book supplies who is rested; it is not changed here.
GameLog simulateGame(
    const Organisation& org, const SeasonBook& book, const LeagueNorms& norms, const GameSetup& setup, Random& rng);

}  // namespace zt::sample

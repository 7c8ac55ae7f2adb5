#pragma once

#include <vector>

#include "league/stat_history.h"
#include "sample/organisation.h"
#include "sample/random.h"
#include "sample/schedule.h"
#include "sample/season_book.h"

namespace zt::sample {

struct HistoryShape {
    int seasonYear = 2026;
    int years = 10;  // past seasons
    int pastSeasonGames = 162;
    int playedDays = 0;  // games played so far this season
    std::vector<TeamPlace> places;
    int designatedHitterLeague = 0;  // pitchers bat in the other league
};

// One history block per player who has played (keyed by his id, in player order): his past
// seasons and this season's minor-league lines drawn from his ratings, this season's major-league
// lines from the simulated games in `book`, and a streak record (year 3). Playing time of the
// past and minor-league seasons is shared out per team, level and year, so team totals look
// like a team's season.
HistoryList buildPlayerHistories(
    const Organisation& org, const SeasonBook& book, const HistoryShape& shape, Random& rng, Random& filler);

// One block per team (keyed by team number): per year, level and split the sums of the team's
// player lines (the streak records excluded); fielding per year, level and position.
HistoryList buildTeamHistories(const HistoryList& players, const HistoryShape& shape, int teamCount, Random& filler);

}  // namespace zt::sample

#pragma once

#include <string>
#include <vector>

#include "league/game_result.h"
#include "sample/box_score.h"
#include "sample/organisation.h"
#include "sample/random.h"
#include "sample/schedule.h"
#include "sample/season_book.h"

namespace zt::sample {

// The season so far: one GameScore per day of the schedule (played days with results, the
// others with the teams only), the box scores, and each team's record and next starter.
struct PlayedSeason {
    std::vector<GameScore> scores;
    std::string boxScores;
    std::vector<int> wins, losses, nextStarter;
};

struct SeasonSetup {
    const std::vector<ScheduleDay>* schedule = nullptr;
    const std::vector<TeamPlace>* places = nullptr;
    const std::vector<TeamLabel>* labels = nullptr;
    int playedDays = 0;
    // The league whose home games use a designated hitter; -1 for none.
    int designatedHitterLeague = 0;
};

// Plays the first `playedDays` days of the schedule with the major-league teams and adds every
// game to `book`. `filler` supplies the uninterpreted value of each game result.
PlayedSeason playSeason(
    const Organisation& org, SeasonBook& book, const SeasonSetup& setup, Random& games, Random& filler);

}  // namespace zt::sample

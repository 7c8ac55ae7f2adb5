#pragma once

#include <string>
#include <vector>

#include "league/league.h"
#include "sample/sample_league.h"

namespace zt::sample::test {

// Leagues built once per test run and shared by the suites that only read them.
const SampleLeague& standardLeague();
// The biggest organisation the options allow, with forty years of history.
const SampleLeague& largeLeague();

// Player records by id (index = id); null where no player has that id.
std::vector<const PlayerRecord*> playersById(const League& league);

// Days of the schedule that have been played: the season is at seasonDay.
int playedDays(const League& league);

// The box score as a reader finds it: the first occurrence of either team's key for the day,
// and the text from there up to and including the first "END". Empty when neither key occurs.
std::string findBoxScore(const std::string& text, int day, int home, int visitor);

}  // namespace zt::sample::test

#pragma once

#include <string>
#include <vector>

#include "sample/game_log.h"
#include "sample/organisation.h"
#include "sample/season_book.h"

namespace zt::sample {

struct TeamLabel {
    std::string name;  // the complete name, e.g. "Boston Beacons"
    std::string abbreviation;
};

// Appends the box score of a played game as the game writes it into BoxScores.txt: a first line
// holding the keys "m<visitor> (Day d)" and "m<home> (Day d)" that the editor searches for,
// the line score, both teams' batting and pitching, then "SUMMARY", the summary lines and
// "END". Season figures (averages, records) are read from `book`, which already holds the game.
// Lines end with CR LF.
void appendBoxScore(std::string& out,
                    const GameLog& game,
                    const Organisation& org,
                    const SeasonBook& book,
                    const std::vector<TeamLabel>& teams);

// The key of a team's box score on a day: "m" + team + " (Day " + day + ")".
std::string boxScoreKey(int team, int day);

}  // namespace zt::sample

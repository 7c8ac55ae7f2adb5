#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "league/league.h"

namespace zt::sample {

struct SampleOptions {
    std::uint64_t seed = 1;
    int playersPerTeam = 50;  // per team, over ML/AAA/AA/A/DL (at least 72, see below)
    int freeAgents = 150;
    int years = 10;  // past seasons of player and team history
    int days = 162;  // days of the schedule in scores.zt
};

struct SampleLeague {
    std::unique_ptr<League> league;  // fully built, as if opened (leagueDir/selectedFile left empty)
    std::string boxScores;           // the BoxScores.txt text
};

// Throws zt::Error naming the first option that cannot make a league.
void validateSampleOptions(const SampleOptions& options);

// A complete, realistic league: thirty teams with every level staffed, free agents, years of
// history, and a season in progress (three fifths of the schedule played, game by game).
// The same options always give the same league, byte for byte.
//
// Each team gets at least the players needed to field a lineup, a rotation and a closer at
// every level (see kMinimumPlayersPerTeam); smaller requests are raised to that. Beyond the 120
// places of a roster, the further players of a team are on no roster (hidden players).
SampleLeague buildSampleLeague(const SampleOptions& options);

// Writes FOLDER/Sample.sea (empty file) and FOLDER/SampleSeason/ with players.zt, stats.zt,
// season.zt, scores.zt, playoffs.zt, net.txt, BoxScores.txt, retired.zt, DraftingResults.txt and
// HallOfFamers.txt; creates the folders as needed; returns the path of Sample.sea.
std::filesystem::path generateSampleLeague(const std::filesystem::path& folder, const SampleOptions& options);

}  // namespace zt::sample

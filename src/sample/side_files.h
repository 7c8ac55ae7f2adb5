#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "league/net_info.h"
#include "sample/random.h"

namespace zt::sample {

// The contents of the league's smaller files: net.txt's nine settings, retired.zt (bytes the
// editor only carries along), and the game's draft and hall-of-fame texts.
struct SideFiles {
    NetLeagueInfo netInfo;
    std::vector<std::uint8_t> retired;
    std::string draftingResults;
    std::string hallOfFamers;
};

SideFiles makeSideFiles(int seasonYear, Random& rng);

}  // namespace zt::sample

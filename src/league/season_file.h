#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zt {

class League;

// True when season.zt exists in the league directory and its six version bytes are "4.0.09".
bool checkSeasonVersion(const std::filesystem::path& leagueDir);

// season.zt: the season header, each team record with its entries, then 4-byte trailer items.
void readSeasonFile(const std::filesystem::path& path, League& league);
void parseSeasonFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league);
std::vector<std::uint8_t> serialiseSeasonFile(const League& league);

}  // namespace zt

#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zt {

class League;

// stats.zt: the player history blocks, then the team history blocks, each list preceded by a
// word the game writes and the editor keeps.
void readStatsFile(const std::filesystem::path& path, League& league);
void parseStatsFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league);
std::vector<std::uint8_t> serialiseStatsFile(const League& league);

}  // namespace zt

#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zt {

class League;

// players.zt: a kept word, the player count, the player records, three kept words and the
// names of the two leagues.
void readPlayersFile(const std::filesystem::path& path, League& league);
void parsePlayersFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league);
std::vector<std::uint8_t> serialisePlayersFile(const League& league);

}  // namespace zt

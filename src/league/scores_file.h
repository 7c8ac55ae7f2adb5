#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace zt {

class League;

// scores.zt: one 780-byte record per day of the schedule, no header. An incomplete last
// record is skipped.
void readScoresFile(const std::filesystem::path& path, League& league);
void parseScoresFile(std::span<const std::uint8_t> bytes, League& league);
std::vector<std::uint8_t> serialiseScoresFile(const League& league);

// playoffs.zt: series 1 to 7, each a 24-byte header and ten game slots whose use depends on
// the round's best-of length.
void readPlayoffsFile(const std::filesystem::path& path, League& league);
void parsePlayoffsFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& path, League& league);
std::vector<std::uint8_t> serialisePlayoffsFile(const League& league);

// Sets both teams and both scores of every game of every series to -1.
void resetPlayoffGames(League& league);

}  // namespace zt

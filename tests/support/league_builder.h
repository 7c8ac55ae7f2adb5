#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "league/league.h"

namespace zt::test {

// Small leagues built in memory, for tests that need real league files without taking them
// from anywhere. Every byte no accessor interprets holds a non-zero pattern that differs from
// record to record, so a byte that is lost, moved or zeroed on the way through shows up.

// Fills `bytes` with values 1..251 in a sequence that depends on `seed`.
void fillPattern(std::span<std::uint8_t> bytes, unsigned seed);

PlayerRecord makePlayer(std::uint16_t playerId,
                        std::string_view lastName,
                        std::string_view firstName,
                        std::uint8_t teamIndex,
                        unsigned seed);

// A team record with its entries; `entryCount` in the record matches the entries.
Team makeTeam(int teamNumber,
              std::string_view city,
              std::string_view name,
              std::string_view abbreviation,
              int leagueIndex,
              int divisionIndex,
              int entries,
              unsigned seed);

// A history block whose lines hold pattern bytes (not meaningful statistics).
std::unique_ptr<StatHistory> makeHistory(std::int32_t key, int batting, int pitching, int fielding, unsigned seed);

// A played game: teams and runs set, the other values a recognisable pattern.
GameResult makeGame(int homeTeam, int visitingTeam, int homeRuns, int visitorRuns);

struct LeagueShape {
    int teams = 3;  // 1 to 32; fixtures use 2 to 4
    int playersPerTeam = 2;
    int freeAgents = 1;
    int trailerItems = 3;
    int scoreDays = 2;
    std::array<int, 3> playoffBestOf = {7, 5, 3};  // rounds 0, 1, 2
};

// A complete league with players, histories, teams, scores and playoffs. Playoff games beyond
// a round's length hold the filler slot, as a league read back from disk does.
std::unique_ptr<League> buildLeague(const LeagueShape& shape = {});

// Writes the league with the core serialisers: `folder/<name>.sea` (empty) and the folder
// `<name>Season/` with players.zt, season.zt, net.txt and the stats, scores and playoffs files
// the league holds. Returns the .sea path, ready for openLeague.
std::filesystem::path writeLeagueFolder(const League& league,
                                        const std::filesystem::path& folder,
                                        std::string_view name = "Sample");

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
void writeText(const std::filesystem::path& file, std::string_view text);

// Every regular file under `root` by relative path, with its content: the exact state of a
// folder, to compare before and after an operation that must change nothing.
std::map<std::string, std::vector<std::uint8_t>> snapshotFolder(const std::filesystem::path& root);
// The same without the ".bak" files every save keeps of the files it replaces.
std::map<std::string, std::vector<std::uint8_t>> snapshotWithoutBackups(const std::filesystem::path& root);

}  // namespace zt::test

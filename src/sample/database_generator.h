#pragma once

#include <cstdint>
#include <filesystem>

namespace zt::sample {

struct DatabaseOptions {
    std::uint64_t seed = 1;
    int teams = 4;
    int firstYear = 1996;
    int lastYear = 2000;
    int rosterSize = 40;
};

// Writes an invented historical database in the layout the CSV import's "Import Team" reads:
// teammaster.csv, rosters.csv (team, year, player, at-bats, innings, games, positions) and the
// career battingstats.csv, pitchingstats.csv and fieldingstats.csv with our column names.
// Every team plays every year of the span with a roster of which a quarter is new each year.
// Same options, same bytes. Throws zt::Error when a file cannot be written or the options make
// no database.
void generateDatabase(const std::filesystem::path& folder, const DatabaseOptions& options);

}  // namespace zt::sample

#pragma once

#include <filesystem>
#include <optional>

namespace zt {

struct LahmanConversionOptions {
    std::optional<int> fromYear;  // the seasons whose teams and rosters are written
    std::optional<int> toYear;
};

struct LahmanConversionCounts {
    int teams = 0;
    int rosterRows = 0;
    int players = 0;
};

// Turns the public historical baseball database as it is distributed (People.csv or the older
// Master.csv, Teams.csv, Batting.csv, Pitching.csv, Fielding.csv and, when present,
// Appearances.csv; columns found by their header names, older and newer column sets alike) into
// the import database "Import Team" reads: teammaster.csv, rosters.csv and the career
// battingstats.csv, pitchingstats.csv and fieldingstats.csv of every player on a roster.
// Several stints of a player with one team in a season count as one roster row; a player traded
// in a season is on both teams' rosters with what he did for each. Positions come from
// Appearances.csv (games at each position), else from Fielding.csv. Every file is read before
// anything is written; a missing file or column, or a number that is not one, throws zt::Error
// naming the file and line.
LahmanConversionCounts convertLahmanDatabase(const std::filesystem::path& sourceDir,
                                             const std::filesystem::path& destinationDir,
                                             const LahmanConversionOptions& options = {});

}  // namespace zt

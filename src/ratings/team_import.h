#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "ratings/csv_import.h"
#include "ratings/csv_reader.h"
#include "ratings/csv_row_import.h"

namespace zt {

// One team of teammaster.csv: the identifier rosters.csv uses, its span of years and its name.
struct TeamMasterEntry {
    std::string identifier;
    int firstYear = 0;
    int lastYear = 0;
    std::string name;
};

// teammaster.csv of the import database: the window shows it as it stands (first row as titles);
// the import uses columns 0 (identifier), 2 and 3 (first and last year) and 5 (name).
struct TeamMaster {
    CsvText csv;
    std::vector<TeamMasterEntry> teams;  // one per data row, in file order

    // The team of that identifier (compared without regard to case), or null.
    const TeamMasterEntry* find(std::string_view identifier) const;
};

// Throws zt::Error naming the file when it is missing, a row is short or a year is no number.
TeamMaster readTeamMaster(const std::filesystem::path& databaseDir);

struct TeamImportRequest {
    TeamMasterEntry team;
    int year = 0;
    int destination = 255;
    TeamModeSettings settings;
    // Every roster player's rows are looked for in the whole file, row by row, as a plain scan
    // would; the import normally goes straight to them through an index. For comparisons only.
    bool scanEveryRow = false;
};

struct TeamImportResult {
    int rosterPlayers = 0;
    CsvImportCounts counts;
};

// "Import Team": the players of the team's roster for the year are created from the career
// statistics of battingstats.csv, pitchingstats.csv and fieldingstats.csv, with ratings,
// repertoire, positions and history lines. Every file is read and checked before the league is
// touched; then the season's current day becomes 12. Throws zt::Error "Invalid year for this
// team" for a year outside the team's span, changing nothing.
TeamImportResult importTeam(const std::filesystem::path& databaseDir,
                            const TeamImportRequest& request,
                            CsvImportContext& context);

// The message that ends the import: "38 players created" (the roster's size).
std::string teamImportMessage(const TeamImportResult& result);

// The roster of a team for a year in rosters.csv, in file order; the level follows from the
// at-bats and innings against Min ab and Min ip.
std::vector<RosterPlayer> readRoster(const CsvText& rosters,
                                     std::string_view teamIdentifier,
                                     int year,
                                     const ImportFactors& factors);

}  // namespace zt

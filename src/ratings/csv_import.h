#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "ratings/csv_reader.h"

#include "ratings/import_factors.h"
#include "ratings/league_constants.h"

namespace zt {

class CsvColumns;
class Interaction;
class League;
class Progress;

// The choices of the CSV import window ("Create not found players", "Recalculate batting
// averages if player exists", ...) and its destination team (255: the free agents).
struct CsvImportOptions {
    bool createPlayers = true;
    bool recalcBatting = false;
    bool recalcPitching = false;
    bool lahmanPositions = true;
    bool noCheck = false;  // "Do not check for existing players"
    int destination = 255;
};

// What the import keeps from one run to the next while the editor runs: the year of the last
// "Import Team" (the reference of birth years) and the largest player id before it.
struct CsvImportMemory {
    int referenceYear = 0;
    std::int64_t teamImportStartId = 0;
};

struct CsvImportCounts {
    int processed = 0;  // rows applied to players that already existed
    int created = 0;
    bool operator==(const CsvImportCounts&) const = default;
};

// What an import works with besides its file.
struct CsvImportContext {
    League& league;
    const CsvColumns& columns;
    const LeagueConstants& constants;
    ImportFactors factors;
    CsvImportMemory& memory;
    Interaction& interaction;  // questions of the transfers onto the destination team
    Progress& progress;
};

// "Standard CSV Import": every row of the file updates the player of its names (searched from
// the last player up) or creates him. Throws zt::Error naming the file for an unknown header
// (nothing changed), a row of the wrong length and a cell that does not convert (rows before it
// stay applied). Marks the league changed when a row was applied.
CsvImportCounts importCsvFile(const std::filesystem::path& file,
                              const CsvImportOptions& options,
                              CsvImportContext& context);
CsvImportCounts importCsvText(CsvText csv, const CsvImportOptions& options, CsvImportContext& context);

// "Processed lines : 3  Created players: 2"
std::string importCountsMessage(const CsvImportCounts& counts);

}  // namespace zt

#include "ratings/team_import.h"

#include <algorithm>
#include <unordered_map>

#include "league/error.h"
#include "league/file_io.h"
#include "league/league.h"
#include "league/league_text.h"
#include "league/numbers.h"
#include "league/progress.h"
#include "ratings/csv_columns.h"
#include "ratings/import_database_layout.h"

namespace zt {

namespace {

constexpr std::size_t kTeamMasterColumns = 6;
constexpr std::size_t kRosterColumns = 7;

CsvText readDatabaseFile(const std::filesystem::path& databaseDir, std::string_view name) {
    return CsvText::read(leagueFilePath(databaseDir, name));
}

double rosterNumber(const CsvText& csv, std::size_t record, std::size_t index) {
    const std::string_view text = csv.value(record, index);
    if (text.empty()) {
        return 0;
    }
    try {
        return parseFloat(text);
    } catch (const Error&) {
        throw Error(std::string(text) + " is not a valid number (" + csv.where(record) + ")");
    }
}

}  // namespace

const TeamMasterEntry* TeamMaster::find(std::string_view identifier) const {
    const auto found = std::find_if(teams.begin(), teams.end(), [&](const TeamMasterEntry& entry) {
        return equalNoCaseAscii(entry.identifier, identifier);
    });
    return found == teams.end() ? nullptr : &*found;
}

TeamMaster readTeamMaster(const std::filesystem::path& databaseDir) {
    TeamMaster master{readDatabaseFile(databaseDir, kTeamMasterFile), {}};
    const CsvText& csv = master.csv;
    for (std::size_t record = 1; record < csv.recordCount(); ++record) {
        if (csv.valueCount(record) < kTeamMasterColumns) {
            throw Error(csv.where(record) + ": the row holds " + std::to_string(csv.valueCount(record)) +
                        " values where at least " + std::to_string(kTeamMasterColumns) + " were expected");
        }
        TeamMasterEntry entry;
        entry.identifier = csv.value(record, 0);
        entry.firstYear = static_cast<int>(rosterNumber(csv, record, 2));
        entry.lastYear = static_cast<int>(rosterNumber(csv, record, 3));
        entry.name = csv.value(record, 5);
        master.teams.push_back(std::move(entry));
    }
    return master;
}

std::vector<RosterPlayer> readRoster(const CsvText& rosters,
                                     std::string_view teamIdentifier,
                                     int year,
                                     const ImportFactors& factors) {
    const std::string yearText = std::to_string(year);
    std::vector<RosterPlayer> roster;
    for (std::size_t record = 0; record < rosters.recordCount(); ++record) {
        if (rosters.valueCount(record) != kRosterColumns) {
            throw Error(rosters.where(record) + ": the row holds " + std::to_string(rosters.valueCount(record)) +
                        " values where " + std::to_string(kRosterColumns) + " were expected");
        }
        if (rosters.value(record, 0) != teamIdentifier || rosters.value(record, 1) != yearText) {
            if (!roster.empty()) {
                break;  // the rows of one team and year stand together
            }
            continue;
        }
        RosterPlayer player;
        player.identifier = FileSafeName(rosters.value(record, 2));
        const double atBats = rosterNumber(rosters, record, 3);
        const double innings = rosterNumber(rosters, record, 4);
        player.level = atBats < factors.minAb && innings < factors.minIp ? 1 : 0;
        player.games = rosterNumber(rosters, record, 5);
        player.positions = rosters.value(record, 6);
        roster.push_back(std::move(player));
    }
    return roster;
}

TeamImportResult importTeam(const std::filesystem::path& databaseDir,
                            const TeamImportRequest& request,
                            CsvImportContext& context) {
    if (request.year < request.team.firstYear || request.year > request.team.lastYear) {
        throw Error("Invalid year for this team");
    }
    Progress& progress = context.progress;
    progress.setLabel("Loading rosters");
    // Everything is read and checked first: a missing or damaged file changes nothing.
    const CsvText rosters = readDatabaseFile(databaseDir, kRostersFile);
    const std::vector<RosterPlayer> roster =
        readRoster(rosters, request.team.identifier, request.year, context.factors);
    struct Pass {
        RowFileKind kind;
        CsvText csv;
        const char* label;
    };
    std::vector<Pass> passes;
    passes.push_back(
        {RowFileKind::Batting, readDatabaseFile(databaseDir, kBattingStatsFile), "Importing batting data..."});
    passes.push_back(
        {RowFileKind::Pitching, readDatabaseFile(databaseDir, kPitchingStatsFile), "Importing pitching data..."});
    passes.push_back(
        {RowFileKind::Fielding, readDatabaseFile(databaseDir, kFieldingStatsFile), "Importing fielding data..."});
    for (Pass& pass : passes) {
        pass.csv.requireValueCount(context.columns.codesOfHeader(pass.csv).size(), 1);
    }

    League& league = context.league;
    league.seasonHeader.set(sh::seasonDay, std::uint16_t{12});
    league.markChanged();

    context.memory.referenceYear = request.year;
    ImportSession session(context);
    context.memory.teamImportStartId = session.startHighestId;

    TeamImportResult result;
    result.rosterPlayers = static_cast<int>(roster.size());
    if (roster.empty()) {
        return result;
    }
    for (Pass& pass : passes) {
        CsvImportOptions options;
        options.createPlayers = pass.kind != RowFileKind::Fielding;
        options.recalcBatting = true;
        options.recalcPitching = false;
        options.lahmanPositions = true;
        options.noCheck = true;
        options.destination = request.destination;
        RowImporter importer(session, pass.csv, pass.kind, options);
        progress.setLabel(pass.label);
        progress.setRange(0, static_cast<int>(roster.size()));
        std::vector<std::vector<std::size_t>> rowsOfPlayer;
        std::vector<std::size_t> everyRow;
        if (request.scanEveryRow) {
            for (std::size_t record = 1; record <= importer.rowCount(); ++record) {
                everyRow.push_back(record);
            }
        } else {
            rowsOfPlayer = importer.rowsOfRoster(roster);
        }
        for (std::size_t i = 0; i < roster.size(); ++i) {
            const RosterPlayer& player = roster[i];
            const std::vector<std::size_t>& rows = request.scanEveryRow ? everyRow : rowsOfPlayer[i];
            for (const std::size_t record : rows) {
                if (importer.rowIsFor(record, player) && importer.applyRow(record, &player, &request.settings)) {
                    break;
                }
            }
            progress.setValue(static_cast<int>(i + 1));
        }
    }
    result.counts = session.counts;
    return result;
}

std::string teamImportMessage(const TeamImportResult& result) {
    return std::to_string(result.rosterPlayers) + " players created";
}

}  // namespace zt

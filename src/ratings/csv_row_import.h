#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ratings/csv_import.h"

namespace zt {

class PlayerRecord;
struct StatHistory;

// Which file a row comes from: the team import treats the three statistics files differently.
enum class RowFileKind { Standard, Batting, Pitching, Fielding };

enum class EnduranceBase { CareerStats, ImportedYearStats };

// One player of a team's roster for the chosen year.
struct RosterPlayer {
    std::string identifier;  // blanks, apostrophes and full stops removed
    int level = 0;
    double games = 0;
    std::string positions;
};

struct TeamModeSettings {
    EnduranceBase endurance = EnduranceBase::CareerStats;
    bool battingTo600 = false;
    bool pitchingTo800 = false;
};

// State shared by the passes of one import: the players by name, the histories by key, the next
// id and the player new ones are copied from.
class ImportSession {
public:
    explicit ImportSession(CsvImportContext& context);

    CsvImportContext& context;
    CsvImportCounts counts;
    std::int64_t nextId = -1;          // the largest id handed out so far
    std::int64_t startHighestId = -1;  // the largest id when the session began
    const PlayerRecord* templatePlayer = nullptr;

    // The last player (highest list index) whose names match, without regard to case and to
    // blanks, apostrophes and full stops; null when none.
    PlayerRecord* findByNames(std::string_view lastName, std::string_view firstName) const;
    StatHistory* historyOf(std::int32_t playerId) const;
    // Adds a player with an empty history to the league and the indexes; returns him.
    PlayerRecord& add(const PlayerRecord& player);

private:
    static std::string nameKey(std::string_view lastName, std::string_view firstName);

    std::unordered_map<std::string, PlayerRecord*> m_byNames;
    std::unordered_map<std::int32_t, StatHistory*> m_histories;
};

// The row import over one file whose header maps to codes.
class RowImporter {
public:
    // Checks the header and makes every row as long as it (`csv` is completed, see
    // CsvText::requireValueCount).
    RowImporter(ImportSession& session, CsvText& csv, RowFileKind kind, const CsvImportOptions& options);

    std::size_t rowCount() const;  // data rows: records 1 ..
    // Applies row r (record r; 1 is the first data row). Returns whether the player it was
    // applied to was created by the current team import (the scan for a roster player ends).
    bool applyRow(std::size_t record, const RosterPlayer* roster, const TeamModeSettings* team);
    // Whether the row belongs to the roster player (identifier, fielding position, innings).
    bool rowIsFor(std::size_t record, const RosterPlayer& roster) const;
    // The data rows of each roster player whose identifier they name, in file order: one pass
    // over the file instead of one per player.
    std::vector<std::vector<std::size_t>> rowsOfRoster(std::span<const RosterPlayer> roster) const;

private:
    struct RowState;

    std::string_view cell(std::size_t record, int code) const;
    std::optional<double> number(std::size_t record, int code) const;
    double numberOr0(std::size_t record, int code) const;
    double convert(std::size_t record, std::size_t column) const;
    std::int64_t convertWhole(std::size_t record, std::size_t column) const;
    [[noreturn]] void invalid(std::size_t record, std::size_t column) const;

    void applyCell(PlayerRecord& player,
                   std::size_t record,
                   std::size_t column,
                   RowState& state,
                   const RosterPlayer* roster,
                   const TeamModeSettings* team);
    PlayerRecord& createPlayer(std::string_view lastName, std::string_view firstName, const RosterPlayer* roster);
    void teamExtras(PlayerRecord& player, std::size_t record, const TeamModeSettings& team);

    ImportSession& m_session;
    const CsvText& m_csv;
    RowFileKind m_kind;
    CsvImportOptions m_options;
    std::vector<int> m_codes;
    std::vector<int> m_columnOfCode;  // first column of each code, -1 when none
};

}  // namespace zt

#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "league/season_records.h"

namespace zt {

class Interaction;
class League;

// The rosters management file (.ssr) a human manager sends to the league director: his team's
// season record, then for every player of the team (in player order) his id (int32), level and
// role (one byte each). There is no count; the file ends after the last entry.

inline constexpr std::size_t kRostersEntrySize = 6;
inline constexpr char kExportLineupsQuestion[] =
    "It looks like there is an error in the your lineups or rotations. Do you still want to export them ?";

struct RostersEntry {
    std::int32_t playerId = 0;
    std::uint8_t level = 0;
    std::uint8_t role = 0;
    bool operator==(const RostersEntry&) const = default;
};

struct RostersFile {
    TeamRecord record;
    std::vector<RostersEntry> entries;
    int team() const { return record.get(tf::teamNumber); }
};

// The file of a team: 1728 bytes of its record and 6 per player of the team.
std::vector<std::uint8_t> rostersFileBytes(const League& league, int team);

// The check before "Export team rosters management": the lineup check of the team, then, when its
// lineups or rotations are incomplete, kExportLineupsQuestion (No is its default). Returns whether
// the export goes on; false without asking for a number that is no team of the league.
bool prepareRostersExport(League& league, int team, Interaction& interaction);
// Writes the team's file, replacing `target` only once it is whole.
void writeRostersFile(const League& league, int team, const std::filesystem::path& target);

// A rosters management file, checked as a whole first: at least a team record, followed by whole
// 6-byte entries, for a team of this league that the game names (numbers 0 to 30). Anything else
// is refused with zt::Error naming the file.
RostersFile parseRostersFile(std::span<const std::uint8_t> bytes,
                             const std::filesystem::path& file,
                             const League& league);
RostersFile readRostersFile(const std::filesystem::path& file, const League& league);

// "<team name>: It looks like there is an error in the imported lineups or rotations. Do you still
// want to import it?" and "<name> Rosters management succesfully imported".
std::string importLineupsQuestion(int team);
std::string rostersImportedMessage(const RostersFile& file);

struct RostersImportResult {
    int team = -1;
    bool kept = false;  // false when the user answered No and the team was restored
};

// "Import team rosters management" for one file. Into the file's team go its seven lineups, four
// rotations and thirteen manager profile values, nothing else of the record (name, roster,
// record of wins and losses stay); every entry gives its level and role to the first player with
// that id who belongs to the team and is not injured on the disabled list (entries matching no
// such player are skipped). `shown` is called with the team once the import is in (the window
// lists the team), then the lineup check runs. With incomplete lineups or rotations the question
// of importLineupsQuestion follows (No is its default): No restores the team and its players
// exactly as they were before this file, the league's changed flag included, and calls `shown`
// again. With complete ones rostersImportedMessage is shown. A kept import marks the league
// changed, so it is not lost by closing without saving.
RostersImportResult importRosters(League& league,
                                  const RostersFile& file,
                                  Interaction& interaction,
                                  const std::function<void(int team)>& shown = {});

}  // namespace zt

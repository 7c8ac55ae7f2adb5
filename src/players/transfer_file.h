#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "league/player_record.h"
#include "league/stat_history.h"

namespace zt {

class Interaction;
class League;

// A player transfer file moves players with their history between leagues: for every player,
// his 768-byte record followed by his history block exactly as stats.zt holds it (key, then the
// counted batting, pitching and fielding lines). There is no header; the file ends after the
// last player.

struct TransferEntry {
    PlayerRecord player;
    StatHistory history;
};

// Where "Import Players" puts the players: each keeps the team his record names, all go to
// the free agents, or all go to one team (its number).
inline constexpr int kImportKeepTeam = 999;

// The export pool as a transfer file, in pool order. A member without a history block (the
// league read no stats.zt) gets an empty block under his id, so the file stays readable.
std::vector<std::uint8_t> transferFileBytes(const League& league);

// "Export Players": writes the pool to `target` (replacing it only once the whole file is
// written) and says "N players exported successfully". The pool is kept. Returns N.
int exportPlayers(const League& league, const std::filesystem::path& target, Interaction& interaction);

// The entries of a transfer file. The whole file is checked first: whole records, each
// followed by a complete history block, up to the last byte; a damaged file is refused with
// zt::Error naming it, so nothing of it is ever half imported.
std::vector<TransferEntry> parseTransferFile(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);
std::vector<TransferEntry> readTransferFile(const std::filesystem::path& file);

// Whether `destination` is one "Import Players" accepts: kImportKeepTeam, 255 or a team; the
// second refuses any other with zt::Error.
bool isImportDestination(const League& league, int destination);
void requireImportDestination(const League& league, int destination);

// Adds the entries to the league's players (and their blocks to the histories when the league
// read stats.zt), in file order, marked new. A player whose id some player of the league
// already has (one imported before him included) gets the next id above every id seen so far,
// so no two players end up sharing one; his block follows him under the new id. His team
// becomes `destination` unless it is kImportKeepTeam; a kept team number that is no team of
// this league makes him a free agent. Every id is worked out before the first player is added:
// when the ids run out (a player record holds ids up to 65535) zt::Error says so and nothing is
// added. Only players are added; placing them on their teams' rosters is the caller's. Marks the
// league changed; returns the new players' indexes.
std::vector<int> addTransferredPlayers(League& league, std::vector<TransferEntry> entries, int destination);

}  // namespace zt

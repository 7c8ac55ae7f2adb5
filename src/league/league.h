#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "league/codes.h"
#include "league/game_result.h"
#include "league/league_names.h"
#include "league/net_info.h"
#include "league/player_record.h"
#include "league/season_records.h"
#include "league/stat_history.h"

namespace zt {

// Owning list of players; records keep their address while others are added or removed.
using PlayerList = std::vector<std::unique_ptr<PlayerRecord>>;

struct PlayersFileWords {
    std::int32_t first = 0;                         // before the player count
    std::array<std::int32_t, 3> afterPlayers = {};  // between the records and the league names
    bool operator==(const PlayersFileWords&) const = default;
};

struct StatsFileWords {
    std::int32_t beforePlayers = 0;
    std::int32_t beforeTeams = 0;
    bool operator==(const StatsFileWords&) const = default;
};

struct Team {
    TeamRecord record;
    std::vector<TeamEntry> entries;
    bool operator==(const Team&) const = default;
};

// An entry of the team lists: a text and the team number it stands for (255: free agents).
struct TeamListEntry {
    std::string text;
    int teamNumber = 0;
    bool operator==(const TeamListEntry&) const = default;
};

// A player marked for export, with the history block that goes with him. Both point into the
// league's lists; League keeps them valid when players or blocks are removed.
struct ExportPoolEntry {
    PlayerRecord* player = nullptr;
    StatHistory* history = nullptr;
    bool operator==(const ExportPoolEntry&) const = default;
};

// The one open league: everything read from the league files, plus the editing state that
// lives with it. The file readers fill it, commands change it in place, the writers save it.
class League {
public:
    std::filesystem::path leagueDir;     // the league directory
    std::filesystem::path selectedFile;  // the .sea, .pla or players.zt the league was opened from

    // players.zt
    PlayerList players;
    std::int32_t loadedPlayerCount = 0;  // players at or beyond this index are new
    PlayersFileWords playersFileWords;
    std::array<LeagueNames, 2> leagueNames;
    std::vector<std::uint8_t> playersFileTail;

    // stats.zt
    bool statsLoaded = false;
    HistoryList playerHistories;
    HistoryList teamHistories;
    StatsFileWords statsFileWords;
    std::vector<std::uint8_t> statsFileTail;

    // season.zt
    SeasonHeader seasonHeader;
    std::vector<Team> teams;  // at most 32; team number = index
    std::vector<std::int32_t> seasonTrailer;
    std::vector<std::uint8_t> seasonTrailerRest;

    // scores.zt and playoffs.zt
    bool scoresLoaded = false;
    std::vector<GameScore> gameScores;
    bool playoffsLoaded = false;
    std::array<PlayoffSeries, kPlayoffSeriesCount> playoffSeries;  // series 1 to 7 at 0 to 6
    std::vector<std::uint8_t> playoffsFileTail;

    NetLeagueInfo netInfo;

    // Editing state: references into the lists above, never owners. Players are added and
    // removed through addPlayer and removePlayer, which keep these consistent.
    std::vector<ExportPoolEntry> exportPool;
    PlayerRecord* currentPlayer = nullptr;
    StatHistory* currentHistory = nullptr;

    std::vector<TeamListEntry> teamNameList;
    std::vector<TeamListEntry> teamAbbrevList;

    League();

    bool changed() const { return m_changed; }
    void markChanged() { m_changed = true; }
    void clearChanged() { m_changed = false; }
    // The league files now hold the league as it is: unchanged, and one save more.
    void markSaved() {
        m_changed = false;
        ++m_saves;
    }
    std::uint64_t saveCount() const { return m_saves; }

    int teamCount() const { return static_cast<int>(teams.size()); }
    bool isTeam(int teamNumber) const { return teamNumber >= 0 && teamNumber < teamCount(); }
    // The team of that number. A number that is not a team of this league (the free agents,
    // the views of 200 and more, a stored value out of range) is refused with zt::Error.
    Team& team(int teamNumber);
    const Team& team(int teamNumber) const;
    // The team of that number, or null when there is none.
    Team* findTeam(int teamNumber);
    const Team* findTeam(int teamNumber) const;

    // Adds a player at the end of the list, marked new (he was not read from the file), with his
    // history block when one is given; marks the league changed. Returns his index.
    int addPlayer(std::unique_ptr<PlayerRecord> player, std::unique_ptr<StatHistory> history = nullptr);
    // Removes the player at that index with everything that refers to him: his team's roster
    // slot, his history block, his export-pool entry, the current player and history; players
    // read from the file stay marked as read. Marks the league changed. Returns the team the
    // player belonged to (its stored value). Lineups are the rosters' business.
    int removePlayer(std::size_t index);
    // Whether the player at that index was added since the league was read.
    bool isNewPlayer(std::size_t index) const { return static_cast<std::int64_t>(index) >= loadedPlayerCount; }
    bool inExportPool(const PlayerRecord& player) const;

    // First player with that id, in list order.
    PlayerRecord* findPlayerById(std::uint32_t playerId) const;
    // Largest playerId + 1, or 1 without players.
    std::uint32_t nextPlayerId() const;
    // Whether the player's id is one of the 120 roster ids of the team.
    bool isOnRoster(const PlayerRecord& player, int teamNumber) const;
    std::string teamName(int teamNumber) const;
    std::string teamAbbrev(int teamNumber) const;

    // Rebuilds teamNameList and teamAbbrevList from the team records.
    void buildTeamLists();

private:
    bool m_changed = false;
    std::uint64_t m_saves = 0;
};

// First block of the list with that key.
StatHistory* findHistory(const HistoryList& list, std::int32_t key);

}  // namespace zt

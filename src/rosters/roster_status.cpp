#include "rosters/roster_status.h"

#include "league/codes.h"
#include "league/league.h"
#include "league/league_text.h"
#include "rosters/lineup_edit.h"

namespace zt {

namespace {

std::string placeName(const League& league, int team) {
    if (const Team* found = league.findTeam(team)) {
        return leagueTextToUtf8(found->record.get(tf::city));
    }
    return "Free Agents";
}

std::string playerName(const PlayerRecord& player) {
    return leagueTextToUtf8(player.get(pf::firstName)) + " " + leagueTextToUtf8(player.get(pf::lastName));
}

// "AAA", "DL", "Inactive List": the level as the grid shows it, else as the Move to menu names it.
std::string levelName(int level) {
    const std::string_view shown = levelText(level);
    return std::string(shown.empty() ? moveToCaption(level) : shown);
}

std::string players(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " player" : " players");
}

}  // namespace

std::string transferStatus(const League& league, const TransferResult& result, int destination) {
    std::string status;
    if (result.moved.size() == 1) {
        status = playerName(*league.players.at(static_cast<std::size_t>(result.moved.front()))) + " transferred to " +
                 placeName(league, destination);
    } else if (!result.moved.empty()) {
        status = players(result.moved.size()) + " transferred to " + placeName(league, destination);
    }
    if (!result.refused.empty()) {
        status +=
            (status.empty() ? "" : "; ") + players(result.refused.size()) + " not transferred: no free roster spot";
    }
    return status;
}

std::string moveStatus(int playerCount, int level) {
    return players(static_cast<std::size_t>(playerCount)) + " moved to " + std::string(moveToCaption(level));
}

std::optional<std::string> gridDropRefusal(const League& league, const PlayerRecord& player, int team, int shownLevel) {
    if (acceptsGridPlayer(player, team, shownLevel)) {
        return std::nullopt;
    }
    if (player.teamIndex() != team) {
        return playerName(player) + " plays for " + placeName(league, player.teamIndex()) + ", not for " +
               placeName(league, team);
    }
    return playerName(player) + " is at " + levelName(player.level()) + "; these lineups are for " +
           levelName(shownLevel);
}

}  // namespace zt

#include "league/league.h"

#include <algorithm>

#include "league/scores_file.h"

namespace zt {

League::League() {
    resetPlayoffGames(*this);
}

PlayerRecord* League::findPlayerById(std::uint32_t playerId) const {
    for (const auto& player : players) {
        if (player->playerId() == playerId) {
            return player.get();
        }
    }
    return nullptr;
}

std::uint32_t League::nextPlayerId() const {
    std::uint32_t largest = 0;
    for (const auto& player : players) {
        largest = std::max<std::uint32_t>(largest, player->playerId());
    }
    return largest + 1;
}

bool League::isOnRoster(const PlayerRecord& player, int teamNumber) const {
    if (!isTeam(teamNumber)) {
        return false;
    }
    const auto& record = teams[static_cast<std::size_t>(teamNumber)].record;
    const std::int32_t id = player.playerId();
    for (int slot = 0; slot < kRosterSize; ++slot) {
        if (record.rosterId(slot) == id) {
            return true;
        }
    }
    return false;
}

std::string League::teamName(int teamNumber) const {
    return isTeam(teamNumber) ? teams[static_cast<std::size_t>(teamNumber)].record.get(tf::name) : std::string();
}

std::string League::teamAbbrev(int teamNumber) const {
    return isTeam(teamNumber) ? teams[static_cast<std::size_t>(teamNumber)].record.get(tf::abbreviation)
                              : std::string();
}

void League::buildTeamLists() {
    teamNameList = {{"Free Agents", kFreeAgentTeam}};
    teamAbbrevList = {{"FA", kFreeAgentTeam}};
    for (const auto& team : teams) {
        const int number = team.record.get(tf::teamNumber);
        teamNameList.push_back({team.record.get(tf::name), number});
        teamAbbrevList.push_back({team.record.get(tf::abbreviation), number});
    }
}

StatHistory* findHistory(const HistoryList& list, std::int32_t key) {
    const auto it = std::find_if(list.begin(), list.end(), [key](const auto& block) { return block->key == key; });
    return it == list.end() ? nullptr : it->get();
}

}  // namespace zt

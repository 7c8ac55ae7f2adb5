#include "league/league.h"

#include <algorithm>
#include <utility>

#include "league/error.h"

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

Team& League::team(int teamNumber) {
    return const_cast<Team&>(std::as_const(*this).team(teamNumber));
}

const Team& League::team(int teamNumber) const {
    if (!isTeam(teamNumber)) {
        throw Error("Team number " + std::to_string(teamNumber) + " is not a team of this league");
    }
    return teams[static_cast<std::size_t>(teamNumber)];
}

Team* League::findTeam(int teamNumber) {
    return isTeam(teamNumber) ? &teams[static_cast<std::size_t>(teamNumber)] : nullptr;
}

const Team* League::findTeam(int teamNumber) const {
    return isTeam(teamNumber) ? &teams[static_cast<std::size_t>(teamNumber)] : nullptr;
}

bool League::isOnRoster(const PlayerRecord& player, int teamNumber) const {
    const Team* team = findTeam(teamNumber);
    if (team == nullptr) {
        return false;
    }
    const auto& record = team->record;
    const std::int32_t id = player.playerId();
    for (int slot = 0; slot < kRosterSize; ++slot) {
        if (record.rosterId(slot) == id) {
            return true;
        }
    }
    return false;
}

std::string League::teamName(int teamNumber) const {
    const Team* team = findTeam(teamNumber);
    return team != nullptr ? team->record.get(tf::name) : std::string();
}

std::string League::teamAbbrev(int teamNumber) const {
    const Team* team = findTeam(teamNumber);
    return team != nullptr ? team->record.get(tf::abbreviation) : std::string();
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

int League::addPlayer(std::unique_ptr<PlayerRecord> player, std::unique_ptr<StatHistory> history) {
    players.push_back(std::move(player));
    if (history) {
        playerHistories.push_back(std::move(history));
    }
    markChanged();
    return static_cast<int>(players.size() - 1);
}

bool League::inExportPool(const PlayerRecord& player) const {
    return std::any_of(
        exportPool.begin(), exportPool.end(), [&](const ExportPoolEntry& entry) { return entry.player == &player; });
}

int League::removePlayer(std::size_t index) {
    PlayerRecord* player = players.at(index).get();
    const int teamNumber = player->teamIndex();
    const std::int32_t id = player->playerId();
    if (Team* team = findTeam(teamNumber)) {
        for (int slot = 0; slot < kRosterSize; ++slot) {
            if (team->record.rosterId(slot) == id) {
                team->record.setRosterId(slot, -1);  // an empty slot
                break;
            }
        }
    }

    const auto block = std::find_if(
        playerHistories.begin(), playerHistories.end(), [id](const auto& history) { return history->key == id; });
    std::unique_ptr<StatHistory> removedHistory;
    if (block != playerHistories.end()) {
        removedHistory = std::move(*block);
        playerHistories.erase(block);
    }
    if (currentPlayer == player) {
        currentPlayer = nullptr;
    }
    if (removedHistory && currentHistory == removedHistory.get()) {
        currentHistory = nullptr;
    }

    // The pool never refers to freed memory: the member leaves it, and another member sharing
    // the id whose history block went is pointed at the block his id finds now (a new, empty
    // one when none is left).
    std::erase_if(exportPool, [player](const ExportPoolEntry& entry) { return entry.player == player; });
    for (ExportPoolEntry& entry : exportPool) {
        if (removedHistory == nullptr || entry.history != removedHistory.get()) {
            continue;
        }
        StatHistory* replacement = findHistory(playerHistories, id);
        if (replacement == nullptr) {
            auto fresh = std::make_unique<StatHistory>();
            fresh->key = id;
            replacement = fresh.get();
            playerHistories.push_back(std::move(fresh));
        }
        entry.history = replacement;
    }

    players.erase(players.begin() + static_cast<std::ptrdiff_t>(index));
    // Players after it move down one place; the count of players read keeps marking the same
    // players as new.
    if (static_cast<std::int64_t>(index) < loadedPlayerCount) {
        --loadedPlayerCount;
    }
    markChanged();
    return teamNumber;
}

StatHistory* findHistory(const HistoryList& list, std::int32_t key) {
    const auto it = std::find_if(list.begin(), list.end(), [key](const auto& block) { return block->key == key; });
    return it == list.end() ? nullptr : it->get();
}

}  // namespace zt

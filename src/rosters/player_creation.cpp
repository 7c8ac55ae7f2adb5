#include "rosters/player_creation.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "league/error.h"
#include "league/interaction.h"
#include "league/league.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

constexpr std::uint32_t kLargestPlayerId = 0xFFFF;

std::string askName(Interaction& interaction,
                    const std::string& caption,
                    const std::string& prompt,
                    const std::string& preset) {
    const std::optional<std::string> answer = interaction.promptText(caption, prompt, preset);
    return answer ? *answer : preset;
}

// The pool refers to records and history blocks it does not own: a member whose record goes
// leaves the pool with his history entry, and a member (sharing the id) whose history block
// goes is pointed at the block his id finds now, so the pool never refers to freed memory.
void forgetInExportPool(League& league, const PlayerRecord* player, const StatHistory* history) {
    auto& pool = league.exportPool;
    auto& histories = league.exportPoolHistories;
    for (std::size_t i = pool.size(); i-- > 0;) {
        if (pool[i] == player) {
            pool.erase(pool.begin() + static_cast<std::ptrdiff_t>(i));
            if (i < histories.size()) {
                histories.erase(histories.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
    if (history == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < histories.size(); ++i) {
        if (histories[i] != history) {
            continue;
        }
        StatHistory* replacement = findHistory(league.playerHistories, history->key);
        if (replacement == nullptr) {
            auto block = std::make_unique<StatHistory>();
            block->key = history->key;
            replacement = block.get();
            league.playerHistories.push_back(std::move(block));
        }
        histories[i] = replacement;
    }
}

// Steps shared by both deletions: roster slot, history block, export pool, the record itself.
// Returns the team the player belonged to (kFreeAgentTeam or any stored value).
int removePlayerAt(League& league, std::size_t index) {
    PlayerRecord* player = league.players[index].get();
    const int team = player->teamIndex();
    const std::int32_t id = player->playerId();
    if (league.isTeam(team)) {
        TeamRecord& record = league.teams[static_cast<std::size_t>(team)].record;
        const int slot = findRosterSlot(record, id);
        if (slot >= 0) {
            record.setRosterId(slot, kEmptySlot);
        }
    }

    auto& histories = league.playerHistories;
    const auto block =
        std::find_if(histories.begin(), histories.end(), [id](const auto& history) { return history->key == id; });
    std::unique_ptr<StatHistory> removedHistory;
    if (block != histories.end()) {
        removedHistory = std::move(*block);
        histories.erase(block);
    }

    if (league.currentPlayer == player) {
        league.currentPlayer = nullptr;
    }
    if (removedHistory && league.currentHistory == removedHistory.get()) {
        league.currentHistory = nullptr;
    }
    forgetInExportPool(league, player, removedHistory.get());

    league.players.erase(league.players.begin() + static_cast<std::ptrdiff_t>(index));
    // Players after it move down one place; the count of players read keeps marking the same
    // players as new.
    if (static_cast<std::int64_t>(index) < league.loadedPlayerCount) {
        --league.loadedPlayerCount;
    }
    league.markChanged();
    return team;
}

}  // namespace

std::optional<int> clonePlayer(League& league, Interaction& interaction) {
    if (league.currentPlayer == nullptr) {
        return std::nullopt;
    }
    const std::uint32_t newId = league.nextPlayerId();
    if (newId > kLargestPlayerId) {
        throw Error("No player id is left for a new player: the largest id " + std::to_string(kLargestPlayerId) +
                    " is taken");
    }
    auto clone = std::make_unique<PlayerRecord>(*league.currentPlayer);
    clone->set(pf::teamIndex, kFreeAgentTeam);
    clone->set(pf::playerId, static_cast<std::uint16_t>(newId));
    auto history = std::make_unique<StatHistory>();
    history->key = static_cast<std::int32_t>(newId);

    const std::string first =
        askName(interaction, "New player first name", "Enter the new player first name", clone->get(pf::firstName));
    clone->set(pf::firstName, first.substr(0, kCloneNameWidth));
    const std::string last =
        askName(interaction, "New player last name", "Enter the new player last name", clone->get(pf::lastName));
    clone->set(pf::lastName, last.substr(0, kCloneNameWidth));
    interaction.information("A new player named " + clone->get(pf::firstName) + " " + clone->get(pf::lastName) +
                            " has been added to the free agents list");

    league.players.push_back(std::move(clone));
    league.playerHistories.push_back(std::move(history));
    league.markChanged();
    return static_cast<int>(league.players.size() - 1);
}

DeleteResult deletePlayer(League& league, int playerIndex, Interaction& interaction) {
    DeleteResult result;
    if (playerIndex < 0 || static_cast<std::size_t>(playerIndex) >= league.players.size()) {
        return result;
    }
    const PlayerRecord& player = *league.players[static_cast<std::size_t>(playerIndex)];
    if (!interaction.askYesNo("Are you sure you want to delete " + player.get(pf::firstName) + " " +
                              player.get(pf::lastName) + " ?")) {
        return result;
    }
    result.team = removePlayerAt(league, static_cast<std::size_t>(playerIndex));
    result.deleted = true;
    result.check = checkLineups(league, result.team, interaction);
    return result;
}

int deleteAllInGrid(League& league, std::span<const int> playerIndexes, Interaction& interaction) {
    if (!interaction.askYesNo("Are you sure you want to delete ALL the players in the grid ?")) {
        return 0;
    }
    std::vector<int> indexes(playerIndexes.begin(), playerIndexes.end());
    std::sort(indexes.begin(), indexes.end(), std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());

    struct Departure {
        int team;
        std::int32_t id;
    };
    std::vector<Departure> departures;
    int deleted = 0;
    for (const int index : indexes) {
        if (index < 0 || static_cast<std::size_t>(index) >= league.players.size()) {
            continue;
        }
        const std::int32_t id = league.players[static_cast<std::size_t>(index)]->playerId();
        departures.push_back({removePlayerAt(league, static_cast<std::size_t>(index)), id});
        ++deleted;
    }

    // Deleted ids leave the lineups of their teams, unless a remaining player of the team has
    // the same id and so still answers to it.
    for (const auto& [team, id] : departures) {
        if (!league.isTeam(team)) {
            continue;
        }
        const bool stillThere = std::any_of(league.players.begin(), league.players.end(), [&](const auto& player) {
            return player->teamIndex() == team && player->playerId() == id;
        });
        if (!stillThere) {
            removeFromLineups(league, team, id);
        }
    }
    return deleted;
}

void convertedSeasonFix(League& league, Interaction& interaction) {
    league.seasonHeader.set(sh::seasonDay, std::uint16_t{12});
    interaction.information("Done");
    league.markChanged();
}

}  // namespace zt

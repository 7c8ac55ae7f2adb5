#include "players/export_pool.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "league/interaction.h"
#include "league/league.h"

namespace zt {

StatHistory* exportHistoryOf(League& league, const PlayerRecord& player) {
    if (!league.statsLoaded) {
        return nullptr;
    }
    if (league.currentPlayer == &player && league.currentHistory != nullptr) {
        return league.currentHistory;
    }
    const std::int32_t id = player.playerId();
    if (StatHistory* found = findHistory(league.playerHistories, id)) {
        return found;
    }
    auto block = std::make_unique<StatHistory>();
    block->key = id;
    StatHistory* created = block.get();
    league.playerHistories.push_back(std::move(block));
    return created;
}

bool toggleExportMark(League& league, PlayerRecord& player) {
    auto& pool = league.exportPool;
    const auto member =
        std::find_if(pool.begin(), pool.end(), [&](const ExportPoolEntry& entry) { return entry.player == &player; });
    if (member != pool.end()) {
        pool.erase(member);
        return false;
    }
    pool.push_back({&player, exportHistoryOf(league, player)});
    return true;
}

int toggleExportMarkAll(League& league, std::span<const int> playerIndexes) {
    // The same result as toggling row by row, without searching the pool for every row: members
    // that leave keep the others in order, and players who join follow in row order.
    auto& pool = league.exportPool;
    std::unordered_set<const PlayerRecord*> members;
    members.reserve(pool.size() + playerIndexes.size());
    for (const ExportPoolEntry& entry : pool) {
        members.insert(entry.player);
    }
    std::unordered_set<const PlayerRecord*> left;
    std::vector<PlayerRecord*> joined;
    for (const int index : playerIndexes) {
        if (index < 0 || static_cast<std::size_t>(index) >= league.players.size()) {
            continue;
        }
        PlayerRecord* player = league.players[static_cast<std::size_t>(index)].get();
        if (members.erase(player) > 0) {
            left.insert(player);
        } else {
            members.insert(player);
            joined.push_back(player);
        }
    }
    std::vector<ExportPoolEntry> result;
    result.reserve(members.size());
    for (const ExportPoolEntry& entry : pool) {
        if (!left.contains(entry.player)) {
            result.push_back(entry);
        }
    }
    std::unordered_set<const PlayerRecord*> appended;
    for (PlayerRecord* player : joined) {
        if (members.contains(player) && appended.insert(player).second) {
            result.push_back({player, exportHistoryOf(league, *player)});
        }
    }
    pool = std::move(result);
    return static_cast<int>(pool.size());
}

bool freeExportPool(League& league, Interaction& interaction) {
    if (!interaction.askYesNo(kFreeExportPoolQuestion, DefaultButton::No)) {
        return false;
    }
    league.exportPool.clear();
    return true;
}

}  // namespace zt

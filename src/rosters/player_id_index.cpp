#include "rosters/player_id_index.h"

#include <algorithm>

#include "league/player_record.h"

namespace zt {

void PlayerIdIndex::want(std::int32_t playerId) {
    if (playerId < 0 || playerId > 0xFFFF) {
        return;
    }
    const auto id = static_cast<std::uint32_t>(playerId);
    m_wanted[id >> 6] |= std::uint64_t{1} << (id & 63);
}

void PlayerIdIndex::offer(PlayerRecord& player) {
    const std::uint16_t id = player.playerId();
    if (wants(id)) {
        m_entries.emplace_back(id, &player);
    }
}

void PlayerIdIndex::finish() {
    // Stable, so that players sharing an id stay in list order.
    std::stable_sort(
        m_entries.begin(), m_entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    m_players.clear();
    m_starts.clear();
    for (const auto& [id, player] : m_entries) {
        if (m_starts.empty() || m_starts.back().first != id) {
            m_starts.emplace_back(id, m_players.size());
        }
        m_players.push_back(player);
    }
    m_starts.emplace_back(0xFFFF, m_players.size());  // end marker: never looked up by id
    m_entries.clear();
}

std::span<PlayerRecord* const> PlayerIdIndex::players(std::int32_t playerId) const {
    if (playerId < 0 || playerId > 0xFFFF || m_starts.empty()) {
        return {};
    }
    const auto id = static_cast<std::uint16_t>(playerId);
    const auto end = m_starts.end() - 1;
    const auto it = std::lower_bound(
        m_starts.begin(), end, id, [](const auto& start, std::uint16_t value) { return start.first < value; });
    if (it == end || it->first != id) {
        return {};
    }
    const std::size_t from = it->second;
    const std::size_t to = (it + 1)->second;
    return {m_players.data() + from, to - from};
}

PlayerRecord* PlayerIdIndex::first(std::int32_t playerId) const {
    const auto found = players(playerId);
    return found.empty() ? nullptr : found.front();
}

PlayerRecord* PlayerIdIndex::last(std::int32_t playerId) const {
    const auto found = players(playerId);
    return found.empty() ? nullptr : found.back();
}

}  // namespace zt

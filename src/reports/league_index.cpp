#include "reports/league_index.h"

#include <algorithm>

#include "league/league.h"

namespace zt::reports {

LeagueIndex::LeagueIndex(const League& league) : m_teams(256) {
    m_histories.reserve(league.playerHistories.size());
    for (const auto& block : league.playerHistories) {
        m_histories.emplace(block->key, block.get());  // keeps the first block of a key
    }
    std::vector<std::pair<std::int32_t, int>> ids;
    ids.reserve(league.players.size());
    for (std::size_t i = 0; i < league.players.size(); ++i) {
        const PlayerRecord& player = *league.players[i];
        m_teams[player.teamIndex()].push_back(static_cast<int>(i));
        ids.emplace_back(player.playerId(), static_cast<int>(i));
    }
    std::sort(ids.begin(), ids.end());
    m_ids.reserve(ids.size());
    m_idPlayers.reserve(ids.size());
    for (const auto& [id, index] : ids) {
        m_ids.push_back(id);
        m_idPlayers.push_back(index);
    }
}

const StatHistory* LeagueIndex::history(std::int32_t playerId) const {
    const auto found = m_histories.find(playerId);
    return found == m_histories.end() ? nullptr : found->second;
}

std::span<const int> LeagueIndex::playersOfTeam(int team) const {
    if (team < 0 || team >= static_cast<int>(m_teams.size())) {
        return {};
    }
    return m_teams[static_cast<std::size_t>(team)];
}

std::span<const int> LeagueIndex::playersWithId(std::int32_t playerId) const {
    const auto [first, last] = std::equal_range(m_ids.begin(), m_ids.end(), playerId);
    return std::span<const int>(m_idPlayers)
        .subspan(static_cast<std::size_t>(first - m_ids.begin()), static_cast<std::size_t>(last - first));
}

}  // namespace zt::reports

#pragma once

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace zt {
class League;
struct StatHistory;
}  // namespace zt

namespace zt::reports {

// Lookups the reports make for player after player, built once from a league: a player's
// history, the players of a team, the players with an id. The league must not change while
// the index is used (report windows are modal and only read it).
class LeagueIndex {
public:
    explicit LeagueIndex(const League& league);

    // The first history block whose key is the id, as the history editor finds it.
    const StatHistory* history(std::int32_t playerId) const;
    // Indexes in the player list of the players whose teamIndex is `team` (0..255), in list order.
    std::span<const int> playersOfTeam(int team) const;
    // Indexes of the players with that id, in list order.
    std::span<const int> playersWithId(std::int32_t playerId) const;

private:
    std::unordered_map<std::int32_t, const StatHistory*> m_histories;
    std::vector<std::vector<int>> m_teams;
    // Sorted by id, then list order; the same positions in both.
    std::vector<std::int32_t> m_ids;
    std::vector<int> m_idPlayers;
};

}  // namespace zt::reports

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace zt {

class PlayerRecord;

// The players of a few wanted ids, found in one pass over the player list. Commands that look
// players up slot by slot (the lineup check, the lineup view) build one per command instead of
// scanning the list for every slot: on a league of 20,000 players that is the difference
// between one pass and a hundred.
class PlayerIdIndex {
public:
    // Marks an id as wanted; ids that no player can have (outside 0 to 65535) are ignored.
    void want(std::int32_t playerId);
    bool wants(std::uint16_t playerId) const { return (m_wanted[playerId >> 6] >> (playerId & 63)) & 1U; }
    // Offers a player of the list, in list order; kept when his id is wanted.
    void offer(PlayerRecord& player);
    // Ends the pass: lookups work from here on.
    void finish();

    // The players with that id, in list order.
    std::span<PlayerRecord* const> players(std::int32_t playerId) const;
    // The first, or the last, of them; nullptr when none.
    PlayerRecord* first(std::int32_t playerId) const;
    PlayerRecord* last(std::int32_t playerId) const;

private:
    std::array<std::uint64_t, 1024> m_wanted{};  // one bit per possible id
    std::vector<std::pair<std::uint16_t, PlayerRecord*>> m_entries;
    std::vector<PlayerRecord*> m_players;  // grouped by id, list order within an id
    std::vector<std::pair<std::uint16_t, std::size_t>> m_starts;
};

}  // namespace zt

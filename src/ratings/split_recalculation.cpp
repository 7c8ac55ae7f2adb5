#include "ratings/split_recalculation.h"

#include "ratings/rating_computation.h"

namespace zt {

RecalculationCount recalculateSplits(League& league,
                                     SplitKind kind,
                                     std::optional<int> team,
                                     const LeagueConstants& constants) {
    RecalculationCount count;
    for (const auto& player : league.players) {
        if (team && player->teamIndex() != *team) {
            continue;
        }
        ++count.selected;
        const PlayerRecord before = *player;
        if (kind == SplitKind::Batters) {
            ComputeBatterSplits(*player, constants);
        } else {
            ComputePitcherSplits(*player, constants);
        }
        if (player->bytes() != before.bytes()) {
            ++count.changed;
        }
    }
    if (count.changed > 0) {
        league.markChanged();
    }
    return count;
}

}  // namespace zt

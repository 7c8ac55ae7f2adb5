#include "rosters/transfers.h"

#include "league/league.h"
#include "rosters/roster_rules.h"

namespace zt {

namespace {

// Another player of the team with the same id still stands for it in the lineups.
bool idStillOnTeam(const League& league, const PlayerRecord& leaving, int team) {
    for (const auto& player : league.players) {
        if (player.get() != &leaving && player->teamIndex() == team && player->playerId() == leaving.playerId()) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool isTransferDestination(const League& league, int team) {
    return team == kFreeAgentTeam || league.isTeam(team);
}

bool transferPlayer(League& league, PlayerRecord& player, int oldTeam, int newTeam, Interaction& interaction) {
    if (!isTransferDestination(league, newTeam)) {
        player.set(pf::teamIndex, static_cast<std::uint8_t>(oldTeam));
        return false;
    }
    const std::int32_t id = player.playerId();
    if (newTeam != kFreeAgentTeam) {
        TeamRecord& destination = league.team(newTeam).record;
        const int slot = firstTransferSlot(destination);
        if (slot < 0) {
            player.set(pf::teamIndex, static_cast<std::uint8_t>(oldTeam));
            return false;
        }
        destination.setRosterId(slot, id);
        if (player.get(pf::role) == kRoleCloser) {
            player.set(pf::role, kRoleRelief);
        }
    }
    league.markChanged();
    if (oldTeam != kFreeAgentTeam) {
        if (Team* origin = league.findTeam(oldTeam)) {
            const int slot = findRosterSlot(origin->record, id);
            if (slot >= 0) {
                origin->record.setRosterId(slot, kEmptySlot);
            }
            // The team he left must not keep him in its lineups and rotations until someone
            // happens to check them: the season would be saved naming a player of another team.
            if (oldTeam != newTeam && !idStillOnTeam(league, player, oldTeam)) {
                removeFromLineups(league, oldTeam, id);
            }
        }
        checkLineups(league, player.teamIndex(), interaction);
    }
    return true;
}

TransferResult transferPlayers(League& league,
                               std::span<const int> playerIndexes,
                               int destination,
                               Interaction& interaction) {
    TransferResult result;
    for (const int index : playerIndexes) {
        if (index < 0 || static_cast<std::size_t>(index) >= league.players.size()) {
            continue;
        }
        PlayerRecord& player = *league.players[static_cast<std::size_t>(index)];
        const int oldTeam = player.teamIndex();
        player.set(pf::teamIndex, static_cast<std::uint8_t>(destination));
        if (transferPlayer(league, player, oldTeam, destination, interaction)) {
            result.moved.push_back(index);
        } else {
            result.refused.push_back(index);
        }
        result.lastOldTeam = oldTeam;
    }
    return result;
}

}  // namespace zt

#include "rosters/player_import.h"

#include "league/interaction.h"
#include "league/league.h"
#include "players/transfer_file.h"
#include "rosters/transfers.h"

namespace zt {

PlayerImportResult importPlayers(League& league,
                                 const std::filesystem::path& file,
                                 int destination,
                                 Interaction& interaction) {
    requireImportDestination(league, destination);
    std::vector<TransferEntry> entries = readTransferFile(file);
    const auto countBefore = static_cast<std::int32_t>(league.players.size());

    PlayerImportResult result;
    result.playerIndexes = addTransferredPlayers(league, std::move(entries), destination);
    // Only once they were added (a refusal changes nothing): every player before them is now
    // counted as read, every imported one as new.
    league.loadedPlayerCount = countBefore;
    for (const int index : result.playerIndexes) {
        PlayerRecord& player = *league.players[static_cast<std::size_t>(index)];
        const int team = player.teamIndex();
        if (team != kFreeAgentTeam && !transferPlayer(league, player, kFreeAgentTeam, team, interaction)) {
            // transferPlayer gave him the free agents back.
            result.noSpot = true;
        }
    }
    interaction.information(importedPlayersMessage(static_cast<int>(result.playerIndexes.size())));
    if (result.noSpot) {
        interaction.information(kNoSpotMessage);
    }
    return result;
}

std::string importedPlayersMessage(int count) {
    return std::to_string(count) + " player(s) imported successfully";
}

}  // namespace zt

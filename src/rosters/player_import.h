#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zt {

class Interaction;
class League;

inline constexpr char kNoSpotMessage[] =
    "There were not enough free spots available on the destination team, remaining players have been "
    "transfered in the FA list";

struct PlayerImportResult {
    std::vector<int> playerIndexes;  // the imported players, in file order
    bool noSpot = false;             // some found no room on their team and are free agents
};

// "Import Players": reads the whole transfer file (a damaged one is refused, naming it, before
// anything changes) and adds its players as addTransferredPlayers does (destination 999 keeps
// each player's own team, 255 makes them free agents, a team number sends them all there).
// Every player of a team then takes the first free place of its roster as a transfer from the
// free agents does, without a message or a lineup check; a player for whom there is none
// becomes a free agent. Every player counts as new afterwards (the count of players read is
// reset to the list's size before they are added). Says "N player(s) imported successfully"
// and, when a team had no room, kNoSpotMessage.
PlayerImportResult importPlayers(League& league,
                                 const std::filesystem::path& file,
                                 int destination,
                                 Interaction& interaction);

std::string importedPlayersMessage(int count);

}  // namespace zt

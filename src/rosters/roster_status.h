#pragma once

#include <optional>
#include <string>

#include "rosters/transfers.h"

namespace zt {

class League;
class PlayerRecord;

// One-line reports of what a roster command just did, for the window's status bar. UTF-8, like
// every message.

// "<first> <last> transferred to <city>" for one player, "<n> players transferred to <city>"
// for more; players refused for want of room are counted after it. Empty when nothing happened.
std::string transferStatus(const League& league, const TransferResult& result, int destination);
// "<n> players moved to <level>" ("1 player moved to AAA").
std::string moveStatus(int playerCount, int level);
// Why a player dragged from the grid cannot go into the lineups shown (team `team`, level
// `shownLevel`): another team, or another level. None when he can.
std::optional<std::string> gridDropRefusal(const League& league, const PlayerRecord& player, int team, int shownLevel);

}  // namespace zt

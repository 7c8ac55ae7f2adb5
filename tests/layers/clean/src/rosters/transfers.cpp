#include "rosters/transfers.h"

#include "../league/league.h"
#include "players/player_grid.h"

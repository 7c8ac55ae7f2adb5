#include "players/player_grid.h"

#include <string>

#include "league/league.h"
#include "player_grid_rows.h"

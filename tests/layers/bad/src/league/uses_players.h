#pragma once

#include "players/player_grid.h"

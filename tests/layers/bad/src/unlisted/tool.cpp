#include "league/league.h"

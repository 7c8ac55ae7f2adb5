#include "season/team_info.h"

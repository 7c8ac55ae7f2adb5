#include "players/ui/player_editor.h"

#include "players/ui/player_editor.h"

#include <QWidget>

#include "league/ui/qt_text.h"
#include "players/player_grid.h"
#include "ui_gen_page.h"

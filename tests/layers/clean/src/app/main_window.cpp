#include "app/main_window.h"

#include <QMainWindow>

#include "league/league.h"
#include "rosters/ui/lineup_page.h"

#include "rosters/ui/lineup_page.h"

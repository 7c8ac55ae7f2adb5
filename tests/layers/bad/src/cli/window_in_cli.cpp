#include "league/ui/qt_text.h"

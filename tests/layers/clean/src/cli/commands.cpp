#include "globaledit/gbe_run.h"
#include "sample/sample_league.h"

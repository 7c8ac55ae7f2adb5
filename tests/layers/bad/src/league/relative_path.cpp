#include "../rosters/transfers.h"

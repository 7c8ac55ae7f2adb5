#pragma once

#include <vector>

#include "league/codes.h"

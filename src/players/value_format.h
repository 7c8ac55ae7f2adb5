#pragma once

#include <string>

namespace zt {

// Texts of the numbers in the player editor's boxes. Every one is written with "." whatever the
// locale, in the shortest form (6.70 -> "6.7", 25.00 -> "25").

// Rounded half-even to a whole number: 12.5 -> "12", 13.5 -> "14".
std::string formatWhole(double x);

// Rounded half-even to `decimals` decimals: (6.666, 2) -> "6.67", (0.3, 3) -> "0.3".
std::string formatDecimals(double x, int decimals);

// A stored fraction as a percentage with up to two decimals: 0.25 -> "25", 0.12345 -> "12.35".
std::string formatPercent(double fraction);

}  // namespace zt

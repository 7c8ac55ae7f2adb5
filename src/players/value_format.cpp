#include "players/value_format.h"

#include "league/numbers.h"

namespace zt {

std::string formatWhole(double x) {
    return FormatShort(roundHalfEven(x));
}

std::string formatDecimals(double x, int decimals) {
    return FormatShort(roundHalfEven(x, decimals));
}

std::string formatPercent(double fraction) {
    // Rounded on the hundredths of a percent before the division, so 0.25 gives exactly 25.
    return FormatShort(roundHalfEven(fraction * 10000.0) / 100.0);
}

}  // namespace zt

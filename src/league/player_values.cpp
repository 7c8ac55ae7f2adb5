#include "league/player_values.h"

namespace zt {

std::optional<double> playerValue(const PlayerRecord& player, const PlayerValue& value) {
    switch (value.kind) {
        case ValueKind::Stored:
            return readNumber(player, value.field);
        case ValueKind::Ratio: {
            const double divisor = readNumber(player, value.divisor);
            if (divisor == 0) {
                return std::nullopt;
            }
            return readNumber(player, value.field) / divisor;
        }
        case ValueKind::Percent:
            return readNumber(player, value.field) * 100;
    }
    return std::nullopt;
}

}  // namespace zt

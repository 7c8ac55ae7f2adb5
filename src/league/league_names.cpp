#include "league/league_names.h"

#include <stdexcept>

namespace zt {

namespace {
constexpr std::size_t kDivisionNameWidth = 32;
}

std::size_t LeagueNames::divisionOffset(int division) {
    if (division < 0 || division >= kDivisions) {
        throw std::out_of_range("division out of range");
    }
    return 112 - 32 * static_cast<std::size_t>(division);
}

std::string LeagueNames::divisionName(int division) const {
    return readFixedText(m_bytes.data() + divisionOffset(division), kDivisionNameWidth);
}

void LeagueNames::setDivisionName(int division, std::string_view text) {
    writeFixedText(m_bytes.data() + divisionOffset(division), kDivisionNameWidth, text);
}

}  // namespace zt

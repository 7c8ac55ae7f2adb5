#pragma once

#include <string>
#include <string_view>

#include "league/byte_record.h"

namespace zt {

// One league of the organisation as named in players.zt: name, abbreviation, three divisions.
class LeagueNames : public ByteRecord<144> {
public:
    static constexpr TextField<0, 32> name{};
    static constexpr TextField<32, 16> abbreviation{};
    // The division names, stored from the last division to the first: division 0's name is
    // the last of them.
    static constexpr ArrayField<TextField<0, 32>, 48, 3> divisionNames{};
    static constexpr int kDivisions = divisionNames.count;

    std::string divisionName(int division) const { return get(divisionNames[storedAt(division)]); }
    void setDivisionName(int division, std::string_view text) { set(divisionNames[storedAt(division)], text); }

private:
    static constexpr int storedAt(int division) { return kDivisions - 1 - division; }
};

}  // namespace zt

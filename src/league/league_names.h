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
    static constexpr int kDivisions = 3;

    // Division 0's name is stored last: offsets 112, 80 and 48 for divisions 0, 1 and 2.
    std::string divisionName(int division) const;
    void setDivisionName(int division, std::string_view text);

private:
    static std::size_t divisionOffset(int division);
};

}  // namespace zt

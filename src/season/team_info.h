#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zt {
class League;
}

namespace zt::season {

// A whole-number field of the "Team Info" window: its edit, its label and where the team record
// keeps it.
struct TeamInfoNumberField {
    std::string_view control;
    std::string_view label;
    std::size_t offset;
};

inline constexpr int kTeamInfoNumbers = 12;
// In the order the window converts them: the present season, then the records and achievements.
const std::array<TeamInfoNumberField, kTeamInfoNumbers>& teamInfoNumberFields();

// What the window shows and the user types: the four names as league text and the numbers as
// typed.
struct TeamInfoValues {
    std::string name;
    std::string city;
    std::string completeName;
    std::string abbreviation;
    std::array<std::string, kTeamInfoNumbers> numbers;
};

inline constexpr std::string_view kCustomSeasonNote = "You can change names, cities and abv only with CUSTOM seasons";

// Names and abbreviations of teams and leagues may be changed only in a custom season.
bool namesEditable(const League& league);

TeamInfoValues teamInfoValues(const League& league, int team);

// Team Info's OK. In a custom season the four names are stored (a name left as shown keeps its
// bytes, even those after its end); then the numbers are converted and stored in window order.
// A number that is not a whole number stops there with "'<text>' is not a valid integer value",
// the fields before it keeping their new values. The team lists take the new name and
// abbreviation. The league is marked changed when the record changed.
void applyTeamInfo(League& league, int team, const TeamInfoValues& values);

}  // namespace zt::season

#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zt {
class League;
}

namespace zt::season {

// The "League Options" window's values: the season settings of season.zt and the league and
// division names of players.zt.
inline constexpr int kLeagueNameTexts = 10;
inline constexpr int kDhItems = 4;
inline constexpr int kInningsItems = 9;
inline constexpr int kFirstYear = 1970;
inline constexpr int kLastYear = 3000;
inline constexpr std::string_view kLeagueNamesNote =
    "Note: You can change  the leagues and divisions names only in custom leagues.";

// Controls of the ten names in storing order: l1name, l1abv, l1div1..l1div3, then the same for
// the second league.
const std::array<std::string_view, kLeagueNameTexts>& leagueNameControls();

struct SeasonOptionsValues {
    int year = 0;                                     // edyear
    std::array<std::string, kLeagueNameTexts> names;  // league text
    std::string games;                                // editgames, as typed
    int dhItem = -1;                                  // cbdhrule, -1: none
    int inningsItem = -1;                             // cbinningsrule, -1: none
    std::string day;                                  // editday, as typed
};

SeasonOptionsValues seasonOptionsValues(const League& league);

// Item 0 is the second league's DH rule and item 1 the first's, each the league's name + " only".
std::array<std::string, kDhItems> dhItemCaptions(std::string_view firstLeagueName, std::string_view secondLeagueName);

// Apply, storing in this order: the year, the names (in a custom season only; a name left as
// shown keeps its bytes), the games (low 8 bits), the DH rule and its copy, the innings rule,
// the day (low 16 bits). A games or day text that is not a whole number stops there with
// "'<text>' is not a valid integer value", the fields before it keeping their new values. With no
// DH or innings item chosen that setting keeps its stored value. Marks the league changed when a
// byte changed.
void applySeasonOptions(League& league, const SeasonOptionsValues& values);

}  // namespace zt::season

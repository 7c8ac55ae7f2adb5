#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zt {

// Roster level of a player (PlayerRecord.level). Codes 0 to 3 are the playing levels.
enum class RosterLevel : std::uint8_t {
    Major = 0,
    AAA = 1,
    AA = 2,
    A = 3,
    Inactive = 6,
    Disabled = 7,
};

inline constexpr std::uint8_t kFreeAgentTeam = 255;
inline constexpr int kMaxTeams = 32;
// Views keyed by a team number at or above this are not team rosters.
inline constexpr int kFirstNonTeamView = 200;

// Grid texts of the level codes, continued with the split labels "L", "R", "S" at 8 to 10.
std::string_view levelText(int code);
// Captions of the "Move to" commands; empty for codes that have none.
std::string_view moveToCaption(int code);

// Position codes 1 P .. 10 DH; empty text outside that range.
std::string_view positionText(int code);
inline constexpr int kPositionCount = 10;

std::string_view roleText(int code);        // 1 Starter .. 4 Closer
std::string_view batsText(int code);        // 0 Left, 1 Right, 2 Switch
std::string_view throwsText(int code);      // 0 Left, 1 Right
std::string_view complexionText(int code);  // 1 Light .. 3 Dark
std::string_view splitText(int code);       // 0 "VsL", 1 "VsR", 2 "VsS"

// Item texts of the combo boxes, indexed by stored code.
const std::array<std::string_view, 10>& pitchTypeTexts();
const std::array<std::string_view, 9>& deliveryTexts();
const std::array<std::string_view, 22>& battingStanceTexts();

// The game's thirty clubs in its standard order, then the free agents at index 30.
inline constexpr int kBuiltInTeamCount = 31;
const std::array<std::string_view, kBuiltInTeamCount>& builtInTeamNames();
const std::array<std::string_view, kBuiltInTeamCount>& builtInTeamAbbreviations();

}  // namespace zt

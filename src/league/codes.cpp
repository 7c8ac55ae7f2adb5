#include "league/codes.h"

namespace zt {

namespace {

template <std::size_t N>
std::string_view lookup(const std::array<std::string_view, N>& table, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < N ? table[static_cast<std::size_t>(index)]
                                                             : std::string_view{};
}

}  // namespace

std::string_view levelText(int code) {
    static constexpr std::array<std::string_view, 11> kTexts = {
        "ML", "AAA", "AA", "A", "", "", "", "DL", "L", "R", "S"};
    return lookup(kTexts, code);
}

std::string_view moveToCaption(int code) {
    static constexpr std::array<std::string_view, 8> kCaptions = {
        "ML", "AAA", "AA", "Rookie", "", "", "Inactive List", "Disabled List"};
    return lookup(kCaptions, code);
}

std::string_view positionText(int code) {
    static constexpr std::array<std::string_view, kPositionCount> kTexts = {
        "P", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"};
    return lookup(kTexts, code - 1);
}

std::string_view roleText(int code) {
    static constexpr std::array<std::string_view, 4> kTexts = {"Starter", "Bench", "Relief", "Closer"};
    return lookup(kTexts, code - 1);
}

std::string_view batsText(int code) {
    static constexpr std::array<std::string_view, 3> kTexts = {"Left", "Right", "Switch"};
    return lookup(kTexts, code);
}

std::string_view throwsText(int code) {
    static constexpr std::array<std::string_view, 2> kTexts = {"Left", "Right"};
    return lookup(kTexts, code);
}

std::string_view complexionText(int code) {
    static constexpr std::array<std::string_view, 3> kTexts = {"Light", "Medium", "Dark"};
    return lookup(kTexts, code - 1);
}

std::string_view splitText(int code) {
    static constexpr std::array<std::string_view, 3> kTexts = {"VsL", "VsR", "VsS"};
    return lookup(kTexts, code);
}

const std::array<std::string_view, 10>& pitchTypeTexts() {
    static constexpr std::array<std::string_view, 10> kTexts = {"No pitch",
                                                                "Fastball",
                                                                "Curve",
                                                                "Slider",
                                                                "Changeup",
                                                                "Knuckleball",
                                                                "Split Finger",
                                                                "Sinker",
                                                                "Cutter",
                                                                "Screwball"};
    return kTexts;
}

const std::array<std::string_view, 9>& deliveryTexts() {
    // Codes 4 to 8 are styles the game names after individual pitchers; what matters is the code.
    static constexpr std::array<std::string_view, 9> kTexts = {"Overhand",
                                                               "Three Quarters",
                                                               "Sidearm",
                                                               "Submariner",
                                                               "High Leg Kick",
                                                               "Slingshot",
                                                               "Short Arm",
                                                               "Full Windup",
                                                               "No Windup"};
    return kTexts;
}

const std::array<std::string_view, 22>& battingStanceTexts() {
    // Codes 5 to 21 are stances the game names after individual batters; what matters is the code.
    static constexpr std::array<std::string_view, 22> kTexts = {
        "Normal",    "Open",        "Crouched",    "Wide",     "Closed",     "High Hands", "Low Hands",  "Toe Tap",
        "Leg Kick",  "Deep Crouch", "Upright",     "Bat Wrap", "Bat Waggle", "Hands Back", "Spread Out", "Pigeon Toe",
        "Tall Open", "Slugger",     "Slap Hitter", "Coiled",   "Bat Low",    "Bat High"};
    return kTexts;
}

const std::array<std::string_view, kBuiltInTeamCount>& builtInTeamNames() {
    static constexpr std::array<std::string_view, kBuiltInTeamCount> kNames = {
        "Baltimore", "Boston",        "New York(A)", "Toronto",     "Tampa Bay",    "Chicago(A)", "Cleveland",
        "Detroit",   "Kansas City",   "Minnesota",   "Anaheim",     "Oakland",      "Seattle",    "Texas",
        "Atlanta",   "Florida",       "Montreal",    "New York(N)", "Philadelphia", "Chicago(N)", "Cincinnati",
        "Houston",   "Milwaukee",     "Pittsburgh",  "St Louis",    "Arizona",      "Colorado",   "Los Angeles",
        "San Diego", "San Francisco", "Free Agents"};
    return kNames;
}

const std::array<std::string_view, kBuiltInTeamCount>& builtInTeamAbbreviations() {
    static constexpr std::array<std::string_view, kBuiltInTeamCount> kAbbreviations = {
        "BAL", "BOS", "NY(A)", "TOR", "TBA", "CHI(A)", "CLE",   "DET",  "KAN",    "MIN", "ANA",
        "OAK", "SEA", "TEX",   "ATL", "FLO", "MON",    "NY(N)", "PHI",  "CHI(N)", "CIN", "HOU",
        "MIL", "PIT", "STL",   "ARI", "COL", "LA",     "SAND",  "SANF", "FA"};
    return kAbbreviations;
}

}  // namespace zt

#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zt::globaledit {

// Item indexes of the window's lists; -1 stands for "no item chosen", as in a .gbe record.
inline constexpr int kNoItem = -1;

// "Apply to"
inline constexpr int kApplyAllPlayers = 0;
inline constexpr int kApplySelectedCriteria = 1;
// "Team"
inline constexpr int kAllTeams = 0;
inline constexpr int kCurrentTeam = 1;
// Second criteria
inline constexpr int kNoSecondCriterion = 0;
inline constexpr int kCriteriaAnd = 1;
inline constexpr int kCriteriaOr = 2;
// Position: 0 all, 1 pitchers, 2 fielders, then C (position code 2) to DH (10) at 3 to 11.
inline constexpr int kAllPositions = 0;
inline constexpr int kPitchersOnly = 1;
inline constexpr int kFieldersOnly = 2;

// The one modification a run makes; the window's six radio buttons. None only comes from a
// .gbe record whose six mode bytes are all zero.
enum class Mode { None, Percentage, UniqueValue, ConstantVariation, Random, MinMax, Formula };

// One criterion: a field of the criterion list, an operator and the text of its value box.
struct Criterion {
    int field = 0;
    int op = 0;
    std::string value;  // as typed; converted when the run first needs it

    bool operator==(const Criterion&) const = default;
};

// The settings of one global-editing run: exactly what a .gbe record keeps.
struct GlobalEditSettings {
    int applyTo = kApplyAllPlayers;
    int position = kAllPositions;
    int team = kAllTeams;
    Criterion criterion1;
    Criterion criterion2;
    int secondCriteria = kNoSecondCriterion;
    Mode mode = Mode::Percentage;
    int field = 0;         // item of the modifiable field list
    std::string modifier;  // a number, "min/max" or a formula (single-byte league text)

    bool operator==(const GlobalEditSettings&) const = default;
};

// What the history-deletion buttons remove: the year range and the level range, levels given
// as list indexes (0 Majors .. 3 A). Lines whose level lies from maxLevel to minLevel go.
struct HistoryRange {
    int minYear = 1975;
    int maxYear = 2025;
    int minLevel = 3;  // "A"
    int maxLevel = 0;  // "Majors"

    bool operator==(const HistoryRange&) const = default;
};

// Which stat lines a deletion run removes.
struct HistoryKinds {
    bool batting = false;
    bool pitching = false;
    bool fielding = false;

    static HistoryKinds all() { return {true, true, true}; }
};

enum class Recalculation { BatterSplits, PitcherSplits };

// Item texts of the window's lists, shared by the window and the reports of the runs.
const std::array<std::string_view, 2>& applyToTexts();
const std::array<std::string_view, 12>& positionTexts();
const std::array<std::string_view, 2>& teamTexts();
const std::array<std::string_view, 6>& operatorTexts();
const std::array<std::string_view, 3>& secondCriteriaTexts();
const std::array<std::string_view, 4>& historyLevelTexts();

}  // namespace zt::globaledit

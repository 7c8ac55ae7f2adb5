#pragma once

#include <array>
#include <string>
#include <string_view>

#include "reports/column_order.h"
#include "reports/report_table.h"

namespace zt {
class League;
}

namespace zt::reports {

class LeagueIndex;

// Labels of the playing levels 0 to 3 in captions and pages, three characters each.
inline constexpr std::array<std::string_view, 4> kLevelLabels = {"ML ", "AAA", "AA ", "A  "};

inline constexpr int kBattingColumns = 19;
inline constexpr int kBattingNameColumn = 17;   // hidden: DisplayName, the sort key of "Name"
inline constexpr int kBattingIndexColumn = 18;  // hidden: the player's index in the list
inline constexpr int kPitchingColumns = 28;
inline constexpr int kPitchingNameColumn = 26;
inline constexpr int kPitchingIndexColumn = 27;

// The visible captions in built-in order (17 and 26).
const Captions& battingCaptions();
const Captions& pitchingCaptions();
// The items of the two sort selectors.
const Captions& battingSortItems();
const Captions& pitchingSortItems();

struct YearRange {
    int first = 0;
    int last = 0;
};
// "2003" or "2001-2003": the text before the first "-" and the text after it. Throws zt::Error
// "'x' is not a valid integer value" for a part that is no number.
YearRange parseYears(std::string_view text);

// What the "Stats" window's controls select.
struct RostersOptions {
    int team = 0;
    int level = 0;  // 0 Majors, 1 AAA, 2 AA, 3 Rookie
    std::string years;
    bool listEachLevelPlayed = true;  // "List a player in each level roster he has played a game "
    bool listZeroGames = false;       // "List players for each level even if 0 game played"
    bool linkMajors = true;           // "HTML Links to ML Players Cards"
    bool linkMinors = true;           // "HTML Links to Minor Leagues Players Cards"
    int battingSort = 0;              // item of the batting sort selector
    int pitchingSort = 0;             // item of the pitching sort selector
    Captions battingOrder = battingCaptions();
    Captions pitchingOrder = pitchingCaptions();
};

struct RostersTables {
    ReportTable batting;
    ReportTable pitching;
};

// Both tables of one team and level, sorted: every player of the team (or, without
// listEachLevelPlayed, of the team and level) with a history, his lines of the selected level
// and years summed. Values sit under their captions in the orders of the options.
RostersTables rostersTables(const League& league, const LeagueIndex& index, const RostersOptions& options);

// Sorts the tables by the selectors' items: item 0 by name ascending, item k by the column at
// position k descending.
void sortRostersTables(RostersTables& tables, int battingSort, int pitchingSort);

// The window's caption label: complete name, level label, years, "statistics".
std::string rostersCaption(const League& league, const RostersOptions& options);

}  // namespace zt::reports

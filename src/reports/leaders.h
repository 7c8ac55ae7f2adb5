#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reports/html_export_settings.h"
#include "reports/report_table.h"

namespace zt {
class League;
}

namespace zt::reports {

class LeagueIndex;

inline constexpr int kBattingCategories = 22;
inline constexpr int kPitchingCategories = 32;
inline constexpr int kLeaderValues = 40;

// Category names of the "Stat" selector, indexed by category number.
const std::array<std::string_view, kBattingCategories>& battingCategoryNames();
const std::array<std::string_view, kPitchingCategories>& pitchingCategoryNames();

// The "Listed" selector: how many rows a table shows ("ALL" is the last item).
const std::array<std::string_view, 10>& listedItems();
inline constexpr int kListedAll = 9;
inline constexpr int kDefaultListed = 2;  // "10"

// Team selector items: 0 "All Teams", 1 "Free Agents", 2 .. teamCount + 1 the teams, then
// "Teams Totals".
inline constexpr int kAllTeamsItem = 0;
inline constexpr int kFreeAgentsItem = 1;
int teamsTotalsItem(const League& league);
std::vector<std::string> teamSelectorItems(const League& league);
// League selector items: "Both Leagues", then the two league names.
std::vector<std::string> leagueSelectorItems(const League& league);

// What a recompute reads: the years, level, kind and the team and league selectors.
struct LeadersSelection {
    std::string years;
    int level = 0;  // 0 ML .. 3 A
    bool pitching = false;
    int team = kAllTeamsItem;
    int league = 0;  // 0 both leagues, 1 and 2 the leagues
};

// How the candidates are sorted and shown.
struct LeadersDisplay {
    int category = 0;
    bool ascending = false;
    int listed = kDefaultListed;
    bool qualify = true;
    bool links = true;
    bool boldPos = false;
    bool boldTeam = false;
    bool boldValue = false;
    Color headerColor = 0xC0C0C0;
    Color rowsColor = 0xFFFFFF;
};

// One candidate: a player (key = his index in the player list) or a team's totals (key = the
// index of the team history block).
struct LeaderEntry {
    std::array<float, kLeaderValues> values{};
    int key = 0;
    std::int32_t atBats = 0;
    std::int32_t plateAppearances = 0;
    float inningsPitched = 0;
    std::int32_t outs = 0;  // summed exactly, for the qualification
    bool qualified = false;
};

struct LeaderCandidates {
    std::vector<LeaderEntry> entries;
    int qualifiedCount = 0;  // player entries only
    bool teamTotals = false;
};

// Every candidate of the selection with its sums over the level and years. Throws zt::Error
// "Invalid year" when the years text is not a year or a range "first-last".
LeaderCandidates leaderCandidates(const League& league, const LeagueIndex& index, const LeadersSelection& selection);

// Orders the candidates by the category: descending with Qualify counts unqualified entries as
// 0; ascending with Qualify puts every qualified entry first. Equal entries keep list order.
void sortLeaders(LeaderCandidates& candidates, int category, bool ascending, bool qualify);

// The five-column table of the sorted candidates: "Pos", the title, "Team", the category, and
// a hidden player index.
inline constexpr int kLeadersColumns = 5;
inline constexpr int kLeadersIndexColumn = 4;
ReportTable leadersTable(const League& league,
                         const LeaderCandidates& candidates,
                         const LeadersSelection& selection,
                         const LeadersDisplay& display);

// The value cell text of a category.
std::string leaderValueText(bool pitching, int category, float value);

// The table's HTML settings when the window opens: border 0, cell spacing 2, width 0.
HtmlExportSettings leadersHtmlSettings();

}  // namespace zt::reports

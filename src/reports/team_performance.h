#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "reports/html_export_settings.h"
#include "reports/report_table.h"

namespace zt {
class League;
class Progress;
}  // namespace zt

namespace zt::reports {

// A team's results against one opponent. The counters are eight bits wide, as the game's own
// report keeps them: more than 255 runs against one opponent wrap around.
struct OpponentRecord {
    std::uint8_t wins = 0;
    std::uint8_t losses = 0;
    std::uint8_t runsFor = 0;
    std::uint8_t runsAgainst = 0;
};

// The team's record against every team (by team number; its own entry stays 0), from the scored
// slots of scores.zt (both runs 0 or more). A tie counts as a win of the visitors.
std::vector<OpponentRecord> countTeamPerformance(const League& league, int team);

inline constexpr std::string_view kDefaultPerformanceDescription = "Performance Chart";
inline constexpr int kPerformanceColumns = 8;

// One row per opponent in team order, then "Totals", sorted by "Games" descending. The caption
// row and the "Against" column are fixed, in the window and in pages.
ReportTable teamPerformanceTable(const League& league, int team);
// Sorts the opponents' rows by a column, every column read as a number; the captions stay first
// and the totals last.
void sortTeamPerformance(ReportTable& table, int column);

// The table's prefix tags for a team, and the title line of its CSV export.
std::string teamPerformancePrefix(const League& league, int team, std::string_view description);
std::string teamPerformanceTitle(const League& league, int team, std::string_view description);

// The window's export settings at open: the base defaults.
HtmlExportSettings teamPerformanceHtmlSettings();

// The CSV of one team: its title line, then the table.
std::string teamPerformanceCsv(const ReportTable& table, const std::string& title);

// One page of every team's table, each after its own title (the prefix tags): the header file
// first, the footer file once at the end.
std::string allTeamsPerformanceHtml(const League& league,
                                    const HtmlExportSettings& settings,
                                    std::string_view description,
                                    Progress& progress);
// Every team's title line and table, first team first.
std::string allTeamsPerformanceCsv(const League& league, std::string_view description, Progress& progress);

}  // namespace zt::reports

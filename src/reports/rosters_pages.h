#pragma once

#include <filesystem>
#include <string>

#include "reports/report_table.h"
#include "reports/rosters_stats.h"

namespace zt {
class League;
class Progress;
}  // namespace zt

namespace zt::reports {

class LeagueIndex;

// Everything a team page takes from the "Stats" window besides the team.
struct RostersPageSettings {
    RostersOptions options;             // years, check boxes, sorts and column orders; team and level are set per page
    Color headerBackground = 0x808000;  // teal: rules and caption cells
    Color headerText = 0x000000;
    bool htmlTable = false;  // "Use HTML table": tables instead of preformatted text
    // The batting table's header and footer files, whose whole texts frame the page.
    std::filesystem::path headerFile;
    std::filesystem::path footerFile;
};

// The page of a team's organisation: its four levels' batting and pitching tables, and in the
// preformatted form also its history, lineups and rotations.
std::string rostersTeamPage(const League& league,
                            const LeagueIndex& index,
                            const RostersPageSettings& settings,
                            int team);

void writeRostersTeamPage(const League& league,
                          const LeagueIndex& index,
                          const RostersPageSettings& settings,
                          int team,
                          const std::filesystem::path& target);

// Every team's page into `folder`, each named TeamPageName, the progress advancing per team. The
// pages replace their files together once all are made; a cancelled run writes none.
void writeRostersAllTeams(const League& league,
                          const LeagueIndex& index,
                          const RostersPageSettings& settings,
                          const std::filesystem::path& folder,
                          Progress& progress);

}  // namespace zt::reports

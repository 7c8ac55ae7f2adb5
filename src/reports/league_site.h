#pragma once

#include <filesystem>
#include <string>

#include "reports/player_card.h"

namespace zt {
class Interaction;
class League;
class Progress;
}  // namespace zt

namespace zt::reports {

struct LeagueSiteOptions {
    std::string years;                      // rosters statistics and leaders; empty: the season's year
    std::filesystem::path leadersTemplate;  // a .lea file; empty: the site's own selection of leaders
    std::filesystem::path dataDirectory;    // header.txt, footer.txt, blank.bmp and the column orders
    std::filesystem::path headerFile;       // framing every page, as the report windows do
    std::filesystem::path footerFile;
    CardPhotoSource cardPhotos;  // none: every card shows blank.bmp
};

inline constexpr std::string_view kSiteIndexPage = "index.html";
inline constexpr std::string_view kSiteStandingsPage = "standings.htm";
inline constexpr std::string_view kSitePerformancePage = "performance.htm";
inline constexpr std::string_view kSiteLeadersPage = "leaders.htm";
inline constexpr std::string_view kSiteScoresPage = "scores.htm";

// The whole league as one folder of pages with relative links: index.html leading to the
// standings, every team's rosters statistics page, the teams' performance, the leaders, the
// league scores of the season with every box score, and every player's card. The pages are the
// ones the report windows write, with the same code. Returns the index page.
std::filesystem::path writeLeagueSite(const League& league,
                                      const LeagueSiteOptions& options,
                                      const std::filesystem::path& folder,
                                      Interaction& interaction,
                                      Progress& progress);

}  // namespace zt::reports

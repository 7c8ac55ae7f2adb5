#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "reports/report_files.h"

namespace zt {
class League;
class Progress;
}  // namespace zt

namespace zt::reports {

inline constexpr std::string_view kLeagueScoresCaption = "Leagues Scores";
inline constexpr std::string_view kLeagueScoresFilter = "HTML Files (*.html)";
inline constexpr std::string_view kLeagueScoresSuffix = "htm";

// "No boxscore", "Newspaper boxscore" (up to the summary) or "Complete boxscore" (up to the end).
enum class BoxScorePages { None, Newspaper, Complete };

struct LeagueScoresOptions {
    int fromRecord = 0;  // records of scores.zt, 0-based; none when from is after to
    int toRecord = 0;
    bool links = false;  // team abbreviations link to the team pages
    BoxScorePages boxScores = BoxScorePages::None;
    fs::path headerFile;  // copied before the page when the file exists
    fs::path footerFile;  // copied after it
};

// The league scores page and, with box scores, a page "<record>_<game>.htm" beside it for every
// game whose box score BoxScores.txt holds. Progress counts the days.
std::vector<ReportFile> leagueScoresFiles(const League& league,
                                          const LeagueScoresOptions& options,
                                          const fs::path& target,
                                          Progress& progress);

// Writes them all together (none when one cannot be written).
void writeLeagueScores(const League& league,
                       const LeagueScoresOptions& options,
                       const fs::path& target,
                       Progress& progress);

}  // namespace zt::reports

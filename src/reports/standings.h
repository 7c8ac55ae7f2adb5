#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "reports/column_order.h"
#include "reports/html_export_settings.h"
#include "reports/report_table.h"

namespace zt {
class League;
}

namespace zt::reports {

// One team's standings, counted from the game scores, with its season record from season.zt.
struct tteamstats {
    int team = 0;
    std::string city;
    std::string name;
    std::string abbreviation;
    std::string fullName;
    int homeWins = 0, awayWins = 0, homeLosses = 0, awayLosses = 0;
    float gamesBehind = 0;
    int streak = 0;  // > 0 wins in a row, < 0 losses in a row
    int games = 0;
    int runsFor = 0, runsAgainst = 0;
    int extraWins = 0, extraLosses = 0;  // the scores carry no innings: always 0
    int oneRunWins = 0, oneRunLosses = 0;
    int divisionWins = 0, divisionLosses = 0;
    int tenRunGames = 0, tenRunGamesAllowed = 0;
    int beenShutOut = 0, shutouts = 0;
    int errors = 0;  // the scores carry no errors: always 0
    int runRatioRank = 0;
    int wins = 0, losses = 0;          // the season record of the team record
    std::array<int, 10> lastTen = {};  // +1 win, -1 loss, 0 no game yet; oldest first
    int leagueIndex = 0;
    int divisionIndex = 0;
};

// One played game: H at home scoring h, V visiting scoring v. A home team that did not lose
// (h >= v) is credited with the game.
void updateStandings(tteamstats& home, tteamstats& visitors, int h, int v);

// Every team's standings: the games of scores.zt counted in file order (a slot is played when
// either side scored), then the run-ratio ranks. Games naming a team the league does not have
// are skipped.
std::vector<tteamstats> computeStandings(const League& league);

// Ranks by runsFor / (runsFor + runsAgainst), highest first; equal ratios keep team order.
void rankByRunRatio(std::vector<tteamstats>& teams);

// A division's teams best first by season wins per counted game (teams with no counted game
// last, in team order; equal ratios keep team order), with games behind the first team from the
// counted results.
void orderDivision(std::vector<tteamstats*>& division);

enum class TeamsListedBy { Name, City, Both };

inline constexpr int kStandingsColumns = 21;

// Captions of the standings columns in built-in order.
const Captions& standingsCaptions();
// Whether the column of a caption shows at open; "Extra" and "Errors" can never be shown.
bool shownAtOpen(const std::string& caption);
bool canBeShown(const std::string& caption);

struct StandingsOptions {
    TeamsListedBy listedBy = TeamsListedBy::City;
    bool links = true;                        // "HTML Links"
    Color divisionLineColor = 0x008000;       // green
    Captions captions = standingsCaptions();  // the displayed order; "Team" stays first
    std::vector<std::string> shown;           // captions of the shown columns besides "Team"
};

// The options as the window opens.
StandingsOptions defaultStandingsOptions();

// One block per division of each league: a header row (division name, league abbreviation and
// the captions), then its teams in order. Header rows are bold on the division line colour.
ReportTable standingsTable(const League& league, const std::vector<tteamstats>& teams, const StandingsOptions& options);

inline constexpr std::string_view kRunRatioNote = "<br>RS = Ranking System based on RunsF/RunsA ratio";

// The table settings of the window at open: border 0, width 100.
HtmlExportSettings standingsHtmlSettings();
// The page: the table with the RS note added to the end of the suffix tags.
std::string standingsHtml(const ReportTable& table, const HtmlExportSettings& settings);

}  // namespace zt::reports

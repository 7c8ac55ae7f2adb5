#include "reports/league_site.h"

#include <algorithm>
#include <unordered_set>

#include "league/file_io.h"
#include "league/league.h"
#include "league/progress.h"
#include "reports/column_order.h"
#include "reports/leaders.h"
#include "reports/leaders_page.h"
#include "reports/league_index.h"
#include "reports/league_scores.h"
#include "reports/player_card.h"
#include "reports/report_files.h"
#include "reports/report_names.h"
#include "reports/rosters_pages.h"
#include "reports/rosters_stats.h"
#include "reports/standings.h"
#include "reports/team_performance.h"
#include "season/season_calendar.h"

namespace zt::reports {

namespace {

namespace fs = std::filesystem;

int categoryNamed(bool pitching, std::string_view name) {
    const auto find = [&](const auto& names) {
        const auto found = std::find(names.begin(), names.end(), name);
        return found != names.end() ? static_cast<int>(found - names.begin()) : 0;
    };
    return pitching ? find(pitchingCategoryNames()) : find(battingCategoryNames());
}

// Without a template, the leaders most league pages show: three batting and three pitching
// categories of the major league, qualified.
std::vector<LeadersTemplateEntry> defaultLeaders() {
    std::vector<LeadersTemplateEntry> entries;
    for (const auto& [pitching, name] : {std::pair{false, "Avg"},
                                         std::pair{false, "HR"},
                                         std::pair{false, "RBI"},
                                         std::pair{true, "ERA"},
                                         std::pair{true, "W"},
                                         std::pair{true, "K"}}) {
        LeadersTemplateEntry entry;
        entry.kind = pitching ? 1 : 0;
        entry.category = categoryNamed(pitching, name);
        entry.direction = pitching && std::string_view(name) == "ERA" ? 1 : 0;
        entries.push_back(entry);
    }
    return entries;
}

std::string link(std::string_view target, std::string_view text) {
    return "<li><a href=\"" + std::string(target) + "\">" + std::string(text) + "</a></li>\n";
}

// The pages link every listed player, but a card needs a season of history: a player without
// one (a rookie in his first season) gets a page that says so, so that no link leads nowhere.
void writeCardsWithoutHistory(const League& league, const std::vector<fs::path>& cards, const fs::path& folder) {
    std::unordered_set<std::string> written;
    for (const fs::path& card : cards) {
        written.insert(card.filename().string());
    }
    for (const auto& player : league.players) {
        const std::string card = CardFileName(*player);
        if (!written.insert(card).second) {
            continue;
        }
        const std::string first = player->get(pf::firstName);
        const std::string name = escapeHtml(first + (first.empty() ? "" : " ") + player->get(pf::lastName));
        writeReportFile(folder / card,
                        "<html>\n<head>\n<title>" + name + "</title>\n</head>\n<body>\n<h2>" + name +
                            "</h2>\n<p>No season of his is in the league's history yet.</p>\n<p><a href=\"" +
                            std::string(kSiteIndexPage) + "\">League</a></p>\n</body>\n</html>\n");
    }
}

std::string indexPage(const League& league, bool withScores) {
    std::string title;
    for (const LeagueNames& names : league.leagueNames) {
        const std::string name = names.get(LeagueNames::name);
        if (!name.empty()) {
            title += (title.empty() ? "" : " - ") + escapeHtml(name);
        }
    }
    if (title.empty()) {
        title = "League";
    }
    std::string page = "<html>\n<head>\n<title>" + title + "</title>\n</head>\n<body>\n<h1>" + title + "</h1>\n<ul>\n";
    page += link(kSiteStandingsPage, "Standings");
    page += link(kSiteLeadersPage, "Leaders");
    page += link(kSitePerformancePage, "Teams performances");
    if (withScores) {
        page += link(kSiteScoresPage, "League scores");
    }
    page += "</ul>\n<h2>Teams</h2>\n<ul>\n";
    for (const Team& team : league.teams) {
        page += link(TeamPageName(team.record),
                     escapeHtml(team.record.get(tf::city)) + " " + escapeHtml(team.record.get(tf::name)));
    }
    return page + "</ul>\n</body>\n</html>\n";
}

}  // namespace

fs::path writeLeagueSite(const League& league,
                         const LeagueSiteOptions& options,
                         const fs::path& folder,
                         Interaction& interaction,
                         Progress& progress) {
    // A template that cannot be read stops the site before any page is written.
    const std::vector<LeadersTemplateEntry> entries =
        options.leadersTemplate.empty() ? defaultLeaders() : readLeadersTemplate(options.leadersTemplate, league);
    // The site appears whole or not at all, in a folder that a failure removes again.
    CreatedFolders created(folder);
    FileTransaction batch(FileTransaction::Batch::Open);
    const LeagueIndex index(league);
    const std::string years =
        options.years.empty() ? std::to_string(league.seasonHeader.get(sh::seasonYear)) : options.years;

    StandingsOptions standings = defaultStandingsOptions();
    standings.links = true;
    HtmlExportSettings standingsSettings = standingsHtmlSettings();
    standingsSettings.headerFile = options.headerFile;
    standingsSettings.footerFile = options.footerFile;
    writeReportFile(folder / kSiteStandingsPage,
                    standingsHtml(standingsTable(league, computeStandings(league), standings), standingsSettings));

    RostersPageSettings rosters;
    rosters.options.years = years;
    rosters.headerFile = options.headerFile;
    rosters.footerFile = options.footerFile;
    if (!options.dataDirectory.empty()) {
        rosters.options.battingOrder = readColumnOrder(options.dataDirectory / kBattingOrderFile, battingCaptions());
        rosters.options.pitchingOrder = readColumnOrder(options.dataDirectory / kPitchingOrderFile, pitchingCaptions());
    }
    writeRostersAllTeams(league, index, rosters, folder, progress);

    HtmlExportSettings performance = teamPerformanceHtmlSettings();
    performance.headerFile = options.headerFile;
    performance.footerFile = options.footerFile;
    writeReportFile(folder / kSitePerformancePage,
                    allTeamsPerformanceHtml(league, performance, kDefaultPerformanceDescription, progress));

    LeadersReplay leaders;
    leaders.years = years;
    leaders.settings.headerFile = options.headerFile;
    leaders.settings.footerFile = options.footerFile;
    writeLeadersPageFromTemplate(league, index, entries, leaders, folder / kSiteLeadersPage);

    const int days = league.scoresLoaded ? season::scheduleDays(league) : 0;
    if (days > 0) {
        LeagueScoresOptions scores;
        scores.fromRecord = 0;
        scores.toRecord = days - 1;
        scores.links = true;
        scores.boxScores = BoxScorePages::Complete;
        scores.headerFile = options.headerFile;
        scores.footerFile = options.footerFile;
        writeLeagueScores(league, scores, folder / kSiteScoresPage, progress);
    }

    // Every page above may link a player's card, the minor leaguers' too.
    CardOptions cards;
    cards.includeMinors = true;
    cards.html = cardHtmlSettings();
    cards.html.headerFile = options.headerFile;
    cards.html.footerFile = options.footerFile;
    cards.dataDirectory = options.dataDirectory;
    cards.photo = options.cardPhotos;
    writeCardsWithoutHistory(league, writeAllCards(league, index, cards, folder, interaction, progress), folder);

    const fs::path indexFile = folder / kSiteIndexPage;
    writeReportFile(indexFile, indexPage(league, days > 0));
    batch.commit();
    created.keep();
    return indexFile;
}

}  // namespace zt::reports

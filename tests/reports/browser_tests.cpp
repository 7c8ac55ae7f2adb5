// One page of each report opened in a real browser (headless Chromium, from file:// only): the
// rendered document must hold the tables, rows and links the report wrote, and league text that
// looks like markup must stay text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "league/league_io.h"
#include "league/progress.h"
#include "reports/leaders_page.h"
#include "reports/league_index.h"
#include "reports/league_site.h"
#include "reports/player_card.h"
#include "reports/report_files.h"
#include "reports/report_names.h"
#include "reports/rosters_pages.h"
#include "reports/standings.h"
#include "reports/table_writers.h"
#include "reports/team_performance.h"
#include "sample/sample_league.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt::reports {
namespace {

namespace fs = std::filesystem;

// League text that a page would turn into an element if it were not escaped.
constexpr std::string_view kMarkupCity = "Q&A <b>\"X\"</b>";
constexpr std::string_view kMarkupCityInDom = "Q&amp;A &lt;b&gt;\"X\"&lt;/b&gt;";
constexpr std::string_view kMarkupName = "O'Brien & <Co>";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

std::set<std::string> hrefs(const std::string& dom) {
    static const std::regex kHref("<a href=\"([^\"]*)\"");
    std::set<std::string> found;
    for (auto it = std::sregex_iterator(dom.begin(), dom.end(), kHref); it != std::sregex_iterator(); ++it) {
        found.insert((*it)[1]);
    }
    return found;
}

// A link target as the browser serialises it back: escaped like page text.
std::string asAttribute(const std::string& target) {
    return escapeHtml(target);
}

class InBrowser : public testing::Test {
protected:
    static void SetUpTestSuite() {
        sample::SampleOptions options;
        options.seed = 3;
        options.playersPerTeam = 72;
        options.freeAgents = 10;
        options.years = 2;
        options.days = 30;
        s_league = sample::buildSampleLeague(options).league.release();
        s_league->teams[0].record.set(tf::city, kMarkupCity);
        s_league->teams[0].record.set(tf::completeName, std::string(kMarkupCity) + " Club");
        for (auto& player : s_league->players) {
            const StatHistory* history = findHistory(s_league->playerHistories, player->playerId());
            if (player->teamIndex() == 0 && player->level() == 0 && player->get(pf::position) != 1 && history) {
                player->set(pf::lastName, kMarkupName);
                s_markupPlayer = player.get();
                break;
            }
        }
    }
    static void TearDownTestSuite() { delete s_league; }

    // The document Chromium builds from the page, as it serialises it.
    std::string render(const std::string& name, const std::string& page) {
        const fs::path file = m_dir / name;
        writeReportFile(file, page);
        const fs::path profile = m_dir / ("profile-" + name);
        fs::create_directory(profile);
        const fs::path dom = m_dir / (name + ".dom");
        const std::string command =
            "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
            "--disable-background-networking --disable-component-update --disable-sync --user-data-dir='" +
            profile.string() + "' --dump-dom 'file://" + file.string() + "' > '" + dom.string() + "' 2> /dev/null";
        const int status = std::system(command.c_str());
        EXPECT_EQ(status, 0) << "chromium did not render " << file << " (scripts/install-deps installs it)";
        return readAll(dom);
    }

    static League& league() { return *s_league; }

    test::TempDir m_dir;
    static League* s_league;
    static PlayerRecord* s_markupPlayer;
};

League* InBrowser::s_league = nullptr;
PlayerRecord* InBrowser::s_markupPlayer = nullptr;

TEST_F(InBrowser, StandingsShowEveryRowAndLinkEveryTeamPage) {
    const ReportTable table = standingsTable(league(), computeStandings(league()), defaultStandingsOptions());
    const std::string dom = render("standings.html", standingsHtml(table, standingsHtmlSettings()));
    EXPECT_EQ(count(dom, "<table"), 1u);
    EXPECT_EQ(count(dom, "<tr>"), static_cast<std::size_t>(table.rowCount()));
    std::set<std::string> pages;
    for (const auto& team : league().teams) {
        pages.insert(TeamPageName(team.record));
    }
    EXPECT_EQ(hrefs(dom), pages);
    EXPECT_NE(dom.find(">" + std::string(kMarkupCityInDom) + "</a>"), std::string::npos);
    EXPECT_EQ(dom.find("<b>\"X\"</b>"), std::string::npos);
    EXPECT_NE(dom.find("RS = Ranking System based on RunsF/RunsA ratio"), std::string::npos);
}

TEST_F(InBrowser, TeamPagesHoldTheirTablesAndPlayerLinksInBothForms) {
    ASSERT_NE(s_markupPlayer, nullptr);
    const LeagueIndex index(league());
    RostersPageSettings settings;
    settings.options.years = "2024-2026";
    settings.htmlTable = true;
    const std::string tables = render("tables.html", rostersTeamPage(league(), index, settings, 0));
    std::size_t rows = 1;  // the row of the level links' table
    for (int level = 0; level < 4; ++level) {
        RostersOptions options = settings.options;
        options.level = level;
        const RostersTables t = rostersTables(league(), index, options);
        rows += static_cast<std::size_t>(t.batting.rowCount() + t.pitching.rowCount());
    }
    EXPECT_EQ(count(tables, "<table"), 9u);
    EXPECT_EQ(count(tables, "<tr>"), rows);
    EXPECT_TRUE(hrefs(tables).contains(asAttribute(CardFileName(*s_markupPlayer))));
    EXPECT_TRUE(hrefs(tables).contains("#AAA"));
    EXPECT_NE(tables.find("O'Brien &amp; &lt;Co&gt; , "), std::string::npos);
    EXPECT_NE(tables.find(std::string(kMarkupCityInDom) + " Club Players Statistics"), std::string::npos);

    settings.htmlTable = false;
    const std::string text = render("text.html", rostersTeamPage(league(), index, settings, 0));
    // Seven lineups and four rotations, four of them opened by a layout table of their own.
    EXPECT_EQ(count(text, "<table"), 15u);
    EXPECT_EQ(count(text, "<hr"), 16u);  // two rules per table of statistics
    EXPECT_TRUE(hrefs(text).contains(asAttribute(CardFileName(*s_markupPlayer))));
    EXPECT_TRUE(hrefs(text).contains("#LMLVSRDH"));
    EXPECT_EQ(text.find("<co>"), std::string::npos);
}

TEST_F(InBrowser, TeamPerformanceOfAllTeamsShowsOneTablePerTeam) {
    NoProgress progress;
    const std::string dom =
        render("performance.html", allTeamsPerformanceHtml(league(), teamPerformanceHtmlSettings(), "Chart", progress));
    const auto teams = static_cast<std::size_t>(league().teamCount());
    EXPECT_EQ(count(dom, "<table"), teams);
    EXPECT_EQ(count(dom, "<tr>"), teams * (teams + 1));
    EXPECT_EQ(count(dom, "<font size=\"4\">"), teams);
    EXPECT_NE(dom.find("<td nowrap=\"\" bgcolor=\"#B4B4B4\">" + std::string(kMarkupCityInDom) + "</td>"),
              std::string::npos);
}

// Every link target written into the pages of a folder (anchors within a page left out).
std::set<std::string> writtenLinks(const fs::path& folder) {
    static const std::regex kHref(R"re([Hh][Rr][Ee][Ff]="?([^" >]+))re");
    std::set<std::string> targets;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(".htm") && !name.ends_with(".html")) {
            continue;
        }
        const std::string text = readAll(entry.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), kHref); it != std::sregex_iterator(); ++it) {
            const std::string target = (*it)[1];
            if (!target.starts_with("#")) {
                targets.insert(unescapeHtml(target));
            }
        }
    }
    return targets;
}

// A league web site as a script makes it: standings, team pages, a leaders page and every card,
// in one folder. Each link of every page reaches a page of the site, and the browser shows them.
TEST_F(InBrowser, AGeneratedSiteHasNoBrokenLink) {
    const fs::path site = m_dir / "site";
    fs::create_directory(site);
    const LeagueIndex index(league());
    NoProgress progress;
    RostersPageSettings rosters;
    rosters.options.years = "2025-2026";
    rosters.htmlTable = true;
    writeRostersAllTeams(league(), index, rosters, site, progress);
    const ReportTable standings = standingsTable(league(), computeStandings(league()), defaultStandingsOptions());
    writeReportFile(site / "standings.html", standingsHtml(standings, standingsHtmlSettings()));
    LeadersReplay replay;
    replay.years = "2025-2026";
    const std::vector<LeadersTemplateEntry> tables = {{0, 0, 1, 0, 0, 0, 0, 2},
                                                      {0, 7, 1, 0, 0, 0, 0, 2},
                                                      {1, 0, 1, 0, 0, 0, 0, 2},
                                                      {1, 10, 0, 1, 0, 0, 0, 1},
                                                      {0, 4, 1, 0, teamsTotalsItem(league()), 0, 0, 9}};
    writeLeadersPageFromTemplate(league(), index, tables, replay, site / "leaders.htm");
    CardOptions cards;
    cards.includeMinors = true;
    cards.htmlTable = true;
    cards.dataDirectory = ZT_SOURCE_DATA_DIR;
    cards.html = cardHtmlSettings();
    test::ScriptedInteraction interaction;
    writeAllCards(league(), index, cards, site, interaction, progress);

    const std::set<std::string> links = writtenLinks(site);
    EXPECT_GT(links.size(), static_cast<std::size_t>(league().teamCount()));
    for (const std::string& target : links) {
        EXPECT_TRUE(fs::exists(site / target)) << target << " is linked but was not written";
    }
    EXPECT_TRUE(fs::exists(site / "blank.bmp"));

    // The browser shows the leaders with their links, a card they lead to, and a team page.
    const std::string leaders = render("leaders.htm", readAll(site / "leaders.htm"));
    EXPECT_EQ(count(leaders, "cellspacing=\"2\""), tables.size());
    const std::set<std::string> shown = hrefs(leaders);
    ASSERT_FALSE(shown.empty());
    for (const std::string& target : shown) {
        EXPECT_TRUE(fs::exists(site / unescapeHtml(target))) << target;
    }
    const auto cardLink =
        std::find_if(shown.begin(), shown.end(), [](const std::string& target) { return target.ends_with(".htm"); });
    ASSERT_NE(cardLink, shown.end());
    const std::string card = render("card.htm", readAll(site / unescapeHtml(*cardLink)));
    EXPECT_NE(card.find("Personal Info"), std::string::npos);
    EXPECT_GE(count(card, "<table"), 2u);
    const std::string team = render("team.html", readAll(site / TeamPageName(league().teams[1].record)));
    for (const std::string& target : hrefs(team)) {
        EXPECT_TRUE(target.starts_with("#") || fs::exists(site / unescapeHtml(target))) << target;
    }
}

// The web site in one command: the browser shows its index and a page of every kind, and every
// link it finds on them leads to a page of the site.
TEST_F(InBrowser, TheLeagueWebSiteShowsItsIndexAndAPageOfEachKind) {
    sample::SampleOptions options;
    options.playersPerTeam = 36;
    options.freeAgents = 4;
    options.years = 2;
    options.days = 3;
    const std::unique_ptr<League> onDisk = openLeague(sample::generateSampleLeague(m_dir / "league", options));
    LeagueSiteOptions siteOptions;
    siteOptions.dataDirectory = ZT_SOURCE_DATA_DIR;
    const fs::path site = m_dir / "site";
    test::ScriptedInteraction interaction;
    NoProgress progress;
    writeLeagueSite(*onDisk, siteOptions, site, interaction, progress);

    const auto linksLeadToPages = [&](const std::string& page, const std::string& dom) {
        const std::set<std::string> shown = hrefs(dom);
        EXPECT_FALSE(shown.empty()) << page;
        for (const std::string& target : shown) {
            EXPECT_TRUE(target.starts_with("#") || fs::exists(site / unescapeHtml(target))) << page << ": " << target;
        }
        return shown;
    };
    const std::string index = render("index.html", readAll(site / kSiteIndexPage));
    const std::set<std::string> fromIndex = linksLeadToPages("index", index);
    EXPECT_GE(fromIndex.size(), 4u + static_cast<std::size_t>(onDisk->teamCount()));
    for (const std::string_view page : {kSiteStandingsPage, kSitePerformancePage, kSiteLeadersPage}) {
        const std::string dom = render(std::string(page), readAll(site / page));
        EXPECT_NE(dom.find("<table"), std::string::npos) << page;
        EXPECT_TRUE(fromIndex.contains(std::string(page))) << page;
    }
    const std::string team = render("team.htm", readAll(site / TeamPageName(onDisk->teams[2].record)));
    const std::set<std::string> fromTeam = linksLeadToPages("team page", team);
    const auto card = std::find_if(fromTeam.begin(), fromTeam.end(), [&](const std::string& target) {
        return target.ends_with(".htm") &&
               readAll(site / unescapeHtml(target)).find("ML Statistics") != std::string::npos;
    });
    ASSERT_NE(card, fromTeam.end());
    EXPECT_NE(render("card.htm", readAll(site / unescapeHtml(*card))).find("<pre>"), std::string::npos);
    const std::string scores = render("scores.htm", readAll(site / kSiteScoresPage));
    const std::set<std::string> fromScores = linksLeadToPages("league scores", scores);
    const auto box = std::find_if(fromScores.begin(), fromScores.end(), [](const std::string& target) {
        return std::regex_match(target, std::regex("[0-9]+_[0-9]+\\.htm"));
    });
    ASSERT_NE(box, fromScores.end()) << "no box score linked";
    EXPECT_NE(render("box.htm", readAll(site / *box)).find("<pre>"), std::string::npos);
}

}  // namespace
}  // namespace zt::reports

// Leaders: who qualifies at the boundaries, the four sort rules and the row limits, the value
// formats, the streak lines, team totals, and pages and templates built table by table.
#include <gtest/gtest.h>

#include <fstream>

#include "league/error.h"
#include "report_fixture.h"
#include "reports/leaders.h"
#include "reports/leaders_page.h"
#include "reports/league_index.h"
#include "reports/report_files.h"
#include "support/temp_dir.h"

namespace zt::reports {
namespace {

namespace fs = std::filesystem;

constexpr int kHrCategory = 7;
constexpr int kEraCategory = 0;
constexpr int kIpCategory = 9;

class Leaders : public testing::Test {
protected:
    Leaders() {
        m_league->seasonHeader.set(sh::seasonGames, std::uint8_t{162});
        m_league.team("Boston", "Beans", "BOS", 0, 0, 6, 4).team("<Chicago>", "Winds", "CHI", 1, 0, 5, 5);
    }

    LeaderCandidates candidates(const LeadersSelection& selection) {
        const LeagueIndex index(*m_league);
        return leaderCandidates(*m_league, index, selection);
    }

    ReportTable table(const LeadersSelection& selection, const LeadersDisplay& display) {
        LeaderCandidates c = candidates(selection);
        sortLeaders(c, display.category, display.ascending, display.qualify);
        return leadersTable(*m_league, c, selection, display);
    }

    static std::vector<std::string> column(const ReportTable& t, int c) {
        std::vector<std::string> cells;
        for (int r = 1; r < t.rowCount(); ++r) {
            cells.push_back(t.text(r, c));
        }
        return cells;
    }

    test::ReportLeague m_league;
};

// A batter whose plate appearances are all at-bats; a pitcher with the outs given.
struct QualifyCase {
    const char* years;
    bool pitching;
    int amount;  // plate appearances or outs
    bool qualified;
};

class LeadersQualify : public Leaders, public testing::WithParamInterface<QualifyCase> {};

TEST_P(LeadersQualify, ThreePointOnePlateAppearancesOrThreeOutsPerGame) {
    const QualifyCase& q = GetParam();
    m_league.player(1, "Abbott", "Al", 0, 0, q.pitching ? 1 : 2);
    if (q.pitching) {
        m_league.pitching(1, test::pitchingLine(2002, 0, 30, q.amount, 10));
        m_league.pitching(1, test::pitchingLine(2003, 0, 30, q.amount, 10));
    } else {
        m_league.batting(1, test::battingLine(2002, 0, 150, q.amount, 100));
        m_league.batting(1, test::battingLine(2003, 0, 150, q.amount, 100));
    }
    LeadersSelection s;
    s.years = q.years;
    s.pitching = q.pitching;
    const LeaderCandidates c = candidates(s);
    ASSERT_EQ(c.entries.size(), 1u);
    EXPECT_EQ(c.entries[0].qualified, q.qualified);
    EXPECT_EQ(c.qualifiedCount, q.qualified ? 1 : 0);
}

// Past seasons measure against 162 games (502.2 plate appearances, 486 outs); the season's own
// year against the team's 10 games played (31 plate appearances, 30 outs).
INSTANTIATE_TEST_SUITE_P(Boundaries,
                         LeadersQualify,
                         testing::Values(QualifyCase{"2002", false, 502, false},
                                         QualifyCase{"2002", false, 503, true},
                                         QualifyCase{"2002", true, 485, false},
                                         QualifyCase{"2002", true, 486, true},
                                         QualifyCase{"2003", false, 30, false},
                                         QualifyCase{"2003", false, 31, true},
                                         QualifyCase{"2003", true, 29, false},
                                         QualifyCase{"2003", true, 30, true},
                                         QualifyCase{"2004", false, 600, false}));

TEST_F(Leaders, PlateAppearancesCountWalksSacrificesAndHitByPitch) {
    m_league.player(1, "Abbott", "Al", 0);
    BattingLineData line = test::battingLine(2002, 0, 150, 490, 150);
    line.walks = 5;
    line.sacFlies = 3;
    line.sacHits = 2;
    line.hitByPitch = 3;  // 503 in all
    m_league.batting(1, line);
    LeadersSelection s;
    s.years = "2002";
    const LeaderCandidates c = candidates(s);
    EXPECT_EQ(c.entries[0].plateAppearances, 503);
    EXPECT_TRUE(c.entries[0].qualified);
}

TEST_F(Leaders, FreeAgentsQualifyOnlyOnPastSeasons) {
    m_league.player(1, "Abbott", "Al", kFreeAgentTeam);
    m_league.batting(1, test::battingLine(2003, 0, 150, 600, 100));
    LeadersSelection s;
    s.years = "2003";
    s.team = kFreeAgentsItem;
    EXPECT_FALSE(candidates(s).entries.at(0).qualified);
    s.years = "2002-2003";
    EXPECT_TRUE(candidates(s).entries.at(0).qualified);
}

// Eight batters with home runs 1..8 (player k hit k); the odd ones qualify.
class LeadersSorted : public Leaders {
protected:
    LeadersSorted() {
        for (int k = 1; k <= 8; ++k) {
            const auto id = static_cast<std::uint16_t>(k);
            m_league.player(id, "Player" + std::to_string(k), "P", 0);
            BattingLineData line = test::battingLine(2003, 0, 10, k % 2 == 1 ? 40 : 10, 5);
            line.homeRuns = static_cast<std::uint16_t>(k);
            m_league.batting(id, line);
        }
        m_selection.years = "2003";
        m_display.category = kHrCategory;
        m_display.links = false;
        m_display.listed = kListedAll;
    }

    LeadersSelection m_selection;
    LeadersDisplay m_display;
};

TEST_F(LeadersSorted, FourSortRulesAndTheQualifiedLimit) {
    struct Case {
        bool ascending;
        bool qualify;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {false, true, {"7", "5", "3", "1"}},
        {false, false, {"8", "7", "6", "5", "4", "3", "2", "1"}},
        {true, true, {"1", "3", "5", "7"}},
        {true, false, {"1", "2", "3", "4", "5", "6", "7", "8"}},
    };
    for (const Case& c : cases) {
        m_display.ascending = c.ascending;
        m_display.qualify = c.qualify;
        EXPECT_EQ(column(table(m_selection, m_display), 3), c.values) << c.ascending << c.qualify;
    }
}

TEST_F(LeadersSorted, TiesRankInListOrderWhateverTheSortBefore) {
    const LeagueIndex index(*m_league);
    LeaderCandidates fresh = leaderCandidates(*m_league, index, m_selection);
    LeaderCandidates resorted = fresh;
    sortLeaders(resorted, kHrCategory, false, false);
    for (const bool ascending : {false, true}) {
        sortLeaders(fresh, 4, ascending, true);  // every batter has 5 hits
        sortLeaders(resorted, 4, ascending, true);
        std::vector<int> a, b;
        for (std::size_t i = 0; i < fresh.entries.size(); ++i) {
            a.push_back(fresh.entries[i].key);
            b.push_back(resorted.entries[i].key);
        }
        EXPECT_EQ(a, b);
        // Qualified batters first in either direction, each group in list order.
        EXPECT_EQ(a, (std::vector<int>{0, 2, 4, 6, 1, 3, 5, 7})) << ascending;
    }
}

TEST_F(LeadersSorted, ListedLimitsTheRowsAndRanksFromOne) {
    m_display.qualify = false;
    m_display.listed = 0;  // "3"
    const ReportTable t = table(m_selection, m_display);
    EXPECT_EQ(column(t, 0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(column(t, 1), (std::vector<std::string>{"Player8 , P", "Player7 , P", "Player6 , P"}));
    EXPECT_EQ(column(t, 2), (std::vector<std::string>{"BOS ", "BOS ", "BOS "}));
    EXPECT_EQ(column(t, kLeadersIndexColumn), (std::vector<std::string>{"7", "6", "5"}));
    EXPECT_EQ(t.text(0, 1), "Both Leagues leaders");
    EXPECT_EQ(t.text(0, 3), "HR");
}

TEST_F(LeadersSorted, NobodyQualifiedShowsEveryEntryUpToTheLimit) {
    m_selection.years = "2004";  // after the season: nobody qualifies
    m_display.qualify = true;
    EXPECT_EQ(table(m_selection, m_display).rowCount(), 1 + 8);
}

TEST_F(LeadersSorted, CaptionsNameTheTeamOrLeagueSelected) {
    m_selection.team = 2;
    EXPECT_EQ(table(m_selection, m_display).text(0, 1), "BOS leaders");
    m_selection.team = kAllTeamsItem;
    m_selection.league = 2;
    const ReportTable t = table(m_selection, m_display);
    EXPECT_EQ(t.text(0, 1), "NL leaders");
    EXPECT_EQ(t.rowCount(), 1);  // Boston plays in the first league
}

TEST_F(Leaders, ValueFormatsOfTheCategories) {
    struct Case {
        bool pitching;
        int category;
        float value;
        const char* text;
    };
    const Case cases[] = {
        {false, 0, 0.3f, ".300"},
        {false, 3, 1.2344f, "1.234"},
        {false, kHrCategory, 41.0f, "41"},
        {true, kEraCategory, 3.456f, "3.46"},
        {true, kIpCategory, 200.0f / 3.0f, "66.7"},
        {true, kIpCategory, 200.333f, "200.3"},
        {true, kIpCategory, 200.667f, "200.7"},
        {true, 25, 3.4561f, "3.456"},
        {true, 27, 0.275f, ".275"},
        {true, 1, 12.0f, "12"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leaderValueText(c.pitching, c.category, c.value), c.text) << c.category;
    }
}

TEST_F(Leaders, PitchingRatesAndStreaksFromTheLines) {
    m_league.player(1, "Abbott", "Al", 0, 0, 1);
    PitchingLineData season = test::pitchingLine(2003, 0, 30, 200, 20);
    season.strikeouts = 50;
    season.hits = 40;
    m_league.pitching(1, season);
    PitchingLineData streaks = test::pitchingLine(3, 0, 0, 0, 0);
    streaks.wins = 9;
    streaks.losses = 4;
    m_league.pitching(1, streaks);
    LeadersSelection s;
    s.years = "1990-1995";  // the streak line counts whatever the years
    s.pitching = true;
    LeaderCandidates c = candidates(s);
    ASSERT_EQ(c.entries.size(), 1u);
    EXPECT_EQ(c.entries[0].values[30], 9.0f);
    EXPECT_EQ(c.entries[0].values[31], 4.0f);
    EXPECT_EQ(c.entries[0].values[kIpCategory], 0.0f);
    s.years = "2003";
    c = candidates(s);
    const auto& v = c.entries[0].values;
    EXPECT_EQ(leaderValueText(true, kIpCategory, v[kIpCategory]), "66.7");
    EXPECT_EQ(leaderValueText(true, kEraCategory, v[kEraCategory]), "2.70");
    EXPECT_EQ(leaderValueText(true, 26, v[26]), "6.750");
    EXPECT_EQ(leaderValueText(true, 27, v[27]), ".167");
}

TEST_F(Leaders, ZeroOutsLeaveTheRatesAtZero) {
    m_league.player(1, "Abbott", "Al", 0, 0, 1);
    m_league.pitching(1, test::pitchingLine(2003, 0, 1, 0, 3));
    LeadersSelection s;
    s.years = "2003";
    s.pitching = true;
    const LeaderCandidates c = candidates(s);
    EXPECT_EQ(c.entries[0].values[kEraCategory], 0.0f);
    EXPECT_EQ(c.entries[0].values[27], 0.0f);
}

TEST_F(Leaders, HistoriesWithoutLinesOfTheKindGiveNoEntry) {
    m_league.player(1, "Abbott", "Al", 0, 0, 1);
    m_league.pitching(1, test::pitchingLine(2003, 0, 1, 9, 3));
    LeadersSelection s;
    s.years = "2003";
    EXPECT_TRUE(candidates(s).entries.empty());
    s.pitching = true;
    EXPECT_EQ(candidates(s).entries.size(), 1u);
}

TEST_F(Leaders, TeamTotalsAreQualifiedAndLabelledByCity) {
    for (int team = 0; team < 2; ++team) {
        auto history = std::make_unique<StatHistory>();
        history->key = team;
        BattingLine line;
        BattingLineData d = test::battingLine(2003, 0, 10, 100, 20 + team);
        encodeBattingLine(d, line);
        history->batting.push_back(line);
        m_league->teamHistories.push_back(std::move(history));
    }
    LeadersSelection s;
    s.years = "2003";
    s.team = teamsTotalsItem(*m_league);
    LeadersDisplay d;
    d.category = 4;  // Hits
    const ReportTable t = table(s, d);
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.text(0, 1), "Teams Totals leaders");
    EXPECT_EQ(t.text(0, 2), "");
    EXPECT_EQ(t.text(1, 1), "<A HREF=CHI.html TARGET=\"_parent\">-Chicago-</A>");
    EXPECT_EQ(t.text(1, 3), "21");
    EXPECT_EQ(t.text(2, 2), "");
    d.links = false;
    EXPECT_EQ(table(s, d).text(1, 1), "-Chicago-");
}

TEST_F(Leaders, AYearThatIsNoNumberIsRefused) {
    LeadersSelection s;
    for (const char* years : {"20x3", "2001-", ""}) {
        s.years = years;
        try {
            candidates(s);
            ADD_FAILURE() << years;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), "Invalid year");
        }
    }
}

TEST_F(Leaders, ColoursAndBoldOptionsMarkTheCells) {
    m_league.player(1, "Abbott", "Al", 0);
    m_league.batting(1, test::battingLine(2003, 0, 10, 40, 12));
    LeadersSelection s;
    s.years = "2003";
    LeadersDisplay d;
    d.headerColor = 0x0000FF;
    d.rowsColor = 0x00FF00;
    d.boldTeam = true;
    const ReportTable t = table(s, d);
    EXPECT_EQ(t.format(0, 1).background, 0x0000FFu);
    EXPECT_FALSE(t.format(0, 2).bold);
    EXPECT_EQ(t.format(1, 0).background, 0x00FF00u);
    EXPECT_FALSE(t.format(1, 0).bold);
    EXPECT_TRUE(t.format(1, 2).bold);
    EXPECT_EQ(t.format(1, 3).align, CellAlign::Right);
}

// Pages: five tables in rows of three, the template they leave and its replay.
class LeadersPages : public LeadersSorted {
protected:
    std::string writePage(int tables, int columns) {
        HtmlExportSettings settings = leadersHtmlSettings();
        settings.headerFile = m_dir / "head.txt";
        settings.footerFile = m_dir / "foot.txt";
        writeReportFile(settings.headerFile, "<html><body>\r\n");
        writeReportFile(settings.footerFile, "</body></html>\r\n");
        const LeagueIndex index(*m_league);
        LeaderCandidates c = leaderCandidates(*m_league, index, m_selection);
        for (int k = 0; k < tables; ++k) {
            m_display.category = 4 + k;
            sortLeaders(c, m_display.category, false, true);
            const ReportTable t = leadersTable(*m_league, c, m_selection, m_display);
            const auto entry = templateEntry(m_selection, m_display);
            if (k == 0) {
                m_page.start(m_dir / "page.htm", t, settings, "2003", entry, categoryName(false, m_display.category));
            } else {
                m_page.add(t, settings, columns, entry, categoryName(false, m_display.category));
            }
        }
        m_entries = m_page.entries();
        m_layout = m_page.layout();
        m_page.finish(settings);
        return wholeText(m_dir / "page.htm");
    }

    static int count(const std::string& text, const std::string& part) {
        int n = 0;
        for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++n;
        }
        return n;
    }

    test::TempDir m_dir;
    LeadersPage m_page;
    std::vector<LeadersTemplateEntry> m_entries;
    std::vector<std::string> m_layout;
};

TEST_F(LeadersPages, RowsOfThreeTablesBetweenHeaderAndFooter) {
    const std::string page = writePage(5, 3);
    EXPECT_EQ(page.rfind("<html><body>\r\n<center><b>2003  leaders</b></center><center>"
                         "<table border=\"0\" cellspacing=\"8\" width=\"0%\"><tr><td>\r\n",
                         0),
              0u);
    EXPECT_EQ(count(page, R"(<table border="0" cellspacing="8" width="0%"><tr><td>)"), 2);
    EXPECT_EQ(count(page, "</table><p>\r\n</td></table>\r\n<table border=\"0\""), 1);  // the 3rd closes the row
    EXPECT_EQ(count(page, "</table><p>\r\n</td>\r\n<td>\r\n"), 3);                     // 1st, 2nd and 4th go on
    EXPECT_TRUE(page.ends_with("</table><p>\r\n</td>\r\n</td></table></body></html>\r\n"));
    EXPECT_EQ(m_layout, (std::vector<std::string>{"Hits", "   2B", "   3B", "HR", "   BB"}));
    EXPECT_EQ(count(page, "<table border=\"0\" cellspacing=\"2\" cellpadding=\"0\" Width=\"0%\">"), 5);
}

TEST_F(LeadersPages, TemplateRoundTripAndReplayWriteTheSamePage) {
    const std::string recorded = writePage(5, 3);
    writeLeadersTemplate(m_dir / "five.lea", m_entries);
    EXPECT_EQ(wholeText(m_dir / "five.lea").substr(0, 24), "0\r\n4\r\n1\r\n0\r\n0\r\n0\r\n0\r\n9\r\n");
    const auto read = readLeadersTemplate(m_dir / "five.lea", *m_league);
    EXPECT_EQ(read, m_entries);

    LeadersReplay replay;
    replay.years = "2003";
    replay.display = m_display;
    replay.settings.headerFile = m_dir / "head.txt";
    replay.settings.footerFile = m_dir / "foot.txt";
    const LeagueIndex index(*m_league);
    writeLeadersPageFromTemplate(*m_league, index, read, replay, m_dir / "replayed.htm");
    EXPECT_EQ(wholeText(m_dir / "replayed.htm"), recorded);
}

TEST_F(LeadersPages, BadTemplatesNameTheFileAndLine) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"0\r\n4\r\nx\r\n", ": line 3: 'x' is not a valid integer value"},
        {"1\r\n32\r\n1\r\n0\r\n0\r\n0\r\n0\r\n2\r\n",
         ": line 1: the category 32 is not one of this league's (0 to 31)"},
        {"0\r\n1\r\n1\r\n0\r\n5\r\n0\r\n0\r\n2\r\n", ": line 1: the team 5 is not one of this league's (0 to 4)"},
    };
    for (const Case& c : cases) {
        const fs::path file = m_dir / "bad.lea";
        writeReportFile(file, c.text);
        try {
            readLeadersTemplate(file, *m_league);
            ADD_FAILURE() << c.text;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()), file.string() + c.message);
        }
    }
    writeReportFile(m_dir / "short.lea", "0\r\n4\r\n1\r\n");
    EXPECT_TRUE(readLeadersTemplate(m_dir / "short.lea", *m_league).empty());
}

}  // namespace
}  // namespace zt::reports

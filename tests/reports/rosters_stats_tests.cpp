// Rosters statistics: which players a table lists, their summed cells, the sort selectors, the
// column order and its files, and the two forms of the team page.
#include <gtest/gtest.h>

#include "league/error.h"
#include "league/progress.h"
#include "report_fixture.h"
#include "reports/league_index.h"
#include "reports/report_names.h"
#include "reports/rosters_pages.h"
#include "reports/rosters_stats.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::reports {
namespace {

namespace fs = std::filesystem;

class RostersStats : public testing::Test {
protected:
    RostersStats() {
        m_league.team("Boston", "Beans", "BOS").team("Chicago", "Winds", "CHI").team("Empty", "Nobody", "NON");
        m_league.player(1, "Abbott", "Al", 0, 0, 2);
        m_league.batting(1, test::battingLine(2003, 0, 10, 40, 12))
            .batting(1, test::battingLine(2002, 0, 5, 20, 5))
            .batting(1, test::battingLine(2003, 1, 3, 10, 1));
        m_league.player(2, "Baker", "Ben", 0, 0, 5);
        m_league.batting(2, test::battingLine(2003, 0, 4, 0, 0));
        m_league.player(3, "Carver", "Cal", 0, 0, 1);
        PitchingLineData carver = test::pitchingLine(2003, 0, 3, 20, 5);
        carver.hits = 6;
        carver.walks = 2;
        carver.homeRuns = 1;
        m_league.pitching(3, carver);
        m_league.player(4, "Dalton", "Dan", 0, 0, 1);
        m_league.pitching(4, test::pitchingLine(2003, 0, 2, 0, 0));
        m_league.player(5, "Ellis", "Ed", 0, 1, 3);
        m_league.batting(5, test::battingLine(2003, 1, 8, 30, 9));
        m_league.player(6, "Foster", "Fred", 0, 0, 4);
        m_league.batting(6, test::battingLine(1999, 0, 8, 30, 9));
        m_league.player(7, "Grant", "Gus", 1, 0, 2);
        m_league.batting(7, test::battingLine(2003, 0, 9, 9, 9));
        m_league.player(8, "Hayes", "Hal", 0, 0, 6);  // no history at all
    }

    RostersTables tables(const RostersOptions& options) {
        const LeagueIndex index(*m_league);
        return rostersTables(*m_league, index, options);
    }

    static RostersOptions options(const std::string& years = "2003", int level = 0) {
        RostersOptions o;
        o.years = years;
        o.level = level;
        return o;
    }

    // The hidden name of each data row, top to bottom.
    static std::vector<std::string> names(const ReportTable& table, int nameColumn) {
        std::vector<std::string> list;
        for (int r = 1; r < table.rowCount(); ++r) {
            list.push_back(table.text(r, nameColumn));
        }
        return list;
    }

    // The row of a player: his visible cells in display order.
    static std::vector<std::string> rowOf(const ReportTable& table, const std::string& name, int nameColumn) {
        for (int r = 1; r < table.rowCount(); ++r) {
            if (table.text(r, nameColumn) == name) {
                std::vector<std::string> cells;
                for (const int c : table.visibleColumns()) {
                    cells.push_back(table.text(r, c));
                }
                return cells;
            }
        }
        return {};
    }

    test::ReportLeague m_league;
};

TEST_F(RostersStats, BattingCellsSumTheYearsAtTheSelectedLevel) {
    const std::string link = "<A HREF=AlAbbott.htm TARGET=\"_parent\">Abbott , Al</A>";
    EXPECT_EQ(rowOf(tables(options()).batting, "Abbott , Al", kBattingNameColumn),
              (std::vector<std::string>{
                  link, "C", "10", ".300", ".300", ".300", "40", "12", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(rowOf(tables(options("2002-2003")).batting, "Abbott , Al", kBattingNameColumn)[2], "15");
    EXPECT_EQ(rowOf(tables(options("2002-2003")).batting, "Abbott , Al", kBattingNameColumn)[3], ".283");
    EXPECT_EQ(rowOf(tables(options()).batting, "Baker , Ben", kBattingNameColumn),
              (std::vector<std::string>{"<A HREF=BenBaker.htm TARGET=\"_parent\">Baker , Ben</A>",
                                        "3B",
                                        "4",
                                        "-",
                                        "-",
                                        "-",
                                        "0",
                                        "0",
                                        "0",
                                        "0",
                                        "0",
                                        "0",
                                        "0",
                                        "0",
                                        "0",
                                        "0",
                                        "0"}));
}

TEST_F(RostersStats, PitchingCellsGiveInningsEraAndOpponentsAverages) {
    const ReportTable pitching = tables(options()).pitching;
    const auto carver = rowOf(pitching, "Carver , Cal", kPitchingNameColumn);
    ASSERT_EQ(carver.size(), 26u);
    EXPECT_EQ(carver[1], "6.75");   // ERA
    EXPECT_EQ(carver[10], "6.7");   // IP of 20 outs
    EXPECT_EQ(carver[23], ".231");  // 6 hits of 26 batters faced
    EXPECT_EQ(carver[24], ".286");  // (6 + 2) / (26 + 2)
    EXPECT_EQ(carver[25], ".346");  // (6 + 3) / 26
    const auto dalton = rowOf(pitching, "Dalton , Dan", kPitchingNameColumn);
    EXPECT_EQ(dalton[1], "0.00");
    EXPECT_EQ(dalton[10], "0");
    EXPECT_EQ((std::vector<std::string>(dalton.end() - 3, dalton.end())), (std::vector<std::string>{"", "", ""}));
}

struct ListingCase {
    const char* name;
    int level;
    bool eachLevel;
    bool zeroGames;
    std::vector<std::string> batters;  // sorted by name
};

class RostersListing : public RostersStats, public testing::WithParamInterface<ListingCase> {};

TEST_P(RostersListing, ListsThePlayersOfTheTeamAndLevel) {
    RostersOptions o = options("2003", GetParam().level);
    o.listEachLevelPlayed = GetParam().eachLevel;
    o.listZeroGames = GetParam().zeroGames;
    EXPECT_EQ(names(tables(o).batting, kBattingNameColumn), GetParam().batters);
}

INSTANTIATE_TEST_SUITE_P(
    Options,
    RostersListing,
    testing::Values(ListingCase{"Majors", 0, true, false, {"Abbott , Al", "Baker , Ben"}},
                    ListingCase{"MajorsWithZeroGames", 0, true, true, {"Abbott , Al", "Baker , Ben", "Foster , Fred"}},
                    ListingCase{"AaaWherePlayersPlayed", 1, true, false, {"Abbott , Al", "Ellis , Ed"}},
                    ListingCase{"AaaRosterOnly", 1, false, false, {"Ellis , Ed"}},
                    ListingCase{"AaaRosterOnlyWithZeroGames", 1, false, true, {"Ellis , Ed"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RostersStats, ATableWithoutPlayersKeepsItsCaptionsAndOneEmptyRow) {
    RostersOptions o = options();
    o.team = 2;
    const RostersTables t = tables(o);
    for (const ReportTable* table : {&t.batting, &t.pitching}) {
        ASSERT_EQ(table->rowCount(), 2);
        EXPECT_EQ(table->text(0, 0), "Name");
        for (int c = 0; c < table->columnCount(); ++c) {
            EXPECT_TRUE(table->text(1, c).empty());
        }
    }
}

TEST_F(RostersStats, LinksFollowTheLevelsCheckBoxes) {
    RostersOptions o = options("2003", 1);
    o.linkMinors = false;
    EXPECT_EQ(rowOf(tables(o).batting, "Ellis , Ed", kBattingNameColumn)[0], "Ellis , Ed");
    o.linkMinors = true;
    o.linkMajors = false;
    EXPECT_EQ(rowOf(tables(o).batting, "Ellis , Ed", kBattingNameColumn)[0],
              "<A HREF=EdEllis.htm TARGET=\"_parent\">Ellis , Ed</A>");
}

TEST_F(RostersStats, SortSelectorsOrderByNameOrByAColumnDescending) {
    m_league.batting(2, test::battingLine(2003, 0, 9, 50, 10));  // Baker: .200 now
    RostersOptions o = options();
    o.listZeroGames = true;
    o.battingSort = 3;  // Avg
    EXPECT_EQ(names(tables(o).batting, kBattingNameColumn),
              (std::vector<std::string>{"Abbott , Al", "Baker , Ben", "Foster , Fred"}));
    o.battingSort = 2;  // G: Baker 13, Abbott 10, Foster 0
    EXPECT_EQ(names(tables(o).batting, kBattingNameColumn),
              (std::vector<std::string>{"Baker , Ben", "Abbott , Al", "Foster , Fred"}));
    o.pitchingSort = 1;  // ERA
    EXPECT_EQ(names(tables(o).pitching, kPitchingNameColumn),
              (std::vector<std::string>{"Carver , Cal", "Dalton , Dan"}));
}

TEST_F(RostersStats, AMovedColumnKeepsItsValuesUnderItsCaption) {
    RostersOptions o = options();
    moveCaption(o.battingOrder, 3, 6);
    EXPECT_EQ(
        o.battingOrder,
        (Captions{
            "Name", "Pos", "G", "Obp", "Slg", "Ab", "Avg", "H", "2B", "3B", "Hr", "R", "Rbi", "BB", "K", "Sb", "Cs"}));
    const ReportTable batting = tables(o).batting;
    EXPECT_EQ(batting.text(0, 6), "Avg");
    const auto abbott = rowOf(batting, "Abbott , Al", kBattingNameColumn);
    EXPECT_EQ(abbott[5], "40");
    EXPECT_EQ(abbott[6], ".300");

    // The sort selector names the position: item 3 ("Avg") now sorts by "Obp".
    o.battingSort = 3;
    o.listZeroGames = true;
    EXPECT_EQ(names(tables(o).batting, kBattingNameColumn).front(), "Abbott , Al");
}

TEST_F(RostersStats, YearsThatAreNoNumbersStopTheRefresh) {
    const std::pair<const char*, const char*> cases[] = {{"20x3", "'20x3' is not a valid integer value"},
                                                         {"2001-", "'' is not a valid integer value"}};
    for (const auto& [years, message] : cases) {
        try {
            tables(options(years));
            ADD_FAILURE() << years;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(ColumnOrderFiles, RoundTripAndAreRepairedWhenIncomplete) {
    test::TempDir dir;
    Captions order = battingCaptions();
    moveCaption(order, 3, 6);
    writeColumnOrder(dir / "BatStOrder.ini", order);
    const auto bytes = test::readBytes(dir / "BatStOrder.ini");
    EXPECT_TRUE(std::string(bytes.begin(), bytes.end()).starts_with("Name\r\nPos\r\nG\r\nObp\r\n"));
    EXPECT_EQ(readColumnOrder(dir / "BatStOrder.ini", battingCaptions()), order);
    EXPECT_EQ(readColumnOrder(dir / "missing.ini", battingCaptions()), battingCaptions());

    // Unknown and repeated captions are dropped, missing ones follow in built-in order.
    test::writeText(dir / "PitStOrder.ini", "ERA\nBogus\nName\nERA\n");
    const Captions repaired = readColumnOrder(dir / "PitStOrder.ini", pitchingCaptions());
    EXPECT_EQ(repaired.size(), pitchingCaptions().size());
    EXPECT_EQ((Captions(repaired.begin(), repaired.begin() + 3)), (Captions{"ERA", "Name", "W"}));
}

class RostersPages : public RostersStats {
protected:
    std::string page(bool htmlTable) {
        const LeagueIndex index(*m_league);
        RostersPageSettings settings;
        settings.options.years = "2003";
        settings.htmlTable = htmlTable;
        return rostersTeamPage(*m_league, index, settings, 0);
    }

    static std::string lineWith(const std::string& page, const std::string& text) {
        const std::size_t at = page.find(text);
        if (at == std::string::npos) {
            return {};
        }
        const std::size_t start = page.rfind("\r\n", at);
        const std::size_t begin = start == std::string::npos ? 0 : start + 2;
        return page.substr(begin, page.find("\r\n", at) - begin);
    }
};

TEST_F(RostersPages, PreformattedRowsPadTheNameToTwentyFiveCharacters) {
    // 16 + 3 + 6 = 25 characters: no padding.
    m_league->players[0]->set(pf::lastName, "Vandermolenbrook");
    m_league->players[0]->set(pf::firstName, "Maxime");
    const std::string text = page(false);
    // 12 characters of name and 13 blanks, then each cell after a blank, right-aligned in its
    // caption's width plus two ("IP" plus three).
    EXPECT_EQ(lineWith(text, "Carver , Cal"),
              "<A HREF=CalCarver.htm TARGET=\"_parent\">Carver , Cal</A>" + std::string(13, ' ') +
                  "  6.75   0   0   0    0   3    0    0     0   6.7   0    2   6    0    0    1    0    0    0    0"
                  "   0    5  .231  .286  .346");
    EXPECT_EQ(lineWith(text, "Name    ").substr(0, 32), "Name" + std::string(21 + 3, ' ') + "Pos ");
    EXPECT_TRUE(
        lineWith(text, "Vandermolenbrook , Maxime</A>")
            .ends_with(
                "Vandermolenbrook , Maxime</A>     C  10  .300  .300  .300   40  12    0    0    0   0     0    0   0"
                "    0    0"));
}

TEST_F(RostersPages, PreformattedPageHoldsHistoryLevelsLineupsAndRotations) {
    TeamRecord& boston = m_league->teams[0].record;
    boston.set(tf::completeName, "Boston <Beans> & Co");
    boston.setLineupSlot(LineupKind::MajorVsL, 0, {1, 2});
    boston.setRotationSlot(0, 0, 3);
    const std::string text = page(false);
    EXPECT_NE(text.find("<big><big><big>Boston &lt;Beans&gt; &amp; Co</big>"), std::string::npos);
    EXPECT_NE(text.find("<br><B><a name=\"AAA\"></a>AAA roster 2003 Season Stats </B><a href=\"#top\">Top</a>\r\n"),
              std::string::npos);
    EXPECT_NE(
        text.find("<BR><a name=\"LMLVSL\"><Table class=\"gridcss\"><td>ML Lineup Vs L <a href=\"#top\">Top</a><BR>"
                  "<table border=1 class=\"gridcss\"><tr><td width=200><A HREF=AlAbbott.htm TARGET=\"_parent\">"
                  "Abbott , Al</A></td><td>C</td></tr><tr><td width=200>Pitcher Slot</td><td>P</td></tr>"),
        std::string::npos);
    EXPECT_NE(text.find("<tr><td>1</td><td width=200><A HREF=CalCarver.htm TARGET=\"_parent\">Carver , Cal</A></td>"
                        "</tr><tr><td width=200>EMPTY</td><td>P</td></tr>"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("</td></table>\r\n</body></html>\r\n\r\n"));
}

TEST_F(RostersPages, TableFormWritesEightTablesWithTheHeaderColoursOnTheCaptions) {
    const std::string text = page(true);
    std::size_t tables = 0;
    for (std::size_t at = text.find("<table border=0 width=100% class=\"gridcss\">"); at != std::string::npos;
         at = text.find("<table border=0 width=100% class=\"gridcss\">", at + 1)) {
        ++tables;
    }
    EXPECT_EQ(tables, 8u);
    EXPECT_NE(
        text.find("<td nowrap align=\"left\" BGCOLOR=\"#008080\"><font color=\"#000000\"><B>Name</B></font></td>"),
        std::string::npos);
    EXPECT_NE(text.find("<td nowrap align=\"right\">6.75</td>"), std::string::npos);
    EXPECT_NE(text.find("<td nowrap align=\"right\"> </td>"), std::string::npos);  // empty cells of an empty table
    EXPECT_NE(text.find("<br><B><a name=\"AA\"></a>AA  roster</B> <a href=\"#top\">Top</a>\r\n"), std::string::npos);
}

TEST_F(RostersPages, AllTeamsWritesOnePagePerTeamNamedAfterItsAbbreviation) {
    test::TempDir dir;
    const LeagueIndex index(*m_league);
    RostersPageSettings settings;
    settings.options.years = "2003";
    NoProgress progress;
    writeRostersAllTeams(*m_league, index, settings, dir.path(), progress);
    for (int team = 0; team < m_league->teamCount(); ++team) {
        const auto bytes = test::readBytes(dir / TeamPageName(m_league->teams[static_cast<std::size_t>(team)].record));
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), rostersTeamPage(*m_league, index, settings, team));
    }
}

}  // namespace
}  // namespace zt::reports

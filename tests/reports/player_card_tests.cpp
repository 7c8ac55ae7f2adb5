// Player cards: the rows of traded and single-team seasons, "No team split", the value rules
// (ERA and rates without outs, GS over 70, DP over 999, F%), totals, experience, the extended
// columns and the two page forms.
#include <gtest/gtest.h>

#include "league/error.h"
#include "report_fixture.h"
#include "reports/league_index.h"
#include "reports/player_card.h"
#include "reports/report_files.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

namespace zt::reports {
namespace {

namespace fs = std::filesystem;

class PlayerCard : public testing::Test {
protected:
    PlayerCard() {
        m_league.team("Boston", "Beans", "BOS").team("Chicago", "Winds", "CHI").team("Denver", "Peaks", "DEN");
        // Traded in 2002 from Denver to Boston, all of 2003 in Boston, a 2003 season in AAA too.
        m_league.player(1, "Abbott", "Al", 0);
        m_league.batting(1, test::battingLine(2002, 0, 50, 100, 30))
            .batting(1, test::battingLine(2002, 0, 60, 200, 50))
            .batting(1, test::battingLine(2003, 0, 70, 300, 90))
            .batting(1, test::battingLine(2003, 1, 10, 40, 10));
        setTeam(1, 0, 2);
        setTeam(1, 1, 0);
        setTeam(1, 2, 0);
        setTeam(1, 3, 0);
    }

    // Moves a stored line to another team.
    void setTeam(std::uint16_t id, std::size_t line, int team) {
        StatHistory& h = *findHistory(m_league->playerHistories, id);
        BattingLineData d = decodeBattingLine(h.batting[line]);
        d.team = static_cast<std::uint8_t>(team);
        encodeBattingLine(d, h.batting[line]);
    }

    CardTables tables(const PlayerRecord& player, const CardOptions& options = {}) {
        const LeagueIndex index(*m_league);
        return cardTables(*m_league, index, player, options);
    }

    static std::vector<std::string> column(const ReportTable& t, int c) {
        std::vector<std::string> cells;
        for (int r = 1; r < t.rowCount(); ++r) {
            cells.push_back(t.text(r, c));
        }
        return cells;
    }

    const PlayerRecord& player(std::size_t i) { return *m_league->players[i]; }

    test::ReportLeague m_league;
};

TEST_F(PlayerCard, ATradedSeasonShowsEachTeamInDescendingNumberThenTotal) {
    const CardTables t = tables(player(0));
    EXPECT_EQ(column(t.batting, 0), (std::vector<std::string>{"2002", "2002", "2002", "2003", "Total"}));
    EXPECT_EQ(column(t.batting, 1),
              (std::vector<std::string>{"DEN (ML ) ", "BOS (ML ) ", "Total (ML ) ", "BOS (ML ) ", ""}));
    EXPECT_EQ(column(t.batting, 6), (std::vector<std::string>{"100", "200", "300", "300", "600"}));
    EXPECT_EQ(column(t.batting, 3), (std::vector<std::string>{".300", ".250", ".267", ".300", ".283"}));
    EXPECT_EQ(t.batting.text(0, 3), " Avg");
    EXPECT_TRUE(t.pitching.rowCount() == 1 && t.fielding.rowCount() == 1);
}

TEST_F(PlayerCard, NoTeamSplitGivesOneTotalRowPerSeason) {
    CardOptions options;
    options.noTeamSplit = true;
    const CardTables t = tables(player(0), options);
    EXPECT_EQ(column(t.batting, 1), (std::vector<std::string>{"Total (ML ) ", "Total (ML ) ", ""}));
    EXPECT_EQ(t.fielding.rowCount(), 1);
}

TEST_F(PlayerCard, MinorLeaguesComeBeforeTheMajorsOfTheirSeason) {
    CardOptions options;
    options.includeMinors = true;
    const CardTables t = tables(player(0), options);
    EXPECT_EQ(column(t.batting, 1),
              (std::vector<std::string>{
                  "DEN (ML ) ", "BOS (ML ) ", "Total (ML ) ", "BOS (AAA) ", "BOS (ML ) ", "Total (ML ) ", ""}));
}

TEST_F(PlayerCard, ExperienceCountsSeasonsAndRows) {
    const CardTables t = tables(player(0));
    EXPECT_EQ(mlExperience(t), 2);
    EXPECT_EQ(tableExperience(t), 4);
}

TEST_F(PlayerCard, PitchingValuesWithoutOutsAndWithStoredOddities) {
    m_league.player(2, "Baker", "Bo", 1, 0, 1);
    PitchingLineData none = test::pitchingLine(2003, 0, 2, 0, 6);
    none.team = 1;
    m_league.pitching(2, none);
    PitchingLineData odd = test::pitchingLine(2002, 0, 80, 600, 60);
    odd.team = 1;
    odd.gamesStarted = 75;
    odd.hits = 150;
    m_league.pitching(2, odd);
    const CardTables t = tables(player(1));
    ASSERT_EQ(t.pitching.rowCount(), 4);
    EXPECT_EQ(t.pitching.text(1, 0), "2002");
    EXPECT_EQ(t.pitching.text(1, 8), "0");      // GS 75 shown as 0
    EXPECT_EQ(t.pitching.text(1, 11), "200");   // IP
    EXPECT_EQ(t.pitching.text(1, 2), "2.70");   // ERA
    EXPECT_EQ(t.pitching.text(1, 27), ".200");  // 150 / 750
    EXPECT_EQ(t.pitching.text(2, 2), "0.00");
    EXPECT_EQ(t.pitching.text(2, 27), "-");
    EXPECT_EQ(t.pitching.text(2, 29), "-");
    EXPECT_EQ(t.pitching.text(3, 0), "Total");
    EXPECT_EQ(t.pitching.text(3, 2), "2.97");  // 66 ER over 600 outs
    EXPECT_TRUE(t.pitching.isColumnHidden(30));
}

TEST_F(PlayerCard, FieldingRowsPerLineWithDoublePlaysAndPercentage) {
    m_league.player(3, "Cole", "Cy", 0, 0, 6);
    m_league.batting(3, test::battingLine(2003, 0, 1, 1, 0));
    auto& h = *findHistory(m_league->playerHistories, 3);
    const auto fielding = [&](int position, int putouts, int assists, int errors, int dp) {
        FieldingLineData f;
        f.year = 2003;
        f.position = static_cast<std::uint8_t>(position);
        f.games = 5;
        f.putouts = static_cast<std::uint16_t>(putouts);
        f.assists = static_cast<std::uint16_t>(assists);
        f.errors = static_cast<std::uint16_t>(errors);
        f.doublePlays = static_cast<std::uint16_t>(dp);
        FieldingLine line;
        encodeFieldingLine(f, line);
        h.fielding.push_back(line);
    };
    fielding(6, 10, 5, 1, 1005);
    fielding(4, 0, 0, 0, 999);
    const CardTables t = tables(player(1));
    EXPECT_EQ(column(t.fielding, 2), (std::vector<std::string>{"SS", "2B", ""}));
    EXPECT_EQ(column(t.fielding, 7), (std::vector<std::string>{"5", "999", "1004"}));
    EXPECT_EQ(column(t.fielding, 10), (std::vector<std::string>{"0.938", "1.000", "0.938"}));
}

TEST_F(PlayerCard, ExtendedColumnsShowAndHideExactlyTheirColumns) {
    CardTables t = tables(player(0));
    const auto visible = [](const ReportTable& table) { return table.visibleColumns().size(); };
    EXPECT_EQ(visible(t.batting), 18u);
    EXPECT_EQ(visible(t.pitching), 26u);
    showExtendedColumns(t, true, true);
    EXPECT_EQ(visible(t.batting), 24u);
    EXPECT_EQ(visible(t.pitching), 30u);
    showExtendedColumns(t, false, false);
    EXPECT_TRUE(t.batting.isColumnHidden(17) && t.batting.isColumnHidden(22) && !t.batting.isColumnHidden(23));
    EXPECT_TRUE(t.pitching.isColumnHidden(21) && t.pitching.isColumnHidden(24) && !t.pitching.isColumnHidden(25));
}

TEST_F(PlayerCard, PagesOfBothFormsAndNoneWithoutStatistics) {
    test::TempDir dir;
    writeReportFile(dir / "header.txt", "<!-- head -->\r\nTITLE\r\n<IMG src=\"\r\n");
    writeReportFile(dir / "footer.txt", "</TD></TR></TABLE>\r\n");
    m_league->players[0]->set(pf::height, std::uint8_t{74});
    m_league.player(9, "Nobody", "No", 0);
    CardOptions options;
    options.dataDirectory = dir.path();
    const LeagueIndex index(*m_league);
    test::ScriptedInteraction interaction;
    const fs::path card = writeCard(*m_league, index, player(0), options, dir.path(), interaction);
    EXPECT_EQ(card, dir.path() / "AlAbbott.htm");
    const std::string pre = wholeText(card);
    EXPECT_NE(pre.find("<img src=\"blank.bmp\" width=\"64\" height=\"85\">"), std::string::npos);
    EXPECT_NE(pre.find("   Height     : 6-2 <BR>"), std::string::npos);
    EXPECT_NE(pre.find("   ML Experience : 2</b>"), std::string::npos);
    EXPECT_NE(pre.find("\r\n<b> Total" + std::string(14, ' ') + "  180"), std::string::npos);
    EXPECT_TRUE(writeCard(*m_league, index, player(1), options, dir.path(), interaction).empty());
    EXPECT_FALSE(fs::exists(dir.path() / "NoNobody.htm"));

    options.htmlTable = true;
    const std::string table = wholeText(writeCard(*m_league, index, player(0), options, dir.path(), interaction));
    EXPECT_EQ(table.rfind("\r\n<!-- head -->\r\n<HTML><HEAD><TITLE>Al Abbott Statistics </TITLE>\r\n<IMG src=\"\r\n"
                          "blank.bmp\" width=\"64\" height=\"85\"><br>",
                          0),
              0u);
    EXPECT_NE(table.find("Experience</TD><TD width=\"75%\">\r\n4\r\n</TD></TR></TABLE>\r\n"), std::string::npos);
    EXPECT_NE(table.find("<td nowrap BGCOLOR=\"#B4B4B4\"><B>Year</B></td>"), std::string::npos);

    fs::remove(dir / "header.txt");
    EXPECT_THROW(writeCard(*m_league, index, player(0), options, dir.path(), interaction), Error);
}

}  // namespace
}  // namespace zt::reports

// The league scores page: its lines with and without links, the pitchers, skipped slots, the
// date range, the header and footer files and the box score pages beside it.
#include <gtest/gtest.h>

#include "league/progress.h"
#include "reports/league_scores.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

namespace fs = std::filesystem;
using reports::BoxScorePages;
using reports::LeagueScoresOptions;

constexpr char kOpening[] =
    "<html><head><title>League Scores</title><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=iso-8859-1\"></head><pre><style type=\"text/css\"><!--.gridcss {  font-family: courrier; font-size: "
    "9pt}--></style><body class=\"gridcss\">\r\n";

class LeagueScoresTest : public testing::Test {
protected:
    void SetUp() override {
        LeagueShape shape;
        shape.scoreDays = 2;
        m_league = buildLeague(shape);
        m_league->seasonHeader.set(sh::seasonYear, 2003);
        m_league->leagueDir = m_dir.path();
        for (GameScore& day : m_league->gameScores) {
            for (GameResult& game : day.games) {
                game.set(gr::winningPitcher, -1);
                game.set(gr::losingPitcher, -1);
                game.set(gr::savingPitcher, -1);
            }
        }
        GameResult& first = m_league->gameScores[0].games[0];  // ATL 0 at BOS 3
        first.set(gr::winningPitcher, 104);
        first.set(gr::winnerWins, 12.0f);
        first.set(gr::winnerLosses, 3.0f);
        first.set(gr::losingPitcher, 107);
        first.set(gr::loserWins, 4.0f);
        first.set(gr::loserLosses, 9.5f);
        first.set(gr::savingPitcher, 101);
        first.set(gr::saverSaves, 21.0f);
    }

    std::string page(const LeagueScoresOptions& options) {
        NoProgress progress;
        const auto files = reports::leagueScoresFiles(*m_league, options, m_dir / "scores.htm", progress);
        return files.front().text;
    }

    std::unique_ptr<League> m_league;
    TempDir m_dir;
};

TEST_F(LeagueScoresTest, OneDayWithoutLinks) {
    LeagueScoresOptions options;
    EXPECT_EQ(page(options),
              std::string(kOpening) + "<u><b>4/1/2003 games</u></b><br><br>\r\n" + " ATL   0  BOS   3 " +
                  "         W: Baker , Ben (12-3)" + "       L: Carver , Cal (4-9.5)" +
                  "           S: Abbott , Al (21)" + "\r\n" + " BOS   5  ATL   0 \r\n" + "\r\n" +
                  "</pre></body></html>");
}

TEST_F(LeagueScoresTest, LinksPointAtTheTeamPages) {
    LeagueScoresOptions options;
    options.links = true;
    m_league->gameScores[0].games[1].set(gr::visitingTeam, -1);  // a slot without visitor is skipped
    EXPECT_EQ(page(options),
              std::string(kOpening) + "<u><b>4/1/2003 games</u></b><br><br>\r\n" +
                  "<A HREF=ATL.html TARGET=\"_parent\">ATL</A>   0  <A HREF=BOS.html TARGET=\"_parent\">BOS</A>   3  " +
                  "         W: Baker , Ben (12-3)" + "       L: Carver , Cal (4-9.5)" +
                  "           S: Abbott , Al (21)" + "\r\n\r\n</pre></body></html>");
}

TEST_F(LeagueScoresTest, TheRangeGivesTheDaysAndFromAfterToGivesNone) {
    LeagueScoresOptions options;
    options.toRecord = 1;
    const std::string both = page(options);
    EXPECT_NE(both.find("4/1/2003 games"), std::string::npos);
    EXPECT_NE(both.find("4/2/2003 games"), std::string::npos);
    options.fromRecord = 1;
    options.toRecord = 0;
    writeText(m_dir / "header.txt", "HEAD");
    writeText(m_dir / "footer.txt", "FOOT\r\n");
    options.headerFile = m_dir / "header.txt";
    options.footerFile = m_dir / "footer.txt";
    EXPECT_EQ(page(options), std::string("HEAD\r\n") + kOpening + "</pre></body></html>FOOT\r\n\r\n");
    options.headerFile = m_dir / "missing.txt";
    options.footerFile.clear();
    EXPECT_EQ(page(options), std::string(kOpening) + "</pre></body></html>");
}

TEST_F(LeagueScoresTest, BoxScorePagesLieBesideThePageAndOnlyGamesWithOneLinkToIt) {
    writeText(m_dir / "BoxScores.txt",
              "m2 (Day 1) at m0 (Day 1)\r\n<b>box</b>\r\nSUMMARY\r\nWin: Ben Baker\r\nEND\r\n");
    m_league->gameScores[0].games[1].set(gr::homeTeam, 1);
    m_league->gameScores[0].games[1].set(gr::visitingTeam, 1);
    LeagueScoresOptions options;
    options.boxScores = BoxScorePages::Newspaper;
    NoProgress progress;
    auto files = reports::leagueScoresFiles(*m_league, options, m_dir / "out" / "scores.htm", progress);
    ASSERT_EQ(files.size(), 2u) << "the second game has no box score";
    EXPECT_EQ(files[1].target, m_dir / "out" / "0_1.htm");
    EXPECT_EQ(files[1].text, "<HTML><pre> at m0 (Day 1)\r\n-b-box-/b-\r\nSUMMARY</PRE></HTML>\r\n");
    const std::string& text = files[0].text;
    EXPECT_NE(text.find(" BOS   3 <A HREF=0_1.htm TARGET=\"_parent\"> B</A>         W: Baker"), std::string::npos);
    EXPECT_EQ(text.find("0_2.htm"), std::string::npos) << "a link to a page that is not written";

    options.boxScores = BoxScorePages::Complete;
    files = reports::leagueScoresFiles(*m_league, options, m_dir / "scores.htm", progress);
    EXPECT_EQ(files[1].text,
              "<HTML><pre> at m0 (Day 1)\r\n-b-box-/b-\r\nSUMMARY\r\nWin: Ben Baker\r\nEND</PRE></HTML>\r\n");

    options.boxScores = BoxScorePages::None;
    EXPECT_EQ(reports::leagueScoresFiles(*m_league, options, m_dir / "scores.htm", progress).size(), 1u);
}

}  // namespace
}  // namespace zt::test

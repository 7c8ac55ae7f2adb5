// Schedule CSV files: the export's lines, a round trip, added days, and lines refused before
// anything changes.
#include <gtest/gtest.h>

#include "league/scores_file.h"
#include "season/schedule_csv.h"
#include "season_test_helpers.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

class ScheduleCsvTest : public testing::Test {
protected:
    void SetUp() override {
        LeagueShape shape;
        shape.scoreDays = 2;
        m_league = buildLeague(shape);
        m_file = m_dir / "schedule.csv";
    }

    std::unique_ptr<League> m_league;
    TempDir m_dir;
    std::filesystem::path m_file;
};

TEST_F(ScheduleCsvTest, ExportWritesTheGamesWithAHomeTeamAndTheLegend) {
    m_league->gameScores[1].games[6].set(gr::homeTeam, 3);  // AL All-Stars at home, no visitor
    EXPECT_EQ(season::scheduleCsv(*m_league),
              "Day,Game,Home Team,Vis Team\r\n"
              "1,1,0,2\r\n"
              "1,2,2,0\r\n"
              "2,1,0,2\r\n"
              "2,2,2,0\r\n"
              "2,7,3,-1\r\n"
              "*\r\n"
              "Legend\r\n"
              "0:Beans\r\n"
              "1:Winds\r\n"
              "2:Peaches\r\n"
              "3:AL All-Stars\r\n"
              "4:NL ALL-Stars\r\n");
    season::exportScheduleCsv(*m_league, m_file);
    const auto bytes = readBytes(m_file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), season::scheduleCsv(*m_league));
}

TEST_F(ScheduleCsvTest, ExportThenImportKeepsTheTeamsAndResetsTheResults) {
    season::exportScheduleCsv(*m_league, m_file);
    const auto before = m_league->gameScores;
    EXPECT_EQ(season::importScheduleCsv(*m_league, m_file), 2);
    ASSERT_EQ(m_league->gameScores.size(), before.size());
    for (std::size_t day = 0; day < before.size(); ++day) {
        for (std::size_t slot = 0; slot < GameScore::kGames; ++slot) {
            const GameResult& game = m_league->gameScores[day].games[slot];
            EXPECT_EQ(game.get(gr::homeTeam), before[day].games[slot].get(gr::homeTeam));
            EXPECT_EQ(game.get(gr::visitingTeam), before[day].games[slot].get(gr::visitingTeam));
            EXPECT_EQ(game.get(gr::homeRuns), -1);
            EXPECT_EQ(game.get(gr::visitorRuns), -1);
            for (int value = 4; value < GameResult::kValues; ++value) {
                EXPECT_EQ(game.intValue(value), 0) << "value " << value;
            }
        }
    }
    EXPECT_TRUE(m_league->changed());
}

TEST_F(ScheduleCsvTest, ImportingBeyondTheLastDayAddsDays) {
    writeText(m_file, "Day,Game,Home Team,Vis Team\r\n1,1,1,2\r\n\r\n5,15,2,4\r\n*\r\nLegend\r\n0:Beans\r\n");
    EXPECT_EQ(season::importScheduleCsv(*m_league, m_file), 5);
    ASSERT_EQ(m_league->gameScores.size(), 5u);
    EXPECT_EQ(m_league->gameScores[4].games[14].get(gr::homeTeam), 2);
    EXPECT_EQ(m_league->gameScores[4].games[14].get(gr::visitingTeam), 4);
    EXPECT_EQ(m_league->gameScores[2].games[0].get(gr::homeTeam), -1) << "an added day without games";
    EXPECT_EQ(m_league->gameScores[0].games[1].get(gr::homeTeam), -1) << "a game the file does not name";
}

struct BadLine {
    const char* name;
    const char* line;
    const char* problem;
};

class ImportRefuses : public ScheduleCsvTest, public testing::WithParamInterface<BadLine> {};

TEST_P(ImportRefuses, ABadLineNamingItAndLeavesTheScheduleAsItWas) {
    const BadLine& c = GetParam();
    writeText(m_file, std::string("Day,Game,Home Team,Vis Team\n1,3,1,2\n\n") + c.line + "\n2,1,0,1\n");
    const auto before = serialiseScoresFile(*m_league);
    EXPECT_EQ(seasonError([&] { season::importScheduleCsv(*m_league, m_file); }),
              "Line 4 of " + m_file.string() + ": " + c.problem + ". The schedule was not changed.");
    EXPECT_EQ(serialiseScoresFile(*m_league), before);
    EXPECT_FALSE(m_league->changed());
}

INSTANTIATE_TEST_SUITE_P(
    Lines,
    ImportRefuses,
    testing::Values(
        BadLine{"ThreeFields", "1,2,3", "\"1,2,3\" does not hold four numbers (day, game, home team, visiting team)"},
        BadLine{"FiveFields",
                "1,2,3,0,0",
                "\"1,2,3,0,0\" does not hold four numbers (day, game, home team, visiting team)"},
        BadLine{"NotANumber", "1,2,x,0", "'x' is not a whole number"},
        BadLine{"NotWhole", "1,2.5,1,0", "'2.5' is not a whole number"},
        BadLine{"DayZero", "0,2,1,0", "day 0 is not a day of a schedule (1 to 366)"},
        BadLine{"DayTooFar", "100000,2,1,0", "day 100000 is not a day of a schedule (1 to 366)"},
        BadLine{"GameZero", "1,0,1,0", "game 0 is not a game of a day (1 to 15)"},
        BadLine{"GameSixteen", "1,16,1,0", "game 16 is not a game of a day (1 to 15)"},
        BadLine{"NoSuchHomeTeam",
                "1,2,5,0",
                "the home team 5 is not a team of this league (0 to 2, 3 and 4 for the All-Star teams, -1 for none)"},
        BadLine{"NoSuchVisitor",
                "1,2,0,-2",
                "the visiting team -2 is not a team of this league (0 to 2, 3 and 4 for the All-Star teams, -1 for "
                "none)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScheduleCsvTest, ReadingStopsAtTheStarAndEmptyFilesAreRefused) {
    const auto games = season::parseScheduleCsv(*m_league, "caption\r\n 2 , 4 , 1 , 0 \r\n*\r\nnot,a,game\r\n", m_file);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].day, 2);
    EXPECT_EQ(games[0].game, 4);
    EXPECT_EQ(seasonError([&] { season::parseScheduleCsv(*m_league, "", m_file); }),
              "The file " + m_file.string() + " holds no schedule. The schedule was not changed.");
}

}  // namespace
}  // namespace zt::test

// The schedule window's core: days and dates, team combo values and the game summary.
#include <gtest/gtest.h>

#include "season/schedule.h"
#include "season/season_calendar.h"
#include "season_test_helpers.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

using season::Side;
using namespace std::chrono;

class ScheduleTest : public testing::Test {
protected:
    void SetUp() override {
        LeagueShape shape;
        shape.scoreDays = 3;
        m_league = buildLeague(shape);
    }
    GameResult& game(int day, int number) {
        return m_league->gameScores[static_cast<std::size_t>(day - 1)].games[static_cast<std::size_t>(number - 1)];
    }

    std::unique_ptr<League> m_league;
};

TEST_F(ScheduleTest, DaysAreDatesFromAprilFirstOfTheSeasonsYear) {
    m_league->seasonHeader.set(sh::seasonYear, 0x107D3);  // only the low 16 bits count: 2003
    EXPECT_EQ(season::dateOfDay(*m_league, 1), 2003y / April / 1);
    EXPECT_EQ(season::dateOfDay(*m_league, 31), 2003y / May / 1);
    EXPECT_EQ(season::dayOfDate(*m_league, 2003y / May / 1), 31);
    EXPECT_EQ(season::shortDateText(2003y / April / 9), "4/9/2003");
    EXPECT_EQ(season::parseIsoDate("2003-04-09"), 2003y / April / 9);
    EXPECT_EQ(season::parseIsoDate("2003-02-30"), std::nullopt);
    EXPECT_EQ(season::parseIsoDate("4/9/2003"), std::nullopt);
}

TEST_F(ScheduleTest, DayNumbersAreLimitedToTheSchedule) {
    const int days = season::scheduleDays(*m_league);
    ASSERT_EQ(days, 3);
    EXPECT_EQ(season::limitDay(0, days), 1);
    EXPECT_EQ(season::limitDay(-5, days), 1);
    EXPECT_EQ(season::limitDay(2, days), 2);
    EXPECT_EQ(season::limitDay(4, days), 3);
    EXPECT_EQ(season::limitDay(999999, days), 3);
}

TEST_F(ScheduleTest, TeamItemsStandForTheStoredValueMinusOne) {
    const auto items = season::scheduleTeamItems(*m_league);
    EXPECT_EQ(items, (std::vector<std::string>{"N/A", "BOS", "CHI", "ATL", "AL A-S", "NL A-S"}));
    EXPECT_EQ(season::scheduleTeamItem(*m_league, -1), 0);
    EXPECT_EQ(season::scheduleTeamItem(*m_league, 0), 1);
    EXPECT_EQ(season::scheduleTeamItem(*m_league, 3), 4) << "AL All-Stars: teamCount";
    EXPECT_EQ(season::scheduleTeamItem(*m_league, 4), 5) << "NL All-Stars: teamCount + 1";
    EXPECT_EQ(season::scheduleTeamItem(*m_league, 5), -1);
    EXPECT_EQ(season::scheduleTeamItem(*m_league, -2), -1);

    season::setScheduledTeam(*m_league, 2, 3, Side::Visitor, 0);
    season::setScheduledTeam(*m_league, 2, 3, Side::Home, 5);
    EXPECT_EQ(game(2, 3).get(gr::visitingTeam), -1);
    EXPECT_EQ(game(2, 3).get(gr::homeTeam), 4);
    EXPECT_TRUE(m_league->changed());
    EXPECT_EQ(seasonError([&] { season::setScheduledTeam(*m_league, 4, 1, Side::Home, 1); }),
              "There is no game 1 on day 4 of the schedule (days 1 to 3, games 1 to 15)");
}

TEST_F(ScheduleTest, AScheduleIsNeededFromTheFileAndWithDays) {
    EXPECT_NO_THROW(season::requireSchedule(*m_league));
    m_league->gameScores.clear();
    EXPECT_EQ(seasonError([&] { season::requireSchedule(*m_league); }), "No schedule file found or corrupted file");
    m_league->scoresLoaded = false;
    EXPECT_EQ(seasonError([&] { season::requireSchedule(*m_league); }), "No schedule file found or corrupted file");
}

TEST_F(ScheduleTest, TheSummaryNamesThePitchersWithTheirRecords) {
    GameResult& played = game(1, 1);
    played.set(gr::winningPitcher, 104);  // Ben Baker
    played.set(gr::winnerWins, 12.0f);
    played.set(gr::winnerLosses, 3.0f);
    played.set(gr::losingPitcher, 107);  // Cal Carver
    played.set(gr::loserWins, 4.0f);
    played.set(gr::loserLosses, 9.0f);
    played.set(gr::savingPitcher, -1);
    EXPECT_EQ(season::gameSummary(*m_league, 1, 1), "Win: Ben Baker (12-3)\nLoss: Cal Carver (4-9)");

    played.set(gr::savingPitcher, 101);
    played.set(gr::saverSaves, 21.0f);
    EXPECT_EQ(season::gameSummary(*m_league, 1, 1),
              "Win: Ben Baker (12-3)\nLoss: Cal Carver (4-9)\nSave: Al Abbott (21)");
}

TEST_F(ScheduleTest, AGameWithoutRunsHasNoSummary) {
    GameResult& shutout = game(1, 2);
    shutout.set(gr::homeRuns, 0);
    shutout.set(gr::visitorRuns, 0);
    EXPECT_EQ(season::gameSummary(*m_league, 1, 2), std::nullopt);
    shutout.set(gr::visitorRuns, 1);
    EXPECT_NE(season::gameSummary(*m_league, 1, 2), std::nullopt);
    EXPECT_EQ(season::gameSummary(*m_league, 1, 5), std::nullopt) << "an empty slot";
}

}  // namespace
}  // namespace zt::test

// Team Info: the numbers in window order, the names only in custom seasons, the team lists.
#include <gtest/gtest.h>

#include "season/team_info.h"
#include "season_test_helpers.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

using season::TeamInfoValues;

class TeamInfoTest : public testing::Test {
protected:
    void SetUp() override { m_league = buildLeague(); }
    TeamRecord& record(int team) { return m_league->team(team).record; }
    void setCustom(bool custom) {
        m_league->seasonHeader.set(sh::customSeason, static_cast<std::uint8_t>(custom ? 1 : 0));
    }

    std::unique_ptr<League> m_league;
};

TEST_F(TeamInfoTest, ShowsTheTeamsNamesAndNumbers) {
    record(1).set(tf::regularSeasonWins, 812);
    record(1).set(tf::postSeasonLosses, -3);
    const TeamInfoValues values = season::teamInfoValues(*m_league, 1);
    EXPECT_EQ(values.name, "Winds");
    EXPECT_EQ(values.city, "Chicago");
    EXPECT_EQ(values.abbreviation, "CHI");
    EXPECT_EQ(values.numbers[8], "812");  // edregw
    EXPECT_EQ(values.numbers[11], "-3");  // edpostl
}

TEST_F(TeamInfoTest, EveryNumberIsStoredInItsField) {
    TeamInfoValues values = season::teamInfoValues(*m_league, 2);
    for (std::size_t i = 0; i < values.numbers.size(); ++i) {
        values.numbers[i] = std::to_string(100 + static_cast<int>(i));
    }
    season::applyTeamInfo(*m_league, 2, values);
    for (std::size_t i = 0; i < values.numbers.size(); ++i) {
        EXPECT_EQ(record(2).getAt<std::int32_t>(season::teamInfoNumberFields()[i].offset), 100 + static_cast<int>(i))
            << season::teamInfoNumberFields()[i].control;
    }
    EXPECT_EQ(record(2).get(tf::wins), 100);
    EXPECT_EQ(record(2).get(tf::postSeasonLosses), 111);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(TeamInfoTest, ANumberThatDoesNotConvertStopsThereKeepingTheFieldsBefore) {
    TeamInfoValues values = season::teamInfoValues(*m_league, 0);
    values.numbers[0] = "7";    // Edit5
    values.numbers[1] = "8";    // Edit6
    values.numbers[2] = "3.5";  // edcs
    values.numbers[3] = "99";   // edwc, never reached
    const std::int32_t wildCards = record(0).get(tf::wildCardsWon);
    EXPECT_EQ(seasonError([&] { season::applyTeamInfo(*m_league, 0, values); }), "'3.5' is not a valid integer value");
    EXPECT_EQ(record(0).get(tf::wins), 7);
    EXPECT_EQ(record(0).get(tf::losses), 8);
    EXPECT_EQ(record(0).get(tf::wildCardsWon), wildCards);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(TeamInfoTest, NamesChangeOnlyInACustomSeasonAndTheTeamListsFollow) {
    for (const bool custom : {false, true}) {
        SCOPED_TRACE(custom ? "custom" : "not custom");
        m_league = buildLeague();
        setCustom(custom);
        TeamInfoValues values = season::teamInfoValues(*m_league, 1);
        values.name = "Thunder";
        values.city = "Memphis";
        values.completeName = "Memphis Thunder";
        values.abbreviation = "MEM";
        values.numbers[0] = "61";
        season::applyTeamInfo(*m_league, 1, values);
        EXPECT_EQ(record(1).get(tf::name), custom ? "Thunder" : "Winds");
        EXPECT_EQ(record(1).get(tf::city), custom ? "Memphis" : "Chicago");
        EXPECT_EQ(record(1).get(tf::completeName), custom ? "Memphis Thunder" : "Chicago Winds");
        EXPECT_EQ(record(1).get(tf::abbreviation), custom ? "MEM" : "CHI");
        EXPECT_EQ(record(1).get(tf::wins), 61) << "numbers change in every season";
        EXPECT_EQ(m_league->teamNameList[2], (TeamListEntry{custom ? "Thunder" : "Winds", 1}));
        EXPECT_EQ(m_league->teamAbbrevList[2], (TeamListEntry{custom ? "MEM" : "CHI", 1}));
    }
}

TEST_F(TeamInfoTest, ASixteenCharacterNameFillsItsFieldWithoutTouchingTheCity) {
    setCustom(true);
    TeamInfoValues values = season::teamInfoValues(*m_league, 0);
    values.name = "Sixteen Letters!";
    season::applyTeamInfo(*m_league, 0, values);
    const auto& bytes = record(0).bytes();
    EXPECT_EQ(std::string(bytes.begin() + 4, bytes.begin() + 20), "Sixteen Letters!");
    EXPECT_EQ(record(0).get(tf::city), "Boston");
}

TEST_F(TeamInfoTest, OkWithoutEditsChangesNoByteAndDoesNotMarkTheLeague) {
    setCustom(true);
    // The game may leave bytes after a name's end; a name left as shown keeps them.
    record(0).bytes()[4 + 6] = 0x41;
    const TeamRecord before = record(0);
    season::applyTeamInfo(*m_league, 0, season::teamInfoValues(*m_league, 0));
    EXPECT_EQ(record(0), before);
    EXPECT_FALSE(m_league->changed());
}

}  // namespace
}  // namespace zt::test

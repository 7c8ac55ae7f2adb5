// The human-controlled flag and the default team.
#include <gtest/gtest.h>

#include "players/editor_settings.h"
#include "roster_fixture.h"
#include "rosters/team_commands.h"

namespace zt::test {
namespace {

struct HumanCase {
    const char* name;
    const char* caption;
    int currentTeam;
    bool ticked;
    bool boxAfter;
    int storedAfter;  // team 1's flag; it starts at 0
};

class HumanFlagTest : public RosterTest, public ::testing::WithParamInterface<HumanCase> {};

TEST_P(HumanFlagTest, TheFlagIsStoredOnlyForATeamShownAsATeam) {
    const HumanCase& c = GetParam();
    m_league->currentPlayer = &add({.id = 10, .team = c.currentTeam});
    EXPECT_EQ(applyHumanFlag(*m_league, c.caption, c.ticked), c.boxAfter);
    EXPECT_EQ(team(1).get(tf::humanControlled), c.storedAfter);
    EXPECT_EQ(m_league->changed(), c.storedAfter != 0);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         HumanFlagTest,
                         ::testing::Values(HumanCase{"TeamTicked", "Chicago Roster", 1, true, true, 1},
                                           HumanCase{"TeamCleared", "Chicago Roster", 1, false, false, 0},
                                           HumanCase{"FreeAgentsCaption", "Free Agents", 1, true, false, 0},
                                           HumanCase{"ExportPoolCaption", "Export Pool", 1, true, false, 0},
                                           HumanCase{"FreeAgentSelected", "Search Results", 255, true, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RosterTest, ClearingTheHumanFlagIsAChangeOfTheLeague) {
    team(2).set(tf::humanControlled, 1);
    m_league->currentPlayer = &add({.id = 10, .team = 2});
    EXPECT_FALSE(applyHumanFlag(*m_league, "Atlanta Roster", false));
    EXPECT_EQ(team(2).get(tf::humanControlled), 0);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(RosterTest, TheDefaultTeamIsTheCurrentPlayersTeamWithTheCaptionShown) {
    EditorSettings settings;
    EXPECT_FALSE(makeDefaultTeam(settings, *m_league, "Nothing"));
    EXPECT_EQ(settings.defaultTeam, 255);
    EXPECT_EQ(settings.defaultTeamName, "Free Agents");

    m_league->currentPlayer = &add({.id = 10, .team = 2});
    EXPECT_TRUE(makeDefaultTeam(settings, *m_league, "Atlanta Roster"));
    EXPECT_EQ(settings.defaultTeam, 2);
    EXPECT_EQ(settings.defaultTeamName, "Atlanta Roster");
    EXPECT_FALSE(m_league->changed());
}

}  // namespace
}  // namespace zt::test

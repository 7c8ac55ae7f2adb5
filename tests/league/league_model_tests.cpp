// Lookups on the open league, its team lists and the team menus built from it.
#include <gtest/gtest.h>

#include "league/error.h"
#include "league/team_menu.h"
#include "league_test_helpers.h"
#include "support/league_builder.h"

namespace zt {
namespace {

League leagueWithPlayerIds(std::initializer_list<std::uint16_t> ids) {
    League league;
    unsigned seed = 1;
    for (const std::uint16_t id : ids) {
        league.players.push_back(std::make_unique<PlayerRecord>(test::makePlayer(id, "P", "Q", 0, seed++)));
    }
    return league;
}

TEST(LeagueLookups, FindPlayerByIdReturnsTheFirstOfDuplicates) {
    League league = leagueWithPlayerIds({5, 900, 17, 900});
    EXPECT_EQ(league.findPlayerById(900), league.players[1].get());
    EXPECT_EQ(league.findPlayerById(5), league.players[0].get());
    EXPECT_EQ(league.findPlayerById(6), nullptr);
}

TEST(LeagueLookups, NextPlayerIdFollowsTheLargest) {
    EXPECT_EQ(leagueWithPlayerIds({}).nextPlayerId(), 1u);
    EXPECT_EQ(leagueWithPlayerIds({5, 900, 17}).nextPlayerId(), 901u);
    EXPECT_EQ(leagueWithPlayerIds({0}).nextPlayerId(), 1u);
}

TEST(LeagueLookups, IsOnRosterLooksAtTheTeamsRosterIds) {
    auto league = test::buildLeague({.teams = 2});
    const PlayerRecord& first = *league->players[0];  // the builder puts it on team 0's roster
    ASSERT_EQ(league->teams[0].record.rosterId(0), first.playerId());
    EXPECT_TRUE(league->isOnRoster(first, 0));
    EXPECT_FALSE(league->isOnRoster(first, 1));
    league->teams[1].record.setRosterId(119, first.playerId());
    EXPECT_TRUE(league->isOnRoster(first, 1)) << "the last roster slot counts";
    for (const int notATeam : {-1, 2, 255}) {
        EXPECT_FALSE(league->isOnRoster(first, notATeam)) << notATeam;
    }
}

TEST(LeagueLookups, OnlyTeamNumbersOfTheLeagueNameATeam) {
    League league;
    league.teams.resize(3);
    EXPECT_EQ(&league.team(2), &league.teams[2]);
    EXPECT_EQ(league.findTeam(0), &league.teams[0]);
    for (const int notATeam : {-100000000, -1, 3, 32, 200, 255}) {
        EXPECT_EQ(league.findTeam(notATeam), nullptr) << notATeam;
        try {
            (void)league.team(notATeam);
            ADD_FAILURE() << notATeam << " was taken for a team";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Team number " + std::to_string(notATeam) + " is not a team of this league");
        }
    }
}

TEST(LeagueLookups, FindHistoryReturnsTheFirstBlockWithTheKey) {
    HistoryList list;
    list.push_back(test::makeHistory(7, 0, 0, 0, 1));
    list.push_back(test::makeHistory(3, 1, 0, 0, 2));
    list.push_back(test::makeHistory(3, 2, 0, 0, 3));
    EXPECT_EQ(findHistory(list, 3), list[1].get());
    EXPECT_EQ(findHistory(list, 4), nullptr);
    EXPECT_EQ(findHistory({}, 3), nullptr);
}

TEST(LeagueLookups, HistoryOfNoKnownPlayerIsWrittenBackUnchanged) {
    auto league = test::buildLeague();
    ASSERT_EQ(league->findPlayerById(9999), nullptr);
    league->playerHistories.insert(league->playerHistories.begin() + 1, test::makeHistory(9999, 2, 2, 2, 77));
    const StatHistory orphan = *league->playerHistories[1];

    League reread;
    parseStatsFile(serialiseStatsFile(*league), "stats.zt", reread);
    ASSERT_EQ(reread.playerHistories.size(), league->playerHistories.size());
    EXPECT_EQ(*reread.playerHistories[1], orphan);
}

TEST(LeagueLookups, TeamListsStartWithTheFreeAgents) {
    auto league = test::buildLeague({.teams = 2});
    league->teams[1].record.set(tf::name, "Comets");
    league->teams[1].record.set(tf::abbreviation, "CMT");
    league->buildTeamLists();
    const std::vector<TeamListEntry> names = {{"Free Agents", 255}, {"Beans", 0}, {"Comets", 1}};
    const std::vector<TeamListEntry> abbreviations = {{"FA", 255}, {"BOS", 0}, {"CMT", 1}};
    EXPECT_EQ(league->teamNameList, names);
    EXPECT_EQ(league->teamAbbrevList, abbreviations);
    EXPECT_EQ(league->teamName(1), "Comets");
    EXPECT_EQ(league->teamAbbrev(2), "");
}

// ---------------------------------------------------------------------------------------------

std::vector<int> teamNumbers(const TeamMenuDivision& division) {
    std::vector<int> numbers;
    for (const auto& team : division.teams) {
        numbers.push_back(team.teamNumber);
    }
    return numbers;
}

TEST(TeamMenus, DivisionsListTheirTeamsByCityIgnoringCase) {
    auto league = test::buildLeague({.teams = 1});
    league->teams.clear();
    struct Placed {
        const char* city;
        int league, division;
    };
    const Placed placed[] = {
        {"Boston", 0, 0},        // 0
        {"atlanta", 0, 0},       // 1: before Baltimore and Boston only without regard to case
        {"Chicago", 1, 2},       // 2
        {"AL All Stars", 0, 0},  // 3: never in a menu
        {"Baltimore", 0, 0},     // 4
        {"Denver", 5, 0},        // 5: a league with no menu
        {"Erie", 1, 7},          // 6: a division with no menu
        {"austin", 1, 2},        // 7
        {"NL All Stars", 1, 1},  // 8
    };
    int number = 0;
    for (const Placed& p : placed) {
        league->teams.push_back(test::makeTeam(number, p.city, "Team", "T", p.league, p.division, 0, 5));
        ++number;
    }

    const auto menus = buildTeamMenus(*league);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[0].caption, "American League");
    EXPECT_EQ(menus[1].caption, "National League");
    ASSERT_EQ(menus[0].divisions.size(), 3u);
    ASSERT_EQ(menus[1].divisions.size(), 3u);
    EXPECT_EQ(menus[0].divisions[0].caption, "East (AL)");
    EXPECT_EQ(menus[1].divisions[2].caption, "Pacific (NL)");

    EXPECT_EQ(teamNumbers(menus[0].divisions[0]), (std::vector<int>{1, 4, 0}));
    EXPECT_EQ(menus[0].divisions[0].teams[0].city, "atlanta");
    EXPECT_TRUE(menus[0].divisions[1].teams.empty());
    EXPECT_TRUE(menus[1].divisions[1].teams.empty()) << "the All-Star team is left out";
    EXPECT_EQ(teamNumbers(menus[1].divisions[2]), (std::vector<int>{7, 2}));
}

TEST(TeamMenus, SeasonWithoutLeaguesOrDivisionsHasNoMenus) {
    auto league = test::buildLeague();
    league->seasonHeader.set(sh::divisionsPerLeague, 0);
    EXPECT_TRUE(buildTeamMenus(*league).empty());
    league->seasonHeader.set(sh::divisionsPerLeague, 3);
    league->seasonHeader.set(sh::leagueCount, 0);
    EXPECT_TRUE(buildTeamMenus(*league).empty());
    league->seasonHeader.set(sh::leagueCount, 1000);  // a damaged header asks for no more than the two named
    EXPECT_EQ(buildTeamMenus(*league).size(), 2u);
}

}  // namespace
}  // namespace zt

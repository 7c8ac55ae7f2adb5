// The playoffs window's rules: which team item a game shows, and what the edits store.
#include <gtest/gtest.h>

#include "season/playoffs_view.h"
#include "season_test_helpers.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

struct ShownCase {
    const char* name;
    int home;
    int visitor;
    int homeItem;
    int visitorItem;
};

class TeamsShown : public testing::TestWithParam<ShownCase> {};

TEST_P(TeamsShown, AsTheGameHoldsThem) {
    const ShownCase& c = GetParam();
    const GameResult game = makeGame(c.home, c.visitor, 1, 2);
    EXPECT_EQ(season::playoffTeamItem(game, false), c.homeItem);
    EXPECT_EQ(season::playoffTeamItem(game, true), c.visitorItem);
}

INSTANTIATE_TEST_SUITE_P(Games,
                         TeamsShown,
                         testing::Values(ShownCase{"BothTeams", 4, 7, 5, 8},
                                         ShownCase{"HomeTeamZeroShowsNoTeams", 0, 7, 0, 0},
                                         ShownCase{"VisitingTeamZeroShowsNoTeams", 4, 0, 0, 0},
                                         ShownCase{"NoVisitor", 4, -1, 5, 0},
                                         ShownCase{"NoHomeTeam", -1, 7, 0, 8},
                                         ShownCase{"FreeAgents", 30, 2, 31, 3},
                                         ShownCase{"BeyondTheItems", 31, 2, -1, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlayoffsView, ItemsAreTheGamesFixedList) {
    const auto& items = season::playoffTeamItems();
    EXPECT_EQ(items.front(), "N/A");
    EXPECT_EQ(items[11], "ANA  ");
    EXPECT_EQ(items.back(), "FA ");
    EXPECT_EQ(season::playoffSeriesNames()[6], "World Series");
    EXPECT_EQ(season::playoffRunsText(-1), "");
    EXPECT_EQ(season::playoffRunsText(0), "0");
}

TEST(PlayoffsView, TeamItemsStoreTheirValue) {
    auto league = buildLeague();
    season::setPlayoffTeam(*league, 2, 1, false, 31);  // "FA "
    season::setPlayoffTeam(*league, 2, 1, true, 0);    // "N/A"
    EXPECT_EQ(league->playoffSeries[2].games[1].get(gr::homeTeam), 30);
    EXPECT_EQ(league->playoffSeries[2].games[1].get(gr::visitingTeam), -1);
    EXPECT_TRUE(league->changed());
}

TEST(PlayoffsView, RunsEditsStoreOnlyWholeNumbers) {
    auto league = buildLeague();
    GameResult& game = league->playoffSeries[0].games[0];
    game.set(gr::homeRuns, 4);
    struct Typed {
        const char* text;
        bool stored;
        std::int32_t runs;
    };
    for (const Typed& typed : {Typed{"7", true, 7},
                               Typed{"", false, 7},
                               Typed{"0", true, 0},
                               Typed{"12x", false, 0},
                               Typed{"99999999999", false, 0},
                               Typed{"15", true, 15}}) {
        EXPECT_EQ(season::setPlayoffRuns(*league, 0, 0, false, typed.text), typed.stored) << typed.text;
        EXPECT_EQ(game.get(gr::homeRuns), typed.runs) << typed.text;
    }
    EXPECT_TRUE(season::setPlayoffRuns(*league, 0, 0, true, "3"));
    EXPECT_EQ(game.get(gr::visitorRuns), 3);
}

TEST(PlayoffsView, TheWindowNeedsThePlayoffsFile) {
    auto league = buildLeague();
    EXPECT_NO_THROW(season::requirePlayoffs(*league));
    league->playoffsLoaded = false;
    EXPECT_EQ(seasonError([&] { season::requirePlayoffs(*league); }), "No playoffs file found or corrupted file");
}

}  // namespace
}  // namespace zt::test

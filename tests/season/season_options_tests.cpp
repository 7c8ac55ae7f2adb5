// League Options: what the window shows and the order in which Apply stores it.
#include <gtest/gtest.h>

#include "season/season_options.h"
#include "season_test_helpers.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

using season::SeasonOptionsValues;

class SeasonOptionsTest : public testing::Test {
protected:
    void SetUp() override {
        m_league = buildLeague();
        SeasonHeader& header = m_league->seasonHeader;
        header.set(sh::seasonYear, 2003);
        header.set(sh::seasonGames, std::uint8_t{162});
        header.set(sh::seasonDay, std::uint16_t{40});
        header.set(sh::dhRule, 1);
        header.set(sh::dhRuleCopy, std::uint8_t{1});
        header.set(sh::inningsRule, 9);
        header.set(sh::customSeason, std::uint8_t{1});
    }
    const SeasonHeader& header() const { return m_league->seasonHeader; }

    std::unique_ptr<League> m_league;
};

TEST_F(SeasonOptionsTest, ShowsTheSettingsAndNames) {
    const SeasonOptionsValues values = season::seasonOptionsValues(*m_league);
    EXPECT_EQ(values.year, 2003);
    EXPECT_EQ(values.games, "162");
    EXPECT_EQ(values.day, "40");
    EXPECT_EQ(values.dhItem, 1);
    EXPECT_EQ(values.inningsItem, 8);
    EXPECT_EQ(values.names[0], "American League");
    EXPECT_EQ(values.names[4], "West");  // l1div3: division 2
    EXPECT_EQ(values.names[6], "NL");
    EXPECT_EQ(season::dhItemCaptions(values.names[0], values.names[5]),
              (std::array<std::string, 4>{"National League only", "American League only", "Both", "None"}));
}

TEST_F(SeasonOptionsTest, OutOfRangeRulesShowNoItem) {
    m_league->seasonHeader.set(sh::inningsRule, 0);
    m_league->seasonHeader.set(sh::dhRule, 7);
    const SeasonOptionsValues values = season::seasonOptionsValues(*m_league);
    EXPECT_EQ(values.inningsItem, -1);
    EXPECT_EQ(values.dhItem, -1);
}

struct StoredCase {
    const char* name;
    int dhItem;
    int inningsItem;
    const char* games;
    std::int32_t dhStored;
    std::int32_t inningsStored;
    std::uint8_t gamesStored;
};

class ApplyStores : public SeasonOptionsTest, public testing::WithParamInterface<StoredCase> {};

TEST_P(ApplyStores, TheRulesAndTheGamesInTheirBytes) {
    const StoredCase& c = GetParam();
    m_league->seasonHeader.set(sh::inningsRule, 0);
    SeasonOptionsValues values = season::seasonOptionsValues(*m_league);
    values.dhItem = c.dhItem;
    values.inningsItem = c.inningsItem;
    values.games = c.games;
    season::applySeasonOptions(*m_league, values);
    EXPECT_EQ(header().get(sh::dhRule), c.dhStored);
    EXPECT_EQ(header().get(sh::dhRuleCopy), static_cast<std::uint8_t>(c.dhStored));
    EXPECT_EQ(header().get(sh::inningsRule), c.inningsStored);
    EXPECT_EQ(header().get(sh::seasonGames), c.gamesStored);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         ApplyStores,
                         testing::Values(StoredCase{"None", 3, 8, "162", 3, 9, 162},
                                         StoredCase{"Both", 2, 0, "100", 2, 1, 100},
                                         StoredCase{"GamesKeepTheirLow8Bits", 0, 4, "300", 0, 5, 44},
                                         StoredCase{"NegativeGames", 0, 4, "-1", 0, 5, 255},
                                         StoredCase{"NoInningsItemKeepsZero", 1, -1, "162", 1, 0, 162},
                                         StoredCase{"NoDhItemKeepsTheRule", -1, 2, "162", 1, 3, 162}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SeasonOptionsTest, ApplyStoresInOrderAndStopsAtTheGames) {
    SeasonOptionsValues values = season::seasonOptionsValues(*m_league);
    values.year = 2010;
    values.names[0] = "Senior Circuit";
    values.games = "many";
    values.dhItem = 3;
    values.day = "5";
    EXPECT_EQ(seasonError([&] { season::applySeasonOptions(*m_league, values); }),
              "'many' is not a valid integer value");
    EXPECT_EQ(header().get(sh::seasonYear), 2010);
    EXPECT_EQ(m_league->leagueNames[0].get(LeagueNames::name), "Senior Circuit");
    EXPECT_EQ(header().get(sh::dhRule), 1) << "stored after the games";
    EXPECT_EQ(header().get(sh::seasonDay), 40);
    EXPECT_TRUE(m_league->changed());
}

TEST_F(SeasonOptionsTest, TheDayIsStoredLastInSixteenBits) {
    SeasonOptionsValues values = season::seasonOptionsValues(*m_league);
    values.dhItem = 2;
    values.day = "x";
    EXPECT_EQ(seasonError([&] { season::applySeasonOptions(*m_league, values); }), "'x' is not a valid integer value");
    EXPECT_EQ(header().get(sh::dhRule), 2);
    values.day = "65537";
    season::applySeasonOptions(*m_league, values);
    EXPECT_EQ(header().get(sh::seasonDay), 1);
}

TEST_F(SeasonOptionsTest, NamesChangeOnlyInACustomSeasonAndKeepTheirBytesWhenUnchanged) {
    m_league->seasonHeader.set(sh::customSeason, std::uint8_t{0});
    const auto namesBefore = m_league->leagueNames;
    SeasonOptionsValues values = season::seasonOptionsValues(*m_league);
    values.names[2] = "Eastern";
    values.games = "150";
    season::applySeasonOptions(*m_league, values);
    EXPECT_EQ(m_league->leagueNames, namesBefore) << "the pattern bytes after each name survive too";
    EXPECT_EQ(header().get(sh::seasonGames), 150);

    m_league->seasonHeader.set(sh::customSeason, std::uint8_t{1});
    season::applySeasonOptions(*m_league, values);
    EXPECT_EQ(m_league->leagueNames[0].divisionName(0), "Eastern");
    EXPECT_EQ(m_league->leagueNames[1], namesBefore[1]);
}

}  // namespace
}  // namespace zt::test

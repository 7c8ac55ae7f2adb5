#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "league/error.h"
#include "league/player_fields.h"
#include "players/player_search.h"
#include "players/value_format.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"

namespace zt::test {
namespace {

// Two teams of four players (indexes 0-3 on team 0 "AB1", 4-7 on team 1 "AB2") and two free
// agents (8, 9). Every field a case compares is set explicitly for every player, so the
// pattern bytes of the builder never decide a result.
std::unique_ptr<League> searchLeague() {
    LeagueShape shape;
    shape.teams = 2;
    shape.playersPerTeam = 4;
    shape.freeAgents = 2;
    auto league = buildLeague(shape);
    league->teams[0].record.set(tf::abbreviation, "AB1");
    league->teams[1].record.set(tf::abbreviation, "AB2");
    for (std::size_t i = 0; i < league->players.size(); ++i) {
        auto& player = *league->players[i];
        player.set(pf::uniformNumber, static_cast<std::uint8_t>(10 + i));
        player.set(pf::position, static_cast<std::uint8_t>(1 + i % 10));
        player.set(pf::age, static_cast<std::uint8_t>(20 + i));
        player.set(pf::batAB, 100.0f);
        player.set(pf::batHits, 25.0f);
        player.set(pf::pitAB, 0.0f);
        player.set(pf::avgVsL, 0.25f);
        player.set(pf::level, std::uint8_t{0});
    }
    league->currentPlayer = league->players[0].get();
    return league;
}

PlayerRecord& player(League& league, int index) {
    return *league.players.at(static_cast<std::size_t>(index));
}

int fieldIndex(std::string_view caption) {
    const auto fields = searchFields();
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.caption == caption; });
    if (it == fields.end()) {
        ADD_FAILURE() << "no search field " << caption;
        return -1;
    }
    return static_cast<int>(it - fields.begin());
}

const SearchField& field(std::string_view caption) {
    return searchFields()[static_cast<std::size_t>(fieldIndex(caption))];
}

AdvancedSearchCriteria criteria(std::string_view caption, SearchComparison comparison, std::string value) {
    AdvancedSearchCriteria c;
    c.field = fieldIndex(caption);
    c.comparison = comparison;
    c.value = std::move(value);
    return c;
}

std::vector<int> indexesOf(const SearchResults& results) {
    std::vector<int> indexes;
    for (const auto& row : results.rows) {
        indexes.push_back(row.playerIndex);
    }
    return indexes;
}

std::vector<std::string> column3Of(const SearchResults& results) {
    std::vector<std::string> texts;
    for (const auto& row : results.rows) {
        texts.push_back(row.texts[kGridLevelColumn]);
    }
    return texts;
}

// ---- the field list ------------------------------------------------------------------------

TEST(SearchFields, CaptionsInListOrder) {
    const std::vector<std::string_view> expected = {"Position",
                                                    "Bats",
                                                    "Throws",
                                                    "Age",
                                                    "Avg",
                                                    "2B",
                                                    "3B",
                                                    "Homeruns",
                                                    "Walks",
                                                    "So",
                                                    "Avg Vs L",
                                                    "Avg Vs R",
                                                    "Obp Vs L",
                                                    "Obp Vs R",
                                                    "Slg Vs L",
                                                    "Slg Vs R",
                                                    "Pull",
                                                    "Middle",
                                                    "Opp Field",
                                                    "Ground % (b)",
                                                    "Opp. Total Avg",
                                                    "Opp. 2B",
                                                    "Opp. 3B",
                                                    "Opp. Hrs",
                                                    "Opp. Walks",
                                                    "Opp. So",
                                                    "So/Ab",
                                                    "Endurance",
                                                    "Ground % (p)",
                                                    "Fatigue",
                                                    "Arm Rating",
                                                    "Run Speed",
                                                    "Infield Range",
                                                    "Outfield Range",
                                                    "Fielding %",
                                                    "Level",
                                                    "Batting Stance",
                                                    "Pitching Style",
                                                    "Fam P",
                                                    "Fam C",
                                                    "Fam 1B",
                                                    "Fam 2B",
                                                    "Fam 3B",
                                                    "Fam SS",
                                                    "Fam LF",
                                                    "Fam CF",
                                                    "Fam RF",
                                                    "Days on DL",
                                                    "Suspension Days",
                                                    "Number",
                                                    "Star R",
                                                    "Prosp R",
                                                    "Peak"};
    std::vector<std::string_view> captions;
    for (const auto& f : searchFields()) {
        captions.push_back(f.caption);
    }
    EXPECT_EQ(captions, expected);
}

// Record fields of every storage type are read with their sign and width.
struct StoredCase {
    std::string_view caption;
    std::function<void(PlayerRecord&)> store;
    double expected;
};

void PrintTo(const StoredCase& c, std::ostream* os) {
    *os << c.caption;
}

class SearchFieldStoredValue : public ::testing::TestWithParam<StoredCase> {};

TEST_P(SearchFieldStoredValue, ReadsTheStoredValue) {
    PlayerRecord p = makePlayer(1, "Name", "First", 0, 7);
    GetParam().store(p);
    const auto value = searchFieldValue(field(GetParam().caption), p);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fields,
    SearchFieldStoredValue,
    ::testing::Values(
        StoredCase{"Peak", [](PlayerRecord& p) { p.set(pf::peakShift, std::int8_t{-3}); }, -3.0},
        StoredCase{"Days on DL", [](PlayerRecord& p) { p.set(pf::daysOut, std::uint16_t{300}); }, 300.0},
        StoredCase{"Suspension Days", [](PlayerRecord& p) { p.set(pf::suspensionDays, std::uint16_t{12}); }, 12.0},
        StoredCase{"Pitching Style", [](PlayerRecord& p) { p.set(pf::delivery, std::uint8_t{4}); }, 4.0},
        StoredCase{"Number", [](PlayerRecord& p) { p.set(pf::uniformNumber, std::uint8_t{99}); }, 99.0},
        StoredCase{"Obp Vs R", [](PlayerRecord& p) { p.set(pf::obpVsR, 0.375f); }, 0.375},
        StoredCase{"Prosp R", [](PlayerRecord& p) { p.set(pf::prospectRating, 7.5f); }, 7.5},
        StoredCase{"Avg",
                   [](PlayerRecord& p) {
                       p.set(pf::batHits, 30.0f);
                       p.set(pf::batAB, 120.0f);
                   },
                   0.25},
        StoredCase{"Opp. Total Avg",
                   [](PlayerRecord& p) {
                       p.set(pf::pitHits, 50.0f);
                       p.set(pf::pitAB, 200.0f);
                   },
                   0.25},
        StoredCase{"So/Ab",
                   [](PlayerRecord& p) {
                       p.set(pf::pitStrikeouts, 40.0f);
                       p.set(pf::pitAB, 160.0f);
                   },
                   0.25},
        StoredCase{"Fatigue", [](PlayerRecord& p) { p.set(pf::fatigue, 0.25f); }, 25.0},
        StoredCase{"Fam P", [](PlayerRecord& p) { p.setFamiliarity(0, 0.5f); }, 0.5},
        StoredCase{"Fam SS", [](PlayerRecord& p) { p.setFamiliarity(5, 0.75f); }, 0.75},
        StoredCase{"Fam RF", [](PlayerRecord& p) { p.setFamiliarity(8, 0.125f); }, 0.125}),
    [](const auto& info) {
        std::string name;
        for (const char c : info.param.caption) {
            if (std::isalnum(static_cast<unsigned char>(c))) {
                name += c;
            }
        }
        return name;
    });

// A ratio without at-bats has no value: such players are never listed, whatever the comparison.
TEST(AdvancedSearch, RatiosSkipPlayersWithoutAtBats) {
    auto league = searchLeague();
    player(*league, 2).set(pf::batAB, 0.0f);
    player(*league, 2).set(pf::batHits, 0.0f);
    const auto results = advancedSearch(*league, criteria("Avg", SearchComparison::NotBelow, "0"));
    EXPECT_EQ(indexesOf(results), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9}));
    // Nobody has pitched, so an opponents' average exists for nobody.
    EXPECT_TRUE(advancedSearch(*league, criteria("Opp. Total Avg", SearchComparison::NotBelow, "0")).rows.empty());
    EXPECT_TRUE(advancedSearch(*league, criteria("So/Ab", SearchComparison::Below, "1")).rows.empty());
}

// ---- comparisons ---------------------------------------------------------------------------

struct ComparisonCase {
    SearchComparison comparison;
    std::vector<int> expected;  // players aged 20 + index; the value typed is 23
};

std::string comparisonName(SearchComparison comparison) {
    switch (comparison) {
        case SearchComparison::Equal:
            return "Equal";
        case SearchComparison::Below:
            return "Below";
        case SearchComparison::Above:
            return "Above";
        case SearchComparison::NotAbove:
            return "NotAbove";
        case SearchComparison::NotBelow:
            return "NotBelow";
    }
    return "Unknown";
}

void PrintTo(const ComparisonCase& c, std::ostream* os) {
    *os << comparisonName(c.comparison);
}

class AdvancedSearchComparison : public ::testing::TestWithParam<ComparisonCase> {};

TEST_P(AdvancedSearchComparison, ComparesAtTheBoundary) {
    auto league = searchLeague();
    const auto results = advancedSearch(*league, criteria("Age", GetParam().comparison, "23"));
    EXPECT_EQ(indexesOf(results), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Operators,
                         AdvancedSearchComparison,
                         ::testing::Values(ComparisonCase{SearchComparison::Equal, {3}},
                                           ComparisonCase{SearchComparison::Below, {0, 1, 2}},
                                           ComparisonCase{SearchComparison::Above, {4, 5, 6, 7, 8, 9}},
                                           ComparisonCase{SearchComparison::NotAbove, {0, 1, 2, 3}},
                                           ComparisonCase{SearchComparison::NotBelow, {3, 4, 5, 6, 7, 8, 9}}),
                         [](const auto& info) { return comparisonName(info.param.comparison); });

TEST(AdvancedSearch, ComparisonItemsInListOrder) {
    const auto& items = searchComparisonItems();
    EXPECT_EQ(std::vector<std::string_view>(items.begin(), items.end()),
              (std::vector<std::string_view>{"=", "<", ">", "<=", ">="}));
}

// A stored single-precision 0.3 is a little above 0.3: "=" finds nothing, ">" finds it.
TEST(AdvancedSearch, DecimalValuesCompareExactly) {
    auto league = searchLeague();
    for (auto& p : league->players) {
        p->set(pf::avgVsL, 0.2f);
    }
    player(*league, 5).set(pf::avgVsL, 0.3f);
    EXPECT_TRUE(advancedSearch(*league, criteria("Avg Vs L", SearchComparison::Equal, "0.3")).rows.empty());
    EXPECT_EQ(advancedSearch(*league, criteria("Avg Vs L", SearchComparison::NotAbove, ".3")).rows.size(), 9u);
    EXPECT_EQ(indexesOf(advancedSearch(*league, criteria("Avg Vs L", SearchComparison::Above, "0.3"))),
              (std::vector<int>{5}));
    // A value exactly representable is found by "=".
    player(*league, 5).set(pf::avgVsL, 0.375f);
    EXPECT_EQ(indexesOf(advancedSearch(*league, criteria("Avg Vs L", SearchComparison::Equal, "0.375"))),
              (std::vector<int>{5}));
}

// ---- filters -------------------------------------------------------------------------------

struct PositionCase {
    int item;
    std::vector<int> expected;  // player i plays position 1 + i % 10
};

void PrintTo(const PositionCase& c, std::ostream* os) {
    *os << searchPositionItems()[static_cast<std::size_t>(c.item)];
}

class AdvancedSearchPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(AdvancedSearchPosition, KeepsThePositionsOfTheItem) {
    auto league = searchLeague();
    auto c = criteria("Age", SearchComparison::NotBelow, "0");
    c.positionFilter = GetParam().item;
    EXPECT_EQ(indexesOf(advancedSearch(*league, c)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Items,
                         AdvancedSearchPosition,
                         ::testing::Values(PositionCase{kAllPositions, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                           PositionCase{kPitchersOnly, {0}},
                                           PositionCase{kFieldersOnly, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
                                           PositionCase{3, {1}},    // C
                                           PositionCase{4, {2}},    // 1B
                                           PositionCase{7, {5}},    // SS
                                           PositionCase{10, {8}},   // RF
                                           PositionCase{11, {9}}),  // DH
                         [](const auto& info) { return "Item" + std::to_string(info.param.item); });

TEST(AdvancedSearch, PositionAndTeamItemsInListOrder) {
    const auto& positions = searchPositionItems();
    EXPECT_EQ(
        std::vector<std::string_view>(positions.begin(), positions.end()),
        (std::vector<std::string_view>{
            "All Positions", "Pitchers only", "Fielders only", "C", "1B", "2B", "3B", "SS", "LF", "CF", "RF", "DH"}));
    const auto& teams = searchTeamItems();
    EXPECT_EQ(std::vector<std::string_view>(teams.begin(), teams.end()),
              (std::vector<std::string_view>{"All Teams", "Current Team"}));
}

TEST(AdvancedSearch, PitchersYoungerThan25) {
    auto league = searchLeague();
    // Pitchers at 0, 4 and 8 (ages 20, 24, 26 after the changes below) and a young fielder.
    player(*league, 4).set(pf::position, std::uint8_t{1});
    player(*league, 8).set(pf::position, std::uint8_t{1});
    player(*league, 8).set(pf::age, std::uint8_t{26});
    auto c = criteria("Age", SearchComparison::Below, "25");
    c.positionFilter = kPitchersOnly;
    EXPECT_EQ(indexesOf(advancedSearch(*league, c)), (std::vector<int>{0, 4}));
}

TEST(AdvancedSearch, CurrentTeamKeepsThePlayersOfTheCurrentPlayersTeam) {
    auto league = searchLeague();
    auto c = criteria("Age", SearchComparison::NotBelow, "0");
    c.currentTeamOnly = true;
    league->currentPlayer = league->players[5].get();
    EXPECT_EQ(indexesOf(advancedSearch(*league, c)), (std::vector<int>{4, 5, 6, 7}));
    league->currentPlayer = league->players[9].get();
    EXPECT_EQ(indexesOf(advancedSearch(*league, c)), (std::vector<int>{8, 9}));
    // No current player, no current team: nobody is listed, and nothing fails.
    league->currentPlayer = nullptr;
    EXPECT_TRUE(advancedSearch(*league, c).rows.empty());
}

TEST(AdvancedSearch, FiltersCombine) {
    auto league = searchLeague();
    auto c = criteria("Age", SearchComparison::Above, "21");
    c.currentTeamOnly = true;
    c.positionFilter = kFieldersOnly;
    EXPECT_EQ(indexesOf(advancedSearch(*league, c)), (std::vector<int>{2, 3}));
}

// ---- the value column ----------------------------------------------------------------------

TEST(AdvancedSearch, WithoutTheOptionTheFourthColumnShowsTheTeam) {
    auto league = searchLeague();
    player(*league, 3).set(pf::teamIndex, std::uint8_t{50});  // team numbers from 50 on read as free agents
    player(*league, 2).set(pf::teamIndex, std::uint8_t{7});   // a number naming no team shows nothing
    const auto results = advancedSearch(*league, criteria("Age", SearchComparison::Below, "26"));
    EXPECT_EQ(column3Of(results), (std::vector<std::string>{"AB1", "AB1", "", "FA", "AB2", "AB2"}));
    EXPECT_EQ(results.columnHeader, "Team");
    // Team abbreviations are words: the column keeps its text sort.
    EXPECT_FALSE(results.numericColumn);
}

struct ValueColumnCase {
    std::string_view caption;
    std::function<void(PlayerRecord&)> store;
    std::string expected;
};

void PrintTo(const ValueColumnCase& c, std::ostream* os) {
    *os << c.caption << " -> \"" << c.expected << '"';
}

class AdvancedSearchValueColumn : public ::testing::TestWithParam<ValueColumnCase> {};

TEST_P(AdvancedSearchValueColumn, ShowsTheValueInTheFieldsStyle) {
    auto league = searchLeague();
    GetParam().store(player(*league, 0));
    auto c = criteria(GetParam().caption, SearchComparison::NotBelow, "-1000");
    c.valueColumn = true;
    c.currentTeamOnly = true;
    c.positionFilter = kPitchersOnly;  // player 0 only
    const auto results = advancedSearch(*league, c);
    ASSERT_EQ(indexesOf(results), (std::vector<int>{0}));
    EXPECT_EQ(results.rows[0].texts[kGridLevelColumn], GetParam().expected);
    EXPECT_EQ(results.columnHeader, GetParam().caption);
    EXPECT_EQ(results.numericColumn, !isTextStyle(field(GetParam().caption).style));
}

template <class Field, class T>
std::function<void(PlayerRecord&)> store(Field f, T value) {
    return [f, value](PlayerRecord& p) { p.set(f, value); };
}

INSTANTIATE_TEST_SUITE_P(
    Styles,
    AdvancedSearchValueColumn,
    ::testing::Values(ValueColumnCase{"Level", store(pf::level, std::uint8_t{0}), "ML"},
                      ValueColumnCase{"Level", store(pf::level, std::uint8_t{1}), "AAA"},
                      ValueColumnCase{"Level", store(pf::level, std::uint8_t{2}), "AA"},
                      ValueColumnCase{"Level", store(pf::level, std::uint8_t{3}), "A"},
                      ValueColumnCase{"Level", store(pf::level, std::uint8_t{7}), "DL"},
                      ValueColumnCase{"Level", store(pf::level, std::uint8_t{6}), "Inactive List "},
                      ValueColumnCase{"Level", store(pf::level, std::uint8_t{9}), ""},
                      ValueColumnCase{"Position", [](PlayerRecord&) {}, "P"},
                      ValueColumnCase{"Bats", store(pf::bats, std::uint8_t{2}), "Switch"},
                      ValueColumnCase{"Throws", store(pf::throws, std::uint8_t{0}), "Left"},
                      ValueColumnCase{"Age", store(pf::age, std::uint8_t{31}), "31"},
                      ValueColumnCase{"2B", store(pf::batDoubles, 12.5f), "12"},  // whole, half to even
                      ValueColumnCase{"3B", store(pf::batTriples, 13.5f), "14"},
                      ValueColumnCase{"Peak", store(pf::peakShift, std::int8_t{-2}), "-2"},
                      ValueColumnCase{"Avg", [](PlayerRecord&) {}, "0.25"},  // 25 / 100, shortest form
                      ValueColumnCase{"Avg Vs L", store(pf::avgVsL, 0.3f), "0.3"},
                      ValueColumnCase{"Slg Vs R", store(pf::slgVsR, 0.4567f), "0.457"},
                      ValueColumnCase{"Pull", store(pf::pullPct, 0.456f), "0.46"},
                      ValueColumnCase{"Endurance", store(pf::endurance, 7.0f), "7"},
                      ValueColumnCase{"Fatigue", store(pf::fatigue, 0.1234f), "12.34"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// The value texts agree with the editor's number texts for every kind of value: halves,
// negatives, values below the last decimal, large and non-finite values.
TEST(SearchValueText, MatchesTheEditorsRoundedTexts) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  0.5,
                                  1.5,
                                  2.5,
                                  -2.5,
                                  0.125,
                                  0.0005,
                                  0.0015,
                                  -0.004,
                                  0.004,
                                  1e14,
                                  1e15,
                                  2.5e15,
                                  1e300,
                                  -1e300,
                                  123.456789,
                                  std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    for (int i = -3000; i <= 3000; ++i) {
        values.push_back(i * 0.0137);
        values.push_back(static_cast<double>(static_cast<float>(i * 0.001)));
        values.push_back(i * 1234.5);
    }
    for (const double v : values) {
        EXPECT_EQ(searchValueText(field("Age"), v), formatWhole(v)) << v;
        EXPECT_EQ(searchValueText(field("Pull"), v), formatDecimals(v, 2)) << v;
        EXPECT_EQ(searchValueText(field("Avg"), v), formatDecimals(v, 3)) << v;
    }
}

// With values in it the fourth column sorts by number, as the grid sorts it while searching.
TEST(AdvancedSearch, NumericValueColumnSortsByValue) {
    auto league = searchLeague();
    const std::array<std::uint8_t, 4> numbers = {100, 9, 10, 2};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        player(*league, static_cast<int>(i)).set(pf::uniformNumber, numbers[i]);
    }
    auto c = criteria("Number", SearchComparison::NotBelow, "0");
    c.valueColumn = true;
    c.currentTeamOnly = true;
    auto results = advancedSearch(*league, c);
    ASSERT_TRUE(results.numericColumn);
    sortRows(results.rows, kGridLevelColumn, SortOrder::Ascending, results.numericColumn);
    EXPECT_EQ(column3Of(results), (std::vector<std::string>{"2", "9", "10", "100"}));
    // The same texts sorted as words would put "10" and "100" before "2".
    sortRows(results.rows, kGridLevelColumn, SortOrder::Ascending, false);
    EXPECT_EQ(column3Of(results), (std::vector<std::string>{"10", "100", "2", "9"}));
}

TEST(AdvancedSearch, ExportPoolMembersKeepTheirMark) {
    auto league = searchLeague();
    league->exportPool.push_back({league->players[1].get(), nullptr});
    const auto results = advancedSearch(*league, criteria("Age", SearchComparison::Below, "23"));
    ASSERT_EQ(results.rows.size(), 3u);
    EXPECT_EQ(results.rows[0].texts[kGridNumberColumn], "10");
    EXPECT_FALSE(results.rows[0].inExportPool);
    EXPECT_EQ(results.rows[1].texts[kGridNumberColumn], "*11");
    EXPECT_TRUE(results.rows[1].inExportPool);
}

// ---- bad values and messages ---------------------------------------------------------------

TEST(AdvancedSearch, ValueThatIsNoNumberEndsTheSearchWithTheConversionMessage) {
    auto league = searchLeague();
    try {
        advancedSearch(*league, criteria("Age", SearchComparison::Equal, "2O"));
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'2O' is not a valid floating point value");
    }
    EXPECT_THROW(advancedSearch(*league, criteria("Age", SearchComparison::Equal, "")), Error);
}

// The value is read when the first player is compared; when the filters leave nobody to
// compare, the search simply finds nothing.
TEST(AdvancedSearch, ValueIsNotReadWhenNobodyIsCompared) {
    auto league = searchLeague();
    league->currentPlayer = nullptr;
    auto c = criteria("Age", SearchComparison::Equal, "abc");
    c.currentTeamOnly = true;
    ScriptedInteraction interaction;
    EXPECT_TRUE(runAdvancedSearch(*league, c, interaction).rows.empty());
    EXPECT_EQ(interaction.texts(),
              (std::vector<std::string>{"No player has met the selecion criteria or a setting is missing"}));
}

TEST(AdvancedSearch, ReportsTheCountOrThatNobodyMatched) {
    auto league = searchLeague();
    ScriptedInteraction found;
    EXPECT_EQ(runAdvancedSearch(*league, criteria("Age", SearchComparison::Below, "24"), found).rows.size(), 4u);
    ASSERT_EQ(found.shown().size(), 1u);
    EXPECT_EQ(found.shown()[0].kind, ScriptedInteraction::Shown::Kind::Information);
    EXPECT_EQ(found.shown()[0].text, "4 players have met the selection criteria");

    ScriptedInteraction none;
    EXPECT_TRUE(runAdvancedSearch(*league, criteria("Age", SearchComparison::Above, "200"), none).rows.empty());
    ASSERT_EQ(none.shown().size(), 1u);
    EXPECT_EQ(none.shown()[0].kind, ScriptedInteraction::Shown::Kind::Warning);
    EXPECT_EQ(none.shown()[0].text, "No player has met the selecion criteria or a setting is missing");
}

TEST(AdvancedSearch, CriteriaNamingNoItemFindNobody) {
    auto league = searchLeague();
    auto badField = criteria("Age", SearchComparison::NotBelow, "0");
    badField.field = static_cast<int>(kSearchFieldCount);
    EXPECT_TRUE(advancedSearch(*league, badField).rows.empty());
    badField.field = -1;
    EXPECT_TRUE(advancedSearch(*league, badField).rows.empty());
    auto badPosition = criteria("Age", SearchComparison::NotBelow, "0");
    badPosition.positionFilter = 12;
    EXPECT_TRUE(advancedSearch(*league, badPosition).rows.empty());
}

// ---- simple search -------------------------------------------------------------------------

TEST(SimpleSearch, EmptyTextTakesEveryPlayer) {
    auto league = searchLeague();
    const auto results = simpleSearch(*league, "");
    EXPECT_EQ(indexesOf(results), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(results.columnHeader, "Team");
    EXPECT_FALSE(results.numericColumn);
}

TEST(SimpleSearch, MatchesTheBeginningOfTheLastNameWithoutRegardToCase) {
    auto league = searchLeague();
    player(*league, 1).set(pf::lastName, "McAdams");
    player(*league, 4).set(pf::lastName, "MCCOY");
    player(*league, 6).set(pf::lastName, "Mc");
    player(*league, 7).set(pf::lastName, "Amcmc");
    player(*league, 9).set(pf::lastName, "mcintyre");
    EXPECT_EQ(indexesOf(simpleSearch(*league, "mc")), (std::vector<int>{1, 4, 6, 9}));
    EXPECT_EQ(indexesOf(simpleSearch(*league, "MCC")), (std::vector<int>{4}));
    // A text longer than the name matches nothing.
    EXPECT_TRUE(simpleSearch(*league, "Mcx").rows.empty());
    EXPECT_TRUE(simpleSearch(*league, "Mca ").rows.empty());
}

TEST(SimpleSearch, AccentedLettersOfTheLeagueTextFoldToo) {
    auto league = searchLeague();
    player(*league, 2).set(pf::lastName, "\xC9lie");  // Élie in the league's single-byte text
    player(*league, 3)
        .set(pf::lastName,
             "\x8A"
             "ega");  // Šega
    EXPECT_EQ(indexesOf(simpleSearch(*league, "\xE9l")), (std::vector<int>{2}));
    EXPECT_EQ(indexesOf(simpleSearch(*league, "\x9A")), (std::vector<int>{3}));
    // Multiplication sign and division sign are not a letter pair.
    player(*league, 5).set(pf::lastName, "\xD7x");
    EXPECT_TRUE(simpleSearch(*league, "\xF7").rows.empty());
}

TEST(SimpleSearch, RowsShowNumberNameTeamAndIndex) {
    auto league = searchLeague();
    player(*league, 5).set(pf::lastName, "Ruiz");
    player(*league, 5).set(pf::firstName, "Tomas");
    player(*league, 9).set(pf::lastName, "Ruizo");
    player(*league, 9).set(pf::firstName, "Ana");
    const auto results = simpleSearch(*league, "ruiz");
    ASSERT_EQ(results.rows.size(), 2u);
    PlayerGridRow expected;
    expected.texts = {"15", "Ruiz , Tomas", "SS", "AB2"};
    expected.playerIndex = 5;
    EXPECT_EQ(results.rows[0], expected);
    expected.texts = {"19", "Ruizo , Ana", "DH", "FA"};
    expected.playerIndex = 9;
    EXPECT_EQ(results.rows[1], expected);
}

TEST(SimpleSearch, NoMatchGivesNoRow) {
    auto league = searchLeague();
    EXPECT_TRUE(simpleSearch(*league, "Zz").rows.empty());
}

TEST(SearchMessages, CountMessage) {
    EXPECT_EQ(searchResultMessage(1), "1 players have met the selection criteria");
    EXPECT_EQ(searchResultMessage(20000), "20000 players have met the selection criteria");
    EXPECT_EQ(kSearchResultsCaption, "Search Results");
}

}  // namespace
}  // namespace zt::test

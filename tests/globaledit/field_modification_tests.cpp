// Every mode on fields of every class: rounding, wrapping, the Fatigue percentages, the capped
// codes and the hits-through-at-bats rule of the two averages.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "global_edit_fixture.h"
#include "globaledit/global_edit_messages.h"

namespace zt::test {
namespace {

using globaledit::Mode;

namespace item {
constexpr int age = 0;
constexpr int generalAvg = 1;
constexpr int doubles = 2;
constexpr int walks = 5;
constexpr int strikeouts = 6;
constexpr int avgVsL = 7;
constexpr int obpVsR = 10;
constexpr int oppTotalAvg = 17;
constexpr int fatigue = 25;
constexpr int armRating = 26;
constexpr int battingStance = 31;
constexpr int pitchingStyle = 32;
constexpr int famSS = 38;
constexpr int daysOnDL = 42;
constexpr int uniformNo = 44;
constexpr int complexion = 45;
constexpr int starRating = 46;
constexpr int peakShift = 48;
constexpr int batColor = 49;
constexpr int strideType = 52;
}  // namespace item

struct ModifyCase {
    std::string label;
    int field;
    Mode mode;
    std::string modifier;
    std::function<void(PlayerRecord&)> setup;
    std::function<double(const PlayerRecord&)> read;
    double expected;
};

std::ostream& operator<<(std::ostream& os, const ModifyCase& c) {
    return os << c.label;
}

template <class Field>
std::function<void(PlayerRecord&)> set(Field field, typename Field::Type value) {
    return [=](PlayerRecord& p) { p.set(field, value); };
}

template <class Field>
std::function<double(const PlayerRecord&)> get(Field field) {
    return [=](const PlayerRecord& p) { return static_cast<double>(p.get(field)); };
}

std::function<void(PlayerRecord&)> battingLine(float hits, float atBats) {
    return [=](PlayerRecord& p) {
        p.set(pf::batHits, hits);
        p.set(pf::batAB, atBats);
    };
}

const auto kNothing = [](PlayerRecord&) {};

class ModifyOneField : public GlobalEditTest, public ::testing::WithParamInterface<ModifyCase> {};

TEST_P(ModifyOneField, StoresTheExpectedValue) {
    const auto& c = GetParam();
    PlayerRecord& player = addPlayer();
    c.setup(player);
    const auto report = modify(fieldSettings(c.field, c.mode, c.modifier));
    EXPECT_EQ(report.playersCounted, 1);
    EXPECT_DOUBLE_EQ(c.read(player), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    GlobalEdit,
    ModifyOneField,
    ::testing::Values(
        // Class I: whole numbers, rounded half to even, keeping the low bits of their storage.
        ModifyCase{"PercentageOnAge", item::age, Mode::Percentage, "150", set(pf::age, 40), get(pf::age), 60},
        ModifyCase{
            "PercentageWrapsToEightBits", item::age, Mode::Percentage, "1000", set(pf::age, 40), get(pf::age), 144},
        ModifyCase{
            "PercentageRoundsHalfUpToEven", item::age, Mode::Percentage, "25", set(pf::age, 30), get(pf::age), 8},
        ModifyCase{
            "PercentageRoundsHalfDownToEven", item::age, Mode::Percentage, "25", set(pf::age, 26), get(pf::age), 6},
        ModifyCase{"UniqueValueRounded", item::age, Mode::UniqueValue, "22.5", kNothing, get(pf::age), 22},
        ModifyCase{"ConstantVariationOnDaysOut",
                   item::daysOnDL,
                   Mode::ConstantVariation,
                   "-3",
                   set(pf::daysOut, std::uint16_t{10}),
                   get(pf::daysOut),
                   7},
        ModifyCase{"NegativeDaysOutWrapsToSixteenBits",
                   item::daysOnDL,
                   Mode::ConstantVariation,
                   "-3",
                   set(pf::daysOut, std::uint16_t{1}),
                   get(pf::daysOut),
                   65534},
        ModifyCase{"UniformNumberWrapsToEightBits",
                   item::uniformNo,
                   Mode::UniqueValue,
                   "300",
                   kNothing,
                   get(pf::uniformNumber),
                   44},
        ModifyCase{
            "PeakShiftTakesANegativeValue", item::peakShift, Mode::UniqueValue, "-2", kNothing, get(pf::peakShift), -2},
        ModifyCase{"BatColor", item::batColor, Mode::UniqueValue, "3", kNothing, get(pf::batColor), 3},
        ModifyCase{"Complexion",
                   item::complexion,
                   Mode::ConstantVariation,
                   "1",
                   set(pf::complexion, 2),
                   get(pf::complexion),
                   3},
        ModifyCase{"StrideType", item::strideType, Mode::UniqueValue, "4", kNothing, get(pf::strideType), 4},
        ModifyCase{"MinMaxStoresTheRoundedBoundOfAWholeNumberField",
                   item::age,
                   Mode::MinMax,
                   "20.6/30",
                   set(pf::age, 18),
                   get(pf::age),
                   21},
        // Class C: counts kept as floats, only Random and Formula results rounded.
        ModifyCase{"PercentageOnACountIsNotRounded",
                   item::doubles,
                   Mode::Percentage,
                   "50",
                   set(pf::batDoubles, 15.0f),
                   get(pf::batDoubles),
                   7.5},
        ModifyCase{"FormulaOnACountIsRounded",
                   item::doubles,
                   Mode::Formula,
                   "B2B*0.5",
                   set(pf::batDoubles, 13.0f),
                   get(pf::batDoubles),
                   6},
        ModifyCase{"MinMaxOnWalksStoresTheBoundAsIs",
                   item::walks,
                   Mode::MinMax,
                   "100.4/150.6",
                   set(pf::batWalks, 90.0f),
                   get(pf::batWalks),
                   static_cast<double>(100.4f)},
        ModifyCase{"MinMaxOnStrikeoutsStoresTheBoundRounded",
                   item::strikeouts,
                   Mode::MinMax,
                   "100.4/150.6",
                   set(pf::batStrikeouts, 190.0f),
                   get(pf::batStrikeouts),
                   151},
        ModifyCase{"MinMaxOnStrikeoutsComparesWithTheUnroundedBound",
                   item::strikeouts,
                   Mode::MinMax,
                   "100.4/150.6",
                   set(pf::batStrikeouts, 100.2f),
                   get(pf::batStrikeouts),
                   100},
        // Class F.
        ModifyCase{"MinMaxOnObpVsR",
                   item::obpVsR,
                   Mode::MinMax,
                   ".300/.400",
                   set(pf::obpVsR, 0.450f),
                   get(pf::obpVsR),
                   static_cast<double>(0.4f)},
        ModifyCase{"PercentageOnARatingIsNotRounded",
                   item::starRating,
                   Mode::Percentage,
                   "110",
                   set(pf::starRating, 2.5f),
                   get(pf::starRating),
                   static_cast<double>(2.75f)},
        ModifyCase{"FamiliarityAtShortstop",
                   item::famSS,
                   Mode::UniqueValue,
                   ".75",
                   kNothing,
                   [](const PlayerRecord& p) { return static_cast<double>(p.familiarity(5)); },
                   0.75},
        ModifyCase{"FormulaOverSeveralFields",
                   item::avgVsL,
                   Mode::Formula,
                   "bavgr*0.9 + age/1000",
                   [](PlayerRecord& p) {
                       p.set(pf::avgVsR, 0.3f);
                       p.set(pf::age, std::uint8_t{25});
                   },
                   get(pf::avgVsL),
                   static_cast<double>(static_cast<float>(static_cast<double>(0.3f) * 0.9 + 0.025))},
        // Fatigue: a fraction handled as a percentage.
        ModifyCase{"FatigueUniqueValueIsAPercentage",
                   item::fatigue,
                   Mode::UniqueValue,
                   "35",
                   kNothing,
                   get(pf::fatigue),
                   static_cast<double>(0.35f)},
        ModifyCase{"FatiguePercentageScalesTheFraction",
                   item::fatigue,
                   Mode::Percentage,
                   "50",
                   set(pf::fatigue, 0.6f),
                   get(pf::fatigue),
                   static_cast<double>(0.3f)},
        ModifyCase{"FatigueConstantVariationIsInPercentagePoints",
                   item::fatigue,
                   Mode::ConstantVariation,
                   "10",
                   set(pf::fatigue, 0.5f),
                   get(pf::fatigue),
                   static_cast<double>(0.6f)},
        ModifyCase{"FatigueAboveTheMaximumPercentage",
                   item::fatigue,
                   Mode::MinMax,
                   "20/50",
                   set(pf::fatigue, 0.6f),
                   get(pf::fatigue),
                   static_cast<double>(0.5f)},
        ModifyCase{"FatigueBelowTheMinimumPercentage",
                   item::fatigue,
                   Mode::MinMax,
                   "20/50",
                   set(pf::fatigue, 0.1f),
                   get(pf::fatigue),
                   static_cast<double>(0.2f)},
        // Capped codes.
        ModifyCase{"BattingStanceCappedAt27",
                   item::battingStance,
                   Mode::UniqueValue,
                   "40",
                   kNothing,
                   get(pf::battingStance),
                   27},
        ModifyCase{"BattingStanceCappedAfterWrapping",
                   item::battingStance,
                   Mode::ConstantVariation,
                   "-5",
                   set(pf::battingStance, std::uint8_t{3}),
                   get(pf::battingStance),
                   27},
        ModifyCase{"BattingStanceWithinItsCodes",
                   item::battingStance,
                   Mode::ConstantVariation,
                   "2",
                   set(pf::battingStance, std::uint8_t{20}),
                   get(pf::battingStance),
                   22},
        ModifyCase{"PitchingStyleCappedAt14",
                   item::pitchingStyle,
                   Mode::MinMax,
                   "16/20",
                   set(pf::delivery, std::uint8_t{3}),
                   get(pf::delivery),
                   14},
        // Averages through the at-bats.
        ModifyCase{"AverageUniqueValueSetsHitsFromAtBats",
                   item::generalAvg,
                   Mode::UniqueValue,
                   ".300",
                   battingLine(40, 200),
                   get(pf::batHits),
                   60},
        ModifyCase{"AverageConstantVariationAddsHitsFromAtBats",
                   item::generalAvg,
                   Mode::ConstantVariation,
                   ".010",
                   battingLine(40, 200),
                   get(pf::batHits),
                   42},
        ModifyCase{"AveragePercentageScalesTheHits",
                   item::generalAvg,
                   Mode::Percentage,
                   "50",
                   battingLine(45, 200),
                   get(pf::batHits),
                   22.5},
        ModifyCase{"AverageFormula",
                   item::generalAvg,
                   Mode::Formula,
                   "BHITS*1.1",
                   battingLine(100, 400),
                   get(pf::batHits),
                   110},
        ModifyCase{"AverageAtTheMaximumIsKept",
                   item::generalAvg,
                   Mode::MinMax,
                   ".250/.300",
                   battingLine(60, 200),
                   get(pf::batHits),
                   60},
        ModifyCase{"AverageAboveTheMaximum",
                   item::generalAvg,
                   Mode::MinMax,
                   ".250/.300",
                   battingLine(70, 200),
                   get(pf::batHits),
                   60},
        ModifyCase{"AverageBelowTheMinimum",
                   item::generalAvg,
                   Mode::MinMax,
                   ".250/.300",
                   battingLine(40, 200),
                   get(pf::batHits),
                   50},
        ModifyCase{"AverageWithoutAtBatsKeepsItsHits",
                   item::generalAvg,
                   Mode::MinMax,
                   ".250/.300",
                   battingLine(3, 0),
                   get(pf::batHits),
                   3},
        ModifyCase{"OpponentsAverageWithoutAtBatsKeepsItsHits",
                   item::oppTotalAvg,
                   Mode::MinMax,
                   ".250/.300",
                   set(pf::pitHits, 7.0f),
                   get(pf::pitHits),
                   7},
        ModifyCase{"OpponentsAverageUniqueValue",
                   item::oppTotalAvg,
                   Mode::UniqueValue,
                   ".250",
                   [](PlayerRecord& p) { p.set(pf::pitAB, 800.0f); },
                   get(pf::pitHits),
                   200},
        // A range of one value draws nothing.
        ModifyCase{"RandomOverAnEmptyRange", item::armRating, Mode::Random, "5/5", kNothing, get(pf::armRating), 5}),
    [](const auto& info) { return info.param.label; });

TEST_F(GlobalEditTest, RandomArmRatingsLieOnHundredthsFromTheMinimumBelowTheMaximum) {
    for (int i = 0; i < 400; ++i) {
        addPlayer();
    }
    modify(fieldSettings(item::armRating, Mode::Random, "1/2"));
    std::set<int> hundredths;
    for (const auto& player : m_league.players) {
        const double value = player->get(pf::armRating);
        const double scaled = value * 100;
        EXPECT_NEAR(scaled, std::round(scaled), 1e-3) << value;
        hundredths.insert(static_cast<int>(std::lround(scaled)));
    }
    EXPECT_GE(*hundredths.begin(), 100);
    EXPECT_LE(*hundredths.rbegin(), 199);
    EXPECT_GT(hundredths.size(), 50u);
}

TEST_F(GlobalEditTest, RandomOnAThousandthsFieldDrawsThousandths) {
    for (int i = 0; i < 300; ++i) {
        addPlayer();
    }
    modify(fieldSettings(item::avgVsL, Mode::Random, ".250/.260"));
    std::set<long> thousandths;
    for (const auto& player : m_league.players) {
        thousandths.insert(std::lround(player->get(pf::avgVsL) * 1000));
    }
    EXPECT_EQ(*thousandths.begin(), 250);
    EXPECT_EQ(*thousandths.rbegin(), 259);
    EXPECT_EQ(thousandths.size(), 10u);
}

TEST_F(GlobalEditTest, RandomWholeNumbersRunFromTheMinimumToTheMaximum) {
    for (int i = 0; i < 300; ++i) {
        addPlayer();
    }
    modify(fieldSettings(item::age, Mode::Random, "20/23"));
    std::set<int> ages;
    for (const auto& player : m_league.players) {
        ages.insert(player->get(pf::age));
    }
    EXPECT_EQ(ages, (std::set<int>{20, 21, 22, 23}));
}

TEST_F(GlobalEditTest, RandomFatigueIsAPercentageRange) {
    for (int i = 0; i < 300; ++i) {
        addPlayer();
    }
    modify(fieldSettings(item::fatigue, Mode::Random, "20/80"));
    for (const auto& player : m_league.players) {
        const float fatigue = player->get(pf::fatigue);
        EXPECT_GE(fatigue, 0.2f - 1e-6f);
        EXPECT_LT(fatigue, 0.8f);
    }
}

TEST_F(GlobalEditTest, RandomValuesDependOnlyOnTheSeed) {
    const auto drawn = [](std::uint64_t seed) {
        League league;
        for (int i = 0; i < 20; ++i) {
            league.players.push_back(std::make_unique<PlayerRecord>());
        }
        ScriptedInteraction interaction;
        globaledit::EditRandom random(seed);
        globaledit::RunContext context{0, random, interaction, true};
        globaledit::runModification(league, fieldSettings(item::starRating, Mode::Random, "0/5"), context);
        std::vector<float> values;
        for (const auto& player : league.players) {
            values.push_back(player->get(pf::starRating));
        }
        return values;
    };
    EXPECT_EQ(drawn(7), drawn(7));
    EXPECT_NE(drawn(7), drawn(8));
}

TEST_F(GlobalEditTest, PercentageOnBattingStanceIsRefusedForEveryPlayerWhoIsStillCounted) {
    for (int i = 0; i < 12; ++i) {
        addPlayer().set(pf::battingStance, std::uint8_t{5});
    }
    const auto report = modify(fieldSettings(item::battingStance, Mode::Percentage, "200"));
    std::vector<std::string> expected(12, globaledit::kPercentageRefusedMessage);
    expected.push_back("12 players modified");
    EXPECT_EQ(messages(), expected);
    EXPECT_EQ(report.playersCounted, 12);
    for (const auto& player : m_league.players) {
        EXPECT_EQ(player->get(pf::battingStance), 5);
    }
}

TEST_F(GlobalEditTest, PercentageOnPitchingStyleIsRefused) {
    addPlayer().set(pf::delivery, std::uint8_t{4});
    modify(fieldSettings(item::pitchingStyle, Mode::Percentage, "50"));
    EXPECT_EQ(m_league.players[0]->get(pf::delivery), 4);
    EXPECT_EQ(messages().front(), globaledit::kPercentageRefusedMessage);
}

}  // namespace
}  // namespace zt::test

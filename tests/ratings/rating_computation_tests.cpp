#include "ratings/rating_computation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "league/error.h"
#include "league/league.h"
#include "ratings/calculator_input.h"
#include "ratings/split_recalculation.h"
#include "support/league_builder.h"

namespace zt::test {
namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kSwitch = 2;

PlayerRecord batter(int bats, float ab, float h, float doubles, float triples, float hr, float bb) {
    PlayerRecord p = makePlayer(1, "Batter", "Test", 0, 11);
    p.set(pf::bats, static_cast<std::uint8_t>(bats));
    p.set(pf::batAB, ab);
    p.set(pf::batHits, h);
    p.set(pf::batDoubles, doubles);
    p.set(pf::batTriples, triples);
    p.set(pf::batHomeRuns, hr);
    p.set(pf::batWalks, bb);
    return p;
}

SplitValues batterSplits(const PlayerRecord& p) {
    return {p.get(pf::avgVsL),
            p.get(pf::avgVsR),
            p.get(pf::obpVsL),
            p.get(pf::obpVsR),
            p.get(pf::slgVsL),
            p.get(pf::slgVsR)};
}

SplitValues slotSplits(const PlayerRecord& p, int slot) {
    const PitchSlot s = p.pitch(slot);
    return {s.get(ps::avgVsL),
            s.get(ps::avgVsR),
            s.get(ps::obpVsL),
            s.get(ps::obpVsR),
            s.get(ps::slgVsL),
            s.get(ps::slgVsR)};
}

SplitValues same(float v) {
    return {v, v, v, v, v, v};
}

// A pitcher with the given qualities in slots 0.. and pattern bytes everywhere else.
PlayerRecord pitcher(const std::vector<float>& qualities, int pitchCount = -1) {
    PlayerRecord p = makePlayer(2, "Pitcher", "Test", 0, 23);
    p.set(pf::pitchCount, static_cast<std::uint8_t>(pitchCount < 0 ? qualities.size() : pitchCount));
    for (std::size_t k = 0; k < qualities.size(); ++k) {
        PitchSlot slot = p.pitch(static_cast<int>(k));
        slot.set(ps::quality, qualities[k]);
        p.setPitch(static_cast<int>(k), slot);
    }
    return p;
}

TEST(RatingComputation, LeftHandedBatterWithDefaultConstants) {
    PlayerRecord p = batter(kLeft, 500, 150, 30, 5, 20, 50);
    const LeagueConstants c = LeagueConstants::defaults();

    const Rates rates = ComputeRates(500, 150, 30, 5, 20, 50, c);
    EXPECT_EQ(rates.avg, 0.3f);
    EXPECT_EQ(rates.obp, static_cast<float>(200.0 * static_cast<double>(1.03f) / 550.0));
    EXPECT_NEAR(rates.obp, 0.374545, 1e-6);
    EXPECT_EQ(rates.slg, 0.5f);

    ComputeBatterSplits(p, c);
    EXPECT_EQ(batterSplits(p), (SplitValues{0.273f, 0.315f, 0.341f, 0.393f, 0.455f, 0.525f}));
}

struct HandCase {
    std::string label;
    int hand;
    SplitValues expected;
};

class BatterHandTest : public ::testing::TestWithParam<HandCase> {};

// The same line (avg .300, obp .374545, slg .500) for each hand with the default constants.
TEST_P(BatterHandTest, FactorsFollowTheBatsField) {
    PlayerRecord p = batter(GetParam().hand, 500, 150, 30, 5, 20, 50);
    ComputeBatterSplits(p, LeagueConstants::defaults());
    EXPECT_EQ(batterSplits(p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Hands,
                         BatterHandTest,
                         ::testing::Values(HandCase{"left", kLeft, {0.273f, 0.315f, 0.341f, 0.393f, 0.455f, 0.525f}},
                                           HandCase{"right", kRight, {0.309f, 0.294f, 0.386f, 0.367f, 0.515f, 0.49f}},
                                           HandCase{"switch", kSwitch, {0.3f, 0.3f, 0.375f, 0.375f, 0.5f, 0.5f}},
                                           HandCase{"unknown_code", 7, {0.3f, 0.3f, 0.375f, 0.375f, 0.5f, 0.5f}}),
                         [](const auto& info) { return info.param.label; });

TEST(RatingComputation, HandFactorsByHand) {
    const LeagueConstants c{1, 2, 3, 4, 5};
    ASSERT_TRUE(HandFactors(0, c));
    EXPECT_EQ(HandFactors(0, c)->vsLeft, 1.0f);
    EXPECT_EQ(HandFactors(0, c)->vsRight, 2.0f);
    EXPECT_EQ(HandFactors(1, c)->vsLeft, 3.0f);
    EXPECT_EQ(HandFactors(1, c)->vsRight, 4.0f);
    EXPECT_FALSE(HandFactors(2, c));
    EXPECT_FALSE(HandFactors(-1, c));
}

struct RoundingCase {
    std::string label;
    int hand;
    float ab;
    float h;
    float expectedAvgVsL;
};

class RoundingTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundingTest, HalvesGoToEvenAfterTheRateIsStoredAsAFloat) {
    PlayerRecord p = batter(GetParam().hand, GetParam().ab, GetParam().h, 0, 0, 0, 0);
    ComputeBatterSplits(p, LeagueConstants::defaults());
    EXPECT_EQ(p.get(pf::avgVsL), GetParam().expectedAvgVsL);
}

// 1/16 and 5/16 are exact halves (62.5, 312.5) and go down to even, 3/16 (187.5) up.
// 1/80 is 12.5 in exact arithmetic but 12.5000002 once the average is a 32-bit float: 0.013.
// 13/20 vs left for a left-hander: 0.65f * 0.91f * 1000 = 591.49999 (a double average would
// give 591.50002 and 0.592).
INSTANTIATE_TEST_SUITE_P(Rounding,
                         RoundingTest,
                         ::testing::Values(RoundingCase{"one_in_16", kSwitch, 16, 1, 0.062f},
                                           RoundingCase{"five_in_16", kSwitch, 16, 5, 0.312f},
                                           RoundingCase{"three_in_16", kSwitch, 16, 3, 0.188f},
                                           RoundingCase{"float_average_one_in_80", kSwitch, 80, 1, 0.013f},
                                           RoundingCase{"float_average_times_factor", kLeft, 20, 13, 0.591f}),
                         [](const auto& info) { return info.param.label; });

TEST(RatingComputation, SwitchHitterOneInSixteenGetsTheEvenValueBothWays) {
    PlayerRecord p = batter(kSwitch, 16, 1, 0, 0, 0, 0);
    ComputeBatterSplits(p, LeagueConstants::defaults());
    EXPECT_EQ(p.get(pf::avgVsL), 0.062f);
    EXPECT_EQ(p.get(pf::avgVsR), 0.062f);
}

TEST(RatingComputation, ZeroFactorsGiveZeroSplits) {
    PlayerRecord p = batter(kRight, 500, 150, 30, 5, 20, 50);
    ComputeBatterSplits(p, LeagueConstants{});
    EXPECT_EQ(batterSplits(p), same(0));
}

TEST(RatingComputation, ZeroAtBatsLeaveTheRecordUnchanged) {
    PlayerRecord p = batter(kLeft, 0, 150, 30, 5, 20, 50);
    p.set(pf::pitAB, 0.0f);
    p.set(pf::pitchCount, std::uint8_t{3});
    const PlayerRecord before = p;
    ComputeBatterSplits(p, LeagueConstants::defaults());
    ComputePitcherSplits(p, LeagueConstants::defaults());
    EXPECT_EQ(p.bytes(), before.bytes());
}

// No plate appearance for the on-base rate (at-bats cancelled by a negative walk count) would
// write a value that is not a number: the ratings stay as they were.
TEST(RatingComputation, CountsWithoutARateLeaveTheRecordUnchanged) {
    PlayerRecord p = batter(kLeft, 5, 1, 0, 0, 0, -5);
    const PlayerRecord before = p;
    ComputeBatterSplits(p, LeagueConstants::defaults());
    EXPECT_EQ(p.bytes(), before.bytes());
}

TEST(RatingComputation, CalculatorCountsNeedAtBats) {
    const LeagueConstants c = LeagueConstants::defaults();
    try {
        splitValuesFromCounts({0, 10, 0, 0, 0, 5}, kLeft, c);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "At bats is 0: the averages cannot be computed.");
    }
    EXPECT_THROW(splitValuesFromCounts({5, 1, 0, 0, 0, -5}, kLeft, c), Error);
    EXPECT_EQ(splitValuesFromCounts({500, 150, 30, 5, 20, 50}, kLeft, c),
              (SplitValues{0.273f, 0.315f, 0.341f, 0.393f, 0.455f, 0.525f}));
}

TEST(RatingComputation, PitcherSplitsGoToThePitchesNotTheBatterFields) {
    PlayerRecord p = pitcher({1.0f});
    p.set(pf::throws, std::uint8_t{kRight});
    p.set(pf::pitAB, 800.0f);
    p.set(pf::pitHits, 200.0f);
    p.set(pf::pitDoubles, 40.0f);
    p.set(pf::pitTriples, 4.0f);
    p.set(pf::pitHomeRuns, 20.0f);
    p.set(pf::pitWalks, 70.0f);
    const SplitValues batterBefore = batterSplits(p);
    ComputePitcherSplits(p, LeagueConstants::defaults());
    const LeagueConstants c = LeagueConstants::defaults();
    const SplitValues expected = splitValues(ComputeRates(800, 200, 40, 4, 20, 70, c), kRight, c);
    EXPECT_EQ(slotSplits(p, 0), expected);
    EXPECT_EQ(expected.avgVsL, 0.257f);  // .250 * 1.03f * 1000 is 257.49999 as 1.03f is below 1.03
    EXPECT_EQ(expected.avgVsR, 0.245f);  // .250 * 0.98f
    EXPECT_EQ(batterSplits(p), batterBefore);
}

TEST(DistributePitchSplits, OnePitchTakesTheValuesUnchanged) {
    PlayerRecord p = pitcher({0.3f});
    DistributePitchSplits(p, 0.251f, 0.252f, 0.33f, 0.34f, 0.41f, 0.42f);
    EXPECT_EQ(slotSplits(p, 0), (SplitValues{0.251f, 0.252f, 0.33f, 0.34f, 0.41f, 0.42f}));
}

TEST(DistributePitchSplits, TwoPitchesShiftByTheFirstQuality) {
    PlayerRecord p = pitcher({0.7f, 0.1f});
    DistributePitchSplits(p, same(0.25f));
    const double d = (static_cast<double>(0.7f) - 0.5) * 0.0875;
    EXPECT_NEAR(d, 0.0175, 1e-8);  // 0.7f is 0.69999999
    EXPECT_EQ(slotSplits(p, 0), same(static_cast<float>(0.25f - d)));
    EXPECT_EQ(slotSplits(p, 1), same(static_cast<float>(0.25f + d)));
    EXPECT_NEAR(slotSplits(p, 0).avgVsL, 0.2325, 1e-7);
    EXPECT_NEAR(slotSplits(p, 1).avgVsL, 0.2675, 1e-7);

    PlayerRecord even = pitcher({0.5f, 0.9f});
    DistributePitchSplits(even, same(0.25f));
    EXPECT_EQ(slotSplits(even, 0), same(0.25f));
    EXPECT_EQ(slotSplits(even, 1), same(0.25f));
}

TEST(DistributePitchSplits, ThreePitchesBestFirst) {
    PlayerRecord p = pitcher({0.5f, 0.3f, 0.2f});
    DistributePitchSplits(p, same(0.25f));
    // D = 0.7 * 0.5 + 0.9 * 0.3 + 0.2 = 0.82
    EXPECT_NEAR(slotSplits(p, 2).avgVsL, 0.304878, 1e-6);
    EXPECT_NEAR(slotSplits(p, 1).avgVsL, 0.274390, 1e-6);
    EXPECT_NEAR(slotSplits(p, 0).avgVsL, 0.213414, 1e-6);
    const double weighted =
        0.5 * slotSplits(p, 0).obpVsR + 0.3 * slotSplits(p, 1).obpVsR + 0.2 * slotSplits(p, 2).obpVsR;
    EXPECT_NEAR(weighted, 0.25, 1e-6);
    // The last slot's value is stored as a float before the others are derived from it.
    const float x = slotSplits(p, 2).slgVsL;
    EXPECT_EQ(slotSplits(p, 1).slgVsL, static_cast<float>(x - x * (static_cast<double>(0.3f) - 0.2f)));
}

TEST(DistributePitchSplits, ThreePitchesWorstFirstStillUseTheSortedFactors) {
    PlayerRecord p = pitcher({0.2f, 0.3f, 0.5f});
    DistributePitchSplits(p, same(0.25f));
    const float weakest = slotSplits(p, 0).avgVsL;
    const float middle = slotSplits(p, 1).avgVsL;
    const float best = slotSplits(p, 2).avgVsL;
    // D = 0.7 * 0.2 + 0.9 * 0.3 + 0.5 = 0.91; the best quality's factor lands on slot 0.
    EXPECT_NEAR(best, 0.25 / 0.91, 1e-6);
    EXPECT_NEAR(weakest, 0.25 / 0.91 * 0.7, 1e-6);
    EXPECT_NEAR(middle, 0.25 / 0.91 * 0.9, 1e-6);
    EXPECT_LT(weakest, middle);
    EXPECT_LT(middle, best);
    EXPECT_NEAR(0.2 * weakest + 0.3 * middle + 0.5 * best, 0.25, 1e-6);
}

class DistributionSumTest : public ::testing::TestWithParam<std::vector<float>> {};

// For any repertoire of 3 to 6 pitches the quality-weighted sum of each value is the input.
TEST_P(DistributionSumTest, WeightedSumEqualsTheInput) {
    const std::vector<float>& q = GetParam();
    PlayerRecord p = pitcher(q);
    const SplitValues input{0.21f, 0.28f, 0.3f, 0.35f, 0.4f, 0.52f};
    DistributePitchSplits(p, input);
    double sumAvgL = 0;
    double sumSlgR = 0;
    for (std::size_t k = 0; k < q.size(); ++k) {
        sumAvgL += static_cast<double>(q[k]) * slotSplits(p, static_cast<int>(k)).avgVsL;
        sumSlgR += static_cast<double>(q[k]) * slotSplits(p, static_cast<int>(k)).slgVsR;
    }
    EXPECT_NEAR(sumAvgL, 0.21, 1e-6);
    EXPECT_NEAR(sumSlgR, 0.52, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Repertoires,
                         DistributionSumTest,
                         ::testing::Values(std::vector<float>{0.4f, 0.35f, 0.25f},
                                           std::vector<float>{0.1f, 0.6f, 0.3f},
                                           std::vector<float>{0.3f, 0.3f, 0.2f, 0.2f},
                                           std::vector<float>{0.05f, 0.15f, 0.2f, 0.25f, 0.35f},
                                           std::vector<float>{0.3f, 0.2f, 0.15f, 0.15f, 0.1f, 0.1f},
                                           std::vector<float>{1.0f, 1.0f, 1.0f}));

TEST(DistributePitchSplits, OnlyTheValuesOfSlotsInUseChange) {
    PlayerRecord p = pitcher({0.5f, 0.3f, 0.2f, 0.9f, 0.8f, 0.7f}, 3);
    const PlayerRecord before = p;
    DistributePitchSplits(p, same(0.25f));
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(p.pitch(k).get(ps::pitchType), before.pitch(k).get(ps::pitchType));
        EXPECT_EQ(p.pitch(k).get(ps::quality), before.pitch(k).get(ps::quality));
    }
    for (int k = 3; k < 6; ++k) {
        EXPECT_EQ(p.pitch(k).bytes(), before.pitch(k).bytes()) << "slot " << k;
    }
    // Outside the pitch slots nothing changed either.
    PlayerRecord restored = p;
    for (int k = 0; k < 3; ++k) {
        restored.setPitch(k, before.pitch(k));
    }
    EXPECT_EQ(restored.bytes(), before.bytes());
    EXPECT_NE(p.bytes(), before.bytes());
}

class UnchangedDistributionTest : public ::testing::TestWithParam<PlayerRecord> {};

TEST_P(UnchangedDistributionTest, LeavesTheRecordAsItWas) {
    PlayerRecord p = GetParam();
    const PlayerRecord before = p;
    DistributePitchSplits(p, same(0.25f));
    EXPECT_EQ(p.bytes(), before.bytes());
}

INSTANTIATE_TEST_SUITE_P(NoDistribution,
                         UnchangedDistributionTest,
                         ::testing::Values(pitcher({0.5f, 0.5f}, 0),
                                           pitcher({0.5f, 0.5f}, 7),
                                           pitcher({0.5f, 0.5f}, 255),
                                           pitcher({0.0f, 0.0f, 0.0f}),             // D = 0
                                           pitcher({0.5f, std::nanf(""), 0.2f})));  // unorderable quality

TEST(ImportDerivations, RunSpeedFromStolenBases) {
    PlayerRecord p = batter(kLeft, 500, 150, 30, 5, 20, 50);  // 95 singles
    ASSERT_TRUE(deriveRunSpeed(p, 29, 0));
    EXPECT_EQ(p.get(pf::runSpeed), static_cast<float>(29.0 / 145.0 * 25.4 + 2.4));
    EXPECT_NEAR(p.get(pf::runSpeed), 7.48, 1e-5);

    const PlayerRecord before = p;
    EXPECT_FALSE(deriveRunSpeed(p, 0, 3));              // no stolen base
    EXPECT_FALSE(deriveRunSpeed(p, 10, std::nullopt));  // caught stealing not given
    EXPECT_FALSE(deriveRunSpeed(p, std::nullopt, 3));
    EXPECT_FALSE(deriveRunSpeed(p, 10, -1));
    PlayerRecord noSingles = batter(kLeft, 100, 20, 10, 5, 5, 10);
    EXPECT_FALSE(deriveRunSpeed(noSingles, 10, 1));
    EXPECT_EQ(p.bytes(), before.bytes());
}

TEST(ImportDerivations, FieldingPercentage) {
    PlayerRecord p = batter(kLeft, 0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(deriveFieldingPct(p, 0, 290, 10));
    EXPECT_EQ(p.get(pf::fieldingPct), static_cast<float>(290.0 / 300.0));
    const PlayerRecord before = p;
    EXPECT_FALSE(deriveFieldingPct(p, std::nullopt, 290, 10));
    EXPECT_FALSE(deriveFieldingPct(p, 5, 0, 10));
    EXPECT_FALSE(deriveFieldingPct(p, 5, 290, -1));
    EXPECT_FALSE(deriveFieldingPct(p, 5, 290, std::nullopt));
    EXPECT_EQ(p.bytes(), before.bytes());
}

TEST(ImportDerivations, OpponentsAtBatsAndEndurance) {
    PlayerRecord p = pitcher({1.0f});
    deriveOpponentsAtBats(p, 200.5, 180, 2.8);  // 561.4 + 180 = 741.4
    EXPECT_EQ(p.get(pf::pitAB), 741.0f);
    deriveOpponentsAtBats(p, 2.5, 1, 1.0);  // 3.5 rounds to the even 4
    EXPECT_EQ(p.get(pf::pitAB), 4.0f);
    deriveOpponentsAtBats(p, 2.5, 0, 1.0);  // 2.5 rounds to the even 2
    EXPECT_EQ(p.get(pf::pitAB), 2.0f);

    ASSERT_TRUE(deriveEndurance(p, 200, 32, 1.27));
    EXPECT_EQ(p.get(pf::endurance), static_cast<float>(200.0 / 32.0 * 1.27));
    EXPECT_FALSE(deriveEndurance(p, 200, 0, 1.27));
    EXPECT_EQ(p.get(pf::endurance), static_cast<float>(200.0 / 32.0 * 1.27));
}

TEST(ImportDerivations, ExtraBaseHitsAllowedAndArm) {
    PlayerRecord p = pitcher({1.0f});
    p.set(pf::pitAB, 800.0f);
    p.set(pf::pitHits, 200.0f);
    p.set(pf::pitStrikeouts, 160.0f);
    deriveExtraBaseHitsAllowed(p);
    const double r = 200.0 / 800.0 / 0.273;
    EXPECT_EQ(p.get(pf::pitDoubles), static_cast<float>(34.0 * r));  // Round(33.6) = 34
    EXPECT_EQ(p.get(pf::pitTriples), static_cast<float>(6.0 * r));   // Round(5.8) = 6
    ASSERT_TRUE(derivePitcherArm(p));
    EXPECT_EQ(p.get(pf::armRating), static_cast<float>(0.2 * 0.2 + std::log(0.2) + 10.8));

    p.set(pf::pitAB, 0.0f);
    deriveExtraBaseHitsAllowed(p);
    EXPECT_EQ(p.get(pf::pitDoubles), 0.0f);
    EXPECT_EQ(p.get(pf::pitTriples), 0.0f);
    const float arm = p.get(pf::armRating);
    EXPECT_FALSE(derivePitcherArm(p));
    p.set(pf::pitAB, 100.0f);
    p.set(pf::pitStrikeouts, 0.0f);
    EXPECT_FALSE(derivePitcherArm(p));
    EXPECT_EQ(p.get(pf::armRating), arm);
}

TEST(ImportDerivations, WalksAndBattingAdjustments) {
    PlayerRecord p = pitcher({1.0f});
    p.set(pf::pitAB, 800.0f);
    p.set(pf::pitWalks, 70.0f);
    ASSERT_TRUE(adjustWalks(p, 0.91));
    EXPECT_EQ(p.get(pf::pitWalks), 58.0f);  // 0.91 * 70 * 730 / 800 = 58.13
    p.set(pf::pitAB, 0.0f);
    EXPECT_FALSE(adjustWalks(p, 0.91));
    EXPECT_EQ(p.get(pf::pitWalks), 58.0f);

    PlayerRecord b = batter(kLeft, 500, 150, 30, 5, 20, 50);
    adjustBatting(b, 1.1);
    EXPECT_EQ(b.get(pf::batHits), static_cast<float>(150 * 1.1));  // not rounded
    EXPECT_EQ(b.get(pf::batDoubles), static_cast<float>(30 * 1.1));
    EXPECT_EQ(b.get(pf::batTriples), static_cast<float>(5 * 1.1));
    EXPECT_EQ(b.get(pf::batHomeRuns), static_cast<float>(20 * 1.1));
    EXPECT_EQ(b.get(pf::batAB), 500.0f);
    EXPECT_EQ(b.get(pf::batWalks), 50.0f);
}

TEST(ImportDerivations, NormalisationTo600And800AtBats) {
    PlayerRecord b = batter(kLeft, 400, 101, 21, 3, 11, 45);
    b.set(pf::batStrikeouts, 77.0f);
    ASSERT_TRUE(normaliseBattingTo600(b));
    EXPECT_EQ(b.get(pf::batAB), 600.0f);
    EXPECT_EQ(b.get(pf::batHits), 152.0f);        // 151.5 to even
    EXPECT_EQ(b.get(pf::batDoubles), 32.0f);      // 31.5 to even
    EXPECT_EQ(b.get(pf::batTriples), 4.0f);       // 4.5 to even
    EXPECT_EQ(b.get(pf::batHomeRuns), 16.0f);     // 16.5 to even
    EXPECT_EQ(b.get(pf::batWalks), 68.0f);        // 67.5 to even
    EXPECT_EQ(b.get(pf::batStrikeouts), 116.0f);  // 115.5 to even

    PlayerRecord p = pitcher({1.0f});
    p.set(pf::pitAB, 400.0f);
    p.set(pf::pitHits, 100.0f);
    p.set(pf::pitDoubles, 20.0f);
    p.set(pf::pitTriples, 3.0f);
    p.set(pf::pitHomeRuns, 9.0f);
    p.set(pf::pitWalks, 41.0f);
    p.set(pf::pitStrikeouts, 77.0f);
    ASSERT_TRUE(normalisePitchingTo800(p));
    EXPECT_EQ(p.get(pf::pitAB), 800.0f);
    EXPECT_EQ(p.get(pf::pitHits), 200.0f);
    EXPECT_EQ(p.get(pf::pitDoubles), 40.0f);
    EXPECT_EQ(p.get(pf::pitTriples), 6.0f);
    EXPECT_EQ(p.get(pf::pitHomeRuns), 18.0f);
    EXPECT_EQ(p.get(pf::pitWalks), 82.0f);
    EXPECT_EQ(p.get(pf::pitStrikeouts), 154.0f);

    PlayerRecord none = batter(kLeft, 0, 10, 1, 1, 1, 1);
    const PlayerRecord before = none;
    EXPECT_FALSE(normaliseBattingTo600(none));
    none.set(pf::pitAB, 0.0f);
    const PlayerRecord beforePitching = none;
    EXPECT_FALSE(normalisePitchingTo800(none));
    EXPECT_EQ(none.bytes(), beforePitching.bytes());
    EXPECT_EQ(before.get(pf::batHits), none.get(pf::batHits));
}

TEST(SplitRecalculation, OneTeamOrAllAndTheChangedFlag) {
    League league;
    const auto add = [&](int team, float ab) {
        PlayerRecord p = batter(kRight, ab, 150, 30, 5, 20, 50);
        p.set(pf::teamIndex, static_cast<std::uint8_t>(team));
        p.set(pf::avgVsL, 0.5f);
        league.players.push_back(std::make_unique<PlayerRecord>(p));
    };
    add(3, 500);
    add(4, 500);
    add(3, 0);  // no at-bats: left as he is
    const LeagueConstants c = LeagueConstants::defaults();

    RecalculationCount count = recalculateSplits(league, SplitKind::Batters, 3, c);
    EXPECT_EQ(count.selected, 2);
    EXPECT_EQ(count.changed, 1);
    EXPECT_TRUE(league.changed());
    EXPECT_EQ(league.players[0]->get(pf::avgVsL), 0.309f);
    EXPECT_EQ(league.players[1]->get(pf::avgVsL), 0.5f);
    EXPECT_EQ(league.players[2]->get(pf::avgVsL), 0.5f);

    league.clearChanged();
    count = recalculateSplits(league, SplitKind::Batters, 3, c);  // nothing left to change
    EXPECT_EQ(count.changed, 0);
    EXPECT_FALSE(league.changed());

    count = recalculateSplits(league, SplitKind::Batters, std::nullopt, c);
    EXPECT_EQ(count.selected, 3);
    EXPECT_EQ(count.changed, 1);
    EXPECT_EQ(league.players[1]->get(pf::avgVsL), 0.309f);
}

TEST(CalculatorInput, BoxesAreReadInOrderAndTheFirstBadOneIsNamed) {
    const std::array<std::string, 7> boxes{"500", " 150", "30.5", "+5", "20", "50", "not read"};
    const PerformanceData data = performanceDataFromTexts(boxes);
    EXPECT_EQ(data.atBats, 500);
    EXPECT_EQ(data.hits, 150);
    EXPECT_EQ(data.doubles, 30.5);
    EXPECT_EQ(data.triples, 5);
    EXPECT_EQ(data.homeRuns, 20);
    EXPECT_EQ(data.walks, 50);

    const std::array<std::string, 7> bad{"500", "x", "30", "y", "20", "50", "0"};
    try {
        performanceDataFromTexts(bad);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'x' is not a valid floating point value");
    }
}

}  // namespace
}  // namespace zt::test

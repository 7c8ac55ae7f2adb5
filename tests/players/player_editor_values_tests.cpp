// The player editor's mapping between a player record and the texts, item indexes and check
// states of its controls, and APPLY storing them back.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <sstream>
#include <string>

#include "league/error.h"
#include "players/editable_player.h"
#include "players/player_editor_values.h"
#include "players/value_format.h"
#include "support/league_builder.h"
#include "support/scripted_interaction.h"

namespace zt {
namespace {

using test::makeEditablePlayer;
using test::makeSlot;
using test::ScriptedInteraction;

// Names the offsets where two records differ, so a failure says which field went wrong.
::testing::AssertionResult sameBytes(const PlayerRecord& actual, const PlayerRecord& expected) {
    std::ostringstream differences;
    int count = 0;
    for (std::size_t i = 0; i < PlayerRecord::kSize; ++i) {
        if (actual.bytes()[i] != expected.bytes()[i]) {
            if (count++ < 16) {
                differences << " @" << i << ": " << int(actual.bytes()[i]) << " expected " << int(expected.bytes()[i]);
            }
        }
    }
    if (count == 0) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << count << " bytes differ:" << differences.str();
}

class PlayerEditorValuesTest : public ::testing::Test {
protected:
    PlayerEditorValuesTest() { league.teamAbbrevList = {{"FA", kFreeAgentTeam}, {"BOS", 0}, {"CHI", 1}, {"ATL", 2}}; }

    ApplyOutcome apply(PlayerRecord& p, const PlayerEditorValues& values) {
        return applyPlayerEditorValues(league, p, values, interaction);
    }

    // The text of the error an APPLY throws, or "" when it throws none.
    std::string applyError(PlayerRecord& p, const PlayerEditorValues& values) {
        try {
            apply(p, values);
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }

    League league;
    ScriptedInteraction interaction;
    PlayerRecord original = makeEditablePlayer();
};

// ---- Display ----------------------------------------------------------------------------------

TEST(ValueFormat, RoundsHalfToEvenAndWritesTheShortestText) {
    EXPECT_EQ(formatWhole(550.5), "550");
    EXPECT_EQ(formatWhole(551.5), "552");
    EXPECT_EQ(formatWhole(-0.2), "0");
    EXPECT_EQ(formatDecimals(6.666, 2), "6.67");
    EXPECT_EQ(formatDecimals(6.7f, 2), "6.7");
    EXPECT_EQ(formatDecimals(7.0, 2), "7");
    EXPECT_EQ(formatDecimals(0.3f, 3), "0.3");
    EXPECT_EQ(formatDecimals(0.2995f, 3), "0.299");  // the float lies just below .2995
    EXPECT_EQ(formatDecimals(0.9876f, 3), "0.988");
    EXPECT_EQ(formatPercent(0.25f), "25");
    EXPECT_EQ(formatPercent(0.12345f), "12.35");
    EXPECT_EQ(formatPercent(0.3333f), "33.33");
}

struct ShownCase {
    const char* name;
    std::function<void(PlayerRecord&)> store;
    std::function<std::string(const PlayerEditorValues&)> shown;
    std::string expected;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.name;
}

class ShownAs : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownAs, FieldShowsItsConversion) {
    PlayerRecord p = makeEditablePlayer();
    GetParam().store(p);
    const auto values = playerEditorValues(std::vector<TeamListEntry>{}, p);
    EXPECT_EQ(GetParam().shown(values), GetParam().expected);
}

template <class T, std::size_t O>
std::function<void(PlayerRecord&)> put(NumField<T, O> field, T value) {
    return [=](PlayerRecord& p) { p.set(field, value); };
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Conversions, ShownAs, ::testing::Values(
    ShownCase{"FatigueAsPercent", put(pf::fatigue, 0.25f), [](auto& v) { return v.fatigue; }, "25"},
    ShownCase{"PercentWithTwoDecimals", put(pf::pullPct, 0.12345f), [](auto& v) { return v.pull; }, "12.35"},
    ShownCase{"MiddlePercent", put(pf::middlePct, 0.3f), [](auto& v) { return v.middle; }, "30"},
    ShownCase{"OppFieldPercent", put(pf::oppFieldPct, 0.051f), [](auto& v) { return v.oppField; }, "5.1"},
    ShownCase{"BatGroundBallPercent", put(pf::batGroundBallPct, 0.5f), [](auto& v) { return v.batGroundBall; }, "50"},
    ShownCase{"PitGroundBallPercent", put(pf::pitGroundBallPct, 0.625f), [](auto& v) { return v.pitGroundBall; }, "62.5"},
    ShownCase{"ArmTwoDecimals", put(pf::armRating, 6.666f), [](auto& v) { return v.armRating; }, "6.67"},
    ShownCase{"RunSpeedTwoDecimals", put(pf::runSpeed, 6.7f), [](auto& v) { return v.runSpeed; }, "6.7"},
    ShownCase{"EnduranceTwoDecimals", put(pf::endurance, 8.0f), [](auto& v) { return v.endurance; }, "8"},
    ShownCase{"StarTwoDecimals", put(pf::starRating, 1.005f), [](auto& v) { return v.starRating; }, "1"},
    ShownCase{"ProspectTwoDecimals", put(pf::prospectRating, 2.125f), [](auto& v) { return v.prospectRating; }, "2.12"},
    ShownCase{"InfieldTwoDecimals", put(pf::infieldRange, 9.999f), [](auto& v) { return v.infieldRange; }, "10"},
    ShownCase{"OutfieldTwoDecimals", put(pf::outfieldRange, 3.14159f), [](auto& v) { return v.outfieldRange; }, "3.14"},
    ShownCase{"AvgThreeDecimals", put(pf::avgVsL, 0.2995f), [](auto& v) { return v.avgVsL; }, "0.299"},
    ShownCase{"AvgVsRThreeDecimals", put(pf::avgVsR, 0.3f), [](auto& v) { return v.avgVsR; }, "0.3"},
    ShownCase{"ObpVsLThreeDecimals", put(pf::obpVsL, 0.3456f), [](auto& v) { return v.obpVsL; }, "0.346"},
    ShownCase{"ObpVsRThreeDecimals", put(pf::obpVsR, 0.4f), [](auto& v) { return v.obpVsR; }, "0.4"},
    // The float nearest 1.2345 lies just above it.
    ShownCase{"SlgVsLThreeDecimals", put(pf::slgVsL, 1.2345f), [](auto& v) { return v.slgVsL; }, "1.235"},
    ShownCase{"SlgVsRThreeDecimals", put(pf::slgVsR, 0.5f), [](auto& v) { return v.slgVsR; }, "0.5"},
    ShownCase{"FieldingThreeDecimals", put(pf::fieldingPct, 0.9876f), [](auto& v) { return v.fieldingPct; }, "0.988"},
    ShownCase{"BatAbWhole", put(pf::batAB, 550.5f), [](auto& v) { return v.batting[0]; }, "550"},
    ShownCase{"BatSoWhole", put(pf::batStrikeouts, 81.5f), [](auto& v) { return v.batting[6]; }, "82"},
    ShownCase{"PitHitsWhole", put(pf::pitHits, 199.7f), [](auto& v) { return v.pitching[1]; }, "200"},
    ShownCase{"PitSoWhole", put(pf::pitStrikeouts, 12.0f), [](auto& v) { return v.pitching[6]; }, "12"},
    ShownCase{"NumberWhole", put(pf::uniformNumber, std::uint8_t{99}), [](auto& v) { return v.uniformNumber; }, "99"},
    ShownCase{"AgeWhole", put(pf::age, std::uint8_t{41}), [](auto& v) { return v.age; }, "41"},
    ShownCase{"WeightTwoBytes", put(pf::weight, std::uint16_t{300}), [](auto& v) { return v.weight; }, "300"},
    ShownCase{"DaysOut", put(pf::daysOut, std::uint16_t{15}), [](auto& v) { return v.daysOut; }, "15"},
    ShownCase{"Suspension", put(pf::suspensionDays, std::uint16_t{65535}), [](auto& v) { return v.suspensionDays; }, "65535"},
    ShownCase{"Face", put(pf::faceNumber, std::uint16_t{1234}), [](auto& v) { return v.faceNumber; }, "1234"},
    ShownCase{"Height", put(pf::height, std::uint8_t{77}), [](auto& v) { return v.height; }, "77"},
    ShownCase{"BatColor", put(pf::batColor, std::uint8_t{2}), [](auto& v) { return v.batColor; }, "2"},
    ShownCase{"PeakShiftSigned", put(pf::peakShift, std::int8_t{-1}), [](auto& v) { return v.peakShift; }, "-1"},
    ShownCase{"Waggle", put(pf::waggleType, std::uint8_t{9}), [](auto& v) { return v.waggleType; }, "9"},
    ShownCase{"Wave", put(pf::waveType, std::uint8_t{8}), [](auto& v) { return v.waveType; }, "8"},
    ShownCase{"Stride", put(pf::strideType, std::uint8_t{7}), [](auto& v) { return v.strideType; }, "7"},
    ShownCase{"FamiliarityTwoDecimals",
              [](PlayerRecord& p) { p.setFamiliarity(8, 0.876f); },
              [](auto& v) { return v.familiarity[8]; }, "0.88"},
    ShownCase{"QualityTimesHundred",
              [](PlayerRecord& p) { p.setPitch(0, makeSlot(1, 0.875f, 0, 0, 0, 0, 0, 0)); },
              [](auto& v) { return v.qualities[0]; }, "88"},
    ShownCase{"QualityHalfToEven",
              [](PlayerRecord& p) { p.setPitch(1, makeSlot(1, 0.625f, 0, 0, 0, 0, 0, 0)); },
              [](auto& v) { return v.qualities[1]; }, "62"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct ComboCase {
    const char* name;
    std::function<void(PlayerRecord&, int)> store;
    std::function<int(const PlayerEditorValues&)> shown;
    int code;
    int expectedIndex;
};

void PrintTo(const ComboCase& c, std::ostream* os) {
    *os << c.name;
}

class ComboShownAs : public ::testing::TestWithParam<ComboCase> {};

TEST_P(ComboShownAs, ItemIndexFollowsTheCode) {
    PlayerRecord p = makeEditablePlayer();
    GetParam().store(p, GetParam().code);
    EXPECT_EQ(GetParam().shown(playerEditorValues(std::vector<TeamListEntry>{}, p)), GetParam().expectedIndex);
}

template <std::size_t O>
std::function<void(PlayerRecord&, int)> putCode(NumField<std::uint8_t, O> field) {
    return [=](PlayerRecord& p, int code) { p.set(field, static_cast<std::uint8_t>(code)); };
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Items, ComboShownAs, ::testing::Values(
    ComboCase{"PositionCodeMinusOne", putCode(pf::position), [](auto& v) { return v.position; }, 10, 9},
    ComboCase{"PositionZeroHasNoItem", putCode(pf::position), [](auto& v) { return v.position; }, 0, -1},
    ComboCase{"SecondPosition", putCode(pf::secondPosition), [](auto& v) { return v.secondPosition; }, 1, 0},
    ComboCase{"Role", putCode(pf::role), [](auto& v) { return v.role; }, 4, 3},
    ComboCase{"Bats", putCode(pf::bats), [](auto& v) { return v.bats; }, 2, 2},
    ComboCase{"BatsUnknown", putCode(pf::bats), [](auto& v) { return v.bats; }, 3, -1},
    ComboCase{"Throws", putCode(pf::throws), [](auto& v) { return v.throws; }, 0, 0},
    ComboCase{"LevelInactive", putCode(pf::level), [](auto& v) { return v.level; }, 6, 6},
    ComboCase{"LevelDisabled", putCode(pf::level), [](auto& v) { return v.level; }, 7, 7},
    ComboCase{"LevelUnknown", putCode(pf::level), [](auto& v) { return v.level; }, 8, -1},
    ComboCase{"Complexion", putCode(pf::complexion), [](auto& v) { return v.complexion; }, 3, 2},
    ComboCase{"Stance", putCode(pf::battingStance), [](auto& v) { return v.battingStance; }, 21, 21},
    ComboCase{"StanceUnknown", putCode(pf::battingStance), [](auto& v) { return v.battingStance; }, 22, -1},
    ComboCase{"Delivery", putCode(pf::delivery), [](auto& v) { return v.delivery; }, 8, 8}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(PlayerEditorValuesTest, ShowsNamesChecksAndTeam) {
    PlayerRecord p = original;
    p.set(pf::lastName, "Abcdefghijklmnop");  // 16 characters, no NUL
    p.set(pf::facialHair, std::uint8_t{2});
    p.set(pf::fromStretch, std::int32_t{1});
    const auto v = playerEditorValues(league, p);
    EXPECT_EQ(v.lastName, "Abcdefghijklmnop");
    EXPECT_EQ(v.firstName, "Cal");
    EXPECT_TRUE(v.facialHair);
    EXPECT_TRUE(v.fromStretch);
    EXPECT_EQ(v.team, 2);  // team number 1 is the third entry

    p.set(pf::facialHair, std::uint8_t{0});
    p.set(pf::fromStretch, std::int32_t{0});
    p.set(pf::teamIndex, kFreeAgentTeam);
    const auto w = playerEditorValues(league, p);
    EXPECT_FALSE(w.facialHair);
    EXPECT_FALSE(w.fromStretch);
    EXPECT_EQ(w.team, 0);

    p.set(pf::teamIndex, std::uint8_t{40});
    EXPECT_EQ(playerEditorValues(league, p).team, -1);
}

TEST(PlayerEditorTeams, BuiltInListPutsTheFreeAgentsUnder255) {
    const auto teams = builtInTeamList();
    ASSERT_EQ(teams.size(), 31u);
    EXPECT_EQ(teams.front(), (TeamListEntry{"BAL", 0}));
    EXPECT_EQ(teams[29], (TeamListEntry{"SANF", 29}));
    EXPECT_EQ(teams.back(), (TeamListEntry{"FA", 255}));
}

TEST_F(PlayerEditorValuesTest, PitchSlotsInUseFillCombosQualitiesAndGridRows) {
    PlayerRecord p = original;
    p.setPitch(1, makeSlot(9, 0.55f, 0.211f, 0.222f, 0.233f, 0.244f, 0.255f, 0.266f));
    const auto v = playerEditorValues(league, p);
    EXPECT_EQ(v.pitchTypes, (std::array<int, 6>{1, 9, 4, 0, 0, 0}));
    EXPECT_EQ(v.qualities[0], "80");
    EXPECT_EQ(v.qualities[1], "55");
    // Row 1 against right-handers, row 7 against left-handers.
    EXPECT_EQ(v.pitchGrid[1], (std::array<std::string, 3>{"0.222", "0.244", "0.266"}));
    EXPECT_EQ(v.pitchGrid[7], (std::array<std::string, 3>{"0.211", "0.233", "0.255"}));
    EXPECT_EQ(v.pitchGrid[0], (std::array<std::string, 3>{"0.24", "0.3", "0.39"}));
    EXPECT_EQ(v.pitchGrid[6], (std::array<std::string, 3>{"0.25", "0.31", "0.4"}));
}

TEST_F(PlayerEditorValuesTest, SlotsBeyondThePitchCountShowNoPitchEmptyQualityAndZeros) {
    PlayerRecord p = original;
    p.set(pf::pitchCount, std::uint8_t{2});
    // Slot 3 still holds a pitch in the record; beyond the count it is not shown.
    const auto v = playerEditorValues(league, p);
    EXPECT_EQ(v.pitchTypes, (std::array<int, 6>{1, 2, 0, 0, 0, 0}));
    EXPECT_EQ(v.qualities[1], "60");
    for (int k = 2; k < 6; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(v.qualities[static_cast<std::size_t>(k)], "");
        EXPECT_EQ(v.pitchGrid[static_cast<std::size_t>(k)], (std::array<std::string, 3>{"0", "0", "0"}));
        EXPECT_EQ(v.pitchGrid[static_cast<std::size_t>(k + 6)], (std::array<std::string, 3>{"0", "0", "0"}));
    }
}

TEST_F(PlayerEditorValuesTest, UnknownPitchCodeShowsNoItem) {
    PlayerRecord p = original;
    p.setPitch(2, makeSlot(12, 0.5f, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(playerEditorValues(league, p).pitchTypes[2], -1);
}

TEST_F(PlayerEditorValuesTest, FillPitchValuesChangesOnlyThePitchControls) {
    PlayerEditorValues v = playerEditorValues(league, original);
    v.age = "77";
    PlayerRecord other = original;
    other.set(pf::pitchCount, std::uint8_t{1});
    fillPitchValues(v, other);
    EXPECT_EQ(v.age, "77");
    EXPECT_EQ(v.pitchTypes, (std::array<int, 6>{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(v.qualities[1], "");
}

// ---- APPLY ------------------------------------------------------------------------------------

TEST_F(PlayerEditorValuesTest, ApplyingTheShownValuesKeepsEveryByte) {
    PlayerRecord p = original;
    EXPECT_EQ(apply(p, playerEditorValues(league, p)), ApplyOutcome::Applied);
    EXPECT_TRUE(sameBytes(p, original));
    EXPECT_TRUE(league.changed());
    EXPECT_TRUE(interaction.shown().empty());
}

struct ApplyCase {
    const char* name;
    std::function<void(PlayerEditorValues&)> edit;
    std::function<void(PlayerRecord&)> expect;
};

void PrintTo(const ApplyCase& c, std::ostream* os) {
    *os << c.name;
}

class ApplyStores : public PlayerEditorValuesTest, public ::testing::WithParamInterface<ApplyCase> {};

TEST_P(ApplyStores, OnlyTheEditedFieldChanges) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    GetParam().edit(values);
    PlayerRecord expected = original;
    GetParam().expect(expected);
    ASSERT_EQ(apply(p, values), ApplyOutcome::Applied);
    EXPECT_TRUE(sameBytes(p, expected));
    EXPECT_TRUE(league.changed());
}

template <class T, std::size_t O>
std::function<void(PlayerRecord&)> expect(NumField<T, O> field, T value) {
    return [=](PlayerRecord& p) { p.set(field, value); };
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ApplyStores, ::testing::Values(
    ApplyCase{"LastName", [](auto& v) { v.lastName = "Smithers"; },
              [](PlayerRecord& p) { p.set(pf::lastName, "Smithers"); }},
    ApplyCase{"FirstName", [](auto& v) { v.firstName = "Bartholomew"; },
              [](PlayerRecord& p) { p.set(pf::firstName, "Bartholomew"); }},
    ApplyCase{"Number", [](auto& v) { v.uniformNumber = "7"; }, expect(pf::uniformNumber, std::uint8_t{7})},
    // Whole numbers keep the low bits of their field's width, without a range check.
    ApplyCase{"AgeWrapsIntoOneByte", [](auto& v) { v.age = "300"; }, expect(pf::age, std::uint8_t{44})},
    ApplyCase{"NegativeAgeWraps", [](auto& v) { v.age = "-1"; }, expect(pf::age, std::uint8_t{255})},
    ApplyCase{"HeightWraps", [](auto& v) { v.height = "257"; }, expect(pf::height, std::uint8_t{1})},
    ApplyCase{"WeightTwoBytes", [](auto& v) { v.weight = "300"; }, expect(pf::weight, std::uint16_t{300})},
    ApplyCase{"DaysOutWrapsIntoTwoBytes", [](auto& v) { v.daysOut = "70000"; },
              expect(pf::daysOut, std::uint16_t{4464})},
    ApplyCase{"Suspension", [](auto& v) { v.suspensionDays = "12"; }, expect(pf::suspensionDays, std::uint16_t{12})},
    ApplyCase{"Face", [](auto& v) { v.faceNumber = " 513 "; }, expect(pf::faceNumber, std::uint16_t{513})},
    ApplyCase{"BatColor", [](auto& v) { v.batColor = "+3"; }, expect(pf::batColor, std::uint8_t{3})},
    ApplyCase{"PeakShiftSigned", [](auto& v) { v.peakShift = "-3"; }, expect(pf::peakShift, std::int8_t{-3})},
    ApplyCase{"Waggle", [](auto& v) { v.waggleType = "11"; }, expect(pf::waggleType, std::uint8_t{11})},
    ApplyCase{"Wave", [](auto& v) { v.waveType = "0"; }, expect(pf::waveType, std::uint8_t{0})},
    ApplyCase{"Stride", [](auto& v) { v.strideType = "6"; }, expect(pf::strideType, std::uint8_t{6})},
    ApplyCase{"PositionIndexPlusOne", [](auto& v) { v.position = 9; }, expect(pf::position, std::uint8_t{10})},
    ApplyCase{"SecondPosition", [](auto& v) { v.secondPosition = 0; }, expect(pf::secondPosition, std::uint8_t{1})},
    ApplyCase{"Role", [](auto& v) { v.role = 3; }, expect(pf::role, std::uint8_t{4})},
    ApplyCase{"Bats", [](auto& v) { v.bats = 0; }, expect(pf::bats, std::uint8_t{0})},
    ApplyCase{"Throws", [](auto& v) { v.throws = 0; }, expect(pf::throws, std::uint8_t{0})},
    ApplyCase{"Level", [](auto& v) { v.level = 7; }, expect(pf::level, std::uint8_t{7})},
    ApplyCase{"Complexion", [](auto& v) { v.complexion = 2; }, expect(pf::complexion, std::uint8_t{3})},
    ApplyCase{"Stance", [](auto& v) { v.battingStance = 21; }, expect(pf::battingStance, std::uint8_t{21})},
    ApplyCase{"Delivery", [](auto& v) { v.delivery = 8; }, expect(pf::delivery, std::uint8_t{8})},
    ApplyCase{"FacialHair", [](auto& v) { v.facialHair = true; }, expect(pf::facialHair, std::uint8_t{1})},
    ApplyCase{"FromStretchChecked", [](auto& v) { v.fromStretch = true; }, expect(pf::fromStretch, std::int32_t{-1})},
    ApplyCase{"TeamIsNotStored", [](auto& v) { v.team = 3; }, [](PlayerRecord&) {}},
    ApplyCase{"Arm", [](auto& v) { v.armRating = "7.25"; }, expect(pf::armRating, 7.25f)},
    ApplyCase{"RunSpeed", [](auto& v) { v.runSpeed = "3.1"; }, expect(pf::runSpeed, 3.1f)},
    ApplyCase{"FatigueFromPercent", [](auto& v) { v.fatigue = "30"; }, expect(pf::fatigue, 0.3f)},
    ApplyCase{"BatAb", [](auto& v) { v.batting[0] = "601"; }, expect(pf::batAB, 601.0f)},
    ApplyCase{"BatHits", [](auto& v) { v.batting[1] = "170"; }, expect(pf::batHits, 170.0f)},
    ApplyCase{"BatDoubles", [](auto& v) { v.batting[2] = "41"; }, expect(pf::batDoubles, 41.0f)},
    ApplyCase{"BatTriples", [](auto& v) { v.batting[3] = "2"; }, expect(pf::batTriples, 2.0f)},
    ApplyCase{"BatHomeRunsKeepFraction", [](auto& v) { v.batting[4] = "22.5"; }, expect(pf::batHomeRuns, 22.5f)},
    ApplyCase{"BatWalks", [](auto& v) { v.batting[5] = "61"; }, expect(pf::batWalks, 61.0f)},
    ApplyCase{"BatStrikeouts", [](auto& v) { v.batting[6] = "99"; }, expect(pf::batStrikeouts, 99.0f)},
    ApplyCase{"AvgVsL", [](auto& v) { v.avgVsL = ".312"; }, expect(pf::avgVsL, 0.312f)},
    ApplyCase{"ObpVsL", [](auto& v) { v.obpVsL = "0.4"; }, expect(pf::obpVsL, 0.4f)},
    ApplyCase{"SlgVsL", [](auto& v) { v.slgVsL = "0.61"; }, expect(pf::slgVsL, 0.61f)},
    ApplyCase{"AvgVsR", [](auto& v) { v.avgVsR = "0.301"; }, expect(pf::avgVsR, 0.301f)},
    ApplyCase{"ObpVsR", [](auto& v) { v.obpVsR = "0.377"; }, expect(pf::obpVsR, 0.377f)},
    ApplyCase{"SlgVsR", [](auto& v) { v.slgVsR = "0.59"; }, expect(pf::slgVsR, 0.59f)},
    ApplyCase{"PullFromPercent", [](auto& v) { v.pull = "45"; }, expect(pf::pullPct, 0.45f)},
    ApplyCase{"MiddleFromPercent", [](auto& v) { v.middle = "12.5"; }, expect(pf::middlePct, 0.125f)},
    ApplyCase{"OppFieldFromPercent", [](auto& v) { v.oppField = "20"; }, expect(pf::oppFieldPct, 0.2f)},
    ApplyCase{"BatGroundBallFromPercent", [](auto& v) { v.batGroundBall = "38"; },
              expect(pf::batGroundBallPct, 0.38f)},
    ApplyCase{"PitAb", [](auto& v) { v.pitching[0] = "650"; }, expect(pf::pitAB, 650.0f)},
    ApplyCase{"PitHits", [](auto& v) { v.pitching[1] = "190"; }, expect(pf::pitHits, 190.0f)},
    ApplyCase{"PitDoubles", [](auto& v) { v.pitching[2] = "36"; }, expect(pf::pitDoubles, 36.0f)},
    ApplyCase{"PitTriples", [](auto& v) { v.pitching[3] = "5"; }, expect(pf::pitTriples, 5.0f)},
    ApplyCase{"PitHomeRuns", [](auto& v) { v.pitching[4] = "21"; }, expect(pf::pitHomeRuns, 21.0f)},
    ApplyCase{"PitWalks", [](auto& v) { v.pitching[5] = "66"; }, expect(pf::pitWalks, 66.0f)},
    ApplyCase{"PitStrikeouts", [](auto& v) { v.pitching[6] = "201"; }, expect(pf::pitStrikeouts, 201.0f)},
    ApplyCase{"Endurance", [](auto& v) { v.endurance = "8.5"; }, expect(pf::endurance, 8.5f)},
    ApplyCase{"PitGroundBallFromPercent", [](auto& v) { v.pitGroundBall = "55"; },
              expect(pf::pitGroundBallPct, 0.55f)},
    ApplyCase{"Familiarity", [](auto& v) { v.familiarity[4] = "0.85"; },
              [](PlayerRecord& p) { p.setFamiliarity(4, 0.85f); }},
    ApplyCase{"InfieldRange", [](auto& v) { v.infieldRange = "9.5"; }, expect(pf::infieldRange, 9.5f)},
    ApplyCase{"OutfieldRange", [](auto& v) { v.outfieldRange = "1.75"; }, expect(pf::outfieldRange, 1.75f)},
    ApplyCase{"FieldingPct", [](auto& v) { v.fieldingPct = "0.985"; }, expect(pf::fieldingPct, 0.985f)},
    ApplyCase{"StarRating", [](auto& v) { v.starRating = "4.5"; }, expect(pf::starRating, 4.5f)},
    ApplyCase{"ProspectRating", [](auto& v) { v.prospectRating = "1e1"; }, expect(pf::prospectRating, 10.0f)},
    ApplyCase{"QualityFromHundredths", [](auto& v) { v.qualities[1] = "88"; },
              [](PlayerRecord& p) {
                  auto slot = p.pitch(1);
                  slot.set(ps::quality, 0.88f);
                  p.setPitch(1, slot);
              }},
    ApplyCase{"PitchType", [](auto& v) { v.pitchTypes[2] = 9; },
              [](PlayerRecord& p) {
                  auto slot = p.pitch(2);
                  slot.set(ps::pitchType, 9);
                  p.setPitch(2, slot);
              }},
    ApplyCase{"GridRowsGoToVsRAndVsL",
              [](auto& v) {
                  v.pitchGrid[2] = {"0.1", "0.2", "0.3"};
                  v.pitchGrid[8] = {"0.4", "0.5", "0.6"};
              },
              [](PlayerRecord& p) {
                  p.setPitch(2, makeSlot(4, 0.5f, 0.4f, 0.1f, 0.5f, 0.2f, 0.6f, 0.3f));
              }}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(PlayerEditorValuesTest, SixteenCharacterLastNameIsStoredWithoutNul) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.lastName = "Abcdefghijklmnop";
    apply(p, values);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(p.bytes()[i], static_cast<std::uint8_t>("Abcdefghijklmnop"[i])) << i;
    }
    EXPECT_EQ(p.get(pf::lastName), "Abcdefghijklmnop");
    EXPECT_EQ(p.get(pf::firstName), "Cal");  // the first name right behind it is untouched
}

TEST_F(PlayerEditorValuesTest, LongerTextIsCutToItsFieldAndShorterIsNulPadded) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.lastName = "Abcdefghijklmnopq";  // 17
    values.firstName = "Jo";
    PlayerRecord expected = original;
    for (std::size_t i = 0; i < 16; ++i) {
        expected.bytes()[i] = static_cast<std::uint8_t>("Abcdefghijklmnop"[i]);
        expected.bytes()[16 + i] = 0;
    }
    expected.bytes()[16] = 'J';
    expected.bytes()[17] = 'o';
    apply(p, values);
    EXPECT_TRUE(sameBytes(p, expected));
}

// Values stored more finely than the editor shows them survive an APPLY of other boxes, and an
// edited box stores only its own field.
TEST_F(PlayerEditorValuesTest, OnlyTheEditedBoxesReachTheRecord) {
    PlayerRecord fine = original;
    fine.set(pf::armRating, 7.2044816f);
    fine.set(pf::fatigue, 0.038022f);
    fine.setFamiliarity(4, 0.21573f);
    PitchSlot first = fine.pitch(0);
    first.set(ps::quality, 0.49233f);
    first.set(ps::avgVsL, 0.2617f);
    fine.setPitch(0, first);
    fine.set(pf::batAB, 412.5f);

    struct Case {
        const char* what;
        std::function<void(PlayerEditorValues&)> edit;
        std::function<void(PlayerRecord&)> expected;
    };
    const Case cases[] = {
        {"nothing", [](PlayerEditorValues&) {}, [](PlayerRecord&) {}},
        {"name and age",
         [](PlayerEditorValues& v) {
             v.lastName = "Carvers";
             v.age = "31";
         },
         [](PlayerRecord& r) {
             r.set(pf::lastName, std::string("Carvers"));
             r.set(pf::age, std::uint8_t{31});
         }},
        {"arm",
         [](PlayerEditorValues& v) { v.armRating = "6.5"; },
         [](PlayerRecord& r) { r.set(pf::armRating, 6.5f); }},
        {"one pitch box",
         [](PlayerEditorValues& v) { v.pitchGrid[0][0] = ".300"; },
         [](PlayerRecord& r) {
             PitchSlot slot = r.pitch(0);
             slot.set(ps::avgVsR, 0.3f);
             r.setPitch(0, slot);
         }},
    };
    for (const Case& c : cases) {
        PlayerRecord p = fine;
        auto values = playerEditorValues(league, p);
        c.edit(values);
        EXPECT_EQ(apply(p, values), ApplyOutcome::Applied) << c.what;
        PlayerRecord expected = fine;
        c.expected(expected);
        EXPECT_TRUE(sameBytes(p, expected)) << c.what;
    }
}

// Check boxes show any non-zero value as checked; only a box the user clicked stores its
// canonical value (-1 and 1), an untouched one keeps what the record holds.
TEST_F(PlayerEditorValuesTest, CheckBoxesStoreTheirCanonicalValueOnlyWhenClicked) {
    PlayerRecord p = original;
    p.set(pf::fromStretch, std::int32_t{1});
    p.set(pf::facialHair, std::uint8_t{5});
    auto values = playerEditorValues(league, p);
    EXPECT_TRUE(values.fromStretch);
    EXPECT_TRUE(values.facialHair);
    const PlayerRecord before = p;
    apply(p, values);
    EXPECT_TRUE(sameBytes(p, before));

    values.fromStretch = false;
    values.facialHair = false;
    apply(p, values);
    EXPECT_EQ(p.get(pf::fromStretch), 0);
    EXPECT_EQ(p.get(pf::facialHair), 0);
    values.fromStretch = true;
    values.facialHair = true;
    apply(p, values);
    EXPECT_EQ(p.get(pf::fromStretch), -1);
    EXPECT_EQ(p.get(pf::facialHair), 1);
}

TEST_F(PlayerEditorValuesTest, CombosWithoutItemKeepTheStoredCode) {
    PlayerRecord p = original;
    p.set(pf::bats, std::uint8_t{7});
    p.set(pf::level, std::uint8_t{9});
    p.set(pf::position, std::uint8_t{0});
    p.setPitch(1, makeSlot(12, 0.6f, 0.26f, 0.255f, 0.32f, 0.315f, 0.41f, 0.405f));
    const PlayerRecord before = p;
    const auto values = playerEditorValues(league, p);
    ASSERT_EQ(values.bats, -1);
    ASSERT_EQ(values.pitchTypes[1], -1);
    apply(p, values);
    EXPECT_TRUE(sameBytes(p, before));
    EXPECT_EQ(p.get(pf::pitchCount), 3);
}

// ---- Pitch slots ------------------------------------------------------------------------------

TEST_F(PlayerEditorValuesTest, GapAmongTheCombosIsNotClosed) {
    // A pitcher with four pitches whose third is set to "No pitch": combos 1, 2 and 4 hold one.
    PlayerRecord p = original;
    p.set(pf::pitchCount, std::uint8_t{4});
    p.setPitch(3, makeSlot(7, 0.7f, 0.28f, 0.275f, 0.34f, 0.335f, 0.43f, 0.425f));
    auto values = playerEditorValues(league, p);
    values.pitchTypes[2] = 0;

    PlayerRecord expected = p;
    expected.set(pf::pitchCount, std::uint8_t{3});
    expected.setPitch(2, makeSlot(0, 0.5f, 0.27f, 0.265f, 0.33f, 0.325f, 0.42f, 0.415f));  // combo 3 as it stands
    expected.setPitch(3, PitchSlot{});  // the pitch of combo 4 is beyond the count
    ASSERT_EQ(apply(p, values), ApplyOutcome::Applied);
    EXPECT_TRUE(sameBytes(p, expected));
    for (std::size_t i = 0; i < PitchSlot::kSize; ++i) {
        EXPECT_EQ(p.pitch(3).bytes()[i], 0) << i;
    }
}

TEST_F(PlayerEditorValuesTest, PitchCountCountsTheCombosHoldingAPitch) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.pitchTypes = {0, 0, 0, 0, 0, 0};
    apply(p, values);
    EXPECT_EQ(p.get(pf::pitchCount), 0);
    for (int k = 0; k < pf::kPitchSlots; ++k) {
        EXPECT_EQ(p.pitch(k), PitchSlot{}) << k;
    }

    p = original;
    values = playerEditorValues(league, p);
    values.pitchTypes[3] = 5;
    values.qualities[3] = "45";
    values.pitchGrid[3] = {"0.2", "0.25", "0.3"};
    values.pitchGrid[9] = {"0.21", "0.26", "0.31"};
    apply(p, values);
    EXPECT_EQ(p.get(pf::pitchCount), 4);
    EXPECT_EQ(p.pitch(3), makeSlot(5, 0.45f, 0.21f, 0.2f, 0.26f, 0.25f, 0.31f, 0.3f));
}

TEST_F(PlayerEditorValuesTest, PatternBeyondThePitchCountIsZeroedOnceAPitchIsEdited) {
    PlayerRecord p = original;
    test::fillPattern(std::span(p.bytes()).subspan(pf::pitches.offset + 3 * PitchSlot::kSize, 3 * PitchSlot::kSize), 3);
    const PlayerRecord withPattern = p;
    auto values = playerEditorValues(league, p);
    apply(p, values);
    EXPECT_TRUE(sameBytes(p, withPattern));  // nothing of the repertoire edited
    values.qualities[0] = "55";
    apply(p, values);
    PlayerRecord expected = original;
    PitchSlot first = original.pitch(0);
    first.set(ps::quality, 0.55f);
    expected.setPitch(0, first);
    EXPECT_TRUE(sameBytes(p, expected));
}

TEST_F(PlayerEditorValuesTest, NewPitchWithEmptyQualityIsAConversionError) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.pitchTypes[3] = 1;  // chosen in a combo whose quality box is still empty
    EXPECT_EQ(applyError(p, values), "'' is not a valid floating point value");
    EXPECT_TRUE(sameBytes(p, original));
}

// ---- Rename question --------------------------------------------------------------------------

TEST_F(PlayerEditorValuesTest, RenamingAPlayerWithoutPhotoAsksNothing) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.lastName = "Carvers";
    EXPECT_EQ(apply(p, values), ApplyOutcome::Applied);
    EXPECT_TRUE(interaction.shown().empty());
    EXPECT_EQ(p.get(pf::lastName), "Carvers");
    EXPECT_EQ(p.get(pf::photoIndex), -1);
}

TEST_F(PlayerEditorValuesTest, ChangingOnlyTheCaseOfAPhotographedPlayerAsksAndYesDropsThePhoto) {
    original.set(pf::photoIndex, std::int16_t{321});
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.firstName = "CAL";
    interaction.answerYesNo(true);
    EXPECT_EQ(apply(p, values), ApplyOutcome::Applied);
    ASSERT_EQ(interaction.shown().size(), 1u);
    EXPECT_EQ(interaction.shown()[0].kind, ScriptedInteraction::Shown::Kind::YesNo);
    EXPECT_EQ(interaction.shown()[0].text,
              "You are trying to rename a player with an existing photo, the newly renamed player won't have a "
              "photo. Do you want to proceed ?");
    PlayerRecord expected = original;
    expected.set(pf::photoIndex, std::int16_t{-1});
    expected.set(pf::firstName, "CAL");
    EXPECT_TRUE(sameBytes(p, expected));
    EXPECT_TRUE(league.changed());
}

TEST_F(PlayerEditorValuesTest, DecliningTheRenameStoresNothing) {
    original.set(pf::photoIndex, std::int16_t{321});
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.lastName = "Other";
    values.age = "33";
    values.faceNumber = "99";
    interaction.answerYesNo(false);
    EXPECT_EQ(apply(p, values), ApplyOutcome::Declined);
    EXPECT_EQ(interaction.shown().size(), 1u);
    EXPECT_TRUE(sameBytes(p, original));
    EXPECT_FALSE(league.changed());
}

TEST_F(PlayerEditorValuesTest, KeepingTheNameOfAPhotographedPlayerAsksNothing) {
    original.set(pf::photoIndex, std::int16_t{321});
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.age = "33";
    EXPECT_EQ(apply(p, values), ApplyOutcome::Applied);
    EXPECT_TRUE(interaction.shown().empty());
    EXPECT_EQ(p.get(pf::photoIndex), 321);
    EXPECT_EQ(p.get(pf::age), 33);
}

TEST_F(PlayerEditorValuesTest, NameTheRecordWouldHoldUnchangedAsksNothing) {
    // Text beyond the field's width is not stored, so it does not rename the player.
    original.set(pf::photoIndex, std::int16_t{321});
    original.set(pf::lastName, "Abcdefghijklmnop");
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.lastName += "q";
    EXPECT_EQ(apply(p, values), ApplyOutcome::Applied);
    EXPECT_TRUE(interaction.shown().empty());
    EXPECT_TRUE(sameBytes(p, original));
}

// ---- Conversion errors ------------------------------------------------------------------------

struct ErrorCase {
    const char* name;
    std::function<void(PlayerEditorValues&)> edit;
    std::string message;
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.name;
}

class ApplyRefuses : public PlayerEditorValuesTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ApplyRefuses, BadBoxLeavesThePlayerAndTheLeagueUntouched) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    // Valid edits on either side of the bad box: none of them may reach the record.
    values.faceNumber = "77";
    values.lastName = "Changed";
    values.strideType = "9";
    GetParam().edit(values);
    EXPECT_EQ(applyError(p, values), GetParam().message);
    EXPECT_TRUE(sameBytes(p, original));
    EXPECT_FALSE(league.changed());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Boxes, ApplyRefuses, ::testing::Values(
    ErrorCase{"FaceFirstStored", [](auto& v) { v.faceNumber = "x1"; }, "'x1' is not a valid integer value"},
    ErrorCase{"AgeWithDecimals", [](auto& v) { v.age = "12.5"; }, "'12.5' is not a valid integer value"},
    ErrorCase{"EmptyNumber", [](auto& v) { v.uniformNumber = ""; }, "'' is not a valid integer value"},
    ErrorCase{"WeightBeyond32Bits", [](auto& v) { v.weight = "99999999999"; },
              "'99999999999' is not a valid integer value"},
    ErrorCase{"ArmWithComma", [](auto& v) { v.armRating = "6,5"; }, "'6,5' is not a valid floating point value"},
    ErrorCase{"FatigueText", [](auto& v) { v.fatigue = "abc"; }, "'abc' is not a valid floating point value"},
    ErrorCase{"BatAb", [](auto& v) { v.batting[0] = "5 5"; }, "'5 5' is not a valid floating point value"},
    ErrorCase{"PitSo", [](auto& v) { v.pitching[6] = "-"; }, "'-' is not a valid floating point value"},
    ErrorCase{"Quality", [](auto& v) { v.qualities[0] = "high"; }, "'high' is not a valid floating point value"},
    ErrorCase{"GridCellVsL", [](auto& v) { v.pitchGrid[8][2] = ".4.1"; }, "'.4.1' is not a valid floating point value"},
    ErrorCase{"BeyondFloatRange", [](auto& v) { v.endurance = "1e39"; }, "'1e39' is not a valid floating point value"},
    ErrorCase{"Familiarity", [](auto& v) { v.familiarity[8] = "1/2"; }, "'1/2' is not a valid floating point value"},
    ErrorCase{"Suspension", [](auto& v) { v.suspensionDays = "ten"; }, "'ten' is not a valid integer value"},
    ErrorCase{"StrideLastStored", [](auto& v) { v.strideType = "z"; }, "'z' is not a valid integer value"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(PlayerEditorValuesTest, FirstBadBoxInStoringOrderIsReported) {
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.strideType = "late";
    values.armRating = "early";
    EXPECT_EQ(applyError(p, values), "'early' is not a valid floating point value");
}

TEST_F(PlayerEditorValuesTest, ErrorAfterAgreedRenameKeepsThePhoto) {
    original.set(pf::photoIndex, std::int16_t{321});
    PlayerRecord p = original;
    auto values = playerEditorValues(league, p);
    values.lastName = "Renamed";
    values.age = "old";
    interaction.answerYesNo(true);
    EXPECT_EQ(applyError(p, values), "'old' is not a valid integer value");
    EXPECT_TRUE(sameBytes(p, original));
    EXPECT_FALSE(league.changed());
}

}  // namespace
}  // namespace zt

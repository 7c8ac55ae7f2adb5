// A run as a whole: validation before any change, selection of the players, the messages at its
// end and what a run that stops leaves behind.
#include <gtest/gtest.h>

#include "global_edit_fixture.h"
#include "globaledit/edit_fields.h"
#include "globaledit/formula_modifier.h"
#include "globaledit/global_edit_messages.h"
#include "league/error.h"

namespace zt::test {
namespace {

using globaledit::GlobalEditSettings;
using globaledit::Mode;

constexpr int kAgeItem = 0;
constexpr int kStarRatingItem = 46;
constexpr int kFatigueItem = 25;
constexpr int kGeneralAvgCriterion = 4;
constexpr int kAgeCriterion = 3;
constexpr int kSoPerAbCriterion = 26;
constexpr int kFatigueCriterion = 29;
constexpr int kAvgVsLCriterion = 10;
constexpr int kPeakShiftCriterion = 52;
constexpr int kFamCCriterion = 39;

struct Refusal {
    std::string label;
    Mode mode;
    std::string modifier;
    int field;
    std::string message;
};

std::ostream& operator<<(std::ostream& os, const Refusal& r) {
    return os << r.label;
}

class RefusedRun : public GlobalEditTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(RefusedRun, ShowsNothingChangesNothingAndThrowsItsMessage) {
    const auto& c = GetParam();
    addPlayer().set(pf::age, std::uint8_t{30});
    const auto before = m_league.players[0]->bytes();
    try {
        modify(fieldSettings(c.field, c.mode, c.modifier));
        FAIL() << "the run was not refused";
    } catch (const globaledit::ValidationError& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(m_league.players[0]->bytes(), before);
    EXPECT_FALSE(m_league.changed());
    EXPECT_TRUE(messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    GlobalEdit,
    RefusedRun,
    ::testing::Values(
        Refusal{"MinMaxWithoutSlash",
                Mode::MinMax,
                "5",
                kAgeItem,
                "Minimum and maximum values must be separated by a \"/\""},
        Refusal{"RandomWithoutSlash",
                Mode::Random,
                "5",
                kAgeItem,
                "You must specify a range for the random value (Min Value/Max Value)"},
        Refusal{"PercentageNotANumber", Mode::Percentage, "abc", kAgeItem, "Invalid modifier value"},
        Refusal{"EmptyUniqueValue", Mode::UniqueValue, "", kAgeItem, "Invalid modifier value"},
        Refusal{"CommaIsNoDecimalSeparator", Mode::ConstantVariation, "1,5", kAgeItem, "Invalid modifier value"},
        Refusal{"MaximumNotANumber", Mode::MinMax, "1/x", kAgeItem, "Invalid modifier value"},
        Refusal{"MinimumMissing", Mode::Random, "/5", kAgeItem, "Invalid modifier value"},
        Refusal{"FormulaOnAFieldWithoutFormulas",
                Mode::Formula,
                "AGE",
                kFatigueItem,
                "Formula not applicable with this field"},
        Refusal{"NoModeChosen", Mode::None, "5", kAgeItem, "No modification mode is chosen"}),
    [](const auto& info) { return info.param.label; });

TEST_F(GlobalEditTest, MinMaxSplitsAtTheFirstSlash) {
    addPlayer();
    EXPECT_THROW(modify(fieldSettings(kAgeItem, Mode::MinMax, "1/2/3")), globaledit::ValidationError);
}

TEST_F(GlobalEditTest, TheCountMessageFollowsARunThatProcessedPlayers) {
    addPlayer();
    addPlayer();
    const auto report = modify(fieldSettings(kAgeItem, Mode::UniqueValue, "30"));
    EXPECT_EQ(report.fieldText, "Age");
    EXPECT_EQ(report.playersCounted, 2);
    ASSERT_EQ(m_interaction.shown().size(), 1u);
    EXPECT_EQ(m_interaction.shown()[0].kind, ScriptedInteraction::Shown::Kind::Information);
    EXPECT_EQ(m_interaction.shown()[0].text, "2 players modified");
    EXPECT_TRUE(m_league.changed());
}

TEST_F(GlobalEditTest, ARunWithoutPlayersWarnsAndLeavesTheLeagueUnchanged) {
    addPlayer(0, 1);
    auto settings = fieldSettings(kAgeItem, Mode::UniqueValue, "30");
    settings.position = 11;  // DH
    modify(settings);
    ASSERT_EQ(m_interaction.shown().size(), 1u);
    EXPECT_EQ(m_interaction.shown()[0].kind, ScriptedInteraction::Shown::Kind::Warning);
    EXPECT_EQ(m_interaction.shown()[0].text, "No player has met the selecion criteria or a setting is missing");
    EXPECT_FALSE(m_league.changed());
}

TEST_F(GlobalEditTest, NoFieldChosenIsAMissingSetting) {
    addPlayer();
    const auto report = modify(fieldSettings(globaledit::kNoItem, Mode::UniqueValue, "30"));
    EXPECT_EQ(report.playersCounted, 0);
    EXPECT_EQ(messages(), std::vector<std::string>{globaledit::kNoPlayerMessage});
}

TEST_F(GlobalEditTest, ResultMessagesAreSuppressedOnRequest) {
    addPlayer();
    m_context.reportResult = false;
    EXPECT_EQ(modify(fieldSettings(kAgeItem, Mode::UniqueValue, "30")).playersCounted, 1);
    EXPECT_EQ(modify(fieldSettings(globaledit::kNoItem, Mode::UniqueValue, "30")).playersCounted, 0);
    EXPECT_TRUE(messages().empty());
}

// ---------------------------------------------------------------------------------------------
// Selection

struct PositionCase {
    int item;
    std::vector<int> kept;  // position codes of the players 1 (P) to 10 (DH) modified
};

class PositionSelection : public GlobalEditTest, public ::testing::WithParamInterface<PositionCase> {};

TEST_P(PositionSelection, KeepsThePlayersOfThatPosition) {
    for (int position = 1; position <= 10; ++position) {
        addPlayer(0, position);
    }
    auto settings = fieldSettings(kAgeItem, Mode::UniqueValue, "33");
    settings.position = GetParam().item;
    modify(settings);
    std::vector<int> kept;
    for (const auto& player : m_league.players) {
        if (player->get(pf::age) == 33) {
            kept.push_back(player->get(pf::position));
        }
    }
    EXPECT_EQ(kept, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(GlobalEdit,
                         PositionSelection,
                         ::testing::Values(PositionCase{0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                           PositionCase{1, {1}},
                                           PositionCase{2, {2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                           PositionCase{3, {2}},
                                           PositionCase{7, {6}},
                                           PositionCase{11, {10}}),
                         [](const auto& info) { return "Item" + std::to_string(info.param.item); });

TEST_F(GlobalEditTest, CurrentTeamKeepsOnlyThatTeamsPlayers) {
    addPlayer(3);
    addPlayer(4);
    addPlayer(kFreeAgentTeam);
    auto settings = fieldSettings(kAgeItem, Mode::UniqueValue, "33");
    settings.team = globaledit::kCurrentTeam;
    m_context.currentTeam = 4;
    EXPECT_EQ(modify(settings).playersCounted, 1);
    EXPECT_EQ(m_league.players[1]->get(pf::age), 33);
    m_context.currentTeam = kFreeAgentTeam;
    EXPECT_EQ(modify(settings).playersCounted, 1);
    EXPECT_EQ(m_league.players[2]->get(pf::age), 33);
}

GlobalEditSettings criteriaSettings(globaledit::Criterion first) {
    auto settings = fieldSettings(kStarRatingItem, Mode::UniqueValue, "5");
    settings.applyTo = globaledit::kApplySelectedCriteria;
    settings.criterion1 = std::move(first);
    return settings;
}

struct CriterionCase {
    std::string label;
    globaledit::Criterion criterion;
    std::function<void(PlayerRecord&)> setup;
    bool selected;
};

std::ostream& operator<<(std::ostream& os, const CriterionCase& c) {
    return os << c.label;
}

class CriterionSelection : public GlobalEditTest, public ::testing::WithParamInterface<CriterionCase> {};

TEST_P(CriterionSelection, SelectsByTheComparedValue) {
    const auto& c = GetParam();
    c.setup(addPlayer());
    EXPECT_EQ(modify(criteriaSettings(c.criterion)).playersCounted, c.selected ? 1 : 0);
}

auto age(int years) {
    return [years](PlayerRecord& p) { p.set(pf::age, static_cast<std::uint8_t>(years)); };
}

INSTANTIATE_TEST_SUITE_P(
    GlobalEdit,
    CriterionSelection,
    ::testing::Values(CriterionCase{"Equal", {kAgeCriterion, 0, "30"}, age(30), true},
                      CriterionCase{"NotEqual", {kAgeCriterion, 0, "31"}, age(30), false},
                      CriterionCase{"Less", {kAgeCriterion, 1, "31"}, age(30), true},
                      CriterionCase{"NotLess", {kAgeCriterion, 1, "30"}, age(30), false},
                      CriterionCase{"Greater", {kAgeCriterion, 2, "29.5"}, age(30), true},
                      CriterionCase{"LessOrEqual", {kAgeCriterion, 3, "30"}, age(30), true},
                      CriterionCase{"GreaterOrEqual", {kAgeCriterion, 4, "30"}, age(30), true},
                      CriterionCase{"NotGreaterOrEqual", {kAgeCriterion, 4, "31"}, age(30), false},
                      CriterionCase{"EmptyOperatorSelectsNobody", {kAgeCriterion, 5, "30"}, age(30), false},
                      CriterionCase{
                          "NoOperatorSelectsNobody", {kAgeCriterion, globaledit::kNoItem, "30"}, age(30), false},
                      CriterionCase{"NoFieldComparesZero", {globaledit::kNoItem, 0, "0"}, age(30), true},
                      CriterionCase{"AverageOfHitsOverAtBats",
                                    {kGeneralAvgCriterion, 4, ".3"},
                                    [](PlayerRecord& p) {
                                        p.set(pf::batHits, 60.0f);
                                        p.set(pf::batAB, 200.0f);
                                    },
                                    true},
                      CriterionCase{"NoAtBatsHasNoAverage",
                                    {kGeneralAvgCriterion, 1, ".300"},
                                    [](PlayerRecord& p) { p.set(pf::batHits, 0.0f); },
                                    false},
                      CriterionCase{"NoOpponentsAtBatsHasNoStrikeoutRate",
                                    {kSoPerAbCriterion, 3, "1"},
                                    [](PlayerRecord& p) { p.set(pf::pitStrikeouts, 10.0f); },
                                    false},
                      CriterionCase{"StoredFloatEqualsTypedDecimal",
                                    {kAvgVsLCriterion, 0, ".3"},
                                    [](PlayerRecord& p) { p.set(pf::avgVsL, 0.3f); },
                                    true},
                      CriterionCase{"FatigueComparedAsPercentage",
                                    {kFatigueCriterion, 2, "55"},
                                    [](PlayerRecord& p) { p.set(pf::fatigue, 0.6f); },
                                    true},
                      CriterionCase{"PeakShiftIsSigned",
                                    {kPeakShiftCriterion, 1, "0"},
                                    [](PlayerRecord& p) { p.set(pf::peakShift, std::int8_t{-2}); },
                                    true},
                      CriterionCase{"FamiliarityAtCatcher",
                                    {kFamCCriterion, 4, ".5"},
                                    [](PlayerRecord& p) { p.setFamiliarity(1, 0.75f); },
                                    true}),
    [](const auto& info) { return info.param.label; });

TEST_F(GlobalEditTest, CriteriaAreIgnoredWhenApplyingToAllPlayers) {
    addPlayer();
    auto settings = criteriaSettings({kAgeCriterion, 0, "not a number"});
    settings.applyTo = globaledit::kApplyAllPlayers;
    EXPECT_EQ(modify(settings).playersCounted, 1);
}

TEST_F(GlobalEditTest, AndNeedsBothCriteria) {
    addPlayer().set(pf::age, std::uint8_t{25});
    addPlayer().set(pf::age, std::uint8_t{35});
    addPlayer().set(pf::age, std::uint8_t{45});
    auto settings = criteriaSettings({kAgeCriterion, 2, "30"});
    settings.secondCriteria = globaledit::kCriteriaAnd;
    settings.criterion2 = {kAgeCriterion, 1, "40"};
    EXPECT_EQ(modify(settings).playersCounted, 1);
    EXPECT_EQ(m_league.players[1]->get(pf::starRating), 5.0f);
}

TEST_F(GlobalEditTest, OrNeedsEitherCriterion) {
    addPlayer().set(pf::age, std::uint8_t{25});
    addPlayer().set(pf::age, std::uint8_t{35});
    addPlayer().set(pf::age, std::uint8_t{45});
    auto settings = criteriaSettings({kAgeCriterion, 1, "30"});
    settings.secondCriteria = globaledit::kCriteriaOr;
    settings.criterion2 = {kAgeCriterion, 2, "40"};
    EXPECT_EQ(modify(settings).playersCounted, 2);
    EXPECT_EQ(m_league.players[1]->get(pf::starRating), 0.0f);
}

TEST_F(GlobalEditTest, NoSecondCriterionIgnoresTheSecondBox) {
    addPlayer().set(pf::age, std::uint8_t{25});
    auto settings = criteriaSettings({kAgeCriterion, 1, "30"});
    settings.criterion2 = {kAgeCriterion, 0, "not a number"};
    EXPECT_EQ(modify(settings).playersCounted, 1);
}

// With OR the second box is read only for a player the first criterion rejects: players before
// him are processed, and the run stops at him with the conversion message.
TEST_F(GlobalEditTest, OrLooksAtTheSecondCriterionOnlyWhenTheFirstFails) {
    addPlayer().set(pf::age, std::uint8_t{25});
    addPlayer().set(pf::age, std::uint8_t{26});
    addPlayer().set(pf::age, std::uint8_t{40});
    addPlayer().set(pf::age, std::uint8_t{27});
    auto settings = criteriaSettings({kAgeCriterion, 1, "30"});
    settings.secondCriteria = globaledit::kCriteriaOr;
    settings.criterion2 = {kAgeCriterion, 0, "x"};
    try {
        modify(settings);
        FAIL() << "the run did not stop";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'x' is not a valid floating point value");
    }
    EXPECT_EQ(m_league.players[0]->get(pf::starRating), 5.0f);
    EXPECT_EQ(m_league.players[1]->get(pf::starRating), 5.0f);
    EXPECT_EQ(m_league.players[3]->get(pf::starRating), 0.0f);
    EXPECT_TRUE(messages().empty());
    // Players were changed before the stop: the league must ask to be saved.
    EXPECT_TRUE(m_league.changed());
}

TEST_F(GlobalEditTest, OrNeverReadsTheSecondBoxWhenTheFirstAlwaysHolds) {
    addPlayer().set(pf::age, std::uint8_t{25});
    auto settings = criteriaSettings({kAgeCriterion, 1, "30"});
    settings.secondCriteria = globaledit::kCriteriaOr;
    settings.criterion2 = {kAgeCriterion, 0, "x"};
    EXPECT_EQ(modify(settings).playersCounted, 1);
}

TEST_F(GlobalEditTest, AndLooksAtTheSecondCriterionOnlyWhenTheFirstHolds) {
    addPlayer().set(pf::age, std::uint8_t{25});
    auto settings = criteriaSettings({kAgeCriterion, 2, "30"});
    settings.secondCriteria = globaledit::kCriteriaAnd;
    settings.criterion2 = {kAgeCriterion, 0, "x"};
    EXPECT_EQ(modify(settings).playersCounted, 0);
}

TEST_F(GlobalEditTest, AnEmptyCriterionBoxStopsTheRunAtTheFirstCandidate) {
    addPlayer();
    auto settings = criteriaSettings({kAgeCriterion, 0, ""});
    try {
        modify(settings);
        FAIL() << "the run did not stop";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'' is not a valid floating point value");
    }
    EXPECT_FALSE(m_league.changed());
}

// ---------------------------------------------------------------------------------------------
// Formulas

TEST_F(GlobalEditTest, AFormulaFaultStopsTheRunAtThatPlayer) {
    addPlayer().set(pf::batStrikeouts, 4.0f);
    addPlayer().set(pf::batStrikeouts, 0.0f);
    addPlayer().set(pf::batStrikeouts, 2.0f);
    EXPECT_THROW(modify(fieldSettings(kStarRatingItem, Mode::Formula, "8/BSO")), Error);
    EXPECT_EQ(m_league.players[0]->get(pf::starRating), 2.0f);
    EXPECT_EQ(m_league.players[2]->get(pf::starRating), 0.0f);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(m_league.changed());
}

TEST_F(GlobalEditTest, AnInvalidFormulaFailsAtTheFirstSelectedPlayer) {
    addPlayer();
    EXPECT_THROW(modify(fieldSettings(kStarRatingItem, Mode::Formula, "2 3")), Error);
    EXPECT_FALSE(m_league.changed());
}

TEST_F(GlobalEditTest, AnInvalidFormulaWithoutPlayersEndsWithTheMissingSettingMessage) {
    auto settings = fieldSettings(kStarRatingItem, Mode::Formula, "2 3");
    modify(settings);
    EXPECT_EQ(messages(), std::vector<std::string>{globaledit::kNoPlayerMessage});
}

TEST_F(GlobalEditTest, FormulaCountsAreWholeNumbers) {
    PlayerRecord& player = addPlayer();
    player.set(pf::batHits, 10.5f);  // rounds half to even: 10
    player.set(pf::pitWalks, 3.5f);  // 4
    modify(fieldSettings(kStarRatingItem, Mode::Formula, "BHITS + PWALKS/10"));
    EXPECT_FLOAT_EQ(player.get(pf::starRating), 10.4f);
}

TEST(FormulaVariables, NamesFoundAnywhereInTheTextInListOrder) {
    EXPECT_EQ(globaledit::FormulaModifier("age*2 + bhits").variableNames(), (std::vector<std::string>{"BHITS", "AGE"}));
    // "PHITS" holds no other name; "OUTFIELDR" and "FIELDING" are found as text, not as words.
    EXPECT_EQ(globaledit::FormulaModifier("PHITS+outfieldr").variableNames(),
              (std::vector<std::string>{"PHITS", "OUTFIELDR"}));
    EXPECT_EQ(globaledit::FormulaModifier("fieldingx").variableNames(), (std::vector<std::string>{"FIELDING"}));
    EXPECT_TRUE(globaledit::FormulaModifier("3*2").variableNames().empty());
}

}  // namespace
}  // namespace zt::test

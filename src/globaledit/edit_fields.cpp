#include "globaledit/edit_fields.h"

#include <array>

namespace zt::globaledit {

namespace {

constexpr auto kCriteria = joinedList(std::array{pv::position,
                                                 pv::bats,
                                                 pv::throws,
                                                 pv::age,
                                                 pv::battingAverage,
                                                 pv::batDoubles,
                                                 pv::batTriples,
                                                 pv::batHomeRuns,
                                                 pv::batWalks,
                                                 pv::batStrikeouts,
                                                 pv::avgVsL,
                                                 pv::avgVsR,
                                                 pv::obpVsL,
                                                 pv::obpVsR,
                                                 pv::slgVsL,
                                                 pv::slgVsR,
                                                 pv::pullPct,
                                                 pv::middlePct,
                                                 pv::oppFieldPct,
                                                 pv::batGroundBallPct,
                                                 pv::opponentsAverage,
                                                 pv::pitDoubles,
                                                 pv::pitTriples,
                                                 pv::pitHomeRuns,
                                                 pv::pitWalks,
                                                 pv::pitStrikeouts,
                                                 pv::strikeoutsPerAtBat,
                                                 pv::endurance,
                                                 pv::pitGroundBallPct,
                                                 pv::fatigue,
                                                 pv::armRating,
                                                 pv::runSpeed,
                                                 pv::infieldRange,
                                                 pv::outfieldRange,
                                                 pv::fieldingPct,
                                                 pv::level,
                                                 pv::battingStance,
                                                 pv::delivery},
                                      pv::familiarity,
                                      std::array{pv::daysOut,
                                                 pv::suspensionDays,
                                                 pv::uniformNumber,
                                                 pv::starRating,
                                                 pv::prospectRating,
                                                 pv::peakShift,
                                                 pv::batColor,
                                                 pv::waggleType,
                                                 pv::waveType,
                                                 pv::strideType});
static_assert(kCriteria.size() == kCriterionFieldCount);

using enum FieldClass;
constexpr int kWhole = 100;  // steps of 1 and 0.01 both draw hundredths
constexpr int kThousandths = 1000;

constexpr EditField edit(
    const PlayerValue& value, FieldClass fieldClass, int randomScale, bool formula, FieldRule rule = FieldRule::None) {
    return {value.caption, value, fieldClass, randomScale, formula, rule};
}

constexpr auto kEditFields =
    joinedList(std::array{edit(pv::age, I, kWhole, true),
                          edit(pv::battingAverage, C, kWhole, true),
                          edit(pv::batDoubles, C, kWhole, true),
                          edit(pv::batTriples, C, kWhole, true),
                          edit(pv::batHomeRuns, C, kWhole, true),
                          edit(pv::batWalks.as("Walks (b)"), C, kWhole, true),
                          edit(pv::batStrikeouts.as("So (b)"), C, kWhole, true, FieldRule::MinMaxRoundedBounds),
                          edit(pv::avgVsL, F, kThousandths, true),
                          edit(pv::avgVsR, F, kThousandths, true),
                          edit(pv::obpVsL, F, kThousandths, true),
                          edit(pv::obpVsR, F, kThousandths, true),
                          edit(pv::slgVsL, F, kThousandths, true),
                          edit(pv::slgVsR, F, kThousandths, true),
                          edit(pv::pullPct, F, kThousandths, true),
                          edit(pv::middlePct, F, kThousandths, true),
                          edit(pv::oppFieldPct, F, kThousandths, true),
                          edit(pv::batGroundBallPct, F, kThousandths, true),
                          edit(pv::opponentsAverage, C, kWhole, true),
                          edit(pv::pitDoubles, C, kWhole, true),
                          edit(pv::pitTriples, C, kWhole, true),
                          edit(pv::pitHomeRuns, C, kWhole, true),
                          edit(pv::pitWalks, C, kWhole, true),
                          edit(pv::pitStrikeouts, C, kWhole, true),
                          edit(pv::endurance, F, kWhole, true),
                          edit(pv::pitGroundBallPct, F, kThousandths, true),
                          edit(pv::fatigue, F, kWhole, false),
                          edit(pv::armRating, F, kWhole, true),
                          edit(pv::runSpeed, F, kWhole, true),
                          edit(pv::infieldRange, F, kWhole, true),
                          edit(pv::outfieldRange, F, kWhole, true),
                          edit(pv::fieldingPct, F, kWhole, true),
                          edit(pv::battingStance, I, kWhole, false, FieldRule::StanceCap),
                          edit(pv::delivery, I, kWhole, false, FieldRule::StyleCap)},
               familiarityEntries([](const PlayerValue& value) { return edit(value, F, kWhole, false); }),
               std::array{edit(pv::daysOut, I, kWhole, false),
                          edit(pv::suspensionDays, I, kWhole, false),
                          edit(pv::uniformNumber, I, kWhole, false),
                          edit(pv::complexion, I, kWhole, false),
                          edit(pv::starRating, F, kThousandths, true),
                          edit(pv::prospectRating, F, kThousandths, true),
                          edit(pv::peakShift, I, kWhole, false),
                          edit(pv::batColor, I, kWhole, false),
                          edit(pv::waggleType, I, kWhole, false),
                          edit(pv::waveType, I, kWhole, false),
                          edit(pv::strideType, I, kWhole, false)});
static_assert(kEditFields.size() == kEditFieldCount);

}  // namespace

std::span<const PlayerValue> criterionFields() {
    return kCriteria;
}

std::string_view criterionText(int item, bool secondList) {
    if (item < 0 || item >= kCriterionFieldCount) {
        return {};
    }
    if (item == kUniformNumberCriterion && !secondList) {
        return "Uniform Number";
    }
    return kCriteria[static_cast<std::size_t>(item)].caption;
}

std::optional<float> criterionValue(const PlayerRecord& player, int item) {
    if (item < 0 || item >= kCriterionFieldCount) {
        return 0.0f;
    }
    const std::optional<double> value = playerValue(player, kCriteria[static_cast<std::size_t>(item)]);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

std::span<const EditField> editFields() {
    return kEditFields;
}

const EditField* editField(int item) {
    if (item < 0 || item >= kEditFieldCount) {
        return nullptr;
    }
    return &kEditFields[static_cast<std::size_t>(item)];
}

std::string_view editFieldText(int item) {
    const EditField* f = editField(item);
    return f == nullptr ? std::string_view{} : f->text;
}

}  // namespace zt::globaledit

#include "globaledit/edit_fields.h"

#include <array>

namespace zt::globaledit {

namespace {

constexpr CriterionField criterion(const PlayerValue& value) {
    return {value.caption, value};
}

constexpr auto kCriteria = joinedList(std::array{criterion(pv::position),
                                                 criterion(pv::bats),
                                                 criterion(pv::throws),
                                                 criterion(pv::age),
                                                 criterion(pv::battingAverage),
                                                 criterion(pv::batDoubles),
                                                 criterion(pv::batTriples),
                                                 criterion(pv::batHomeRuns),
                                                 criterion(pv::batWalks),
                                                 criterion(pv::batStrikeouts),
                                                 criterion(pv::avgVsL),
                                                 criterion(pv::avgVsR),
                                                 criterion(pv::obpVsL),
                                                 criterion(pv::obpVsR),
                                                 criterion(pv::slgVsL),
                                                 criterion(pv::slgVsR),
                                                 criterion(pv::pullPct),
                                                 criterion(pv::middlePct),
                                                 criterion(pv::oppFieldPct),
                                                 criterion(pv::batGroundBallPct),
                                                 criterion(pv::opponentsAverage),
                                                 criterion(pv::pitDoubles),
                                                 criterion(pv::pitTriples),
                                                 criterion(pv::pitHomeRuns),
                                                 criterion(pv::pitWalks),
                                                 criterion(pv::pitStrikeouts),
                                                 criterion(pv::strikeoutsPerAtBat),
                                                 criterion(pv::endurance),
                                                 criterion(pv::pitGroundBallPct),
                                                 criterion(pv::fatigue),
                                                 criterion(pv::armRating),
                                                 criterion(pv::runSpeed),
                                                 criterion(pv::infieldRange),
                                                 criterion(pv::outfieldRange),
                                                 criterion(pv::fieldingPct),
                                                 criterion(pv::level),
                                                 criterion(pv::battingStance),
                                                 criterion(pv::delivery)},
                                      familiarityEntries(criterion),
                                      std::array{criterion(pv::daysOut),
                                                 criterion(pv::suspensionDays),
                                                 criterion(pv::uniformNumber),
                                                 criterion(pv::starRating),
                                                 criterion(pv::prospectRating),
                                                 criterion(pv::peakShift),
                                                 criterion(pv::batColor),
                                                 criterion(pv::waggleType),
                                                 criterion(pv::waveType),
                                                 criterion(pv::strideType)});
static_assert(kCriteria.size() == kCriterionFieldCount);

using enum FieldClass;
constexpr int kWhole = 100;  // steps of 1 and 0.01 both draw hundredths
constexpr int kThousandths = 1000;

constexpr EditField edit(
    const PlayerValue& value, FieldClass fieldClass, int randomScale, bool formula, FieldRule rule = FieldRule::None) {
    return {value.caption, value, fieldClass, randomScale, formula, rule};
}

// An item whose caption differs from the catalogue's.
constexpr EditField edit(std::string_view text,
                         const PlayerValue& value,
                         FieldClass fieldClass,
                         int randomScale,
                         bool formula,
                         FieldRule rule = FieldRule::None) {
    return {text, value, fieldClass, randomScale, formula, rule};
}

constexpr auto kEditFields =
    joinedList(std::array{edit(pv::age, I, kWhole, true),
                          edit(pv::battingAverage, C, kWhole, true),
                          edit(pv::batDoubles, C, kWhole, true),
                          edit(pv::batTriples, C, kWhole, true),
                          edit(pv::batHomeRuns, C, kWhole, true),
                          edit("Walks (b)", pv::batWalks, C, kWhole, true),
                          edit("So (b)", pv::batStrikeouts, C, kWhole, true, FieldRule::MinMaxRoundedBounds),
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

std::span<const CriterionField> criterionFields() {
    return kCriteria;
}

std::string_view criterionText(int item, bool secondList) {
    if (item < 0 || item >= kCriterionFieldCount) {
        return {};
    }
    if (item == kUniformNumberCriterion && !secondList) {
        return "Uniform Number";
    }
    return kCriteria[static_cast<std::size_t>(item)].text;
}

std::optional<float> criterionValue(const PlayerRecord& player, int item) {
    if (item < 0 || item >= kCriterionFieldCount) {
        return 0.0f;
    }
    const std::optional<double> value = playerValue(player, kCriteria[static_cast<std::size_t>(item)].value);
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

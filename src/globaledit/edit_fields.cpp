#include "globaledit/edit_fields.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace zt::globaledit {

namespace {

// The record fields are named here and looked up once in the player field table, which owns
// every offset and storage type.
const PlayerFieldInfo* field(std::string_view name) {
    const PlayerFieldInfo* info = findPlayerField(name);
    if (info == nullptr) {
        throw std::logic_error("global editing names an unknown player field: " + std::string(name));
    }
    return info;
}

constexpr std::array<std::string_view, 9> kFamiliarityTexts = {
    "Fam P", "Fam C", "Fam 1B", "Fam 2B", "Fam 3B", "Fam SS", "Fam LF", "Fam CF", "Fam RF"};

CriterionField plain(std::string_view text, std::string_view name) {
    return {text, CriterionSource::Field, field(name), nullptr, 0};
}

CriterionField ratio(std::string_view text, std::string_view numerator, std::string_view denominator) {
    return {text, CriterionSource::Ratio, field(numerator), field(denominator), 0};
}

std::vector<CriterionField> buildCriterionFields() {
    std::vector<CriterionField> list = {
        plain("Position", "position"),
        plain("Bats", "bats"),
        plain("Throws", "throws"),
        plain("Age", "age"),
        ratio("General Avg", "batHits", "batAB"),
        plain("2B", "batDoubles"),
        plain("3B", "batTriples"),
        plain("Homeruns", "batHomeRuns"),
        plain("Walks", "batWalks"),
        plain("So", "batStrikeouts"),
        plain("Avg Vs L", "avgVsL"),
        plain("Avg Vs R", "avgVsR"),
        plain("Obp Vs L", "obpVsL"),
        plain("Obp Vs R", "obpVsR"),
        plain("Slg Vs L", "slgVsL"),
        plain("Slg Vs R", "slgVsR"),
        plain("Pull", "pullPct"),
        plain("Middle", "middlePct"),
        plain("Opp Field", "oppFieldPct"),
        plain("Ground % (b)", "batGroundBallPct"),
        ratio("Opp. Total Avg", "pitHits", "pitAB"),
        plain("Opp. 2B", "pitDoubles"),
        plain("Opp. 3B", "pitTriples"),
        plain("Opp. Hrs", "pitHomeRuns"),
        plain("Opp. Walks", "pitWalks"),
        plain("Opp. So", "pitStrikeouts"),
        ratio("So/Ab", "pitStrikeouts", "pitAB"),
        plain("Endurance", "endurance"),
        plain("Ground % (p)", "pitGroundBallPct"),
        {"Fatigue", CriterionSource::FatiguePercent, field("fatigue"), nullptr, 0},
        plain("Arm Rating", "armRating"),
        plain("Run Speed", "runSpeed"),
        plain("Infield Range", "infieldRange"),
        plain("Outfield Range", "outfieldRange"),
        plain("Fielding %", "fieldingPct"),
        plain("Level", "level"),
        plain("Batting Stance", "battingStance"),
        plain("Pitching Style", "delivery"),
    };
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        list.push_back(
            {kFamiliarityTexts[static_cast<std::size_t>(i)], CriterionSource::Familiarity, nullptr, nullptr, i});
    }
    const std::vector<CriterionField> rest = {
        plain("Days on DL", "daysOut"),
        plain("Suspension Days", "suspensionDays"),
        plain("Uniform No", "uniformNumber"),
        plain("Star Rating", "starRating"),
        plain("Prospect Rating", "prospectRating"),
        plain("Peak Shift", "peakShift"),
        plain("Bat Color", "batColor"),
        plain("Waggle Type", "waggleType"),
        plain("Wave Type", "waveType"),
        plain("Stride Type", "strideType"),
    };
    list.insert(list.end(), rest.begin(), rest.end());
    if (list.size() != kCriterionFieldCount) {
        throw std::logic_error("the criterion list must hold 57 items");
    }
    return list;
}

EditField edit(std::string_view text,
               std::string_view name,
               FieldClass fieldClass,
               int randomScale,
               bool formula,
               FieldRule rule = FieldRule::None) {
    return {text, FieldTarget::Field, field(name), nullptr, 0, fieldClass, randomScale, formula, rule};
}

EditField hitsOverAB(std::string_view text, std::string_view hits, std::string_view atBats) {
    return {text, FieldTarget::HitsOverAB, field(hits), field(atBats), 0, FieldClass::C, 100, true, FieldRule::None};
}

std::vector<EditField> buildEditFields() {
    using enum FieldClass;
    constexpr int kWhole = 100;  // steps of 1 and 0.01 both draw hundredths
    constexpr int kThousandths = 1000;
    std::vector<EditField> list = {
        edit("Age", "age", I, kWhole, true),
        hitsOverAB("General Avg", "batHits", "batAB"),
        edit("2B", "batDoubles", C, kWhole, true),
        edit("3B", "batTriples", C, kWhole, true),
        edit("Homeruns", "batHomeRuns", C, kWhole, true),
        edit("Walks (b)", "batWalks", C, kWhole, true),
        edit("So (b)", "batStrikeouts", C, kWhole, true, FieldRule::MinMaxRoundedBounds),
        edit("Avg Vs L", "avgVsL", F, kThousandths, true),
        edit("Avg Vs R", "avgVsR", F, kThousandths, true),
        edit("Obp Vs L", "obpVsL", F, kThousandths, true),
        edit("Obp Vs R", "obpVsR", F, kThousandths, true),
        edit("Slg Vs L", "slgVsL", F, kThousandths, true),
        edit("Slg Vs R", "slgVsR", F, kThousandths, true),
        edit("Pull", "pullPct", F, kThousandths, true),
        edit("Middle", "middlePct", F, kThousandths, true),
        edit("Opp Field", "oppFieldPct", F, kThousandths, true),
        edit("Ground % (b)", "batGroundBallPct", F, kThousandths, true),
        hitsOverAB("Opp. Total Avg", "pitHits", "pitAB"),
        edit("Opp. 2B", "pitDoubles", C, kWhole, true),
        edit("Opp. 3B", "pitTriples", C, kWhole, true),
        edit("Opp. Hrs", "pitHomeRuns", C, kWhole, true),
        edit("Opp. Walks", "pitWalks", C, kWhole, true),
        edit("Opp. So", "pitStrikeouts", C, kWhole, true),
        edit("Endurance", "endurance", F, kWhole, true),
        edit("Ground % (p)", "pitGroundBallPct", F, kThousandths, true),
        edit("Fatigue", "fatigue", F, kWhole, false, FieldRule::Fatigue),
        edit("Arm Rating", "armRating", F, kWhole, true),
        edit("Run Speed", "runSpeed", F, kWhole, true),
        edit("Infield Range", "infieldRange", F, kWhole, true),
        edit("Outfield Range", "outfieldRange", F, kWhole, true),
        edit("Fielding %", "fieldingPct", F, kWhole, true),
        edit("Batting Stance", "battingStance", I, kWhole, false, FieldRule::StanceCap),
        edit("Pitching Style", "delivery", I, kWhole, false, FieldRule::StyleCap),
    };
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        list.push_back({kFamiliarityTexts[static_cast<std::size_t>(i)],
                        FieldTarget::Familiarity,
                        nullptr,
                        nullptr,
                        i,
                        F,
                        kWhole,
                        false,
                        FieldRule::None});
    }
    const std::vector<EditField> rest = {
        edit("Days on DL", "daysOut", I, kWhole, false),
        edit("Suspension Days", "suspensionDays", I, kWhole, false),
        edit("Uniform No", "uniformNumber", I, kWhole, false),
        edit("Complexion", "complexion", I, kWhole, false),
        edit("Star Rating", "starRating", F, kThousandths, true),
        edit("Prospect Rating", "prospectRating", F, kThousandths, true),
        edit("Peak Shift", "peakShift", I, kWhole, false),
        edit("Bat Color", "batColor", I, kWhole, false),
        edit("Waggle Type", "waggleType", I, kWhole, false),
        edit("Wave Type", "waveType", I, kWhole, false),
        edit("Stride Type", "strideType", I, kWhole, false),
    };
    list.insert(list.end(), rest.begin(), rest.end());
    if (list.size() != kEditFieldCount) {
        throw std::logic_error("the modifiable field list must hold 53 items");
    }
    return list;
}

const std::vector<CriterionField>& criterionTable() {
    static const std::vector<CriterionField> table = buildCriterionFields();
    return table;
}

const std::vector<EditField>& editTable() {
    static const std::vector<EditField> table = buildEditFields();
    return table;
}

}  // namespace

std::span<const CriterionField> criterionFields() {
    return criterionTable();
}

std::string_view criterionText(int item, bool secondList) {
    if (item < 0 || item >= kCriterionFieldCount) {
        return {};
    }
    if (item == kUniformNumberCriterion && !secondList) {
        return "Uniform Number";
    }
    return criterionTable()[static_cast<std::size_t>(item)].text;
}

std::optional<float> criterionValue(const PlayerRecord& player, int item) {
    if (item < 0 || item >= kCriterionFieldCount) {
        return 0.0f;
    }
    const CriterionField& criterion = criterionTable()[static_cast<std::size_t>(item)];
    switch (criterion.source) {
        case CriterionSource::Field:
            return static_cast<float>(readNumber(player, *criterion.field));
        case CriterionSource::Ratio: {
            const double divisor = readNumber(player, *criterion.denominator);
            if (divisor == 0) {
                return std::nullopt;
            }
            return static_cast<float>(readNumber(player, *criterion.field) / divisor);
        }
        case CriterionSource::FatiguePercent:
            return static_cast<float>(readNumber(player, *criterion.field) * 100);
        case CriterionSource::Familiarity:
            return player.familiarity(criterion.familiarity);
    }
    return std::nullopt;
}

std::span<const EditField> editFields() {
    return editTable();
}

const EditField* editField(int item) {
    if (item < 0 || item >= kEditFieldCount) {
        return nullptr;
    }
    return &editTable()[static_cast<std::size_t>(item)];
}

std::string_view editFieldText(int item) {
    const EditField* f = editField(item);
    return f == nullptr ? std::string_view{} : f->text;
}

}  // namespace zt::globaledit

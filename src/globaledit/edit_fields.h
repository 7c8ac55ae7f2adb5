#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "league/player_fields.h"
#include "league/player_record.h"

namespace zt::globaledit {

// ---------------------------------------------------------------------------------------------
// Criterion fields: the 57 items of the criterion lists and the value each compares.

enum class CriterionSource {
    Field,           // a record field
    Ratio,           // a record field divided by another (an average over at-bats)
    FatiguePercent,  // fatigue, a stored fraction, compared as a percentage
    Familiarity,     // one of the nine familiarity values
};

struct CriterionField {
    std::string_view text;
    CriterionSource source;
    const PlayerFieldInfo* field = nullptr;        // the record field (a ratio's numerator)
    const PlayerFieldInfo* denominator = nullptr;  // a ratio's divisor
    int familiarity = 0;                           // 0 P .. 8 RF
};

std::span<const CriterionField> criterionFields();
inline constexpr int kCriterionFieldCount = 57;
// Item 49 reads "Uniform Number" in the first criterion list and "Uniform No" in the second.
inline constexpr int kUniformNumberCriterion = 49;
std::string_view criterionText(int item, bool secondList);

// The value a criterion compares for a player, as a 32-bit float: 0 for an item outside the
// list, no value for a ratio whose divisor is 0 (a player without at-bats has no average, so
// no comparison holds for him).
std::optional<float> criterionValue(const PlayerRecord& player, int item);

// ---------------------------------------------------------------------------------------------
// Modifiable fields: the 53 items of the field list.

// I: whole numbers, every result rounded before it is stored. C: float counts, only Random and
// Formula results rounded. F: floats, never rounded.
enum class FieldClass { I, C, F };

enum class FieldTarget {
    Field,        // a record field
    HitsOverAB,   // hits of an average (General Avg, Opp. Total Avg): hits modified through at-bats
    Familiarity,  // one of the nine familiarity values
};

enum class FieldRule {
    None,
    Fatigue,              // modifiers are percentages of the stored fraction
    StanceCap,            // Batting Stance: Percentage refused, result at most 27
    StyleCap,             // Pitching Style: Percentage refused, result at most 14
    MinMaxRoundedBounds,  // So (b): Min/Max stores its bounds rounded
};

struct EditField {
    std::string_view text;
    FieldTarget target;
    const PlayerFieldInfo* field = nullptr;   // the record field (the hits of HitsOverAB)
    const PlayerFieldInfo* atBats = nullptr;  // HitsOverAB only
    int familiarity = 0;
    FieldClass fieldClass = FieldClass::F;
    int randomScale = 100;  // 1 / the resolution of the Random mode: 100, or 1000 for 0.001 steps
    bool formula = true;    // whether the Formula mode applies
    FieldRule rule = FieldRule::None;
};

std::span<const EditField> editFields();
inline constexpr int kEditFieldCount = 53;
// The item's field, or none for an index outside the list.
const EditField* editField(int item);
std::string_view editFieldText(int item);

}  // namespace zt::globaledit

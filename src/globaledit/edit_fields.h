#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "league/player_record.h"
#include "league/player_values.h"

namespace zt::globaledit {

// ---------------------------------------------------------------------------------------------
// Criterion fields: the 57 items of the criterion lists and the value each compares.

// The values the items compare, captioned as the second list shows them.
std::span<const PlayerValue> criterionFields();
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

enum class FieldRule {
    None,
    StanceCap,            // Batting Stance: Percentage refused, result at most 27
    StyleCap,             // Pitching Style: Percentage refused, result at most 14
    MinMaxRoundedBounds,  // So (b): Min/Max stores its bounds rounded
};

// What a modification changes follows the kind of the value: a stored field is written back;
// an average (General Avg, Opp. Total Avg) is changed through its hits, the modifiers being
// averages turned into hits through the at-bats; a percentage (Fatigue) keeps its stored
// fraction and takes every modifier except Percentage's factor as a percentage.
struct EditField {
    std::string_view text;
    PlayerValue value;
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

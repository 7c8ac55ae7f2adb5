#pragma once

#include <optional>
#include <string_view>

#include "globaledit/edit_fields.h"
#include "globaledit/edit_random.h"
#include "globaledit/formula_modifier.h"
#include "globaledit/global_edit_settings.h"
#include "league/interaction.h"
#include "league/player_record.h"

namespace zt::globaledit {

// The numbers of a validated modifier: m for Percentage, Unique Value and Constant Variation,
// the range a / b for Random and Min/Max.
struct ModifierValues {
    double m = 0;
    double a = 0;
    double b = 0;
};

// Checks the modifier text for the mode before any player is touched. Throws ValidationError
// with the message the user sees: the missing "/" of a range, or "Invalid modifier value".
// A formula is not checked here (its evaluation reports its faults).
ModifierValues readModifier(Mode mode, std::string_view text);

// Applies one run's modification to a selected player's field.
class FieldModification {
public:
    FieldModification(const EditField& field,
                      Mode mode,
                      const ModifierValues& values,
                      std::string_view modifierText,
                      EditRandom& random,
                      Interaction& interaction);

    // Throws zt::Error when the formula cannot be evaluated for this player.
    void apply(PlayerRecord& player);

private:
    double read(const PlayerRecord& player) const;
    void write(PlayerRecord& player, double value) const;
    double randomValue();
    void applyToHits(PlayerRecord& player);
    void applyToField(PlayerRecord& player);

    const EditField& m_field;
    Mode m_mode;
    ModifierValues m_values;
    EditRandom& m_random;
    Interaction& m_interaction;
    std::optional<FormulaModifier> m_formula;
};

}  // namespace zt::globaledit

#include "globaledit/field_modification.h"

#include <cmath>
#include <string>

#include "globaledit/global_edit_messages.h"
#include "globaledit/global_edit_run.h"
#include "league/error.h"
#include "league/numbers.h"
#include "league/player_fields.h"

namespace zt::globaledit {

namespace {

double modifierNumber(std::string_view text) {
    try {
        return parseFloat(text);
    } catch (const Error&) {
        throw ValidationError(kInvalidModifierMessage);
    }
}

// The stored value a capped field keeps at most (Batting Stance and Pitching Style codes).
std::optional<double> capOf(FieldRule rule) {
    switch (rule) {
        case FieldRule::StanceCap:
            return 27;
        case FieldRule::StyleCap:
            return 14;
        default:
            return std::nullopt;
    }
}

}  // namespace

ModifierValues readModifier(Mode mode, std::string_view text) {
    ModifierValues values;
    if (mode == Mode::MinMax || mode == Mode::Random) {
        const auto slash = text.find('/');
        if (slash == std::string_view::npos) {
            throw ValidationError(mode == Mode::MinMax ? kSeparatorMissingMessage : kRandomRangeMissingMessage);
        }
        values.a = modifierNumber(text.substr(0, slash));
        values.b = modifierNumber(text.substr(slash + 1));
    } else if (mode != Mode::Formula) {
        values.m = modifierNumber(text);
    }
    return values;
}

FieldModification::FieldModification(const EditField& field,
                                     Mode mode,
                                     const ModifierValues& values,
                                     std::string_view modifierText,
                                     EditRandom& random,
                                     Interaction& interaction)
    : m_field(field), m_mode(mode), m_values(values), m_random(random), m_interaction(interaction) {
    if (mode == Mode::Formula) {
        m_formula.emplace(modifierText);
    }
}

// The stored field itself: a percentage is modified as its stored fraction.
double FieldModification::read(const PlayerRecord& player) const {
    return readNumber(player, m_field.value.field);
}

void FieldModification::write(PlayerRecord& player, double value) const {
    // Whole-number fields keep the low 8 or 16 bits of the result, as their storage does.
    writeNumber(player, m_field.value.field, value);
}

// (a * scale + r) / scale with r drawn from 0 to Round((b - a) * scale) - 1: the range in steps
// of the field's resolution, b itself excluded.
double FieldModification::randomValue() {
    const double scale = m_field.randomScale;
    const double count = roundHalfEven((m_values.b - m_values.a) * scale);
    // An empty or reversed range draws nothing and gives a; a huge one is bounded so that the
    // count stays a whole number the generator can take.
    constexpr double kLargestCount = 4503599627370496.0;  // 2^52
    const auto draws = count >= 1 ? static_cast<std::uint64_t>(std::fmin(count, kLargestCount)) : 0;
    const auto r = static_cast<double>(m_random.below(draws));
    return (m_values.a * scale + r) / scale;
}

void FieldModification::apply(PlayerRecord& player) {
    if (m_field.value.kind == ValueKind::Ratio) {
        applyToHits(player);
    } else {
        applyToField(player);
    }
}

// General Avg and Opp. Total Avg change the hits; averages given as modifiers are turned into
// hits through the at-bats.
void FieldModification::applyToHits(PlayerRecord& player) {
    double hits = readNumber(player, m_field.value.field);
    const double atBats = readNumber(player, m_field.value.divisor);
    const ModifierValues& v = m_values;
    switch (m_mode) {
        case Mode::Percentage:
            hits = hits * v.m / 100;
            break;
        case Mode::UniqueValue:
            hits = v.m * atBats;
            break;
        case Mode::ConstantVariation:
            hits = hits + v.m * atBats;
            break;
        case Mode::Random:
            hits = roundHalfEven(randomValue());
            break;
        case Mode::Formula:
            hits = roundHalfEven(m_formula->evaluate(player));
            break;
        case Mode::MinMax:
            // Without at-bats there is no average to hold within the range: the player keeps
            // his hits.
            if (atBats != 0) {
                const double average = hits / atBats;
                if (average < v.a) {
                    hits = v.a * atBats;
                } else if (average > v.b) {
                    hits = v.b * atBats;
                }
            }
            break;
        case Mode::None:
            return;
    }
    writeNumber(player, m_field.value.field, hits);
}

void FieldModification::applyToField(PlayerRecord& player) {
    const auto cap = capOf(m_field.rule);
    if (cap && m_mode == Mode::Percentage) {
        m_interaction.information(kPercentageRefusedMessage);
        return;
    }
    // Fatigue is stored as a fraction and handled as a percentage: every modifier except
    // Percentage's factor is a percentage to divide by 100.
    const double unit = m_field.value.kind == ValueKind::Percent ? 100 : 1;
    const bool wholeCounts = m_field.fieldClass != FieldClass::F;
    const ModifierValues& v = m_values;
    double x = read(player);
    switch (m_mode) {
        case Mode::Percentage:
            x = x * v.m / 100;
            break;
        case Mode::UniqueValue:
            x = v.m / unit;
            break;
        case Mode::ConstantVariation:
            x = x + v.m / unit;
            break;
        case Mode::Random:
            x = randomValue() / unit;
            if (wholeCounts) {
                x = roundHalfEven(x);
            }
            break;
        case Mode::Formula:
            x = m_formula->evaluate(player);
            if (wholeCounts) {
                x = roundHalfEven(x);
            }
            break;
        case Mode::MinMax: {
            const double compared = unit == 1 ? x : static_cast<float>(x * unit);
            std::optional<double> bound;
            if (compared < v.a) {
                bound = v.a;
            } else if (compared > v.b) {
                bound = v.b;
            }
            if (bound) {
                const bool roundBound =
                    m_field.fieldClass == FieldClass::I || m_field.rule == FieldRule::MinMaxRoundedBounds;
                x = (roundBound ? roundHalfEven(*bound) : *bound) / unit;
            }
            break;
        }
        case Mode::None:
            return;
    }
    if (m_field.fieldClass == FieldClass::I) {
        x = roundHalfEven(x);
    }
    write(player, x);
    if (cap && read(player) > *cap) {
        write(player, *cap);
    }
}

}  // namespace zt::globaledit

#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "globaledit/calc_express.h"
#include "league/player_fields.h"
#include "league/player_record.h"

namespace zt::globaledit {

// The Formula modifier of one run: the formula is parsed once, with the variables its text
// names, and evaluated for each selected player with his values.
class FormulaModifier {
public:
    explicit FormulaModifier(std::string_view modifierText);

    // The names the formula's text holds, in the order of the formula name list; a name's
    // position is its variable index.
    const std::vector<std::string>& variableNames() const { return m_names; }

    // The formula's value for the player. Throws zt::Error when the formula is invalid or its
    // evaluation fails; an invalid formula is therefore reported at the first selected player,
    // as its evaluation is what fails.
    double evaluate(const PlayerRecord& player);

private:
    struct Variable {
        const PlayerFieldInfo* field;
        bool whole;  // counts are given to the formula as whole numbers
    };

    TCalcExpress m_calc;
    std::vector<std::string> m_names;
    std::vector<Variable> m_variables;
    std::vector<double> m_values;
    std::optional<std::string> m_parseError;
};

// The formula names, in the order the modifier text is searched for them.
const std::vector<std::string_view>& formulaNames();

}  // namespace zt::globaledit

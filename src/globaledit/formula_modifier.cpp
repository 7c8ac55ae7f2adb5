#include "globaledit/formula_modifier.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "league/error.h"
#include "league/numbers.h"

namespace zt::globaledit {

namespace {

struct FormulaName {
    std::string_view name;
    bool whole;
};

// The order matters: a name's position among the names found is its variable index.
constexpr FormulaName kFormulaNames[] = {
    {"BHITS", true},      {"B2B", true},       {"B3B", true},        {"BHR", true},       {"BWALKS", true},
    {"BSO", true},        {"BAVGL", false},    {"BAVGR", false},     {"BOBPL", false},    {"BOBPR", false},
    {"BSLGL", false},     {"BSLGR", false},    {"PHITS", true},      {"P2B", true},       {"P3B", true},
    {"PHR", true},        {"PWALKS", true},    {"PSO", true},        {"RUNR", false},     {"ARMR", false},
    {"ENDURANCE", false}, {"PULL", false},     {"MIDDLE", false},    {"OPPFIELD", false}, {"BGROUND", false},
    {"PGROUND", false},   {"INFIELDR", false}, {"OUTFIELDR", false}, {"FIELDING", false}, {"AGE", false},
};

std::string upperCased(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return upper;
}

}  // namespace

const std::vector<std::string_view>& formulaNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> list;
        for (const auto& entry : kFormulaNames) {
            list.push_back(entry.name);
        }
        return list;
    }();
    return names;
}

FormulaModifier::FormulaModifier(std::string_view modifierText) {
    // A name anywhere in the text, even inside a longer word, joins the variable list: the
    // evaluator then knows every name the formula may use.
    const std::string upper = upperCased(modifierText);
    for (const auto& entry : kFormulaNames) {
        if (upper.find(entry.name) == std::string::npos) {
            continue;
        }
        const PlayerFieldInfo* field = findPlayerFieldByExpression(entry.name);
        if (field == nullptr) {
            throw std::logic_error("formula name without a player field: " + std::string(entry.name));
        }
        m_names.emplace_back(entry.name);
        m_variables.push_back({field, entry.whole});
    }
    m_values.resize(m_variables.size());
    m_calc.setVariables(m_names);
    try {
        m_calc.setFormula(modifierText);
    } catch (const Error& e) {
        m_parseError = e.what();
    }
}

double FormulaModifier::evaluate(const PlayerRecord& player) {
    if (m_parseError) {
        throw Error(*m_parseError);
    }
    for (std::size_t i = 0; i < m_variables.size(); ++i) {
        const double value = readNumber(player, *m_variables[i].field);
        m_values[i] = m_variables[i].whole ? roundHalfEven(value) : value;
    }
    return m_calc.evaluate(m_values);
}

}  // namespace zt::globaledit

// ztedit-cli eval FORMULA [--var NAME=VALUE]...: the value of a formula as global editing
// computes it.
#include <CLI/CLI.hpp>
#include <array>
#include <charconv>
#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "globaledit/calc_express.h"
#include "league/error.h"
#include "league/numbers.h"

namespace zt::cli {

namespace {

class EvalCommand final : public CliCommand {
public:
    void configure(CLI::App& app) override {
        m_subcommand = app.add_subcommand("eval", "Evaluate a formula over named variables");
        m_subcommand
            ->add_option("FORMULA",
                         m_formula,
                         "The formula, for example bhits/600*1.1 (one that begins with - needs a leading space)")
            ->required();
        m_subcommand->add_option("--var", m_variables, "A variable's value, NAME=VALUE (repeatable)")
            ->expected(1)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }

    void run(std::ostream& out) override {
        std::vector<std::string> names;
        std::vector<double> values;
        for (const std::string& assignment : m_variables) {
            const std::size_t equals = assignment.find('=');
            if (equals == std::string::npos || equals == 0) {
                throw Error("'" + assignment + "' is not of the form NAME=VALUE.");
            }
            const std::string name = assignment.substr(0, equals);
            TCalcExpress lookup;
            lookup.setVariables(names);
            if (lookup.variableIndex(name) >= 0) {
                throw Error("The variable '" + name + "' is given twice.");
            }
            names.push_back(name);
            values.push_back(parseFloat(assignment.substr(equals + 1)));
        }
        TCalcExpress calc;
        calc.setVariables(names);
        calc.setFormula(m_formula);
        const double value = calc.evaluate(values);
        std::array<char, 64> text{};
        const auto result =
            std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::general, 17);
        out << std::string(text.data(), result.ptr) << '\n';
    }

private:
    std::string m_formula;
    std::vector<std::string> m_variables;
};

}  // namespace

std::unique_ptr<CliCommand> makeEvalCommand() {
    return std::make_unique<EvalCommand>();
}

}  // namespace zt::cli

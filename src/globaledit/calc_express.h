#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zt {

// An arithmetic formula over named variables, parsed once and evaluated for any number of value
// sets (global editing evaluates one formula per selected player).
//
// The parsed formula is kept as a flat postfix program whose variables are resolved to slots
// while parsing, so an evaluation allocates nothing and looks nothing up by name. Arithmetic is
// done in extended precision (long double).
//
// Not for concurrent use of one instance (the stored values are shared state).
class TCalcExpress {
public:
    // Formula "0", no variables.
    TCalcExpress();

    // Stores the formula lower-cased and parses it against the current variables. An invalid
    // formula (syntax, unknown variable, unbalanced parentheses) throws zt::Error naming the
    // formula and the fault, and leaves no parsed tree: evaluate() then fails until a valid formula
    // or a variable list that makes it valid is set.
    void setFormula(std::string_view formula);
    const std::string& formula() const { return m_formula; }

    // Replaces the variable list (a name's position is its index; names match without regard to
    // letter case) and parses the stored formula again. Never throws: whether the formula is
    // valid with the new list is told by isValid() and errorText(). All values are reset to 0.
    void setVariables(std::vector<std::string> names);
    const std::vector<std::string>& variables() const { return m_variables; }

    bool isValid() const { return m_valid; }
    // Why the stored formula is invalid (empty when it is valid).
    const std::string& errorText() const { return m_error; }

    // The index of a variable (letter case ignored), or -1.
    int variableIndex(std::string_view name) const;

    // The stored value of a variable, used by evaluate(). Throws zt::Error for an unknown name or index.
    void setValue(std::string_view name, double value);
    void setValue(std::size_t index, double value);

    // The formula's value with the stored values, or with values indexed by variable index.
    // Throws zt::Error for an invalid formula, for too few values, and for an arithmetic fault
    // (division by zero, a logarithm or square root out of range, overflow, a result that is not
    // a number): a fault is a failure, never a value.
    double evaluate() const;
    double evaluate(std::span<const double> values) const;

    // The node kinds of the parsed formula; exposed for the tests and the benchmark.
    enum class Kind : std::uint8_t {
        Add = 3,
        Subtract = 4,
        Multiply = 5,
        Divide = 6,
        Number = 7,
        Variable = 8,
        Negate = 9,
        Cos = 10,
        Sin = 11,
        Tg = 12,
        Ctg = 13,
        Abs = 14,
        Sgn = 15,
        Sqrt = 16,
        Ln = 17,
        Exp = 18,
        Arcsin = 19,
        Arccos = 20,
        Arctg = 21,
        Arcctg = 22,
        Sh = 23,
        Ch = 24,
        Th = 25,
        Cth = 26,
        Heaviside = 27,
        Power = 31,
    };

    // One instruction of the postfix program: an operator pops its operands and pushes its result;
    // a number pushes constants[index]; a variable pushes values[index].
    struct Instruction {
        Kind kind;
        std::uint32_t index;
    };
    const std::vector<Instruction>& program() const { return m_program; }

private:
    void parse();
    void compile();
    double run(const double* values) const;

    std::string m_formula = "0";
    std::vector<std::string> m_variables;
    std::vector<double> m_values;

    bool m_valid = false;
    std::string m_error;
    std::vector<Instruction> m_program;
    // The program as it is run: a binary operator whose right operand is a number or variable
    // takes it directly, which halves the steps of a typical formula.
    struct Step {
        std::uint8_t op;
        std::uint32_t index;
    };
    std::vector<Step> m_steps;
    std::vector<long double> m_constants;
    // A number literal beyond the range of the arithmetic: every evaluation overflows.
    bool m_literalOverflows = false;
    std::size_t m_stackDepth = 0;
};

}  // namespace zt

#include "globaledit/calc_express.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "league/error.h"

namespace zt {
namespace {

struct Variable {
    std::string name;
    double value;
};

struct FormulaCase {
    std::string label;
    std::string formula;
    std::vector<Variable> variables;
    std::optional<double> result;  // nullopt: the formula is invalid
};

std::ostream& operator<<(std::ostream& os, const FormulaCase& c) {
    return os << c.formula;
}

void load(TCalcExpress& calc, const FormulaCase& c) {
    std::vector<std::string> names;
    for (const auto& v : c.variables) {
        names.push_back(v.name);
    }
    calc.setVariables(names);
    for (const auto& v : c.variables) {
        calc.setValue(v.name, v.value);
    }
}

class FormulaTest : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaTest, ParsesAndEvaluatesAsDocumented) {
    const FormulaCase& c = GetParam();
    TCalcExpress calc;
    load(calc, c);
    if (!c.result) {
        EXPECT_THROW(calc.setFormula(c.formula), Error);
        EXPECT_FALSE(calc.isValid());
        EXPECT_THROW(calc.evaluate(), Error);
        return;
    }
    ASSERT_NO_THROW(calc.setFormula(c.formula)) << calc.errorText();
    EXPECT_TRUE(calc.isValid());
    EXPECT_DOUBLE_EQ(calc.evaluate(), *c.result);
}

const double X2 = 2;

// The documented table first, then precedence, associativity and signs.
INSTANTIATE_TEST_SUITE_P(
    Formulas,
    FormulaTest,
    ::testing::Values(FormulaCase{"power", "2^3", {}, 8},
                      FormulaCase{"power_left_assoc", "2^3^2", {}, 64},
                      FormulaCase{"paren_exponent", "2^(3)", {}, 8},
                      FormulaCase{"paren_exponent_expression", "2^(1+2)", {}, std::nullopt},
                      FormulaCase{"negative_literal_power", "-2^2", {}, 4},
                      FormulaCase{"negated_term_power", "-x^2", {{"X", X2}}, -4},
                      FormulaCase{"negated_term_product", "-x*3", {{"X", X2}}, -6},
                      FormulaCase{"sign_after_operator", "3*-2", {}, std::nullopt},
                      FormulaCase{"sign_in_exponent", "2^-1", {}, std::nullopt},
                      FormulaCase{"negative_in_parens", "3*(-2)", {}, -6},
                      FormulaCase{"negative_paren_exponent", "2^(-1)", {}, 0.5},
                      FormulaCase{"letter_case", "COS(0)+Sqrt(16)", {}, 5},
                      FormulaCase{"h_zero", "h(0)", {}, 1},
                      FormulaCase{"heaviside_negative", "heaviside(-0.5)", {}, 0},
                      FormulaCase{"sign_negative", "sign(-3)", {}, -1},
                      FormulaCase{"unclosed", "(1+2", {}, std::nullopt},
                      FormulaCase{"unopened", "1+2)", {}, std::nullopt},
                      FormulaCase{"two_numbers", "2 3", {}, std::nullopt},
                      FormulaCase{"dot_without_digit", "1.", {}, std::nullopt},
                      FormulaCase{"exponent_without_digit", "1e", {}, std::nullopt},
                      FormulaCase{"exponent_sign_without_digit", "1e+", {}, std::nullopt},
                      FormulaCase{"exponent_literal", "1.5e+2", {}, 150},
                      FormulaCase{"exponent_literal_upper", "2.5E-1", {}, 0.25},
                      FormulaCase{"comma", "1,5", {}, std::nullopt},
                      FormulaCase{"variable", "bhits*2", {{"BHITS", 150}}, 300},
                      FormulaCase{"spaces", " 1 +  2 * 3 ", {}, 7},
                      FormulaCase{"product_before_sum", "1+2*3", {}, 7},
                      FormulaCase{"power_before_product", "2*3^2", {}, 18},
                      FormulaCase{"sub_left_assoc", "10-4-3", {}, 3},
                      FormulaCase{"div_left_assoc", "100/10/5", {}, 2},
                      FormulaCase{"mixed_left_assoc", "8/2*4", {}, 16},
                      FormulaCase{"parens_override", "(1+2)*3", {}, 9},
                      FormulaCase{"leading_minus_then_sum", "-2*3+1", {}, -5},
                      FormulaCase{"minus_space_digit", "- 2^2", {}, -4},
                      FormulaCase{"leading_plus", "+3*2", {}, 6},
                      FormulaCase{"plus_in_parens", "(+3)", {}, 3},
                      FormulaCase{"minus_after_minus", "1--2", {}, std::nullopt},
                      FormulaCase{"plus_after_plus", "1++2", {}, std::nullopt},
                      FormulaCase{"negated_parens", "-(1+2)*2", {}, -6},
                      FormulaCase{"negative_literal_minus", "-2-3", {}, -5},
                      FormulaCase{"nested_negation", "(-(-2))", {}, 2},
                      FormulaCase{"function_negative_literal", "abs(-4.5)", {}, 4.5},
                      FormulaCase{"function_negated_term", "abs(-x*3)", {{"x", X2}}, 6},
                      FormulaCase{"function_power", "sqrt(16)^2", {}, 16},
                      FormulaCase{"function_without_paren", "sqrt 4", {}, std::nullopt},
                      FormulaCase{"function_name_alone", "sin", {}, std::nullopt},
                      FormulaCase{"function_prefix_is_variable", "sinx+1", {{"SINX", 1}}, 2},
                      FormulaCase{"unknown_variable", "y+1", {{"x", 1}}, std::nullopt},
                      FormulaCase{"variable_exponent", "3^n", {{"N", 3}}, 27},
                      FormulaCase{"variable_paren_exponent", "3^(n)", {{"N", 2}}, 9},
                      FormulaCase{"paren_exponent_negated_variable", "3^(-n)", {{"N", 2}}, std::nullopt},
                      FormulaCase{"paren_exponent_two_tokens", "3^(2 1)", {}, std::nullopt},
                      FormulaCase{"fraction_power", "16^0.5", {}, 4},
                      FormulaCase{"zero_exponent", "0^0", {}, 1},
                      FormulaCase{"zero_base", "0^3", {}, 0},
                      FormulaCase{"negative_base_whole_exponent", "(-2)^3", {}, -8},
                      FormulaCase{"underscore_identifier", "_a1*2", {{"_A1", 4}}, 8},
                      FormulaCase{"two_variables_by_name", "bhits/600*1.1", {{"BAVGL", 0.3}, {"BHITS", 300}}, 0.55},
                      FormulaCase{"empty", "", {}, std::nullopt},
                      FormulaCase{"empty_parens", "()", {}, std::nullopt},
                      FormulaCase{"dangling_operator", "1+", {}, std::nullopt},
                      FormulaCase{"leading_dot", ".5", {}, std::nullopt},
                      FormulaCase{"number_then_identifier", "2x", {{"x", 1}}, std::nullopt},
                      FormulaCase{"unknown_character", "1%2", {}, std::nullopt},
                      FormulaCase{"unicode_letter", "\xe9+1", {}, std::nullopt},
                      FormulaCase{"tab_is_not_a_space", "1\t+1", {}, std::nullopt}),
    [](const auto& info) { return info.param.label; });

TEST(CalcExpress, DivisionByZeroParsesButFailsToEvaluate) {
    TCalcExpress calc;
    ASSERT_NO_THROW(calc.setFormula("1/0"));
    EXPECT_TRUE(calc.isValid());
    EXPECT_THROW(calc.evaluate(), Error);
}

struct FunctionCase {
    std::string label;
    std::string formula;
    double expected;
};

class FunctionTest : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(FunctionTest, ComputesItsValue) {
    TCalcExpress calc;
    calc.setFormula(GetParam().formula);
    EXPECT_NEAR(calc.evaluate(), GetParam().expected, 1e-15 * std::max(1.0, std::fabs(GetParam().expected)));
}

const double kPi = std::numbers::pi;

INSTANTIATE_TEST_SUITE_P(Functions,
                         FunctionTest,
                         ::testing::Values(FunctionCase{"cos", "cos(1)", std::cos(1.0)},
                                           FunctionCase{"sin", "sin(0.5)", std::sin(0.5)},
                                           FunctionCase{"tg", "tg(0.5)", std::tan(0.5)},
                                           FunctionCase{"ctg", "ctg(0.5)", 1 / std::tan(0.5)},
                                           FunctionCase{"abs", "abs(-2.5)", 2.5},
                                           FunctionCase{"sgn_positive", "sgn(7)", 1},
                                           FunctionCase{"sgn_zero", "sgn(0)", 0},
                                           FunctionCase{"sign_negative", "sign(-0.1)", -1},
                                           FunctionCase{"sqrt", "sqrt(2)", std::sqrt(2.0)},
                                           FunctionCase{"ln", "ln(10)", std::log(10.0)},
                                           FunctionCase{"exp", "exp(1.5)", std::exp(1.5)},
                                           FunctionCase{"arcsin", "arcsin(0.5)", std::asin(0.5)},
                                           FunctionCase{"arcsin_one", "arcsin(1)", kPi / 2},
                                           FunctionCase{"arccos", "arccos(0.5)", std::acos(0.5)},
                                           FunctionCase{"arccos_minus_one", "arccos(-1)", kPi},
                                           FunctionCase{"arctg", "arctg(2)", std::atan(2.0)},
                                           FunctionCase{"arcctg", "arcctg(2)", kPi / 2 - std::atan(2.0)},
                                           FunctionCase{"sh", "sh(1.2)", std::sinh(1.2)},
                                           FunctionCase{"ch", "ch(1.2)", std::cosh(1.2)},
                                           FunctionCase{"th", "th(0.7)", std::tanh(0.7)},
                                           FunctionCase{"cth", "cth(0.7)", 1 / std::tanh(0.7)},
                                           FunctionCase{"heaviside_positive", "heaviside(3)", 1},
                                           FunctionCase{"h_negative", "h(-1e-9)", 0},
                                           FunctionCase{"nested", "sqrt(abs(-16))+ln(exp(2))", 6},
                                           FunctionCase{"repeated_multiplication", "1.1^10", std::pow(1.1, 10)},
                                           FunctionCase{"negative_whole_exponent", "2^(-10)", 1.0 / 1024},
                                           FunctionCase{"fractional_exponent", "2^1.5", std::pow(2.0, 1.5)}),
                         [](const auto& info) { return info.param.label; });

// Whole exponents are multiplied out; beyond a size where that would take noticeable time the
// value still agrees with the mathematical power to the precision of the arithmetic (each
// multiplication or squaring adds its rounding; 2^31 of them leave about 1e-10).
TEST(CalcExpress, LargeWholeExponentsAgreeWithPow) {
    TCalcExpress calc;
    for (const char* exponent : {"1000", "65536", "65537", "1000000", "2147483647"}) {
        const std::string formula = std::string("1.00000000001^") + exponent;
        calc.setFormula(formula);
        const long double expected = std::pow(1.00000000001L, std::stold(exponent));
        EXPECT_NEAR(calc.evaluate(), static_cast<double>(expected), 1e-10) << formula;
    }
    calc.setFormula("0.5^2147483647");
    EXPECT_EQ(calc.evaluate(), 0.0);  // underflow is not a fault
    calc.setFormula("(-1)^2147483647");
    EXPECT_EQ(calc.evaluate(), -1.0);
}

struct FaultCase {
    std::string label;
    std::string formula;
    std::string reason;
};

class FaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultTest, ParsesButFailsWhenEvaluated) {
    TCalcExpress calc;
    calc.setVariables({"x"});
    calc.setFormula(GetParam().formula);
    try {
        const double value = calc.evaluate();
        ADD_FAILURE() << GetParam().formula << " gave " << value;
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The formula '" + GetParam().formula + "' cannot be evaluated: " + GetParam().reason + ".");
    }
}

const std::string kDivision = "division by zero";
const std::string kOverflow = "the value is too large (overflow)";
const std::string kLog = "logarithm of a number that is not above 0";
const std::string kRoot = "square root of a negative number";

INSTANTIATE_TEST_SUITE_P(Faults,
                         FaultTest,
                         ::testing::Values(FaultCase{"divide_by_zero", "1/0", kDivision},
                                           FaultCase{"divide_by_zero_variable", "5/x", kDivision},
                                           FaultCase{"divide_zero_by_zero", "0/0", kDivision},
                                           FaultCase{"ln_zero", "ln(0)", kLog},
                                           FaultCase{"ln_negative", "ln(-1)", kLog},
                                           FaultCase{"sqrt_negative", "sqrt(-1)", kRoot},
                                           FaultCase{"arcsin_out_of_range", "arcsin(2)", kRoot},
                                           FaultCase{"arccos_out_of_range", "arccos(-1.5)", kRoot},
                                           FaultCase{"ctg_zero", "ctg(0)", kDivision},
                                           FaultCase{"cth_zero", "cth(0)", kDivision},
                                           FaultCase{"exp_overflow", "exp(100000)", kOverflow},
                                           FaultCase{"overflow_then_hidden", "1/exp(100000)", kOverflow},
                                           FaultCase{"product_overflow", "1e4000*1e4000", kOverflow},
                                           FaultCase{"literal_overflow", "0*1e99999", kOverflow},
                                           FaultCase{"power_overflow", "10^5000", kOverflow},
                                           FaultCase{"huge_exponent_overflow", "2^2000000000", kOverflow},
                                           FaultCase{"double_range_overflow", "1e300*1e300", kOverflow},
                                           FaultCase{"zero_negative_power", "0^(-1)", kDivision},
                                           FaultCase{"zero_fractional_negative_power", "0^(-0.5)", kLog},
                                           FaultCase{"negative_fractional_power", "(-8)^0.5", kLog},
                                           FaultCase{"sh_overflow", "sh(20000)", kOverflow}),
                         [](const auto& info) { return info.param.label; });

// A binary operator's right operand may be a number, a variable or a computed value; each form
// must keep the operand order (7 - 2, not 2 - 7).
TEST(CalcExpress, EveryOperatorWithEveryFormOfRightOperand) {
    const std::vector<std::pair<std::string, double>> operators{{"+", 9}, {"-", 5}, {"*", 14}, {"/", 3.5}};
    TCalcExpress calc;
    calc.setVariables({"x", "s"});
    calc.setValue("x", 2);
    calc.setValue("s", 7);
    for (const auto& [op, expected] : operators) {
        for (const std::string right : {"2", "x", "(x*1)", "(x)", "abs(x)", "x^1"}) {
            for (const std::string left : {"7", "s", "(s+0)"}) {
                const std::string formula = left + op + right;
                calc.setFormula(formula);
                EXPECT_DOUBLE_EQ(calc.evaluate(), expected) << formula;
            }
        }
    }
}

TEST(CalcExpress, StartsWithFormulaZeroAndNoVariables) {
    TCalcExpress calc;
    EXPECT_EQ(calc.formula(), "0");
    EXPECT_TRUE(calc.variables().empty());
    EXPECT_TRUE(calc.isValid());
    EXPECT_EQ(calc.evaluate(), 0.0);
}

TEST(CalcExpress, StoresTheFormulaLowerCased) {
    TCalcExpress calc;
    calc.setVariables({"BHITS"});
    calc.setFormula("BHITS/600*1.1");
    EXPECT_EQ(calc.formula(), "bhits/600*1.1");
}

TEST(CalcExpress, InvalidFormulaMessageNamesFormulaAndFault) {
    TCalcExpress calc;
    try {
        calc.setFormula("1.");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'1.' is not a valid formula: Wrong number.");
    }
    try {
        calc.setFormula("Foo+1");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'foo+1' is not a valid formula: 'foo' is not a known variable");
    }
    try {
        calc.setFormula("2 3");
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'2 3' is not a valid formula: '3' at position 3 is not expected");
    }
    EXPECT_EQ(calc.errorText(), "'2 3' is not a valid formula: '3' at position 3 is not expected");
}

TEST(CalcExpress, InvalidFormulaDropsThePreviousTree) {
    TCalcExpress calc;
    calc.setFormula("1+1");
    EXPECT_THROW(calc.setFormula("1+"), Error);
    EXPECT_THROW(calc.evaluate(), Error);
    calc.setFormula("2+2");
    EXPECT_EQ(calc.evaluate(), 4.0);
}

TEST(CalcExpress, SettingVariablesParsesTheStoredFormulaAgain) {
    TCalcExpress calc;
    EXPECT_THROW(calc.setFormula("a*b"), Error);  // no variables yet
    calc.setVariables({"B", "A"});
    ASSERT_TRUE(calc.isValid());
    calc.setValue("a", 3);
    calc.setValue("b", 5);
    EXPECT_EQ(calc.evaluate(), 15.0);
    // Indexes follow the list's order: A is index 1.
    const std::vector<double> values{2, 7};
    EXPECT_EQ(calc.evaluate(values), 14.0);
    EXPECT_EQ(calc.variableIndex("a"), 1);
    EXPECT_EQ(calc.variableIndex("C"), -1);

    calc.setVariables({"A"});
    EXPECT_FALSE(calc.isValid());
    EXPECT_THROW(calc.evaluate(), Error);
}

TEST(CalcExpress, OneParseServesManyValueSets) {
    TCalcExpress calc;
    calc.setVariables({"BHITS"});
    calc.setFormula("BHITS*1.1");
    for (double hits : {0.0, 100.0, 150.0, 600.0}) {
        const std::vector<double> values{hits};
        EXPECT_DOUBLE_EQ(calc.evaluate(values), hits * 1.1);
    }
}

TEST(CalcExpress, TooFewValuesAndUnknownNamesAreRefused) {
    TCalcExpress calc;
    calc.setVariables({"a", "b"});
    calc.setFormula("a+b");
    const std::vector<double> one{1};
    EXPECT_THROW(calc.evaluate(one), Error);
    EXPECT_THROW(calc.setValue("c", 1), Error);
    EXPECT_THROW(calc.setValue(std::size_t{2}, 1), Error);
}

TEST(CalcExpress, ValueThatIsNotANumberFails) {
    TCalcExpress calc;
    calc.setVariables({"x"});
    calc.setFormula("h(x)");
    calc.setValue("x", std::nan(""));
    EXPECT_THROW(calc.evaluate(), Error);
    calc.setValue("x", 2);
    EXPECT_EQ(calc.evaluate(), 1.0);
}

TEST(CalcExpress, DeepNestingIsRefusedInsteadOfExhaustingTheStack) {
    TCalcExpress calc;
    const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
    EXPECT_THROW(calc.setFormula(deep), Error);
    const std::string fine = std::string(150, '(') + "1" + std::string(150, ')');
    calc.setFormula(fine);
    EXPECT_EQ(calc.evaluate(), 1.0);
}

TEST(CalcExpress, LongChainsEvaluate) {
    std::string formula = "1";
    for (int i = 0; i < 10000; ++i) {
        formula += "+1";
    }
    TCalcExpress calc;
    calc.setFormula(formula);
    EXPECT_EQ(calc.evaluate(), 10001.0);
}

TEST(CalcExpress, DecimalPointIgnoresTheLocale) {
    const std::string old = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "German locale not installed";
    }
    TCalcExpress calc;
    calc.setFormula("1.5*2");
    const double value = calc.evaluate();
    std::setlocale(LC_NUMERIC, old.c_str());
    EXPECT_EQ(value, 3.0);
}

TEST(CalcExpress, ProgramIsPostfixWithVariablesResolvedToSlots) {
    using K = TCalcExpress::Kind;
    TCalcExpress calc;
    calc.setVariables({"a", "b"});
    calc.setFormula("-b*2+sqrt(a)");
    std::vector<std::pair<K, std::uint32_t>> program;
    for (const auto& in : calc.program()) {
        program.emplace_back(in.kind, in.kind == K::Variable ? in.index : 0);
    }
    const std::vector<std::pair<K, std::uint32_t>> expected{{K::Variable, 1},
                                                            {K::Number, 0},
                                                            {K::Multiply, 0},
                                                            {K::Negate, 0},
                                                            {K::Variable, 0},
                                                            {K::Sqrt, 0},
                                                            {K::Add, 0}};
    EXPECT_EQ(program, expected);
}

}  // namespace
}  // namespace zt

#include "globaledit/calc_express.h"

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "globaledit/calc_express_parser.h"
#include "league/error.h"
#include "league/league_text.h"

namespace zt {

namespace {

using Kind = TCalcExpress::Kind;

// The steps of the run program. A binary operator takes its right operand from the stack, or
// directly from a number literal (C) or a variable (V).
enum Op : std::uint8_t {
    PushConst,
    PushVar,
    Add,
    Sub,
    Mul,
    Div,
    Pow,
    AddC,
    SubC,
    MulC,
    DivC,
    PowC,
    AddV,
    SubV,
    MulV,
    DivV,
    PowV,
    Neg,
    // A function's step is this plus its node kind.
    FunctionBase = 32,
};

enum class Fault {
    DivisionByZero,
    Overflow,
    Logarithm,
    SquareRoot,
    NotANumber,
};

// Powers with a whole exponent up to this size are multiplied out one factor at a time; larger
// ones by squaring, so that an enormous exponent cannot stall the editor for seconds per player.
constexpr std::uint32_t kRepeatedMultiplicationLimit = 65536;

[[noreturn, gnu::cold, gnu::noinline]] void fail(const std::string& formula, Fault fault) {
    std::string reason;
    switch (fault) {
        case Fault::DivisionByZero:
            reason = "division by zero";
            break;
        case Fault::Overflow:
            reason = "the value is too large (overflow)";
            break;
        case Fault::Logarithm:
            reason = "logarithm of a number that is not above 0";
            break;
        case Fault::SquareRoot:
            reason = "square root of a negative number";
            break;
        case Fault::NotANumber:
            reason = "the value is not a number";
            break;
    }
    std::string message = "The formula '";
    message.append(formula).append("' cannot be evaluated: ").append(reason).append(".");
    throw Error(message);
}

// A result the arithmetic cannot represent is a failure, never a value.
inline void checkFinite(const std::string& formula, long double x) {
    if (!std::isfinite(x)) [[unlikely]] {
        fail(formula, std::isnan(x) ? Fault::NotANumber : Fault::Overflow);
    }
}

inline long double divide(const std::string& formula, long double a, long double b) {
    if (b == 0) [[unlikely]] {
        fail(formula, std::isnan(a) ? Fault::NotANumber : Fault::DivisionByZero);
    }
    const long double r = a / b;
    checkFinite(formula, r);
    return r;
}

inline long double checkedExp(const std::string& formula, long double x) {
    const long double r = std::exp(x);
    checkFinite(formula, r);
    return r;
}

inline long double checkedSqrt(const std::string& formula, long double x) {
    if (x < 0) [[unlikely]] {
        fail(formula, Fault::SquareRoot);
    }
    return std::sqrt(x);
}

inline long double checkedLn(const std::string& formula, long double x) {
    if (!(x > 0)) [[unlikely]] {
        fail(formula, std::isnan(x) ? Fault::NotANumber : Fault::Logarithm);
    }
    return std::log(x);
}

// x^y: 1 for y = 0, 0 for x = 0 and y > 0, x multiplied by itself |y| times (the reciprocal for
// a negative y) for a whole y, otherwise exp(y * ln x).
long double power(const std::string& formula, long double x, long double y) {
    if (y == 0) {
        return 1;
    }
    if (x == 0 && y > 0) {
        return 0;
    }
    if (std::trunc(y) == y && std::fabs(y) <= 2147483647.0L) {
        const auto n = static_cast<std::uint32_t>(std::fabs(y));
        long double result = x;
        if (n <= kRepeatedMultiplicationLimit) {
            // Once the product is 0 or infinite, further factors cannot change it.
            for (std::uint32_t i = 1; i < n && result != 0 && std::isfinite(result); ++i) {
                result *= x;
            }
        } else {
            result = 1;
            long double base = x;
            for (std::uint32_t k = n; k != 0; k >>= 1) {
                if ((k & 1U) != 0) {
                    result *= base;
                }
                base *= base;
            }
        }
        checkFinite(formula, result);
        return y < 0 ? divide(formula, 1, result) : result;
    }
    return checkedExp(formula, y * checkedLn(formula, x));
}

long double applyFunction(const std::string& f, Kind kind, long double x) {
    switch (kind) {
        case Kind::Cos:
            return std::cos(x);
        case Kind::Sin:
            return std::sin(x);
        case Kind::Tg:
            return std::tan(x);
        case Kind::Ctg:
            return divide(f, 1, std::tan(x));
        case Kind::Abs:
            return std::fabs(x);
        case Kind::Sgn:
            return x < 0 ? -1 : (x > 0 ? 1 : 0);
        case Kind::Sqrt:
            return checkedSqrt(f, x);
        case Kind::Ln:
            return checkedLn(f, x);
        case Kind::Exp:
            return checkedExp(f, x);
        case Kind::Arcsin:
            return std::atan2(x, checkedSqrt(f, 1 - x * x));
        case Kind::Arccos:
            return std::atan2(checkedSqrt(f, 1 - x * x), x);
        case Kind::Arctg:
            return std::atan(x);
        case Kind::Arcctg:
            return std::numbers::pi_v<long double> / 2 - std::atan(x);
        case Kind::Sh:
            return (checkedExp(f, x) - checkedExp(f, -x)) / 2;
        case Kind::Ch:
            return (checkedExp(f, x) + checkedExp(f, -x)) / 2;
        case Kind::Th: {
            const long double a = checkedExp(f, x);
            const long double b = checkedExp(f, -x);
            return divide(f, a - b, a + b);
        }
        case Kind::Cth: {
            const long double a = checkedExp(f, x);
            const long double b = checkedExp(f, -x);
            return divide(f, a + b, a - b);
        }
        case Kind::Heaviside:
            return x >= 0 ? 1 : 0;
        default:
            return x;
    }
}

// The operator step of a node kind, offset by the form of its right operand (0 from the stack,
// 5 a number, 10 a variable).
std::uint8_t binaryStep(Kind kind, int form) {
    std::uint8_t base = Add;
    switch (kind) {
        case Kind::Add:
            base = Add;
            break;
        case Kind::Subtract:
            base = Sub;
            break;
        case Kind::Multiply:
            base = Mul;
            break;
        case Kind::Divide:
            base = Div;
            break;
        default:
            base = Pow;
            break;
    }
    return static_cast<std::uint8_t>(base + form * 5);
}

bool isBinary(Kind kind) {
    return kind == Kind::Add || kind == Kind::Subtract || kind == Kind::Multiply || kind == Kind::Divide ||
           kind == Kind::Power;
}

}  // namespace

TCalcExpress::TCalcExpress() {
    parse();
}

void TCalcExpress::setFormula(std::string_view formula) {
    m_formula.assign(formula);
    for (char& c : m_formula) {
        c = calc::lowerAscii(c);
    }
    parse();
    if (!m_valid) {
        throw Error(m_error);
    }
}

void TCalcExpress::setVariables(std::vector<std::string> names) {
    m_variables = std::move(names);
    m_values.assign(m_variables.size(), 0.0);
    parse();
}

int TCalcExpress::variableIndex(std::string_view name) const {
    for (std::size_t i = 0; i < m_variables.size(); ++i) {
        if (equalNoCaseAscii(name, m_variables[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void TCalcExpress::setValue(std::string_view name, double value) {
    const int index = variableIndex(name);
    if (index < 0) {
        throw Error("'" + std::string(name) + "' is not a variable of the formula.");
    }
    m_values[static_cast<std::size_t>(index)] = value;
}

void TCalcExpress::setValue(std::size_t index, double value) {
    if (index >= m_values.size()) {
        throw Error("The formula has no variable number " + std::to_string(index) + ".");
    }
    m_values[index] = value;
}

void TCalcExpress::parse() {
    m_program.clear();
    m_steps.clear();
    m_constants.clear();
    m_literalOverflows = false;
    m_stackDepth = 0;
    m_error.clear();
    m_valid = false;
    try {
        calc::ParsedFormula parsed = calc::parseFormula(m_formula, m_variables);
        m_program = std::move(parsed.program);
        m_constants = std::move(parsed.constants);
        m_literalOverflows = parsed.literalOverflows;
        m_stackDepth = parsed.maxStack;
    } catch (const calc::ParseFailure& failure) {
        m_error = "'" + m_formula + "' is not a valid formula: " + failure.reason();
        return;
    }
    compile();
    m_valid = true;
}

void TCalcExpress::compile() {
    for (const Instruction& in : m_program) {
        if (in.kind == Kind::Number) {
            m_steps.push_back({PushConst, in.index});
        } else if (in.kind == Kind::Variable) {
            m_steps.push_back({PushVar, in.index});
        } else if (isBinary(in.kind)) {
            // In postfix the right operand ends right before its operator: when it is a single
            // number or variable, the operator takes it directly instead of from the stack.
            const Step last = m_steps.back();
            if (last.op == PushConst || last.op == PushVar) {
                m_steps.back() = {binaryStep(in.kind, last.op == PushConst ? 1 : 2), last.index};
            } else {
                m_steps.push_back({binaryStep(in.kind, 0), 0});
            }
        } else if (in.kind == Kind::Negate) {
            m_steps.push_back({Neg, 0});
        } else {
            m_steps.push_back({static_cast<std::uint8_t>(FunctionBase + static_cast<int>(in.kind)), 0});
        }
    }
}

double TCalcExpress::evaluate() const {
    return evaluate(m_values);
}

double TCalcExpress::evaluate(std::span<const double> values) const {
    if (!m_valid) {
        throw Error(m_error.empty() ? "The formula is not valid." : m_error);
    }
    if (values.size() < m_variables.size()) {
        throw Error("The formula needs " + std::to_string(m_variables.size()) + " values, " +
                    std::to_string(values.size()) + " were given.");
    }
    return run(values.data());
}

double TCalcExpress::run(const double* values) const {
    const std::string& f = m_formula;
    if (m_literalOverflows) {
        fail(f, Fault::Overflow);
    }
    // A stored value that is not a finite number must not turn into a result.
    const auto variable = [&](std::uint32_t index) {
        const double v = values[index];
        if (!std::isfinite(v)) [[unlikely]] {
            fail(f, Fault::NotANumber);
        }
        return static_cast<long double>(v);
    };
    // The top of the stack is kept in acc; the stack holds the values below it.
    long double acc = 0;
    std::array<long double, calc::kMaxStack + 1> stack;  // written before it is read
    std::size_t below = 0;
    for (const Step& step : m_steps) {
        switch (step.op) {
            case PushConst:
                stack[below++] = acc;
                acc = m_constants[step.index];
                continue;
            case PushVar:
                stack[below++] = acc;
                acc = variable(step.index);
                continue;
            case Add:
                acc = stack[--below] + acc;
                break;
            case Sub:
                acc = stack[--below] - acc;
                break;
            case Mul:
                acc = stack[--below] * acc;
                break;
            case Div:
                acc = divide(f, stack[--below], acc);
                continue;
            case Pow:
                acc = power(f, stack[--below], acc);
                continue;
            case AddC:
                acc += m_constants[step.index];
                break;
            case SubC:
                acc -= m_constants[step.index];
                break;
            case MulC:
                acc *= m_constants[step.index];
                break;
            case DivC:
                acc = divide(f, acc, m_constants[step.index]);
                continue;
            case PowC:
                acc = power(f, acc, m_constants[step.index]);
                continue;
            case AddV:
                acc += variable(step.index);
                break;
            case SubV:
                acc -= variable(step.index);
                break;
            case MulV:
                acc *= variable(step.index);
                break;
            case DivV:
                acc = divide(f, acc, variable(step.index));
                continue;
            case PowV:
                acc = power(f, acc, variable(step.index));
                continue;
            case Neg:
                acc = -acc;
                continue;
            default:
                acc = applyFunction(f, static_cast<Kind>(step.op - FunctionBase), acc);
                break;
        }
        checkFinite(f, acc);
    }
    const auto result = static_cast<double>(acc);
    checkFinite(f, result);
    return result;
}

}  // namespace zt

#include "globaledit/calc_express_parser.h"

#include <locale.h>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "league/league_text.h"

namespace zt::calc {

namespace {

using Kind = TCalcExpress::Kind;

// Token kinds of the formula text; the operators and functions share the numbers of their node kinds.
enum Token : int {
    End = 0,
    LParen = 1,
    RParen = 2,
    Plus = 3,
    Minus = 4,
    Star = 5,
    Slash = 6,
    Number = 7,
    Variable = 8,
    Caret = 31,
};

struct FunctionName {
    std::string_view name;
    Kind kind;
};

constexpr std::array<FunctionName, 20> kFunctions = {{
    {"cos", Kind::Cos},
    {"sin", Kind::Sin},
    {"tg", Kind::Tg},
    {"ctg", Kind::Ctg},
    {"abs", Kind::Abs},
    {"sgn", Kind::Sgn},
    {"sign", Kind::Sgn},
    {"sqrt", Kind::Sqrt},
    {"ln", Kind::Ln},
    {"exp", Kind::Exp},
    {"arcsin", Kind::Arcsin},
    {"arccos", Kind::Arccos},
    {"arctg", Kind::Arctg},
    {"arcctg", Kind::Arcctg},
    {"sh", Kind::Sh},
    {"ch", Kind::Ch},
    {"th", Kind::Th},
    {"cth", Kind::Cth},
    {"heaviside", Kind::Heaviside},
    {"h", Kind::Heaviside},
}};

bool isFunctionToken(int token) {
    return token >= static_cast<int>(Kind::Cos) && token <= static_cast<int>(Kind::Heaviside);
}

// Deeper nesting is refused so that neither the recursive parser nor the evaluation stack can
// run out of room, whatever the user types.
constexpr int kMaxNesting = 200;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isIdentifierStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool isIdentifierChar(char c) {
    return isIdentifierStart(c) || isDigit(c);
}

// A number literal's text read with "." as the decimal separator whatever the process locale.
long double literalValue(const std::string& text) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtold_l(text.c_str(), nullptr, cLocale);
}

// Recursive descent over the token stream, emitting the postfix program as it goes.
class Parser {
public:
    Parser(const std::string& text, const std::vector<std::string>& variables) : m_text(text), m_variables(variables) {}

    void parse() {
        next();
        expression();
        if (m_depth != 0) {
            throw ParseFailure("the parentheses do not match");
        }
    }

    ParsedFormula result;

private:
    void next() {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ') {
            ++m_pos;
        }
        m_tokenStart = m_pos;
        m_previous = m_current;
        m_current = lex();
    }

    int lex() {
        if (m_pos >= m_text.size()) {
            return End;
        }
        const char c = m_text[m_pos];
        const bool signedLiteral = c == '-' && (m_current == End || m_current == LParen) && m_pos + 1 < m_text.size() &&
                                   isDigit(m_text[m_pos + 1]);
        if (isDigit(c) || signedLiteral) {
            return lexNumber();
        }
        if (isIdentifierStart(c)) {
            return lexIdentifier();
        }
        ++m_pos;
        switch (c) {
            case '(':
                return LParen;
            case ')':
                return RParen;
            case '+':
                return Plus;
            case '-':
                return Minus;
            case '*':
                return Star;
            case '/':
                return Slash;
            case '^':
                return Caret;
            default:
                throw ParseFailure("the character '" + std::string(1, c) + "' at position " + std::to_string(m_pos) +
                                   " is not allowed");
        }
    }

    void digits() {
        while (m_pos < m_text.size() && isDigit(m_text[m_pos])) {
            ++m_pos;
        }
    }

    bool digitAt(std::size_t pos) const { return pos < m_text.size() && isDigit(m_text[pos]); }

    int lexNumber() {
        const std::size_t start = m_pos;
        if (m_text[m_pos] == '-') {
            ++m_pos;
        }
        digits();
        if (m_pos < m_text.size() && m_text[m_pos] == '.') {
            if (!digitAt(m_pos + 1)) {
                throw ParseFailure("Wrong number.");
            }
            ++m_pos;
            digits();
        }
        if (m_pos < m_text.size() && (m_text[m_pos] == 'e' || m_text[m_pos] == 'E')) {
            std::size_t pos = m_pos + 1;
            if (pos < m_text.size() && (m_text[pos] == '+' || m_text[pos] == '-')) {
                ++pos;
            }
            if (!digitAt(pos)) {
                throw ParseFailure("Wrong number.");
            }
            m_pos = pos;
            digits();
        }
        m_tokenText = m_text.substr(start, m_pos - start);
        return Number;
    }

    int lexIdentifier() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && isIdentifierChar(m_text[m_pos])) {
            ++m_pos;
        }
        m_tokenText = m_text.substr(start, m_pos - start);
        for (const auto& function : kFunctions) {
            if (m_tokenText == function.name) {
                return static_cast<int>(function.kind);
            }
        }
        for (std::size_t i = 0; i < m_variables.size(); ++i) {
            if (equalNoCaseAscii(m_tokenText, m_variables[i])) {
                m_variableIndex = static_cast<std::uint32_t>(i);
                return Variable;
            }
        }
        throw ParseFailure("'" + m_tokenText + "' is not a known variable");
    }

    [[noreturn]] void unexpected() const {
        if (m_current == End) {
            throw ParseFailure("the formula ends too early");
        }
        throw ParseFailure("'" + m_text.substr(m_tokenStart, m_pos - m_tokenStart) + "' at position " +
                           std::to_string(m_tokenStart + 1) + " is not expected");
    }

    void emit(Kind kind, std::uint32_t index = 0) {
        result.program.push_back({kind, index});
        switch (kind) {
            case Kind::Number:
            case Kind::Variable:
                ++m_stack;
                break;
            case Kind::Add:
            case Kind::Subtract:
            case Kind::Multiply:
            case Kind::Divide:
            case Kind::Power:
                --m_stack;
                break;
            default:
                break;
        }
        result.maxStack = std::max(result.maxStack, m_stack);
        if (result.maxStack > kMaxStack) {
            throw ParseFailure("the formula is nested too deeply");
        }
    }

    // A number or variable token, emitted and consumed.
    void operand() {
        if (m_current == Number) {
            const long double value = literalValue(m_tokenText);
            result.literalOverflows = result.literalOverflows || !std::isfinite(value);
            result.constants.push_back(value);
            emit(Kind::Number, static_cast<std::uint32_t>(result.constants.size() - 1));
        } else {
            emit(Kind::Variable, m_variableIndex);
        }
        next();
    }

    void open() {
        if (++m_depth > kMaxNesting) {
            throw ParseFailure("the formula is nested too deeply");
        }
    }

    // expression := term { ("+" | "-") term }; ends at the end of the text or at ")".
    void expression() {
        term();
        for (;;) {
            if (m_current == Plus || m_current == Minus) {
                const Kind op = m_current == Plus ? Kind::Add : Kind::Subtract;
                next();
                term();
                emit(op);
            } else if (m_current == End) {
                return;
            } else if (m_current == RParen) {
                --m_depth;
                return;
            } else {
                unexpected();
            }
        }
    }

    // term := [ "-" | "+" ] factor { ("*" | "/") factor }; a sign only at the start of the text or
    // after "(", and a "-" negates the whole term.
    void term() {
        bool negate = false;
        if ((m_current == Minus || m_current == Plus) && (m_previous == End || m_previous == LParen)) {
            negate = m_current == Minus;
            next();
        }
        factor();
        while (m_current == Star || m_current == Slash) {
            const Kind op = m_current == Star ? Kind::Multiply : Kind::Divide;
            next();
            factor();
            emit(op);
        }
        if (negate) {
            emit(Kind::Negate);
        }
    }

    // factor := primary { "^" exponent }, left-associative.
    void factor() {
        primary();
        while (m_current == Caret) {
            next();
            exponent();
            emit(Kind::Power);
        }
    }

    // exponent := number | variable | "(" (number | variable) ")".
    void exponent() {
        if (m_current == Number || m_current == Variable) {
            operand();
            return;
        }
        if (m_current != LParen) {
            unexpected();
        }
        next();
        if (m_current != Number && m_current != Variable) {
            throw ParseFailure("an exponent in parentheses must be one number or variable");
        }
        operand();
        if (m_current != RParen) {
            throw ParseFailure("an exponent in parentheses must be one number or variable");
        }
        next();
    }

    // The inside of "(" ... ")", the opening parenthesis being the current token.
    void parenthesised() {
        open();
        next();
        expression();
        if (m_current != RParen) {
            throw ParseFailure("the parentheses do not match");
        }
        next();
    }

    // primary := "(" expression ")" | number | variable | function "(" expression ")".
    void primary() {
        if (m_current == LParen) {
            parenthesised();
        } else if (m_current == Number || m_current == Variable) {
            operand();
        } else if (isFunctionToken(m_current)) {
            const auto function = static_cast<Kind>(m_current);
            const std::string name = m_tokenText;
            next();
            if (m_current != LParen) {
                throw ParseFailure("the function '" + name + "' must be followed by '('");
            }
            parenthesised();
            emit(function);
        } else {
            unexpected();
        }
    }

    const std::string& m_text;
    const std::vector<std::string>& m_variables;
    std::size_t m_pos = 0;
    std::size_t m_tokenStart = 0;
    int m_current = End;
    int m_previous = End;
    int m_depth = 0;
    std::string m_tokenText;
    std::uint32_t m_variableIndex = 0;
    std::size_t m_stack = 0;
};

}  // namespace

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

ParsedFormula parseFormula(const std::string& text, const std::vector<std::string>& variables) {
    Parser parser(text, variables);
    parser.parse();
    return std::move(parser.result);
}

}  // namespace zt::calc

#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "globaledit/calc_express.h"

// The formula parser behind TCalcExpress; not for use elsewhere.
namespace zt::calc {

// The evaluation stack's size; formulas that would need more are refused when parsed.
inline constexpr std::size_t kMaxStack = 512;

struct ParsedFormula {
    std::vector<TCalcExpress::Instruction> program;  // postfix
    std::vector<long double> constants;              // the number literals' values
    bool literalOverflows = false;                   // a literal beyond the range of long double
    std::size_t maxStack = 0;                        // values on the stack at most
};

// Why a formula is not valid.
class ParseFailure {
public:
    explicit ParseFailure(std::string reason) : m_reason(std::move(reason)) {}
    const std::string& reason() const { return m_reason; }

private:
    std::string m_reason;
};

// Parses a lower-cased formula against the variable names; throws ParseFailure.
ParsedFormula parseFormula(const std::string& text, const std::vector<std::string>& variables);

char lowerAscii(char c);

}  // namespace zt::calc

#include "league/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "league/error.h"
#include "league/league_text.h"
#include "league/message_text.h"

namespace zt {

namespace {

// printf's digits without its locale: snprintf would write the decimal separator of the C
// locale (a comma in a German one), to_chars always writes a dot.
std::string decimalText(double x, std::chars_format format, int precision) {
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, format, precision);
    return std::string(buffer.data(), result.ec == std::errc() ? result.ptr : buffer.data());
}

// from_chars takes no plus sign, so one is dropped first; a minus right after it ("+-5") leaves
// no number and must not be read as a negative one.
bool dropPlusSign(std::string_view& text) {
    if (text.empty() || text.front() != '+') {
        return true;
    }
    text.remove_prefix(1);
    return text.empty() || text.front() != '-';
}

void dropTrailingZeros(std::string& text) {
    if (text.find('.') == std::string::npos) {
        return;
    }
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
}

}  // namespace

double roundHalfEven(double x) {
    // nearbyint rounds in the current mode, which is round-to-nearest-even unless changed.
    return std::nearbyint(x);
}

double roundHalfEven(double x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return roundHalfEven(x * scale) / scale;
}

std::string FormatRate(double x) {
    std::string text = decimalText(roundHalfEven(x, 3), std::chars_format::fixed, 3);
    if (text.rfind("0.", 0) == 0) {
        text.erase(0, 1);
    } else if (text.rfind("-0.", 0) == 0) {
        text.erase(1, 1);
    }
    return text;
}

std::string FormatFixed2(double x) {
    return decimalText(roundHalfEven(x, 2), std::chars_format::fixed, 2);
}

std::string FormatShort(double x) {
    if (!std::isfinite(x)) {
        return std::isnan(x) ? "NAN" : (x > 0 ? "INF" : "-INF");
    }
    if (x == 0) {
        return "0";
    }
    // Find the decimal exponent after rounding to 15 significant digits, then print that many
    // digits in fixed notation.
    const std::string scientific = decimalText(x, std::chars_format::scientific, 14);
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    std::string text = decimalText(x, std::chars_format::fixed, std::max(0, 14 - exponent));
    dropTrailingZeros(text);
    if (text == "-0") {
        text = "0";
    }
    return text;
}

std::string shortestFloatText(float x) {
    std::array<char, 128> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

std::string shortestDoubleText(double x) {
    std::array<char, 512> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x, std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

std::string invalidIntegerMessage(std::string_view text) {
    return "'" + quotedInMessage(text) + "' is not a valid integer value";
}

std::string invalidFloatMessage(std::string_view text) {
    return "'" + quotedInMessage(text) + "' is not a valid floating point value";
}

std::int32_t parseInteger(std::string_view text) {
    std::string_view digits = trimmed(text);
    const bool signOk = dropPlusSign(digits);
    std::int32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (!signOk || digits.empty() || result.ec != std::errc() || result.ptr != digits.data() + digits.size()) {
        throw Error(invalidIntegerMessage(text));
    }
    return value;
}

double parseFloat(std::string_view text) {
    std::string_view number = trimmed(text);
    const bool signOk = dropPlusSign(number);
    double value = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (!signOk || number.empty() || result.ec != std::errc() || result.ptr != number.data() + number.size() ||
        !std::isfinite(value)) {
        throw Error(invalidFloatMessage(text));
    }
    return value;
}

}  // namespace zt

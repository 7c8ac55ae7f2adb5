#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zt {

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double x);

// x rounded half-even to a multiple of 10^-decimals.
double roundHalfEven(double x, int decimals);

// Three decimals without the leading zero: 0.3 -> ".300", 1.2345 -> "1.234".
std::string FormatRate(double x);

// Two decimals: 3.456 -> "3.46", 0 -> "0.00".
std::string FormatFixed2(double x);

// The shortest decimal text with at most 15 significant digits and no exponent:
// 6.7 -> "6.7", 7.0 -> "7", a float 0.3 widened -> "0.300000011920929".
std::string FormatShort(double x);

// The shortest decimal text that reads back to the same 32-bit float, without exponent.
std::string shortestFloatText(float x);

// The same for a double (17 significant digits at most).
std::string shortestDoubleText(double x);

// Conversions of typed text, with "." as the decimal separator whatever the locale.
// They throw zt::Error "'<text>' is not a valid integer value" / "... floating point value".
std::int32_t parseInteger(std::string_view text);
double parseFloat(std::string_view text);

std::string invalidIntegerMessage(std::string_view text);
std::string invalidFloatMessage(std::string_view text);

}  // namespace zt

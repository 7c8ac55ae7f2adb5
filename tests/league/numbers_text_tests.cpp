// Number texts, typed-number conversions, fixed-width texts and record bounds.
#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdlib>
#include <locale>

#include "league/numbers.h"
#include "league/player_record.h"
#include "league/stat_lines.h"
#include "league_test_helpers.h"
#include "support/league_builder.h"

namespace zt {
namespace {

using test::errorMessage;

TEST(NumberTexts, FormatRateDropsTheLeadingZero) {
    const std::pair<double, const char*> cases[] = {{0.3, ".300"},
                                                    {0.0, ".000"},
                                                    {1.0, "1.000"},
                                                    {1.2345, "1.234"},
                                                    {2.0 / 3.0, ".667"},
                                                    {3.0 / 2.0, "1.500"},
                                                    {0.0625, ".062"},
                                                    {0.1875, ".188"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatRate(value), text) << value;
    }
}

TEST(NumberTexts, FormatFixed2ShowsTwoDecimals) {
    const std::pair<double, const char*> cases[] = {{3.456, "3.46"}, {0.0, "0.00"}, {0.125, "0.12"}, {12.0, "12.00"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatFixed2(value), text) << value;
    }
}

TEST(NumberTexts, FormatShortIsTheShortestTextOfFifteenDigits) {
    const std::pair<double, const char*> cases[] = {{6.7, "6.7"},
                                                    {7.0, "7"},
                                                    {4.530, "4.53"},
                                                    {static_cast<double>(0.3f), "0.300000011920929"},
                                                    {0.0, "0"},
                                                    {-1.25, "-1.25"},
                                                    {100.0, "100"},
                                                    {0.1 + 0.2, "0.3"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatShort(value), text) << value;
    }
}

TEST(NumberTexts, ShortestFloatTextReadsBackToTheSameFloat) {
    EXPECT_EQ(shortestFloatText(0.3f), "0.3");
    EXPECT_EQ(shortestFloatText(1.0f), "1");
    EXPECT_EQ(shortestFloatText(-2.5f), "-2.5");
    for (const float value : {0.3f, 0.1f, 123.456f, 1e-7f, 3.4e38f, -0.0625f}) {
        EXPECT_EQ(std::strtof(shortestFloatText(value).c_str(), nullptr), value) << shortestFloatText(value);
    }
}

TEST(NumberTexts, RoundHalfEvenSendsTiesToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4, 2}, {2.6, 3}, {-3.5, -4}};
    for (const auto& [value, rounded] : cases) {
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
    }
    EXPECT_DOUBLE_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.375, 2), 0.38);
}

TEST(TypedNumbers, IntegersAreReadOrRefusedWithTheTypedText) {
    const std::pair<const char*, std::int32_t> valid[] = {
        {"42", 42}, {" 7 ", 7}, {"-13", -13}, {"+5", 5}, {"2147483647", INT_MAX}, {"-2147483648", INT_MIN}};
    for (const auto& [text, value] : valid) {
        EXPECT_EQ(parseInteger(text), value) << text;
    }
    for (const char* text : {"", " ", "abc", "12a", "1.5", "2147483648", "+-5", "--5", "0x10"}) {
        EXPECT_EQ(errorMessage([&] { parseInteger(text); }),
                  "'" + std::string(text) + "' is not a valid integer value");
    }
}

TEST(TypedNumbers, FloatsAreReadOrRefusedWithTheTypedText) {
    const std::pair<const char*, double> valid[] = {{"1.5", 1.5}, {"-0.25", -0.25}, {" 3 ", 3.0}, {"1e3", 1000.0}};
    for (const auto& [text, value] : valid) {
        EXPECT_EQ(parseFloat(text), value) << text;
    }
    for (const char* text : {"", "1,5", "abc", "1.5x", "nan", "inf", "+-1"}) {
        EXPECT_EQ(errorMessage([&] { parseFloat(text); }),
                  "'" + std::string(text) + "' is not a valid floating point value");
    }
}

// Restores the C and C++ locales when a test has switched them.
class GermanLocale {
public:
    GermanLocale() : m_c(std::setlocale(LC_ALL, nullptr)), m_cpp(std::locale()) {
        m_active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        if (m_active) {
            std::locale::global(std::locale("de_DE.UTF-8"));
        }
    }
    ~GermanLocale() {
        std::locale::global(m_cpp);
        std::setlocale(LC_ALL, m_c.c_str());
    }
    bool active() const { return m_active; }

private:
    std::string m_c;
    std::locale m_cpp;
    bool m_active = false;
};

TEST(TypedNumbers, DecimalPointStaysADotInAGermanLocale) {
    GermanLocale german;
    if (!german.active()) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    EXPECT_EQ(parseFloat("1.5"), 1.5);
    EXPECT_EQ(errorMessage([] { parseFloat("1,5"); }), "'1,5' is not a valid floating point value");
    EXPECT_EQ(FormatRate(0.3), ".300");
    EXPECT_EQ(FormatFixed2(3.456), "3.46");
    EXPECT_EQ(FormatShort(6.7), "6.7");
    EXPECT_EQ(shortestFloatText(0.5f), "0.5");
    FieldingLineData fielding;
    fielding.putouts = 19;
    fielding.errors = 1;
    EXPECT_EQ(fieldingPercentageText(fielding), "0.950");
}

// ---------------------------------------------------------------------------------------------

TEST(FixedText, FullWidthTextHasNoTerminatorAndLongerTextIsCut) {
    PlayerRecord player;
    test::fillPattern(player.bytes(), 11);
    const std::uint8_t firstNameStart = player.bytes()[16];

    player.set(pf::lastName, "Abcdefghijklmnop");  // exactly 16 characters
    EXPECT_EQ(player.get(pf::lastName), "Abcdefghijklmnop");
    EXPECT_EQ(player.bytes()[15], 'p');
    EXPECT_EQ(player.bytes()[16], firstNameStart) << "the next field is untouched";

    player.set(pf::lastName, "Abcdefghijklmnopqrstu");
    EXPECT_EQ(player.get(pf::lastName), "Abcdefghijklmnop");
    EXPECT_EQ(player.bytes()[16], firstNameStart);

    player.set(pf::lastName, "Li");
    EXPECT_EQ(player.get(pf::lastName), "Li");
    for (std::size_t i = 2; i < 16; ++i) {
        EXPECT_EQ(player.bytes()[i], 0) << "byte " << i << " is padding";
    }
}

TEST(FixedText, ReadingStopsAtTheFirstNul) {
    PlayerRecord player;
    test::fillPattern(player.bytes(), 12);
    player.bytes()[3] = 0;
    EXPECT_EQ(player.get(pf::lastName).size(), 3u);
}

TEST(FixedText, Latin1BecomesUtf8) {
    EXPECT_EQ(latin1ToUtf8("Jos\xE9 Pe\xF1"
                           "a"),
              "Jos\xC3\xA9 Pe\xC3\xB1"
              "a");
    EXPECT_EQ(latin1ToUtf8("plain"), "plain");
}

TEST(ByteRecordBounds, RunTimeOffsetsBeyondTheRecordAreRefused) {
    PlayerRecord player;
    player.setAt<std::uint32_t>(764, 0x01020304);
    EXPECT_EQ(player.getAt<std::uint32_t>(764), 0x01020304u);
    EXPECT_THROW(player.getAt<std::uint32_t>(765), std::out_of_range);
    EXPECT_THROW(player.setAt<std::uint8_t>(768, 1), std::out_of_range);
    // Offsets so large that adding the width wraps around must not slip through.
    EXPECT_THROW(player.getAt<std::uint32_t>(SIZE_MAX - 1), std::out_of_range);
    EXPECT_THROW(player.setAt<std::uint16_t>(SIZE_MAX, 1), std::out_of_range);
}

}  // namespace
}  // namespace zt

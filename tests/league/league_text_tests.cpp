// League text (Windows-1252) meeting Unicode, and the comparisons without regard to case.
#include <gtest/gtest.h>

#include "league/error.h"
#include "league/league_text.h"

namespace zt {
namespace {

TEST(LeagueText, EveryByteComesBackFromUnicodeAsTheSameByte) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t c = unicodeOfLeagueByte(byte);
        EXPECT_EQ(leagueByteOf(c), std::optional<unsigned char>(byte)) << b;
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(leagueTextFromUtf8(leagueTextToUtf8(one)), one) << b;
    }
}

TEST(LeagueText, BytesOfTheHighControlRangeAreTheirWindowsCharacters) {
    struct Case {
        unsigned char byte;
        char32_t character;
        const char* utf8;
    };
    for (const Case& c : {Case{0x80, 0x20AC, "\u20AC"},
                          Case{0x8A, 0x0160, "\u0160"},
                          Case{0x93, 0x201C, "\u201C"},
                          Case{0x9F, 0x0178, "\u0178"},
                          Case{0x81, 0x0081, "\u0081"},  // undefined: its C1 code point
                          Case{0xF1, 0x00F1, "\u00F1"},
                          Case{'A', U'A', "A"}}) {
        EXPECT_EQ(unicodeOfLeagueByte(c.byte), c.character) << int{c.byte};
        EXPECT_EQ(leagueTextToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8) << int{c.byte};
    }
    EXPECT_EQ(leagueTextToUtf8("Pe\xF1"
                               "a"),
              "Pe\u00F1a");
}

TEST(LeagueText, ACharacterLeagueTextCannotHoldIsRefusedByName) {
    for (const auto& [typed, message] : std::initializer_list<std::pair<const char*, const char*>>{
             {"Wa\u0142\u0119sa",
              "The character '\u0142' (U+0142) cannot be stored in the league: its texts hold Windows-1252 characters "
              "only"},
             {"\U0001F600",
              "The character '\U0001F600' (U+1F600) cannot be stored in the league: its texts hold Windows-1252 "
              "characters only"},
             {"\x80", "The text is not valid UTF-8 and cannot be stored in the league"},
             {"\xC3", "The text is not valid UTF-8 and cannot be stored in the league"},
             {"\xC0\xAF", "The text is not valid UTF-8 and cannot be stored in the league"},
         }) {
        try {
            leagueTextFromUtf8(typed);
            ADD_FAILURE() << typed << " was stored";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
    }
}

TEST(LeagueText, ComparisonsFoldTheLettersOfWindows1252) {
    EXPECT_TRUE(equalNoCase("\x8Aimon", "\x9aIMON"));  // Šimon, šIMON
    EXPECT_TRUE(equalNoCase("\xC9tienne", "\xE9TIENNE"));
    EXPECT_FALSE(equalNoCase("\xD7", "\xF7"));  // the multiplication and division signs are not letters
    EXPECT_TRUE(startsWithNoCase("O'Neil", "o'n"));
    EXPECT_FALSE(startsWithNoCase("O", "O'"));
    EXPECT_TRUE(lessNoCase("alpha", "Beta"));
    EXPECT_FALSE(lessNoCase("Beta", "alpha"));
    EXPECT_TRUE(equalNoCaseAscii("Players.ZT", "players.zt"));
    EXPECT_FALSE(equalNoCaseAscii("\xC3\x84.zt", "\xC3\xA4.zt"));  // UTF-8 names: only A to Z fold
    EXPECT_EQ(trimmed(" \t x y \r\n"), "x y");
    EXPECT_EQ(trimmed("  "), "");
}

}  // namespace
}  // namespace zt

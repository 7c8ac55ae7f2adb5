#include <gtest/gtest.h>

#include "ratings/league_constants.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt::test {
namespace {

TEST(LeagueConstants, DefaultsAreWrittenAsWidenedFloatsWithFifteenDigits) {
    EXPECT_EQ(formatLeagueConstants(LeagueConstants::defaults()),
              "[Constants]\r\n"
              "lvsl=0.910000026226044\r\n"
              "lvsr=1.04999995231628\r\n"
              "rvsl=1.02999997138977\r\n"
              "rvsr=0.980000019073486\r\n"
              "obpa=1.02999997138977\r\n");
}

TEST(LeagueConstants, TypedValueKeepsItsFullSinglePrecision) {
    EXPECT_EQ(constantText(1.0455f), "1.04550004005432");
    EXPECT_EQ(constantText(0.0f), "0");
    EXPECT_EQ(constantText(2.0f), "2");
}

TEST(LeagueConstants, FileRoundTripGivesTheSameFloats) {
    TempDir dir;
    const LeagueConstants written{0.91f, 1.0455f, -0.5f, 123.25f, 1e-7f};
    writeLeagueConstants(dir / "constants.ini", written);
    EXPECT_EQ(readLeagueConstants(dir / "constants.ini"), written);
}

TEST(LeagueConstants, MissingFileKeysAndNumbersGiveZero) {
    TempDir dir;
    EXPECT_EQ(readLeagueConstants(dir / "constants.ini"), LeagueConstants{});
    const auto partial = parseLeagueConstants("[Other]\nlvsl=5\n[Constants]\nLVSR = 1.5\nrvsl=abc\nobpa=2\n");
    EXPECT_EQ(partial.lvsl, 0.0f);  // in another section
    EXPECT_EQ(partial.lvsr, 1.5f);  // keys without regard to case, blanks around
    EXPECT_EQ(partial.rvsl, 0.0f);  // not a number
    EXPECT_EQ(partial.rvsr, 0.0f);  // missing
    EXPECT_EQ(partial.obpa, 2.0f);
}

// Writing the constants keeps everything else the file holds.
TEST(LeagueConstants, WritingKeepsOtherKeysSectionsAndNotes) {
    const LeagueConstants constants{0.5f, 1.0f, 2.0f, 0.25f, 1.5f};
    const std::string values = "lvsl=0.5\r\nlvsr=1\r\nrvsl=2\r\nrvsr=0.25\r\nobpa=1.5\r\n";
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"no file", "", "[Constants]\r\n" + values},
        {"own keys and notes kept, values replaced in place",
         "; my notes\r\n[Constants]\r\nobpa=9\r\nextra=7\r\nLVSL = 3\r\n\r\n[Mine]\r\nx=1\r\n",
         "; my notes\r\n[Constants]\r\nobpa=1.5\r\nextra=7\r\nlvsl=0.5\r\nlvsr=1\r\nrvsl=2\r\nrvsr=0.25\r\n\r\n"
         "[Mine]\r\nx=1\r\n"},
        {"section missing, last line without its end", "[Other]\nkey=1", "[Other]\nkey=1\r\n[Constants]\r\n" + values},
        {"line feeds kept",
         "[constants]\nlvsl=1\nfuture=2\n",
         "[constants]\nlvsl=0.5\nfuture=2\nlvsr=1\r\nrvsl=2\r\nrvsr=0.25\r\nobpa=1.5\r\n"},
        // A lone CR ends no line: the keys added after such a last line must not join it.
        {"last key line ending in a lone CR",
         "[Constants]\r\nlvsl=3\r",
         "[Constants]\r\nlvsl=0.5\r\nlvsr=1\r\nrvsl=2\r\nrvsr=0.25\r\nobpa=1.5\r\n"},
        {"section line ending in a lone CR", "[Constants]\r", "[Constants]\r\r\n" + values},
        {"other last line ending in a lone CR", "[Constants]\r\nnote\r", "[Constants]\r\nnote\r\r\n" + values},
    };
    for (const Case& c : cases) {
        const std::string merged = mergeLeagueConstants(c.before, constants);
        EXPECT_EQ(merged, c.after) << c.what;
        EXPECT_EQ(parseLeagueConstants(merged), constants) << c.what;
    }
    TempDir dir;
    const auto file = dir / "constants.ini";
    writeText(file, cases[1].before);
    writeLeagueConstants(file, constants);
    const auto bytes = readBytes(file);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), cases[1].after);
}

}  // namespace
}  // namespace zt::test

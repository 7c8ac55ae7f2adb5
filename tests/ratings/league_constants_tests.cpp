#include <gtest/gtest.h>

#include "ratings/league_constants.h"
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

}  // namespace
}  // namespace zt::test

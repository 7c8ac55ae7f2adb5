// stats.zt: player and team history blocks of packed stat lines.
#include <gtest/gtest.h>

#include "league_test_helpers.h"
#include "support/league_builder.h"

namespace zt {
namespace {

using test::errorMessage;
using test::imageOf;
using test::putBytes;
using test::putI32;

const std::filesystem::path kFile = "/league/stats.zt";

// Two player blocks (one with a batting line and two fielding lines, one empty), one team block
// with a pitching line, and three bytes after the team blocks.
std::vector<std::uint8_t> handMadeStatsFile() {
    std::vector<std::uint8_t> bytes;
    putI32(bytes, 0x0BADF00D);
    putI32(bytes, 2);
    putI32(bytes, 17);  // block of player 17
    putI32(bytes, 1);
    putBytes(bytes, 28, 0xB1);
    putI32(bytes, 0);
    putI32(bytes, 2);
    putBytes(bytes, 16, 0xF1);
    putBytes(bytes, 16, 0xF2);
    putI32(bytes, 99);  // an empty block
    putI32(bytes, 0);
    putI32(bytes, 0);
    putI32(bytes, 0);
    putI32(bytes, -5);
    putI32(bytes, 1);
    putI32(bytes, 3);  // block of team 3
    putI32(bytes, 0);
    putI32(bytes, 1);
    putBytes(bytes, 36, 0xC1);
    putI32(bytes, 0);
    putBytes(bytes, 3, 0x7E);
    return bytes;
}

TEST(StatsFile, EmptyFileIsSixteenBytesAndWritesBackUnchanged) {
    std::vector<std::uint8_t> bytes;
    putI32(bytes, 1);
    putI32(bytes, 0);
    putI32(bytes, 2);
    putI32(bytes, 0);
    League league;
    parseStatsFile(bytes, kFile, league);
    EXPECT_TRUE(league.statsLoaded);
    EXPECT_TRUE(league.playerHistories.empty());
    EXPECT_TRUE(league.teamHistories.empty());
    EXPECT_EQ(serialiseStatsFile(league), bytes);
}

TEST(StatsFile, BlocksAreReadInFileOrderAndWrittenBackByteForByte) {
    const auto bytes = handMadeStatsFile();
    League league;
    parseStatsFile(bytes, kFile, league);

    ASSERT_EQ(league.playerHistories.size(), 2u);
    const StatHistory& first = *league.playerHistories[0];
    EXPECT_EQ(first.key, 17);
    ASSERT_EQ(first.batting.size(), 1u);
    EXPECT_EQ(first.batting[0].bytes()[27], 0xB1);
    EXPECT_TRUE(first.pitching.empty());
    ASSERT_EQ(first.fielding.size(), 2u);
    EXPECT_EQ(first.fielding[1].bytes()[0], 0xF2);
    EXPECT_EQ(league.playerHistories[1]->key, 99);

    ASSERT_EQ(league.teamHistories.size(), 1u);
    EXPECT_EQ(league.teamHistories[0]->key, 3);
    ASSERT_EQ(league.teamHistories[0]->pitching.size(), 1u);
    EXPECT_EQ(league.statsFileWords.beforePlayers, 0x0BADF00D);
    EXPECT_EQ(league.statsFileWords.beforeTeams, -5);
    EXPECT_EQ(league.statsFileTail, std::vector<std::uint8_t>(3, 0x7E));

    EXPECT_EQ(serialiseStatsFile(league), bytes);
}

// Each count of the file, set to a value the file cannot hold: rejected before allocating,
// with the file named and the open league untouched.
struct DamagedCount {
    const char* what;
    std::size_t offset;
    std::int32_t value;
};

void PrintTo(const DamagedCount& c, std::ostream* out) {
    *out << c.what << " = " << c.value;
}

class StatsFileCountTest : public testing::TestWithParam<DamagedCount> {};

TEST_P(StatsFileCountTest, IsRejectedWithoutChangingTheLeague) {
    SCOPED_TRACE(GetParam().what);
    auto bytes = handMadeStatsFile();
    test::setI32At(bytes, GetParam().offset, GetParam().value);
    auto league = test::buildLeague();
    const auto before = imageOf(*league);
    const std::string message = errorMessage([&] { parseStatsFile(bytes, kFile, *league); });
    EXPECT_TRUE(test::contains(message, kFile.string())) << message;
    EXPECT_EQ(imageOf(*league), before);
}

INSTANTIATE_TEST_SUITE_P(Counts,
                         StatsFileCountTest,
                         testing::Values(DamagedCount{"player blocks", 4, 0x7fffffff},
                                         DamagedCount{"player blocks", 4, -1},
                                         DamagedCount{"batting lines", 12, 0x7fffffff},
                                         DamagedCount{"batting lines", 12, -2},
                                         DamagedCount{"pitching lines", 44, 0x7fffffff},
                                         DamagedCount{"fielding lines", 48, 3},
                                         DamagedCount{"team blocks", 104, 0x7fffffff},
                                         DamagedCount{"team blocks", 104, 2},
                                         DamagedCount{"team pitching lines", 116, -1},
                                         DamagedCount{"team fielding lines", 156, 0x40000000}),
                         [](const auto& info) {
                             return "At" + std::to_string(info.param.offset) + "_" + std::to_string(info.index);
                         });

TEST(StatsFile, EveryTruncatedFileIsRejected) {
    auto bytes = handMadeStatsFile();
    bytes.resize(bytes.size() - 3);  // without the trailing bytes, every shorter file is incomplete
    test::expectEveryTruncationRejected(
        bytes, kFile.string(), [](auto prefix, League& league) { parseStatsFile(prefix, kFile, league); });
}

TEST(StatsFile, DamagedFilesAreAcceptedOrRejectedCleanly) {
    test::expectDamageHandled(serialiseStatsFile(*test::buildLeague()), kFile.string(), [](auto bytes) {
        League league;
        parseStatsFile(bytes, kFile, league);
    });
}

}  // namespace
}  // namespace zt

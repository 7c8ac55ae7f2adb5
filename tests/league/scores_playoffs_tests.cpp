// scores.zt, playoffs.zt and net.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "league/net_info.h"
#include "league_test_helpers.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

using test::errorMessage;
using test::imageOf;
using test::putI32;

const std::filesystem::path kPlayoffsFile = "/league/playoffs.zt";
constexpr std::size_t kGame = 52;
constexpr std::size_t kSeriesSize = 24 + 10 * kGame;

// The slot the game writes where no game was played, written out value by value.
std::vector<std::uint8_t> fillerBytes() {
    std::vector<std::uint8_t> bytes;
    const auto putFloat = [&](float f) {
        std::uint32_t bits;
        std::memcpy(&bits, &f, 4);
        putI32(bytes, static_cast<std::int32_t>(bits));
    };
    putI32(bytes, -1);
    putI32(bytes, -1);
    putI32(bytes, -1);
    putI32(bytes, -1);
    putI32(bytes, 0);
    putI32(bytes, -1);
    putFloat(0.0f);
    putFloat(0.0f);
    putI32(bytes, -1);
    putFloat(0.0f);
    putFloat(0.0f);
    putI32(bytes, -1);
    putFloat(0.0f);
    return bytes;
}

TEST(GameResult, FillerIsTheGamesEmptySlot) {
    const GameResult filler = GameResult::filler();
    EXPECT_EQ(std::vector<std::uint8_t>(filler.bytes().begin(), filler.bytes().end()), fillerBytes());
    for (int i = 0; i < GameResult::kValues; ++i) {
        EXPECT_EQ(GameResult::isFloatValue(i), i == 6 || i == 7 || i == 9 || i == 10 || i == 12) << i;
    }
}

// ---------------------------------------------------------------------------------------------

TEST(ScoresFile, WholeDaysAreReadAndAnIncompleteLastDayIsSkipped) {
    std::vector<std::uint8_t> bytes(2 * 780 + 100);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
    test::setI32At(bytes, 780 + 14 * 52, 27);  // day 2, last game, home team
    League league;
    parseScoresFile(bytes, league);
    EXPECT_TRUE(league.scoresLoaded);
    ASSERT_EQ(league.gameScores.size(), 2u);
    EXPECT_EQ(league.gameScores[1].games[14].get(gr::homeTeam), 27);
    const auto written = serialiseScoresFile(league);
    EXPECT_EQ(written, std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 2 * 780));
}

TEST(ScoresFile, EmptyFileHasNoDays) {
    auto league = test::buildLeague();
    parseScoresFile({}, *league);
    EXPECT_TRUE(league->scoresLoaded);
    EXPECT_TRUE(league->gameScores.empty());
    EXPECT_TRUE(serialiseScoresFile(*league).empty());
}

// ---------------------------------------------------------------------------------------------
// Playoffs: which of a series' ten disk slots holds which game depends on the round's length.

struct SlotMaps {
    int bestOf;
    std::array<int, 10> read;   // game 1..7 that each disk slot is read into; 0: not read
    std::array<int, 10> write;  // game 1..7 that each disk slot is written from; 0: filler
};

const SlotMaps kMaps[] = {
    {1, {1, 2, 3, 4, 5, 6, 7, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {3, {1, 0, 2, 0, 3, 4, 5, 6, 7, 0}, {1, 0, 2, 0, 3, 0, 0, 0, 0, 0}},
    {5, {1, 2, 0, 3, 4, 0, 5, 6, 7, 0}, {1, 2, 0, 3, 4, 0, 5, 0, 0, 0}},
    {7, {1, 2, 0, 3, 4, 5, 0, 6, 7, 0}, {1, 2, 0, 3, 4, 5, 0, 6, 7, 0}},
};

void setAllRounds(League& league, int bestOf) {
    for (int round = 0; round < 3; ++round) {
        league.seasonHeader.setPlayoffBestOf(round, bestOf);
    }
}

// Seven series whose disk slot d of series s holds 1000 * (s + 1) + d as its first value.
std::vector<std::uint8_t> numberedPlayoffsFile(int series) {
    std::vector<std::uint8_t> bytes;
    for (int s = 0; s < series; ++s) {
        bytes.insert(bytes.end(), 24, static_cast<std::uint8_t>(s + 1));
        for (int d = 0; d < 10; ++d) {
            putI32(bytes, 1000 * (s + 1) + d);
            bytes.insert(bytes.end(), kGame - 4, static_cast<std::uint8_t>(d + 1));
        }
    }
    return bytes;
}

void PrintTo(const SlotMaps& maps, std::ostream* out) {
    *out << "best of " << maps.bestOf;
}

class PlayoffSlotsTest : public testing::TestWithParam<SlotMaps> {};

TEST_P(PlayoffSlotsTest, ReadTakesEachGameFromItsSlot) {
    const SlotMaps& maps = GetParam();
    League league;
    setAllRounds(league, maps.bestOf);
    parsePlayoffsFile(numberedPlayoffsFile(7), kPlayoffsFile, league);
    for (int s = 0; s < 7; ++s) {
        const PlayoffSeries& series = league.playoffSeries[static_cast<std::size_t>(s)];
        EXPECT_EQ(series.header[23], s + 1);
        for (int g = 1; g <= 7; ++g) {
            // Every length reads all seven games, from different slots.
            const auto slot = std::find(maps.read.begin(), maps.read.end(), g);
            ASSERT_NE(slot, maps.read.end());
            EXPECT_EQ(series.games[static_cast<std::size_t>(g - 1)].intValue(0),
                      1000 * (s + 1) + (slot - maps.read.begin()))
                << "series " << s + 1 << " game " << g;
        }
    }
}

TEST_P(PlayoffSlotsTest, WritePutsEachGameInItsSlotAndFillsTheRest) {
    const SlotMaps& maps = GetParam();
    League league;
    setAllRounds(league, maps.bestOf);
    for (int s = 0; s < 7; ++s) {
        auto& series = league.playoffSeries[static_cast<std::size_t>(s)];
        series.header.fill(static_cast<std::uint8_t>(0xA0 + s));
        for (int g = 0; g < 7; ++g) {
            series.games[static_cast<std::size_t>(g)] = test::makeGame(s, g, 100 * (s + 1) + g + 1, 0);
        }
    }
    const auto bytes = serialisePlayoffsFile(league);
    ASSERT_EQ(bytes.size(), 7 * kSeriesSize);
    const auto filler = fillerBytes();
    for (int s = 0; s < 7; ++s) {
        const std::size_t base = static_cast<std::size_t>(s) * kSeriesSize;
        EXPECT_EQ(bytes[base], 0xA0 + s);
        for (std::size_t d = 0; d < 10; ++d) {
            const auto* slot = bytes.data() + base + 24 + d * kGame;
            const int game = maps.write[d];
            const std::vector<std::uint8_t> expected =
                game == 0 ? filler
                          : std::vector<std::uint8_t>(
                                league.playoffSeries[static_cast<std::size_t>(s)].games[game - 1].bytes().begin(),
                                league.playoffSeries[static_cast<std::size_t>(s)].games[game - 1].bytes().end());
            EXPECT_EQ(std::vector<std::uint8_t>(slot, slot + kGame), expected) << "series " << s + 1 << " slot " << d;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BestOf, PlayoffSlotsTest, testing::ValuesIn(kMaps), [](const auto& info) {
    return "BestOf" + std::to_string(info.param.bestOf);
});

TEST(PlayoffsFile, SeriesBelongToRoundsAndARoundOfUnknownLengthIsSkipped) {
    // Round 0 (series 1-4) best of 7, round 1 (series 5-6) of length 4, round 2 (series 7) best of 3.
    League league;
    league.seasonHeader.setPlayoffBestOf(0, 7);
    league.seasonHeader.setPlayoffBestOf(1, 4);
    league.seasonHeader.setPlayoffBestOf(2, 3);
    league.playoffSeries[4].header.fill(0x44);
    const auto bytes = numberedPlayoffsFile(5);
    parsePlayoffsFile(bytes, kPlayoffsFile, league);
    EXPECT_EQ(league.playoffSeries[3].games[6].intValue(0), 4008) << "series 4, best of 7, game 7 from slot 8";
    EXPECT_EQ(league.playoffSeries[4].header[0], 0x44) << "series 5 is not in the file";
    EXPECT_EQ(league.playoffSeries[4].games[0].intValue(0), -1);
    EXPECT_EQ(league.playoffSeries[6].header[0], 5) << "series 7 follows series 4";
    EXPECT_EQ(league.playoffSeries[6].games[1].intValue(0), 5002) << "series 7, best of 3, game 2 from slot 2";
    EXPECT_TRUE(league.playoffsFileTail.empty());

    const auto written = serialisePlayoffsFile(league);
    ASSERT_EQ(written.size(), 5 * kSeriesSize);
    EXPECT_EQ(written[4 * kSeriesSize], 5) << "series 7 is written right after series 4";
}

TEST(PlayoffsFile, BuiltLeagueAndTrailingBytesSurviveAWriteAndRead) {
    const auto built = test::buildLeague();
    auto bytes = serialisePlayoffsFile(*built);
    bytes.push_back(0x11);
    bytes.push_back(0x22);
    League league;
    league.seasonHeader = built->seasonHeader;
    parsePlayoffsFile(bytes, kPlayoffsFile, league);
    EXPECT_EQ(league.playoffSeries, built->playoffSeries);
    EXPECT_EQ(serialisePlayoffsFile(league), bytes);
}

TEST(PlayoffsFile, FileShorterThanTheLayoutIsRejectedWithoutChangingTheLeague) {
    // The built league's round lengths (7, 5, 3) give the layout of its own playoffs file.
    test::expectEveryTruncationRejected(
        serialisePlayoffsFile(*test::buildLeague()), kPlayoffsFile.string(), [](auto prefix, League& league) {
            parsePlayoffsFile(prefix, kPlayoffsFile, league);
        });
}

TEST(PlayoffsFile, DamagedFilesAreAcceptedOrRejectedCleanly) {
    const auto built = test::buildLeague();
    test::expectDamageHandled(serialisePlayoffsFile(*built), kPlayoffsFile.string(), [&](auto bytes) {
        League league;
        league.seasonHeader = built->seasonHeader;
        parsePlayoffsFile(bytes, kPlayoffsFile, league);
    });
}

TEST(PlayoffsFile, ResetClearsTeamsAndScoresOnly) {
    auto league = test::buildLeague();
    const GameResult before = league->playoffSeries[6].games[0];
    resetPlayoffGames(*league);
    const GameResult& after = league->playoffSeries[6].games[0];
    for (int i = 0; i < GameResult::kValues; ++i) {
        EXPECT_EQ(after.intValue(i), i < 4 ? -1 : before.intValue(i)) << "value " << i;
    }
}

// ---------------------------------------------------------------------------------------------

TEST(NetInfo, ReadsNineLinesLeavingMissingOnesEmpty) {
    struct Case {
        const char* what;
        std::string text;
        NetLeagueInfo expected;
    };
    const Case cases[] = {
        {"nine lines", "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\n", {"a", "b", "c", "d", "e", "f", "g", "h", "i"}},
        {"extra lines",
         "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj\r\nk",
         {"a", "b", "c", "d", "e", "f", "g", "h", "i"}},
        {"three lines, no final break", "a\r\n\r\nc", {"a", "", "c", "", "", "", "", "", ""}},
        {"line feeds only", "a\nb\n", {"a", "b", "", "", "", "", "", "", ""}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseNetInfo(c.text), c.expected) << c.what;
    }
}

TEST(NetInfo, WritesNineCrLfLinesThatReadBack) {
    const NetLeagueInfo info{"League", "Dir", "d@x", "Me", "smtp", "me@x", "http://x/", "h.txt", ""};
    test::TempDir dir;
    writeNetInfo(dir / "net.txt", info);
    const auto bytes = test::readBytes(dir / "net.txt");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()),
              "League\r\nDir\r\nd@x\r\nMe\r\nsmtp\r\nme@x\r\nhttp://x/\r\nh.txt\r\n\r\n");
    EXPECT_EQ(readNetInfo(dir / "net.txt"), info);
}

}  // namespace
}  // namespace zt

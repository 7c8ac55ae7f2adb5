// season.zt: the season header, the team records with their entries, the trailer; and the
// version check that decides whether a league can be opened at all.
#include <gtest/gtest.h>

#include <cstring>

#include "league_test_helpers.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

using test::errorMessage;
using test::imageOf;
using test::putBytes;
using test::putI32;

const std::filesystem::path kFile = "/league/season.zt";
constexpr std::size_t kHeader = 428;
constexpr std::size_t kTeam = 1728;

std::vector<std::uint8_t> header(std::int32_t teamCount, const char* version = "4.0.09") {
    std::vector<std::uint8_t> bytes(kHeader, 0x5A);
    std::memcpy(bytes.data() + 4, version, 6);
    test::setI32At(bytes, 424, teamCount);
    return bytes;
}

void putTeam(std::vector<std::uint8_t>& bytes, std::uint8_t fill, std::int32_t entries) {
    const std::size_t at = bytes.size();
    putBytes(bytes, kTeam, fill);
    test::setI32At(bytes, at + 1724, entries);
    for (std::int32_t e = 0; e < entries; ++e) {
        putBytes(bytes, 64, static_cast<std::uint8_t>(0xE0 + e));
    }
}

// Two teams (one entry, no entry), three trailer items and two bytes that make no item.
std::vector<std::uint8_t> handMadeSeasonFile() {
    auto bytes = header(2);
    putTeam(bytes, 0x61, 1);
    putTeam(bytes, 0x62, 0);
    putI32(bytes, 10);
    putI32(bytes, 20);
    putI32(bytes, -30);
    putBytes(bytes, 2, 0x99);
    return bytes;
}

TEST(SeasonFile, TeamsEntriesAndTrailerAreReadAndWrittenBackByteForByte) {
    const auto bytes = handMadeSeasonFile();
    League league;
    parseSeasonFile(bytes, kFile, league);
    EXPECT_EQ(league.seasonHeader.get(sh::seasonVersion), "4.0.09");
    ASSERT_EQ(league.teamCount(), 2);
    ASSERT_EQ(league.teams[0].entries.size(), 1u);
    EXPECT_EQ(league.teams[0].entries[0].bytes()[63], 0xE0);
    EXPECT_EQ(league.teams[0].record.bytes()[0], 0x61);
    EXPECT_TRUE(league.teams[1].entries.empty());
    EXPECT_EQ(league.seasonTrailer, (std::vector<std::int32_t>{10, 20, -30}));
    EXPECT_EQ(league.seasonTrailerRest, (std::vector<std::uint8_t>{0x99, 0x99}));
    EXPECT_EQ(serialiseSeasonFile(league), bytes);
}

TEST(SeasonFile, NoTeamsAndThirtyTwoTeamsAreBothValid) {
    for (const int teams : {0, 32}) {
        auto bytes = header(teams);
        for (int t = 0; t < teams; ++t) {
            putTeam(bytes, static_cast<std::uint8_t>(t + 1), 0);
        }
        League league;
        parseSeasonFile(bytes, kFile, league);
        EXPECT_EQ(league.teamCount(), teams);
        EXPECT_TRUE(league.seasonTrailer.empty());
    }
}

struct DamagedSeason {
    const char* what;
    std::size_t offset;
    std::int32_t value;
};

void PrintTo(const DamagedSeason& c, std::ostream* out) {
    *out << c.what;
}

class SeasonFileCountTest : public testing::TestWithParam<DamagedSeason> {};

TEST_P(SeasonFileCountTest, IsRejectedWithoutChangingTheLeague) {
    SCOPED_TRACE(GetParam().what);
    auto bytes = handMadeSeasonFile();
    // Room for many more teams, so only the limit of 32 can stop a count of 33.
    bytes.resize(bytes.size() + 40 * kTeam, 0);
    test::setI32At(bytes, GetParam().offset, GetParam().value);
    auto league = test::buildLeague();
    const auto before = imageOf(*league);
    const std::string message = errorMessage([&] { parseSeasonFile(bytes, kFile, *league); });
    EXPECT_TRUE(test::contains(message, kFile.string())) << message;
    EXPECT_EQ(imageOf(*league), before);
}

INSTANTIATE_TEST_SUITE_P(Counts,
                         SeasonFileCountTest,
                         testing::Values(DamagedSeason{"33 teams", 424, 33},
                                         DamagedSeason{"negative team count", 424, -1},
                                         DamagedSeason{"huge team count", 424, 0x7fffffff},
                                         DamagedSeason{"huge entry count", kHeader + 1724, 0x7fffffff},
                                         DamagedSeason{"negative entry count", kHeader + 1724, -1},
                                         DamagedSeason{"entries past the end", kHeader + 1724, 2000}));

TEST(SeasonFile, FilesEndingBeforeTheLastTeamAreRejected) {
    // Cut anywhere before the end of the last team record.
    test::expectEveryTruncationRejected(
        handMadeSeasonFile(),
        kFile.string(),
        [](auto prefix, League& league) { parseSeasonFile(prefix, kFile, league); },
        kHeader + 2 * kTeam + 64);
}

TEST(SeasonFile, ACutTrailerKeepsItsWholeItemsAndTheRest) {
    const auto bytes = handMadeSeasonFile();
    const std::size_t trailerStart = kHeader + 2 * kTeam + 64;
    for (std::size_t size = trailerStart; size <= bytes.size(); ++size) {
        const std::span<const std::uint8_t> prefix(bytes.data(), size);
        League league;
        parseSeasonFile(prefix, kFile, league);
        EXPECT_EQ(league.seasonTrailer.size(), (size - trailerStart) / 4);
        EXPECT_EQ(league.seasonTrailerRest.size(), (size - trailerStart) % 4);
        EXPECT_EQ(serialiseSeasonFile(league), std::vector<std::uint8_t>(prefix.begin(), prefix.end()));
    }
}

TEST(SeasonFile, DamagedFilesAreAcceptedOrRejectedCleanly) {
    test::expectDamageHandled(serialiseSeasonFile(*test::buildLeague()), kFile.string(), [](auto bytes) {
        League league;
        parseSeasonFile(bytes, kFile, league);
    });
}

// ---------------------------------------------------------------------------------------------

TEST(SeasonVersion, OnlyTheSixBytesAtOffsetFourCount) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool accepted;
    };
    auto other = header(0);
    other[3] = 'x';   // before the version
    other[10] = 'y';  // after it
    auto older = header(0, "4.0.08");
    auto lower = header(0, "4.0.0");  // "4.0.0" and a NUL
    std::vector<std::uint8_t> shortFile = {0, 0, 0, 0, '4', '.', '0', '.', '0'};
    const Case cases[] = {{"current", header(0), true},
                          {"neighbours changed", other, true},
                          {"older version", older, false},
                          {"shorter version", lower, false},
                          {"file of nine bytes", shortFile, false}};
    for (const Case& c : cases) {
        test::TempDir dir;
        test::writeBytes(dir / "season.zt", c.bytes);
        EXPECT_EQ(checkSeasonVersion(dir.path()), c.accepted) << c.what;
    }
}

TEST(SeasonVersion, FindsTheFileInAnyLetterCaseAndRefusesAMissingOne) {
    test::TempDir dir;
    EXPECT_FALSE(checkSeasonVersion(dir.path()));
    test::writeBytes(dir / "Season.ZT", header(0));
    EXPECT_TRUE(checkSeasonVersion(dir.path()));
}

// ---------------------------------------------------------------------------------------------
// The repeated groups of the team record, at offsets computed from the record layout.

TEST(TeamRecord, RepeatedGroupsSitAtTheirOffsets) {
    TeamRecord team;
    team.setRosterId(119, 4242);
    EXPECT_EQ(team.getAt<std::int32_t>(124 + 4 * 119), 4242);
    team.setLineupSlot(LineupKind::AA, 8, {77, 10});
    EXPECT_EQ(team.getAt<std::int32_t>(604 + 72 * 5 + 8 * 8), 77);
    EXPECT_EQ(team.getAt<std::int32_t>(604 + 72 * 5 + 8 * 8 + 4), 10);
    team.setRotationSlot(3, 4, 55);
    EXPECT_EQ(team.getAt<std::int32_t>(1108 + 20 * 3 + 4 * 4), 55);
    team.setManagerProfile(12, 1.5f);
    EXPECT_EQ(team.getAt<float>(1588 + 4 * 12), 1.5f);

    SeasonHeader season;
    season.setPlayoffBestOf(2, 7);
    EXPECT_EQ(season.getAt<std::int32_t>(324 + 8), 7);

    EXPECT_THROW(team.rosterId(120), std::out_of_range);
    EXPECT_THROW(team.lineupSlot(static_cast<LineupKind>(7), 0), std::out_of_range);
    EXPECT_THROW(team.rotationSlot(0, 5), std::out_of_range);
    EXPECT_THROW(season.playoffBestOf(3), std::out_of_range);
}

}  // namespace
}  // namespace zt

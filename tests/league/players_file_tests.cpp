// players.zt and the records it holds: the player record, the league names, the field table.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <set>

#include "league/league_names.h"
#include "league/player_fields.h"
#include "league_test_helpers.h"
#include "support/league_builder.h"
#include "support/temp_dir.h"

namespace zt {
namespace {

using test::errorMessage;
using test::imageOf;
using test::putBytes;
using test::putI32;

const std::filesystem::path kFile = "/league/players.zt";

// A league-names block written by hand: name at 0, abbreviation at 32, and the division names
// stored in reverse order (division 0 at 112, 1 at 80, 2 at 48).
void putLeagueNames(std::vector<std::uint8_t>& bytes, const char* name, const char* abbreviation) {
    std::array<std::uint8_t, 144> block{};
    block.fill(0x3C);  // bytes between the texts are kept as they are
    const auto put = [&](std::size_t at, std::size_t width, const char* text) {
        std::memset(block.data() + at, 0, width);
        std::memcpy(block.data() + at, text, std::strlen(text));
    };
    put(0, 32, name);
    put(32, 16, abbreviation);
    put(112, 32, "First");
    put(80, 32, "Second");
    put(48, 32, "Third");
    bytes.insert(bytes.end(), block.begin(), block.end());
}

std::vector<std::uint8_t> handMadePlayersFile(int players, std::size_t tail) {
    std::vector<std::uint8_t> bytes;
    putI32(bytes, 0x11223344);
    putI32(bytes, players);
    for (int p = 0; p < players; ++p) {
        std::array<std::uint8_t, 768> record;
        test::fillPattern(record, 40u + static_cast<unsigned>(p));
        std::memcpy(record.data(), "Smith", 6);
        record[34] = static_cast<std::uint8_t>(p + 1);  // playerId, little-endian
        record[35] = 0x02;
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    putI32(bytes, 5);
    putI32(bytes, -6);
    putI32(bytes, 7);
    putLeagueNames(bytes, "Alpha League", "AL");
    putLeagueNames(bytes, "Beta League", "BL");
    putBytes(bytes, tail, 0xE1);
    return bytes;
}

TEST(PlayersFile, EmptyPlayerListIs308BytesAndWritesBackUnchanged) {
    const auto bytes = handMadePlayersFile(0, 0);
    ASSERT_EQ(bytes.size(), 308u);
    League league;
    parsePlayersFile(bytes, kFile, league);
    EXPECT_TRUE(league.players.empty());
    EXPECT_EQ(league.playersFileWords.first, 0x11223344);
    EXPECT_EQ(league.playersFileWords.afterPlayers, (std::array<std::int32_t, 3>{5, -6, 7}));
    EXPECT_EQ(league.leagueNames[0].get(LeagueNames::name), "Alpha League");
    EXPECT_EQ(league.leagueNames[1].get(LeagueNames::abbreviation), "BL");
    EXPECT_EQ(serialisePlayersFile(league), bytes);
}

TEST(PlayersFile, RecordsAndTrailingBytesWriteBackByteForByte) {
    const auto bytes = handMadePlayersFile(2, 5);
    League league;
    parsePlayersFile(bytes, kFile, league);
    ASSERT_EQ(league.players.size(), 2u);
    EXPECT_EQ(league.loadedPlayerCount, 2);
    EXPECT_EQ(league.players[1]->get(pf::lastName), "Smith");
    EXPECT_EQ(league.players[1]->playerId(), 0x0202);
    EXPECT_EQ(league.playersFileTail, std::vector<std::uint8_t>(5, 0xE1));
    EXPECT_EQ(serialisePlayersFile(league), bytes);
}

// A damaged count must be refused before anything is allocated for it (the test program's
// allocation limit turns a trusting reader into a bad_alloc), and the open league stays as it was.
class PlayersFileCountTest : public testing::TestWithParam<std::int32_t> {};

TEST_P(PlayersFileCountTest, CountTheFileCannotHoldIsRejected) {
    auto bytes = handMadePlayersFile(2, 0);
    test::setI32At(bytes, 4, GetParam());
    auto league = test::buildLeague();
    const auto before = imageOf(*league);
    const std::string message = errorMessage([&] { parsePlayersFile(bytes, kFile, *league); });
    EXPECT_TRUE(test::contains(message, kFile.string())) << message;
    EXPECT_EQ(imageOf(*league), before);
}

INSTANTIATE_TEST_SUITE_P(Counts, PlayersFileCountTest, testing::Values(0x7fffffff, 3, -1, INT_MIN));

TEST(PlayersFile, EveryTruncatedFileIsRejected) {
    test::expectEveryTruncationRejected(handMadePlayersFile(2, 0), kFile.string(), [](auto bytes, League& league) {
        parsePlayersFile(bytes, kFile, league);
    });
}

TEST(PlayersFile, DamagedFilesAreAcceptedOrRejectedCleanly) {
    test::expectDamageHandled(handMadePlayersFile(3, 0), kFile.string(), [](auto bytes) {
        League league;
        parsePlayersFile(bytes, kFile, league);
    });
}

TEST(PlayersFile, MissingFileIsReportedByName) {
    test::TempDir dir;
    League league;
    const std::string message = errorMessage([&] { readPlayersFile(dir / "players.zt", league); });
    EXPECT_TRUE(test::contains(message, (dir / "players.zt").string())) << message;
}

// ---------------------------------------------------------------------------------------------

TEST(PlayerRecord, PitchSlotsAreThirtyTwoBytesFrom484AndTouchNothingElse) {
    for (int slot = 0; slot < pf::kPitchSlots; ++slot) {
        PlayerRecord player;
        test::fillPattern(player.bytes(), 3);
        const PlayerRecord before = player;
        PitchSlot pitch;
        pitch.bytes().fill(0);
        pitch.set(ps::pitchType, 4);
        pitch.set(ps::slgVsR, 0.5f);
        player.setPitch(slot, pitch);

        const std::size_t begin = 484 + 32 * static_cast<std::size_t>(slot);
        for (std::size_t i = 0; i < PlayerRecord::kSize; ++i) {
            if (i < begin || i >= begin + 32) {
                ASSERT_EQ(player.bytes()[i], before.bytes()[i]) << "slot " << slot << " changed byte " << i;
            }
        }
        EXPECT_EQ(player.getAt<std::int32_t>(begin), 4);
        EXPECT_EQ(player.getAt<float>(begin + 28), 0.5f);
        EXPECT_EQ(player.pitch(slot), pitch);
    }
    PlayerRecord player;
    EXPECT_THROW(player.pitch(6), std::out_of_range);
    EXPECT_THROW(player.setPitch(-1, PitchSlot{}), std::out_of_range);
}

TEST(PlayerRecord, FamiliarityIsNineFloatsFrom704) {
    PlayerRecord player;
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        player.setFamiliarity(i, 0.25f * static_cast<float>(i + 1));
    }
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        EXPECT_EQ(player.getAt<float>(704 + 4 * static_cast<std::size_t>(i)), 0.25f * static_cast<float>(i + 1));
    }
    EXPECT_EQ(player.getAt<std::uint32_t>(740), 0u) << "the ninth value ends at byte 740";
    EXPECT_THROW(player.familiarity(9), std::out_of_range);
}

TEST(PlayerRecord, PeakShiftByte255ReadsAsMinusOne) {
    PlayerRecord player;
    player.bytes()[56] = 0xFF;
    EXPECT_EQ(player.get(pf::peakShift), -1);
}

TEST(PlayerRecord, FromStretchKeepsAnyNonZeroValue) {
    PlayerRecord player;
    player.bytes()[688] = 0x02;
    player.bytes()[691] = 0x80;
    EXPECT_EQ(player.get(pf::fromStretch), static_cast<std::int32_t>(0x80000002u));
    player.set(pf::fromStretch, 1);
    EXPECT_EQ(player.getAt<std::uint32_t>(688), 1u);
}

TEST(PlayerFieldTable, FieldsAreDistinctAndStayOutOfThePitchesAndFamiliarity) {
    std::set<std::string_view> names;
    std::vector<std::pair<std::size_t, std::size_t>> ranges = {{484, 484 + 6 * 32}, {704, 704 + 9 * 4}};
    for (const PlayerFieldInfo& field : playerFieldTable()) {
        EXPECT_TRUE(names.insert(field.name).second) << "duplicate name " << field.name;
        const std::size_t end = field.offset + field.width;
        EXPECT_LE(end, PlayerRecord::kSize) << field.name;
        for (const auto& [begin, rangeEnd] : ranges) {
            EXPECT_TRUE(end <= begin || field.offset >= rangeEnd) << field.name << " overlaps bytes " << begin;
        }
        ranges.emplace_back(field.offset, end);
    }
}

TEST(PlayerFieldTable, LooksUpByNameAndByFormulaNameIgnoringCase) {
    const PlayerFieldInfo* byName = findPlayerField("avgVsL");
    ASSERT_NE(byName, nullptr);
    EXPECT_EQ(byName->offset, 252u);
    EXPECT_EQ(findPlayerFieldByExpression("bavgl"), byName);
    EXPECT_EQ(findPlayerField("AVGVSL"), nullptr) << "record names are exact";
    EXPECT_EQ(findPlayerFieldByExpression(""), nullptr) << "fields without a formula name are not found by ''";
}

TEST(PlayerFieldTable, NumbersAreStoredInTheFieldsOwnWidth) {
    PlayerRecord player;
    test::fillPattern(player.bytes(), 9);
    const PlayerRecord before = player;
    writeNumber(player, *findPlayerField("age"), 300);  // a byte keeps 300 - 256
    EXPECT_EQ(player.bytes()[40], 44);
    writeNumber(player, *findPlayerField("peakShift"), -1);
    EXPECT_EQ(player.bytes()[56], 0xFF);
    EXPECT_EQ(readNumber(player, *findPlayerField("peakShift")), -1.0);
    writeNumber(player, *findPlayerField("endurance"), 0.75);
    EXPECT_EQ(player.get(pf::endurance), 0.75f);
    for (std::size_t i = 0; i < PlayerRecord::kSize; ++i) {
        if (i != 40 && i != 56 && (i < 376 || i >= 380)) {
            ASSERT_EQ(player.bytes()[i], before.bytes()[i]) << "byte " << i;
        }
    }
    EXPECT_THROW(readNumber(player, *findPlayerField("lastName")), std::logic_error);
}

TEST(LeagueNames, DivisionNamesAreStoredFromTheEnd) {
    LeagueNames names;
    names.setDivisionName(0, "East");
    names.setDivisionName(1, "Central");
    names.setDivisionName(2, "West");
    EXPECT_EQ(std::memcmp(names.bytes().data() + 112, "East", 5), 0);
    EXPECT_EQ(std::memcmp(names.bytes().data() + 80, "Central", 8), 0);
    EXPECT_EQ(std::memcmp(names.bytes().data() + 48, "West", 5), 0);
    EXPECT_EQ(names.divisionName(1), "Central");
    EXPECT_THROW(names.divisionName(3), std::out_of_range);
}

}  // namespace
}  // namespace zt

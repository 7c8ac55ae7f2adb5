// The packed stat lines of stats.zt: where each field lives, what encoding does to bytes it
// does not own, and the derived values the history grids show.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "league/stat_lines.h"

namespace zt {
namespace {

// The bit layout written down independently of the codec, one row per field.
enum class In { Word, Byte, Half };
struct Bits {
    const char* name;
    In store;
    int index;  // word number, or byte offset for Byte and Half
    int first;
    int last;
};

// clang-format off
const std::vector<Bits> kBattingBits = {
    {"games", In::Word, 0, 0, 11}, {"atBats", In::Word, 0, 12, 25}, {"pickoffs", In::Word, 0, 26, 31},
    {"year", In::Word, 1, 0, 10}, {"split", In::Word, 1, 11, 13}, {"hits", In::Word, 1, 14, 24},
    {"hitByPitch", In::Word, 1, 25, 31},
    {"doubles", In::Word, 2, 0, 10}, {"homeRuns", In::Word, 2, 11, 20}, {"walks", In::Word, 2, 21, 31},
    {"stolenBases", In::Word, 3, 0, 7}, {"caughtStealing", In::Word, 3, 8, 15}, {"triples", In::Word, 3, 16, 23},
    {"pinchBaseHits", In::Word, 3, 24, 31},
    {"strikeouts", In::Word, 4, 0, 10}, {"rbi", In::Word, 4, 11, 21}, {"gidp", In::Word, 4, 22, 29},
    {"runs", In::Word, 5, 0, 10}, {"intentionalWalks", In::Word, 5, 11, 17}, {"sacFlies", In::Word, 5, 18, 24},
    {"sacHits", In::Word, 5, 25, 31},
    {"team", In::Byte, 24, 0, 7}, {"pinchAtBats", In::Byte, 25, 0, 7}, {"level", In::Byte, 26, 0, 7},
};

const std::vector<Bits> kPitchingBits = {
    {"year", In::Word, 0, 0, 10}, {"level", In::Word, 0, 11, 18}, {"split", In::Word, 0, 19, 20},
    {"doubles", In::Word, 0, 21, 31},
    {"outsPitched", In::Word, 1, 0, 12}, {"hits", In::Word, 1, 13, 24}, {"blownSaves", In::Word, 1, 25, 31},
    {"triples", In::Word, 2, 0, 7}, {"homeRuns", In::Word, 2, 8, 15}, {"stolenBases", In::Word, 2, 16, 24},
    {"completeGames", In::Word, 2, 25, 31},
    {"walks", In::Word, 3, 0, 10}, {"strikeouts", In::Word, 3, 11, 21}, {"games", In::Word, 3, 22, 31},
    {"earnedRuns", In::Word, 4, 0, 10}, {"hitBatsmen", In::Word, 4, 11, 17}, {"wildPitches", In::Word, 4, 18, 24},
    {"extra", In::Word, 4, 25, 31},
    {"runs", In::Word, 5, 0, 10}, {"shutouts", In::Word, 5, 11, 17}, {"gamesStarted", In::Word, 5, 18, 25},
    {"balks", In::Word, 5, 26, 31},
    {"caughtStealing", In::Word, 6, 0, 7}, {"wins", In::Word, 6, 8, 15}, {"losses", In::Word, 6, 16, 23},
    {"saves", In::Word, 6, 24, 31},
    {"holds", In::Word, 7, 0, 7}, {"qualityStarts", In::Word, 7, 8, 15}, {"pitchCount", In::Word, 7, 16, 31},
    {"team", In::Byte, 32, 0, 7},
};

const std::vector<Bits> kFieldingBits = {
    {"level", In::Word, 0, 0, 7}, {"errors", In::Word, 0, 8, 15}, {"passedBalls", In::Word, 0, 16, 23},
    {"caughtStealing", In::Word, 0, 24, 31},
    {"putouts", In::Word, 1, 0, 11}, {"games", In::Word, 1, 12, 21}, {"doublePlays", In::Word, 1, 22, 31},
    {"assists", In::Word, 2, 0, 9}, {"stolenBasesAllowed", In::Word, 2, 10, 18}, {"outsPlayed", In::Word, 2, 19, 31},
    {"year", In::Half, 12, 0, 10}, {"position", In::Half, 12, 11, 15},
    {"team", In::Byte, 14, 0, 7},
};
// clang-format on

std::uint32_t ones(int width) {
    return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u;
}

// The stored bytes of a line in which only this field's bits are set.
template <std::size_t N>
std::array<std::uint8_t, N> onlyBitsOf(const Bits& bits) {
    std::array<std::uint8_t, N> bytes{};
    const std::uint32_t mask = ones(bits.last - bits.first + 1) << bits.first;
    switch (bits.store) {
        case In::Word:
            for (int i = 0; i < 4; ++i) {
                bytes[static_cast<std::size_t>(4 * bits.index + i)] = static_cast<std::uint8_t>(mask >> (8 * i));
            }
            break;
        case In::Half:
            bytes[static_cast<std::size_t>(bits.index)] = static_cast<std::uint8_t>(mask);
            bytes[static_cast<std::size_t>(bits.index + 1)] = static_cast<std::uint8_t>(mask >> 8);
            break;
        case In::Byte:
            bytes[static_cast<std::size_t>(bits.index)] = 0xFF;
            break;
    }
    return bytes;
}

template <class Data>
void setField(Data& data, const std::string& name, std::uint32_t value) {
    bool found = false;
    visitLineFields(data, [&](std::string_view field, auto& member, const BitSpot&) {
        if (field == name) {
            member = static_cast<std::remove_reference_t<decltype(member)>>(value);
            found = true;
        }
    });
    ASSERT_TRUE(found) << name;
}

template <class Data>
std::vector<std::pair<std::string, std::uint32_t>> nonZeroFields(const Data& data) {
    std::vector<std::pair<std::string, std::uint32_t>> fields;
    visitLineFields(data, [&](std::string_view name, const auto& member, const BitSpot&) {
        if (member != 0) {
            fields.emplace_back(std::string(name), static_cast<std::uint32_t>(member));
        }
    });
    return fields;
}

template <class Data>
std::size_t fieldCount() {
    Data data;
    std::size_t count = 0;
    visitLineFields(data, [&](std::string_view, auto&, const BitSpot&) { ++count; });
    return count;
}

// Every field decodes from exactly its own bits and encodes into exactly its own bits, also
// when the value is wider than the field (the low bits are kept, nothing spills over).
template <class Data, class Line, class Decode, class Encode>
void checkLayout(const std::vector<Bits>& layout, Decode decode, Encode encode) {
    EXPECT_EQ(fieldCount<Data>(), layout.size()) << "a field of the line is missing from the layout table";
    for (const Bits& bits : layout) {
        SCOPED_TRACE(bits.name);
        const auto expected = onlyBitsOf<Line::kSize>(bits);

        Line stored;
        stored.bytes() = expected;
        const std::vector<std::pair<std::string, std::uint32_t>> decoded = nonZeroFields(decode(stored));
        ASSERT_EQ(decoded.size(), 1u);
        EXPECT_EQ(decoded[0].first, bits.name);
        EXPECT_EQ(decoded[0].second, ones(bits.last - bits.first + 1));

        Data data;
        setField(data, bits.name, 0xFFFFFFFFu);
        Line encoded;
        encode(data, encoded);
        EXPECT_EQ(encoded.bytes(), expected);
    }
}

TEST(StatLineLayout, BattingFieldsOwnTheirBits) {
    checkLayout<BattingLineData, BattingLine>(
        kBattingBits, decodeBattingLine, [](const auto& d, auto& line) { encodeBattingLine(d, line); });
}

TEST(StatLineLayout, PitchingFieldsOwnTheirBits) {
    checkLayout<PitchingLineData, PitchingLine>(
        kPitchingBits, decodePitchingLine, [](const auto& d, auto& line) { encodePitchingLine(d, line); });
}

TEST(StatLineLayout, FieldingFieldsOwnTheirBits) {
    checkLayout<FieldingLineData, FieldingLine>(
        kFieldingBits, decodeFieldingLine, [](const auto& d, auto& line) { encodeFieldingLine(d, line); });
}

// A season line in stored form: words composed by hand from the layout.
template <class Line>
Line lineWithWords(std::initializer_list<std::uint32_t> words, std::uint8_t restByte) {
    Line line;
    line.bytes().fill(restByte);
    std::size_t i = 0;
    for (const std::uint32_t word : words) {
        line.template setAt<std::uint32_t>(4 * i++, word);
    }
    return line;
}

BattingLineData seasonBatting() {
    BattingLineData d;
    d.games = 162, d.atBats = 600, d.pickoffs = 5;
    d.year = 2025, d.split = 1, d.hits = 180, d.hitByPitch = 7;
    d.doubles = 35, d.homeRuns = 25, d.walks = 70;
    d.stolenBases = 12, d.caughtStealing = 4, d.triples = 3, d.pinchBaseHits = 2;
    d.strikeouts = 110, d.rbi = 95, d.gidp = 14;
    d.runs = 88, d.intentionalWalks = 6, d.sacFlies = 5, d.sacHits = 3;
    d.team = 9, d.pinchAtBats = 4, d.level = 1;
    return d;
}

// Decoding reads every field; encoding into a line full of other bytes rebuilds the words and
// the field bytes and keeps byte 27, which belongs to no field.
TEST(BattingLineCodec, StoredSeasonDecodesAndEncodesBack) {
    auto stored =
        lineWithWords<BattingLine>({0x142580a2, 0x0e2d0fe9, 0x08c0c823, 0x0203040c, 0x0382f86e, 0x06143058}, 0xEE);
    stored.bytes()[24] = 9;
    stored.bytes()[25] = 4;
    stored.bytes()[26] = 1;
    auto withUnusedBits = stored;
    withUnusedBits.setAt<std::uint32_t>(16, 0x0382f86e | 0xC0000000u);
    EXPECT_EQ(decodeBattingLine(withUnusedBits), seasonBatting()) << "bits 30-31 of word 4 mean nothing";

    auto encoded = lineWithWords<BattingLine>({}, 0xEE);
    encodeBattingLine(seasonBatting(), encoded);
    EXPECT_EQ(encoded, stored);
}

PitchingLineData seasonPitching() {
    PitchingLineData d;
    d.year = 2024, d.level = 2, d.split = 1, d.doubles = 40;
    d.outsPitched = 600, d.hits = 180, d.blownSaves = 3;
    d.triples = 4, d.homeRuns = 20, d.stolenBases = 9, d.completeGames = 2;
    d.walks = 60, d.strikeouts = 200, d.games = 33;
    d.earnedRuns = 70, d.hitBatsmen = 5, d.wildPitches = 6, d.extra = 1;
    d.runs = 75, d.shutouts = 1, d.gamesStarted = 32, d.balks = 2;
    d.caughtStealing = 3, d.wins = 15, d.losses = 9, d.saves = 0;
    d.holds = 0, d.qualityStarts = 18, d.pitchCount = 3100;
    d.team = 12;
    return d;
}

TEST(PitchingLineCodec, StoredSeasonDecodesAndEncodesBackKeepingBytes33To35) {
    auto stored = lineWithWords<PitchingLine>(
        {0x050817e8, 0x06168258, 0x04091404, 0x0846403c, 0x02182846, 0x0880084b, 0x00090f03, 0x0c1c1200}, 0xA5);
    stored.bytes()[32] = 12;
    EXPECT_EQ(decodePitchingLine(stored), seasonPitching());

    auto encoded = lineWithWords<PitchingLine>({}, 0xA5);
    encodePitchingLine(seasonPitching(), encoded);
    EXPECT_EQ(encoded, stored);
}

FieldingLineData seasonFielding() {
    FieldingLineData d;
    d.level = 1, d.errors = 5, d.passedBalls = 2, d.caughtStealing = 11;
    d.putouts = 300, d.games = 140, d.doublePlays = 80;
    d.assists = 410, d.stolenBasesAllowed = 30, d.outsPlayed = 3600;
    d.year = 2023, d.position = 6, d.team = 20;
    return d;
}

TEST(FieldingLineCodec, StoredSeasonDecodesAndEncodesBackKeepingByte15) {
    auto stored = lineWithWords<FieldingLine>({0x0b020501, 0x1408c12c, 0x7080799a}, 0x5A);
    stored.setAt<std::uint16_t>(12, 0x37e7);
    stored.bytes()[14] = 20;
    EXPECT_EQ(decodeFieldingLine(stored), seasonFielding());

    auto encoded = lineWithWords<FieldingLine>({}, 0x5A);
    encodeFieldingLine(seasonFielding(), encoded);
    EXPECT_EQ(encoded, stored);
}

// ---------------------------------------------------------------------------------------------
// Derived values. Ties at the last shown decimal go to the even neighbour.

struct BattingRates {
    int hits, atBats, doubles, triples, homeRuns, walks, hitByPitch, sacFlies;
    std::optional<double> avg, obp, slg;
};

void PrintTo(const BattingRates& c, std::ostream* out) {
    *out << c.hits << " H in " << c.atBats << " AB";
}

class BattingRatesTest : public testing::TestWithParam<BattingRates> {};

TEST_P(BattingRatesTest, ShowsRoundedRatesOrNothingWithoutAtBats) {
    const BattingRates& c = GetParam();
    BattingLineData d;
    d.hits = static_cast<std::uint16_t>(c.hits);
    d.atBats = static_cast<std::uint16_t>(c.atBats);
    d.doubles = static_cast<std::uint16_t>(c.doubles);
    d.triples = static_cast<std::uint16_t>(c.triples);
    d.homeRuns = static_cast<std::uint16_t>(c.homeRuns);
    d.walks = static_cast<std::uint16_t>(c.walks);
    d.hitByPitch = static_cast<std::uint8_t>(c.hitByPitch);
    d.sacFlies = static_cast<std::uint8_t>(c.sacFlies);
    EXPECT_EQ(battingAverage(d), c.avg);
    EXPECT_EQ(onBasePercentage(d), c.obp);
    EXPECT_EQ(sluggingPercentage(d), c.slg);
}

INSTANTIATE_TEST_SUITE_P(Cases,
                         BattingRatesTest,
                         testing::Values(
                             // No at-bats: nothing shown, even with walks.
                             BattingRates{0, 0, 0, 0, 0, 4, 1, 0, std::nullopt, std::nullopt, std::nullopt},
                             // 1/16 = .0625 is a tie and goes down to .062; 3/16 = .1875 goes up to .188.
                             BattingRates{1, 16, 0, 0, 0, 0, 0, 0, 0.062, 0.062, 0.062},
                             BattingRates{3, 16, 0, 0, 0, 0, 0, 0, 0.188, 0.188, 0.188},
                             // (150+60+5)/(500+60+5+5) = .3772; bases 150+30+2*5+3*20 = 250.
                             BattingRates{150, 500, 30, 5, 20, 60, 5, 5, 0.3, 0.377, 0.5},
                             // A single at-bat home run.
                             BattingRates{1, 1, 0, 0, 1, 0, 0, 0, 1.0, 1.0, 4.0}));

struct PitchingRates {
    int outs, hits, doubles, triples, homeRuns, walks, earnedRuns;
    std::optional<double> avg, obp, slg, era;
};

void PrintTo(const PitchingRates& c, std::ostream* out) {
    *out << c.hits << " H in " << c.outs << " outs";
}

class PitchingRatesTest : public testing::TestWithParam<PitchingRates> {};

TEST_P(PitchingRatesTest, ShowsRatesOnlyWithOutsRecorded) {
    const PitchingRates& c = GetParam();
    PitchingLineData d;
    d.outsPitched = static_cast<std::uint16_t>(c.outs);
    d.hits = static_cast<std::uint16_t>(c.hits);
    d.doubles = static_cast<std::uint16_t>(c.doubles);
    d.triples = static_cast<std::uint16_t>(c.triples);
    d.homeRuns = static_cast<std::uint16_t>(c.homeRuns);
    d.walks = static_cast<std::uint16_t>(c.walks);
    d.earnedRuns = static_cast<std::uint16_t>(c.earnedRuns);
    EXPECT_EQ(averageAgainst(d), c.avg);
    EXPECT_EQ(onBaseAgainst(d), c.obp);
    EXPECT_EQ(sluggingAgainst(d), c.slg);
    EXPECT_EQ(earnedRunAverage(d), c.era);
}

INSTANTIATE_TEST_SUITE_P(
    Cases,
    PitchingRatesTest,
    testing::Values(PitchingRates{0, 0, 0, 0, 0, 0, 0, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
                    // Hits without an out recorded: still nothing (the ERA would divide by zero).
                    PitchingRates{0, 3, 0, 0, 0, 2, 3, std::nullopt, std::nullopt, std::nullopt, std::nullopt},
                    PitchingRates{27, 0, 0, 0, 0, 0, 0, 0.0, 0.0, 0.0, 0.0},
                    // 180/780 = .2308, 240/840 = .2857, (180+30+8+60)/780 = .3564, 70*27/600 = 3.15.
                    PitchingRates{600, 180, 30, 4, 20, 60, 70, 0.231, 0.286, 0.356, 3.15},
                    // One earned run in 216 outs (24 innings) is an ERA of exactly .125: the tie goes to .12.
                    PitchingRates{216, 0, 0, 0, 0, 0, 1, 0.0, 0.0, 0.0, 0.12}));

TEST(DerivedValues, InningsShowThirdsAsOneDecimal) {
    const std::pair<int, double> cases[] = {{0, 0.0}, {1, 0.3}, {2, 0.7}, {7, 2.3}, {8, 2.7}, {27, 9.0}, {601, 200.3}};
    for (const auto& [outs, innings] : cases) {
        EXPECT_DOUBLE_EQ(inningsFromOuts(outs), innings) << outs << " outs";
    }
}

TEST(DerivedValues, FieldingPercentageShowsThreeDecimalsAndPerfectWithoutChances) {
    struct Case {
        int putouts, assists, errors;
        const char* text;
    };
    const Case cases[] = {{0, 0, 0, "1.000"}, {90, 5, 5, "0.950"}, {2, 0, 1, "0.667"}, {0, 0, 3, "0.000"}};
    for (const Case& c : cases) {
        FieldingLineData d;
        d.putouts = static_cast<std::uint16_t>(c.putouts);
        d.assists = static_cast<std::uint16_t>(c.assists);
        d.errors = static_cast<std::uint16_t>(c.errors);
        EXPECT_EQ(fieldingPercentageText(d), c.text) << c.putouts << "/" << c.assists << "/" << c.errors;
    }
}

}  // namespace
}  // namespace zt

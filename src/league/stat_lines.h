#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "league/byte_record.h"

namespace zt {

// Stat lines as stored in stats.zt: bit-packed little-endian words. They stay packed in memory
// and are decoded when shown or used.
class BattingLine : public ByteRecord<28> {};
class PitchingLine : public ByteRecord<36> {};
class FieldingLine : public ByteRecord<16> {};

struct BattingLineData {
    std::uint16_t year = 0;
    std::uint8_t level = 0;
    std::uint8_t split = 0;
    std::uint8_t team = 0;
    std::uint16_t games = 0, atBats = 0, hits = 0, doubles = 0, triples = 0, homeRuns = 0, walks = 0, strikeouts = 0,
                  rbi = 0, stolenBases = 0, caughtStealing = 0, runs = 0;
    std::uint8_t pickoffs = 0, hitByPitch = 0, gidp = 0, intentionalWalks = 0, sacFlies = 0, sacHits = 0,
                 pinchAtBats = 0, pinchBaseHits = 0;
    bool operator==(const BattingLineData&) const = default;
};

struct PitchingLineData {
    std::uint16_t year = 0;
    std::uint8_t level = 0;
    std::uint8_t split = 0;
    std::uint8_t team = 0;
    std::uint16_t outsPitched = 0, hits = 0, doubles = 0, triples = 0, homeRuns = 0, walks = 0, strikeouts = 0,
                  earnedRuns = 0, runs = 0, stolenBases = 0, caughtStealing = 0;
    std::uint8_t wins = 0, losses = 0, saves = 0, blownSaves = 0, completeGames = 0, shutouts = 0, gamesStarted = 0;
    std::uint16_t games = 0;
    std::uint8_t balks = 0, hitBatsmen = 0, wildPitches = 0, extra = 0;
    std::uint8_t holds = 0, qualityStarts = 0;
    std::uint16_t pitchCount = 0;
    bool operator==(const PitchingLineData&) const = default;
};

struct FieldingLineData {
    std::uint16_t year = 0;
    std::uint8_t level = 0;
    std::uint8_t position = 0;
    std::uint8_t team = 0;
    std::uint16_t games = 0, assists = 0, putouts = 0, errors = 0, doublePlays = 0, stolenBasesAllowed = 0,
                  caughtStealing = 0;
    std::uint8_t passedBalls = 0;
    std::uint16_t outsPlayed = 0;
    bool operator==(const FieldingLineData&) const = default;
};

// Where a decoded field lives in its stored line.
struct BitSpot {
    enum class Store : std::uint8_t {
        Word,  // bits of the little-endian uint32 at byte 4 * index
        Byte,  // the whole byte at `index`
        Half,  // bits of the little-endian uint16 at byte `index`
    };
    Store store;
    std::uint8_t index;
    std::uint8_t shift;
    std::uint8_t width;

    std::uint32_t maximum() const { return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1u; }
};

// Calls visitor(name, member, spot) for every field of a decoded line, in declaration order.
// The one list of names and bit positions the codecs, dumps and editors share.
template <class Data, class Visitor>
void visitLineFields(Data& d, Visitor&& v);

BattingLineData decodeBattingLine(const BattingLine& line);
PitchingLineData decodePitchingLine(const PitchingLine& line);
FieldingLineData decodeFieldingLine(const FieldingLine& line);

// Encoding rewrites the stored words from the data and leaves the uninterpreted bytes as they
// are. Values wider than their field keep their low bits, so they never spill into the next.
void encodeBattingLine(const BattingLineData& data, BattingLine& line);
void encodePitchingLine(const PitchingLineData& data, PitchingLine& line);
void encodeFieldingLine(const FieldingLineData& data, FieldingLine& line);

// Derived values as the history grids show them; no value where the grid stays empty.
std::optional<double> battingAverage(const BattingLineData& d);
std::optional<double> onBasePercentage(const BattingLineData& d);
std::optional<double> sluggingPercentage(const BattingLineData& d);
std::optional<double> averageAgainst(const PitchingLineData& d);
std::optional<double> onBaseAgainst(const PitchingLineData& d);
std::optional<double> sluggingAgainst(const PitchingLineData& d);
std::optional<double> earnedRunAverage(const PitchingLineData& d);
// Innings as a decimal fraction: 7 outs show as 2.3.
double inningsFromOuts(int outs);
// "%0.3f" of (putouts + assists) / (putouts + assists + errors); "1.000" without chances.
std::string fieldingPercentageText(const FieldingLineData& d);

// ---------------------------------------------------------------------------------------------

namespace line_layout {
using S = BitSpot::Store;
constexpr BitSpot word(std::uint8_t index, std::uint8_t first, std::uint8_t last) {
    return {S::Word, index, first, static_cast<std::uint8_t>(last - first + 1)};
}
constexpr BitSpot byte(std::uint8_t index) {
    return {S::Byte, index, 0, 8};
}
constexpr BitSpot half(std::uint8_t index, std::uint8_t first, std::uint8_t last) {
    return {S::Half, index, first, static_cast<std::uint8_t>(last - first + 1)};
}
}  // namespace line_layout

template <class Data, class Visitor>
void visitLineFields(Data& d, Visitor&& v) {
    using namespace line_layout;
    using Plain = std::remove_const_t<Data>;
    if constexpr (std::is_same_v<Plain, BattingLineData>) {
        v("year", d.year, word(1, 0, 10));
        v("level", d.level, byte(26));
        v("split", d.split, word(1, 11, 13));
        v("team", d.team, byte(24));
        v("games", d.games, word(0, 0, 11));
        v("atBats", d.atBats, word(0, 12, 25));
        v("hits", d.hits, word(1, 14, 24));
        v("doubles", d.doubles, word(2, 0, 10));
        v("triples", d.triples, word(3, 16, 23));
        v("homeRuns", d.homeRuns, word(2, 11, 20));
        v("walks", d.walks, word(2, 21, 31));
        v("strikeouts", d.strikeouts, word(4, 0, 10));
        v("rbi", d.rbi, word(4, 11, 21));
        v("stolenBases", d.stolenBases, word(3, 0, 7));
        v("caughtStealing", d.caughtStealing, word(3, 8, 15));
        v("runs", d.runs, word(5, 0, 10));
        v("pickoffs", d.pickoffs, word(0, 26, 31));
        v("hitByPitch", d.hitByPitch, word(1, 25, 31));
        v("gidp", d.gidp, word(4, 22, 29));
        v("intentionalWalks", d.intentionalWalks, word(5, 11, 17));
        v("sacFlies", d.sacFlies, word(5, 18, 24));
        v("sacHits", d.sacHits, word(5, 25, 31));
        v("pinchAtBats", d.pinchAtBats, byte(25));
        v("pinchBaseHits", d.pinchBaseHits, word(3, 24, 31));
    } else if constexpr (std::is_same_v<Plain, PitchingLineData>) {
        v("year", d.year, word(0, 0, 10));
        v("level", d.level, word(0, 11, 18));
        v("split", d.split, word(0, 19, 20));
        v("team", d.team, byte(32));
        v("outsPitched", d.outsPitched, word(1, 0, 12));
        v("hits", d.hits, word(1, 13, 24));
        v("doubles", d.doubles, word(0, 21, 31));
        v("triples", d.triples, word(2, 0, 7));
        v("homeRuns", d.homeRuns, word(2, 8, 15));
        v("walks", d.walks, word(3, 0, 10));
        v("strikeouts", d.strikeouts, word(3, 11, 21));
        v("earnedRuns", d.earnedRuns, word(4, 0, 10));
        v("runs", d.runs, word(5, 0, 10));
        v("stolenBases", d.stolenBases, word(2, 16, 24));
        v("caughtStealing", d.caughtStealing, word(6, 0, 7));
        v("wins", d.wins, word(6, 8, 15));
        v("losses", d.losses, word(6, 16, 23));
        v("saves", d.saves, word(6, 24, 31));
        v("blownSaves", d.blownSaves, word(1, 25, 31));
        v("completeGames", d.completeGames, word(2, 25, 31));
        v("shutouts", d.shutouts, word(5, 11, 17));
        v("gamesStarted", d.gamesStarted, word(5, 18, 25));
        v("games", d.games, word(3, 22, 31));
        v("balks", d.balks, word(5, 26, 31));
        v("hitBatsmen", d.hitBatsmen, word(4, 11, 17));
        v("wildPitches", d.wildPitches, word(4, 18, 24));
        v("extra", d.extra, word(4, 25, 31));
        v("holds", d.holds, word(7, 0, 7));
        v("qualityStarts", d.qualityStarts, word(7, 8, 15));
        v("pitchCount", d.pitchCount, word(7, 16, 31));
    } else {
        static_assert(std::is_same_v<Plain, FieldingLineData>);
        v("year", d.year, half(12, 0, 10));
        v("level", d.level, word(0, 0, 7));
        v("position", d.position, half(12, 11, 15));
        v("team", d.team, byte(14));
        v("games", d.games, word(1, 12, 21));
        v("assists", d.assists, word(2, 0, 9));
        v("putouts", d.putouts, word(1, 0, 11));
        v("errors", d.errors, word(0, 8, 15));
        v("doublePlays", d.doublePlays, word(1, 22, 31));
        v("stolenBasesAllowed", d.stolenBasesAllowed, word(2, 10, 18));
        v("caughtStealing", d.caughtStealing, word(0, 24, 31));
        v("passedBalls", d.passedBalls, word(0, 16, 23));
        v("outsPlayed", d.outsPlayed, word(2, 19, 31));
    }
}

}  // namespace zt

#include "league/stat_lines.h"

#include <array>
#include <charconv>
#include <cmath>

#include "league/numbers.h"

namespace zt {

namespace {

template <std::size_t N>
std::uint32_t extract(const ByteRecord<N>& line, const BitSpot& spot) {
    switch (spot.store) {
        case BitSpot::Store::Word:
            return (line.template getAt<std::uint32_t>(4u * spot.index) >> spot.shift) & spot.maximum();
        case BitSpot::Store::Half:
            return (line.template getAt<std::uint16_t>(spot.index) >> spot.shift) & spot.maximum();
        case BitSpot::Store::Byte:
            return line.bytes()[spot.index];
    }
    return 0;
}

template <class Data, class Line>
Data decode(const Line& line) {
    Data data;
    visitLineFields(data, [&](std::string_view, auto& member, const BitSpot& spot) {
        member = static_cast<std::remove_reference_t<decltype(member)>>(extract(line, spot));
    });
    return data;
}

// Rebuilds every packed word of the line from the data; bits no field covers become 0 and
// bytes that are not fields keep their stored value.
template <class Data, class Line>
void encode(const Data& data, Line& line) {
    constexpr std::size_t kWords = Line::kSize / 4;
    std::array<std::uint32_t, kWords> words{};
    std::array<bool, kWords> wordUsed{};
    std::uint32_t half = 0;
    std::uint8_t halfIndex = 0;
    bool halfUsed = false;
    visitLineFields(data, [&](std::string_view, const auto& member, const BitSpot& spot) {
        const std::uint32_t value = static_cast<std::uint32_t>(member) & spot.maximum();
        switch (spot.store) {
            case BitSpot::Store::Word:
                words[spot.index] |= value << spot.shift;
                wordUsed[spot.index] = true;
                break;
            case BitSpot::Store::Half:
                half |= value << spot.shift;
                halfIndex = spot.index;
                halfUsed = true;
                break;
            case BitSpot::Store::Byte:
                line.bytes()[spot.index] = static_cast<std::uint8_t>(value);
                break;
        }
    });
    for (std::size_t i = 0; i < kWords; ++i) {
        if (wordUsed[i]) {
            line.template setAt<std::uint32_t>(4 * i, words[i]);
        }
    }
    if (halfUsed) {
        line.template setAt<std::uint16_t>(halfIndex, static_cast<std::uint16_t>(half));
    }
}

std::optional<double> rate(double numerator, double denominator, int decimals) {
    if (denominator <= 0) {
        return std::nullopt;
    }
    return roundHalfEven(numerator / denominator, decimals);
}

int totalBases(int hits, int doubles, int triples, int homeRuns) {
    return hits + doubles + 2 * triples + 3 * homeRuns;
}

bool pitchingRatesShown(const PitchingLineData& d) {
    return d.outsPitched + d.hits > 0 && d.outsPitched > 0;
}

}  // namespace

BattingLineData decodeBattingLine(const BattingLine& line) {
    return decode<BattingLineData>(line);
}
PitchingLineData decodePitchingLine(const PitchingLine& line) {
    return decode<PitchingLineData>(line);
}
FieldingLineData decodeFieldingLine(const FieldingLine& line) {
    return decode<FieldingLineData>(line);
}

void encodeBattingLine(const BattingLineData& data, BattingLine& line) {
    encode(data, line);
}
void encodePitchingLine(const PitchingLineData& data, PitchingLine& line) {
    encode(data, line);
}
void encodeFieldingLine(const FieldingLineData& data, FieldingLine& line) {
    encode(data, line);
}

std::optional<double> battingAverage(const BattingLineData& d) {
    if (d.atBats == 0) {
        return std::nullopt;
    }
    return rate(d.hits, d.atBats, 3);
}

std::optional<double> onBasePercentage(const BattingLineData& d) {
    if (d.atBats == 0) {
        return std::nullopt;
    }
    return rate(d.hits + d.walks + d.hitByPitch, d.atBats + d.walks + d.hitByPitch + d.sacFlies, 3);
}

std::optional<double> sluggingPercentage(const BattingLineData& d) {
    if (d.atBats == 0) {
        return std::nullopt;
    }
    return rate(totalBases(d.hits, d.doubles, d.triples, d.homeRuns), d.atBats, 3);
}

std::optional<double> averageAgainst(const PitchingLineData& d) {
    if (!pitchingRatesShown(d)) {
        return std::nullopt;
    }
    return rate(d.hits, d.outsPitched + d.hits, 3);
}

std::optional<double> onBaseAgainst(const PitchingLineData& d) {
    if (!pitchingRatesShown(d)) {
        return std::nullopt;
    }
    return rate(d.hits + d.walks, d.outsPitched + d.hits + d.walks, 3);
}

std::optional<double> sluggingAgainst(const PitchingLineData& d) {
    if (!pitchingRatesShown(d)) {
        return std::nullopt;
    }
    return rate(totalBases(d.hits, d.doubles, d.triples, d.homeRuns), d.outsPitched + d.hits, 3);
}

std::optional<double> earnedRunAverage(const PitchingLineData& d) {
    if (!pitchingRatesShown(d)) {
        return std::nullopt;
    }
    return roundHalfEven(d.earnedRuns / (d.outsPitched / 27.0), 2);
}

double inningsFromOuts(int outs) {
    return roundHalfEven(outs / 3.0 * 10.0) / 10.0;
}

std::string fieldingPercentageText(const FieldingLineData& d) {
    const int chances = d.putouts + d.assists + d.errors;
    if (chances == 0) {
        return "1.000";
    }
    // "%0.3f" digits with a dot whatever the locale (snprintf would follow the C locale).
    std::array<char, 32> buffer{};
    const double fraction = static_cast<double>(d.putouts + d.assists) / chances;
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), fraction, std::chars_format::fixed, 3);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace zt

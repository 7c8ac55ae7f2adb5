#include <gtest/gtest.h>

#include <map>
#include <string>

#include "sample/stat_totals.h"

namespace zt::sample {
namespace {

// Decoded values by field name, for comparing against what was put in.
template <class Data>
std::map<std::string, std::uint32_t> valuesOf(const Data& data) {
    std::map<std::string, std::uint32_t> values;
    visitLineFields(data, [&](std::string_view name, const auto& member, const BitSpot&) {
        values[std::string(name)] = static_cast<std::uint32_t>(member);
    });
    return values;
}

template <class Data>
std::map<std::string, std::uint32_t> maximaOf() {
    std::map<std::string, std::uint32_t> maxima;
    Data data;
    visitLineFields(
        data, [&](std::string_view name, auto&, const BitSpot& spot) { maxima[std::string(name)] = spot.maximum(); });
    return maxima;
}

BattingLineData decode(const BattingLine& line) {
    return decodeBattingLine(line);
}
PitchingLineData decode(const PitchingLine& line) {
    return decodePitchingLine(line);
}
FieldingLineData decode(const FieldingLine& line) {
    return decodeFieldingLine(line);
}

BattingLine make(const LineKey& key, const BattingTotals& t) {
    return makeBattingLine(key, t, 0);
}
PitchingLine make(const LineKey& key, const PitchingTotals& t) {
    return makePitchingLine(key, t, {0, 0, 0});
}
FieldingLine make(const LineKey& key, const FieldingTotals& t) {
    return makeFieldingLine(key, t, 0);
}

// One value far beyond its field, every other value small: the big one must stop at the field's
// maximum and none of its bits may reach a neighbouring field.
template <class Totals, class Data>
void expectEveryFieldSaturatesAlone() {
    const auto maxima = maximaOf<Data>();
    for (const auto& [name, member] : Totals::fields()) {
        Totals totals;
        for (const auto& field : Totals::fields()) {
            totals.*field.second = 1;
        }
        totals.*member = 1 << 20;
        const auto values = valuesOf(decode(make({2020, 2, 1, 7}, totals)));
        for (const auto& [other, value] : values) {
            if (other == name) {
                EXPECT_EQ(value, maxima.at(other)) << name << " is not held at its maximum";
            } else if (other == "year") {
                EXPECT_EQ(value, 2020u) << name << " spilled into the year";
            } else if (other == "team") {
                EXPECT_EQ(value, 7u) << name << " spilled into the team";
            } else if (other == "level") {
                EXPECT_EQ(value, 2u) << name << " spilled into the level";
            } else if (other == "split" || other == "position") {
                EXPECT_EQ(value, 1u) << name << " spilled into " << other;
            } else {
                EXPECT_EQ(value, 1u) << name << " spilled into " << other;
            }
        }
    }
}

TEST(SampleStatTotals, BattingValuesSaturateWithoutSpilling) {
    expectEveryFieldSaturatesAlone<BattingTotals, BattingLineData>();
}

TEST(SampleStatTotals, PitchingValuesSaturateWithoutSpilling) {
    expectEveryFieldSaturatesAlone<PitchingTotals, PitchingLineData>();
}

TEST(SampleStatTotals, FieldingValuesSaturateWithoutSpilling) {
    expectEveryFieldSaturatesAlone<FieldingTotals, FieldingLineData>();
}

TEST(SampleStatTotals, NegativeValuesBecomeZero) {
    BattingTotals totals;
    totals.hits = -5;
    totals.atBats = 10;
    const BattingLineData d = decodeBattingLine(makeBattingLine({2020, 0, 0, 1}, totals, 0));
    EXPECT_EQ(d.hits, 0);
    EXPECT_EQ(d.atBats, 10);
}

TEST(SampleStatTotals, LinesKeepTheSpareBytesGiven) {
    BattingTotals batting;
    batting.games = 3;
    EXPECT_EQ(makeBattingLine({2020, 0, 0, 1}, batting, 0xA7).bytes()[27], 0xA7);
    PitchingTotals pitching;
    pitching.games = 3;
    const PitchingLine p = makePitchingLine({2020, 0, 0, 1}, pitching, {0x11, 0x22, 0x33});
    EXPECT_EQ(p.bytes()[33], 0x11);
    EXPECT_EQ(p.bytes()[34], 0x22);
    EXPECT_EQ(p.bytes()[35], 0x33);
    FieldingTotals fielding;
    fielding.games = 3;
    EXPECT_EQ(makeFieldingLine({2020, 0, 4, 1}, fielding, 0x5C).bytes()[15], 0x5C);
}

TEST(SampleStatTotals, AddingDecodedLinesGivesBackTheTotals) {
    PitchingTotals totals;
    int value = 1;
    for (const auto& field : PitchingTotals::fields()) {
        totals.*field.second = value++;
    }
    PitchingTotals sum;
    addLine(sum, decodePitchingLine(makePitchingLine({2021, 1, 0, 3}, totals, {0, 0, 0})));
    addLine(sum, decodePitchingLine(makePitchingLine({2021, 1, 1, 3}, totals, {0, 0, 0})));
    for (const auto& [name, member] : PitchingTotals::fields()) {
        EXPECT_EQ(sum.*member, 2 * (totals.*member)) << name;
    }
}

}  // namespace
}  // namespace zt::sample

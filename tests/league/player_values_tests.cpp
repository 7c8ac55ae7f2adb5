// The player value catalogue: how each kind of value reads the record, and the nine
// familiarity values in the order of the familiarity group.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string_view>

#include "league/player_values.h"

namespace zt {
namespace {

struct ValueCase {
    std::string_view name;
    PlayerValue value;
    std::function<void(PlayerRecord&)> store;
    std::optional<double> expected;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

class PlayerValueKinds : public ::testing::TestWithParam<ValueCase> {};

TEST_P(PlayerValueKinds, ReadTheRecord) {
    PlayerRecord player;
    GetParam().store(player);
    EXPECT_EQ(playerValue(player, GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue,
    PlayerValueKinds,
    ::testing::Values(
        ValueCase{
            "StoredKeepsTheSign", pv::peakShift, [](PlayerRecord& p) { p.set(pf::peakShift, std::int8_t{-3}); }, -3},
        ValueCase{"RatioDividesTheFields",
                  pv::strikeoutsPerAtBat,
                  [](PlayerRecord& p) {
                      p.set(pf::pitStrikeouts, 30.0f);
                      p.set(pf::pitAB, 120.0f);
                  },
                  0.25},
        ValueCase{"RatioWithoutDivisorHasNoValue",
                  pv::battingAverage,
                  [](PlayerRecord& p) { p.set(pf::batHits, 5.0f); },
                  std::nullopt},
        ValueCase{"PercentOfAStoredFraction", pv::fatigue, [](PlayerRecord& p) { p.set(pf::fatigue, 0.375f); }, 37.5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlayerValues, FamiliarityValuesReadTheirSlotOfTheGroupFromPToRF) {
    constexpr std::array<std::string_view, 9> kCaptions = {
        "Fam P", "Fam C", "Fam 1B", "Fam 2B", "Fam 3B", "Fam SS", "Fam LF", "Fam CF", "Fam RF"};
    ASSERT_EQ(pv::familiarity.size(), kCaptions.size());
    PlayerRecord player;
    for (int i = 0; i < pf::kFamiliarityCount; ++i) {
        player.setFamiliarity(i, 0.125f * static_cast<float>(i + 1));
    }
    for (std::size_t i = 0; i < kCaptions.size(); ++i) {
        EXPECT_EQ(pv::familiarity[i].caption, kCaptions[i]);
        EXPECT_EQ(playerValue(player, pv::familiarity[i]), 0.125 * static_cast<double>(i + 1)) << kCaptions[i];
    }
}

}  // namespace
}  // namespace zt

// The player value catalogue: the values that are not a stored field as it is (a ratio without
// its divisor, a percentage), and the nine familiarity values in the order of their group.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string_view>

#include "league/player_values.h"

namespace zt {
namespace {

TEST(PlayerValues, ARatioWithoutItsDivisorHasNoValueAndAPercentageIsAHundredTimesTheFraction) {
    PlayerRecord player;
    player.set(pf::batHits, 5.0f);
    player.set(pf::fatigue, 0.375f);
    EXPECT_EQ(playerValue(player, pv::battingAverage), std::nullopt) << "hits without at-bats";
    EXPECT_EQ(playerValue(player, pv::fatigue), 37.5);
}

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
